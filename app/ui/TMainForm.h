#pragma once

#include "app/Commands.h"
#include "app/MainForm.h"

#include <QMainWindow>
#include <map>

class QLabel;
class QMenu;
class QTimer;
class TFiche;

// The main window: menus, tool bar and status bar around the document window,
// which it holds maximised, without a close box, for the whole run. Its
// commands run the rules of MainForm or an operation of the document window,
// then show the states those leave.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const Platform &platform, QWidget *parent = nullptr);

    TFiche *fiche() const { return Fiche_; }
    MainForm &form() { return form_; }
    // The menu item of a command, and the tool button's action of one.
    QAction *menuAction(Cmd cmd) const;
    QAction *toolAction(Cmd cmd) const;
    QLabel *hintPanel; // hints
    QLabel *clockPanel; // time of day
    QLabel *validationPanel; // how far the entries are validated

    // The document window becomes active: it loads the reference data.
    void FormActivate();
    // Start-up once the window is shown (see MainForm::FormShow).
    void FormShow();
    void clockTick();
    void execute(Cmd cmd);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    QMenu *createPopupMenu() override { return nullptr; }

private:
    void buildMenus();
    void addMenuItems(QMenu *menu, const QList<MenuItem> &items);
    void buildToolBar();
    void buildStatusBar();
    // Shows what the rules left: enabled commands, check marks, title.
    void applyStates();
    // The hints take the status bar's width but for the other panels shown.
    void fitHintPanel();
    void runForm(void (MainForm::*command)());
    // Entries were made final: the dossier is saved at once.
    void saveFinal(bool made);
    void APropos();
    // The notepad, on the notes file of the start-up folder.
    void BlocNotes();

    const Platform &platform_;
    TFiche *Fiche_;
    MainForm form_;
    std::map<Cmd, QAction *> menuActions_;
    std::map<Cmd, QAction *> toolActions_;
    std::map<QAction *, bool> startEnabled_;
    std::map<QMenu *, int> helpContexts_;
    QTimer *clockTimer;
};
