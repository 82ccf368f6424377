#include "ledger/LineFile.h"

#include "TempDir.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char *name;
    std::string bytes;
    QStringList lines;
};

class LineFileReading : public ::testing::TestWithParam<LineCase> {};

// Every line end the program meets, a last line without one, a NUL that ends
// the text, and code page 1252 bytes decoded.
TEST_P(LineFileReading, CutsAndDecodesAsEveryFileIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tavelin.nte"));
    writeBytes(path, GetParam().bytes);
    QStringList lines{QStringLiteral("avant")};
    EXPECT_EQ(linefile::read(path, lines), QString());
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, LineFileReading,
    ::testing::Values(LineCase{"crlf", "a\r\nb\r\n", {"a", "b"}}, LineCase{"lf", "a\nb\n", {"a", "b"}},
                      LineCase{"cr", "a\rb\r", {"a", "b"}}, LineCase{"noLastEnd", "a\r\nb", {"a", "b"}},
                      LineCase{"emptyLines", "\r\n\r\nc\r\n", {"", "", "c"}},
                      LineCase{"nulEndsText", std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
                      LineCase{"cp1252", "\xe9t\xe9 \x80\r\n", {QString::fromUtf8("été €")}},
                      LineCase{"empty", "", {}}),
    [](const ::testing::TestParamInfo<LineCase> &info) { return std::string(info.param.name); });

TEST(LineFile, MissingFileIsNoLinesAndAFolderIsUnreadable)
{
    QTemporaryDir dir;
    QStringList lines{QStringLiteral("avant")};
    EXPECT_EQ(linefile::read(dir.filePath(QStringLiteral("absent")), lines), QString());
    EXPECT_TRUE(lines.isEmpty());

    lines = QStringList{QStringLiteral("avant")};
    const QString folder = dir.filePath(QStringLiteral("dossier"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(linefile::read(folder, lines),
              QStringLiteral("Impossible de lire le fichier %1 : le chemin désigne un dossier.").arg(folder));
    EXPECT_EQ(lines, QStringList{QStringLiteral("avant")});
}

TEST(LineFile, WritesCp1252WithCrLfAndLeavesAnUnchangedFileAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tavelin.msg"));
    const QStringList lines{QString::fromUtf8("Appeler M. Lefèvre"), QString()};
    EXPECT_EQ(linefile::write(path, lines), QString());
    EXPECT_EQ(readBytes(path), "Appeler M. Lef\xe8vre\r\n\r\n");
    QStringList back;
    EXPECT_EQ(linefile::read(path, back), QString());
    EXPECT_EQ(back, lines);

    // Unchanged lines are not written again: a read-only file stays as it is.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const QDateTime written = QFileInfo(path).lastModified();
    EXPECT_EQ(linefile::write(path, lines), QString());
    EXPECT_EQ(QFileInfo(path).lastModified(), written);
}

} // namespace
