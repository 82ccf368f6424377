#pragma once

#include "ledger/LedgerFile.h"
#include "ledger/Ledger.h"
#include "ledger/TextForms.h"

#include <QStringList>
#include <memory>
#include <string>

// An open dossier as the commands over the whole line list meet it: its
// lines, and one month read into the month grid, where entries may be keyed
// and not yet written back.

inline void openAt(Ledger &ledger, const std::string &fileText, int year, int month)
{
    ledger.Lignes = ledgerfile::parse(std::make_unique<std::string>(fileText));
    ledger.LitHead();
    ledger.Annee = quint16(year);
    ledger.Mois = quint16(month);
    ledger.readMonthGrid();
}

// An entry keyed into the first empty row of the grid, as posting leaves it.
inline void keyEntry(Ledger &ledger, const QStringList &cells)
{
    const int row = ledger.NbLignes;
    ledger.monthGrid.growFor(row);
    for (int c = 0; c < 8; ++c)
        ledger.monthGrid.set(row, c, c == 5 || c == 6 ? forms::Rset(cells.value(c)) : cells.value(c));
    ledger.CompteLignes();
    ledger.MoisModifie = true;
    ledger.Modifie = true;
}

// The rows of the grid, trimmed, as the user reads them.
inline QList<QStringList> gridRows(const Ledger &ledger)
{
    QList<QStringList> rows;
    for (int r = 0; r < ledger.NbLignes; ++r) {
        QStringList row;
        for (int c = 0; c < 8; ++c)
            row.append(ledger.monthGrid.at(r, c).trimmed());
        rows.append(row);
    }
    return rows;
}
