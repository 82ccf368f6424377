#include "WidgetTests.h"
#include "printing/ui/TEnveloppes.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const printing::AddressLines letterhead{QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"),
                                        QStringLiteral("75011 Paris"), QString()};

} // namespace

class TEnveloppesTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLetterheadAsSenderAndAnEmptyRecipient()
    {
        TEnveloppes dialog;
        dialog.SetExp(letterhead);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enveloppes"));
        QStringList boxes;
        for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
            boxes.append(box->title());
        QCOMPARE(boxes, (QStringList{QStringLiteral("Destinataire"), QStringLiteral("Expéditeur")}));
        QCOMPARE(dialog.okButton->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Annuler"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dialog.senderLines[i]->text(), letterhead[i]);
            QVERIFY(dialog.recipientLines[i]->text().isEmpty());
        }
    }

    void aThirtySixthCharacterCannotBeTyped()
    {
        TEnveloppes dialog;
        dialog.SetExp({});
        dialog.show();
        const QString typed = QStringLiteral("123456789 123456789 123456789 12345XYZ");
        for (QLineEdit *line : dialog.recipientLines)
            QTest::keyClicks(line, typed);
        for (QLineEdit *line : dialog.senderLines)
            QTest::keyClicks(line, typed);
        for (const QLineEdit *line : dialog.recipientLines)
            QCOMPARE(line->text(), typed.left(35));
        for (const QLineEdit *line : dialog.senderLines)
            QCOMPARE(line->text(), typed.left(35));
    }

    void aLongerLetterheadLineIsOfferedWhole()
    {
        const QString longLine = QStringLiteral("Zone artisanale des Grands Champs, bâtiment C");
        TEnveloppes dialog;
        dialog.SetExp({QStringLiteral("SARL Dupont"), longLine, QString(), QString()});
        dialog.show();
        QCOMPARE(dialog.senderLines[1]->text(), longLine);
        QTest::keyClicks(dialog.senderLines[1], QStringLiteral("X"));
        QCOMPARE(dialog.senderLines[1]->text(), longLine);
    }

    void okGivesWhatWasTyped()
    {
        TEnveloppes dialog;
        dialog.SetExp(letterhead);
        dialog.show();
        QTest::keyClicks(dialog.recipientLines[0], QStringLiteral("Cabinet Martin"));
        QTest::keyClicks(dialog.recipientLines[1], QStringLiteral("12 avenue Foch"));
        QTest::keyClicks(dialog.recipientLines[3], QStringLiteral("69006 Lyon"));
        dialog.senderLines[2]->selectAll();
        QTest::keyClicks(dialog.senderLines[2], QStringLiteral("75012 Paris"));
        QTest::keyClick(dialog.senderLines[2], Qt::Key_Return); // OK is the default button

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto addresses = dialog.Result();
        QVERIFY(addresses);
        QCOMPARE(addresses->recipient, (printing::AddressLines{QStringLiteral("Cabinet Martin"), QStringLiteral("12 avenue Foch"),
                                                               QString(), QStringLiteral("69006 Lyon")}));
        QCOMPARE(addresses->sender, (printing::AddressLines{QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"),
                                                            QStringLiteral("75012 Paris"), QString()}));
    }

    void annulerAndEscapeGiveNothing()
    {
        TEnveloppes dialog;
        dialog.SetExp(letterhead);
        dialog.show();
        QTest::keyClicks(dialog.recipientLines[0], QStringLiteral("Cabinet Martin"));
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.Result());

        dialog.show();
        QTest::keyClicks(dialog.recipientLines[0], QStringLiteral("Cabinet Martin"));
        QTest::keyClick(dialog.recipientLines[0], Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.Result());
    }

    void showingAgainStartsWithAnEmptyRecipient()
    {
        TEnveloppes dialog;
        dialog.SetExp(letterhead);
        dialog.show();
        QTest::keyClicks(dialog.recipientLines[0], QStringLiteral("Cabinet Martin"));
        QTest::keyClicks(dialog.recipientLines[2], QStringLiteral("Lyon"));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(dialog.Result());

        dialog.show();
        QVERIFY(!dialog.Result()); // cancelled until OK is pressed again
        for (const QLineEdit *line : dialog.recipientLines)
            QVERIFY(line->text().isEmpty());
        QCOMPARE(dialog.senderLines[0]->text(), QStringLiteral("SARL Dupont"));
    }
};

TAVELIN_WIDGET_TEST(TEnveloppesTest)
#include "TEnveloppes_test.moc"
