#include "FakePlatform.h"
#include "LedgerText.h"
#include "TempDir.h"

#include "ledger/Codec1252.h"
#include "document/Fiche.h"
#include "ledger/LedgerFile.h"
#include "ledger/TextForms.h"

#include <gtest/gtest.h>

namespace {

// One entry of the month `key` as the month write-back stores it.
std::string entry(const std::string &key, const std::string &date, const std::string &account,
                  const std::string &label, const std::string &debit, const std::string &credit = "")
{
    const std::string cells[8] = {date, account, label, "VE", "P1", debit, credit, ""};
    std::string out;
    for (int c = 0; c < 8; ++c)
        out += key + char('0' + c) + cells[c] + "\r\n";
    return out;
}

struct FicheTest : ::testing::Test {
    FakePlatform fake;
    CurrentTempDir dir;
    Fiche fiche{fake.platform};

    QString ledger(const std::string &bytes, const QString &name = QStringLiteral("compta.jnl"))
    {
        const QString path = dir.file(name);
        writeBytes(path, bytes);
        return path;
    }
    std::vector<std::string> lines() const { return {fiche.ledger.Lignes.begin(), fiche.ledger.Lignes.end()}; }
};

} // namespace

TEST_F(FicheTest, StartsOnTheCurrentMonthOfACalendarYear)
{
    EXPECT_EQ(fiche.ledger.Annee, 2002);
    EXPECT_EQ(fiche.ledger.Mois, 3);
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2002, 1, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 12, 31));
    EXPECT_EQ(fiche.ledger.DateCloture(), fiche.ledger.DebutExercice());
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, EmptyFileKeepsTheFiscalYear)
{
    fiche.ledger.fiscalYear = {QDate(2001, 7, 1), QDate(2002, 6, 30), QDate(2001, 7, 1)};
    EXPECT_TRUE(fiche.Charge(ledger("")));
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2001, 7, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 6, 30));
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, HeaderRules)
{
    // Two dates only: the closing date is the start date.
    fiche.Charge(ledger("<HEAD>\r\n01/04/2001\r\n31/03/2002\r\n</HEAD>\r\n"));
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2001, 4, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 3, 31));
    EXPECT_EQ(fiche.ledger.DateCloture(), QDate(2001, 4, 1));

    // An invalid end date stops the reading: the start and the closing date are read.
    fiche.Charge(ledger("<HEAD>\r\n01/01/2003\r\n31/02/2003\r\n05/05/2003\r\n</HEAD>\r\n"));
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2003, 1, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 3, 31));
    EXPECT_EQ(fiche.ledger.DateCloture(), QDate(2003, 1, 1));

    // "</HEAD>" too close to "<HEAD>": the block is not read at all.
    fiche.Charge(ledger("<HEAD>\r\n01/01/1999\r\n</HEAD>\r\n"));
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2003, 1, 1));
}

TEST_F(FicheTest, HeaderInTheMiddleIsReadAndMovedToTheTop)
{
    const std::string march = entry("200203", "05/03/2002", "411000", "Vente", "100,00");
    fiche.Charge(ledger(march + kHeader2002));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 12, 31));
    fiche.ledger.EcritHead();
    const auto l = lines();
    ASSERT_EQ(l.size(), 13u);
    EXPECT_EQ(l[0], "<HEAD>");
    EXPECT_EQ(l[2], "31/12/2002");
    EXPECT_EQ(l[4], "</HEAD>");
    EXPECT_EQ(l[5], "2002030" "05/03/2002");
    EXPECT_TRUE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, HeaderWithoutItsClosingMarkerLosesNoEntry)
{
    const std::string march = entry("200203", "05/03/2002", "411000", "Vente", "100,00");
    fiche.Charge(ledger("<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n" + march));
    fiche.ledger.EcritHead();
    const auto l = lines();
    ASSERT_EQ(l.size(), 13u);
    EXPECT_EQ(l[4], "</HEAD>");
    EXPECT_EQ(l[5], "2002030" "05/03/2002");
    EXPECT_EQ(l[12], "2002037");
}

