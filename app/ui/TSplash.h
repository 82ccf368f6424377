#pragma once

#include <QWidget>

class QLabel;

// The window shown while the program starts: the logo, the name, the version,
// on an ochre panel, without border or title, centred on the screen.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(QWidget *parent = nullptr);

    QLabel *logo;
    QLabel *titleLabel;
    QLabel *versionLabel;
};
