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
