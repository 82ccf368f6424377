#include "app/ui/TMainForm.h"

#include "app/Hints.h"
#include "app/ui/TAboutBox.h"
#include "document/ui/TFiche.h"
#include "platform/Clock.h"
#include "platform/ui/Resources.h"
#include "desk/Notepad.h"
#include "desk/ui/TBlocnotes.h"
#include "desk/ui/TCalendrier.h"
#include "calculators/ui/TEmprunt.h"
#include "calculators/ui/TEurof.h"
#include "desk/ui/THorloge.h"
#include "calculators/ui/TPlacement.h"
#include "calculators/ui/TPocket.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
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

// A tool window: created on demand, modal over the main window, destroyed
// when closed; nothing of it is kept.
template <typename Tool>
void openTool(const Platform &platform, QWidget *owner)
{
    Tool tool(platform, owner);
    tool.exec();
}
} // namespace

TMainForm::TMainForm(const Platform &platform, QWidget *parent)
    : QMainWindow(parent), platform_(platform), Fiche_(new TFiche(platform)), form_(Fiche_->fiche(), platform)
{
    loadTavelinResources();
    setWindowTitle(form_.titre());
    setWindowIcon(QIcon(QStringLiteral(":/tavelin.svg")));

    // The document window fills the client area, in a sunken frame, as a
    // maximised child without title bar or close box.
    auto *client = new QFrame(this);
    client->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(1, 1, 1, 1);
    clientLayout->addWidget(Fiche_);
    setCentralWidget(client);
    connect(Fiche_, &TFiche::captionChanged, this, [this] { setWindowTitle(form_.titre()); });

    buildMenus();
    buildToolBar();
    buildStatusBar();

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { form_.AideContexte(commands::kFicheHelpContext); });

    clockTimer = new QTimer(this);
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &TMainForm::clockTick);
    clockTimer->start();
    clockTick();
    applyStates();
}

void TMainForm::buildMenus()
{
    for (const Menu &menu : commands::mainMenu()) {
        QMenu *m = menuBar()->addMenu(menu.caption);
        helpContexts_[m] = menu.helpContext;
        // "&Édition" takes Alt+É from the menu bar; Alt+E opens it too.
        if (const QChar plain = commands::unaccentedAccessLetter(menu.caption); !plain.isNull()) {
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
        } else {
            action = menu->addAction(item.caption);
            const Cmd cmd = item.cmd;
            connect(action, &QAction::triggered, this, [this, cmd] { execute(cmd); });
        }
        action->setStatusTip(hints::longHint(item.hint));
        action->setCheckable(item.checkable);
        if (!item.shortcut.isEmpty())
            action->setShortcut(QKeySequence::fromString(item.shortcut, QKeySequence::PortableText));
        menuActions_[item.cmd] = action;
        startEnabled_[action] = item.startEnabled;
        if (item.separatorAfter)
            menu->addSeparator();
    }
    menu->installEventFilter(this);
}

void TMainForm::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Outils"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    int group = 0;
    for (const ToolButton &button : commands::toolBar()) {
        if (group != 0 && button.group != group)
            bar->addSeparator();
        group = button.group;
        QAction *action = bar->addAction(QIcon(button.icon), hints::shortHint(button.hint));
        action->setToolTip(hints::shortHint(button.hint));
        action->setStatusTip(hints::longHint(button.hint));
        const Cmd cmd = button.cmd;
        connect(action, &QAction::triggered, this, [this, cmd] { execute(cmd); });
        if (auto *tool = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
            tool->setFixedSize(kToolButtonSize, kToolButtonSize);
            tool->setAutoRaise(true);
        }
        toolActions_[button.cmd] = action;
        startEnabled_[action] = button.startEnabled;
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
    const auto it = menuActions_.find(cmd);
    return it == menuActions_.end() ? nullptr : it->second;
}

QAction *TMainForm::toolAction(Cmd cmd) const
{
    const auto it = toolActions_.find(cmd);
    return it == toolActions_.end() ? nullptr : it->second;
}

void TMainForm::applyStates()
{
    for (const auto &[action, startEnabled] : startEnabled_)
        action->setEnabled(startEnabled || form_.valide());
    menuAction(Cmd::OuvrirAuto)->setChecked(form_.OuvrirAutomatiquementCoche);
    setWindowTitle(form_.titre());
    const QString validated = form_.validationStatus();
    validationPanel->setText(validated);
    validationPanel->setVisible(!validated.isEmpty());
    fitHintPanel();
}

void TMainForm::fitHintPanel()
{
    const int validationWidth = validationPanel->isVisibleTo(this) ? validationPanel->width() : 0;
    hintPanel->setFixedWidth(std::max(0, width() - kHintPanelMargin - validationWidth));
}

void TMainForm::FormActivate()
{
    Fiche_->run([](Fiche &f) { f.FormActivate(); });
}

void TMainForm::FormShow()
{
    Fiche_->run([this](Fiche &) { form_.FormShow(); });
    applyStates();
}

void TMainForm::clockTick()
{
    clockPanel->setText(MainForm::heure(platform_.clock->now()));
}

void TMainForm::runForm(void (MainForm::*command)())
{
    Fiche_->run([this, command](Fiche &) { (form_.*command)(); });
}

