#include "TempDir.h"

#include "ledger/Preferences.h"

#include <gtest/gtest.h>

namespace {

struct PreferencesTest : ::testing::Test {
    QTemporaryDir dir;
    QString file() const { return QDir(dir.path()).filePath(QStringLiteral("Tavelin.cfg")); }
};

TEST_F(PreferencesTest, ReadsLenientlyAndWritesBackWhatItDoesNotKnow)
{
    writeBytes(file(), "# r\xC3\xA9glages\r\n"        // a comment, kept
                       " tri = oui \r\n"              // blanks around key and value
                       "sans egal\n"                  // no setting, kept
                       "siren=123 456 789\n"          // a key of another feature, kept
                       "classes=peut-\xC3\xAAtre\n"); // not a yes or no: the default
    Preferences preferences;
    ASSERT_TRUE(preferences.load(QDir(dir.path())).isEmpty());
    EXPECT_TRUE(preferences.flag(QStringLiteral("tri")));
    EXPECT_EQ(preferences.value(QStringLiteral("siren")), QStringLiteral("123 456 789"));
    EXPECT_TRUE(preferences.flag(QStringLiteral("classes"), true));
    EXPECT_FALSE(preferences.flag(QStringLiteral("absent")));

    preferences.setFlag(QStringLiteral("tri"), false);
    preferences.setValue(QStringLiteral("nouveau"), QStringLiteral("deux\nlignes"));
    ASSERT_TRUE(preferences.save(QDir(dir.path())).isEmpty());
    EXPECT_EQ(readBytes(file()), "# r\xC3\xA9glages\ntri=non\nsans egal\nsiren=123 456 789\nclasses=peut-\xC3\xAAtre\n"
                                 "nouveau=deux lignes\n");
}

TEST_F(PreferencesTest, AFileThatCannotBeReadIsLeftAsItIs)
{
    writeBytes(file(), "tri=oui\n\xE9t\xE9\n"); // code page 1252, not UTF-8
    Preferences preferences;
    const QString message = preferences.load(QDir(dir.path()));
    EXPECT_TRUE(message.contains(QStringLiteral("UTF-8"))) << message.toStdString();
    EXPECT_FALSE(preferences.flag(QStringLiteral("tri")));
    preferences.setFlag(QStringLiteral("tri"), true);
    EXPECT_TRUE(preferences.save(QDir(dir.path())).isEmpty());
    EXPECT_EQ(readBytes(file()), "tri=oui\n\xE9t\xE9\n");
}

TEST_F(PreferencesTest, AMissingFileIsCreatedOnTheFirstSave)
{
    Preferences preferences;
    EXPECT_TRUE(preferences.load(QDir(dir.path())).isEmpty());
    preferences.setFlag(QStringLiteral("tri"), true);
    EXPECT_TRUE(preferences.save(QDir(dir.path())).isEmpty());
    EXPECT_EQ(readBytes(file()), "tri=oui\n");
}

} // namespace
