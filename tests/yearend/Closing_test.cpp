#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "LedgerText.h"
#include "SmallDisk.h"
#include "TempDir.h"

#include "ledger/Codec1252.h"
#include "yearend/Closing.h"

#include <gtest/gtest.h>

namespace {

const FiscalYear kOpenYear{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};

const QStringList kChart{
    QStringLiteral("120000 NN Résultat de l'exercice (bénéfice)"),
    QStringLiteral("129000 NN Résultat de l'exercice (perte)"),
    QStringLiteral("401000 ON Fournisseurs"),
    QStringLiteral("411000 ON Clients"),
    QStringLiteral("512000 OO Banque"),
    QStringLiteral("607000 ON Achats"),
    QStringLiteral("707000 ON Ventes"),
};

EntryCells debit(const char *account, const char *amount)
{
    return {"15/03/2002", account, "libellé", "OD", "", std::string("     ") + amount, "", ""};
}

EntryCells credit(const char *account, const char *amount)
{
    return {"15/03/2002", account, "libellé", "OD", "", "", std::string("     ") + amount, ""};
}

CodeList chartOf(const QStringList &lines)
{
    return CodeList(CodeList::Kind::Chart, lines);
}

// The opening entries of a ledger, one string per line, without the CR LF.
QStringList closing(const std::string &ledger, const QStringList &chart = kChart)
{
    const yearend::OpeningEntries entries = yearend::openingEntries(linesOf(ledger), kOpenYear, chartOf(chart));
    EXPECT_TRUE(entries.error.isEmpty()) << entries.error.toStdString();
    QString text = cp1252::decode(entries.text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

QString line(const char *account, const char *label, const char *debit, const char *credit = nullptr)
{
    QString l = QStringLiteral("01/01/2003\t%1\t%2\tAN\t\t%3").arg(QLatin1String(account), QString::fromUtf8(label), QLatin1String(debit));
    if (credit)
        l += u'\t' + QLatin1String(credit);
    return l;
}

const char *kProfit = "Résultat de l'exercice (bénéfice)";
const char *kLoss = "Résultat de l'exercice (perte)";

} // namespace

TEST(Closing, ANilBalanceCarriesNoLine)
{
    // A line without an amount would be refused by the next year's checks.
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("401000", "1500,00"), credit("401000", "1500,00")})),
              (QStringList{line("120000", kProfit, "", ",00")}));
}

TEST(Closing, ACreditBalanceGoesToTheSeventhField)
{
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("512000", "100,00"), credit("512000", "250,00")})),
              (QStringList{line("512000", "Banque", "", "150,00"), line("120000", kProfit, "", ",00")}));
}

TEST(Closing, ProfitAndLossAccountsMakeTheResult)
{
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("607000", "1000,00"), credit("707000", "1500,00")})),
              (QStringList{line("120000", kProfit, "", "500,00")}));
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("607000", "1500,00"), credit("707000", "1000,00")})),
              (QStringList{line("129000", kLoss, "500,00")}));
}

TEST(Closing, ClassesSixAndSevenAnywhereInTheListAllCount)
{
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("607000", "10,00"), debit("607100", "20,00"),
                                                           debit("512000", "0,50"), credit("707000", "100,00"),
                                                           credit("708000", "5,00")})),
              (QStringList{line("512000", "Banque", ",50"), line("120000", kProfit, "", "75,00")}));
}

