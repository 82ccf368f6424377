#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "document/YearEndCommands.h"
#include "document/ui/TFiche.h"
#include "entry/ui/EntryPage.h"
#include "entry/ui/MonthGridView.h"
#include "entry/ui/TClient.h"
#include "support/EntryKeys.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "yearend/ui/TFec.h"
#include "yearend/ui/TValidation.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

// "&Valider les écritures..." and "&FEC (contrôle fiscal)..." in the running
// application (today is 15/04/2002), then every way of changing a validated
// entry or adding one to the validated period, tried with the keyboard, the
// menus and the invoice dialog.

namespace {

const std::string kLedger =
    "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
    "2002030" "05/03/2002\r\n" "2002031" "411000\r\n" "2002032" "Facture\r\n" "2002033" "VE\r\n"
    "2002034" "F1\r\n" "2002035" "    120,00\r\n" "2002036\r\n" "2002037\r\n"
    "2002030" "05/03/2002\r\n" "2002031" "706000\r\n" "2002032" "Facture\r\n" "2002033" "VE\r\n"
    "2002034" "F1\r\n" "2002035\r\n" "2002036" "    120,00\r\n" "2002037\r\n";

} // namespace

class ValidationMenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;
    EntryPage *page = nullptr;
    QString path;

    Fiche &fiche() { return main->fiche()->fiche(); }

    void validateMarch()
    {
        onNextModal<TValidation>([](TValidation *d) {
            QCOMPARE(d->datePicker->date(), QDate(2002, 3, 31));
            QTest::mouseClick(d->okButton, Qt::LeftButton);
        });
        main->menuAction(Cmd::ValidateEntries)->trigger();
        fake->messages.clear();
        // The dialog gone, the user is back in the main window.
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    const QString validatedEntry = QStringLiteral("Écriture validée le 15/04/2002 : elle ne peut plus être modifiée.");
    const QString validatedDeletion = QStringLiteral("Écriture validée le 15/04/2002 : elle ne peut plus être supprimée.");
    const QString validatedPeriod = QStringLiteral("Les écritures jusqu'au 31/03/2002 sont validées");

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 4, 15);
        path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kLedger);
        writeBytes(dir->file(QStringLiteral("Tavelin.plc")), "411000 ON Clients\r\n445700 NN TVA\r\n"
                                                             "607000 NN Achats\r\n706000 NN Ventes\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\nVE O Ventes\r\nV1 O Ventes 1\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.ini")),
                   " 0.00000000000000E+0000\r\n" + path.toStdString() + "\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        main = startApplication(fake->platform);
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        page = static_cast<EntryPage *>(main->fiche()->page(Page::Saisie));
        main->fiche()->run([](Fiche &f) {
            f.ledger.Annee = 2002;
            f.ledger.Mois = 3;
            f.LitMois();
        });
    }

    void cleanup()
    {
        main.reset();
        fake.reset();
        dir.reset();
    }

    void validationIsSavedShownInTheGridAndTheStatusBar()
    {
        QVERIFY(!main->validationPanel->isVisible());
        validateMarch();
        QCOMPARE(main->validationPanel->text(), QStringLiteral("Validé jusqu'au 31/03/2002"));
        QVERIFY(main->validationPanel->isVisible());
        QCOMPARE(page->monthGrid->model()->index(1, 2).data(Qt::ToolTipRole).toString(), validatedEntry);
        QVERIFY(readBytes(path).find("\r\nValidation 31/03/2002 15/04/2002 ") != std::string::npos);
        QVERIFY(!fiche().ledger.Modifie);
    }

    void aValidatedEntryCannotBeChangedNorOneAddedInItsPeriod()
    {
        validateMarch();
        page->monthGrid->setFocus(Qt::OtherFocusReason);
        page->monthGrid->setCurrentIndex(page->monthGrid->model()->index(0, 0));
        QTest::keyClick(page->monthGrid, Qt::Key_Return); // modify
        QTest::keyClick(page->monthGrid, Qt::Key_Delete); // delete: no question asked
        QCOMPARE(fake->messages.boxes, (std::vector<FakeMessages::Shown>{{FakeMessages::Box::Information, validatedEntry},
                                                                         {FakeMessages::Box::Information, validatedDeletion}}));
        QCOMPARE(fiche().ledger.NbLignes, 2);
        fake->messages.clear();

        // Posting a line of the period, then pasting it back and posting again.
        keyEntryLine(*page, QStringLiteral("10"), QStringLiteral("411"), QStringLiteral("Avoir"), QStringLiteral("VE"),
                     QStringLiteral("5"));
        main->menuAction(Cmd::Copier)->trigger();
        main->menuAction(Cmd::Coller)->trigger();
        page->debitField->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(page->debitField, Qt::Key_Enter);
        QCOMPARE(fake->messages.shown, (QStringList{validatedPeriod, validatedPeriod}));
        QCOMPARE(fiche().ledger.NbLignes, 2);
        fake->messages.clear();

        const QString file = dir->file(QStringLiteral("releve.txt"));
        writeBytes(file, "10/03/2002\t411000\tTrop tard\tVE\t\t5,00\t\r\n10/04/2002\t411000\tAvril\tVE\t\t5,00\t\r\n");
        fake->fileDialogs.openAnswers.push_back(file);
        main->menuAction(Cmd::Import)->trigger();
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("1 écriture importée.\n1 ligne refusée :\n  ligne 1 : "
                                                                  "la date 10/03/2002 est dans la période validée "
                                                                  "(jusqu'au 31/03/2002).")});
        fake->messages.clear();

        QVERIFY(whileModal<TClient>([&] { main->menuAction(Cmd::CustomerInvoice)->trigger(); }, [&](TClient &d) {
            d.dateField->setFocus(Qt::TabFocusReason);
            typeFieldsWithTab({QStringLiteral("10032002")});
            QVERIFY(d.dateField->hasFocus());
            d.dateField->selectAll();
            typeFieldsWithTab({QStringLiteral("10042002"), QStringLiteral("Dupont"), QStringLiteral("12"),
                               QStringLiteral("10"), QStringLiteral("2")});
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        }));
        QCOMPARE(fake->messages.shown, QStringList{validatedPeriod});
    }

    void theFecIsWrittenWhereTheUserChose()
    {
        const QString folder = dir->file(QStringLiteral("controle"));
        QVERIFY(QDir().mkdir(folder));
        fake->fileDialogs.folderAnswers.push_back(folder);
        QVERIFY(whileModal<TFec>([&] { main->menuAction(Cmd::ExportFec)->trigger(); }, [&](TFec &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("FEC (contrôle fiscal)"));
            typeInto(d.sirenField, QStringLiteral("732829321"));
            QTest::mouseClick(d.okButton, Qt::LeftButton);
            QVERIFY(d.isVisible());
            d.sirenField->selectAll();
            typeInto(d.sirenField, QStringLiteral("732 829 320"));
            QTest::mouseClick(d.okButton, Qt::LeftButton);
        }));
        QCOMPARE(fake->fileDialogs.folderStarts, QStringList{dir->path()});
        QCOMPARE(fake->messages.shown.size(), 2);
        QVERIFY(fake->messages.shown[0].startsWith(QStringLiteral("Le SIREN « 732829321 » n'est pas valide")));
        QVERIFY(fake->messages.shown[1].startsWith(QStringLiteral("FEC écrit dans 732829320FEC20021231.txt : 2 lignes")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/732829320FEC20021231.txt")));
        QCOMPARE(document::rememberedSiren(fiche()), QStringLiteral("732829320"));
    }

    void theNextYearOpensOnceTheYearIsClosedForGood()
    {
        QAction *nextYear = main->menuAction(Cmd::NextYear);
        QVERIFY(!nextYear->isEnabled());
        fake->messages.okCancel = {true, true}; // closed before the year's end
        fake->messages.yesNoCancel = {FakeMessages::Answer::Yes};
        main->menuAction(Cmd::Cloturer)->trigger();
        fake->messages.clear();
        QVERIFY(nextYear->isEnabled());

        fake->fileDialogs.saveAnswers = {path};
        nextYear->trigger();
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("Le fichier %1 existe déjà : l'exercice suivant n'a pas été créé.").arg(path)});
        fake->messages.clear();

        const QString next = dir->file(QStringLiteral("2003.jnl"));
        fake->fileDialogs.saveAnswers = {next};
        nextYear->trigger();
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("Exercice du 01/01/2003 au 31/12/2003 créé dans %1 : 2 écritures "
                                            "d'à-nouveaux.").arg(next)});
        QCOMPARE(fiche().ledger.NomFichier, next);
        QCOMPARE(fiche().ledger.fiscalYear.start, QDate(2003, 1, 1));
        QVERIFY(!nextYear->isEnabled());
    }
};

TAVELIN_WIDGET_TEST(ValidationMenusTest)
#include "ValidationMenus_test.moc"
