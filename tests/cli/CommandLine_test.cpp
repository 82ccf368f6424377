#include "cli/CommandLine.h"
#include "cli/CommandTable.h"

#include <gtest/gtest.h>

using namespace cli;

namespace {

ParsedCommandLine parse(std::initializer_list<const char *> args)
{
    QStringList list;
    for (const char *a : args)
        list.append(QString::fromUtf8(a));
    return parseCommandLine(list);
}

QString errorOf(std::initializer_list<const char *> args)
{
    const ParsedCommandLine p = parse(args);
    EXPECT_FALSE(p.invocation.has_value());
    return p.error;
}

} // namespace

TEST(CommandLine, MonthCommandsTakeAFileAndAMonth)
{
    const ParsedCommandLine p = parse({"journal", "compta.jnl", "200203", "--journal", "VE"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Journal);
    EXPECT_EQ(p.invocation->file, "compta.jnl");
    EXPECT_EQ(p.invocation->year, 2002);
    EXPECT_EQ(p.invocation->month, 3);
    EXPECT_EQ(p.invocation->filter, QStringLiteral("VE"));

    const ParsedCommandLine q = parse({"grand-livre", "--compte=411", "a.jnl", "200212"});
    ASSERT_TRUE(q.invocation);
    EXPECT_EQ(q.invocation->command, Command::GeneralLedger);
    EXPECT_EQ(q.invocation->filter, QStringLiteral("411"));
    EXPECT_EQ(q.invocation->month, 12);

    const ParsedCommandLine r = parse({"journal-general", "a.jnl", "200201"});
    ASSERT_TRUE(r.invocation);
    EXPECT_FALSE(r.invocation->filter.has_value()); // the view's own "Tous"
}

TEST(CommandLine, PeriodCommandsTakeOptionalDates)
{
    const ParsedCommandLine p = parse({"balance", "a.jnl", "--du", "01/03/2002", "--au=31/03/2002"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->from, QDate(2002, 3, 1));
    EXPECT_EQ(p.invocation->to, QDate(2002, 3, 31));

    const ParsedCommandLine q = parse({"resultat", "a.jnl"});
    ASSERT_TRUE(q.invocation);
    EXPECT_EQ(q.invocation->command, Command::IncomeStatement);
    EXPECT_FALSE(q.invocation->from.has_value());
    EXPECT_FALSE(q.invocation->to.has_value());
}

TEST(CommandLine, TheBalanceTakesItsOrder)
{
    const ParsedCommandLine p = parse({"balance", "a.jnl", "--tri", "compte"});
    ASSERT_TRUE(p.invocation);
    EXPECT_TRUE(p.invocation->sortByAccount);
    EXPECT_FALSE(p.invocation->classSubtotals);
    const ParsedCommandLine q = parse({"balance", "a.jnl", "--classes", "--du", "01/03/2002"});
    ASSERT_TRUE(q.invocation);
    EXPECT_TRUE(q.invocation->classSubtotals);
    EXPECT_EQ(q.invocation->from, QDate(2002, 3, 1));
    EXPECT_EQ(parse({"bilan", "a.jnl", "--au=30/06/2002"}).invocation->command, Command::BalanceSheet);
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse)
{
    EXPECT_EQ(parse({"--help"}).invocation->command, Command::Help);
    EXPECT_EQ(parse({"-h"}).invocation->command, Command::Help);
    EXPECT_EQ(parse({"--version"}).invocation->command, Command::Version);
    EXPECT_EQ(parse({"balance", "--help"}).invocation->command, Command::Help);
    EXPECT_TRUE(helpText().contains(QStringLiteral("verifier FICHIER")));
    EXPECT_TRUE(versionText().startsWith(QStringLiteral("tavelin-cli ")));
}

// The parser, the help and the reminder are all made from the table: every
// command is found by its name, told in the help, and named in the reminder.
TEST(CommandLine, EveryRowOfTheTableIsParsedAndTold)
{
    const QString help = helpText();
    const QString reminder = usageReminder();
    for (const CommandRow &row : commandRows()) {
        const QString name = QLatin1String(row.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(findCommand(name), &row);
        EXPECT_TRUE(help.contains(QStringLiteral("  %1").arg(QString::fromUtf8(row.usage))));
        if (row.section != Section::Program) {
            EXPECT_TRUE(reminder.contains(name));
        }
        if (row.operand == Operand::File && !row.check) {
            const ParsedCommandLine p = parseCommandLine({name, QStringLiteral("a.jnl")});
            ASSERT_TRUE(p.invocation);
            EXPECT_EQ(p.invocation->command, row.command);
            EXPECT_EQ(p.row, &row);
        }
    }
}

TEST(CommandLine, WrongUsageIsExplainedInFrench)
{
    EXPECT_EQ(errorOf({}), QStringLiteral("commande manquante"));
    EXPECT_EQ(errorOf({"bilans", "a.jnl"}), QStringLiteral("commande inconnue : « bilans »"));
    EXPECT_EQ(errorOf({"mois"}), QStringLiteral("fichier manquant après la commande mois"));
    EXPECT_TRUE(errorOf({"mois", "a.jnl"}).startsWith(QStringLiteral("mois manquant")));
    EXPECT_TRUE(errorOf({"mois", "a.jnl", "200213"}).startsWith(QStringLiteral("mois invalide : « 200213 »")));
    EXPECT_TRUE(errorOf({"mois", "a.jnl", "20023"}).startsWith(QStringLiteral("mois invalide")));
    EXPECT_TRUE(errorOf({"mois", "a.jnl", "2002a3"}).startsWith(QStringLiteral("mois invalide")));
    EXPECT_EQ(errorOf({"verifier", "a.jnl", "b.jnl"}), QStringLiteral("argument en trop : « b.jnl »"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--jusqua", "x"}), QStringLiteral("option inconnue : « --jusqua »"));
    EXPECT_EQ(errorOf({"journal", "a.jnl", "200203", "--compte", "411"}),
              QStringLiteral("l'option --compte ne s'applique pas à la commande journal"));
    EXPECT_EQ(errorOf({"mois", "a.jnl", "200203", "--du", "01/01/2002"}),
              QStringLiteral("l'option --du ne s'applique pas à la commande mois"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--du"}), QStringLiteral("l'option --du attend une valeur"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--tri", "libelle"}),
              QStringLiteral("tri inconnu pour --tri : « libelle » (attendu compte)"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--classes=oui"}), QStringLiteral("l'option --classes ne prend pas de valeur"));
    EXPECT_EQ(errorOf({"resultat", "a.jnl", "--classes"}),
              QStringLiteral("l'option --classes ne s'applique pas à la commande resultat"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--au", "01/01/2002", "--au", "02/01/2002"}),
              QStringLiteral("l'option --au est donnée deux fois"));
    EXPECT_EQ(errorOf({"balance", "a.jnl", "--au", "31/02/2002"}),
              QStringLiteral("date invalide pour --au : « 31/02/2002 » (attendu JJ/MM/AAAA)"));
}

TEST(CommandLine, DoubleDashEndsTheOptions)
{
    const ParsedCommandLine p = parse({"verifier", "--", "--bizarre.jnl"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->file, "--bizarre.jnl");
    // A lone dash is a name, not an option.
    EXPECT_EQ(parse({"verifier", "-"}).invocation->file, "-");
}

TEST(CommandLine, AnEmptyFilterIsKeptForTheEntriesWithoutJournal)
{
    const ParsedCommandLine p = parse({"journal", "a.jnl", "200203", "--journal="});
    ASSERT_TRUE(p.invocation);
    ASSERT_TRUE(p.invocation->filter.has_value());
    EXPECT_TRUE(p.invocation->filter->isEmpty());
}

TEST(ExchangeCommandLine, ExporterTakesAMonthAndAnOutputOrNeither)
{
    ParsedCommandLine p = parse({"exporter", "compta.jnl"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Export);
    EXPECT_EQ(p.invocation->year, 0);
    EXPECT_FALSE(p.invocation->output);

    p = parse({"exporter", "compta.jnl", "--mois", "200203", "--sortie=mars.txt"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->year, 2002);
    EXPECT_EQ(p.invocation->month, 3);
    EXPECT_EQ(p.invocation->output, QStringLiteral("mars.txt"));
}

TEST(ExchangeCommandLine, ImporterClotureAndRechercherTakeWhatTheyNeed)
{
    ParsedCommandLine p = parse({"importer", "compta.jnl", "releve.txt"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Import);
    EXPECT_EQ(p.invocation->argument, QStringLiteral("releve.txt"));

    p = parse({"cloture", "compta.jnl", "--sortie", "ANouveau.Txt"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::CloseYear);
    EXPECT_EQ(p.invocation->output, QStringLiteral("ANouveau.Txt"));

    p = parse({"rechercher", "compta.jnl", "--", "-12,50"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Search);
    EXPECT_EQ(p.invocation->argument, QStringLiteral("-12,50"));
}

TEST(ExchangeCommandLine, WrongUsageIsExplainedInFrench)
{
    const struct {
        std::initializer_list<const char *> args;
        const char *error;
    } cases[] = {
        {{"exporter", "a.jnl", "--mois", "200213"}, "mois invalide : « 200213 » (attendu AAAAMM, par exemple 200203)"},
        {{"exporter", "a.jnl", "--mois"}, "l'option --mois attend une valeur"},
        {{"exporter", "a.jnl", "--sortie="}, "nom de fichier vide pour --sortie"},
        {{"exporter", "a.jnl", "200203"}, "argument en trop : « 200203 »"},
        {{"importer", "a.jnl"}, "fichier d'écritures manquant après le dossier"},
        {{"importer", "a.jnl", "b.txt", "--sortie", "c"}, "l'option --sortie ne s'applique pas à la commande importer"},
        {{"cloture", "a.jnl", "--mois", "200203"}, "l'option --mois ne s'applique pas à la commande cloture"},
        {{"rechercher", "a.jnl"}, "texte à rechercher manquant après le fichier"},
        {{"rechercher", "a.jnl", ""}, "texte à rechercher manquant après le fichier"},
        {{"rechercher", "a.jnl", "loyer", "mars"}, "argument en trop : « mars »"},
    };
    for (const auto &c : cases) {
        const ParsedCommandLine p = parse(c.args);
        EXPECT_FALSE(p.invocation);
        EXPECT_EQ(p.error, QString::fromUtf8(c.error));
    }
}

TEST(CommandLine, RapprocherTakesAStatementAnAccountAndTheSaveFlag)
{
    const ParsedCommandLine p = parse({"rapprocher", "compta.jnl", "releve.ofx", "--compte", "512100", "--enregistrer"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Reconcile);
    EXPECT_EQ(p.invocation->argument, "releve.ofx");
    EXPECT_EQ(p.invocation->filter, QStringLiteral("512100"));
    EXPECT_TRUE(p.invocation->save);
    EXPECT_FALSE(parse({"rapprocher", "compta.jnl", "releve.ofx"}).invocation->save);
    EXPECT_EQ(errorOf({"rapprocher", "compta.jnl"}), QStringLiteral("relevé bancaire manquant après le dossier"));
    EXPECT_EQ(errorOf({"rapprocher", "compta.jnl", "r.csv", "--enregistrer=oui"}),
              QStringLiteral("l'option --enregistrer ne prend pas de valeur"));
    EXPECT_EQ(errorOf({"importer", "compta.jnl", "e.txt", "--enregistrer"}),
              QStringLiteral("l'option --enregistrer ne s'applique pas à la commande importer"));
}

TEST(YearEndCommandLine, ValiderFecAndTheFinalClosingTakeWhatTheyNeed)
{
    ParsedCommandLine p = parse({"valider", "compta.jnl", "--jusqu-au", "31/03/2002"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->command, Command::Validate);
    EXPECT_EQ(p.invocation->upTo, QDate(2002, 3, 31));

    p = parse({"fec", "compta.jnl", "--siren=732829320", "--sortie", "controle"});
    ASSERT_TRUE(p.invocation);
    EXPECT_EQ(p.invocation->siren, QStringLiteral("732829320"));
    EXPECT_EQ(p.invocation->output, QStringLiteral("controle"));

    p = parse({"cloture", "compta.jnl", "--definitive"});
    ASSERT_TRUE(p.invocation);
    EXPECT_TRUE(p.invocation->definitive);

    const struct {
        std::initializer_list<const char *> args;
        const char *error;
    } cases[] = {
        {{"valider", "a.jnl"}, "date manquante : valider attend --jusqu-au JJ/MM/AAAA"},
        {{"fec", "a.jnl"}, "SIREN manquant : fec attend --siren NNNNNNNNN"},
        {{"fec", "a.jnl", "--siren", "732829321"},
         "Le SIREN « 732829321 » n'est pas valide : il compte 9 chiffres, le dernier étant la clé de contrôle."},
        {{"cloture", "a.jnl", "--definitive=oui"}, "l'option --definitive ne prend pas de valeur"},
        {{"nouveau", "a.jnl", "--societe", "SARL", "--siren", "732829320", "--du", "01/01/2026"},
         "nouveau attend --societe NOM --siren NNNNNNNNN --du JJ/MM/AAAA --au JJ/MM/AAAA"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parse(c.args).error, QString::fromUtf8(c.error));
}
