#include "app/FileNames.h"

#include <gtest/gtest.h>

TEST(FileNames, LedgerNamesEndInJnlInAnyCase)
{
    EXPECT_TRUE(filenames::isLedgerName(QStringLiteral("/compta/COMPTA.JNL")));
    EXPECT_TRUE(filenames::isLedgerName(QStringLiteral("compta.jnl")));
    EXPECT_TRUE(filenames::isLedgerName(QStringLiteral("Compta.Jnl")));
    EXPECT_FALSE(filenames::isLedgerName(QStringLiteral("/compta/compta.txt")));
    EXPECT_FALSE(filenames::isLedgerName(QStringLiteral("compta.jnl.bak")));
    EXPECT_FALSE(filenames::isLedgerName(QStringLiteral("compta_jnl")));
    EXPECT_FALSE(filenames::isLedgerName(QString()));
}

TEST(FileNames, ExtensionIsForcedFromTheFirstDotOfTheFileName)
{
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/home/marie/compta")), QStringLiteral("/home/marie/compta.jnl"));
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/home/marie/compta.2002.jnl")),
              QStringLiteral("/home/marie/compta.jnl"));
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/home/marie/compta.txt")), QStringLiteral("/home/marie/compta.jnl"));
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("compta.JNL")), QStringLiteral("compta.jnl"));
}

TEST(FileNames, DotsInFoldersAndHiddenNamesAreKept)
{
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/home/m.dupont/compta")),
              QStringLiteral("/home/m.dupont/compta.jnl"));
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/srv/exercice.2002/compta.old")),
              QStringLiteral("/srv/exercice.2002/compta.jnl"));
    EXPECT_EQ(filenames::forceLedgerExtension(QStringLiteral("/home/marie/.compta")), QStringLiteral("/home/marie/.compta.jnl"));
}

TEST(FileNames, WithoutFolder)
{
    EXPECT_EQ(filenames::withoutFolder(QStringLiteral("/home/m.dupont/compta.jnl")), QStringLiteral("compta.jnl"));
    EXPECT_EQ(filenames::withoutFolder(QStringLiteral("compta.jnl")), QStringLiteral("compta.jnl"));
    EXPECT_EQ(filenames::withoutFolder(QString()), QString());
}
