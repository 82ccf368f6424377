#pragma once

#include <QWidget>

class QLabel;

// The window shown while the program starts: the logo, the name, the version,
// on an ochre panel, without border or title, centred on the screen. It steps
// aside for any modal window of the start-up (a message, a question), which it
// would otherwise cover.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(QWidget *parent = nullptr);

    QLabel *logo;
    QLabel *titleLabel;
    QLabel *versionLabel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
