#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

TEST(CliDashboard, TitlesThenEachMonthOfTheYearThenWhatIsOwed)
{
    CurrentTempDir dir;
    writeBytes(dir.file("compta.jnl"), "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
                                           + entry("200201", "01/01/2002", "512000", "Reprise", "AN", "100,00", "")
                                           + entry("200202", "28/02/2002", "512000", "Loyer", "BQ", "", "300,00")
                                           + entry("200203", "15/03/2002", "707000", "Vente", "VE", "", "1000,00")
                                           + entry("200203", "15/03/2002", "411000", "Vente", "VE", "1200,00", "")
                                           + entry("200203", "20/03/2002", "607000", "Achat", "AC", "250,50", "")
                                           + entry("200203", "20/03/2002", "401000", "Achat", "AC", "", "300,50"));
    const CliRun run = runCli({"tableau-de-bord", "compta.jnl"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    QString quiet;
    for (int month = 4; month <= 12; ++month)
        quiet += QStringLiteral("2002-%1\t0,00\t0,00\t0,00\t-200,00\n").arg(month, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(run.outText(), "Mois\tVentes\tCharges\tRésultat\tTrésorerie\n"
                             "2002-01\t0,00\t0,00\t0,00\t100,00\n"
                             "2002-02\t0,00\t0,00\t0,00\t-200,00\n"
                             "2002-03\t1000,00\t250,50\t749,50\t-200,00\n"
                                 + quiet
                                 + "Clients à encaisser\t1200,00\n"
                                   "Fournisseurs à payer\t300,50\n");
    EXPECT_EQ(runCli({"tableau-de-bord"}, dir.path()).exitCode, 2);
}
