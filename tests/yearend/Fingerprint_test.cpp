#include "LedgerText.h"

#include "yearend/BookEntries.h"
#include "yearend/Fingerprint.h"
#include "yearend/Sha256.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

// The fingerprint is checked against Qt's own SHA-256 of the canonical form
// written out by hand: the hash and the form are both pinned.

namespace {

std::string qtSha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

struct FingerprintCase {
    const char *guards;
    std::string lines;
    QByteArray canonical;
};

class FingerprintForm : public ::testing::TestWithParam<FingerprintCase> {};

} // namespace

TEST(Sha256, GivesTheStandardDigestsWhateverTheChunks)
{
    yearend::Sha256 empty;
    EXPECT_EQ(empty.hex(), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    const std::string text(1000, 'x');
    yearend::Sha256 chunked;
    for (std::size_t i = 0; i < text.size(); i += 7)
        chunked.add(std::string_view(text).substr(i, 7));
    EXPECT_EQ(chunked.hex(), qtSha256(QByteArray::fromStdString(text)));
}

TEST_P(FingerprintForm, IsTheSha256OfTheSortedTrimmedColumns)
{
    const LineList lines = linesOf(GetParam().lines);
    EXPECT_EQ(yearend::fingerprint(yearend::bookEntries(lines), {QDate(), QDate(2002, 12, 31)}),
              qtSha256(GetParam().canonical))
        << GetParam().guards;
}

INSTANTIATE_TEST_SUITE_P(
    Fingerprint, FingerprintForm,
    ::testing::Values(
        FingerprintCase{"one entry: columns 0 to 6 trimmed, the check-off left out",
                        "2002030" "10/03/2002\r\n2002031411000 \r\n2002032Vente\r\n2002033VE\r\n2002034\r\n"
                        "2002035  \xA0" "10,00\r\n2002036\r\n2002037x\r\n",
                        "10/03/2002\t411000\tVente\tVE\t\t10,00\t\n"},
        FingerprintCase{"entries sorted byte by byte, whatever their months' order",
                        "2002040" "01/04/2002\r\n2002041512000\r\n2002030" "31/03/2002\r\n2002031411000\r\n",
                        "01/04/2002\t512000\t\t\t\t\t\n31/03/2002\t411000\t\t\t\t\t\n"},
        FingerprintCase{"the lettering is left out like the check-off: a validated line may still take it",
                        "2002030" "10/03/2002\r\n2002031411000\r\n2002035" "10,00\r\n2002037x\r\n2002038AB 10/03/2002\r\n",
                        "10/03/2002\t411000\t\t\t\t10,00\t\n"},
        FingerprintCase{"an entry without a date counts for nothing",
                        "2002031411000\r\n2002035" "5,00\r\n",
                        ""}));

TEST(Fingerprint, TheCheckOnTheFileTextFindsWhatTheCheckOnTheLoadedLinesFinds)
{
    const std::string march = "2002030" "10/03/2002\r\n2002031411000\r\n2002035" "10,00\r\n";
    const std::string april = "2002040" "10/04/2002\r\n2002041512000\r\n2002036" "4,00\r\n";
    const LineList lines = linesOf(march + april);
    const std::vector<yearend::BookEntry> entries = yearend::bookEntries(lines);
    const Validations validations = {
        {QDate(2002, 3, 31), QDate(2002, 4, 2), yearend::fingerprint(entries, {QDate(), QDate(2002, 3, 31)}), {}},
        {QDate(2002, 4, 30), QDate(2002, 5, 2), std::string(64, '0'), {}}};
    const std::vector<const Validation *> altered{&validations[1]};
    EXPECT_EQ(yearend::alteredValidations(lines, validations), altered);
    EXPECT_EQ(yearend::alteredValidationsOfText(march + april, validations), altered);
}

TEST(BookEntries, ComeInMonthOrderEachMonthInGridOrder)
{
    // April first, March in two runs: each month's last entry is complete
    // only once every line is read.
    const LineList lines = linesOf("2002040" "01/04/2002\r\n2002040" "02/04/2002\r\n2002030" "01/03/2002\r\n"
                                   "2002040" "03/04/2002\r\n2002030" "02/03/2002\r\n");
    std::vector<std::string> read;
    for (const yearend::BookEntry &e : yearend::bookEntries(lines))
        read.push_back(std::to_string(e.month) + ":" + std::to_string(e.row) + ":" + std::string(e.cells[0]));
    EXPECT_EQ(read, (std::vector<std::string>{"200203:0:01/03/2002", "200203:1:02/03/2002", "200204:0:01/04/2002",
                                              "200204:1:02/04/2002", "200204:2:03/04/2002"}));
}

// A validation keeps its months: an alteration is told with the months it
// touched and, ten at most, the entries as they now stand.
TEST(Fingerprint, TheWarningNamesTheAlteredMonthsAndEntries)
{
    std::string march, april;
    for (int day = 1; day <= 12; ++day) {
        const std::string date = (day < 10 ? "0" : "") + std::to_string(day) + "/03/2002";
        march += entriesText("200203", {{date, "411000", "Vente", "VE", "", std::to_string(day) + ",00", "", ""}});
    }
    april = entriesText("200204", {{"02/04/2002", "512000", "Remise", "BQ", "", "", "80,00", ""},
                                   {"03/04/2002", "607000", "Achat", "AC", "", "15,00", "", ""}});
    const std::string book = kHeader2002 + march + april;
    const LineList validated = linesOf(book);
    const std::vector<yearend::BookEntry> seen = yearend::bookEntries(validated);
    const yearend::Period period{QDate(), QDate(2002, 4, 30)};
    Validations kept{{QDate(2002, 4, 30), QDate(2002, 5, 2), yearend::fingerprint(seen, period), {},
                      yearend::monthPrints(seen, period)}};
    ASSERT_EQ(kept[0].months.size(), 2u);
    EXPECT_EQ(kept[0].months[0].key, "200203");
    EXPECT_EQ(kept[0].months[0].entries.size(), 12u);

    const auto replaced = [&book](const std::string &from, const std::string &to) {
        std::string text = book;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const QString prefix = QStringLiteral("Des écritures validées le 02/05/2002 ont été modifiées en dehors de Tavelin");
    struct Case {
        const char *what;
        std::string text;
        bool monthsKept;
        QString told; // after the prefix
    };
    std::string everyMarch = book;
    for (int day = 1; day <= 12; ++day) {
        const std::string amount = "2002035" + std::to_string(day) + ",00\r\n";
        everyMarch.replace(everyMarch.find(amount), amount.size(), "2002035" + std::to_string(day) + ",50\r\n");
    }
    const Case cases[] = {
        {"an amount changed", replaced("20020355,00", "20020355,10"), true,
         QStringLiteral(", en Mars 2002 : le 05/03/2002, compte 411000, débit 5,10.")},
        {"an account changed", replaced("2002041607000", "2002041606000"), true,
         QStringLiteral(", en Avril 2002 : le 03/04/2002, compte 606000, débit 15,00.")},
        {"an entry gone", replaced(entriesText("200204", {{"02/04/2002", "512000", "Remise", "BQ", "", "", "80,00", ""}}), ""),
         true, QStringLiteral(", en Avril 2002. 1 écriture validée n'y est plus.")},
        {"an entry added", book + entriesText("200203", {{"20/03/2002", "530000", "Caisse", "OD", "", "9,00", "", ""}}),
         true, QStringLiteral(", en Mars 2002 : le 20/03/2002, compte 530000, débit 9,00.")},
        {"every entry of a month", everyMarch, true,
         QStringLiteral(", en Mars 2002 : le 01/03/2002, compte 411000, débit 1,50 ; le 02/03/2002, compte 411000, "
                        "débit 2,50 ; le 03/03/2002, compte 411000, débit 3,50 ; le 04/03/2002, compte 411000, débit "
                        "4,50 ; le 05/03/2002, compte 411000, débit 5,50 ; le 06/03/2002, compte 411000, débit 6,50 ; "
                        "le 07/03/2002, compte 411000, débit 7,50 ; le 08/03/2002, compte 411000, débit 8,50 ; le "
                        "09/03/2002, compte 411000, débit 9,50 ; le 10/03/2002, compte 411000, débit 10,50 ; et 2 "
                        "autres.")},
        {"the months not kept (a record of an older version)", replaced("20020355,00", "20020355,10"), false,
         QStringLiteral(".")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Validations validations = kept;
        if (!c.monthsKept)
            validations[0].months.clear();
        const LineList lines = linesOf(c.text);
        const std::vector<const Validation *> altered = yearend::alteredValidations(lines, validations);
        ASSERT_EQ(altered.size(), 1u);
        EXPECT_EQ(yearend::alterationMessage(altered, yearend::bookEntries(lines), validations), prefix + c.told);
    }
}
