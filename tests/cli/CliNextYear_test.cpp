#include "CliProcess.h"
#include "TempDir.h"

#include <QStringList>
#include <gtest/gtest.h>

// A year closed for good, its next year opened in one step, then validated
// and handed to the tax office: the three year-end figures agree, and the new
// dossier passes every check.

namespace {

const char *kChart = "101000 NN Capital\r\n120000 NN R\xE9sultat (b\xE9n\xE9" "fice)\r\n129000 NN R\xE9sultat (perte)\r\n"
                     "401000 ON Fournisseurs\r\n411000 ON Clients\r\n512000 OO Banque\r\n607000 NN Achats\r\n"
                     "626000 NN Frais postaux\r\n706000 NN Ventes\r\n";

// A year of a small shop: its capital, then every month sales, purchases
// and their settlement, a month's postage left unpaid.
std::string generatedYear()
{
    std::string text = "<HEAD>\r\n01/01/2025\r\n31/12/2025\r\n01/01/2025\r\n</HEAD>\r\n";
    text += entry("202501", "01/01/2025", "512000", "Apport", "OD", "5000,00", "");
    text += entry("202501", "01/01/2025", "101000", "Apport", "OD", "", "5000,00");
    for (int month = 1; month <= 12; ++month) {
        const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
        const std::string key = "2025" + mm;
        const std::string sale = std::to_string(1000 + 37 * month) + ",50";
        const std::string purchase = std::to_string(400 + 11 * month) + ",20";
        text += entry(key, "05/" + mm + "/2025", "411000", "Facture", "VE", sale, "");
        text += entry(key, "05/" + mm + "/2025", "706000", "Facture", "VE", "", sale);
        text += entry(key, "10/" + mm + "/2025", "607000", "Achat", "AC", purchase, "");
        text += entry(key, "10/" + mm + "/2025", "401000", "Achat", "AC", "", purchase);
        text += entry(key, "20/" + mm + "/2025", "512000", "Encaissement", "BQ", sale, "");
        text += entry(key, "20/" + mm + "/2025", "411000", "Encaissement", "BQ", "", sale);
        if (month != 12) {
            text += entry(key, "25/" + mm + "/2025", "401000", "Paiement", "BQ", purchase, "");
            text += entry(key, "25/" + mm + "/2025", "512000", "Paiement", "BQ", "", purchase);
        }
        text += entry(key, "28/" + mm + "/2025", "626000", "Timbres", "OD", "12,00", "");
        text += entry(key, "28/" + mm + "/2025", "512000", "Timbres", "OD", "", "12,00");
    }
    return text;
}

struct CliNextYearTest : ::testing::Test {
    CurrentTempDir dir;

    CliNextYearTest()
    {
        writeBytes(dir.file("Tavelin.plc"), kChart);
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nAN O A nouveaux\r\nVE O Ventes\r\nAC O Achats\r\n"
                                            "BQ O Banque\r\nOD O Divers\r\n");
        writeBytes(dir.file("2025.jnl"), generatedYear());
    }

    CliRun cli(std::initializer_list<const char *> list)
    {
        QStringList args;
        for (const char *a : list)
            args.append(QString::fromUtf8(a));
        return runCli(args, dir.path());
    }

    // The last field of the first line of `text` that begins with or holds `caption`.
    static QString amountOf(const QString &text, const QString &caption)
    {
        for (const QString &line : text.split(u'\n'))
            if (line.contains(caption))
                return line.split(u'\t').last();
        return {};
    }
};

} // namespace

TEST_F(CliNextYearTest, TheClosingTheStatementsAndTheNextYearAgree)
{
    EXPECT_EQ(cli({"exercice-suivant", "2025.jnl", "--sortie", "2026.jnl"}).exitCode, 1); // not closed yet
    EXPECT_FALSE(QFile::exists(dir.file("2026.jnl")));

    const QString result = amountOf(cli({"bilan", "2025.jnl"}).outText(), QStringLiteral("Résultat de l'exercice"));
    const QString opening = cli({"cloture", "2025.jnl"}).outText();
    EXPECT_EQ(amountOf(opening, QStringLiteral("120000")).trimmed(), result);
    // Clients are settled: no line without an amount for them.
    EXPECT_FALSE(opening.contains(QStringLiteral("411000"))) << opening.toStdString();

    ASSERT_EQ(cli({"cloture", "2025.jnl", "--definitive", "--sortie", "ANouveau.Txt"}).exitCode, 0);
    EXPECT_EQ(cli({"exercice-suivant", "2025.jnl"}).exitCode, 2); // --sortie is required
    CliRun run = cli({"exercice-suivant", "2025.jnl", "--sortie", "2026.jnl"});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.errText().startsWith(QStringLiteral("Exercice du 01/01/2026 au 31/12/2026 créé dans ")));
    const std::string next = readBytes(dir.file("2026.jnl"));
    EXPECT_EQ(next.substr(0, 51), "<HEAD>\r\n01/01/2026\r\n31/12/2026\r\n01/01/2026\r\n</HEAD>");
    EXPECT_NE(next.find("202601001/01/2026\r\n2026011120000\r\n"), std::string::npos);
    // The new year's balance sheet opens on the closed year's result.
    EXPECT_EQ(amountOf(cli({"bilan", "2026.jnl"}).outText(), QStringLiteral("Résultat de l'exercice")), result);

    // Never over an existing file.
    run = cli({"exercice-suivant", "2025.jnl", "--sortie", "2026.jnl"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("existe déjà"))) << run.errText().toStdString();

    run = cli({"valider", "2026.jnl", "--jusqu-au", "01/01/2026"});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    run = cli({"fec", "2026.jnl", "--siren", "732829320"});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(cli({"verifier", "2026.jnl"}).exitCode, 0);
}

TEST_F(CliNextYearTest, LinesOutsideTheYearAreListedAndRefusedByValidation)
{
    // January validated, then by hand an entry of the next year, and one
    // under a key that is no month.
    ASSERT_EQ(cli({"valider", "2025.jnl", "--jusqu-au", "31/01/2025"}).exitCode, 0);
    std::string text = readBytes(dir.file("2025.jnl"));
    text += entry("202601", "05/01/2026", "512000", "Trop tard", "BQ", "3,00", "");
    text += entry("202513", "15/12/2025", "512000", "Mal rang\xE9", "BQ", "4,00", "");
    writeBytes(dir.file("2025.jnl"), text);

    CliRun run = cli({"verifier", "2025.jnl"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.outText().contains(QStringLiteral("en dehors de l'exercice"))) << run.outText().toStdString();
    EXPECT_TRUE(run.outText().contains(QStringLiteral("qui n'est pas un mois"))) << run.outText().toStdString();

    run = cli({"valider", "2025.jnl", "--jusqu-au", "31/03/2025"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains(QStringLiteral(
        "Janvier 2026, ligne 1 : la date 05/01/2026 est en dehors de l'exercice (du 01/01/2025 au 31/12/2025).")))
        << run.errText().toStdString();
    EXPECT_TRUE(run.errText().contains(
        QStringLiteral("Mois « 202513 », ligne 1 : l'écriture du 15/12/2025 est rangée sous le mois « 202513 ».")));
    EXPECT_EQ(readBytes(dir.file("2025.jnl")), text); // nothing validated
    EXPECT_EQ(cli({"cloture", "2025.jnl", "--definitive"}).exitCode, 1);
}
