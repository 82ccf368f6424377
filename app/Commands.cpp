#include "app/Commands.h"

namespace commands {
namespace {

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// Item that is available from the start.
MenuItem on(Cmd cmd, const char16_t *caption, const char16_t *hint = u"")
{
    return MenuItem{cmd, s(caption), s(hint), QString(), true, false, false, {}};
}

// Item that waits for a document.
MenuItem off(Cmd cmd, const char16_t *caption, const char16_t *hint = u"")
{
    MenuItem item = on(cmd, caption, hint);
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
    MenuItem exporter = separated(off(Cmd::Exporter, u"E&xporter...", u"Exporter écritures"));
    exporter.submenu = {
        on(Cmd::ExporterMois, u"&Mois", u"Exporter mois visualisé"),
        on(Cmd::ExporterJournal, u"&Tout le journal", u"Exporter tout le journal"),
        on(Cmd::ExporterFec, u"&FEC (contrôle fiscal)...", u"Exporter le fichier des écritures comptables"),
    };
    return {
        {s(u"&Fichier"), 3, {
            keyed(on(Cmd::Nouveau, u"&Nouveau", u"Nouveau dossier"), "Ctrl+N"),
            separated(keyed(on(Cmd::Ouvrir, u"&Ouvrir...", u"Ouvrir un fichier"), "Ctrl+O")),
            keyed(off(Cmd::Enregistrer, u"&Enregistrer", u"Enregistrer le fichier en cours"), "Ctrl+S"),
            separated(off(Cmd::EnregistrerSous, u"Enregistrer &sous...", u"Enregistrer sous")),
            on(Cmd::MiseEnPage, u"&Mise en page", u"Mise en page"),
            keyed(off(Cmd::Imprimer, u"&Imprimer"), "Ctrl+P"),
            off(Cmd::Apercu, u"Aper&çu avant impression", u"Aperçu avant impression"),
            separated(on(Cmd::ConfigurerImprimante, u"Configurer imprimante", u"Configurer imprimante")),
            off(Cmd::Importer, u"I&mporter...", u"Importer écritures"),
            exporter,
            keyed(on(Cmd::Quitter, u"&Quitter", u"Quitter l'application"), "Alt+X"),
        }},
        {s(u"&Édition"), 4, {
            off(Cmd::Copier, u"C&opier", u"Copier"),
            separated(off(Cmd::Coller, u"Co&ller", u"Coller")),
            off(Cmd::Rechercher, u"&Rechercher...", u"Rechercher une écriture"),
            separated(keyed(off(Cmd::Continuer, u"&Continuer", u"Continuer la recherche"), "F3")),
            checkable(off(Cmd::Pointer, u"&Pointer", u"Pointer les écritures")),
        }},
        {s(u"Bases"), 5, {
            on(Cmd::Saisie, u"&Saisie standard", u"Saisie standard"),
            off(Cmd::FactureClient, u"Facture &client", u"Saisir facture client"),
            separated(off(Cmd::FactureFournisseur, u"Facture &fournisseur", u"Saisir facture fournisseur")),
            off(Cmd::Precedent, u"&Précédent", u"Mois précédent"),
            off(Cmd::Suivant, u"Sui&vant", u"Mois suivant"),
            off(Cmd::Premier, u"P&remier", u"Premier mois"),
            separated(off(Cmd::Dernier, u"&Dernier", u"Dernier mois")),
            off(Cmd::Supprimer, u"S&upprimer", u"Supprimer ligne"),
            off(Cmd::ModifierEcriture, u"&Modifier écriture", u"Modifier écriture"),
        }},
        {s(u"&Documents"), 6, {
            on(Cmd::Journal, u"&Journal", u"Consulter journal"),
            on(Cmd::GrandLivre, u"&Grand livre", u"Consulter comptes"),
            separated(on(Cmd::JournalGeneral, u"J&ournal Général")),
            on(Cmd::Balance, u"Ba&lance", u"Consulter balance"),
            on(Cmd::Resultat, u"&Résultat de l'exercice", u"Résultat de l'exercice"),
            on(Cmd::Bilan, u"&Bilan", u"Bilan"),
        }},
        {s(u"&Paramètres"), 7, {
            on(Cmd::Societe, u"&Société", u"Paramètres société"),
            on(Cmd::Journaux, u"&Journaux", u"Définir les journaux"),
            on(Cmd::PlanComptable, u"&Plan comptable", u"Plan comptable"),
            off(Cmd::Exercice, u"&Exercice", u"Définir l'exercice"),
            separated(on(Cmd::Guides, u"&Guides de saisie", u"Définir les comptes")),
            checkable(on(Cmd::OuvrirAuto, u"&Ouvrir automatiquement",
                         u"Ouvrir automatiquement le dernier fichier utilisé")),
        }},
        {s(u"&Outils"), 8, {
            on(Cmd::TraitementTexte, u"&Traitement de texte", u"Traitement de texte"),
            on(Cmd::Messages, u"&Messages", u"Messages"),
            on(Cmd::Emprunts, u"&Emprunts", u"Calculer un emprunt"),
            separated(on(Cmd::Placements, u"&Placements", u"Calculer un placement")),
            off(Cmd::Valider, u"&Valider les écritures...", u"Valider les écritures"),
            off(Cmd::Cloturer, u"&Clôturer exercice", u"Clôturer l'exercice"),
        }},
        {s(u"&Utilitaires"), 9, {
            on(Cmd::Calendrier, u"&Calendrier", u"Calendrier"),
            on(Cmd::Calculatrice, u"C&alculatrice", u"Calculatrice"),
            on(Cmd::Horloge, u"&Horloge", u"Horloge"),
            on(Cmd::Euro, u"&Euro conversion", u"Convertisseur euro"),
            on(Cmd::BlocNotes, u"&Bloc-notes", u"Bloc-notes"),
        }},
        {s(u"&Aide"), 10, {
            on(Cmd::AideIndex, u"&Index", u"Sommaire de l'aide"),
            on(Cmd::AideRechercher, u"&Rechercher...", u"Rechercher dans l'aide"),
            separated(on(Cmd::AideUtiliser, u"&Utiliser l'aide", u"Comment utiliser l'aide")),
            on(Cmd::APropos, u"&A propos"),
        }},
    };
}

ToolButton tool(Cmd cmd, int group, const char16_t *hint, const char *icon, bool startEnabled)
{
    return ToolButton{cmd, group, s(hint), QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)), startEnabled};
}

