#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The main window's menus and tool bar as the user must find them, written
// out once for the tests of the command table and of the built window.
//
// One row per item: "caption | status-bar hint | start state", then the
// shortcut and "checkable" when the item has them. "-" is a separator, an
// indented row an item of the submenu above it, "(none)" an empty hint. "off"
// items wait for a document: `Valide` enables them, and nothing disables them
// again. Tool bar rows read "tooltip | status-bar hint | start state", "-"
// marking the line between two groups.
namespace mainwindow {

struct ExpectedMenu {
    QString caption;
    int helpContext;
    QStringList rows;
};

inline const QList<ExpectedMenu> kMenus = {
    {"&Fichier", 3, {
        "&Nouveau | Nouveau dossier | on | Ctrl+N",
        "&Ouvrir... | Ouvrir un fichier | on | Ctrl+O",
        "-",
        "&Enregistrer | Enregistrer le fichier en cours | off | Ctrl+S",
        "Enregistrer &sous... | Enregistrer sous | off",
        "-",
        "Mise en &page | Mise en page | on",
        "&Imprimer | (none) | off | Ctrl+P",
        "Aper&çu avant impression | Aperçu avant impression | off",
        "Con&figurer imprimante | Configurer imprimante | on",
        "-",
        "I&mporter... | Importer écritures | off",
        "E&xporter... | Exporter écritures | off",
        "    &Mois | Exporter mois visualisé | on",
        "    &Tout le journal | Exporter tout le journal | on",
        "    &FEC (contrôle fiscal)... | Exporter le fichier des écritures comptables | on",
        "-",
        "&Quitter | Quitter l'application | on | Alt+X",
    }},
    {"&Édition", 4, {
        "C&opier | Copier | off",
        "Co&ller | Coller | off",
        "-",
        "&Rechercher... | Rechercher une écriture | off",
        "&Continuer | Continuer la recherche | off | F3",
        "-",
        "&Pointer | Pointer les écritures | off | checkable",
    }},
    {"&Bases", 5, {
        "&Saisie standard | Saisie standard | on",
        "Facture &client | Saisir facture client | off",
        "Facture &fournisseur | Saisir facture fournisseur | off",
        "F&actures reçues… | Comptabiliser les factures électroniques reçues | off",
        "-",
        "&Précédent | Mois précédent | off",
        "Sui&vant | Mois suivant | off",
        "P&remier | Premier mois | off",
        "&Dernier | Dernier mois | off",
        "-",
        "S&upprimer | Supprimer ligne | off",
        "&Modifier écriture | Modifier écriture | off",
    }},
    {"&Documents", 6, {
        "&Journal | Consulter journal | on",
        "&Grand livre | Consulter comptes | on",
        "J&ournal Général | (none) | on",
        "-",
        "Ba&lance | Consulter balance | on",
        "&Résultat de l'exercice | Résultat de l'exercice | on",
        "&Bilan | Bilan | on",
        "T&ableau de bord | L'exercice en graphiques | on",
        "-",
        "Déclaration de &TVA... | Déclaration de TVA | off",
        "Ra&pprochement bancaire... | Rapprocher le compte bancaire d'un relevé | off",
        "L&ettrage… | Lettrer les comptes clients et fournisseurs | off",
        "Balan&ce âgée… | Ce qui reste dû, par ancienneté | off",
    }},
    {"&Paramètres", 7, {
        "&Société | Paramètres société | on",
        "&Journaux | Définir les journaux | on",
        "&Plan comptable | Plan comptable | on",
        "&Exercice | Définir l'exercice | off",
        "&Guides de saisie | Définir les comptes | on",
        "-",
        "&Ouvrir automatiquement | Ouvrir automatiquement le dernier fichier utilisé | on | checkable",
    }},
    {"&Outils", 8, {
        "&Traitement de texte | Traitement de texte | on",
        "&Messages | Messages | on",
        "&Emprunts | Calculer un emprunt | on",
        "&Placements | Calculer un placement | on",
        "-",
        "&Valider les écritures... | Valider les écritures | off",
        "&Clôturer exercice | Clôturer l'exercice | off",
        "Ouvrir l'exercice &suivant… | Créer et ouvrir le dossier de l'exercice suivant | off",
    }},
    {"&Utilitaires", 9, {
        "&Calendrier | Calendrier | on",
        "C&alculatrice | Calculatrice | on",
        "&Horloge | Horloge | on",
        "&Euro conversion | Convertisseur euro | on",
        "&Bloc-notes | Bloc-notes | on",
    }},
    {"&Aide", 10, {
        "&Index | Sommaire de l'aide | on",
        "&Rechercher... | Rechercher dans l'aide | on",
        "&Utiliser l'aide | Comment utiliser l'aide | on",
        "-",
        "&A propos | (none) | on",
    }},
};

inline const QStringList kToolBar = {
    "Nouveau dossier | Nouveau dossier | on",
    "Ouvrir | Ouvrir | on",
    "Enregistrer | (none) | off",
    "-",
    "Copier | Copier | off",
    "Coller | Coller | off",
    "-",
    "Premier | Premier | off",
    "Précédent | Précédent | off",
    "Suivant | Suivant | off",
    "Dernier | Dernier | off",
    "-",
    "Saisie standard | Saisie standard | on",
    "Journal | Journal | off",
    "Grand livre | Grand livre | off",
    "Journal Général | Journal Général | off",
    "Balance | Balance | off",
    "Tableau de bord | Tableau de bord | off",
    "-",
    "Imprimer | Imprimer | off",
    "Imprimer enveloppe | Imprimer enveloppe | off",
};

// A row in the form above.
inline QString row(const QString &caption, const QString &hint, bool enabled, const QString &shortcut = {},
                   bool checkable = false)
{
    QStringList fields{caption, hint.isEmpty() ? QStringLiteral("(none)") : hint,
                       enabled ? QStringLiteral("on") : QStringLiteral("off")};
    if (!shortcut.isEmpty())
        fields.append(shortcut);
    if (checkable)
        fields.append(QStringLiteral("checkable"));
    return fields.join(QStringLiteral(" | "));
}

inline const QString kSeparator = QStringLiteral("-");
inline const QString kSubmenuIndent = QStringLiteral("    ");

} // namespace mainwindow