// Lines that are no entry of the year, or that the statements would read
// otherwise than the month grid: the closing is refused, naming them.
TEST(Closing, LinesThatAreNoEntryOfTheYearAreRefused)
{
    struct Case {
        std::string lines;
        const char *named;
    };
    const Case cases[] = {
        {entriesText("200302", {{"15/02/2003", "411000", "", "", "", "5,00", "", ""}}),
         "Février 2003, ligne 1 : la date 15/02/2003 est en dehors de l'exercice (du 01/01/2002 au 31/12/2002)."},
        {entriesText("200203", {{"15/2/2002", "411000", "", "", "", "5,00", "", ""}}),
         "Mars 2002, ligne 2 : la date « 15/2/2002 » n'est pas une date (JJ/MM/AAAA)."},
        {entriesText("200204", {{"15/03/2002", "411000", "", "", "", "5,00", "", ""}}),
         "Avril 2002, ligne 1 : l'écriture du 15/03/2002 est rangée sous le mois « 200204 »."},
        {entriesText("200213", {{"15/03/2002", "411000", "", "", "", "5,00", "", ""}}),
         "Mois « 200213 », ligne 1 : l'écriture du 15/03/2002 est rangée sous le mois « 200213 »."},
        // A March line after an April date line: the statements pass over it.
        {entriesText("200204", {{"15/04/2002", "411000", "", "", "", "1,00", "", ""}}) + "2002035     9,00\r\n",
         "Mars 2002, ligne 1 : cette ligne ne suit pas la date de son écriture : la saisie la lit, les états ne la "
         "comptent pas."},
        {"200203015/03/2002\r\n2002035" + std::string(255, '1') + "\r\n",
         "Mars 2002, ligne 2 : une cellule de plus de 254 caractères : la saisie la coupe, les états la lisent entière."},
    };
    for (const Case &c : cases) {
        const std::string ledger = kHeader2002 + entriesText("200203", {debit("411000", "10,00")}) + c.lines;
        const yearend::OpeningEntries entries = yearend::openingEntries(linesOf(ledger), kOpenYear, chartOf(kChart));
        EXPECT_TRUE(entries.text.empty());
        EXPECT_EQ(entries.error, QStringLiteral("Clôture impossible : des lignes du dossier ne sont pas des écritures "
                                                "de l'exercice.\n")
                                     + QString::fromUtf8(c.named))
            << entries.error.toStdString();
    }
}

TEST(Closing, AnAccountMissingFromTheChartHasAnEmptyLabel)
{
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("467000", "10,00")})),
              (QStringList{line("467000", "", "10,00"), line("120000", kProfit, "", ",00")}));
    EXPECT_EQ(closing(kHeader2002, {}), (QStringList{line("120000", "", "", ",00")}));
}

TEST(Closing, AnAccountThatBeginsOneMetBeforeSharesItsBalance)
{
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("411000", "10,00"), debit("4110", "5,00"),
                                                           credit("411", "1,00")})),
              (QStringList{line("411000", "Clients", "14,00"), line("120000", kProfit, "", ",00")}));
    // Met first, the short code keeps a balance of its own.
    EXPECT_EQ(closing(kHeader2002 + entriesText("200203", {debit("4110", "5,00"), debit("411000", "10,00")})),
              (QStringList{line("4110", "Clients", "5,00"), line("411000", "Clients", "10,00"),
                           line("120000", kProfit, "", ",00")}));
}

TEST(Closing, AnEntryWithoutAccountIsLeftOutAndSaidSo)
{
    const yearend::OpeningEntries entries = yearend::openingEntries(
        linesOf(kHeader2002 + entriesText("200203", {debit("512000", "10,00"), debit("", "3,00")})), kOpenYear, chartOf(kChart));
    EXPECT_EQ(cp1252::decode(entries.text), line("512000", "Banque", "10,00") + QStringLiteral("\r\n")
                                                + line("120000", kProfit, "", ",00") + QStringLiteral("\r\n"));
    EXPECT_EQ(entries.warnings,
              QStringList{QStringLiteral("Des écritures sans compte sont laissées hors des à-nouveaux (solde 3,00 au débit).")});
}

TEST(Closing, AnEmptyDossierWritesOnlyTheResult)
{
    EXPECT_EQ(closing(kHeader2002), (QStringList{line("120000", kProfit, "", ",00")}));
}

TEST(Closing, AmountsThatAreNotNumbersCountAsZeroAndAreListedWithTheirRow)
{
    const std::string ledger = kHeader2002 + entriesText("200203", {debit("512000", "12.50"), debit("512000", "abc"),
                                                                    debit("512000", "2,00")})
                               + entriesText("200204", {{"15/04/2002", "512000", "", "", "", "", "", ""}});
    EXPECT_EQ(closing(ledger), (QStringList{line("512000", "Banque", "2,00"), line("120000", kProfit, "", ",00")}));
    // An empty amount is no amount at all, and is not listed.
    EXPECT_EQ(yearend::openingEntries(linesOf(ledger), kOpenYear, chartOf(kChart)).warnings,
              QStringList{QStringLiteral("Montants illisibles, comptés pour zéro :\n  Mars 2002, ligne 1 : « 12.50 »\n"
                                         "  Mars 2002, ligne 2 : « abc »")});
}

