#include "reference/NewBooks.h"

#include "ledger/Preferences.h"
#include "ledger/Siren.h"
#include "support/TempDir.h"

#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct NewBooksTest : ::testing::Test {
    QTemporaryDir folder;
    QDir dir{folder.path()};
    newbooks::Answers answers = sarl();

    newbooks::Answers sarl() const
    {
        newbooks::Answers a = newbooks::proposed(QDate(2026, 12, 8), folder.path());
        a.company = QStringLiteral("SARL Tavelin");
        a.address = {QStringLiteral("12 rue des Lilas"), QString(), QStringLiteral("75011 Paris")};
        a.siren = QStringLiteral("732829320");
        return a;
    }
    std::string file(const QString &name) const { return readBytes(dir.filePath(name)); }
    void create()
    {
        ASSERT_EQ(newbooks::refusal(answers), QString());
        ASSERT_EQ(newbooks::write(dir, answers), QString());
    }
};

TEST_F(NewBooksTest, WritesTheDossierAndTheFourReferenceFilesInTheirFormats)
{
    create();
    EXPECT_EQ(QFileInfo(answers.dossier).fileName(), QStringLiteral("compta-2026.jnl"));
    EXPECT_EQ(readBytes(answers.dossier), "<HEAD>\r\n01/01/2026\r\n31/12/2026\r\n01/01/2026\r\n</HEAD>\r\n");
    EXPECT_EQ(file("Tavelin.soc"), "SARL Tavelin\r\n12 rue des Lilas\r\n75011 Paris\r\nSIREN 732829320\r\n\r\n\r\n\r\n");
    EXPECT_EQ(file("Tavelin.Cbx"), "[JOURNAUX]\r\nAN N A-nouveaux\r\nAC N Achats\r\nVT N Ventes\r\nBQ N Banque\r\n"
                                   "CA N Caisse\r\nOD N Op\xE9rations diverses\r\n");
    EXPECT_EQ(file("Tavelin.ini"), " 0.00000000000000E+0000\r\n" + answers.dossier.toStdString() +
                                       "\r\n1\r\nVT\r\n411000\r\n706000\r\n445710\r\nAC\r\n401000\r\n607000\r\n445660\r\n");
    // The FEC export proposes the SIREN kept in the settings.
    Preferences preferences;
    ASSERT_EQ(preferences.load(dir), QString());
    EXPECT_EQ(preferences.value(siren::kSettingKey), QStringLiteral("732829320"));
    // The files read back as the program reads them at start-up.
    ReferenceData ref;
    QString lastFile;
    for (const QString &message : {reference::ChargeSoc(dir, ref), reference::ChargePlc(dir, ref),
                                   reference::ChargeCombo(dir, ref), reference::ChargeIni(dir, ref, lastFile)})
        EXPECT_EQ(message, QString());
    EXPECT_EQ(ref.ListeJnx.label(5), QStringLiteral("Opérations diverses"));
    EXPECT_EQ(lastFile, answers.dossier);
}

struct ChartCase {
    newbooks::Chart chart;
    int accounts;
    std::vector<std::string> present; // lines of the chart file, code page 1252
    std::vector<std::string> absent;
};

class NewChartTest : public NewBooksTest, public ::testing::WithParamInterface<ChartCase> {};

