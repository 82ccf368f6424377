#include "WidgetTests.h"
#include "../CliProcess.h"
#include "FakePlatform.h"
#include "TempDir.h"

#include "document/ReportCommands.h"
#include "document/ui/TFiche.h"
#include "ledger/ui/DocumentPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
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

    // The rows of a grid as the user sees it: the table's cells, model rows
    // `first` to `last` (a view's title row is the table's header).
    static QList<QStringList> shownRows(QTableView *table, int first, int last)
    {
        QList<QStringList> rows;
        const QAbstractItemModel *model = table->model();
        for (int r = first; r <= last; ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data(Qt::DisplayRole).toString().trimmed());
            rows.append(cells);
        }
        return rows;
    }

    // The income statement as shown: the table's sixteen rows, then the
    // results by nature under it, a caption and an amount each.
    static QList<QStringList> shownStatement(QTableView *table)
    {
        QList<QStringList> rows = shownRows(table, 0, 15);
        for (const QStringList &result : shownRows(table, 17, 23))
            rows.append(result.mid(0, 2));
        return rows;
    }

    QWidget *page(Page p) const { return window_->page(p); }

    // A view page as shown: the rows of its grid down to the last one with a
    // first cell, then "Totaux" and what its total fields show.
    QList<QStringList> shownView(Page p, const char *grid, const QStringList &totalFields) const
    {
        auto *table = page(p)->findChild<QTableView *>(QLatin1String(grid));
        if (!table)
            return {};
        int last = -1;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            if (!table->model()->index(r, 0).data().toString().isEmpty())
                last = r;
        QList<QStringList> rows = shownRows(table, 0, last);
        QStringList totals{QStringLiteral("Totaux")};
        for (const QString &name : totalFields)
            totals.append(page(p)->findChild<QLineEdit *>(name)->text().trimmed());
        rows.append(totals);
        return rows;
    }

    // Types a filter into a view's combo, replacing its text, key by key.
    void typeFilter(Page p, const char *combo, const QString &text)
    {
        QLineEdit *edit = page(p)->findChild<QComboBox *>(QLatin1String(combo))->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Sets a statement's dates as the user would and presses "Calculer".
    void calculate(Page p, const char *from, const char *to, const char *button, QDate start, QDate end)
    {
        page(p)->findChild<QDateEdit *>(QLatin1String(from))->setDate(start);
        page(p)->findChild<QDateEdit *>(QLatin1String(to))->setDate(end);
        QTest::mouseClick(page(p)->findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
    }

    CliRun cli(QStringList args)
    {
        args.insert(1, QStringLiteral("compta.jnl"));
        return runCli(args, dir_.path());
    }

    CurrentTempDir dir_;
    FakePlatform fake_;
    std::unique_ptr<TFiche> window_;

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
        QCOMPARE(window_->fiche().entry.monthCaption, QStringLiteral("Mars 2002"));
    }

    void cleanup() { window_.reset(); }

    void theMonthGridIsTheEntryPageOfTheWindow()
    {
        const int n = window_->fiche().ledger.NbLignes;
        QCOMPARE(n, 68);
        const CliRun run = cli({QStringLiteral("mois"), QStringLiteral("200203")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.rows(), shownRows(page(Page::Saisie)->findChild<QTableView *>(), 0, n - 1));
    }

    void theMonthViewsAreThePagesOfTheWindow()
    {
        window_->run(document::Journal);
        const QList<QStringList> journal = shownView(Page::Journal, "journalGrid", {"journalDebitTotal", "journalCreditTotal"});
        QCOMPARE(journal.size(), 68 + 1);
        const CliRun all = cli({QStringLiteral("journal"), QStringLiteral("200203")});
        QCOMPARE(all.rows(), journal);
        // March holds an amount that is not a number: no totals, and the
        // window's message on standard error.
        QCOMPARE(journal.last(), (QStringList{QStringLiteral("Totaux"), QString(), QString()}));
        QVERIFY(!fake_.messages.shown.isEmpty());
        QCOMPARE(all.errText(), fake_.messages.shown.last() + u'\n');

        typeFilter(Page::Journal, "journalFilter", QStringLiteral("BQ"));
        const QList<QStringList> bank = shownView(Page::Journal, "journalGrid", {"journalDebitTotal", "journalCreditTotal"});
        QCOMPARE(bank.size(), 22 + 1);
        QCOMPARE(cli({QStringLiteral("journal"), QStringLiteral("200203"), QStringLiteral("--journal"), QStringLiteral("BQ")})
                     .rows(),
                 bank);

        window_->run(document::Comptes);
        QCOMPARE(cli({QStringLiteral("grand-livre"), QStringLiteral("200203")}).rows(),
                 shownView(Page::Comptes, "ledgerGrid", {"ledgerDebitTotal", "ledgerCreditTotal"}));
        typeFilter(Page::Comptes, "ledgerFilter", QStringLiteral("411"));
        const QList<QStringList> customers = shownView(Page::Comptes, "ledgerGrid", {"ledgerDebitTotal", "ledgerCreditTotal"});
        QCOMPARE(customers.size(), 12 + 1); // 411000 only, not the short "411"
        QCOMPARE(cli({QStringLiteral("grand-livre"), QStringLiteral("200203"), QStringLiteral("--compte"),
                      QStringLiteral("411")})
                     .rows(),
                 customers);

        // Back one month on the general journal page.
        window_->run(document::General);
        QTest::keyClick(window_.get(), Qt::Key_PageUp);
        QCOMPARE(window_->fiche().views.generalJournal.title, QStringLiteral("Février 2002"));
        const QList<QStringList> general = shownView(Page::General, "generalJournalGrid", {"generalJournalDebitTotal", "generalJournalCreditTotal"});
        QCOMPARE(general.size(), 6 + 1);
        QCOMPARE(cli({QStringLiteral("journal-general"), QStringLiteral("200202")}).rows(), general);
    }

    void theStatementsAreThePagesOfTheWindow()
    {
        const QStringList balanceTotals{"balanceDebitTotal", "balanceCreditTotal", "balanceDebitBalances", "balanceCreditBalances"};
        window_->run(document::Balance);
        const QList<QStringList> balance = shownView(Page::Balance, "balanceGrid", balanceTotals);
        QCOMPARE(balance.size(), 6 + 1);
        QCOMPARE(cli({QStringLiteral("balance")}).rows(), balance);
        calculate(Page::Balance, "balanceFrom", "balanceTo", "balanceCompute", QDate(2002, 3, 10), QDate(2002, 3, 20));
        const QList<QStringList> march = shownView(Page::Balance, "balanceGrid", balanceTotals);
        QVERIFY(march != balance);
        QCOMPARE(cli({QStringLiteral("balance"), QStringLiteral("--du"), QStringLiteral("10/03/2002"), QStringLiteral("--au"),
                      QStringLiteral("20/03/2002")})
                     .rows(),
                 march);

        window_->run(document::Resultat);
        auto *statement = page(Page::Resultat)->findChild<QTableView *>(QStringLiteral("incomeGrid"));
        QCOMPARE(cli({QStringLiteral("resultat")}).rows(), shownStatement(statement));
        calculate(Page::Resultat, "incomeFrom", "incomeTo", "incomeCompute", QDate(2002, 2, 1), QDate(2002, 2, 28));
        QCOMPARE(cli({QStringLiteral("resultat"), QStringLiteral("--du=01/02/2002"), QStringLiteral("--au=28/02/2002")}).rows(),
                 shownStatement(statement));
    }
};

TAVELIN_WIDGET_TEST(CliMatchesWindowTest)
#include "CliMatchesWindow_test.moc"
