#include "WidgetTests.h"
#include "FakePlatform.h"
#include "RealisticYear.h"
#include "TempDir.h"

#include "document/ReportCommands.h"
#include "document/ui/TFiche.h"
#include "ledger/ui/DocumentPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

// The six view pages inside the document window, offscreen. With
// TAVELIN_SCREENSHOTS naming a folder, each page is also saved there as PNG.
class ReportPagesTest : public QObject {
    Q_OBJECT

private:
    FakePlatform fake_;
    std::unique_ptr<TFiche> window_;

    Fiche &fiche() { return window_->fiche(); }
    template <class T>
    T *control(const char *name)
    {
        T *found = window_->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString cell(const char *grid, int viewRow, int col)
    {
        QTableView *view = control<QTableView>(grid);
        return view->model()->index(viewRow, col).data().toString();
    }
    int filledRows(const char *grid)
    {
        QAbstractItemModel *model = control<QTableView>(grid)->model();
        int n = 0;
        while (n < model->rowCount() && !model->index(n, 0).data().toString().isEmpty())
            ++n;
        return n;
    }
    bool shown(Page page) { return window_->page(page)->isVisible(); }
    void shoot(const char *name)
    {
        const QString folder = qEnvironmentVariable("TAVELIN_SCREENSHOTS");
        if (!folder.isEmpty())
            window_->grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png"));
    }

private slots:
    void init()
    {
        window_ = std::make_unique<TFiche>(fake_.platform);
        realisticChart(fiche().ledger.ref);
        fiche().ledger.Lignes = linesOf(realisticYear());
        window_->run([](Fiche &f) { f.LitMois(); });
        window_->resize(1100, 640);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void journalOpensOnTheCurrentMonth()
    {
        window_->run(document::Journal);
        QVERIFY(shown(Page::Journal));
        QCOMPARE(control<QLabel>("journalTitle")->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(control<QComboBox>("journalFilter")->itemText(0), QStringLiteral("Tous"));
        QCOMPARE(control<QComboBox>("journalFilter")->currentText(), QStringLiteral("Tous"));
        QCOMPARE(control<QComboBox>("journalFilter")->count(), 5);
        QCOMPARE(control<QTableView>("journalGrid")->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Journal"));
        QVERIFY(filledRows("journalGrid") > 40);
        QCOMPARE(cell("journalGrid", 0, 0), fiche().views.journal.grid.at(1, 0));
        QCOMPARE(control<QLineEdit>("journalDebitTotal")->text(), fiche().views.journal.totalDebit.trimmed());
        QVERIFY(!control<QLineEdit>("journalDebitTotal")->text().isEmpty());
        shoot("journal");
    }

    void typingAFilterRebuildsOnEveryKeystroke()
    {
        window_->run(document::Journal);
        QComboBox *combo = control<QComboBox>("journalFilter");
        const int all = filledRows("journalGrid");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("A"));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("A"));
        QCOMPARE(combo->currentText(), QStringLiteral("A"));
        QCOMPARE(filledRows("journalGrid"), 0);
        QCOMPARE(control<QLineEdit>("journalDebitTotal")->text(), QStringLiteral("0,00"));
        QTest::keyClicks(combo, QStringLiteral("C"));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("AC"));
        QCOMPARE(filledRows("journalGrid"), 12);
        QCOMPARE(control<QLineEdit>("journalName")->text(), QStringLiteral("Achats"));
        QCOMPARE(combo->currentText(), QStringLiteral("AC"));

        combo->setCurrentIndex(combo->findText(QStringLiteral("Tous")));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("Tous"));
        QCOMPARE(filledRows("journalGrid"), all);
        QVERIFY(control<QLineEdit>("journalName")->text().isEmpty());
    }

    void ledgerFilterShowsTheAccountLabel()
    {
        window_->run(document::Comptes);
        QVERIFY(shown(Page::Comptes));
        QComboBox *combo = control<QComboBox>("ledgerFilter");
        combo->setCurrentIndex(combo->findText(QStringLiteral("512000")));
        QCOMPARE(control<QLineEdit>("ledgerName")->text(), QStringLiteral("Banque"));
        for (int r = 0; r < filledRows("ledgerGrid"); ++r)
            QCOMPARE(cell("ledgerGrid", r, 1), QStringLiteral("512000"));
        QVERIFY(filledRows("ledgerGrid") > 5);
        shoot("grand_livre");
    }

