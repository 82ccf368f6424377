#pragma once

#include <QList>
#include <QString>

// Every command of the main window's menus and tool bar.
enum class Cmd {
    // Fichier
    Nouveau, Ouvrir, Enregistrer, EnregistrerSous, MiseEnPage, Imprimer, Apercu, ConfigurerImprimante,
    Importer, Exporter, ExporterMois, ExporterJournal, ExporterFec, Quitter,
    // Édition
    Copier, Coller, Rechercher, Continuer, Pointer,
    // Bases
    Saisie, FactureClient, FactureFournisseur, Precedent, Suivant, Premier, Dernier, Supprimer,
    ModifierEcriture,
    // Documents
    Journal, GrandLivre, JournalGeneral, Balance, Resultat, Bilan,
    // Paramètres
    Societe, Journaux, PlanComptable, Exercice, Guides, OuvrirAuto,
    // Outils
    TraitementTexte, Messages, Emprunts, Placements, Valider, Cloturer,
    // Utilitaires
    Calendrier, Calculatrice, Horloge, Euro, BlocNotes,
    // Aide
    AideIndex, AideRechercher, AideUtiliser, APropos,
    // Tool bar only
    Enveloppe,
};

// A menu item. `startEnabled` false: the item waits for a document (see
// MainForm::Valide). `shortcut` is in Qt's portable text ("Alt+X").
struct MenuItem {
    Cmd cmd;
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

// A flat button of the tool bar; a vertical line separates the groups.
struct ToolButton {
    Cmd cmd;
    int group;
    QString hint; // "short|long" (see hints::)
    QString icon; // resource path of its image
    bool startEnabled = true;
};

namespace commands {

// The help context of the document window; each menu carries its own.
constexpr int kFicheHelpContext = 2;

const QList<Menu> &mainMenu();
// The access letter of a caption without its accent ("&Édition" gives E), or
// a null character when it carries none: the keyboard types Alt+E for it.
QChar unaccentedAccessLetter(const QString &caption);
const QList<ToolButton> &toolBar();

} // namespace commands
