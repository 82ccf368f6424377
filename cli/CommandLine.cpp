#include "cli/CommandLine.h"

#include "ledger/TextForms.h"

#include <array>

#ifndef TAVELIN_VERSION
#define TAVELIN_VERSION "?"
#endif

namespace cli {
namespace {

enum Option : unsigned { OptJournal = 1, OptCompte = 2, OptDu = 4, OptAu = 8 };

struct CommandRule {
    const char *name;
    Command command;
    bool needsMonth;
    unsigned options;
};

constexpr std::array<CommandRule, 7> kCommands{{
    {"mois", Command::Mois, true, 0},
    {"journal", Command::Journal, true, OptJournal},
    {"grand-livre", Command::GrandLivre, true, OptCompte},
    {"journal-general", Command::JournalGeneral, true, OptJournal},
    {"balance", Command::Balance, false, OptDu | OptAu},
    {"resultat", Command::Resultat, false, OptDu | OptAu},
    {"verifier", Command::Verifier, false, 0},
}};

struct OptionRule {
    const char *name;
    Option option;
};

constexpr std::array<OptionRule, 4> kOptions{{
    {"--journal", OptJournal},
    {"--compte", OptCompte},
    {"--du", OptDu},
    {"--au", OptAu},
}};

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

ParsedCommandLine failure(const QString &error)
{
    return {std::nullopt, error};
}

ParsedCommandLine only(Command command)
{
    Invocation invocation;
    invocation.command = command;
    return {invocation, {}};
}

// "AAAAMM": six digits, a four-digit year and a month 01 to 12.
bool parseMonth(const QString &text, int &annee, int &mois)
{
    if (text.size() != 6)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    annee = text.left(4).toInt();
    mois = text.mid(4).toInt();
    return annee >= 1000 && mois >= 1 && mois <= 12;
}

// Stores an option's value; an error text when it is not one.
QString applyOption(Option option, const QString &name, const QString &value, Invocation &invocation)
{
    if (option == OptJournal || option == OptCompte) {
        invocation.filter = value;
        return {};
    }
    const QDate date = forms::parseDate(value);
    if (!date.isValid())
        return QStringLiteral("date invalide pour %1 : %2 (attendu JJ/MM/AAAA)").arg(name, quoted(value));
    (option == OptDu ? invocation.du : invocation.au) = date;
    return {};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &args)
{
    if (args.isEmpty())
        return failure(QStringLiteral("commande manquante"));
    const QString &first = args.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return only(Command::Help);
    if (first == QLatin1String("--version"))
        return only(Command::Version);

    const CommandRule *rule = nullptr;
    for (const CommandRule &c : kCommands)
        if (first == QLatin1String(c.name))
            rule = &c;
    if (!rule)
        return failure(QStringLiteral("commande inconnue : %1").arg(quoted(first)));

    Invocation invocation;
    invocation.command = rule->command;
    QStringList positionals;
    unsigned given = 0;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg.size() == 1) {
            positionals.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return only(Command::Help);
        if (arg == QLatin1String("--version"))
            return only(Command::Version);

        const qsizetype equals = arg.indexOf(u'=');
        const QString name = equals < 0 ? arg : arg.left(equals);
        const OptionRule *option = nullptr;
        for (const OptionRule &o : kOptions)
            if (name == QLatin1String(o.name))
                option = &o;
        if (!option)
            return failure(QStringLiteral("option inconnue : %1").arg(quoted(name)));
        if (!(rule->options & option->option))
            return failure(QStringLiteral("l'option %1 ne s'applique pas à la commande %2")
                               .arg(name, QLatin1String(rule->name)));
        if (given & option->option)
            return failure(QStringLiteral("l'option %1 est donnée deux fois").arg(name));
        given |= option->option;
        QString value;
        if (equals >= 0)
            value = arg.mid(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return failure(QStringLiteral("l'option %1 attend une valeur").arg(name));
        const QString error = applyOption(option->option, name, value, invocation);
        if (!error.isEmpty())
            return failure(error);
    }

    if (positionals.isEmpty())
        return failure(QStringLiteral("fichier manquant après la commande %1").arg(QLatin1String(rule->name)));
    invocation.file = positionals.takeFirst();
    if (rule->needsMonth) {
        if (positionals.isEmpty())
            return failure(QStringLiteral("mois manquant après le fichier (AAAAMM, par exemple 200203)"));
        const QString month = positionals.takeFirst();
        if (!parseMonth(month, invocation.annee, invocation.mois))
            return failure(QStringLiteral("mois invalide : %1 (attendu AAAAMM, par exemple 200203)").arg(quoted(month)));
    }
    if (!positionals.isEmpty())
        return failure(QStringLiteral("argument en trop : %1").arg(quoted(positionals.front())));
    return {invocation, {}};
}

QString usageReminder()
{
    return QStringLiteral(
        "Usage : tavelin-cli mois|journal|grand-livre|journal-general FICHIER AAAAMM [OPTIONS]\n"
        "        tavelin-cli balance|resultat FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "        tavelin-cli verifier FICHIER\n"
        "        tavelin-cli emprunt|placement|euro ARGUMENTS (sans dossier)\n"
        "Pour l'aide complète : tavelin-cli --help\n");
}

QString helpText()
{
    return QStringLiteral(
        "Usage : tavelin-cli COMMANDE FICHIER [ARGUMENTS]\n"
        "\n"
        "Lit un dossier Tavelin (fichier .jnl) sans ouvrir de fenêtre et écrit sur la sortie\n"
        "standard ce que l'application affiche : une ligne de la grille par ligne de texte,\n"
        "les cellules séparées par une tabulation, en UTF-8. Le plan comptable (Tavelin.plc)\n"
        "et les journaux (Tavelin.cbx) sont lus dans le répertoire courant, comme le fait\n"
        "l'application. Aucun fichier n'est modifié.\n"
        "\n"
        "Commandes :\n"
        "  mois FICHIER AAAAMM\n"
        "      la grille de saisie du mois (par exemple 200203 pour mars 2002)\n"
        "  journal FICHIER AAAAMM [--journal CODE]\n"
        "      le journal du mois, puis la ligne des totaux ; sans --journal : « Tous »\n"
        "  grand-livre FICHIER AAAAMM [--compte COMPTE]\n"
        "      le grand livre du mois, puis la ligne des totaux ; sans --compte : « Tous »\n"
        "  journal-general FICHIER AAAAMM [--journal CODE]\n"
        "      le journal général du mois, puis la ligne des totaux\n"
        "  balance FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "      la balance des comptes, puis les totaux débit, crédit, solde débit, solde crédit ;\n"
        "      par défaut du début à la fin de l'exercice du dossier\n"
        "  resultat FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "      le compte de résultat (charges et produits), par défaut sur l'exercice\n"
        "  verifier FICHIER\n"
        "      le contrôle du dossier avant la clôture : dates, montants, comptes, journaux,\n"
        "      lignes illisibles, puis les totaux débit et crédit de chaque mois et de l'exercice\n"
        "\n"
        "Calculettes, sans dossier (le point vaut la virgule décimale ; les montants sont écrits\n"
        "comme dans les fenêtres, avec une virgule) :\n"
        "  emprunt --montant M --taux T [--duree N] [--mensualite P] [--date JJ/MM/AAAA]\n"
        "      le tableau d'amortissement de la fenêtre Emprunts (mois, date, capital, intérêt,\n"
        "      solde ; une ligne vide puis les totaux), puis « Mensualité » et « Durée » telles que\n"
        "      la fenêtre les laisse ; durée 24 par défaut ; sans --mensualite, la mensualité\n"
        "      constante est calculée ; --date : la date du jour (par défaut aujourd'hui)\n"
        "  placement [--apport A] --taux T [--duree N] [--mensualite P] [--date JJ/MM/AAAA]\n"
        "      le tableau de la fenêtre Placements (mois, date, capital, intérêt, versement)\n"
        "  euro MONTANT [--vers-francs] [--taux 6,55957]\n"
        "      la conversion de francs en euros (au centime), ou d'euros en francs (au dixième)\n"
        "\n"
        "Options :\n"
        "  --help       affiche cette aide\n"
        "  --version    affiche la version\n"
        "\n"
        "Codes de retour :\n"
        "  0  terminé sans erreur (pour verifier : aucune anomalie)\n"
        "  1  le fichier ne peut pas être lu, ou la calculette refuse le calcul (message de la\n"
        "     fenêtre sur la sortie d'erreur)\n"
        "  2  commande, argument ou option incorrects\n"
        "  3  verifier a trouvé au moins une anomalie\n");
}

QString versionText()
{
    return QStringLiteral("tavelin-cli %1 : la comptabilité Tavelin en ligne de commande\n")
        .arg(QLatin1String(TAVELIN_VERSION));
}

} // namespace cli
