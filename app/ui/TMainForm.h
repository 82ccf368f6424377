#pragma once

#include "app/MainForm.h"
#include "app/ui/CommandTable.h"

#include <QMainWindow>
#include <functional>
#include <map>

class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolButton;
class TFiche;
class WelcomePage;

// The main window: menus, tool bar and status bar around the document window,
// which it holds maximised, without a close box, for the whole run. Each
// command of its table has one action, shown in the menus and run by the tool
// bar's buttons; the action runs the command's handler, then the window shows
// the states that leaves.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const Platform &platform, const CommandTable &table = commands::table(),
                       QWidget *parent = nullptr);

    TFiche *fiche() const { return documentWindow_; }
    MainForm &form() { return form_; }
    const Platform &platform() const { return platform_; }
    // The one action of a command, which its menu item shows and its tool
    // button runs; the tool button of a command.
    QAction *menuAction(Cmd cmd) const;
    QToolButton *toolButton(Cmd cmd) const;
    QLabel *hintPanel; // hints
    QLabel *clockPanel; // time of day
    QLabel *validationPanel; // how far the entries are validated
    WelcomePage *welcomePage; // instead of the document while the user has no books

    // The document window becomes active: it loads the reference data.
    void FormActivate();
    // Start-up once the window is shown (see MainForm::FormShow).
    void FormShow();
    void clockTick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    QMenu *createPopupMenu() override { return nullptr; }

private:
    void buildMenus(const QList<Menu> &menus);
    void addMenuItems(QMenu *menu, const QList<MenuItem> &items);
    void buildToolBar(const QList<ToolButton> &buttons);
    void buildStatusBar();
    // The action of a command, which runs `run` and then shows the states.
    QAction *commandAction(Cmd cmd, const CommandHandler &run, bool startEnabled);
    // Shows what the rules left: enabled commands, check marks, title, and
    // the welcome page or the document.
    void applyStates();
    // The welcome page's choices, run on the document.
    void runOnDocument(const std::function<void()> &choice);
    void newBooks();
    // The hints take the status bar's width but for the other panels shown.
    void fitHintPanel();

    const Platform &platform_;
    TFiche *documentWindow_;
    QFrame *documentFrame_;
    QStackedWidget *pages_;
    MainForm form_;
    std::map<Cmd, QAction *> actions_;
    std::map<Cmd, QToolButton *> toolButtons_;
    std::map<QAction *, bool> actionStarts_;     // whether each action is enabled before a document
    std::map<QToolButton *, bool> buttonStarts_; // the same for the tool buttons
    std::map<QMenu *, int> helpContexts_;
    QTimer *clockTimer;
};
