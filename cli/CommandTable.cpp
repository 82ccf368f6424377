#include "cli/CommandTable.h"

#include "cli/BankCommands.h"
#include "cli/Calculators.h"
#include "cli/DashboardCommand.h"
#include "cli/Cli.h"
#include "cli/ExchangeCommands.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "cli/InvoiceFilesCommand.h"
#include "cli/LetteringCommands.h"
#include "cli/Listings.h"
#include "cli/NewBooksCommand.h"
#include "cli/VatCommand.h"
#include "cli/VerifyCommand.h"
#include "cli/YearEndCommands.h"
#include "ledger/TextForms.h"

namespace cli {
namespace {

int showHelp(Call &call)
{
    appendText(call.io.out, helpText());
    return ExitOk;
}

int showVersion(Call &call)
{
    appendText(call.io.out, versionText());
    return ExitOk;
}

int calculate(Call &call)
{
    return runCalculator(call.invocation.ownArguments, call.io);
}

// The period of the VAT return: one month, one quarter, or both dates in order.
QString vatPeriodError(unsigned given, const Invocation &invocation)
{
    const int kinds = (given & OptMonth ? 1 : 0) + (given & OptQuarter ? 1 : 0) + (given & (OptFrom | OptTo) ? 1 : 0);
    if (kinds != 1 || ((given & OptFrom) != 0) != ((given & OptTo) != 0))
        return QStringLiteral("période à donner par --mois AAAAMM, --trimestre AAAA-T ou --du JJ/MM/AAAA --au JJ/MM/AAAA");
    if (invocation.from && *invocation.from > *invocation.to)
        return QStringLiteral("la date --du %1 est après la date --au %2")
            .arg(forms::formatDate(*invocation.from), forms::formatDate(*invocation.to));
    return {};
}

QString upToMissing(unsigned given, const Invocation &)
{
    return given & OptUpTo ? QString() : QStringLiteral("date manquante : valider attend --jusqu-au JJ/MM/AAAA");
}

QString nextYearFileMissing(unsigned given, const Invocation &)
{
    return given & OptOutput ? QString()
                             : QStringLiteral("fichier manquant : exercice-suivant attend --sortie NOUVEAU.jnl");
}

QString prefixMissing(unsigned given, const Invocation &)
{
    return given & OptAccount ? QString() : QStringLiteral("compte manquant : lettrer attend --compte PREFIXE");
}

QString agedDateMissing(unsigned given, const Invocation &)
{
    return given & OptTo ? QString() : QStringLiteral("date manquante : balance-agee attend --au JJ/MM/AAAA");
}

QString sirenMissing(unsigned given, const Invocation &)
{
    return given & OptSiren ? QString() : QStringLiteral("SIREN manquant : fec attend --siren NNNNNNNNN");
}

// The balance sheet is a position at a date, from the fiscal year's first
// day: a starting date has no meaning there, and a user used to giving one is
// told so rather than shown a sheet that leaves out the year's first months.
QString balanceSheetFromRefused(unsigned given, const Invocation &)
{
    return given & OptFrom ? QStringLiteral("le bilan n'a pas de date --du : c'est la situation à une date, depuis le "
                                            "premier jour de l'exercice (à-nouveaux compris) ; donner cette date par "
                                            "--au JJ/MM/AAAA")
                           : QString();
}

constexpr unsigned kPeriod = OptFrom | OptTo;

const CommandRow kRows[] = {
    {"mois", Command::Month, Operand::Month, 0, Opening::Read, listMonth, nullptr, Section::Dossier,
     "mois FICHIER AAAAMM",
     "la grille de saisie du mois (par exemple 200203 pour mars 2002)"},
    {"journal", Command::Journal, Operand::Month, OptJournal, Opening::Read, listMonthView, nullptr, Section::Dossier,
     "journal FICHIER AAAAMM [--journal CODE]",
     "le journal du mois, puis la ligne des totaux ; sans --journal : « Tous »"},
    {"grand-livre", Command::GeneralLedger, Operand::Month, OptAccount, Opening::Read, listMonthView, nullptr,
     Section::Dossier, "grand-livre FICHIER AAAAMM [--compte COMPTE]",
     "le grand livre du mois, puis la ligne des totaux ; sans --compte : « Tous »"},
    {"journal-general", Command::GeneralJournal, Operand::Month, OptJournal, Opening::Read, listMonthView, nullptr,
     Section::Dossier, "journal-general FICHIER AAAAMM [--journal CODE]",
     "le journal général du mois, puis la ligne des totaux"},
    {"balance", Command::Balance, Operand::File, kPeriod | OptSort | OptClasses, Opening::Read, listBalance, nullptr,
     Section::Dossier, "balance FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA] [--tri compte] [--classes]",
     "la balance des comptes, puis les totaux débit, crédit, solde débit, solde crédit ;\n"
     "par défaut du début à la fin de l'exercice du dossier ; --tri compte : dans l'ordre\n"
     "des numéros de compte ; --classes : de plus, une ligne « Total classe X » après les\n"
     "comptes de chaque classe"},
    {"resultat", Command::IncomeStatement, Operand::File, kPeriod, Opening::Read, listIncomeStatement, nullptr,
     Section::Dossier, "resultat FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]",
     "le compte de résultat (charges et produits), par défaut sur l'exercice, puis les\n"
     "résultats par nature (exploitation, financier, courant, exceptionnel, participation,\n"
     "impôts, exercice), chacun son libellé et son montant (une perte négative)"},
    {"bilan", Command::BalanceSheet, Operand::File, kPeriod, Opening::Read, listBalanceSheet, balanceSheetFromRefused,
     Section::Dossier, "bilan FICHIER [--au JJ/MM/AAAA]",
     "le bilan (actif et passif) à la date --au, par défaut la fin de l'exercice : la situation\n"
     "depuis le premier jour de l'exercice, à-nouveaux compris ; ses lignes 1 à 19 (à\n"
     "l'actif le brut, les amortissements et provisions et le net), puis, quand les deux\n"
     "totaux généraux diffèrent, la ligne « Écart »"},
    {"verifier", Command::Verifier, Operand::File, 0, Opening::None, verify, nullptr, Section::Dossier,
     "verifier FICHIER",
     "le contrôle du dossier avant la clôture : dates, montants, comptes, journaux,\n"
     "lignes illisibles, puis les totaux débit et crédit de chaque mois et de l'exercice"},
    {"exporter", Command::Export, Operand::File, OptMonth | OptOutput, Opening::Read, exportEntries, nullptr,
     Section::Dossier, "exporter FICHIER [--mois AAAAMM] [--sortie FICHIER.txt]",
     "les écritures au format d'échange (texte + tabulations, page de code Windows 1252,\n"
     "fins de ligne CR LF), comme « Exporter » : le mois donné ou tout le journal ;\n"
     "sans --sortie, sur la sortie standard"},
    {"importer", Command::Import, Operand::ImportFile, 0, Opening::Locked, importEntries, nullptr, Section::Dossier,
     "importer FICHIER ENTREES.txt",
     "ajoute au dossier les écritures du fichier, comme « Importer », puis enregistre\n"
     "le dossier ; le compte rendu de l'import va sur la sortie d'erreur"},
    {"cloture", Command::CloseYear, Operand::File, OptOutput | OptDefinitive, Opening::LockedWhenSaving, closeYear,
     nullptr, Section::Dossier, "cloture FICHIER [--definitive] [--sortie FICHIER.txt]",
     "les écritures d'à-nouveaux que la clôture de l'exercice écrit dans ANouveau.Txt,\n"
     "sans question ; sans --sortie, sur la sortie standard ; avec --definitive, la\n"
     "clôture devient définitive : tout l'exercice est validé (après contrôle) et le\n"
     "dossier enregistré"},
    {"exercice-suivant", Command::NextYear, Operand::File, OptOutput, Opening::Read, openNextYear,
     nextYearFileMissing, Section::Dossier, "exercice-suivant FICHIER --sortie NOUVEAU.jnl",
     "crée le dossier de l'exercice suivant d'un exercice clôturé définitivement :\n"
     "ses dates (la même durée, à partir du lendemain de la fin) et les à-nouveaux\n"
     "de la clôture, au premier jour, dans le journal AN ; refusé quand le fichier\n"
     "existe déjà"},
    {"rechercher", Command::Search, Operand::Text, 0, Opening::Read, search, nullptr, Section::Dossier,
     "rechercher FICHIER TEXTE",
     "chaque ligne de la grille d'un mois dont une cellule contient le texte (majuscules\n"
     "et minuscules confondues, accents compris) : le mois AAAAMM, le numéro de la\n"
     "ligne dans le mois, puis ses huit cellules"},
    {"rapprocher", Command::Reconcile, Operand::Statement, OptAccount | OptSave, Opening::LockedWhenSaving, reconcile,
     nullptr, Section::Dossier, "rapprocher FICHIER RELEVE [--compte 512000] [--enregistrer]",
     "le rapprochement du relevé de la banque (OFX, CFONB 120 ou CSV, reconnu à son\n"
     "contenu) avec le compte (512000 par défaut) : pour chaque opération du relevé,\n"
     "« pointée » ou « déjà pointée », la date, le montant (crédit positif), le libellé,\n"
     "le mois AAAAMM et la ligne de l'écriture trouvée, ou « à saisir », la date, le\n"
     "montant et le libellé ; puis chaque écriture « non relevée » de la période du\n"
     "relevé ; puis « Écart d'ouverture » quand le solde initial du relevé diffère de\n"
     "celui des comptes ; puis « Solde du relevé », « Solde comptable » et « Écart ». Avec\n"
     "--enregistrer, les écritures pointées reçoivent la marque × et le dossier est\n"
     "enregistré. Les colonnes d'un CSV choisies dans la fenêtre sont lues dans\n"
     "Tavelin.rap, dans le répertoire courant"},
    {"tva", Command::Vat, Operand::File, OptMonth | OptQuarter | kPeriod, Opening::Read, listVatReturn,
     vatPeriodError, Section::Dossier,
     "tva FICHIER --mois AAAAMM | --trimestre AAAA-T | --du JJ/MM/AAAA --au JJ/MM/AAAA",
     "la déclaration de TVA de la période : ses huit lignes, chacune son libellé et\n"
     "son montant (vide pour « TVA nette due » ou « Crédit de TVA à reporter » quand\n"
     "elle ne s'applique pas), puis, quand la période précédente n'a pas d'écriture de\n"
     "déclaration, une ligne qui le dit"},
    {"valider", Command::Validate, Operand::File, OptUpTo, Opening::Locked, validate, upToMissing, Section::Dossier,
     "valider FICHIER --jusqu-au JJ/MM/AAAA",
     "valide les écritures jusqu'à cette date, comme « Valider les écritures », puis\n"
     "enregistre le dossier ; les problèmes trouvés vont sur la sortie d'erreur et rien\n"
     "n'est validé"},
    {"fec", Command::Fec, Operand::File, OptSiren | OptOutput, Opening::Read, fec, sirenMissing, Section::Dossier,
     "fec FICHIER --siren NNNNNNNNN [--sortie DOSSIER]",
     "écrit le fichier des écritures comptables SIRENFECAAAAMMJJ.txt dans le dossier\n"
     "(par défaut le répertoire courant) ; le contrôle et le compte rendu vont sur la\n"
     "sortie d'erreur"},
    {"tableau-de-bord", Command::Dashboard, Operand::File, 0, Opening::Read, dashboard, nullptr, Section::Dossier,
     "tableau-de-bord FICHIER",
     "les chiffres du tableau de bord : la ligne de titres « Mois, Ventes, Charges,\n"
     "Résultat, Trésorerie », puis pour chaque mois de l'exercice (AAAA-MM) les ventes\n"
     "(comptes 70), les charges (classe 6), le résultat (classe 7 moins classe 6) et la\n"
     "trésorerie en fin de mois (comptes 51 et 53, à-nouveaux compris) ; puis « Clients à\n"
     "encaisser » (soldes débiteurs des comptes 411) et « Fournisseurs à payer » (soldes\n"
     "créditeurs des comptes 401)"},
    {"nouveau", Command::NewBooks, Operand::File, OptCompany | OptSiren | kPeriod | OptChart, Opening::None,
     createBooks, newBooksOptionsError, Section::Dossier,
     "nouveau FICHIER.jnl --societe NOM --siren NNNNNNNNN --du JJ/MM/AAAA --au JJ/MM/AAAA [--plan P]",
     "crée une comptabilité, comme « Nouvelle comptabilité » : le dossier du premier\n"
     "exercice (24 mois au plus) et, dans le répertoire courant, la société, le plan\n"
     "comptable général --plan abrege (par défaut), complet ou vide, les journaux AN, AC,\n"
     "VT, BQ, CA, OD et les réglages de saisie des factures ; refusé quand le dossier\n"
     "existe déjà ou que l'un de ces fichiers contient déjà des données"},
    {"lettrer", Command::Letter, Operand::File, OptAccount | OptAuto | OptSave, Opening::LockedWhenSaving, letter,
     prefixMissing, Section::Dossier, "lettrer FICHIER --compte PREFIXE [--auto] [--enregistrer]",
     "le lettrage des comptes qui commencent par le préfixe (411, 401...) : chaque\n"
     "groupe « lettrée », son code, le compte, la date de lettrage, le nombre de lignes\n"
     "et le montant ; puis chaque ligne « non lettrée », sa date, le compte, le libellé,\n"
     "la pièce, le débit, le crédit, le mois AAAAMM et la ligne dans le mois. Avec --auto,\n"
     "le lettrage automatique est fait d'abord ; avec --enregistrer, le dossier est\n"
     "enregistré"},
    {"balance-agee", Command::AgedBalance, Operand::File, OptTo | OptAccount, Opening::Read, agedBalance,
     agedDateMissing, Section::Dossier, "balance-agee FICHIER --au JJ/MM/AAAA [--compte PREFIXE]",
     "la balance âgée à la date des comptes qui commencent par le préfixe (411 par\n"
     "défaut) : pour chaque compte, son libellé, ce qui reste ouvert à 0 à 30 jours,\n"
     "31 à 60, 61 à 90, plus de 90, et le total ; puis la ligne « Total »"},
    {"factures-recues", Command::ReceiveInvoices, Operand::InvoiceFiles, OptRate | OptSave, Opening::LockedWhenSaving,
     receiveInvoices, nullptr, Section::Dossier, "factures-recues FICHIER FACTURE... [--cours TAUX] [--enregistrer]",
     "les factures électroniques des fournisseurs (Factur-X, CII ou UBL, reconnues à leur\n"
     "contenu), dans l'ordre donné : pour chacune, « facture », le fichier, le numéro, la\n"
     "date, Facture ou Avoir, le fournisseur, son SIREN, la devise et le total TTC, puis\n"
     "une ligne « écriture » par ligne de l'écriture proposée (date, compte, libellé,\n"
     "journal, pièce, débit, crédit) ; ou « refusée », le fichier et la raison. --cours :\n"
     "la valeur en euros d'une unité de la devise d'une facture qui n'est pas en euros.\n"
     "Avec --enregistrer, les écritures sont passées, le dossier enregistré et chaque\n"
     "facture copiée dans NOM.pieces/AAAA-MM/ à côté du dossier. Les comptes de chaque\n"
     "fournisseur sont lus dans Tavelin.fou, dans le répertoire courant"},
    {"emprunt", Command::Loan, Operand::Own, 0, Opening::None, calculate, nullptr, Section::Calculator,
     "emprunt --montant M --taux T [--duree N] [--mensualite P] [--date JJ/MM/AAAA]",
     "le tableau d'amortissement de la fenêtre Emprunts (mois, date, capital, intérêt,\n"
     "solde ; une ligne vide puis les totaux), puis « Mensualité » et « Durée » telles que\n"
     "la fenêtre les laisse ; durée 24 par défaut ; sans --mensualite, la mensualité\n"
     "constante est calculée ; --date : la date du jour (par défaut aujourd'hui)"},
    {"placement", Command::Savings, Operand::Own, 0, Opening::None, calculate, nullptr, Section::Calculator,
     "placement [--apport A] --taux T [--duree N] [--mensualite P] [--date JJ/MM/AAAA]",
     "le tableau de la fenêtre Placements (mois, date, capital, intérêt, versement)"},
    {"euro", Command::Euro, Operand::Own, 0, Opening::None, calculate, nullptr, Section::Calculator,
     "euro MONTANT [--vers-francs] [--taux 6,55957]",
     "la conversion de francs en euros (au centime), ou d'euros en francs (au dixième)"},
    {"--help", Command::Help, Operand::None, 0, Opening::None, showHelp, nullptr, Section::Program, "--help",
     "affiche cette aide"},
    {"--version", Command::Version, Operand::None, 0, Opening::None, showVersion, nullptr, Section::Program,
     "--version", "affiche la version"},
};

} // namespace

std::span<const CommandRow> commandRows()
{
    return kRows;
}

const CommandRow *findCommand(const QString &name)
{
    const QString wanted = name == QLatin1String("-h") ? QStringLiteral("--help") : name;
    for (const CommandRow &row : kRows)
        if (wanted == QLatin1String(row.name))
            return &row;
    return nullptr;
}

} // namespace cli
