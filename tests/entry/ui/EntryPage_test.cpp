#include "WidgetTests.h"
#include "document/EntryCommands.h"
#include "entry/EntryLine.h"
#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"
#include "entry/ui/MonthGridView.h"
#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "document/ui/TFiche.h"
#include "support/EntryKeys.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QString kMark = QStringLiteral("\u00D7");
}

// The entry page driven by the keyboard and the mouse, on a document showing
// March 2002 (today is 15/03/2002) with a small chart and two journals.
class EntryPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;
    EntryPage *page = nullptr;

    Fiche &fiche() { return window->fiche(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // Types into the field with the focus, characters beyond ASCII included.
    void type(const QString &text) { typeInto(focused(), text); }
    void key(Qt::Key k) { QTest::keyClick(focused(), k); }
    QString shown(int row, int col) const
    {
        return page->monthGrid->model()->index(row, col).data().toString();
    }
    QPoint rowCentre(int row) const
    {
        return QPoint(page->monthGrid->columnViewportPosition(2) + 10,
                      page->monthGrid->rowViewportPosition(row) + 11);
    }
    void clickRow(int row) { QTest::mouseClick(page->monthGrid->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    void doubleClickRow(int row)
    {
        QWidget *viewport = page->monthGrid->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCentre(row));
    }
    void postDirectly(const QString &date, const QString &account, const QString &label, const QString &debit)
    {
        window->run([&](Fiche &f) {
            f.entry.panel = EntryPanel{date, account, label, QStringLiteral("VT"), {}, debit, {}};
            EntryLine(f.ledger, f.entry).post();
        });
    }
    void keyLine(const QString &day, const QString &account, const QString &label, const QString &debit)
    {
        keyEntryLine(*page, day, account, label, QStringLiteral("VT"), debit);
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TFiche>(fake->platform);
        page = static_cast<EntryPage *>(window->page(Page::Saisie));
        window->run([](Fiche &f) {
            f.ledger.ref.ListePlc = {QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("411000 ON Clients"),
                              QStringLiteral("512000 NO Banque")};
            f.ledger.ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VT O Ventes")};
            f.ledger.InitPlc();
            f.ledger.InitJnx();
            f.LitMois();
        });
        window->resize(1000, 600);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void pageShowsTheEntryLineAndTheMonth()
    {
        QCOMPARE(page->columnTitles->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Libellé"));
        QCOMPARE(page->columnTitles->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Crédit"));
        QCOMPARE(page->postButton->text(), QStringLiteral("OK"));
        QCOMPARE(page->dateField->displayText(), QStringLiteral("__/__/____"));
        QCOMPARE(page->accountField->count(), 3);
        QCOMPARE(page->journalField->itemText(1), QStringLiteral("VT"));
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(page->monthGrid->model()->rowCount(), 32);
        QCOMPARE(page->monthGrid->model()->columnCount(), 8);
        QCOMPARE(page->monthGrid->rowHeight(0), 22);
        QCOMPARE(page->labelField->width(), 1000 - 532);
        QCOMPARE(page->debitField->x(), 1000 - 254);
        QCOMPARE(page->monthGrid->columnWidth(2), 1000 - 528);
        QCOMPARE(page->monthGrid->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(page->postButton->focusPolicy(), Qt::NoFocus);
    }

    void keyedLineIsCompletedAndPosted()
    {
        page->dateField->setFocus(Qt::TabFocusReason);
        type(QStringLiteral("05"));
        key(Qt::Key_Tab);
        QCOMPARE(page->dateField->text(), QStringLiteral("05/03/2002"));
        QCOMPARE(focused(), page->accountField);
        type(QStringLiteral("401"));
        key(Qt::Key_Tab);
        QCOMPARE(page->accountField->currentText(), QStringLiteral("401000"));
        QCOMPARE(fiche().ledger.ref.ListePlc[0], QStringLiteral("401000 ON Fournisseurs"));
        QCOMPARE(focused(), page->labelField);
        key(Qt::Key_Tab);
        QCOMPARE(page->labelField->text(), QStringLiteral("Fournisseurs"));
        type(QStringLiteral("VT"));
        key(Qt::Key_Tab);
        type(QStringLiteral("F12"));
        key(Qt::Key_Tab);
        type(QStringLiteral("12.5"));
        key(Qt::Key_Enter);

        QCOMPARE(fiche().ledger.NbLignes, 1);
        QCOMPARE(shown(0, 0), QStringLiteral("05/03/2002"));
        QCOMPARE(shown(0, 1), QStringLiteral("401000"));
        QCOMPARE(shown(0, 2), QStringLiteral("Fournisseurs"));
        QCOMPARE(shown(0, 4), QStringLiteral("F12"));
        QCOMPARE(shown(0, 5), QStringLiteral("12,50"));
        QCOMPARE(page->debitTotal->text(), QStringLiteral("12,50"));
        QCOMPARE(page->creditTotal->text(), QStringLiteral("0,00"));
        QCOMPARE(fiche().ledger.ref.ListeJnx[1], QStringLiteral("VT O Ventes"));
        // The entry line is cleared, keeps its journal and proposes the date again.
        QCOMPARE(focused(), page->dateField);
        QCOMPARE(page->dateField->text(), QStringLiteral("05/03/2002"));
        QCOMPARE(page->journalField->currentText(), QStringLiteral("VT"));
        QVERIFY(page->labelField->text().isEmpty());
        QVERIFY(page->debitField->text().isEmpty());
        QVERIFY(fake->messages.shown.isEmpty());

        // Typing over the proposed date starts a new one.
        type(QStringLiteral("07"));
        key(Qt::Key_Tab);
        QCOMPARE(page->dateField->text(), QStringLiteral("07/03/2002"));
    }

    void refusedFieldsTakeTheFocusBack()
    {
        fiche().entry.DerniereDate = QStringLiteral("01/03/2002");
        page->voucherField->setFocus(Qt::MouseFocusReason);
        page->dateField->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(page->dateField->text(), QStringLiteral("01/03/2002"));
        type(QStringLiteral("3104"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), page->dateField);
        QCOMPARE(page->dateField->displayText(), QStringLiteral("31/04/____"));
        QVERIFY(fake->messages.shown.isEmpty());

        type(QStringLiteral("30"));
        key(Qt::Key_Tab);
        QCOMPARE(page->dateField->text(), QStringLiteral("30/03/2002"));
        type(QStringLiteral("7"));
        key(Qt::Key_Tab);
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Le compte 700000 n'existe pas")});
        QCOMPARE(focused(), page->accountField);
        QCOMPARE(page->accountField->currentText(), QStringLiteral("700000"));

        page->accountField->setEditText(QString());
        page->accountField->lineEdit()->setText(QStringLiteral("411"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        type(QStringLiteral("XX"));
        key(Qt::Key_Tab);
        QCOMPARE(fake->messages.shown.size(), 2);
        QCOMPARE(fake->messages.shown.last(), QStringLiteral("Le journal XX n'existe pas"));
        QCOMPARE(focused(), page->journalField);
    }

    void enterPostsOnlyFromTheLaterFields()
    {
        auto fillLine = [this] {
            window->run([](Fiche &f) {
                f.entry.panel = EntryPanel{QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"),
                                     QStringLiteral("VT"), {}, QStringLiteral("1"), {}};
            });
        };
        fillLine();
        const QList<QWidget *> inert = {page->dateField, page->accountField, page->journalField};
        for (QWidget *field : inert) {
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_Enter);
            key(Qt::Key_Return);
        }
        QCOMPARE(fiche().ledger.NbLignes, 0);
        QCOMPARE(page->journalField->count(), 2);

        const QList<QWidget *> posting = {page->labelField, page->voucherField, page->debitField, page->creditField};
        int expected = 0;
        for (QWidget *field : posting) {
            fillLine();
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_Return);
            QCOMPARE(fiche().ledger.NbLignes, ++expected);
        }

        fillLine();
        QTest::mouseClick(page->postButton, Qt::LeftButton);
        QCOMPARE(fiche().ledger.NbLignes, ++expected);
    }

    void pageKeysChangeTheMonthFromEveryField()
    {
        fiche().entry.DerniereDate = QStringLiteral("01/03/2002");
        page->labelField->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("abc"));
        key(Qt::Key_PageDown);
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Avril 2002"));
        QVERIFY(page->labelField->text().isEmpty());
        QCOMPARE(focused(), page->dateField);
        QCOMPARE(page->dateField->displayText(), QStringLiteral("__/__/____"));

        page->journalField->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_PageDown);
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Mai 2002"));
        QVERIFY2(page->journalField->currentText().isEmpty(), "the key did not pick a journal");

        const QList<QWidget *> fields = {page->dateField, page->accountField, page->labelField, page->journalField,
                                         page->voucherField,     page->debitField,     page->creditField};
        for (QWidget *field : fields) {
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_PageUp);
        }
        QCOMPARE(page->monthCaption->text(), QStringLiteral("Octobre 2001"));
        QCOMPARE(page->accountField->currentText(), QString());
    }

    void doubleClickBringsTheLineBack()
    {
        postDirectly(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("1"));
        postDirectly(QStringLiteral("04/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"),
                     QStringLiteral("2"));
        page->labelField->setFocus(Qt::MouseFocusReason);
        doubleClickRow(0);
        QVERIFY(fiche().entry.ModeModif);
        QCOMPARE(fiche().entry.LigneModif, 0);
        QCOMPARE(page->accountField->currentText(), QStringLiteral("411000"));
        QCOMPARE(page->labelField->text(), QStringLiteral("un"));
        QCOMPARE(page->debitField->text(), QStringLiteral("1,00"));
        QCOMPARE(focused(), page->dateField);
        // The line keeps its own date: the last posted date is for new lines.
        QCOMPARE(page->dateField->text(), QStringLiteral("02/03/2002"));

        // From the menu while the date field has the focus, the row's date stays.
        fiche().entry.selectedRow = 0;
        window->run(document::modifySelected);
        QCOMPARE(page->dateField->text(), QStringLiteral("02/03/2002"));
        page->creditField->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("5"));
        key(Qt::Key_Enter);
        QCOMPARE(fiche().ledger.NbLignes, 2);
        QCOMPARE(shown(0, 6), QStringLiteral("5,00"));
        QCOMPARE(shown(0, 2), QStringLiteral("un"));
    }

    void checkOffByClicksAndKeys()
    {
        postDirectly(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("1"));
        postDirectly(QStringLiteral("03/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"),
                     QStringLiteral("2"));
        postDirectly(QStringLiteral("04/03/2002"), QStringLiteral("512000"), QStringLiteral("trois"),
                     QStringLiteral("3"));
        clickRow(1);
        QVERIFY2(shown(1, 7).isEmpty(), "check-off mode is off");
        window->run([](Fiche &f) { document::Pointer(f, true); });
        clickRow(1);
        QCOMPARE(shown(1, 7), kMark);
        clickRow(1);
        QVERIFY2(shown(1, 7).isEmpty(), "a click on the row already selected counts");

        clickRow(0);
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Compte non pointable")});
        QCOMPARE(focused(), static_cast<QWidget *>(page->monthGrid));
        key(Qt::Key_Down);
        QCOMPARE(fiche().entry.selectedRow, 1);
        QCOMPARE(shown(1, 7), kMark);
        key(Qt::Key_Down);
        QCOMPARE(shown(2, 7), kMark);

        // The first click of a double-click toggles once, then the line comes back.
        doubleClickRow(2);
        QVERIFY(shown(2, 7).isEmpty());
        QVERIFY(fiche().entry.ModeModif);
        QCOMPARE(page->labelField->text(), QStringLiteral("trois"));
        QVERIFY(fiche().ledger.Modifie);
    }

    void copyPasteAndDeleteFromTheWindowCommands()
    {
        page->dateField->setFocus(Qt::TabFocusReason);
        type(QStringLiteral("06"));
        key(Qt::Key_Tab);
        type(QStringLiteral("411"));
        key(Qt::Key_Tab);
        type(QStringLiteral("Acompte"));
        page->debitField->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("12.5"));
        window->run(document::Copier);
        key(Qt::Key_Enter);
        QCOMPARE(fiche().ledger.NbLignes, 1);
        QVERIFY(page->debitField->text().isEmpty());
        window->run(document::Coller);
        QCOMPARE(page->dateField->text(), QStringLiteral("06/03/2002"));
        QCOMPARE(page->accountField->currentText(), QStringLiteral("411000"));
        QCOMPARE(page->labelField->text(), QStringLiteral("Acompte"));
        QCOMPARE(page->debitField->text(), QStringLiteral("12.5"));

        fiche().entry.selectedRow = 0;
        window->run(document::Supprimer);
        QCOMPARE(fiche().ledger.NbLignes, 0);
        QVERIFY(shown(0, 0).isEmpty());
        QCOMPARE(page->debitTotal->text(), QStringLiteral("0,00"));
    }

    void postedLinesReachTheLedgerFile()
    {
        CurrentTempDir dir;
        keyLine(QStringLiteral("05"), QStringLiteral("411"), QStringLiteral("Vente"), QStringLiteral("12.5"));
        keyLine(QStringLiteral("02"), QStringLiteral("512"), QStringLiteral("Remise"), QStringLiteral("3"));
        page->labelField->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_PageDown);
        keyLine(QStringLiteral("10"), QStringLiteral("401"), QStringLiteral("Achat"), QStringLiteral("7"));
        const QString path = dir.file(QStringLiteral("compta.jnl"));
        QVERIFY(fiche().Sauve(path));

        const std::string bytes = readBytes(path);
        auto line = [](const char *key, char col, const QString &text) {
            return std::string(key) + col + cp1252::encode(text) + "\r\n";
        };
        const std::string march = line("200203", '0', QStringLiteral("02/03/2002")) +
                                  line("200203", '1', QStringLiteral("512000")) +
                                  line("200203", '2', QStringLiteral("Remise")) +
                                  line("200203", '3', QStringLiteral("VT")) + line("200203", '4', {}) +
                                  line("200203", '5', forms::Rset(QStringLiteral("3,00"))) +
                                  line("200203", '6', {}) + line("200203", '7', {}) +
                                  line("200203", '0', QStringLiteral("05/03/2002")) +
                                  line("200203", '1', QStringLiteral("411000"));
        const std::string april = line("200204", '0', QStringLiteral("10/04/2002")) +
                                  line("200204", '1', QStringLiteral("401000")) +
                                  line("200204", '2', QStringLiteral("Achat"));
        const auto at = bytes.find(march);
        QVERIFY(at != std::string::npos);
        QVERIFY(bytes.find(april) > at);
        QVERIFY(bytes.find(line("200203", '5', forms::Rset(QStringLiteral("12,50")))) != std::string::npos);
        int marchLines = 0;
        for (const QByteArray &l : QByteArray::fromStdString(bytes).split('\n'))
            marchLines += l.startsWith("200203") ? 1 : 0;
        QCOMPARE(marchLines, 16);
        QVERIFY(!fiche().ledger.Modifie);
    }
    // A desktop that leaves another window active once a message box has
    // closed: the document window then gets no focus event at all, yet the
    // keys still reach its fields.
    void correctedCodesAreCheckedWithoutTheWindowActive()
    {
        window->run([](Fiche &f) {
            f.ledger.ref.ListePlc.append(QStringLiteral("607000 NN Achats"));
            f.ledger.InitPlc();
        });
        QWidget elsewhere;
        elsewhere.resize(100, 100);
        fake->messages.whileShown = [&elsewhere] {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        };
        const auto keys = [](QWidget *field, const QString &text) {
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
        };
        page->dateField->setFocus(Qt::TabFocusReason);
        keys(page->dateField, QStringLiteral("05"));
        keys(page->accountField, QStringLiteral("999"));
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Le compte 999000 n'existe pas")});
        QVERIFY(!window->isActiveWindow());
        QCOMPARE(window->focusWidget(), page->accountField);

        keys(page->accountField, QStringLiteral("607"));
        QCOMPARE(page->accountField->currentText(), QStringLiteral("607000"));
        QCOMPARE(fake->messages.shown.size(), 1);
        QCOMPARE(window->focusWidget(), page->labelField);
        keys(page->labelField, QStringLiteral("Achat"));
        keys(page->journalField, QStringLiteral("ZZ"));
        keys(page->journalField, QStringLiteral("QQ"));
        QCOMPARE(fake->messages.shown, (QStringList{QStringLiteral("Le compte 999000 n'existe pas"),
                                                    QStringLiteral("Le journal ZZ n'existe pas"),
                                                    QStringLiteral("Le journal QQ n'existe pas")}));
        // Still kept in the journal field: a click or a key elsewhere runs its rule again.
        QTest::keyClicks(page->debitField, QStringLiteral("1"));
        QCOMPARE(fake->messages.shown.size(), 4);
        QVERIFY(page->debitField->text().isEmpty());
        keys(page->journalField, QStringLiteral("AC"));
        QTest::keyClick(page->voucherField, Qt::Key_Tab);
        QTest::keyClicks(page->debitField, QStringLiteral("10"));
        QTest::keyClick(page->debitField, Qt::Key_Enter);
        QCOMPARE(fiche().ledger.NbLignes, 1);
        QCOMPARE(shown(0, 1), QStringLiteral("607000"));
        QCOMPARE(shown(0, 3), QStringLiteral("AC"));
    }

    void amountsAndDatesThePostingRefuses()
    {
        struct Case {
            QString day, debit, message;
            QWidget *focus;
        } cases[] = {
            {QStringLiteral("05"), QStringLiteral("abc"), QStringLiteral("Montant invalide : abc"), page->debitField},
            {QStringLiteral("15/06"), QStringLiteral("5"),
             QStringLiteral("La date doit être dans le mois affiché (Mars 2002)"), page->dateField},
        };
        for (const Case &c : cases) {
            fake->messages.clear();
            keyLine(c.day, QStringLiteral("411"), QStringLiteral("x"), c.debit);
            QCOMPARE(fake->messages.shown, QStringList{c.message});
            QCOMPARE(focused(), c.focus);
            QCOMPARE(fiche().ledger.NbLignes, 0);
        }
        keyLine(QStringLiteral("05"), QStringLiteral("411"), QStringLiteral("x"), QStringLiteral("1 200,50 €"));
        QCOMPARE(fiche().ledger.NbLignes, 1);
        QCOMPARE(shown(0, 5), QStringLiteral("1200,50"));

        page->labelField->setFocus(Qt::MouseFocusReason);
        type(QString(300, u'a'));
        QCOMPARE(page->labelField->text().size(), 254);
    }

    void theGridIsWorkedFromTheKeyboard()
    {
        postDirectly(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("1"));
        postDirectly(QStringLiteral("03/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"),
                     QStringLiteral("2"));
        page->labelField->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("pas encore posté"));
        key(Qt::Key_F6);
        QCOMPARE(focused(), static_cast<QWidget *>(page->monthGrid));
        key(Qt::Key_Down);
        QCOMPARE(fiche().entry.selectedRow, 1);

        // Space checks the line off in check-off mode, as a click does.
        window->run([](Fiche &f) { document::Pointer(f, true); });
        key(Qt::Key_Space);
        QCOMPARE(shown(1, 7), kMark);
        key(Qt::Key_Space);
        QVERIFY(shown(1, 7).isEmpty());
        window->run([](Fiche &f) { document::Pointer(f, false); });

        // Delete asks first.
        fake->messages.yesNoCancel = {Messages::Answer::No};
        key(Qt::Key_Delete);
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Supprimer l'écriture du 03/03/2002 ?")});
        QCOMPARE(fiche().ledger.NbLignes, 2);
        fake->messages.yesNoCancel = {Messages::Answer::Yes};
        key(Qt::Key_Delete);
        QCOMPARE(fiche().ledger.NbLignes, 1);

        // Enter takes the selected line for modification, never posts the entry line.
        key(Qt::Key_Up);
        key(Qt::Key_Enter);
        QCOMPARE(fiche().ledger.NbLignes, 1);
        QVERIFY(fiche().entry.ModeModif);
        QCOMPARE(focused(), page->dateField);
        QCOMPARE(page->labelField->text(), QStringLiteral("un"));
        QCOMPARE(page->dateField->text(), QStringLiteral("02/03/2002"));

        page->monthGrid->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_F6);
        QCOMPARE(focused(), page->dateField);
    }

    void aClickInTheDateFieldStartsTheDateAtTheDay()
    {
        page->labelField->setFocus(Qt::MouseFocusReason);
        const QPoint yearEnd(page->dateField->width() - 4, page->dateField->height() / 2);
        QTest::mouseClick(page->dateField, Qt::LeftButton, {}, yearEnd);
        QCOMPARE(focused(), page->dateField);
        QCOMPARE(page->dateField->cursorPosition(), 0);
        type(QStringLiteral("05"));
        QCOMPARE(page->dateField->displayText(), QStringLiteral("05/__/____"));

        // After a file is opened, the date field takes the digits from the day.
        CurrentTempDir dir;
        const QString path = dir.file(QStringLiteral("compta.jnl"));
        writeBytes(path, "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n");
        window->run([&](Fiche &f) { f.Charge(path); });
        QCOMPARE(focused(), page->dateField);
        type(QStringLiteral("07"));
        QCOMPARE(page->dateField->displayText(), QStringLiteral("07/__/____"));
    }

    void listsShowLabelsAndTotalsShowAnUnbalancedMonth()
    {
        auto *accounts = page->accountField->view()->itemDelegate();
        const QLocale locale;
        QCOMPARE(static_cast<QStyledItemDelegate *>(accounts)->displayText(QStringLiteral("411000"), locale),
                 QStringLiteral("411000  Clients"));
        auto *journals = static_cast<QStyledItemDelegate *>(page->journalField->view()->itemDelegate());
        QCOMPARE(journals->displayText(QStringLiteral("VT"), locale), QStringLiteral("VT  Ventes"));
        page->accountField->setCurrentIndex(1);
        QCOMPARE(page->accountField->currentText(), QStringLiteral("411000"));

        const QColor normal = page->debitTotal->palette().color(QPalette::Text);
        postDirectly(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("1"));
        QCOMPARE(page->debitTotal->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(page->creditTotal->palette().color(QPalette::Text), QColor(Qt::red));
        window->run([](Fiche &f) {
            f.entry.panel = EntryPanel{QStringLiteral("02/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"),
                                 QStringLiteral("VT"), {}, {}, QStringLiteral("1")};
            EntryLine(f.ledger, f.entry).post();
        });
        QCOMPARE(page->debitTotal->palette().color(QPalette::Text), normal);

        // The entry line and its totals never get narrower than they can stand.
        QVERIFY(window->minimumSizeHint().width() >= 640);
        window->resize(300, 100);
        QVERIFY(window->width() >= 640);
    }
};

TAVELIN_WIDGET_TEST(EntryPageTest)
#include "EntryPage_test.moc"
