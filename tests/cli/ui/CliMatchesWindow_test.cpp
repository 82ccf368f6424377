#include "../CliProcess.h"
#include "FakePlatform.h"
#include "TempDir.h"

#include "ledger/ui/TFiche.h"
#include "ledger/ui/FichePage.h"

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
    // with labels in code page 1252 and a check-off mark.
    static std::string dossier()
    {
        std::string bytes = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
        for (int i = 0; i < 40; ++i) {
            const std::string day = (i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1);
            const std::string key = i < 6 ? "200202" : "200203";
            const std::string date = day + (i < 6 ? "/02/2002" : "/03/2002");
            const std::string amount = "   " + std::to_string(10 + i) + ",5" + std::to_string(i % 10);
            bytes += entry(key, date, i % 3 == 0 ? "411000" : "706000", "Vente n\xB0 " + std::to_string(i) + " \xE9t\xE9",
                           i % 2 ? "VE" : "BQ", amount, "", i % 4 == 0 ? "\xD7" : "");
            bytes += entry(key, date, i % 3 == 0 ? "512000" : "607000", "Contrepartie", i % 2 ? "VE" : "BQ", "", amount);
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

private slots:
    void theMonthGridIsTheEntryPageOfTheWindow()
    {
        CurrentTempDir dir;
        writeBytes(dir.file("compta.jnl"), dossier());
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n512000 OO Banque\r\n706000 ON Ventes\r\n607000 ON Achats\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nBQ O Banque\r\n");

        FakePlatform fake;
        fake.clock.date = QDate(2002, 6, 15); // an open year: the file opens on January
        TFiche window(fake.platform);
        window.resize(1000, 600);
        window.show();
        window.run([&](Fiche &f) {
            f.FormActivate();
            f.Charge(dir.file("compta.jnl"));
        });
        // Page Down twice: from January to March.
        QTest::keyClick(&window, Qt::Key_PageDown);
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.fiche().Label1, QStringLiteral("Mars 2002"));
        const int n = window.fiche().NbLignes;
        QCOMPARE(n, 68);

        const CliRun run = runCli({QStringLiteral("mois"), QStringLiteral("compta.jnl"), QStringLiteral("200203")}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.rows(), shownRows(window.page(Page::Saisie), 0, n - 1));
    }
};

QTEST_MAIN(CliMatchesWindowTest)
#include "CliMatchesWindow_test.moc"
