#include "cli/CliProcess.h"
#include "TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

// Two tavelin-cli imports started at the same instant on one dossier, two
// hundred times over: each import is either saved in the dossier and
// reported, or refused with exit 1 and left out; never reported and lost.

TEST(ImportRace, OfTwoImportsStartedTogetherNoneIsReportedAndLost)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const char *const labels[] = {"Import A", "Import B"};
    const QString files[] = {QStringLiteral("a.txt"), QStringLiteral("b.txt")};
    for (int i = 0; i < 2; ++i)
        writeBytes(dir.file(files[i]), std::string("15/03/2002\t512000\t") + labels[i] + "\tBQ\t\t10,00\r\n");
    int refusals = 0;
    for (int pair = 0; pair < 200; ++pair) {
        writeBytes(dossier, "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n");
        QProcess runs[2];
        for (int i = 0; i < 2; ++i) {
            runs[i].setWorkingDirectory(dir.path());
            runs[i].start(cliExecutable(), {QStringLiteral("importer"), QStringLiteral("compta.jnl"), files[i]});
        }
        for (QProcess &run : runs)
            ASSERT_TRUE(run.waitForFinished(60000)) << "pair " << pair;
        const std::string saved = readBytes(dossier);
        for (int i = 0; i < 2; ++i) {
            const QString err = QString::fromUtf8(runs[i].readAllStandardError());
            const bool kept = saved.find(labels[i]) != std::string::npos;
            if (runs[i].exitCode() == 0) {
                EXPECT_TRUE(kept) << "pair " << pair << ": " << labels[i] << " reported and lost";
                EXPECT_EQ(err, QStringLiteral("1 écriture importée.\n"));
            } else {
                ++refusals;
                EXPECT_EQ(runs[i].exitCode(), 1) << err.toStdString();
                EXPECT_FALSE(kept) << "pair " << pair << ": " << labels[i] << " refused but saved";
                EXPECT_TRUE(err.startsWith(QStringLiteral("Ce dossier est déjà ouvert par "))) << err.toStdString();
            }
        }
    }
    std::printf("%d imports of 400 refused, the others all saved\n", refusals);
}
