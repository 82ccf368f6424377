#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// `tavelin-cli nouveau`: the books made in the current folder, then a second
// run refused rather than writing over them.

namespace {

struct CliNewBooksTest : ::testing::Test {
    QTemporaryDir dir;

    CliRun nouveau(const QString &dossier, const char *plan)
    {
        return runCli({QStringLiteral("nouveau"), dossier, QStringLiteral("--societe"), QStringLiteral("SARL Tavelin"),
                       QStringLiteral("--siren"), QStringLiteral("732829320"), QStringLiteral("--du=01/07/2026"),
                       QStringLiteral("--au"), QStringLiteral("31/12/2027"), QStringLiteral("--plan"),
                       QString::fromLatin1(plan)},
                      dir.path());
    }
};

} // namespace

TEST_F(CliNewBooksTest, MakesTheBooksAndTellsWhatItMade)
{
    const CliRun run = nouveau(QStringLiteral("compta"), "complet");
    EXPECT_EQ(run.errText(), QString());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.outText(), QStringLiteral("Comptabilité créée : compta.jnl, exercice du 01/07/2026 au 31/12/2027, "
                                            "840 comptes, 6 journaux\n"));
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("compta.jnl"))),
              "<HEAD>\r\n01/07/2026\r\n31/12/2027\r\n01/07/2026\r\n</HEAD>\r\n");
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("Tavelin.soc"))).substr(0, 31), "SARL Tavelin\r\nSIREN 732829320\r\n");
}

TEST_F(CliNewBooksTest, RefusesToWriteOverBooksOrAWrongChartName)
{
    ASSERT_EQ(nouveau(QStringLiteral("compta.jnl"), "vide").exitCode, 0);
    const std::string chart = readBytes(dir.filePath(QStringLiteral("Tavelin.plc")));
    CliRun run = nouveau(QStringLiteral("autre.jnl"), "abrege");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().startsWith(QStringLiteral("Ces fichiers contiennent déjà des données : "))) << run.errText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("autre.jnl"))));
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("Tavelin.plc"))), chart);
    run = nouveau(QStringLiteral("compta.jnl"), "abrege");
    EXPECT_EQ(run.errText(), QStringLiteral("Le fichier %1 existe déjà : la comptabilité n'a pas été créée.\n")
                                 .arg(QStringLiteral("compta.jnl")));
    run = nouveau(QStringLiteral("autre.jnl"), "grand");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().startsWith(QStringLiteral("tavelin-cli : plan inconnu : « grand » (attendu abrege, complet ou vide)\n")));
}