TEST_P(NewChartTest, TheChartFileHoldsTheChosenAccounts)
{
    answers.chart = GetParam().chart;
    create();
    const std::string chart = file("Tavelin.plc");
    EXPECT_EQ(int(std::count(chart.begin(), chart.end(), '\n')), GetParam().accounts);
    for (const std::string &line : GetParam().present)
        EXPECT_NE(chart.find(line + "\r\n"), std::string::npos) << line;
    for (const std::string &line : GetParam().absent)
        EXPECT_EQ(chart.find(line), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, NewChartTest,
    ::testing::Values(
        // Two and three digits, and the guides' VAT accounts; 11 and 110 make
        // one account with 110's label, 53 and 530 one with 530's.
        ChartCase{newbooks::Chart::Abridged,
                  320,
                  {"100000 NN Capital et r\xE9serves", "110000 NN Report \xE0 nouveau - solde cr\xE9" "diteur",
                   "401000 NO Fournisseurs", "411000 NO Clients", "512000 NO Banques", "530000 NO Caisse",
                   "445710 NN TVA collect\xE9" "e", "445660 NN TVA sur autres biens et services",
                   "706000 NN Prestations de services", "890000 NN Bilan d'ouverture"},
                  {"101300", "401100", "Report \xE0 nouveau\r\n"}},
        ChartCase{newbooks::Chart::Complete,
                  840,
                  {"101310 NN Capital non amorti", "401100 NO Fournisseurs - Achats de biens et prestations de services",
                   "530000 NO Caisse"},
                  {"Caisses\r\n"}},
        ChartCase{newbooks::Chart::Empty, 0, {}, {}}));

TEST_F(NewBooksTest, RefusesWhatCannotMakeBooks)
{
    writeBytes(dir.filePath(QStringLiteral("pris.jnl")), "<HEAD>\r\n");
    const QString taken = QDir::toNativeSeparators(dir.filePath(QStringLiteral("pris.jnl")));
    const std::pair<std::function<void(newbooks::Answers &)>, QString> cases[] = {
        {[](newbooks::Answers &a) { a.company = QStringLiteral("  "); }, "Le nom de la société manque."},
        {[](newbooks::Answers &a) { a.siren = QStringLiteral("000000000"); },
         "Le SIREN « 000000000 » n'est pas valide : il compte 9 chiffres, le dernier étant la clé de contrôle."},
        {[](newbooks::Answers &a) { a.start = QDate(); }, "Les dates de début et de fin du premier exercice manquent."},
        {[](newbooks::Answers &a) { a.end = QDate(2025, 12, 31); },
         "La fin de l'exercice (31/12/2025) précède son début (01/01/2026)."},
        {[](newbooks::Answers &a) { a.end = QDate(2028, 1, 1); },
         "Un premier exercice dure au plus 24 mois : du 01/01/2026 au 01/01/2028, il les dépasse."},
        {[](newbooks::Answers &a) { a.end = QDate(2027, 12, 31); }, ""},
        {[&](newbooks::Answers &a) { a.dossier = dir.path() + u'/'; }, "Le nom du fichier du dossier manque."},
        {[&](newbooks::Answers &a) { a.dossier = dir.filePath(QStringLiteral("pris.jnl")); },
         QStringLiteral("Le fichier %1 existe déjà : la comptabilité n'a pas été créée.").arg(taken)},
    };
    for (const auto &[change, expected] : cases) {
        newbooks::Answers a = sarl();
        change(a);
        EXPECT_EQ(newbooks::refusal(a), expected);
    }
}

TEST_F(NewBooksTest, NamesTheReferenceFilesItWouldReplace)
{
    // What a first run writes at exit holds nothing to keep.
    writeBytes(dir.filePath(QStringLiteral("Tavelin.soc")), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    writeBytes(dir.filePath(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\n");
    writeBytes(dir.filePath(QStringLiteral("Tavelin.ini")), " 0.00000000000000E+0000\r\n\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(newbooks::existingReferenceFiles(dir).isEmpty());
    writeBytes(dir.filePath(QStringLiteral("Tavelin.soc")), "Autre\r\n");
    writeBytes(dir.filePath(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\nVE N Ventes\r\n");
    const QStringList existing = newbooks::existingReferenceFiles(dir);
    EXPECT_EQ(existing, (QStringList{dir.filePath(QStringLiteral("Tavelin.soc")),
                                     dir.filePath(QStringLiteral("Tavelin.cbx"))}));
    EXPECT_EQ(newbooks::replaceQuestion(existing),
              QStringLiteral("Ces fichiers contiennent déjà des données, qui seront remplacées : %1. Continuer ?")
                  .arg(existing.join(QStringLiteral(", "))));
    create();
    EXPECT_EQ(file("Tavelin.soc").substr(0, 14), "SARL Tavelin\r\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Tavelin.cbx")))) << "one journals file";
}

TEST(NewBooks, ReadsTheCommandLineWordsAndCompletesTheDossierName)
{
    const std::pair<const char *, std::optional<newbooks::Chart>> words[] = {
        {"abrege", newbooks::Chart::Abridged}, {"complet", newbooks::Chart::Complete},
        {"vide", newbooks::Chart::Empty}, {"abrégé", std::nullopt}};
    for (const auto &[word, chart] : words)
        EXPECT_EQ(newbooks::chartNamed(QString::fromUtf8(word)), chart) << word;
    const std::pair<const char *, const char *> names[] = {
        {"/a/compta", "/a/compta.jnl"}, {"/a/compta.JNL", "/a/compta.JNL"}, {"/a/b.2026", "/a/b.2026.jnl"}};
    for (const auto &[typed, path] : names)
        EXPECT_EQ(newbooks::dossierPath(QString::fromUtf8(typed)), QString::fromUtf8(path)) << typed;
}

} // namespace