void TMainForm::saveFinal(bool made)
{
    if (made)
        Fiche_->run([this](Fiche &) { form_.Enregistrer(); });
}

void TMainForm::execute(Cmd cmd)
{
    switch (cmd) {
    case Cmd::Nouveau: runForm(&MainForm::Nouveau); break;
    case Cmd::Ouvrir: runForm(&MainForm::Ouvrir); break;
    case Cmd::Enregistrer: Fiche_->run([this](Fiche &) { form_.Enregistrer(); }); break;
    case Cmd::EnregistrerSous: Fiche_->run([this](Fiche &) { form_.EnregistrerSous(); }); break;
    case Cmd::MiseEnPage: form_.MiseEnPage(); break;
    case Cmd::Imprimer: form_.Imprimer(); break;
    case Cmd::Apercu: form_.Apercu(); break;
    case Cmd::ConfigurerImprimante: form_.ConfigurerImprimante(); break;
    case Cmd::Importer: Fiche_->Importer(); break;
    case Cmd::ExporterMois: Fiche_->ExportMois(); break;
    case Cmd::ExporterJournal: Fiche_->ExportJournal(); break;
    case Cmd::ExporterFec: Fiche_->ExporterFec(); break;
    case Cmd::Quitter: close(); break;
    case Cmd::Copier: Fiche_->Copier(); break;
    case Cmd::Coller: Fiche_->Coller(); break;
    case Cmd::Rechercher: Fiche_->Rechercher(); break;
    case Cmd::Continuer: Fiche_->RContinuer(); break;
    case Cmd::Pointer: Fiche_->Pointer(menuAction(Cmd::Pointer)->isChecked()); break;
    case Cmd::Saisie: Fiche_->run([](Fiche &f) { f.Saisie(); }); break;
    case Cmd::FactureClient: Fiche_->FactCli(); break;
    case Cmd::FactureFournisseur: Fiche_->FactFour(); break;
    case Cmd::Precedent: Fiche_->run([](Fiche &f) { f.Precedent(); }); break;
    case Cmd::Suivant: Fiche_->run([](Fiche &f) { f.Suivant(); }); break;
    case Cmd::Premier: Fiche_->run([](Fiche &f) { f.Premier(); }); break;
    case Cmd::Dernier: Fiche_->run([](Fiche &f) { f.Dernier(); }); break;
    case Cmd::Supprimer: Fiche_->Supprimer(); break;
    case Cmd::ModifierEcriture: Fiche_->ModifierEcriture(); break;
    case Cmd::Journal: Fiche_->Journal(); break;
    case Cmd::GrandLivre: Fiche_->Comptes(); break;
    case Cmd::JournalGeneral: Fiche_->General(); break;
    case Cmd::Balance: Fiche_->Balance(); break;
    case Cmd::Resultat: Fiche_->Resultat(); break;
    case Cmd::Bilan: Fiche_->Bilan(); break;
    case Cmd::TraitementTexte: Fiche_->TrTexte(); break;
    case Cmd::Enveloppe: Fiche_->Enveloppe(); break;
    case Cmd::Societe: Fiche_->Psoc(); break;
    case Cmd::Journaux: Fiche_->Journaux(); break;
    case Cmd::PlanComptable: Fiche_->Plc(); break;
    case Cmd::Exercice: Fiche_->run([](Fiche &f) { f.Exercice(); }); break;
    case Cmd::Guides: Fiche_->Guides(); break;
    case Cmd::OuvrirAuto: form_.OuvrirAutomatiquement(); break;
    case Cmd::Valider: saveFinal(Fiche_->Valider()); break;
    case Cmd::Cloturer: saveFinal(Fiche_->Cloturer()); break;
    case Cmd::AideIndex: form_.AideSommaire(); break;
    case Cmd::AideRechercher: form_.AideRechercher(); break;
    case Cmd::AideUtiliser: form_.AideUtiliser(); break;
    case Cmd::APropos: APropos(); break;
    case Cmd::Emprunts: openTool<TEmprunt>(platform_, this); break;
    case Cmd::Placements: openTool<TPlacement>(platform_, this); break;
    case Cmd::Calculatrice: openTool<TPocket>(platform_, this); break;
    case Cmd::Euro: openTool<TEurof>(platform_, this); break;
    case Cmd::Calendrier: openTool<TCalendrier>(platform_, this); break;
    case Cmd::Horloge: openTool<THorloge>(platform_, this); break;
    case Cmd::BlocNotes: BlocNotes(); break;
    case Cmd::Messages: Fiche_->Messages(); break;
    default:
        // Commands whose windows are not part of the program yet.
        break;
    }
    applyStates();
}

void TMainForm::BlocNotes()
{
    TBlocnotes notes(platform_, this);
    if (notes.Charge(notepad::path(form_.RepDepart)))
        notes.exec();
}

void TMainForm::APropos()
{
    TAboutBox box(this);
    box.exec();
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
            form_.AideContexte(context);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    Fiche_->run([this, &mayClose](Fiche &) { mayClose = form_.FormCloseQuery(); });
    applyStates();
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (!form_.FormClose()) {
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