TEST_F(FicheTest, AMonthWithAnAmountThatIsNotANumberSaysSoOnceWithEmptyTotals)
{
    std::string file = kHeader2002;
    file += entry("200203", "05/03/2002", "411000", "Vente", "12.50");
    const QString said = QStringLiteral("'12.50' n'est pas une valeur numérique correcte");
    fiche.Charge(ledger(file)); // reads March, then goes to January
    EXPECT_EQ(fake.messages.shown, QStringList{said});
    fiche.Suivant();
    fiche.Suivant();
    fiche.Saisie(); // March read twice over
    EXPECT_EQ(fake.messages.shown, QStringList(2, said)) << "said again when the month is shown again, once";
    EXPECT_EQ(fiche.entry.monthDebitTotal, "");
    EXPECT_EQ(fiche.entry.monthCreditTotal, "");
}

TEST_F(FicheTest, MonthReadingFillsTheGridInFileOrder)
{
    std::string file = kHeader2002;
    file += "2002030" "03/03/2002\r\n2002031" "411000\r\n2002035      1234,50\r\n2002037\xD7\r\n";
    file += entry("200204", "01/04/2002", "512000", "Avril", "1,00");
    file += "2002030" "04/03/2002\r\n2002032Caf\xE9 \x80\r\n2002034\r\n2002038extra\r\n200203x junk\r\n";
    fiche.Charge(ledger(file));
    fiche.Premier(); // today is 15/03/2002 inside the year: already on January
    fiche.Suivant();
    fiche.Suivant();
    ASSERT_EQ(fiche.ledger.Mois, 3);
    EXPECT_EQ(fiche.ledger.NbLignes, 2);
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 0), "03/03/2002");
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 5).trimmed(), "1234,50");
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 7), QString(QChar(0xD7)));
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 0), "04/03/2002");
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 2), QString::fromUtf8("Café €"));
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 4), "");
    EXPECT_EQ(fiche.entry.monthCaption, "Mars 2002");
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "1234,50");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "0,00");
}

TEST_F(FicheTest, SplitMonthIsWrittenBackTogetherAtTheEnd)
{
    const std::string a = entry("200203", "10/03/2002", "411000", "A", "1,00");
    const std::string b = entry("200203", "12/03/2002", "411000", "B", "2,00");
    const std::string april = entry("200204", "01/04/2002", "512000", "Avril", "3,00");
    fiche.Charge(ledger(kHeader2002 + a + april + b));
    fiche.Suivant();
    fiche.Suivant();
    ASSERT_EQ(fiche.ledger.NbLignes, 2);
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 2), "B");
    fiche.ledger.MoisModifie = true;
    fiche.ledger.EcritMois();
    // The amounts come back right-aligned as the grid holds them.
    auto aligned = [](const std::string &text, const char *amount) {
        std::string out = text;
        const std::string from = std::string("2002035") + amount + "\r\n";
        const std::string to = "2002035" + cp1252::encode(forms::Rset(QString::fromLatin1(amount))) + "\r\n";
        out.replace(out.find(from), from.size(), to);
        return out;
    };
    EXPECT_EQ(ledgerfile::serialize(fiche.ledger.Lignes), kHeader2002 + april + aligned(a, "1,00") + aligned(b, "2,00"));
    EXPECT_FALSE(fiche.ledger.MoisModifie);
}

TEST_F(FicheTest, EntryWithoutDateKeepsTheEntriesAfterIt)
{
    const std::string a = entry("200203", "10/03/2002", "411000", "A", "1,00");
    const std::string undated = entry("200203", "", "512000", "Sans date", "2,00");
    const std::string b = entry("200203", "12/03/2002", "411000", "B", "3,00");
    fiche.Charge(ledger(kHeader2002 + a + undated + b));
    fiche.Suivant();
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    fiche.ledger.MoisModifie = true;
    fiche.ledger.EcritMois();
    fiche.LitMois();
    ASSERT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 2), "Sans date");
    EXPECT_EQ(fiche.ledger.monthGrid.at(2, 2), "B");
}

