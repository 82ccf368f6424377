#include "app/ui/CommandTable.h"

#include "app/ui/TAboutBox.h"
#include "app/ui/TMainForm.h"
#include "calculators/ui/TEmprunt.h"
#include "calculators/ui/TEurof.h"
#include "calculators/ui/TPlacement.h"
#include "calculators/ui/TPocket.h"
#include "desk/Notepad.h"
#include "desk/ui/TBlocnotes.h"
#include "desk/ui/TCalendrier.h"
#include "desk/ui/THorloge.h"
#include "document/DashboardCommands.h"
#include "document/EntryCommands.h"
#include "document/ExchangeCommands.h"
#include "document/ReportCommands.h"
#include "document/ui/TFiche.h"

#include <type_traits>

namespace commands {
namespace {

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// ---------------------------------------------------------------- handlers

// A rule of the document (a function of `document::` or a method of
// `Fiche`); the document window shows its outcome afterwards.
template <typename Operation>
CommandHandler onDocument(Operation operation)
{
    return [operation](TMainForm &window, bool checked) {
        window.fiche()->run([&](Fiche &fiche) {
            if constexpr (std::is_invocable_v<Operation, Fiche &, bool>)
                std::invoke(operation, fiche, checked);
            else
                std::invoke(operation, fiche);
        });
    };
}

// A dialog the document window opens over itself and applies.
CommandHandler onDocumentWindow(void (TFiche::*operation)())
{
    return [operation](TMainForm &window, bool) { (window.fiche()->*operation)(); };
}

// A file command of the main window: it changes the document, which the
// document window shows afterwards.
template <typename Command>
CommandHandler onFile(Command command)
{
    return [command](TMainForm &window, bool) {
        window.fiche()->run([&](Fiche &) { std::invoke(command, window.form()); });
    };
}

// A command of the main window that leaves the document as it is.
template <typename Command>
CommandHandler onForm(Command command)
{
    return [command](TMainForm &window, bool) { std::invoke(command, window.form()); };
}

// A command that may make entries final: the dossier is saved at once when
// it did.
CommandHandler savedWhenFinal(bool (TFiche::*operation)())
{
    return [operation](TMainForm &window, bool) {
        if ((window.fiche()->*operation)())
            window.fiche()->run([&](Fiche &) { window.form().save(); });
    };
}

// A tool window: created on demand, modal over the main window, destroyed
// when closed; nothing of it is kept.
template <typename Tool>
CommandHandler openTool()
{
    return [](TMainForm &window, bool) {
        Tool tool(window.platform(), &window);
        tool.exec();
    };
}

// The notepad, on the notes file of the start-up folder.
void openNotepad(TMainForm &window, bool)
{
    TBlocnotes notes(window.platform(), &window);
    if (notes.Charge(notepad::path(window.form().RepDepart)))
        notes.exec();
}

void showAbout(TMainForm &window, bool)
{
    TAboutBox box(window.fiche()->fiche().ledger.referenceDir().path(), &window);
    box.exec();
}

void quit(TMainForm &window, bool)
{
    window.close();
}

// ---------------------------------------------------------------- rows

// Item that is available from the start.
MenuItem on(Cmd cmd, CommandHandler run, const char16_t *caption, const char16_t *hint = u"")
{
    return MenuItem{cmd, std::move(run), s(caption), s(hint), QString(), true, false, false, {}};
}

// Item that waits for a document.
MenuItem off(Cmd cmd, CommandHandler run, const char16_t *caption, const char16_t *hint = u"")
{
    MenuItem item = on(cmd, std::move(run), caption, hint);
    item.startEnabled = false;
    return item;
}

MenuItem separated(MenuItem item)
{
    item.separatorAfter = true;
    return item;
}

MenuItem keyed(MenuItem item, const char *shortcut)
{
    item.shortcut = QString::fromLatin1(shortcut);
    return item;
}

MenuItem checkable(MenuItem item)
{
    item.checkable = true;
    return item;
}

QList<Menu> buildMenu()
{
    MenuItem exportMenu = separated(off(Cmd::Export, {}, u"E&xporter...", u"Exporter écritures"));
    exportMenu.submenu = {
        on(Cmd::ExportMonth, onDocument(document::ExportMois), u"&Mois", u"Exporter mois visualisé"),
        on(Cmd::ExportJournal, onDocument(document::ExportJournal), u"&Tout le journal",
           u"Exporter tout le journal"),
        on(Cmd::ExportFec, onDocumentWindow(&TFiche::exportFec), u"&FEC (contrôle fiscal)...",
           u"Exporter le fichier des écritures comptables"),
    };
    return {
        {s(u"&Fichier"), 3, {
            keyed(on(Cmd::Nouveau, onFile(&MainForm::Nouveau), u"&Nouveau", u"Nouveau dossier"), "Ctrl+N"),
            separated(keyed(on(Cmd::Open, onFile(&MainForm::open), u"&Ouvrir...", u"Ouvrir un fichier"), "Ctrl+O")),
            keyed(off(Cmd::Save, onFile(&MainForm::save), u"&Enregistrer", u"Enregistrer le fichier en cours"),
                  "Ctrl+S"),
            separated(off(Cmd::SaveAs, onFile(&MainForm::saveAs), u"Enregistrer &sous...",
                          u"Enregistrer sous")),
            on(Cmd::PageSetup, onForm(&MainForm::pageSetup), u"Mise en &page", u"Mise en page"),
            keyed(off(Cmd::Imprimer, onForm(&MainForm::Imprimer), u"&Imprimer"), "Ctrl+P"),
            off(Cmd::Preview, onForm(&MainForm::preview), u"Aper&çu avant impression", u"Aperçu avant impression"),
            separated(on(Cmd::PrinterSetup, onForm(&MainForm::printerSetup), u"Con&figurer imprimante",
                         u"Configurer imprimante")),
            off(Cmd::Import, onDocument(document::Importer), u"I&mporter...", u"Importer écritures"),
            exportMenu,
            keyed(on(Cmd::Quit, quit, u"&Quitter", u"Quitter l'application"), "Alt+X"),
        }},
        {s(u"&Édition"), 4, {
            off(Cmd::Copier, onDocument(document::Copier), u"C&opier", u"Copier"),
            separated(off(Cmd::Coller, onDocument(document::Coller), u"Co&ller", u"Coller")),
            off(Cmd::Rechercher, onDocument(document::Rechercher), u"&Rechercher...", u"Rechercher une écriture"),
            separated(keyed(off(Cmd::ContinueSearch, onDocument(document::RContinuer), u"&Continuer",
                                u"Continuer la recherche"),
                            "F3")),
            checkable(off(Cmd::Pointer, onDocument(document::Pointer), u"&Pointer", u"Pointer les écritures")),
        }},
        {s(u"&Bases"), 5, {
            on(Cmd::Saisie, onDocument(&Fiche::Saisie), u"&Saisie standard", u"Saisie standard"),
            off(Cmd::CustomerInvoice, onDocumentWindow(&TFiche::FactCli), u"Facture &client", u"Saisir facture client"),
            off(Cmd::SupplierInvoice, onDocumentWindow(&TFiche::FactFour), u"Facture &fournisseur",
                u"Saisir facture fournisseur"),
            separated(off(Cmd::ReceivedInvoices, onDocumentWindow(&TFiche::receiveInvoices), u"F&actures reçues…",
                          u"Comptabiliser les factures électroniques reçues")),
            off(Cmd::Precedent, onDocument(&Fiche::Precedent), u"&Précédent", u"Mois précédent"),
            off(Cmd::Suivant, onDocument(&Fiche::Suivant), u"Sui&vant", u"Mois suivant"),
            off(Cmd::Premier, onDocument(&Fiche::Premier), u"P&remier", u"Premier mois"),
            separated(off(Cmd::Dernier, onDocument(&Fiche::Dernier), u"&Dernier", u"Dernier mois")),
            off(Cmd::Supprimer, onDocument(document::Supprimer), u"S&upprimer", u"Supprimer ligne"),
            off(Cmd::ModifyEntry, onDocument(document::modifySelected), u"&Modifier écriture",
                u"Modifier écriture"),
        }},
        {s(u"&Documents"), 6, {
            on(Cmd::Journal, onDocument(document::Journal), u"&Journal", u"Consulter journal"),
            on(Cmd::GeneralLedger, onDocument(document::Comptes), u"&Grand livre", u"Consulter comptes"),
            separated(on(Cmd::GeneralJournal, onDocument(document::General), u"J&ournal Général")),
            on(Cmd::Balance, onDocument(document::Balance), u"Ba&lance", u"Consulter balance"),
            on(Cmd::Resultat, onDocument(document::Resultat), u"&Résultat de l'exercice", u"Résultat de l'exercice"),
            on(Cmd::Bilan, onDocument(document::Bilan), u"&Bilan", u"Bilan"),
            separated(on(Cmd::TableauDeBord, onDocument(document::TableauDeBord), u"T&ableau de bord",
                         u"L'exercice en graphiques")),
            off(Cmd::VatReturn, onDocumentWindow(&TFiche::vatReturn), u"Déclaration de &TVA...",
                u"Déclaration de TVA"),
            off(Cmd::BankReconciliation, onDocumentWindow(&TFiche::reconcileBank), u"Ra&pprochement bancaire...",
                u"Rapprocher le compte bancaire d'un relevé"),
            off(Cmd::Lettering, onDocumentWindow(&TFiche::lettering), u"L&ettrage…",
                u"Lettrer les comptes clients et fournisseurs"),
            off(Cmd::AgedBalance, onDocumentWindow(&TFiche::agedBalance), u"Balan&ce âgée…",
                u"Ce qui reste dû, par ancienneté"),
        }},
        {s(u"&Paramètres"), 7, {
            on(Cmd::Company, onDocumentWindow(&TFiche::Psoc), u"&Société", u"Paramètres société"),
            on(Cmd::Journals, onDocumentWindow(&TFiche::Journaux), u"&Journaux", u"Définir les journaux"),
            on(Cmd::ChartOfAccounts, onDocumentWindow(&TFiche::Plc), u"&Plan comptable", u"Plan comptable"),
            off(Cmd::Exercice, onDocument(&Fiche::Exercice), u"&Exercice", u"Définir l'exercice"),
            separated(on(Cmd::Guides, onDocumentWindow(&TFiche::Guides), u"&Guides de saisie",
                         u"Définir les comptes")),
            checkable(on(Cmd::OuvrirAuto, onForm(&MainForm::toggleOpenAutomatically), u"&Ouvrir automatiquement",
                         u"Ouvrir automatiquement le dernier fichier utilisé")),
        }},
        {s(u"&Outils"), 8, {
            on(Cmd::WordProcessor, onDocumentWindow(&TFiche::TrTexte), u"&Traitement de texte",
               u"Traitement de texte"),
            on(Cmd::Messages, onDocumentWindow(&TFiche::Messages), u"&Messages", u"Messages"),
            on(Cmd::Loans, openTool<TEmprunt>(), u"&Emprunts", u"Calculer un emprunt"),
            separated(on(Cmd::Savings, openTool<TPlacement>(), u"&Placements", u"Calculer un placement")),
            off(Cmd::ValidateEntries, savedWhenFinal(&TFiche::validateEntries), u"&Valider les écritures...",
                u"Valider les écritures"),
            off(Cmd::Cloturer, savedWhenFinal(&TFiche::Cloturer), u"&Clôturer exercice", u"Clôturer l'exercice"),
            off(Cmd::NextYear, onFile(&MainForm::openNextYear), u"Ouvrir l'exercice &suivant…",
                u"Créer et ouvrir le dossier de l'exercice suivant"),
        }},
        {s(u"&Utilitaires"), 9, {
            on(Cmd::Calendar, openTool<TCalendrier>(), u"&Calendrier", u"Calendrier"),
            on(Cmd::Calculator, openTool<TPocket>(), u"C&alculatrice", u"Calculatrice"),
            on(Cmd::Clock, openTool<THorloge>(), u"&Horloge", u"Horloge"),
            on(Cmd::Euro, openTool<TEurof>(), u"&Euro conversion", u"Convertisseur euro"),
            on(Cmd::Notepad, openNotepad, u"&Bloc-notes", u"Bloc-notes"),
        }},
        {s(u"&Aide"), 10, {
            on(Cmd::HelpContents, onForm(&MainForm::helpContents), u"&Index", u"Sommaire de l'aide"),
            on(Cmd::HelpSearch, onForm(&MainForm::helpSearch), u"&Rechercher...", u"Rechercher dans l'aide"),
            separated(on(Cmd::HelpOnHelp, onForm(&MainForm::helpOnHelp), u"&Utiliser l'aide",
                         u"Comment utiliser l'aide")),
            on(Cmd::About, showAbout, u"&A propos"),
        }},
    };
}

// A button that runs its command's menu item.
ToolButton tool(Cmd cmd, int group, const char16_t *hint, const char *icon, bool startEnabled)
{
    return ToolButton{cmd, group, s(hint), QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)), startEnabled, {}};
}

