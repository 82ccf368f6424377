#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "document/ui/TFiche.h"
#include "entry/ui/EntryPage.h"
#include "entry/ui/MonthGridView.h"
#include "exchange/ui/TRNom.h"
#include "support/EntryKeys.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The menu commands "I&mporter...", "E&xporter...", "&Rechercher...",
// "&Continuer" (F3) and "&Clôturer exercice" in the running application: the
// main window started on a dossier of 2002 shown on March (today is
// 15/03/2002), the search prompt the real one, entries keyed with the keyboard.

namespace {

const std::string kLedger =
    "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
    "2002010" "05/01/2002\r\n" "2002011" "613000\r\n" "2002012" "Loyer janvier\r\n" "2002013" "BQ\r\n"
    "2002014\r\n" "2002015" "    500,00\r\n" "2002016\r\n" "2002017\r\n"
    "2002040" "05/04/2002\r\n" "2002041" "613000\r\n" "2002042" "Loyer avril\r\n" "2002043" "BQ\r\n"
    "2002044\r\n" "2002045" "    500,00\r\n" "2002046\r\n" "2002047\r\n";

} // namespace

class ExchangeMenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TRNomPrompt> prompt;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TMainForm> main;
    EntryPage *page = nullptr;

    Fiche &fiche() { return main->fiche()->fiche(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // F3 as the user presses it, over the main window brought back to the front.
    void pressF3()
    {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(focused() ? focused() : main.get(), Qt::Key_F3);
    }
    QString shown(int row, int col) const { return page->monthGrid->model()->index(row, col).data().toString().trimmed(); }

    // A line keyed with the keyboard: it stays in the grid, not yet written back.
    void keyLine(const QString &day, const QString &account, const QString &label, const QString &debit)
    {
        keyEntryLine(*page, day, account, label, QStringLiteral("BQ"), debit);
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        prompt = std::make_unique<TRNomPrompt>();
        platform = std::make_unique<Platform>(fake->platform);
        platform->searchPrompt = prompt.get();
        const QString path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kLedger);
        writeBytes(dir->file(QStringLiteral("Tavelin.plc")),
                   "512000 NO Banque\r\n613000 NN Loyers\r\n707000 NN Ventes\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\nBQ O Banque\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.ini")),
                   " 0.00000000000000E+0000\r\n" + path.toStdString() + "\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        main = startApplication(*platform);
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        page = static_cast<EntryPage *>(main->fiche()->page(Page::Saisie));
        // A year not yet over opens on its first month; the tests start from March.
        main->fiche()->run([](Fiche &f) {
            f.ledger.Annee = 2002;
            f.ledger.Mois = 3;
            f.LitMois();
        });
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Mars 2002"));
    }

    void cleanup()
    {
        main.reset();
        platform.reset();
        prompt.reset();
        fake.reset();
        dir.reset();
    }

    void rechercherThenF3VisitEveryMatch()
    {
        onNextModal<TRNom>([](TRNom *p) {
            QTest::keyClicks(p->textField, QStringLiteral("loyer"));
            QTest::keyClick(p->textField, Qt::Key_Return);
        });
        main->menuAction(Cmd::Rechercher)->trigger();
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Janvier 2002"));
        QCOMPARE(shown(0, 2), QStringLiteral("Loyer janvier"));

        pressF3();
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Avril 2002"));
        QCOMPARE(shown(0, 2), QStringLiteral("Loyer avril"));
        QVERIFY(fake->messages.shown.isEmpty());

        pressF3();
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Aucune écriture trouvée")});
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Avril 2002"));
    }

    void theRowFoundIsSelected()
    {
        keyLine(QStringLiteral("10"), QStringLiteral("512000"), QStringLiteral("Un"), QStringLiteral("1,00"));
        keyLine(QStringLiteral("11"), QStringLiteral("512000"), QStringLiteral("Deux"), QStringLiteral("2,00"));
        QTest::mouseClick(page->monthGrid->viewport(), Qt::LeftButton, {},
                          page->monthGrid->visualRect(page->monthGrid->model()->index(1, 2)).center());
        QCOMPARE(page->monthGrid->currentIndex().row(), 1);
        onNextModal<TRNom>([](TRNom *p) {
            QTest::keyClicks(p->textField, QStringLiteral("loyer"));
            QTest::keyClick(p->textField, Qt::Key_Return);
        });
        main->menuAction(Cmd::Rechercher)->trigger();
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Janvier 2002"));
        QCOMPARE(page->monthGrid->currentIndex().row(), 0);
        QCOMPARE(page->monthGrid->selectionModel()->selectedRows(), QModelIndexList{page->monthGrid->model()->index(0, 0)});
    }

    void aLineKeyedBeforeASearchIsStillThereComingBack()
    {
        keyLine(QStringLiteral("20"), QStringLiteral("512"), QStringLiteral("Remise de loyer"), QStringLiteral("30"));
        QCOMPARE(shown(0, 2), QStringLiteral("Remise de loyer"));
        onNextModal<TRNom>([](TRNom *p) {
            QTest::keyClicks(p->textField, QStringLiteral("avril"));
            QTest::mouseClick(p->okButton, Qt::LeftButton);
        });
        main->menuAction(Cmd::Rechercher)->trigger();
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Avril 2002"));
        main->menuAction(Cmd::Precedent)->trigger();
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(shown(0, 2), QStringLiteral("Remise de loyer"));
        QCOMPARE(shown(0, 5), QStringLiteral("30,00"));
    }

    void importKeepsTheKeyedLineAndShowsTheNewOnes()
    {
        keyLine(QStringLiteral("20"), QStringLiteral("512"), QStringLiteral("Saisie en cours"), QStringLiteral("30"));
        const QString file = dir->file(QStringLiteral("releve.txt"));
        writeBytes(file, "21/03/2002\t707000\tVente import\xC3\xA9" "e\tBQ\t\t\t30,00\n");
        fake->fileDialogs.openAnswers.push_back(file);
        main->menuAction(Cmd::Import)->trigger();
        QCOMPARE(shown(0, 2), QStringLiteral("Saisie en cours"));
        QCOMPARE(shown(1, 2), QStringLiteral("Vente importée"));
        QCOMPARE(page->creditTotal->text().trimmed(), QStringLiteral("30,00"));
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("1 écriture importée.")});
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta.jnl]"));
        QVERIFY(fiche().ledger.Modifie);
    }

    void exportsWriteWhatTheUserKeyed()
    {
        keyLine(QStringLiteral("20"), QStringLiteral("512"), QStringLiteral("Saisie en cours"), QStringLiteral("30"));
        const QString month = dir->file(QStringLiteral("mars.txt"));
        fake->fileDialogs.saveAnswers.push_back(month);
        main->menuAction(Cmd::ExportMonth)->trigger();
        QCOMPARE(readBytes(month), std::string("20/03/2002\t512000\tSaisie en cours\tBQ\t\t30,00\t\r\n"));

        const QString all = dir->file(QStringLiteral("tout.txt"));
        fake->fileDialogs.saveAnswers.push_back(all);
        main->menuAction(Cmd::ExportJournal)->trigger();
        QCOMPARE(readBytes(all), std::string("05/01/2002\t613000\tLoyer janvier\tBQ\t\t500,00\t\t\r\n"
                                             "05/04/2002\t613000\tLoyer avril\tBQ\t\t500,00\t\t\r\n"
                                             "20/03/2002\t512000\tSaisie en cours\tBQ\t\t30,00\t\t\r\n"));
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(fake->fileDialogs.saveRequests.at(0).confirmOverwrite);
    }

    void closingCountsTheKeyedLineAndWritesBesideTheReferenceFiles()
    {
        keyLine(QStringLiteral("20"), QStringLiteral("512"), QStringLiteral("Saisie en cours"), QStringLiteral("30"));
        fake->messages.okCancel = {true, true};
        main->menuAction(Cmd::Cloturer)->trigger();
        QCOMPARE(fake->messages.shown,
                 (QStringList{QStringLiteral("L'exercice se termine le 31/12/2002, après aujourd'hui : clôturer quand même ?"),
                              QStringLiteral("Clôturer l'exercice en cours ?"),
                              QStringLiteral("Clôturer définitivement l'exercice ? Les "
                                             "écritures ne pourront plus être modifiées."),
                              QStringLiteral("Écritures d'ouverture écrites dans %1.")
                                  .arg(dir->file(QStringLiteral("ANouveau.Txt")))}));
        QCOMPARE(readBytes(dir->file(QStringLiteral("ANouveau.Txt"))),
                 std::string("01/01/2003\t512000\tBanque\tAN\t\t30,00\r\n"
                             "01/01/2003\t129000\t\tAN\t\t1000,00\r\n"));
    }
};

TAVELIN_WIDGET_TEST(ExchangeMenusTest)
#include "ExchangeMenus_test.moc"