TEST(Closing, TheFileIsCodePage1252WithCrLf)
{
    const yearend::OpeningEntries entries = yearend::openingEntries(linesOf(kHeader2002), kOpenYear, chartOf(kChart));
    EXPECT_EQ(entries.text, "01/01/2003\t120000\tR\xE9sultat de l'exercice (b\xE9n\xE9" "fice)\tAN\t\t\t,00\r\n");
}

TEST(Closing, TheOpeningDateIsTheDayAfterTheYearEnd)
{
    const FiscalYear year{QDate(2001, 7, 1), QDate(2002, 6, 30), QDate(2001, 7, 1)};
    const yearend::OpeningEntries entries = yearend::openingEntries(linesOf(kHeader2002), year, chartOf({}));
    EXPECT_EQ(entries.text, "01/07/2002\t120000\t\tAN\t\t\t,00\r\n");
}

TEST(Closing, AnEntryWithoutDateIsRefused)
{
    const yearend::OpeningEntries entries =
        yearend::openingEntries(linesOf(kHeader2002 + "2002030\r\n2002035   10,00\r\n"), kOpenYear, chartOf(kChart));
    EXPECT_TRUE(entries.text.empty());
    EXPECT_EQ(entries.error, QStringLiteral("Clôture impossible : des lignes du dossier ne sont pas des écritures de "
                                            "l'exercice.\nMars 2002, ligne 1 : l'écriture n'a pas de date."));
}

TEST(Closing, AClosedYearIsRefused)
{
    EXPECT_EQ(yearend::closingRefusal(kOpenYear), QString());
    const FiscalYear closed{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 12, 31)};
    EXPECT_EQ(yearend::closingRefusal(closed), QStringLiteral("Exercice déjà clôturé"));
}