TEST_F(FicheTest, ShortLinesAreDroppedAndMarkTheDocumentModified)
{
    fiche.Charge(ledger(kHeader2002 + "0\r\n\r\n12345\r\n" + entry("200203", "01/03/2002", "6", "x", "1,00")));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.Lignes.size(), 13u);
    fiche.Charge(ledger(kHeader2002));
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, ShortLinesInTheHeaderKeepTheFiscalYearThroughASaveAndAReload)
{
    const std::string file = "<HEAD>\r\n\r\n01/07/2001\r\n0\r\n30/06/2002\r\n01/07/2001\r\n</HEAD>\r\n" +
                             entry("200109", "03/09/2001", "411000", "Client", "5,00");
    ASSERT_TRUE(fiche.Charge(ledger(file)));
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2001, 7, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2002, 6, 30));
    EXPECT_EQ(fiche.ledger.DateCloture(), QDate(2001, 7, 1));
    const QString saved = dir.file(QStringLiteral("copie.jnl"));
    ASSERT_TRUE(fiche.Sauve(saved));

    Fiche reloaded(fake.platform);
    ASSERT_TRUE(reloaded.Charge(saved));
    EXPECT_EQ(reloaded.ledger.fiscalYear.start, fiche.ledger.fiscalYear.start);
    EXPECT_EQ(reloaded.ledger.fiscalYear.end, fiche.ledger.fiscalYear.end);
    EXPECT_EQ(reloaded.ledger.fiscalYear.closing, fiche.ledger.fiscalYear.closing);
    EXPECT_EQ(std::vector<std::string>(reloaded.ledger.Lignes.begin(), reloaded.ledger.Lignes.end()), lines());
}

TEST_F(FicheTest, ADossierIsAlwaysSavedWithItsHeader)
{
    // An empty file opened, then lines whose key is no month (an import of
    // lines without a date): saved as they are, the file would be no dossier.
    ASSERT_TRUE(fiche.Charge(ledger("")));
    fiche.ledger.Lignes.append("abcdef0Note sans date");
    fiche.SetSauve();
    const QString saved = dir.file(QStringLiteral("notes.jnl"));
    ASSERT_TRUE(fiche.Sauve(saved));
    EXPECT_EQ(readBytes(saved), kHeader2002 + "abcdef0Note sans date\r\n");
    Fiche reloaded(fake.platform);
    EXPECT_TRUE(reloaded.Charge(saved));
}

TEST_F(FicheTest, LongCellsAreCutTo254Characters)
{
    const std::string label(300, 'L');
    fiche.Charge(ledger(kHeader2002 + "2002030" "01/03/2002\r\n2002032" + label + "\r\n"));
    fiche.Suivant();
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 2).size(), 254);
    // The file keeps the whole line until the month is written back.
    EXPECT_EQ(fiche.ledger.Lignes[6].size(), 307u);
    fiche.ledger.MoisModifie = true;
    fiche.ledger.EcritMois();
    EXPECT_EQ(fiche.ledger.Lignes[fiche.ledger.Lignes.size() - 6].size(), 7u + 254u);
}

TEST_F(FicheTest, GridGrowsByTenRowsAndNeverShrinks)
{
    std::string file = kHeader2002;
    for (int i = 0; i < 40; ++i)
        file += entry("200203", "01/03/2002", "411000", "x", "1,00");
    fiche.Charge(ledger(file));
    fiche.Suivant();
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.NbLignes, 40);
    EXPECT_EQ(fiche.ledger.monthGrid.rowCount(), 42);
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_EQ(fiche.ledger.monthGrid.rowCount(), 42);
}

TEST_F(FicheTest, NavigationIsNotBoundedByTheFiscalYear)
{
    fiche.ledger.Annee = 2002;
    fiche.ledger.Mois = 1;
    fiche.Precedent();
    EXPECT_EQ(fiche.ledger.Annee, 2001);
    EXPECT_EQ(fiche.ledger.Mois, 12);
    fiche.ledger.Annee = 2002;
    fiche.ledger.Mois = 12;
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.Annee, 2003);
    EXPECT_EQ(fiche.ledger.Mois, 1);
    fiche.Dernier();
    EXPECT_EQ(fiche.ledger.Mois, 12);
    EXPECT_EQ(fiche.entry.monthCaption, QString::fromUtf8("Décembre 2002"));

    for (Page page : {Page::Balance, Page::Resultat, Page::Bilan}) {
        fiche.showPage(page);
        fiche.Premier();
        fiche.Suivant();
        EXPECT_EQ(fiche.ledger.Mois, 12);
        EXPECT_EQ(fiche.ledger.Annee, 2002);
    }
}

