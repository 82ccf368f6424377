#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "document/ui/TFiche.h"
#include "ledger/DossierLock.h"
#include "support/FakePlatform.h"
#include "support/HeldFlock.h"
#include "support/TempDir.h"

#include <QSysInfo>
#include <QTest>

// A dossier in a shared folder, through the main window: opened read-only
// while another session holds it, and never saved over another program's
// changes without the user's word.

namespace {

const std::string kSharedLedger = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
                            "2002030" "15/03/2002\r\n" "2002031" "607000\r\n" "2002035" "    120,00\r\n";

} // namespace

class SharedDossierTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kSharedLedger);
        fake->fileDialogs.openAnswers = {path};
    }
    void cleanup()
    {
        main.reset();
        fake.reset();
        dir.reset();
    }

    void aDossierAnotherSessionHoldsOpensReadOnlyAndIsSavedNowhere()
    {
        // A session that is still there: it holds its lock's flock.
        writeBytes(dossierlock::lockPath(path),
                   "marie\n" + QSysInfo::machineHostName().toStdString() + "\n1\n2002-03-15T09:15:00\n");
        const HeldFlock liveSession(path);
        QVERIFY(liveSession.held());
        fake->messages.choices = {Messages::Choice::First};
        main = startApplication(fake->platform);
        main->menuAction(Cmd::Open)->trigger();
        QCOMPARE(fake->messages.choiceButtons, (QStringList{"Ouvrir en &lecture seule", "&Ouvrir quand même"}));
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta.jnl (lecture seule)]"));
        QCOMPARE(main->fiche()->fiche().ledger.Lignes.size(), std::size_t(8));

        main->menuAction(Cmd::Exercice)->trigger();
        QVERIFY(main->fiche()->fiche().ledger.Modifie);
        QTest::mouseClick(main->toolButton(Cmd::Save), Qt::LeftButton); // the save dialog is cancelled
        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(readBytes(path), kSharedLedger);
    }

    void aDossierChangedElsewhereIsSavedOverOnlyWhenTheUserSaysSo()
    {
        main = startApplication(fake->platform);
        main->menuAction(Cmd::Open)->trigger();
        main->menuAction(Cmd::Exercice)->trigger();
        // Another program saves the dossier meanwhile.
        const std::string theirs = kSharedLedger + "2002030" "16/03/2002\r\n";
        writeBytes(path, theirs);

        main->menuAction(Cmd::Save)->trigger(); // "Annuler"
        const FakeMessages::Shown conflict{
            FakeMessages::Box::WarningChoice,
            QStringLiteral("Le dossier %1 a été modifié par ailleurs depuis son ouverture.").arg(path)};
        QVERIFY(fake->messages.boxes == std::vector<FakeMessages::Shown>{conflict});
        QCOMPARE(fake->messages.choiceButtons, (QStringList{"Enregistrer quand même", "Enregistrer sous..."}));
        QCOMPARE(readBytes(path), theirs);

        fake->messages.choices = {Messages::Choice::First};
        QTest::mouseClick(main->toolButton(Cmd::Save), Qt::LeftButton); // "Enregistrer quand même"
        QVERIFY(readBytes(path) != theirs);
        QCOMPARE(readBytes(path + QStringLiteral(".bak")), theirs);
        QVERIFY(!main->fiche()->fiche().ledger.Modifie);
    }

private:
    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;
    QString path;
};

TAVELIN_WIDGET_TEST(SharedDossierTest)
#include "SharedDossier_test.moc"
