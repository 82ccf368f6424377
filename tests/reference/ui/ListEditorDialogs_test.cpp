#include "WidgetTests.h"
#include "reference/ui/TJnx.h"
#include "reference/ui/TPlan.h"
#include "support/FakePlatform.h"

#include <QCheckBox>
#include <QLabel>
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
    Answer warningYesNoCancel(const QString &) override { return Answer::Cancel; }
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
    // The caption shown beside a field.
    static QString captionOf(const QDialog &dialog, const QWidget *field)
    {
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->buddy() == field)
                return label->text();
        return QString();
    }
    // The widgets the Tab key visits from the code field, in order.
    static QList<QWidget *> tabOrder(const ListEditorDialog &dialog)
    {
        QList<QWidget *> order{dialog.codeField};
        for (QWidget *w = dialog.codeField->nextInFocusChain(); w != dialog.codeField; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w);
        return order;
    }

private slots:
    void init() { messages.clear(); }

    void planWindowTexts()
    {
        TPlan dialog(messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Plan comptable"));
        QCOMPARE(captionOf(dialog, dialog.codeField), QStringLiteral("Compte"));
        QCOMPARE(captionOf(dialog, dialog.labelField), QStringLiteral("Libellé"));
        QCOMPARE(dialog.checkOffBox->text(), QStringLiteral("Pointable"));
        QCOMPARE(dialog.validateButton->toolTip(), QStringLiteral("Valider"));
        QCOMPARE(dialog.closeButton->text(), QStringLiteral("Fermer"));
        QCOMPARE(dialog.codeField->maxLength(), 6);
        QCOMPARE(tabOrder(dialog), (QList<QWidget *>{dialog.codeField, dialog.labelField, dialog.entryList,
                                                      dialog.checkOffBox, dialog.closeButton}));
    }

    void journalWindowTexts()
    {
        TJnx dialog(messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Liste des journaux"));
        QCOMPARE(captionOf(dialog, dialog.codeField), QStringLiteral("Code"));
        QCOMPARE(captionOf(dialog, dialog.labelField), QStringLiteral("Nom"));
        QVERIFY(!dialog.findChild<QCheckBox *>()); // no "Pointable" box
        QCOMPARE(dialog.validateButton->toolTip(), QStringLiteral("Valider"));
        QCOMPARE(dialog.closeButton->text(), QStringLiteral("Fermer"));
        QCOMPARE(dialog.codeField->maxLength(), 2);
        QCOMPARE(tabOrder(dialog),
                 (QList<QWidget *>{dialog.codeField, dialog.labelField, dialog.entryList, dialog.closeButton}));
    }

    void planKeysFilterCompleteAndValidate()
    {
        TPlan dialog(messages);
        showActive(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog.codeField);
        QTest::keyClicks(dialog.codeField, "4a1-b");
        QCOMPARE(dialog.codeField->text(), QStringLiteral("41"));
        QTest::keyClick(dialog.codeField, Qt::Key_Backspace);
        QTest::keyClicks(dialog.codeField, "1234567");
        QCOMPARE(dialog.codeField->text(), QStringLiteral("412345")); // at most six characters
        dialog.codeField->clear();
        dialog.codeField->insert(QStringLiteral("4x"));
        QCOMPARE(dialog.codeField->text(), QString()); // pasted text obeys the same rule

        QTest::keyClicks(dialog.codeField, "411");
        QTest::keyClick(dialog.codeField, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.labelField);
        QCOMPARE(dialog.codeField->text(), QStringLiteral("411000"));
        QTest::keyClicks(dialog.labelField, "Clients");
        QTest::keyClick(dialog.labelField, Qt::Key_Return);
        QCOMPARE(shownItems(dialog.entryList), QStringList{"411000 NN Clients"});
        QCOMPARE(dialog.labelField->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog.codeField);

        // Enter in the code field completes the code, as leaving the field does.
        dialog.labelField->setText(QStringLiteral("Banque"));
        QTest::keyClicks(dialog.codeField, "512");
        QTest::keyClick(dialog.codeField, Qt::Key_Enter);
        QCOMPARE(shownItems(dialog.entryList), (QStringList{"411000 NN Clients", "512000 NN Banque"}));
        QVERIFY(dialog.isVisible());
    }

    void aMessageBoxDoesNotLeaveTheCodeField()
    {
        BoxMessages boxes;
        TPlan dialog(boxes);
        dialog.Init({"411000 NN Clients"});
        showActive(dialog);
        QTest::keyClicks(dialog.codeField, "4110");
        QTest::keyClick(dialog.codeField, Qt::Key_Return);
        QCOMPARE(boxes.shown, QStringList{"Ce compte existe déjà"});
        QCOMPARE(dialog.focusWidget(), dialog.codeField);
        QCOMPARE(dialog.codeField->text(), QStringLiteral("411000"));
    }

    void planListSelectionValidateAndDelete()
    {
        TPlan dialog(messages);
        dialog.Init({"512000 NN Banque", "411000 ON Clients"});
        showActive(dialog);
        clickRow(dialog.entryList, 1);
        QCOMPARE(dialog.codeField->text(), QStringLiteral("512000"));
        QCOMPARE(dialog.labelField->text(), QStringLiteral("Banque"));
        // "Valider" takes no focus, so clicking it never leaves the code field.
        QCOMPARE(dialog.validateButton->focusPolicy(), Qt::NoFocus);
        dialog.checkOffBox->setChecked(true);
        QTest::mouseClick(dialog.validateButton, Qt::LeftButton);
        QCOMPARE(shownItems(dialog.entryList), (QStringList{"411000 ON Clients", "512000 NO Banque"}));
        QVERIFY(dialog.entryList->selectedItems().isEmpty());
        QCOMPARE(QApplication::focusWidget(), dialog.codeField);

        dialog.entryList->setFocus();
        QTest::keyClick(dialog.entryList, Qt::Key_Delete);
        QCOMPARE(dialog.entryList->count(), 2); // nothing selected
        QTest::keyClick(dialog.entryList, Qt::Key_Return);
        QVERIFY(dialog.isVisible()); // "Fermer" is no default button
        // The keyboard selects as clicking does.
        QTest::keyClick(dialog.entryList, Qt::Key_Home);
        QCOMPARE(dialog.codeField->text(), QStringLiteral("411000"));
        QTest::keyClick(dialog.entryList, Qt::Key_Delete);
        QCOMPARE(messages.boxes, FakeMessages::informationBox("Compte déjà utilisé ne peut être supprimé"));
        QTest::keyClick(dialog.entryList, Qt::Key_Down);
        QVERIFY(dialog.checkOffBox->isChecked());
        QTest::keyClick(dialog.entryList, Qt::Key_Delete);
        QCOMPARE(shownItems(dialog.entryList), QStringList{"411000 ON Clients"});
        QCOMPARE(dialog.codeField->text(), QString());
        QVERIFY(!dialog.checkOffBox->isChecked());
    }

    void escapeAndFermerCloseKeepingTheChanges()
    {
        TPlan chartWindow(messages);
        showActive(chartWindow);
        QTest::keyClicks(chartWindow.codeField, "6");
        QTest::keyClick(chartWindow.codeField, Qt::Key_Tab);
        QTest::keyClicks(chartWindow.labelField, "Achats");
        QTest::keyClick(chartWindow.labelField, Qt::Key_Return);
        QTest::keyClick(chartWindow.codeField, Qt::Key_Escape);
        QVERIFY(!chartWindow.isVisible());
        QStringList chart;
        chartWindow.editor().Result(chart);
        QCOMPARE(chart, QStringList{"600000 NN Achats"});

        TJnx journalsWindow(messages);
        showActive(journalsWindow);
        QTest::mouseClick(journalsWindow.closeButton, Qt::LeftButton);
        QVERIFY(!journalsWindow.isVisible());
    }

    void journalCodeTakesAnyCharacterAndTurnsUpperCase()
    {
        TJnx dialog(messages);
        dialog.Init({"VE O Ventes", "AC N Achats"});
        showActive(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog.codeField);
        QTest::keyClicks(dialog.codeField, "bqx");
        QCOMPARE(dialog.codeField->text(), QStringLiteral("bq"));
        QTest::keyClick(dialog.codeField, Qt::Key_Tab);
        QCOMPARE(dialog.codeField->text(), QStringLiteral("BQ"));
        QTest::keyClicks(dialog.labelField, "Banque");
        QTest::keyClick(dialog.labelField, Qt::Key_Return);
        QCOMPARE(shownItems(dialog.entryList), (QStringList{"VE O Ventes", "AC N Achats", "BQ N Banque"}));
        clickRow(dialog.entryList, 0);
        QTest::keyClick(dialog.entryList, Qt::Key_Delete);
        QCOMPARE(messages.boxes, FakeMessages::informationBox("Journal déjà utilisé ne peut être supprimé"));
    }
};

TAVELIN_WIDGET_TEST(ListEditorDialogsTest)
#include "ListEditorDialogs_test.moc"