TEST_F(FicheTest, LoadingOpensOnTheFirstOrTheLastMonth)
{
    fiche.Charge(ledger(kHeader2002));
    EXPECT_EQ(fiche.ledger.Mois, 1);
    EXPECT_EQ(fiche.ledger.Annee, 2002);
    EXPECT_EQ(fiche.Caption, "compta.jnl");

    fiche.Charge(ledger("<HEAD>\r\n01/01/2001\r\n31/12/2001\r\n01/01/2001\r\n</HEAD>\r\n"));
    EXPECT_EQ(fiche.ledger.Mois, 12);
    EXPECT_EQ(fiche.ledger.Annee, 2001);

    // Whatever page is on screen, the dossier opens on its own month, on the
    // entry page.
    for (const Page page : {Page::Journal, Page::Balance, Page::Bilan}) {
        fiche.Charge(ledger("<HEAD>\r\n01/01/2001\r\n31/12/2001\r\n01/01/2001\r\n</HEAD>\r\n"));
        fiche.showPage(page);
        fiche.Charge(ledger(kHeader2002));
        EXPECT_EQ(fiche.ledger.Annee, 2002) << int(page);
        EXPECT_EQ(fiche.ledger.Mois, 1) << int(page);
        EXPECT_EQ(fiche.ActivePage, Page::Saisie);
    }
}

TEST_F(FicheTest, LoadingAMissingFileKeepsTheLines)
{
    fiche.Charge(ledger(kHeader2002 + entry("200201", "01/01/2002", "411000", "x", "1,00")));
    const std::size_t before = fiche.ledger.Lignes.size();
    EXPECT_FALSE(fiche.Charge(dir.file(QStringLiteral("absent.jnl"))));
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_EQ(fiche.ledger.Lignes.size(), before);
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
}

TEST_F(FicheTest, AFileThatIsNoLedgerIsRefusedAndTheDocumentKeepsWhatItHad)
{
    std::string noise;
    unsigned seed = 7;
    for (int i = 0; i < 2'000'000; ++i) {
        seed = seed * 1103515245u + 12345u;
        char c = char(seed >> 16);
        noise.push_back(c == 0 ? '\x01' : c);
    }
    const std::string refused[] = {
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20), // a picture renamed
        "Cher client,\r\nVeuillez trouver ci-joint...\r\n",
        "\r\n\r\n\r\n",
        std::string("\0<HEAD>\r\n", 9), // not empty, yet no line before its NUL
        "200203 date\r\n2002 03\r\n", // a seventh character that is no column digit
        noise,
    };
    const QString open = ledger(kHeader2002 + entry("200203", "05/03/2002", "411000", "Client", "12,00"));
    ASSERT_TRUE(fiche.Charge(open));
    fiche.ledger.Lignes.append("2002040" "01/04/2002");
    fiche.SetSauve();
    fiche.Suivant();
    const int month = fiche.ledger.Mois;
    const std::vector<std::string> before = lines();
    for (const std::string &bytes : refused) {
        fake.messages.shown.clear();
        const QString path = ledger(bytes, QStringLiteral("image.jnl"));
        EXPECT_FALSE(fiche.Charge(path));
        EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(path)});
        EXPECT_EQ(lines(), before);
        EXPECT_EQ(fiche.ledger.NomFichier, open);
        EXPECT_EQ(fiche.Caption, QStringLiteral("compta.jnl"));
        EXPECT_TRUE(fiche.ledger.Modifie);
        EXPECT_EQ(fiche.ledger.Mois, month);
        EXPECT_EQ(readBytes(path), bytes);
    }
}

TEST_F(FicheTest, AnythingWithAHeaderOrAnEntryLineIsALedger)
{
    const std::string accepted[] = {
        "",
        "<HEAD>\r\n",
        "notes\r\n2002038\r\n", // the seven characters of an empty cell of column 8
        "du texte\r\n" + entry("200203", "05/03/2002", "411000", "Client", "12,00"),
    };
    for (const std::string &bytes : accepted) {
        fake.messages.shown.clear();
        EXPECT_TRUE(fiche.Charge(ledger(bytes))) << bytes;
        EXPECT_TRUE(fake.messages.shown.isEmpty()) << bytes;
    }
}

TEST_F(FicheTest, ARefusedLastFileIsNotKeptAsTheDocumentsName)
{
    // At start-up the document holds the last file's name from the settings
    // before it loads it: refused, that name must not stay for the next save.
    const QString path = ledger("GIF89a\x01\0", QStringLiteral("image.jnl"));
    fiche.ledger.NomFichier = path;
    EXPECT_FALSE(fiche.Charge(path));
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(fiche.Caption.isEmpty());
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, AFileOfMoreBlankLinesThanAnyLedgerIsRefused)
{
    // Each line costs the list a slot whatever its length: loaded, this file of
    // blank lines would take many times its size in memory.
    const QString open = ledger(kHeader2002 + entry("200201", "01/01/2002", "411000", "x", "1,00"));
    fiche.Charge(open);
    const std::vector<std::string> before = lines();
    const QString path = ledger(std::string(ledgerfile::kMaxLines + 1, '\n'), QStringLiteral("vide.jnl"));
    EXPECT_FALSE(fiche.Charge(path));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("vide.jnl")));
    EXPECT_EQ(fiche.ledger.NomFichier, open);
    EXPECT_EQ(lines(), before);
}

