#include "CliProcess.h"
#include "TempDir.h"
#include "vat/VatBooks.h"

#include "cli/CommandLine.h"

#include <gtest/gtest.h>

TEST(TvaCommandLine, OnePeriodInOneOfItsThreeForms)
{
    const struct {
        const char *guards;
        QStringList args;
        QString error; // empty: parsed
    } cases[] = {
        {"a month", {"tva", "a.jnl", "--mois", "200203"}, ""},
        {"a quarter", {"tva", "a.jnl", "--trimestre=2002-4"}, ""},
        {"two dates", {"tva", "a.jnl", "--du", "01/03/2002", "--au", "15/03/2002"}, ""},
        {"no period", {"tva", "a.jnl"},
         "période à donner par --mois AAAAMM, --trimestre AAAA-T ou --du JJ/MM/AAAA --au JJ/MM/AAAA"},
        {"two forms", {"tva", "a.jnl", "--mois", "200203", "--trimestre", "2002-1"},
         "période à donner par --mois AAAAMM, --trimestre AAAA-T ou --du JJ/MM/AAAA --au JJ/MM/AAAA"},
        {"one date alone", {"tva", "a.jnl", "--du", "01/03/2002"},
         "période à donner par --mois AAAAMM, --trimestre AAAA-T ou --du JJ/MM/AAAA --au JJ/MM/AAAA"},
        {"dates in the wrong order", {"tva", "a.jnl", "--du", "15/03/2002", "--au", "01/03/2002"},
         "la date --du 15/03/2002 est après la date --au 01/03/2002"},
        {"a fifth quarter", {"tva", "a.jnl", "--trimestre", "2002-5"},
         "trimestre invalide : « 2002-5 » (attendu AAAA-T, par exemple 2002-1)"},
    };
    for (const auto &c : cases) {
        const cli::ParsedCommandLine parsed = cli::parseCommandLine(c.args);
        EXPECT_EQ(parsed.error, c.error) << c.guards;
        EXPECT_EQ(parsed.invocation.has_value(), c.error.isEmpty()) << c.guards;
    }
    const cli::Invocation quarter = *cli::parseCommandLine({"tva", "a.jnl", "--trimestre=2002-4"}).invocation;
    EXPECT_EQ(quarter.year, 2002);
    EXPECT_EQ(quarter.quarter, 4);
}

TEST(CliTva, TheEightLinesOfTheMonthThenTheExitCodes)
{
    CurrentTempDir dir;
    writeBytes(dir.file("compta.jnl"), vatBooks());
    const CliRun run = runCli({"tva", "compta.jnl", "--mois", "200203"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), "Chiffre d'affaires hors taxes\t1150,00\n"
                             "TVA collectée\t201,00\n"
                             "TVA déductible sur immobilisations\t0,00\n"
                             "TVA déductible sur autres biens et services\t100,00\n"
                             "Crédit de TVA antérieur\t30,00\n"
                             "Total TVA déductible\t130,00\n"
                             "TVA nette due\t71,00\n"
                             "Crédit de TVA à reporter\t\n"
                             "Déclaration de la période précédente non passée : le crédit antérieur est celui du 01/01/2002.\n");
    EXPECT_EQ(runCli({"tva", "compta.jnl", "--mois", "200213"}, dir.path()).exitCode, 2);

    writeBytes(dir.file("compta.jnl"),
               vatBooks() + entriesText("200203", {{"25/03/2002", "445712", "Vente", "VE", "", "", "12,3x", ""}}));
    const CliRun unreadable = runCli({"tva", "compta.jnl", "--trimestre", "2002-1"}, dir.path());
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_EQ(unreadable.errText(), "Écriture du 25/03/2002, compte 445712 : '12,3x' n'est pas une valeur numérique correcte\n");
}
