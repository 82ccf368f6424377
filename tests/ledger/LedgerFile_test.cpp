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