TEST_F(FicheTest, SavingRoundTripsTheFileByteForByte)
{
    const std::string file = kHeader2002 + entry("200203", "05/03/2002", "411000", "Caf\xE9 \x80 \x9C", "      12,50") +
                             "2002037\xD7\r\n" + "209912" "9 a line nobody reads\r\n";
    const QString path = ledger(file);
    fiche.Charge(path);
    ASSERT_FALSE(fiche.ledger.Modifie);
    const QString copy = dir.file(QStringLiteral("copie.jnl"));
    fiche.SetSauve();
    EXPECT_TRUE(fiche.Sauve(copy));
    EXPECT_EQ(readBytes(copy), file);
    EXPECT_EQ(fiche.ledger.NomFichier, copy);
    EXPECT_EQ(fiche.Caption, "copie.jnl");
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(FicheTest, UnmodifiedDocumentIsNotWritten)
{
    fiche.Charge(ledger(kHeader2002));
    const QString other = dir.file(QStringLiteral("autre.jnl"));
    EXPECT_TRUE(fiche.Sauve(other));
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(fiche.ledger.NomFichier, dir.file(QStringLiteral("compta.jnl")));
}

TEST_F(FicheTest, MonthChangedOnAViewIsSavedUnderItsOwnMonth)
{
    const std::string april = entry("200204", "02/04/2002", "512000", "Avril", "3,00");
    fiche.Charge(ledger(kHeader2002 + april));
    fiche.Suivant();
    fiche.Suivant(); // March, on the entry page
    fiche.ledger.monthGrid.set(0, 0, QStringLiteral("07/03/2002"));
    fiche.ledger.monthGrid.set(0, 1, QStringLiteral("411000"));
    fiche.ledger.monthGrid.set(0, 5, forms::Rset(QStringLiteral("10,00")));
    fiche.ledger.NbLignes = 1;
    fiche.ledger.MoisModifie = true;
    fiche.ledger.Modifie = true;
    fiche.showPage(Page::Journal);
    fiche.Suivant(); // April, on the journal page: the entry grid is not touched
    EXPECT_EQ(fiche.ledger.Mois, 4);
    ASSERT_TRUE(fiche.Sauve(fiche.ledger.NomFichier));
    fiche.Charge(fiche.ledger.NomFichier);
    fiche.Suivant();
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 0), "07/03/2002");
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 2), "Avril");
}

TEST_F(FicheTest, ExerciceWritesTheHeaderWhateverTheAnswer)
{
    fiche.Exercice(); // "Annuler"
    EXPECT_EQ(fake.fiscalYear.calls, 1);
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2002, 1, 1));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.Lignes[1], "01/01/2002");

    fake.fiscalYear.answer = FiscalYearDialog::Dates{QDate(2002, 7, 1), QDate(2003, 6, 30)};
    fiche.Exercice();
    EXPECT_EQ(fiche.ledger.DebutExercice(), QDate(2002, 7, 1));
    EXPECT_EQ(fiche.ledger.FinExercice(), QDate(2003, 6, 30));
    EXPECT_EQ(fiche.ledger.Lignes.size(), 5u);
    EXPECT_EQ(fiche.ledger.Lignes[2], "30/06/2003");
}

TEST_F(FicheTest, NouveauStartsAModifiedUnnamedDocument)
{
    fiche.Charge(ledger(kHeader2002 + entry("200203", "05/03/2002", "411000", "x", "1,00")));
    fiche.Nouveau();
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(fiche.Caption.isEmpty());
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.Lignes.size(), 5u);
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_EQ(fiche.ledger.Mois, 3);
    EXPECT_EQ(fake.fiscalYear.shownStart, QDate(2002, 1, 1));

    fiche.showPage(Page::Balance);
    fiche.Nouveau();
    EXPECT_EQ(fiche.ActivePage, Page::Saisie);
    EXPECT_EQ(fiche.entry.monthCaption, "Mars 2002");
}
