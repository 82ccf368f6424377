#pragma once

#include "FakePlatform.h"

#include "ledger/DocumentState.h"
#include "ledger/LedgerFile.h"
#include "ledger/MonthIO.h"
#include "ledger/TextForms.h"

#include <QStringList>
#include <memory>
#include <string>

// The ledger document reduced to what the commands over the whole line list
// use: the lines, the month grid, the modified flags and the month on screen,
// with the month read and write-back the document does. It notes whether the
// hourglass was up when the month was written back.
struct DocumentDouble {
    LineList lines;
    TextGrid grid{32, 8};
    bool modifie = false;
    bool moisModifie = false;
    quint16 annee = 2002;
    quint16 mois = 3;
    const FakeBusyPointer *busy = nullptr;
    int writeBacks = 0;
    bool busyAtWriteBack = false;

    DocumentState state{lines, modifie, moisModifie, annee, mois, [this] { ecritMois(); }, [this] { litMois(); }};

    explicit DocumentDouble(const std::string &fileText = {})
        : lines(ledgerfile::parse(std::make_unique<std::string>(fileText)))
    {
        litMois();
    }

    std::string key() const { return forms::monthKey(annee, mois); }

    void ecritMois()
    {
        ++writeBacks;
        busyAtWriteBack = busy && busy->depth > 0;
        if (!moisModifie)
            return;
        monthio::write(lines, key(), grid, monthio::countRows(grid));
        moisModifie = false;
    }

    void litMois()
    {
        monthio::read(lines, key(), grid);
        moisModifie = false;
    }

    // An entry keyed into the first empty row of the grid, not yet written back.
    void post(const QStringList &cells)
    {
        const int row = monthio::countRows(grid);
        grid.growFor(row);
        for (int c = 0; c < 8; ++c)
            grid.set(row, c, c == 5 || c == 6 ? forms::rset(cells.value(c)) : cells.value(c));
        moisModifie = true;
        modifie = true;
    }

    // The rows of the grid, trimmed, as the user reads them.
    QList<QStringList> rows() const
    {
        QList<QStringList> out;
        for (int r = 0; r < monthio::countRows(grid); ++r) {
            QStringList row;
            for (int c = 0; c < 8; ++c)
                row.append(grid.at(r, c).trimmed());
            out.append(row);
        }
        return out;
    }
};
