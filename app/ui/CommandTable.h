#pragma once

#include <QList>
#include <QString>
#include <functional>

class TMainForm;

// Every command of the main window's menus and tool bar.
enum class Cmd {
    // Fichier
    Nouveau, Open, Save, SaveAs, PageSetup, Imprimer, Preview, PrinterSetup,
    Import, Export, ExportMonth, ExportJournal, ExportFec, Quit,
    // Édition
    Copier, Coller, Rechercher, ContinueSearch, Pointer,
    // Bases
    Saisie, CustomerInvoice, SupplierInvoice, ReceivedInvoices, Precedent, Suivant, Premier, Dernier, Supprimer,
    ModifyEntry,
    // Documents
    Journal, GeneralLedger, GeneralJournal, Balance, Resultat, Bilan, TableauDeBord, VatReturn, BankReconciliation,
    Lettering, AgedBalance,
    // Paramètres
    Company, Journals, ChartOfAccounts, Exercice, Guides, OuvrirAuto,
    // Outils
    WordProcessor, Messages, Loans, Savings, ValidateEntries, Cloturer, NextYear,
    // Utilitaires
    Calendar, Calculator, Clock, Euro, Notepad,
    // Aide
    HelpContents, HelpSearch, HelpOnHelp, About,
    // Tool bar only
    Enveloppe,
};

// What a command does in the main window. `checked` is the check mark of a
// checkable item once the click has toggled it.
using CommandHandler = std::function<void(TMainForm &window, bool checked)>;

// A menu item. `startEnabled` false: the item waits for a document (see
// MainForm::Valide). `shortcut` is in Qt's portable text ("Alt+X").
struct MenuItem {
    Cmd cmd;
    CommandHandler run; // none for an item that opens a submenu
    QString caption; // "&" marks the access letter
    QString hint;
    QString shortcut;
    bool startEnabled = true;
    bool checkable = false;
    bool separatorAfter = false;
    QList<MenuItem> submenu;
};

struct Menu {
    QString caption;
    int helpContext;
    QList<MenuItem> items;
};

// A flat button of the tool bar; a vertical line separates the groups. A
// button runs the action of its command's menu item, with hints and a start
// state of its own; a command found in no menu names its handler here.
struct ToolButton {
    Cmd cmd;
    int group;
    QString hint; // "short|long" (see hints::)
    QString icon; // resource path of its image
    bool startEnabled = true;
    CommandHandler run; // only for a command of the tool bar alone
};

// Every command of the main window: one action each, shown in the menus and
// run by the tool bar's buttons.
struct CommandTable {
    QList<Menu> menus;
    QList<ToolButton> toolBar;
};

namespace commands {

// The help context of the document window; each menu carries its own.
constexpr int kFicheHelpContext = 2;

const CommandTable &table();

} // namespace commands
