#include "cli/CommandLine.h"

#include "cli/CommandTable.h"
#include "cli/GridText.h"

#include "einvoice/PurchaseEntry.h"
#include "ledger/Siren.h"
#include "ledger/TextForms.h"
#include "platform/ProgramVersion.h"


#ifndef TAVELIN_VERSION
#define TAVELIN_VERSION "?"
#endif

namespace cli {
namespace {

struct OptionRule {
    const char *name;
    Option option;
    bool takesValue = true;
};

constexpr OptionRule kOptions[] = {
    {"--journal", OptJournal},
    {"--compte", OptAccount},
    {"--du", OptFrom},
    {"--au", OptTo},
    {"--mois", OptMonth},
    {"--sortie", OptOutput},
    {"--enregistrer", OptSave, false},
    {"--tri", OptSort},
    {"--classes", OptClasses, false},
    {"--trimestre", OptQuarter},
    {"--jusqu-au", OptUpTo},
    {"--siren", OptSiren},
    {"--definitive", OptDefinitive, false},
    {"--societe", OptCompany},
    {"--plan", OptChart},
    {"--auto", OptAuto, false},
    {"--cours", OptRate},
};

ParsedCommandLine failure(const QString &error)
{
    return {std::nullopt, error};
}

ParsedCommandLine only(const CommandRow &row)
{
    Invocation invocation;
    invocation.command = row.command;
    return {invocation, {}, &row};
}

// "AAAAMM": six digits, a four-digit year and a month 01 to 12.
bool parseMonth(const QString &text, int &year, int &month)
{
    if (text.size() != 6)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    year = text.left(4).toInt();
    month = text.mid(4).toInt();
    return year >= 1000 && month >= 1 && month <= 12;
}

QString badMonth(const QString &text)
{
    return QStringLiteral("mois invalide : %1 (attendu AAAAMM, par exemple 200203)").arg(quoted(text));
}

// "AAAA-T": a four-digit year, a dash and a quarter 1 to 4.
bool parseQuarter(const QString &text, int &year, int &quarter)
{
    if (text.size() != 6 || text[4] != u'-' || text[5] < u'1' || text[5] > u'4')
        return false;
    for (QChar c : QStringView(text).left(4))
        if (c < u'0' || c > u'9')
            return false;
    year = text.left(4).toInt();
    quarter = text[5].unicode() - '0';
    return year >= 1000;
}

// Stores an option's value; an error text when it is not one.
QString applyOption(Option option, const QString &name, const QString &value, Invocation &invocation)
{
    if (option == OptJournal || option == OptAccount) {
        invocation.filter = value;
        return {};
    }
    if (option == OptMonth)
        return parseMonth(value, invocation.year, invocation.month) ? QString() : badMonth(value);
    if (option == OptClasses) {
        invocation.classSubtotals = true;
        return {};
    }
    if (option == OptSave) {
        invocation.save = true;
        return {};
    }
    if (option == OptDefinitive || option == OptAuto) {
        (option == OptAuto ? invocation.automatic : invocation.definitive) = true;
        return {};
    }
    if (option == OptSiren) {
        invocation.siren = value;
        return siren::refusal(value);
    }
    if (option == OptCompany || option == OptChart) {
        (option == OptCompany ? invocation.company : invocation.chart) = value;
        return {};
    }
    if (option == OptRate) {
        invocation.exchangeRate = einvoice::parseExchangeRate(value);
        return invocation.exchangeRate ? QString()
                                       : QStringLiteral("cours invalide : %1 (attendu un nombre positif, par exemple 0,92)").arg(quoted(value));
    }
    if (option == OptSort) {
        if (value != QLatin1String("compte"))
            return QStringLiteral("tri inconnu pour %1 : %2 (attendu compte)").arg(name, quoted(value));
        invocation.sortByAccount = true;
        return {};
    }
    if (option == OptQuarter)
        return parseQuarter(value, invocation.year, invocation.quarter)
                   ? QString()
                   : QStringLiteral("trimestre invalide : %1 (attendu AAAA-T, par exemple 2002-1)").arg(quoted(value));
    if (option == OptOutput) {
        if (value.isEmpty())
            return QStringLiteral("nom de fichier vide pour %1").arg(name);
        invocation.output = value;
        return {};
    }
    const QDate date = forms::parseDate(value);
    if (!date.isValid())
        return QStringLiteral("date invalide pour %1 : %2 (attendu JJ/MM/AAAA)").arg(name, quoted(value));
    (option == OptFrom ? invocation.from : option == OptTo ? invocation.to : invocation.upTo) = date;
    return {};
}

// The argument after the ledger file that the command takes, if any.
QString takeOperand(Operand operand, QStringList &positionals, Invocation &invocation)
{
    switch (operand) {
    case Operand::Month: {
        if (positionals.isEmpty())
            return QStringLiteral("mois manquant après le fichier (AAAAMM, par exemple 200203)");
        const QString month = positionals.takeFirst();
        return parseMonth(month, invocation.year, invocation.month) ? QString() : badMonth(month);
    }
    case Operand::ImportFile:
        if (positionals.isEmpty())
            return QStringLiteral("fichier d'écritures manquant après le dossier");
        break;
    case Operand::Text:
        if (positionals.isEmpty() || positionals.front().isEmpty())
            return QStringLiteral("texte à rechercher manquant après le fichier");
        break;
    case Operand::Statement:
        if (positionals.isEmpty())
            return QStringLiteral("relevé bancaire manquant après le dossier");
        break;
    case Operand::InvoiceFiles:
        if (positionals.isEmpty())
            return QStringLiteral("facture manquante après le dossier");
        invocation.files = std::exchange(positionals, {});
        return {};
    case Operand::None:
    case Operand::File:
    case Operand::Own:
        return {};
    }
    invocation.argument = positionals.takeFirst();
    return {};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &args)
{
    if (args.isEmpty())
        return failure(QStringLiteral("commande manquante"));
    const QString &first = args.front();
    const CommandRow *rule = findCommand(first);
    if (!rule)
        return failure(QStringLiteral("commande inconnue : %1").arg(quoted(first)));
    if (rule->operand == Operand::None)
        return only(*rule);

    Invocation invocation;
    invocation.command = rule->command;
    if (rule->operand == Operand::Own) {
        invocation.ownArguments = args;
        return {invocation, {}, rule};
    }
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
        if (const CommandRow *program = findCommand(arg); program && program->operand == Operand::None)
            return only(*program);

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
        if (!option->takesValue) {
            if (equals >= 0)
                return failure(QStringLiteral("l'option %1 ne prend pas de valeur").arg(name));
            applyOption(option->option, name, {}, invocation);
            continue;
        }
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
    if (const QString error = takeOperand(rule->operand, positionals, invocation); !error.isEmpty())
        return failure(error);
    if (!positionals.isEmpty())
        return failure(QStringLiteral("argument en trop : %1").arg(quoted(positionals.front())));
    if (rule->check)
        if (const QString error = rule->check(given, invocation); !error.isEmpty())
            return failure(error);
    return {invocation, {}, rule};
}

// One line per dossier command, then the calculators together: the help
// says what each of them takes.
QString usageReminder()
{
    QStringList usages;
    QStringList calculators;
    for (const CommandRow &row : commandRows()) {
        if (row.section == Section::Dossier)
            usages << QString::fromUtf8(row.usage);
        else if (row.section == Section::Calculator)
            calculators << QLatin1String(row.name);
    }
    usages << calculators.join(u'|') + QStringLiteral(" ARGUMENTS (sans dossier)");
    QString text;
    for (const QString &usage : usages)
        text += QStringLiteral("%1 tavelin-cli %2\n")
                    .arg(text.isEmpty() ? QStringLiteral("Usage :") : QStringLiteral("       "), usage);
    return text + QStringLiteral("Pour l'aide complète : tavelin-cli --help\n");
}

QString helpText()
{
    QString text = QStringLiteral(
        "Usage : tavelin-cli COMMANDE FICHIER [ARGUMENTS]\n"
        "\n"
        "Lit un dossier Tavelin (fichier .jnl) sans ouvrir de fenêtre et écrit sur la sortie\n"
        "standard ce que l'application affiche : une ligne de la grille par ligne de texte,\n"
        "les cellules séparées par une tabulation, en UTF-8. Le plan comptable (Tavelin.plc)\n"
        "et les journaux (Tavelin.cbx) sont lus dans le répertoire courant, comme le fait\n"
        "l'application. Seules les commandes qui le disent modifient le dossier, sous son\n"
        "verrou ; les autres ne font que le lire.\n");
    const auto section = [&text](Section shown, const QString &title) {
        text += u'\n' + title + u'\n';
        for (const CommandRow &row : commandRows()) {
            if (row.section != shown)
                continue;
            const QString usage = QString::fromUtf8(row.usage);
            const QString help = QString::fromUtf8(row.help);
            if (shown == Section::Program) {
                text += QStringLiteral("  %1 %2\n").arg(usage, -12).arg(help);
                continue;
            }
            text += QStringLiteral("  %1\n").arg(usage);
            for (const QString &line : help.split(u'\n'))
                text += QStringLiteral("      %1\n").arg(line);
        }
    };
    section(Section::Dossier, QStringLiteral("Commandes :"));
    section(Section::Calculator, QStringLiteral("Calculettes, sans dossier (le point vaut la virgule décimale ; les montants sont écrits\n"
                                                "comme dans les fenêtres, avec une virgule) :"));
    section(Section::Program, QStringLiteral("Options :"));
    return text + QStringLiteral(
        "\n"
        "Codes de retour :\n"
        "  0  terminé sans erreur (pour verifier : aucune anomalie ; pour rechercher : trouvé)\n"
        "  1  un fichier ne peut pas être lu ou écrit, la clôture est refusée, la calculette\n"
        "     refuse le calcul, ou la déclaration de TVA ne peut pas être établie (un montant\n"
        "     n'est pas un nombre), ou nouveau est refusé : message de la fenêtre sur la sortie\n"
        "     d'erreur ; factures-recues a refusé une facture (la raison sur sa ligne)\n"
        "  2  commande, argument ou option incorrects (un SIREN invalide compris)\n"
        "  3  verifier a trouvé au moins une anomalie ou des écritures validées modifiées ;\n"
        "     rechercher n'a rien trouvé ; valider ou cloture --definitive ont trouvé des\n"
        "     problèmes (rien n'est validé) ; fec a écrit le fichier malgré des problèmes ;\n"
        "     importer a refusé des lignes (date invalide, hors de l'exercice ou dans la\n"
        "     période validée)\n");
}

QString versionText()
{
    return QStringLiteral("tavelin-cli %1 : la comptabilité Tavelin en ligne de commande\n")
        .arg(programVersion());
}

} // namespace cli