namespace {

// Makes a folder the current one, where the reference files live, for its lifetime.
class InFolder {
public:
    explicit InFolder(const QString &path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

struct CloturerTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Ledger ledger{fake.platform};

    void SetUp() override
    {
        openAt(ledger, kHeader2002 + entriesText("200203", {debit("607000", "100,00")}), 2002, 3);
        ledger.ref.ListePlc = kChart;
        fake.clock.date = QDate(2003, 1, 15); // the year is over
    }
    QString writtenMessage() const
    {
        return QStringLiteral("Écritures d'ouverture écrites dans %1.").arg(dir.file(QStringLiteral("ANouveau.Txt")));
    }
    std::string written() const { return readBytes(dir.file(QStringLiteral("ANouveau.Txt"))); }
};

} // namespace

TEST_F(CloturerTest, AsksBeforeClosingAndWritesNothingWhenCancelled)
{
    fake.messages.okCancel.push_back(false);
    EXPECT_EQ(yearend::Cloturer(ledger).message, QString());
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Clôturer l'exercice en cours ?")});
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ANouveau.Txt"))));
}

TEST_F(CloturerTest, AYearEndingAfterTodayIsClosedOnlyWhenTheUserSaysSo)
{
    const QString early = QStringLiteral("L'exercice se termine le 31/12/2002, après aujourd'hui : clôturer quand même ?");
    const QString confirm = QStringLiteral("Clôturer l'exercice en cours ?");
    struct Case {
        QDate today;
        std::deque<bool> answers;
        QStringList asked;
        bool writes;
    } const cases[] = {
        {QDate(2002, 12, 31), {true}, {confirm}, true},
        {QDate(2002, 12, 30), {true, true}, {early, confirm}, true},
        {QDate(2002, 3, 15), {false}, {early}, false},
    };
    for (const Case &c : cases) {
        QFile::remove(dir.file(QStringLiteral("ANouveau.Txt")));
        fake.clock.date = c.today;
        fake.messages.clear();
        fake.messages.okCancel = c.answers;
        EXPECT_EQ(yearend::Cloturer(ledger).message, c.writes ? writtenMessage() : QString());
        EXPECT_EQ(fake.messages.shown.mid(0, c.asked.size()), c.asked) << c.today.toString().toStdString();
        EXPECT_EQ(QFile::exists(dir.file(QStringLiteral("ANouveau.Txt"))), c.writes);
    }
}

TEST_F(CloturerTest, WarningsAskBeforeTheFileIsWritten)
{
    ledger.Lignes.append("2002030" "20/03/2002");
    ledger.Lignes.append("2002031" "512000");
    ledger.Lignes.append("2002035" "abc");
    fake.messages.okCancel = {true, false};
    EXPECT_EQ(yearend::Cloturer(ledger).message, QString());
    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.messages.shown[1], QStringLiteral("Montants illisibles, comptés pour zéro :\n  Mars 2002, ligne 2 : « abc »\n\n"
                                                     "Écrire « ANouveau.Txt » tout de même ?"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ANouveau.Txt"))));
}

TEST_F(CloturerTest, AClosedYearIsRefusedWithoutAQuestion)
{
    ledger.fiscalYear.closing = QDate(2002, 6, 30);
    EXPECT_EQ(yearend::Cloturer(ledger).message, QStringLiteral("Exercice déjà clôturé"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ANouveau.Txt"))));
}

TEST_F(CloturerTest, EntriesKeyedOnScreenCountAndTheDocumentStaysAsItWas)
{
    keyEntry(ledger, {QStringLiteral("20/03/2002"), QStringLiteral("707000"), QStringLiteral("Vente"), {}, {}, {},
                      QStringLiteral("150,00"), {}});
    fake.messages.okCancel.push_back(true);
    EXPECT_EQ(yearend::Cloturer(ledger).message, writtenMessage());
    // The closing is not made final ("Annuler"): the document stays as it was.
    EXPECT_EQ(fake.messages.shown, (QStringList{QStringLiteral("Clôturer l'exercice en cours ?"),
                                                QStringLiteral("Clôturer définitivement l'exercice ? Les écritures "
                                                               "ne pourront plus être modifiées.")}));
    EXPECT_EQ(fake.busy.shown, 1);
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_TRUE(ledger.Modifie);
    EXPECT_EQ(ledger.fiscalYear.closing, QDate(2002, 1, 1));
    EXPECT_EQ(written(), "01/01/2003\t120000\tR\xE9sultat de l'exercice (b\xE9n\xE9" "fice)\tAN\t\t\t50,00\r\n");
}

TEST_F(CloturerTest, RunningItAgainReplacesTheFile)
{
    writeBytes(dir.file(QStringLiteral("ANouveau.Txt")), "ancien\r\n");
    fake.messages.okCancel = {true, true};
    yearend::Cloturer(ledger);
    EXPECT_EQ(yearend::Cloturer(ledger).message, writtenMessage());
    EXPECT_EQ(written(), "01/01/2003\t129000\tR\xE9sultat de l'exercice (perte)\tAN\t\t100,00\r\n");
    EXPECT_FALSE(ledger.Modifie);
}

TEST_F(CloturerTest, AnAmountBeforeAnyAccountWritesNothing)
{
    ledger.Lignes.insert(5, "2002036   10,00");
    fake.messages.okCancel.push_back(true);
    EXPECT_TRUE(yearend::Cloturer(ledger).message.startsWith(QStringLiteral("Clôture impossible")));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ANouveau.Txt"))));
}

TEST_F(CloturerTest, AFullDiskLeavesThePreviousFileIntact)
{
    SmallDisk disk("size=8k");
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString path = disk.file(QStringLiteral("ANouveau.Txt"));
    writeBytes(path, "ancien\r\n");
    for (int i = 0; i < 1000; ++i) { // a thousand accounts: a file larger than the disk
        ledger.Lignes.append("2002040" "15/04/2002");
        ledger.Lignes.append("2002041" + std::to_string(100000 + i));
        ledger.Lignes.append("2002045 1,00");
    }
    fake.messages.okCancel.push_back(true);
    const InFolder reference(disk.path());
    EXPECT_EQ(yearend::Cloturer(ledger).message,
              QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.").arg(path));
    EXPECT_EQ(readBytes(path), "ancien\r\n");
}

TEST_F(CloturerTest, AReadOnlyFolderLeavesThePreviousFileIntact)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString path = disk.file(QStringLiteral("ANouveau.Txt"));
    writeBytes(path, "ancien\r\n");
    ASSERT_TRUE(disk.makeReadOnly());
    fake.messages.okCancel.push_back(true);
    const InFolder reference(disk.path());
    EXPECT_EQ(yearend::Cloturer(ledger).message,
              QStringLiteral("Impossible d'enregistrer le fichier %1 : le support est en lecture seule.").arg(path));
    EXPECT_EQ(readBytes(path), "ancien\r\n");
}
