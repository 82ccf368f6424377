#include "ledger/Codec1252.h"
#include "ledger/FileIO.h"
#include "ledger/LedgerFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

LineList parse(const std::string &bytes)
{
    return ledgerfile::parse(std::make_unique<std::string>(bytes));
}

std::vector<std::string> lines(const LineList &list)
{
    return {list.begin(), list.end()};
}

} // namespace

TEST(LedgerFile, AcceptsEveryLineEnd)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(lines(parse("a\r\nb\r\n")), (V{"a", "b"}));
    EXPECT_EQ(lines(parse("a\nb\n")), (V{"a", "b"}));
    EXPECT_EQ(lines(parse("a\rb\r")), (V{"a", "b"}));
    EXPECT_EQ(lines(parse("a\r\n\r\nb")), (V{"a", "", "b"}));
    EXPECT_EQ(lines(parse("a\n\rb")), (V{"a", "", "b"}));
    EXPECT_TRUE(parse("").empty());
}

TEST(LedgerFile, NulByteEndsTheText)
{
    const std::string bytes("2002030x\r\n2002\0" "031y\r\n", 20);
    EXPECT_EQ(lines(parse(bytes)), (std::vector<std::string>{"2002030x", "2002"}));
}

TEST(LedgerFile, WritesCrLfAfterEveryLineAndRoundTripsCrLfFiles)
{
    const std::string file = "<HEAD>\r\n01/01/2002\r\n\r\n2002032Caf\xE9 \x80 \x9C\xD7\r\n";
    EXPECT_EQ(ledgerfile::serialize(parse(file)), file);
    EXPECT_EQ(ledgerfile::serialize(parse("a\nb")), "a\r\nb\r\n");
}

TEST(LedgerFile, LoadRefusesMoreLinesThanItsBound)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("f.jnl"));
    LineList list = parse("kept\r\n");
    writeBytes(path, "a\r\n\r\nb");
    EXPECT_FALSE(ledgerfile::load(path, list, 2).isEmpty());
    EXPECT_EQ(lines(list), std::vector<std::string>{"kept"});
    EXPECT_TRUE(ledgerfile::load(path, list, 3).isEmpty());
    EXPECT_EQ(lines(list), (std::vector<std::string>{"a", "", "b"}));
    writeBytes(path, "a\r\n\r\nb\r\n");
    EXPECT_TRUE(ledgerfile::load(path, list, 3).isEmpty());
    EXPECT_FALSE(ledgerfile::load(dir.file(QStringLiteral("absent.jnl")), list).isEmpty());
}

TEST(LedgerFile, ReadingNeverWaitsOnAFifoNorReadsADevice)
{
    CurrentTempDir dir;
    const QString fifo = dir.file(QStringLiteral("tube.nte"));
    const QString device = dir.file(QStringLiteral("zero.nte"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(device).constData()), 0);
    std::string bytes = "avant";
    EXPECT_EQ(fileio::readWhole(fifo, bytes), QString()); // no program writes to it: empty
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(fileio::readWhole(device, bytes), fileio::notRegularReason());
}

TEST(Codec1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(char(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(cp1252::encode(text), all);
    EXPECT_EQ(cp1252::decodeChar(0x80), QChar(0x20AC));
    EXPECT_EQ(cp1252::decodeChar(0x9C), QChar(0x0153));
    EXPECT_EQ(cp1252::decodeChar(0xD7), QChar(0x00D7));
    EXPECT_EQ(cp1252::decodeChar(0xE9), QChar(0x00E9));
    EXPECT_EQ(cp1252::encode(QStringLiteral("€œ×é")), "\x80\x9C\xD7\xE9");
    EXPECT_EQ(cp1252::encode(QString(QChar(0x4E2D))), "?");
}

TEST(LineList, EditsKeepTheOtherLines)
{
    LineList list = parse("a\r\nbb\r\nccc\r\n");
    list.append("dddd");
    list.insert(0, "z");
    list.replace(2, "BB");
    list.removeAt(3);
    EXPECT_EQ(lines(list), (std::vector<std::string>{"z", "a", "BB", "dddd"}));
    EXPECT_EQ(list.indexOf("BB"), 2u);
    EXPECT_EQ(list.indexOf("BB", 3), LineList::npos);
    EXPECT_EQ(list.removeIf([](std::string_view l) { return l.size() == 1; }), 2u);
    EXPECT_EQ(lines(list), (std::vector<std::string>{"BB", "dddd"}));
}

TEST(LineList, LinesInsertedAfterOthersInOnePassKeepTheirOrder)
{
    LineList list = parse("a\r\nb\r\nc\r\n");
    list.insertAfter({{0, "a1"}, {0, "a2"}, {2, "c1"}});
    EXPECT_EQ(lines(list), (std::vector<std::string>{"a", "a1", "a2", "b", "c", "c1"}));
    EXPECT_EQ(list.indexOf("c1"), 5u);
}

TEST(LineList, CopiesAreIndependentAndSurviveCompaction)
{
    LineList list;
    for (int i = 0; i < 1000; ++i)
        list.append(std::string(100, char('a' + i % 26)));
    LineList copy = list;
    // Replacing every line many times leaves far more dead text than live text,
    // which makes the list compact its storage several times over.
    for (int round = 0; round < 200; ++round)
        for (std::size_t i = 0; i < list.size(); ++i)
            list.replace(i, std::string(100, char('A' + (i + round) % 26)));
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i], std::string(100, char('A' + (i + 199) % 26)));
        EXPECT_EQ(copy[i], std::string(100, char('a' + i % 26)));
    }
}

TEST(LineList, AMonthsLinesAreFoundByTheirTag)
{
    const struct {
        const char *guards;
        std::string line;
        bool tagged; // carries the tag of the key 200203
    } cases[] = {
        {"a line of the month", "2002032Loyer", true},
        {"six characters of the key alone", "200203", true},
        {"another month", "2002042Loyer", false},
        {"a line shorter than a key has no key's tag", "20020", false},
        {"the same bytes 2 to 5 under another year", "1902032Loyer", true},
    };
    const std::uint32_t tag = LineList::tagOf("200203");
    LineList list;
    for (const auto &c : cases) {
        EXPECT_EQ(LineList::tagOf(c.line) == tag, c.tagged) << c.guards;
        list.append(c.line);
    }
    // The tag only narrows the search: the predicate has the last word.
    EXPECT_EQ(list.removeIfTagged(tag, [](std::string_view l) { return l.starts_with("200203"); }), 2u);
    EXPECT_EQ(lines(list), (std::vector<std::string>{"2002042Loyer", "20020", "1902032Loyer"}));
}

TEST(LedgerFile, ReadingAsTextRefusesWhatOpeningRefuses)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("f.jnl"));
    std::string text;
    writeBytes(path, "<HEAD>\r\n2002030x");
    EXPECT_TRUE(ledgerfile::readLedgerText(path, text).isEmpty());
    EXPECT_EQ(text, "<HEAD>\r\n2002030x");
    EXPECT_FALSE(ledgerfile::readLedgerText(path, text, 1).isEmpty());
    EXPECT_TRUE(text.empty());
    writeBytes(path, "Cher client,\r\n");
    EXPECT_EQ(ledgerfile::readLedgerText(path, text),
              QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(QDir::toNativeSeparators(path)));
}
