#include "app/ui/TMainForm.h"

#include "app/AccessLetter.h"
#include "app/Hints.h"
#include "app/ui/WelcomePage.h"
#include "document/ui/TFiche.h"
#include "platform/Clock.h"
#include "platform/ui/Resources.h"
#include "reference/ui/NewBooksDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kToolButtonSize = 25;
constexpr int kToolIconSize = 18;
constexpr int kClockPanelWidth = 50;
constexpr int kHintPanelMargin = 100;
} // namespace

TMainForm::TMainForm(const Platform &platform, const CommandTable &table, QWidget *parent)
    : QMainWindow(parent), platform_(platform), documentWindow_(new TFiche(platform)),
      form_(documentWindow_->fiche(), platform)
{
    loadTavelinResources();
    setWindowTitle(form_.title());
    setWindowIcon(QIcon(QStringLiteral(":/tavelin.svg")));

    // The document window fills the client area, in a sunken frame, as a
    // maximised child without title bar or close box.
    documentFrame_ = new QFrame(this);
    documentFrame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *clientLayout = new QVBoxLayout(documentFrame_);
    clientLayout->setContentsMargins(1, 1, 1, 1);
    clientLayout->addWidget(documentWindow_);
    welcomePage = new WelcomePage(this);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(documentFrame_);
    pages_->addWidget(welcomePage);
    setCentralWidget(pages_);
    connect(welcomePage, &WelcomePage::createChosen, this, &TMainForm::newBooks);
    connect(welcomePage, &WelcomePage::openChosen, this, [this] { runOnDocument([this] { form_.openChosen(); }); });
    connect(welcomePage, &WelcomePage::recentChosen, this,
            [this](const QString &path) { runOnDocument([this, path] { form_.openRecent(path); }); });
    connect(documentWindow_, &TFiche::captionChanged, this, [this] { setWindowTitle(form_.title()); });

    buildMenus(table.menus);
    buildToolBar(table.toolBar);
    buildStatusBar();

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { form_.contextHelp(commands::kFicheHelpContext); });

    clockTimer = new QTimer(this);
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &TMainForm::clockTick);
    clockTimer->start();
    clockTick();
    applyStates();
}

QAction *TMainForm::commandAction(Cmd cmd, const CommandHandler &run, bool startEnabled)
{
    auto *action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, run](bool checked) {
        run(*this, checked);
        applyStates();
    });
    actions_[cmd] = action;
    actionStarts_[action] = startEnabled;
    return action;
}

void TMainForm::buildMenus(const QList<Menu> &menus)
{
    for (const Menu &menu : menus) {
        QMenu *m = menuBar()->addMenu(menu.caption);
        helpContexts_[m] = menu.helpContext;
        // "&Édition" takes Alt+É from the menu bar; Alt+E opens it too.
        if (const QChar plain = menus::unaccentedAccessLetter(menu.caption); !plain.isNull()) {
            auto *key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(plain.unicode())), this);
            connect(key, &QShortcut::activated, this, [this, m] { menuBar()->setActiveAction(m->menuAction()); });
        }
        addMenuItems(m, menu.items);
    }
}

void TMainForm::addMenuItems(QMenu *menu, const QList<MenuItem> &items)
{
    for (const MenuItem &item : items) {
        QAction *action = nullptr;
        if (!item.submenu.isEmpty()) {
            QMenu *sub = menu->addMenu(item.caption);
            helpContexts_[sub] = helpContexts_[menu];
            addMenuItems(sub, item.submenu);
            action = sub->menuAction();
            actions_[item.cmd] = action;
            actionStarts_[action] = item.startEnabled;
        } else {
            action = commandAction(item.cmd, item.run, item.startEnabled);
            action->setText(item.caption);
            menu->addAction(action);
        }
        action->setStatusTip(hints::longHint(item.hint));
        action->setCheckable(item.checkable);
        if (!item.shortcut.isEmpty())
            action->setShortcut(QKeySequence::fromString(item.shortcut, QKeySequence::PortableText));
        if (item.separatorAfter)
            menu->addSeparator();
    }
    menu->installEventFilter(this);
}

