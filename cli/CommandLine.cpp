#include "cli/CommandLine.h"

#include "einvoice/PurchaseEntry.h"
#include "ledger/TextForms.h"
#include "platform/ProgramVersion.h"
#include "yearend/Fec.h"


#ifndef TAVELIN_VERSION
#define TAVELIN_VERSION "?"
#endif

namespace cli {
namespace {

enum Option : unsigned {
    OptJournal = 1, OptAccount = 2, OptFrom = 4, OptTo = 8, OptMonth = 16, OptOutput = 32, OptSave = 64,
    OptSort = 128, OptClasses = 256, OptQuarter = 512, OptUpTo = 1024, OptSiren = 2048, OptDefinitive = 4096,
    OptRate = 8192
};

// What a command takes after the ledger file.
enum class Second { None, Month, ImportFile, Text, Statement, InvoiceFiles };

struct CommandRule {
    const char *name;
    Command command;
    Second second;
    unsigned options;
};

constexpr CommandRule kCommands[] = {
    {"mois", Command::Month, Second::Month, 0},
    {"journal", Command::Journal, Second::Month, OptJournal},
    {"grand-livre", Command::GeneralLedger, Second::Month, OptAccount},
    {"journal-general", Command::GeneralJournal, Second::Month, OptJournal},
    {"balance", Command::Balance, Second::None, OptFrom | OptTo | OptSort | OptClasses},
    {"resultat", Command::IncomeStatement, Second::None, OptFrom | OptTo},
    {"bilan", Command::BalanceSheet, Second::None, OptFrom | OptTo},
    {"verifier", Command::Verifier, Second::None, 0},
    {"exporter", Command::Export, Second::None, OptMonth | OptOutput},
    {"importer", Command::Import, Second::ImportFile, 0},
    {"cloture", Command::CloseYear, Second::None, OptOutput | OptDefinitive},
    {"exercice-suivant", Command::NextYear, Second::None, OptOutput},
    {"rechercher", Command::Search, Second::Text, 0},
    {"rapprocher", Command::Reconcile, Second::Statement, OptAccount | OptSave},
    {"tva", Command::Vat, Second::None, OptMonth | OptQuarter | OptFrom | OptTo},
    {"valider", Command::Validate, Second::None, OptUpTo},
    {"fec", Command::Fec, Second::None, OptSiren | OptOutput},
    {"factures-recues", Command::ReceiveInvoices, Second::InvoiceFiles, OptRate | OptSave},
};

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
    {"--cours", OptRate},
};

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

// The period of the VAT return: one month, one quarter, or both dates in order.
QString periodError(unsigned given, const Invocation &invocation)
{
    const int kinds = (given & OptMonth ? 1 : 0) + (given & OptQuarter ? 1 : 0) + (given & (OptFrom | OptTo) ? 1 : 0);
    if (kinds != 1 || ((given & OptFrom) != 0) != ((given & OptTo) != 0))
        return QStringLiteral("période à donner par --mois AAAAMM, --trimestre AAAA-T ou --du JJ/MM/AAAA --au JJ/MM/AAAA");
    if (invocation.from && *invocation.from > *invocation.to)
        return QStringLiteral("la date --du %1 est après la date --au %2")
            .arg(forms::formatDate(*invocation.from), forms::formatDate(*invocation.to));
    return {};
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
    if (option == OptDefinitive) {
        invocation.definitive = true;
        return {};
    }
    if (option == OptSiren) {
        invocation.siren = value;
        return yearend::sirenRefusal(value);
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
    switch (rule->second) {
    case Second::None:
        break;
    case Second::Month: {
        if (positionals.isEmpty())
            return failure(QStringLiteral("mois manquant après le fichier (AAAAMM, par exemple 200203)"));
        const QString month = positionals.takeFirst();
        if (!parseMonth(month, invocation.year, invocation.month))
            return failure(badMonth(month));
        break;
    }
    case Second::ImportFile:
        if (positionals.isEmpty())
            return failure(QStringLiteral("fichier d'écritures manquant après le dossier"));
        invocation.argument = positionals.takeFirst();
        break;
    case Second::Text:
        if (positionals.isEmpty() || positionals.front().isEmpty())
            return failure(QStringLiteral("texte à rechercher manquant après le fichier"));
        invocation.argument = positionals.takeFirst();
        break;
    case Second::Statement:
        if (positionals.isEmpty())
            return failure(QStringLiteral("relevé bancaire manquant après le dossier"));
        invocation.argument = positionals.takeFirst();
        break;
    case Second::InvoiceFiles:
        if (positionals.isEmpty())
            return failure(QStringLiteral("facture manquante après le dossier"));
        invocation.files = std::exchange(positionals, {});
        break;
    }
    if (!positionals.isEmpty())
        return failure(QStringLiteral("argument en trop : %1").arg(quoted(positionals.front())));
    if (invocation.command == Command::Vat)
        if (const QString error = periodError(given, invocation); !error.isEmpty())
            return failure(error);
    if (invocation.command == Command::Validate && !invocation.upTo)
        return failure(QStringLiteral("date manquante : valider attend --jusqu-au JJ/MM/AAAA"));
    if (invocation.command == Command::NextYear && !invocation.output)
        return failure(QStringLiteral("fichier manquant : exercice-suivant attend --sortie NOUVEAU.jnl"));
    if (invocation.command == Command::Fec && invocation.siren.isEmpty())
        return failure(QStringLiteral("SIREN manquant : fec attend --siren NNNNNNNNN"));
    return {invocation, {}};
}

QString usageReminder()
{
    return QStringLiteral(
        "Usage : tavelin-cli mois|journal|grand-livre|journal-general FICHIER AAAAMM [OPTIONS]\n"
        "        tavelin-cli balance FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA] [--tri compte] [--classes]\n"
        "        tavelin-cli resultat|bilan FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "        tavelin-cli verifier FICHIER\n"
        "        tavelin-cli exporter FICHIER [--mois AAAAMM] [--sortie FICHIER.txt]\n"
        "        tavelin-cli importer FICHIER ENTREES.txt\n"
        "        tavelin-cli cloture FICHIER [--definitive] [--sortie FICHIER.txt]\n"
        "        tavelin-cli exercice-suivant FICHIER --sortie NOUVEAU.jnl\n"
        "        tavelin-cli rechercher FICHIER TEXTE\n"
        "        tavelin-cli rapprocher FICHIER RELEVE [--compte 512000] [--enregistrer]\n"
        "        tavelin-cli tva FICHIER --mois AAAAMM | --trimestre AAAA-T | --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
        "        tavelin-cli valider FICHIER --jusqu-au JJ/MM/AAAA\n"
        "        tavelin-cli fec FICHIER --siren NNNNNNNNN [--sortie DOSSIER]\n"
        "        tavelin-cli factures-recues FICHIER FACTURE... [--cours TAUX] [--enregistrer]\n"
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
        "l'application. Seuls importer, rapprocher --enregistrer, factures-recues\n"
        "--enregistrer, valider et cloture --definitive modifient le dossier ; exporter et\n"
        "cloture écrivent le fichier donné par --sortie, fec le FEC dans un dossier.\n"
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
        "  balance FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA] [--tri compte] [--classes]\n"
        "      la balance des comptes, puis les totaux débit, crédit, solde débit, solde crédit ;\n"
        "      par défaut du début à la fin de l'exercice du dossier ; --tri compte : dans l'ordre\n"
        "      des numéros de compte ; --classes : de plus, une ligne « Total classe X » après les\n"
        "      comptes de chaque classe\n"
        "  resultat FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "      le compte de résultat (charges et produits), par défaut sur l'exercice, puis les\n"
        "      résultats par nature (exploitation, financier, courant, exceptionnel, participation,\n"
        "      impôts, exercice), chacun son libellé et son montant (une perte négative)\n"
        "  bilan FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
        "      le bilan (actif et passif), par défaut sur l'exercice : ses lignes 1 à 19 (à l'actif\n"
        "      le brut, les amortissements et provisions et le net), puis,\n"
        "      quand les deux totaux généraux diffèrent, la ligne « Écart »\n"
        "  verifier FICHIER\n"
        "      le contrôle du dossier avant la clôture : dates, montants, comptes, journaux,\n"
        "      lignes illisibles, puis les totaux débit et crédit de chaque mois et de l'exercice\n"
        "  exporter FICHIER [--mois AAAAMM] [--sortie FICHIER.txt]\n"
        "      les écritures au format d'échange (texte + tabulations, page de code Windows 1252,\n"
        "      fins de ligne CR LF), comme « Exporter » : le mois donné ou tout le journal ;\n"
        "      sans --sortie, sur la sortie standard\n"
        "  importer FICHIER ENTREES.txt\n"
        "      ajoute au dossier les écritures du fichier, comme « Importer », puis enregistre\n"
        "      le dossier ; le compte rendu de l'import va sur la sortie d'erreur\n"
        "  cloture FICHIER [--definitive] [--sortie FICHIER.txt]\n"
        "      les écritures d'à-nouveaux que la clôture de l'exercice écrit dans ANouveau.Txt,\n"
        "      sans question ; sans --sortie, sur la sortie standard ; avec --definitive, la\n"
        "      clôture devient définitive : tout l'exercice est validé (après contrôle) et le\n"
        "      dossier enregistré\n"
        "  exercice-suivant FICHIER --sortie NOUVEAU.jnl\n"
        "      crée le dossier de l'exercice suivant d'un exercice clôturé définitivement :\n"
        "      ses dates (la même durée, à partir du lendemain de la fin) et les à-nouveaux\n"
        "      de la clôture, au premier jour, dans le journal AN ; refusé quand le fichier\n"
        "      existe déjà\n"
        "  rechercher FICHIER TEXTE\n"
        "      chaque ligne de la grille d'un mois dont une cellule contient le texte (majuscules\n"
        "      et minuscules confondues, accents compris) : le mois AAAAMM, le numéro de la\n"
        "      ligne dans le mois, puis ses huit cellules\n"
        "  rapprocher FICHIER RELEVE [--compte 512000] [--enregistrer]\n"
        "      le rapprochement du relevé de la banque (OFX, CFONB 120 ou CSV, reconnu à son\n"
        "      contenu) avec le compte (512000 par défaut) : pour chaque opération du relevé,\n"
        "      « pointée » ou « déjà pointée », la date, le montant (crédit positif), le libellé,\n"
        "      le mois AAAAMM et la ligne de l'écriture trouvée, ou « à saisir », la date, le\n"
        "      montant et le libellé ; puis chaque écriture « non relevée » de la période du\n"
        "      relevé ; puis « Écart d'ouverture » quand le solde initial du relevé diffère de\n"
        "      celui des comptes ; puis « Solde du relevé », « Solde comptable » et « Écart ». Avec\n"
        "      --enregistrer, les écritures pointées reçoivent la marque × et le dossier est\n"
        "      enregistré. Les colonnes d'un CSV choisies dans la fenêtre sont lues dans\n"
        "      Tavelin.rap, dans le répertoire courant\n"
        "  tva FICHIER --mois AAAAMM | --trimestre AAAA-T | --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
        "      la déclaration de TVA de la période : ses huit lignes, chacune son libellé et\n"
        "      son montant (vide pour « TVA nette due » ou « Crédit de TVA à reporter » quand\n"
        "      elle ne s'applique pas), puis, quand la période précédente n'a pas d'écriture de\n"
        "      déclaration, une ligne qui le dit\n"
        "  valider FICHIER --jusqu-au JJ/MM/AAAA\n"
        "      valide les écritures jusqu'à cette date, comme « Valider les écritures », puis\n"
        "      enregistre le dossier ; les problèmes trouvés vont sur la sortie d'erreur et rien\n"
        "      n'est validé\n"
        "  fec FICHIER --siren NNNNNNNNN [--sortie DOSSIER]\n"
        "      écrit le fichier des écritures comptables SIRENFECAAAAMMJJ.txt dans le dossier\n"
        "      (par défaut le répertoire courant) ; le contrôle et le compte rendu vont sur la\n"
        "      sortie d'erreur\n"
        "  factures-recues FICHIER FACTURE... [--cours TAUX] [--enregistrer]\n"
        "      les factures électroniques des fournisseurs (Factur-X, CII ou UBL, reconnues à leur\n"
        "      contenu), dans l'ordre donné : pour chacune, « facture », le fichier, le numéro, la\n"
        "      date, Facture ou Avoir, le fournisseur, son SIREN, la devise et le total TTC, puis\n"
        "      une ligne « écriture » par ligne de l'écriture proposée (date, compte, libellé,\n"
        "      journal, pièce, débit, crédit) ; ou « refusée », le fichier et la raison. --cours :\n"
        "      la valeur en euros d'une unité de la devise d'une facture qui n'est pas en euros.\n"
        "      Avec --enregistrer, les écritures sont passées, le dossier enregistré et chaque\n"
        "      facture copiée dans NOM.pieces/AAAA-MM/ à côté du dossier. Les comptes de chaque\n"
        "      fournisseur sont lus dans Tavelin.fou, dans le répertoire courant\n"
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
        "  0  terminé sans erreur (pour verifier : aucune anomalie ; pour rechercher : trouvé)\n"
        "  1  un fichier ne peut pas être lu ou écrit, la clôture est refusée, la calculette\n"
        "     refuse le calcul, ou la déclaration de TVA ne peut pas être établie (un montant\n"
        "     n'est pas un nombre) : message de la fenêtre sur la sortie d'erreur ; une facture\n"
        "     reçue est refusée (la raison sur la ligne « refusée »)\n"
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
