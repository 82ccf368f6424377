#pragma once

#include <QMainWindow>

class TFiche;
struct QtPlatform;

// The main window: menus, tool bar and status bar around the document window.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(QtPlatform &platform, QWidget *parent = nullptr);
    TFiche *fiche() const { return Fiche_; }

private:
    QtPlatform &platform_;
    TFiche *Fiche_;
};
