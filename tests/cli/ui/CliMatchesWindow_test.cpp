#include "../CliProcess.h"
#include "FakePlatform.h"
#include "TempDir.h"

#include "ledger/ui/TFiche.h"
#include "ledger/ui/FichePage.h"
#include "reports/MonthViews.h"

#include <QTableView>
#include <QtTest>

// What tavelin-cli prints is what the document window shows: the same file is
// opened in the window as a user opens it, and every cell on screen is compared
// with the cell the command printed.
class CliMatchesWindowTest : public QObject {
    Q_OBJECT

    static std::string entry(const std::string &key, const std::string &date, const std::string &account,
                             const std::string &label, const std::string &journal, const std::string &debit,
                             const std::string &credit, const std::string &mark = "")
    {
        const std::string cells[8] = {date, account, label, journal, "P" + date.substr(0, 2), debit, credit, mark};
        std::string out;
        for (int c = 0; c < 8; ++c)
            out += key + char('0' + c) + cells[c] + "\r\n";
        return out;
    }

    // Two months of 2002, the second one long enough to make the grids grow,
    // with labels in code page 1252, check-off marks, a label longer than a
    // cell holds, accounts missing from the chart (one in its short form) and
    // entries without a journal, and an amount that is not a number.
    static std::string dossier()
    {
        std::string bytes = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
        const char *charges[] = {"512000", "607000", "622600", "411"};
        const char *journals[] = {"VE", "BQ", ""};
        for (int i = 0; i < 40; ++i) {
            const std::string day = (i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1);
            const std::string key = i < 6 ? "200202" : "200203";
            const std::string date = day + (i < 6 ? "/02/2002" : "/03/2002");
            const std::string amount = "   " + std::to_string(10 + i) + ",5" + std::to_string(i % 10);
            const std::string label = i == 20 ? std::string(300, 'L') : "Vente n\xB0 " + std::to_string(i) + " \xE9t\xE9";
            bytes += entry(key, date, i % 3 == 0 ? "411000" : "706000", label, journals[i % 3], amount, "",
                           i % 4 == 0 ? "\xD7" : "");
            bytes += entry(key, date, charges[i % 4], "Contrepartie", journals[i % 3], "", i == 30 ? "n/a" : amount);
        }
        return bytes;
    }

    // The grid of a page as the user sees it: the table's cells, rows `first`
    // to `last` of the model.
    static QList<QStringList> shownRows(FichePage *page, int first, int last)
    {
        QList<QStringList> rows;
        auto *table = page->findChild<QTableView *>();
        if (!table)
            return rows;
        const QAbstractItemModel *model = table->model();
        for (int r = first; r <= last; ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data(Qt::DisplayRole).toString().trimmed());
            rows.append(cells);
        }
        return rows;
    }

    // The rows a view page shows (its title row is the table's header), then
    // the line of its totals.
    static QList<QStringList> shownView(TFiche &window, Page page, const QStringList &totals)
    {
        auto *table = window.page(page)->findChild<QTableView *>();
        int last = -1;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            if (!table->model()->index(r, 0).data().toString().isEmpty())
                last = r;
        QList<QStringList> rows = shownRows(window.page(page), 0, last);
        QStringList totalLine{QStringLiteral("Totaux")};
        for (const QString &t : totals)
            totalLine.append(t.trimmed());
        rows.append(totalLine);
        return rows;
    }

    CurrentTempDir dir_;
    FakePlatform fake_;
    std::unique_ptr<TFiche> window_;

    CliRun cli(const QStringList &args) { return runCli(args, dir_.path()); }