void TMainForm::buildToolBar(const QList<ToolButton> &buttons)
{
    QToolBar *bar = addToolBar(QStringLiteral("Outils"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    int group = 0;
    for (const ToolButton &button : buttons) {
        if (group != 0 && button.group != group)
            bar->addSeparator();
        group = button.group;
        // The button's hints and start state are its own, not its menu item's.
        QAction *action =
            button.run ? commandAction(button.cmd, button.run, button.startEnabled) : menuAction(button.cmd);
        auto *tool = new QToolButton(bar);
        tool->setIcon(QIcon(button.icon));
        tool->setIconSize(bar->iconSize());
        tool->setToolTip(hints::shortHint(button.hint));
        tool->setStatusTip(hints::longHint(button.hint));
        tool->setFixedSize(kToolButtonSize, kToolButtonSize);
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::NoFocus);
        connect(tool, &QToolButton::clicked, action, &QAction::trigger);
        bar->addWidget(tool);
        toolButtons_[button.cmd] = tool;
        buttonStarts_[tool] = button.startEnabled;
    }
}

void TMainForm::buildStatusBar()
{
    hintPanel = new QLabel(this);
    clockPanel = new QLabel(this);
    validationPanel = new QLabel(this);
    for (QLabel *panel : {hintPanel, clockPanel, validationPanel}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
    }
    clockPanel->setAlignment(Qt::AlignCenter);
    // 50 pixels, or what the time needs in the desktop's font.
    const int timeWidth = clockPanel->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    clockPanel->setFixedWidth(std::max(kClockPanelWidth, timeWidth));
    validationPanel->setFixedWidth(
        validationPanel->fontMetrics().horizontalAdvance(QStringLiteral("Validé jusqu'au 00/00/0000")) + 12);
    validationPanel->hide();
    statusBar()->addWidget(hintPanel);
    statusBar()->addWidget(validationPanel);
    statusBar()->addWidget(clockPanel);
    statusBar()->setSizeGripEnabled(false);
}

QAction *TMainForm::menuAction(Cmd cmd) const
{
    const auto it = actions_.find(cmd);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton *TMainForm::toolButton(Cmd cmd) const
{
    const auto it = toolButtons_.find(cmd);
    return it == toolButtons_.end() ? nullptr : it->second;
}

void TMainForm::applyStates()
{
    const bool documentCommands = form_.documentCommandsEnabled();
    for (const auto &[action, startEnabled] : actionStarts_)
        action->setEnabled(startEnabled || documentCommands);
    for (const auto &[button, startEnabled] : buttonStarts_)
        button->setEnabled(startEnabled || documentCommands);
    menuAction(Cmd::NextYear)->setEnabled(documentCommands && form_.yearClosed());
    menuAction(Cmd::OuvrirAuto)->setChecked(form_.openAutomaticallyChecked);
    setWindowTitle(form_.title());
    const QString validated = form_.validationStatus();
    validationPanel->setText(validated);
    validationPanel->setVisible(!validated.isEmpty());
    if (form_.welcomeShown())
        welcomePage->showRecent(form_.recentDossiers.paths());
    pages_->setCurrentWidget(form_.welcomeShown() ? static_cast<QWidget *>(welcomePage) : documentFrame_);
    fitHintPanel();
}

void TMainForm::runOnDocument(const std::function<void()> &choice)
{
    documentWindow_->run([&choice](Fiche &) { choice(); });
    applyStates();
}

void TMainForm::newBooks()
{
    NewBooksDialog dialog(
        platform_,
        [this](const newbooks::Answers &answers) {
            bool created = false;
            runOnDocument([&] { created = form_.createBooks(answers); });
            return created;
        },
        this);
    dialog.Init(form_.proposedBooks());
    dialog.exec();
}

void TMainForm::fitHintPanel()
{
    const int validationWidth = validationPanel->isVisibleTo(this) ? validationPanel->width() : 0;
    hintPanel->setFixedWidth(std::max(0, width() - kHintPanelMargin - validationWidth));
}

void TMainForm::FormActivate()
{
    documentWindow_->run([](Fiche &f) { f.FormActivate(); });
}

void TMainForm::FormShow()
{
    documentWindow_->run([this](Fiche &) { form_.FormShow(); });
    applyStates();
}

void TMainForm::clockTick()
{
    clockPanel->setText(MainForm::clockText(platform_.clock->now()));
}

bool TMainForm::event(QEvent *event)
{
    // Hints go to panel 0; the status bar never covers its panels with them.
    if (event->type() == QEvent::StatusTip) {
        hintPanel->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // F1 in an open menu: the help of that menu.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        const auto it = helpContexts_.find(qobject_cast<QMenu *>(watched));
        if (it != helpContexts_.end()) {
            const int context = it->second;
            it->first->close();
            menuBar()->setActiveAction(nullptr);
            form_.contextHelp(context);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    documentWindow_->run([this, &mayClose](Fiche &) { mayClose = form_.FormCloseQuery(); });
    applyStates();
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (!form_.closing()) {
        event->ignore();
        return;
    }
    clockTimer->stop();
    event->accept();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitHintPanel();
}
