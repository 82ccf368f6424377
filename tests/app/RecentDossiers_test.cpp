#include "app/RecentDossiers.h"
#include "support/TempDir.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecentDossiers, KeepsTheLastFiveOpenedThatStillExistMostRecentFirst)
{
    QTemporaryDir dir;
    const RecentDossiers recent(dir.filePath(QStringLiteral("config/Tavelin/derniers-dossiers")));
    QStringList dossiers;
    for (int i = 1; i <= 7; ++i) {
        dossiers.append(dir.filePath(QStringLiteral("compta%1.jnl").arg(i)));
        writeBytes(dossiers.last(), "<HEAD>\r\n");
    }
    for (const QString &path : {dossiers[0], dossiers[1], dossiers[2], dossiers[3], dossiers[4], dossiers[5], dossiers[1]})
        EXPECT_EQ(recent.add(path), QString());
    QFile::remove(dossiers[4]);
    EXPECT_EQ(recent.paths(), (QStringList{dossiers[1], dossiers[5], dossiers[3], dossiers[2]}));
    EXPECT_TRUE(RecentDossiers().paths().isEmpty()) << "no file, no list";
    EXPECT_EQ(RecentDossiers().add(dossiers[6]), QString());
}
