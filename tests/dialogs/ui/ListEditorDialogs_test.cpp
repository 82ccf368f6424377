#include "dialogs/ui/TJnx.h"
#include "dialogs/ui/TPlan.h"
#include "support/FakePlatform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

// Shows each message in a real modal box, closed by a timer: the box takes
// the focus away from the dialog as it would for the user.
class BoxMessages final : public Messages {
public:
    QStringList shown;
    void information(const QString &text) override
    {
        shown.append(text);
        QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
        QTimer::singleShot(50, &box, &QMessageBox::accept);
        box.exec();
    }
    Answer warningYesNoCancel(const QString &) override { return Answer::Annuler; }
    bool warningOkCancel(const QString &) override { return false; }
};

// The chart of accounts and journals windows driven by keys and clicks.
class ListEditorDialogsTest : public QObject {
    Q_OBJECT

    FakeMessages messages;

    static void showActive(QDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    static void clickRow(QListWidget *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    static QStringList shownItems(QListWidget *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }

private slots:
    void init() { messages.shown.clear(); }

    void planKeysFilterCompleteAndValidate()
    {
        TPlan dialog(messages);
        showActive(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
        QTest::keyClicks(dialog.Edit1, "4a1-b");
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("41"));
        QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
        QTest::keyClicks(dialog.Edit1, "1234567");
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("412345")); // at most six characters
        dialog.Edit1->clear();
        dialog.Edit1->insert(QStringLiteral("4x"));
        QCOMPARE(dialog.Edit1->text(), QString()); // pasted text obeys the same rule

        QTest::keyClicks(dialog.Edit1, "411");
        QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.Edit2);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("411000"));
        QTest::keyClicks(dialog.Edit2, "Clients");
        QTest::keyClick(dialog.Edit2, Qt::Key_Return);
        QCOMPARE(shownItems(dialog.ListBox1), QStringList{"411000 NN Clients"});
        QCOMPARE(dialog.Edit2->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog.Edit1);

        // Enter in the code field validates the code as typed.
        dialog.Edit2->setText(QStringLiteral("Banque"));
        QTest::keyClicks(dialog.Edit1, "512");
        QTest::keyClick(dialog.Edit1, Qt::Key_Enter);
        QCOMPARE(shownItems(dialog.ListBox1), (QStringList{"411000 NN Clients", "512 NN Banque"}));
        QVERIFY(dialog.isVisible());
    }

    void aMessageBoxDoesNotLeaveTheCodeField()
    {
        BoxMessages boxes;
        TPlan dialog(boxes);
        dialog.Init({"411000 NN Clients"});
        showActive(dialog);
        QTest::keyClicks(dialog.Edit1, "41");
        QTest::keyClick(dialog.Edit1, Qt::Key_Return);
        QCOMPARE(boxes.shown, QStringList{"Ce compte existe déjà"});
        QCOMPARE(dialog.focusWidget(), dialog.Edit1);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("41")); // not completed behind the box
    }

    void planListSelectionValidateAndDelete()
    {
        TPlan dialog(messages);
        dialog.Init({"512000 NN Banque", "411000 ON Clients"});
        showActive(dialog);
        clickRow(dialog.ListBox1, 1);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("512000"));
        QCOMPARE(dialog.Edit2->text(), QStringLiteral("Banque"));
        // "Valider" takes no focus, so clicking it never leaves the code field.
        QCOMPARE(dialog.SpeedButton1->focusPolicy(), Qt::NoFocus);
        dialog.CheckBox1->setChecked(true);
        QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
        QCOMPARE(shownItems(dialog.ListBox1), (QStringList{"411000 ON Clients", "512000 NO Banque"}));
        QVERIFY(dialog.ListBox1->selectedItems().isEmpty());
        QCOMPARE(QApplication::focusWidget(), dialog.Edit1);

        dialog.ListBox1->setFocus();
        QTest::keyClick(dialog.ListBox1, Qt::Key_Delete);
        QCOMPARE(dialog.ListBox1->count(), 2); // nothing selected
        QTest::keyClick(dialog.ListBox1, Qt::Key_Return);
        QVERIFY(dialog.isVisible()); // "Fermer" is no default button
        // The keyboard selects as clicking does.
        QTest::keyClick(dialog.ListBox1, Qt::Key_Home);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("411000"));
        QTest::keyClick(dialog.ListBox1, Qt::Key_Delete);
        QCOMPARE(messages.shown, QStringList{"Compte dejà utilisé ne peut être supprimé"});
        QTest::keyClick(dialog.ListBox1, Qt::Key_Down);
        QVERIFY(dialog.CheckBox1->isChecked());
        QTest::keyClick(dialog.ListBox1, Qt::Key_Delete);
        QCOMPARE(shownItems(dialog.ListBox1), QStringList{"411000 ON Clients"});
        QCOMPARE(dialog.Edit1->text(), QString());
        QVERIFY(!dialog.CheckBox1->isChecked());
    }

    void escapeAndFermerCloseKeepingTheChanges()
    {
        TPlan plan(messages);
        showActive(plan);
        QTest::keyClicks(plan.Edit1, "6");
        QTest::keyClick(plan.Edit1, Qt::Key_Tab);
        QTest::keyClicks(plan.Edit2, "Achats");
        QTest::keyClick(plan.Edit2, Qt::Key_Return);
        QTest::keyClick(plan.Edit1, Qt::Key_Escape);
        QVERIFY(!plan.isVisible());
        QStringList chart;
        plan.editor().Result(chart);
        QCOMPARE(chart, QStringList{"600000 NN Achats"});

        TJnx jnx(messages);
        showActive(jnx);
        QTest::mouseClick(jnx.Button1, Qt::LeftButton);
        QVERIFY(!jnx.isVisible());
    }

    void journalCodeTakesAnyCharacterAndTurnsUpperCase()
    {
        TJnx dialog(messages);
        dialog.Init({"VE O Ventes", "AC N Achats"});
        showActive(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
        QTest::keyClicks(dialog.Edit1, "bqx");
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("bq"));
        QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("BQ"));
        QTest::keyClicks(dialog.Edit2, "Banque");
        QTest::keyClick(dialog.Edit2, Qt::Key_Return);
        QCOMPARE(shownItems(dialog.ListBox1), (QStringList{"VE O Ventes", "AC N Achats", "BQ N Banque"}));
        clickRow(dialog.ListBox1, 0);
        QTest::keyClick(dialog.ListBox1, Qt::Key_Delete);
        QCOMPARE(messages.shown, QStringList{"Journal dejà utilisé ne peut être supprimé"});
    }
};

QTEST_MAIN(ListEditorDialogsTest)
#include "ListEditorDialogs_test.moc"
