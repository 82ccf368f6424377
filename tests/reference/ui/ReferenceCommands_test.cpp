#include "WidgetTests.h"
#include "reference/ReferenceDialogs.h"
#include "reference/ui/TJnx.h"
#include "reference/ui/TPlan.h"
#include "reference/ui/TSociete.h"
#include "document/ui/TFiche.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

// The document window's "Société", "Plan comptable" and "Journaux" commands,
// each dialog driven by a timer while the command waits on it.
class ReferenceCommandsTest : public QObject {
    Q_OBJECT

    static const inline std::array<QString, 7> kCompany = {
        "SARL Tavelin", "12 rue des Lilas", "", "69000 LYON", "Tél 04 78 00 00 00", "", "SIRET 000"};

    FakePlatform fake;
    CurrentTempDir dir; // where the reference files are written when a dialog closes

    // Runs `command`; as soon as its modal dialog is up, `user` acts on it.
    template <class Dialog>
    static void withDialog(const std::function<void()> &command, const std::function<void(Dialog &)> &user)
    {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            reached = true;
            user(*dialog);
            if (dialog->isVisible()) // a failed check must not leave the command waiting
                dialog->reject();
        });
        command();
        QVERIFY(reached);
    }

    // Replaces a field's text as typing over it would (key clicks only know ASCII).
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        edit->insert(text);
    }

private slots:
    void societeWindowTexts()
    {
        TSociete dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Société"));
        QCOMPARE(dialog.headingLabel->text(), QStringLiteral("Lignes constituant l'en-tête de la société"));
        QCOMPARE(dialog.headingLabel->alignment(), Qt::AlignCenter);
        QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Annuler"));
        QCOMPARE(dialog.okButton->text(), QStringLiteral("OK"));
        QVERIFY(dialog.okButton->isDefault());
        // Lines 1 to 7 in tab order, from the first.
        for (std::size_t i = 0; i + 1 < dialog.lineFields.size(); ++i)
            QCOMPARE(dialog.lineFields[i]->nextInFocusChain(), dialog.lineFields[i + 1]);
    }

    void societeOkChangesOnlyWhatWasTyped()
    {
        TFiche window(fake.platform);
        window.fiche().ledger.ref.Societe = kCompany;
        withDialog<TSociete>([&] { window.Psoc(); }, [](TSociete &d) {
            QCOMPARE(d.lineFields[3]->text(), QStringLiteral("69000 LYON"));
            type(d.lineFields[4], QStringLiteral("Tél 04 72 11 11 11"));
            QTest::mouseClick(d.okButton, Qt::LeftButton);
        });
        std::array<QString, 7> expected = kCompany;
        expected[4] = QStringLiteral("Tél 04 72 11 11 11");
        QCOMPARE(window.fiche().ledger.ref.Societe, expected);
        // Written at once, not only when the program closes.
        QCOMPARE(readBytes(dir.file(QStringLiteral("Tavelin.soc"))),
                 std::string("SARL Tavelin\r\n12 rue des Lilas\r\n\r\n69000 LYON\r\nT\xE9l 04 72 11 11 11\r\n\r\n"
                             "SIRET 000\r\n"));
    }

    void societeCancelledOrNamelessChangesNothing()
    {
        TFiche window(fake.platform);
        window.fiche().ledger.ref.Societe = kCompany;
        const std::string before = readBytes(dir.file(QStringLiteral("Tavelin.soc")));
        const std::function<void(TSociete &)> closers[] = {
            [](TSociete &d) { QTest::mouseClick(d.cancelButton, Qt::LeftButton); },
            [](TSociete &d) { QTest::keyClick(d.lineFields[4], Qt::Key_Escape); },
            [](TSociete &d) { d.close(); }, // the window frame
            [](TSociete &d) {
                d.lineFields[0]->clear();
                QTest::keyClick(d.lineFields[4], Qt::Key_Return); // "OK" is the default button
            },
        };
        for (const auto &close : closers) {
            withDialog<TSociete>([&] { window.Psoc(); }, [&](TSociete &d) {
                type(d.lineFields[4], QStringLiteral("changé"));
                close(d);
                QVERIFY(!d.isVisible());
            });
            QCOMPARE(window.fiche().ledger.ref.Societe, kCompany);
        }
        QCOMPARE(readBytes(dir.file(QStringLiteral("Tavelin.soc"))), before);
    }

    void societeConfirmedOnceThenClosedByTheFrameIsACancel()
    {
        TSociete dialog;
        dialog.Init(kCompany);
        dialog.show();
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        dialog.show();
        dialog.lineFields[4]->setText(QStringLiteral("changé"));
        dialog.close();
        ReferenceData ref;
        ref.Societe = kCompany;
        QVERIFY(!dialogs::Psoc(ref, dialog.form()));
        QCOMPARE(ref.Societe, kCompany);
    }

    void listEditorsHandTheirListsBackToTheDocument()
    {
        TFiche window(fake.platform);
        ReferenceData &ref = window.fiche().ledger.ref;
        ref.ListePlc = {"411000 ON Clients"};
        ref.ListeJnx = {"VE O Ventes"};
        withDialog<TPlan>([&] { window.Plc(); }, [](TPlan &d) {
            QCOMPARE(QApplication::focusWidget(), d.codeField);
            QTest::keyClicks(d.codeField, "512");
            QTest::keyClick(d.codeField, Qt::Key_Tab);
            QTest::keyClicks(d.labelField, "Banque");
            QTest::keyClick(d.labelField, Qt::Key_Return);
            QTest::keyClick(d.codeField, Qt::Key_Escape);
        });
        QCOMPARE(ref.ListePlc, (QStringList{"411000 ON Clients", "512000 NN Banque"}));
        QCOMPARE(ref.accountItems, (QStringList{"411000", "512000"}));
        QVERIFY(ref.PlanModifie);
        QCOMPARE(readBytes(dir.file(QStringLiteral("Tavelin.plc"))), std::string("411000 ON Clients\r\n512000 NN Banque\r\n"));

        withDialog<TJnx>([&] { window.Journaux(); }, [](TJnx &d) {
            QTest::keyClicks(d.codeField, "ac");
            QTest::keyClick(d.codeField, Qt::Key_Tab);
            QTest::keyClicks(d.labelField, "Achats");
            QTest::keyClick(d.labelField, Qt::Key_Return);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(ref.ListeJnx, (QStringList{"AC N Achats", "VE O Ventes"}));
        QCOMPARE(ref.journalItems, (QStringList{"AC", "VE"}));
        QCOMPARE(readBytes(dir.file(QStringLiteral("Tavelin.Cbx"))), std::string("[JOURNAUX]\r\nAC N Achats\r\nVE O Ventes\r\n"));
    }
};

TAVELIN_WIDGET_TEST(ReferenceCommandsTest)
#include "ReferenceCommands_test.moc"