QList<ToolButton> buildToolBar()
{
    ToolButton envelope = tool(Cmd::Enveloppe, 5, u"Imprimer enveloppe", "enveloppe", false);
    envelope.run = onDocumentWindow(&TFiche::Enveloppe);
    // "Nouveau dossier", "Copier" and "Coller" run the menu commands of the
    // same names, as their pictures promise.
    return {
        tool(Cmd::Nouveau, 1, u"Nouveau dossier", "nouveau", true),
        tool(Cmd::Open, 1, u"Ouvrir", "ouvrir", true),
        tool(Cmd::Save, 1, u"Enregistrer|", "enregistrer", false),
        tool(Cmd::Copier, 2, u"Copier", "copier", false),
        tool(Cmd::Coller, 2, u"Coller", "coller", false),
        tool(Cmd::Premier, 3, u"Premier", "premier", false),
        tool(Cmd::Precedent, 3, u"Précédent", "precedent", false),
        tool(Cmd::Suivant, 3, u"Suivant", "suivant", false),
        tool(Cmd::Dernier, 3, u"Dernier", "dernier", false),
        tool(Cmd::Saisie, 4, u"Saisie standard", "saisie", true),
        tool(Cmd::Journal, 4, u"Journal", "journal", false),
        tool(Cmd::GeneralLedger, 4, u"Grand livre", "grandlivre", false),
        tool(Cmd::GeneralJournal, 4, u"Journal Général", "journalgeneral", false),
        tool(Cmd::Balance, 4, u"Balance", "balance", false),
        tool(Cmd::TableauDeBord, 4, u"Tableau de bord", "tableaudebord", false),
        tool(Cmd::Imprimer, 5, u"Imprimer", "imprimer", false),
        envelope,
    };
}

} // namespace

const CommandTable &table()
{
    static const CommandTable commands{buildMenu(), buildToolBar()};
    return commands;
}

} // namespace commands
