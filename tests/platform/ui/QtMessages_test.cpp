#include "WidgetTests.h"
#include "platform/ui/QtMessages.h"
#include "support/ModalDriver.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

enum class Kind { Information, YesNoCancel, OkCancel, AcceptCancel };

// Shows a box of that kind and tells its answer as text.
QString answerOf(QtMessages &messages, Kind kind)
{
    switch (kind) {
    case Kind::Information: messages.information(QStringLiteral("Texte")); return QStringLiteral("vu");
    case Kind::YesNoCancel: {
        const Messages::Answer a = messages.warningYesNoCancel(QStringLiteral("Texte"));
        return a == Messages::Answer::Yes ? QStringLiteral("oui") : a == Messages::Answer::No ? QStringLiteral("non")
                                                                                               : QStringLiteral("annuler");
    }
    case Kind::OkCancel: return messages.warningOkCancel(QStringLiteral("Texte")) ? "ok" : "annuler";
    case Kind::AcceptCancel:
        return messages.warningAcceptCancel(QStringLiteral("Texte"), QStringLiteral("&Ouvrir quand même")) ? "ok"
                                                                                                           : "annuler";
    }
    return {};
}

} // namespace

// The desktop's message boxes: their buttons and the keys that answer them.
class QtMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void aButtonsAccessLetterAnswersTheBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        const QStringList yesNo{"&Oui", "&Non", "&Annuler"};
        QTest::newRow("N answers Non") << int(Kind::YesNoCancel) << yesNo << int(Qt::Key_N) << "non";
        QTest::newRow("O answers Oui") << int(Kind::YesNoCancel) << yesNo << int(Qt::Key_O) << "oui";
        QTest::newRow("A cancels") << int(Kind::OkCancel) << QStringList{"&OK", "&Annuler"} << int(Qt::Key_A)
                                   << "annuler";
        QTest::newRow("O confirms") << int(Kind::OkCancel) << QStringList{"&OK", "&Annuler"} << int(Qt::Key_O) << "ok";
        QTest::newRow("the caller's button") << int(Kind::AcceptCancel) << QStringList{"&Ouvrir quand même", "&Annuler"}
                                             << int(Qt::Key_O) << "ok";
        QTest::newRow("information") << int(Kind::Information) << QStringList{"&OK"} << int(Qt::Key_O) << "vu";
    }

    void aButtonsAccessLetterAnswersTheBox()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, buttons);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QStringList shown;
        onNextModal<QMessageBox>([&](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons())
                shown.append(button->text());
            QTest::keyClick(box, Qt::Key(key));
        });
        QtMessages messages;
        QCOMPARE(answerOf(messages, Kind(kind)), answer);
        shown.sort();
        buttons.sort();
        QCOMPARE(shown, buttons);
    }
};

TAVELIN_WIDGET_TEST(QtMessagesTest)
#include "QtMessages_test.moc"
