#include "CliProcess.h"
#include "LedgerText.h"
#include "TempDir.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

// Validations kept in the register beside the reference files: what is taken
// out of a dossier, or set back by hand, is seen by verifier and the entries
// it made final stay final.

namespace {

struct CliValidationRegisterTest : ::testing::Test {
    CurrentTempDir dir;

    CliValidationRegisterTest()
    {
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n706000 NN Ventes\r\n120000 NN R\xE9sultat\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\n");
        writeBytes(dir.file("compta.jnl"),
                   kHeader2002 + entry("200202", "05/02/2002", "411000", "Facture", "VE", "  120,00", "")
                       + entry("200202", "05/02/2002", "706000", "Facture", "VE", "", "  120,00")
                       + entry("200203", "05/03/2002", "411000", "Facture", "VE", "  80,00", "")
                       + entry("200203", "05/03/2002", "706000", "Facture", "VE", "", "  80,00"));
    }

    CliRun cli(std::initializer_list<const char *> list)
    {
        QStringList args;
        for (const char *a : list)
            args.append(QString::fromUtf8(a));
        return runCli(args, dir.path());
    }

    std::string dossier() { return readBytes(dir.file("compta.jnl")); }
    // The dossier's text with the first `from` replaced by `to`.
    void edit(const std::string &from, const std::string &to)
    {
        std::string text = dossier();
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        writeBytes(dir.file("compta.jnl"), text);
    }
    // The record line of the validation up to `upTo`, CR LF included.
    std::string recordOf(const std::string &upTo)
    {
        const std::string text = dossier();
        const std::size_t at = text.find("Validation " + upTo);
        return text.substr(at, text.find("\r\n", at) + 2 - at);
    }
};

} // namespace

TEST_F(CliValidationRegisterTest, EditsOfTheValidationsAreSeen)
{
    ASSERT_EQ(cli({"valider", "compta.jnl", "--jusqu-au", "28/02/2002"}).exitCode, 0);
    ASSERT_EQ(cli({"valider", "compta.jnl", "--jusqu-au", "31/03/2002"}).exitCode, 0);
    ASSERT_TRUE(QFile::exists(dir.file("Tavelin.val")));
    const std::string validated = dossier();
    const std::string february = recordOf("28/02/2002");
    const std::string march = recordOf("31/03/2002");
    EXPECT_EQ(cli({"verifier", "compta.jnl"}).exitCode, 0);

    struct Case {
        const char *what;
        std::function<void()> edit;
        bool withRegister;
        const char *said; // a line verifier prints
    };
    const std::string today = march.substr(22, 10);
    const Case cases[] = {
        {"the last record removed", [&] { edit(march, ""); }, true,
         "Validation supprimée ou modifiée hors de Tavelin : validation du "},
        {"a record lowercased", [&] { edit("Validation 31/03", "validation 31/03"); }, true,
         "Un enregistrement de validation du dossier a été modifié en dehors de Tavelin : « validation 31/03/2002"},
        {"the first record removed: the chain breaks", [&] { edit(february, ""); }, false,
         "ont été modifiées en dehors de Tavelin."},
        {"the day it was made changed", [&] { edit(" " + today + " ", " 01/01/2002 "); }, true,
         "Validation supprimée ou modifiée hors de Tavelin : validation du "},
        {"its date moved back", [&] { edit("Validation 31/03/2002", "Validation 15/03/2002"); }, true,
         "Validation supprimée ou modifiée hors de Tavelin : validation du "},
    };
    for (const Case &c : cases) {
        writeBytes(dir.file("compta.jnl"), validated);
        const std::string registered = readBytes(dir.file("Tavelin.val"));
        if (!c.withRegister)
            QFile::remove(dir.file("Tavelin.val"));
        c.edit();
        const CliRun run = cli({"verifier", "compta.jnl"});
        EXPECT_EQ(run.exitCode, 3) << c.what;
        EXPECT_TRUE(run.outText().contains(QString::fromUtf8(c.said))) << c.what << "\n" << run.outText().toStdString();
        writeBytes(dir.file("Tavelin.val"), registered);
    }

    // Its date moved back, March still refuses what the register validated.
    writeBytes(dir.file("compta.jnl"), validated);
    edit("Validation 31/03/2002", "Validation 15/03/2002");
    writeBytes(dir.file("import.txt"), "20/03/2002\t411000\tTrop tard\tVE\t\t5,00\t\r\n");
    const CliRun run = cli({"importer", "compta.jnl", "import.txt"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("Validation supprimée ou modifiée hors de Tavelin")));
    EXPECT_TRUE(run.errText().contains(QStringLiteral("la date 20/03/2002 est dans la période validée (jusqu'au "
                                                      "31/03/2002).")))
        << run.errText().toStdString();
}

TEST_F(CliValidationRegisterTest, AClosingDateSetBackIsSeenAndADossierUnknownToTheRegisterStandsOnItsChain)
{
    ASSERT_EQ(cli({"cloture", "compta.jnl", "--definitive", "--sortie", "ANouveau.Txt"}).exitCode, 0);
    const std::string closed = dossier();
    edit("31/12/2002\r\n31/12/2002\r\n", "31/12/2002\r\n01/01/2002\r\n");
    CliRun run = cli({"verifier", "compta.jnl"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.outText().contains(
        QStringLiteral("Validation supprimée ou modifiée hors de Tavelin : clôture définitive au 31/12/2002.")))
        << run.outText().toStdString();

    // Elsewhere, without the register: the dossier's own chain holds.
    QFile::remove(dir.file("Tavelin.val"));
    writeBytes(dir.file("compta.jnl"), closed);
    run = cli({"verifier", "compta.jnl"});
    EXPECT_EQ(run.exitCode, 0) << run.outText().toStdString();
}
