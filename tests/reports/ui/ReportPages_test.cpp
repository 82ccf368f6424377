#include "FakePlatform.h"
#include "RealisticYear.h"

#include "ledger/ui/FichePage.h"
#include "ledger/ui/TFiche.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
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
        realisticChart(fiche().ref);
        fiche().Lignes = linesOf(realisticYear());
        window_->run([](Fiche &f) { f.LitMois(); });
        window_->resize(1100, 640);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void journalOpensOnTheCurrentMonth()
    {
        window_->Journal();
        QVERIFY(shown(Page::Journal));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(control<QComboBox>("ComboBox3")->itemText(0), QStringLiteral("Tous"));
        QCOMPARE(control<QComboBox>("ComboBox3")->currentText(), QStringLiteral("Tous"));
        QCOMPARE(control<QComboBox>("ComboBox3")->count(), 5);
        QCOMPARE(control<QTableView>("StringGrid2")->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Journal"));
        QVERIFY(filledRows("StringGrid2") > 40);
        QCOMPARE(cell("StringGrid2", 0, 0), fiche().views.journal.grid.at(1, 0));
        QCOMPARE(control<QLineEdit>("Edit2")->text(), fiche().views.journal.totalDebit.trimmed());
        QVERIFY(!control<QLineEdit>("Edit2")->text().isEmpty());
        shoot("journal");
    }

    void typingAFilterRebuildsOnEveryKeystroke()
    {
        window_->Journal();
        QComboBox *combo = control<QComboBox>("ComboBox3");
        const int all = filledRows("StringGrid2");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("A"));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("A"));
        QCOMPARE(combo->currentText(), QStringLiteral("A"));
        QCOMPARE(filledRows("StringGrid2"), 0);
        QCOMPARE(control<QLineEdit>("Edit2")->text(), QStringLiteral("0,00"));
        QTest::keyClicks(combo, QStringLiteral("C"));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("AC"));
        QCOMPARE(filledRows("StringGrid2"), 12);
        QCOMPARE(control<QLineEdit>("Edit9")->text(), QStringLiteral("Achats"));
        QCOMPARE(combo->currentText(), QStringLiteral("AC"));

        combo->setCurrentIndex(combo->findText(QStringLiteral("Tous")));
        QCOMPARE(fiche().views.journal.filter, QStringLiteral("Tous"));
        QCOMPARE(filledRows("StringGrid2"), all);
        QVERIFY(control<QLineEdit>("Edit9")->text().isEmpty());
    }

    void ledgerFilterShowsTheAccountLabel()
    {
        window_->Comptes();
        QVERIFY(shown(Page::Comptes));
        QComboBox *combo = control<QComboBox>("ComboBox4");
        combo->setCurrentIndex(combo->findText(QStringLiteral("512000")));
        QCOMPARE(control<QLineEdit>("Edit10")->text(), QStringLiteral("Banque"));
        for (int r = 0; r < filledRows("StringGrid3"); ++r)
            QCOMPARE(cell("StringGrid3", r, 1), QStringLiteral("512000"));
        QVERIFY(filledRows("StringGrid3") > 5);
        shoot("grand_livre");
    }

    void pageDownRebuildsTheViewForTheNextMonthWithTheSameFilter()
    {
        window_->General();
        QComboBox *combo = control<QComboBox>("ComboBox5");
        combo->setCurrentIndex(combo->findText(QStringLiteral("VE")));
        const QString marchDebit = control<QLineEdit>("Edit14")->text();
        QTest::keyClick(combo, Qt::Key_PageDown);
        QCOMPARE(fiche().Mois, quint16(4));
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("Avril 2002"));
        QCOMPARE(combo->currentText(), QStringLiteral("VE"));
        QCOMPARE(fiche().views.general.filter, QStringLiteral("VE"));
        QVERIFY(control<QLineEdit>("Edit14")->text() != marchDebit);
        QCOMPARE(cell("StringGrid4", 0, 1), QStringLiteral("411000"));
        QCOMPARE(cell("StringGrid4", 0, 3), QStringLiteral("VE"));
        QTest::keyClick(combo, Qt::Key_PageUp);
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(control<QLineEdit>("Edit14")->text(), marchDebit);
        combo->setCurrentIndex(combo->findText(QStringLiteral("Tous")));
        shoot("journal_general");
    }

    void calculerTakesTheDatesAsTheUserLeftThem()
    {
        window_->Balance();
        QVERIFY(shown(Page::Balance));
        QDateEdit *from = control<QDateEdit>("DateTimePicker1");
        QCOMPARE(from->date(), QDate(2002, 1, 1));
        QCOMPARE(control<QDateEdit>("DateTimePicker2")->date(), QDate(2002, 12, 31));
        const QString year = control<QLineEdit>("Edit18")->text();
        shoot("balance");
        from->setDate(QDate(2002, 12, 1));
        QCOMPARE(control<QLineEdit>("Edit18")->text(), year);
        QTest::mouseClick(control<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QCOMPARE(fiche().views.balance.from, QDate(2002, 12, 1));
        QVERIFY(control<QLineEdit>("Edit18")->text() != year);
        QCOMPARE(control<QLineEdit>("Edit18")->text(), fiche().views.balance.Edit18.trimmed());
        QCOMPARE(cell("StringGrid5", 0, 1), QStringLiteral("Clients"));
        QTest::keyClick(from, Qt::Key_PageDown);
        QCOMPARE(from->date(), QDate(2002, 12, 1));
        QCOMPARE(fiche().Mois, quint16(3));
    }

    void incomeStatementAndBalanceSheetOpen()
    {
        window_->Resultat();
        QVERIFY(shown(Page::Resultat));
        QCOMPARE(control<QTableView>("StringGrid6")->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("CHARGES (HORS TAXES)"));
        QCOMPARE(cell("StringGrid6", 0, 0), QStringLiteral("Achats"));
        QVERIFY(!cell("StringGrid6", 0, 1).isEmpty());
        QCOMPARE(cell("StringGrid6", 15, 1), cell("StringGrid6", 15, 3));
        shoot("resultat");

        control<QDateEdit>("DateTimePicker4")->setDate(QDate(2002, 1, 31));
        const QString year = cell("StringGrid6", 12, 1);
        QTest::mouseClick(control<QToolButton>("SpeedButton3"), Qt::LeftButton);
        QVERIFY(cell("StringGrid6", 12, 1) != year);

        window_->Bilan();
        QVERIFY(shown(Page::Bilan));
        QCOMPARE(cell("StringGrid7", 0, 0), QStringLiteral("Actif immobilisé"));
        QCOMPARE(control<QDateEdit>("DateTimePicker5")->date(), QDate(2002, 1, 1));
        control<QDateEdit>("DateTimePicker6")->setDate(QDate(2002, 6, 30));
        QTest::mouseClick(control<QToolButton>("SpeedButton4"), Qt::LeftButton);
        QCOMPARE(cell("StringGrid7", 18, 2), QStringLiteral("TOTAL GÉNÉRAL I+II+III"));
        QVERIFY(cell("StringGrid7", 18, 1).isEmpty());
        shoot("bilan");
    }

    void columnWidthsFollowTheWindowWidth()
    {
        window_->Journal();
        QTableView *grid = control<QTableView>("StringGrid2");
        window_->resize(1000, 600);
        QCOMPARE(grid->columnWidth(2), 1000 - 528);
        QCOMPARE(grid->columnWidth(5), 100);
        QCOMPARE(control<QLineEdit>("Edit2")->x(), 1000 - 254);
        window_->resize(1200, 600);
        QCOMPARE(grid->columnWidth(2), 1200 - 528);
        QCOMPARE(control<QTableView>("StringGrid5")->columnWidth(1), 1200 - 530);
        QCOMPARE(control<QTableView>("StringGrid6")->columnWidth(0), (1200 - 245) / 2);
        QCOMPARE(control<QLabel>("Label2")->x(), 1200 / 2 - 100);
    }
};

QTEST_MAIN(ReportPagesTest)
#include "ReportPages_test.moc"
