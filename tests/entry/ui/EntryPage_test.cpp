#include "entry/EntryLine.h"
#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"
#include "entry/ui/MonthGridView.h"
#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "ledger/ui/TFiche.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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
    void type(const QString &text) { QTest::keyClicks(focused(), text); }
    void key(Qt::Key k) { QTest::keyClick(focused(), k); }
    QString shown(int row, int col) const
    {
        return page->StringGrid1->model()->index(row, col).data().toString();
    }
    QPoint rowCentre(int row) const
    {
        return QPoint(page->StringGrid1->columnViewportPosition(2) + 10,
                      page->StringGrid1->rowViewportPosition(row) + 11);
    }
    void clickRow(int row) { QTest::mouseClick(page->StringGrid1->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    void doubleClickRow(int row)
    {
        QWidget *viewport = page->StringGrid1->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCentre(row));
    }
    void postDirectly(const QString &date, const QString &compte, const QString &libelle, const QString &debit)
    {
        window->run([&](Fiche &f) {
            f.panel = EntryPanel{date, compte, libelle, QStringLiteral("VT"), {}, debit, {}};
            EntryLine(f).SpeedButton1Click();
        });
    }
    // Keys a whole line from the date field, the way a user does.
    void keyLine(const QString &day, const QString &account, const QString &label, const QString &debit)
    {
        page->MaskEdit1->setFocus(Qt::TabFocusReason);
        type(day);
        key(Qt::Key_Tab);
        type(account);
        key(Qt::Key_Tab);
        type(label);
        key(Qt::Key_Tab);
        type(QStringLiteral("VT"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        type(debit);
        key(Qt::Key_Enter);
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TFiche>(fake->platform);
        page = static_cast<EntryPage *>(window->page(Page::Saisie));
        window->run([](Fiche &f) {
            f.ref.ListePlc = {QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("411000 ON Clients"),
                              QStringLiteral("512000 NO Banque")};
            f.ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VT O Ventes")};
            f.InitPlc();
            f.InitJnx();
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
        QCOMPARE(page->Header1->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Libellé"));
        QCOMPARE(page->Header1->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Crédit"));
        QCOMPARE(page->SpeedButton1->text(), QStringLiteral("OK"));
        QCOMPARE(page->MaskEdit1->displayText(), QStringLiteral("__/__/____"));
        QCOMPARE(page->ComboBox1->count(), 3);
        QCOMPARE(page->ComboBox2->itemText(1), QStringLiteral("VT"));
        QCOMPARE(page->Label1->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(page->StringGrid1->model()->rowCount(), 32);
        QCOMPARE(page->StringGrid1->model()->columnCount(), 8);
        QCOMPARE(page->StringGrid1->rowHeight(0), 22);
        QCOMPARE(page->Edit1->width(), 1000 - 532);
        QCOMPARE(page->Edit4->x(), 1000 - 254);
        QCOMPARE(page->StringGrid1->columnWidth(2), 1000 - 528);
        QCOMPARE(page->StringGrid1->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(page->SpeedButton1->focusPolicy(), Qt::NoFocus);
    }

    void keyedLineIsCompletedAndPosted()
    {
        page->MaskEdit1->setFocus(Qt::TabFocusReason);
        type(QStringLiteral("05"));
        key(Qt::Key_Tab);
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("05/03/2002"));
        QCOMPARE(focused(), page->ComboBox1);
        type(QStringLiteral("401"));
        key(Qt::Key_Tab);
        QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("401000"));
        QCOMPARE(fiche().ref.ListePlc[0], QStringLiteral("401000 ON Fournisseurs"));
        QCOMPARE(focused(), page->Edit1);
        key(Qt::Key_Tab);
        QCOMPARE(page->Edit1->text(), QStringLiteral("Fournisseurs"));
        type(QStringLiteral("VT"));
        key(Qt::Key_Tab);
        type(QStringLiteral("F12"));
        key(Qt::Key_Tab);
        type(QStringLiteral("12.5"));
        key(Qt::Key_Enter);

        QCOMPARE(fiche().NbLignes, 1);
        QCOMPARE(shown(0, 0), QStringLiteral("05/03/2002"));
        QCOMPARE(shown(0, 1), QStringLiteral("401000"));
        QCOMPARE(shown(0, 2), QStringLiteral("Fournisseurs"));
        QCOMPARE(shown(0, 4), QStringLiteral("F12"));
        QCOMPARE(shown(0, 5), QStringLiteral("12,50"));
        QCOMPARE(page->Edit6->text(), QStringLiteral("12,50"));
        QCOMPARE(page->Edit7->text(), QStringLiteral("0,00"));
        QCOMPARE(fiche().ref.ListeJnx[1], QStringLiteral("VT O Ventes"));
        // The entry line is cleared, keeps its journal and proposes the date again.
        QCOMPARE(focused(), page->MaskEdit1);
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("05/03/2002"));
        QCOMPARE(page->ComboBox2->currentText(), QStringLiteral("VT"));
        QVERIFY(page->Edit1->text().isEmpty());
        QVERIFY(page->Edit4->text().isEmpty());
        QVERIFY(fake->messages.shown.isEmpty());

        // Typing over the proposed date starts a new one.
        type(QStringLiteral("07"));
        key(Qt::Key_Tab);
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("07/03/2002"));
    }

    void refusedFieldsTakeTheFocusBack()
    {
        fiche().DerniereDate = QStringLiteral("01/03/2002");
        page->Edit3->setFocus(Qt::MouseFocusReason);
        page->MaskEdit1->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("01/03/2002"));
        type(QStringLiteral("3104"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), page->MaskEdit1);
        QCOMPARE(page->MaskEdit1->displayText(), QStringLiteral("31/04/____"));
        QVERIFY(fake->messages.shown.isEmpty());

        type(QStringLiteral("30"));
        key(Qt::Key_Tab);
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("30/03/2002"));
        type(QStringLiteral("7"));
        key(Qt::Key_Tab);
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Le compte 700000 n'existe pas")});
        QCOMPARE(focused(), page->ComboBox1);
        QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("700000"));

        page->ComboBox1->setEditText(QString());
        page->ComboBox1->lineEdit()->setText(QStringLiteral("411"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        type(QStringLiteral("XX"));
        key(Qt::Key_Tab);
        QCOMPARE(fake->messages.shown.size(), 2);
        QCOMPARE(fake->messages.shown.last(), QStringLiteral("Le journal XX n'existe pas"));
        QCOMPARE(focused(), page->ComboBox2);
    }

    void enterPostsOnlyFromTheLaterFields()
    {
        auto fillLine = [this] {
            window->run([](Fiche &f) {
                f.panel = EntryPanel{QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"),
                                     QStringLiteral("VT"), {}, QStringLiteral("1"), {}};
            });
        };
        fillLine();
        const QList<QWidget *> inert = {page->MaskEdit1, page->ComboBox1, page->ComboBox2};
        for (QWidget *field : inert) {
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_Enter);
            key(Qt::Key_Return);
        }
        QCOMPARE(fiche().NbLignes, 0);
        QCOMPARE(page->ComboBox2->count(), 2);

        const QList<QWidget *> posting = {page->Edit1, page->Edit3, page->Edit4, page->Edit5, page->StringGrid1};
        int expected = 0;
        for (QWidget *field : posting) {
            fillLine();
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_Return);
            QCOMPARE(fiche().NbLignes, ++expected);
        }

        fillLine();
        QTest::mouseClick(page->SpeedButton1, Qt::LeftButton);
        QCOMPARE(fiche().NbLignes, ++expected);
    }

    void pageKeysChangeTheMonthFromEveryField()
    {
        fiche().DerniereDate = QStringLiteral("01/03/2002");
        page->Edit1->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("abc"));
        key(Qt::Key_PageDown);
        QCOMPARE(page->Label1->text(), QStringLiteral("Avril 2002"));
        QVERIFY(page->Edit1->text().isEmpty());
        QCOMPARE(focused(), page->MaskEdit1);
        QCOMPARE(page->MaskEdit1->displayText(), QStringLiteral("__/__/____"));

        page->ComboBox2->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_PageDown);
        QCOMPARE(page->Label1->text(), QStringLiteral("Mai 2002"));
        QVERIFY2(page->ComboBox2->currentText().isEmpty(), "the key did not pick a journal");

        const QList<QWidget *> fields = {page->MaskEdit1, page->ComboBox1, page->Edit1, page->ComboBox2,
                                         page->Edit3,     page->Edit4,     page->Edit5};
        for (QWidget *field : fields) {
            field->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_PageUp);
        }
        QCOMPARE(page->Label1->text(), QStringLiteral("Octobre 2001"));
        QCOMPARE(page->ComboBox1->currentText(), QString());
    }

    void doubleClickBringsTheLineBack()
    {
        postDirectly(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("1"));
        postDirectly(QStringLiteral("04/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"),
                     QStringLiteral("2"));
        page->Edit1->setFocus(Qt::MouseFocusReason);
        doubleClickRow(0);
        QVERIFY(fiche().ModeModif);
        QCOMPARE(fiche().LigneModif, 0);
        QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("411000"));
        QCOMPARE(page->Edit1->text(), QStringLiteral("un"));
        QCOMPARE(page->Edit4->text(), QStringLiteral("1,00"));
        QCOMPARE(focused(), page->MaskEdit1);
        // Entering the date field from the grid proposes the last posted date.
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("04/03/2002"));

        // From the menu while the date field has the focus, the row's date stays.
        fiche().StringGrid1Row = 0;
        window->ModifierEcriture();
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("02/03/2002"));
        page->Edit5->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("5"));
        key(Qt::Key_Enter);
        QCOMPARE(fiche().NbLignes, 2);
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
        window->Pointer(true);
        clickRow(1);
        QCOMPARE(shown(1, 7), kMark);
        clickRow(1);
        QVERIFY2(shown(1, 7).isEmpty(), "a click on the row already selected counts");

        clickRow(0);
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Compte non pointable")});
        QCOMPARE(focused(), static_cast<QWidget *>(page->StringGrid1));
        key(Qt::Key_Down);
        QCOMPARE(fiche().StringGrid1Row, 1);
        QCOMPARE(shown(1, 7), kMark);
        key(Qt::Key_Down);
        QCOMPARE(shown(2, 7), kMark);

        // The first click of a double-click toggles once, then the line comes back.
        doubleClickRow(2);
        QVERIFY(shown(2, 7).isEmpty());
        QVERIFY(fiche().ModeModif);
        QCOMPARE(page->Edit1->text(), QStringLiteral("trois"));
        QVERIFY(fiche().Modifie);
    }

    void copyPasteAndDeleteFromTheWindowCommands()
    {
        page->MaskEdit1->setFocus(Qt::TabFocusReason);
        type(QStringLiteral("06"));
        key(Qt::Key_Tab);
        type(QStringLiteral("411"));
        key(Qt::Key_Tab);
        type(QStringLiteral("Acompte"));
        page->Edit4->setFocus(Qt::MouseFocusReason);
        type(QStringLiteral("12.5"));
        window->Copier();
        key(Qt::Key_Enter);
        QCOMPARE(fiche().NbLignes, 1);
        QVERIFY(page->Edit4->text().isEmpty());
        window->Coller();
        QCOMPARE(page->MaskEdit1->text(), QStringLiteral("06/03/2002"));
        QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("411000"));
        QCOMPARE(page->Edit1->text(), QStringLiteral("Acompte"));
        QCOMPARE(page->Edit4->text(), QStringLiteral("12.5"));

        fiche().StringGrid1Row = 0;
        window->Supprimer();
        QCOMPARE(fiche().NbLignes, 0);
        QVERIFY(shown(0, 0).isEmpty());
        QCOMPARE(page->Edit6->text(), QStringLiteral("0,00"));
    }

    void postedLinesReachTheLedgerFile()
    {
        CurrentTempDir dir;
        keyLine(QStringLiteral("05"), QStringLiteral("411"), QStringLiteral("Vente"), QStringLiteral("12.5"));
        keyLine(QStringLiteral("02"), QStringLiteral("512"), QStringLiteral("Remise"), QStringLiteral("3"));
        page->Edit1->setFocus(Qt::MouseFocusReason);
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
                                  line("200203", '5', forms::rset(QStringLiteral("3,00"))) +
                                  line("200203", '6', {}) + line("200203", '7', {}) +
                                  line("200203", '0', QStringLiteral("05/03/2002")) +
                                  line("200203", '1', QStringLiteral("411000"));
        const std::string april = line("200204", '0', QStringLiteral("10/04/2002")) +
                                  line("200204", '1', QStringLiteral("401000")) +
                                  line("200204", '2', QStringLiteral("Achat"));
        const auto at = bytes.find(march);
        QVERIFY(at != std::string::npos);
        QVERIFY(bytes.find(april) > at);
        QVERIFY(bytes.find(line("200203", '5', forms::rset(QStringLiteral("12,50")))) != std::string::npos);
        int marchLines = 0;
        for (const QByteArray &l : QByteArray::fromStdString(bytes).split('\n'))
            marchLines += l.startsWith("200203") ? 1 : 0;
        QCOMPARE(marchLines, 16);
        QVERIFY(!fiche().Modifie);
    }
};

QTEST_MAIN(EntryPageTest)
#include "EntryPage_test.moc"