private slots:
    void init()
    {
        writeBytes(dir_.file("compta.jnl"), dossier());
        writeBytes(dir_.file("Tavelin.plc"), "411000 ON Clients\r\n512000 OO Banque\r\n706000 ON Ventes\r\n607000 ON Achats\r\n");
        writeBytes(dir_.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nBQ O Banque\r\n");
        fake_.clock.date = QDate(2002, 6, 15); // an open year: the file opens on January
        window_ = std::make_unique<TFiche>(fake_.platform);
        window_->resize(1000, 600);
        window_->show();
        window_->run([&](Fiche &f) {
            f.FormActivate();
            f.Charge(dir_.file("compta.jnl"));
        });
        // Page Down twice: from January to March.
        QTest::keyClick(window_.get(), Qt::Key_PageDown);
        QTest::keyClick(window_.get(), Qt::Key_PageDown);
        QCOMPARE(window_->fiche().Label1, QStringLiteral("Mars 2002"));
    }

    void cleanup()
    {
        // Hidden first: a shown window's tables would ask their models for
        // headers while the window's document is already gone.
        window_->hide();
        window_.reset();
    }

    void theMonthGridIsTheEntryPageOfTheWindow()
    {
        const int n = window_->fiche().NbLignes;
        QCOMPARE(n, 68);
        const CliRun run = cli({QStringLiteral("mois"), QStringLiteral("compta.jnl"), QStringLiteral("200203")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.rows(), shownRows(window_->page(Page::Saisie), 0, n - 1));
    }

    void theMonthViewsAreThePagesOfTheWindow()
    {
        const ViewPages &views = window_->fiche().views;
        window_->Journal();
        const QList<QStringList> journal =
            shownView(*window_, Page::Journal, {views.journal.totalDebit, views.journal.totalCredit});
        QCOMPARE(journal.size(), 68 + 1);
        const CliRun all = cli({QStringLiteral("journal"), QStringLiteral("compta.jnl"), QStringLiteral("200203")});
        QCOMPARE(all.rows(), journal);
        // March holds an amount that is not a number: no totals, and the
        // window's message on standard error.
        QCOMPARE(journal.last(), (QStringList{QStringLiteral("Totaux"), QString(), QString()}));
        QVERIFY(!fake_.messages.shown.isEmpty());
        QCOMPARE(all.errText(), fake_.messages.shown.last() + u'\n');
        // The filter typed into the page's combo.
        window_->run([](Fiche &f) {
            f.views.journal.filter = QStringLiteral("BQ");
            reports::LitJnl(f);
        });
        const QList<QStringList> bank =
            shownView(*window_, Page::Journal, {views.journal.totalDebit, views.journal.totalCredit});
        QCOMPARE(bank.size(), 22 + 1);
        QCOMPARE(cli({QStringLiteral("journal"), QStringLiteral("compta.jnl"), QStringLiteral("200203"),
                      QStringLiteral("--journal"), QStringLiteral("BQ")}).rows(),
                 bank);

        window_->Comptes();
        QCOMPARE(cli({QStringLiteral("grand-livre"), QStringLiteral("compta.jnl"), QStringLiteral("200203")}).rows(),
                 shownView(*window_, Page::Comptes, {views.comptes.totalDebit, views.comptes.totalCredit}));
        window_->run([](Fiche &f) {
            f.views.comptes.filter = QStringLiteral("411");
            reports::LitCpt(f);
        });
        const QList<QStringList> customers =
            shownView(*window_, Page::Comptes, {views.comptes.totalDebit, views.comptes.totalCredit});
        QCOMPARE(customers.size(), 12 + 1); // 411000 only, not the short "411"
        QCOMPARE(cli({QStringLiteral("grand-livre"), QStringLiteral("compta.jnl"), QStringLiteral("200203"),
                      QStringLiteral("--compte"), QStringLiteral("411")}).rows(),
                 customers);

        // Back one month on the general journal page.
        window_->General();
        QTest::keyClick(window_.get(), Qt::Key_PageUp);
        QCOMPARE(views.general.title, QStringLiteral("Février 2002"));
        const QList<QStringList> general =
            shownView(*window_, Page::General, {views.general.totalDebit, views.general.totalCredit});
        QCOMPARE(general.size(), 6 + 1);
        QCOMPARE(cli({QStringLiteral("journal-general"), QStringLiteral("compta.jnl"), QStringLiteral("200202")}).rows(),
                 general);
    }

    void theStatementsAreThePagesOfTheWindow()
    {
        const ViewPages &views = window_->fiche().views;
        window_->Balance();
        const QList<QStringList> balance = shownView(
            *window_, Page::Balance, {views.balance.Edit18, views.balance.Edit19, views.balance.Edit13, views.balance.Edit16});
        QCOMPARE(balance.size(), 6 + 1);
        QCOMPARE(cli({QStringLiteral("balance"), QStringLiteral("compta.jnl")}).rows(), balance);

        window_->Resultat();
        QCOMPARE(cli({QStringLiteral("resultat"), QStringLiteral("compta.jnl")}).rows(),
                 shownRows(window_->page(Page::Resultat), 0, 15));
    }
};

QTEST_MAIN(CliMatchesWindowTest)
#include "CliMatchesWindow_test.moc"