    void pageDownRebuildsTheViewForTheNextMonthWithTheSameFilter()
    {
        window_->run(document::General);
        QComboBox *combo = control<QComboBox>("generalJournalFilter");
        combo->setCurrentIndex(combo->findText(QStringLiteral("VE")));
        const QString marchDebit = control<QLineEdit>("generalJournalDebitTotal")->text();
        QTest::keyClick(combo, Qt::Key_PageDown);
        QCOMPARE(fiche().ledger.Mois, quint16(4));
        QCOMPARE(control<QLabel>("generalJournalTitle")->text(), QStringLiteral("Avril 2002"));
        QCOMPARE(combo->currentText(), QStringLiteral("VE"));
        QCOMPARE(fiche().views.generalJournal.filter, QStringLiteral("VE"));
        QVERIFY(control<QLineEdit>("generalJournalDebitTotal")->text() != marchDebit);
        QCOMPARE(cell("generalJournalGrid", 0, 1), QStringLiteral("411000"));
        QCOMPARE(cell("generalJournalGrid", 0, 3), QStringLiteral("VE"));
        QTest::keyClick(combo, Qt::Key_PageUp);
        QCOMPARE(control<QLabel>("generalJournalTitle")->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(control<QLineEdit>("generalJournalDebitTotal")->text(), marchDebit);
        combo->setCurrentIndex(combo->findText(QStringLiteral("Tous")));
        shoot("journal_general");
    }

    void calculerTakesTheDatesAsTheUserLeftThem()
    {
        window_->run(document::Balance);
        QVERIFY(shown(Page::Balance));
        QDateEdit *from = control<QDateEdit>("balanceFrom");
        QCOMPARE(from->date(), QDate(2002, 1, 1));
        QCOMPARE(control<QDateEdit>("balanceTo")->date(), QDate(2002, 12, 31));
        const QString year = control<QLineEdit>("balanceDebitTotal")->text();
        shoot("balance");
        from->setDate(QDate(2002, 12, 1));
        QCOMPARE(control<QLineEdit>("balanceDebitTotal")->text(), year);
        QTest::mouseClick(control<QToolButton>("balanceCompute"), Qt::LeftButton);
        QCOMPARE(fiche().views.balance.from, QDate(2002, 12, 1));
        QVERIFY(control<QLineEdit>("balanceDebitTotal")->text() != year);
        QCOMPARE(control<QLineEdit>("balanceDebitTotal")->text(), fiche().views.balance.totalDebit.trimmed());
        QCOMPARE(cell("balanceGrid", 0, 1), QStringLiteral("Clients"));
        // Debit and credit are right-aligned; the balances show as the grid holds them.
        const auto alignment = [this](int col) {
            const QVariant a = control<QTableView>("balanceGrid")->model()->index(0, col).data(Qt::TextAlignmentRole);
            return a.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(2), Qt::AlignRight);
        QCOMPARE(alignment(3), Qt::AlignRight);
        QCOMPARE(alignment(4), Qt::AlignLeft);
        QCOMPARE(alignment(5), Qt::AlignLeft);
        QTest::keyClick(from, Qt::Key_PageDown);
        QCOMPARE(from->date(), QDate(2002, 12, 1));
        QCOMPARE(fiche().ledger.Mois, quint16(3));
    }

    void incomeStatementAndBalanceSheetOpen()
    {
        window_->run(document::Resultat);
        QVERIFY(shown(Page::Resultat));
        QCOMPARE(control<QTableView>("incomeGrid")->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("CHARGES (HORS TAXES)"));
        QCOMPARE(cell("incomeGrid", 0, 0), QStringLiteral("Achats"));
        QVERIFY(!cell("incomeGrid", 0, 1).isEmpty());
        QCOMPARE(cell("incomeGrid", 15, 1), cell("incomeGrid", 15, 3));
        shoot("resultat");

        control<QDateEdit>("incomeTo")->setDate(QDate(2002, 1, 31));
        const QString year = cell("incomeGrid", 12, 1);
        QTest::mouseClick(control<QToolButton>("incomeCompute"), Qt::LeftButton);
        QVERIFY(cell("incomeGrid", 12, 1) != year);

        window_->run(document::Bilan);
        QVERIFY(shown(Page::Bilan));
        QCOMPARE(cell("balanceSheetGrid", 0, 0), QStringLiteral("Actif immobilisé"));
        // A position at one date: no starting date to choose.
        QVERIFY(!window_->findChild<QDateEdit *>(QStringLiteral("balanceSheetFrom")));
        const QList<QLabel *> labels = window_->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel *label) { return label->text() == QStringLiteral("Bilan au"); }));
        QDateEdit *date = control<QDateEdit>("balanceSheetDate");
        QCOMPARE(date->date(), QDate(2002, 12, 31));
        const QString yearEnd = cell("balanceSheetGrid", 18, 3);
        date->setDate(QDate(2002, 6, 30));
        QTest::mouseClick(control<QToolButton>("balanceSheetCompute"), Qt::LeftButton);
        QCOMPARE(cell("balanceSheetGrid", 18, 4), QStringLiteral("TOTAL GÉNÉRAL I+II+III"));
        QCOMPARE(fiche().views.balanceSheet.to, QDate(2002, 6, 30));
        QCOMPARE(fiche().views.balanceSheet.from, QDate(2002, 1, 1));
        QVERIFY(!cell("balanceSheetGrid", 18, 3).isEmpty());
        QVERIFY(cell("balanceSheetGrid", 18, 3) != yearEnd);
        // A balanced half-year: the two sides agree and there is nothing to say.
        QCOMPARE(cell("balanceSheetGrid", 18, 3), cell("balanceSheetGrid", 18, 5));
        QVERIFY(control<QLabel>("balanceSheetUnassigned")->isHidden());
        shoot("bilan");
    }

    void balanceChoicesReorderTheRowsAndAreKept()
    {
        CurrentTempDir dir;
        window_->run(document::Balance);
        QCheckBox *sort = control<QCheckBox>("balanceSortByAccount");
        QCheckBox *subtotals = control<QCheckBox>("balanceClassSubtotals");
        QCOMPARE(sort->text(), QStringLiteral("Trier par compte"));
        QVERIFY(!sort->isChecked());
        QCOMPARE(cell("balanceGrid", 0, 0), QStringLiteral("411000")); // first met
        QTest::mouseClick(subtotals, Qt::LeftButton);
        QVERIFY(sort->isChecked());
        QCOMPARE(cell("balanceGrid", 0, 0), QStringLiteral("401000"));
        QCOMPARE(cell("balanceGrid", 6, 1), QStringLiteral("Total classe 4"));
        QVERIFY(QFile::exists(dir.file(QStringLiteral("Tavelin.cfg"))));
        shoot("balance_classes");
        QTest::mouseClick(sort, Qt::LeftButton);
        QVERIFY(!subtotals->isChecked());
        QCOMPARE(cell("balanceGrid", 0, 0), QStringLiteral("411000"));
        QVERIFY(fake_.messages.shown.isEmpty());
    }

    void columnWidthsFollowTheWindowWidth()
    {
        window_->run(document::Journal);
        QTableView *grid = control<QTableView>("journalGrid");
        window_->resize(1000, 600);
        QCOMPARE(grid->columnWidth(2), 1000 - 528);
        QCOMPARE(grid->columnWidth(5), 100);
        QCOMPARE(control<QLineEdit>("journalDebitTotal")->x(), 1000 - 254);
        window_->resize(1200, 600);
        QCOMPARE(grid->columnWidth(2), 1200 - 528);
        QCOMPARE(control<QTableView>("balanceGrid")->columnWidth(1), 1200 - 530);
        QCOMPARE(control<QTableView>("incomeGrid")->columnWidth(0), (1200 - 245) / 2);
        QCOMPARE(control<QLabel>("journalTitle")->x(), 1200 / 2 - 100);
    }
};

TAVELIN_WIDGET_TEST(ReportPagesTest)
#include "ReportPages_test.moc"