QList<ToolButton> buildToolBar()
{
    // "Nouveau dossier", "Copier" and "Coller" run the menu commands of the
    // same names, as their pictures promise.
    return {
        tool(Cmd::Nouveau, 1, u"Nouveau dossier", "nouveau", true),
        tool(Cmd::Ouvrir, 1, u"Ouvrir", "ouvrir", true),
        tool(Cmd::Enregistrer, 1, u"Enregistrer|", "enregistrer", false),
        tool(Cmd::Copier, 2, u"Copier", "copier", false),
        tool(Cmd::Coller, 2, u"Coller", "coller", false),
        tool(Cmd::Premier, 3, u"Premier", "premier", false),
        tool(Cmd::Precedent, 3, u"Précédent", "precedent", false),
        tool(Cmd::Suivant, 3, u"Suivant", "suivant", false),
        tool(Cmd::Dernier, 3, u"Dernier", "dernier", false),
        tool(Cmd::Saisie, 4, u"Saisie standard", "saisie", true),
        tool(Cmd::Journal, 4, u"Journal", "journal", false),
        tool(Cmd::GrandLivre, 4, u"Grand livre", "grandlivre", false),
        tool(Cmd::JournalGeneral, 4, u"Journal Général", "journalgeneral", false),
        tool(Cmd::Balance, 4, u"Balance", "balance", false),
        tool(Cmd::Imprimer, 5, u"Imprimer", "imprimer", false),
        tool(Cmd::Enveloppe, 5, u"Imprimer enveloppe", "enveloppe", false),
    };
}

} // namespace

const QList<Menu> &mainMenu()
{
    static const QList<Menu> menu = buildMenu();
    return menu;
}

const QList<ToolButton> &toolBar()
{
    static const QList<ToolButton> bar = buildToolBar();
    return bar;
}

QChar unaccentedAccessLetter(const QString &caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size())
        return {};
    const QChar letter = caption[amp + 1];
    const QChar plain = QString(letter).normalized(QString::NormalizationForm_D).front();
    return plain == letter ? QChar() : plain.toUpper();
}

} // namespace commands
