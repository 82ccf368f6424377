#include "entry/MonthTotals.h"

#include "ledger/TextForms.h"

MonthTotals monthTotals(const TextGrid &grid)
{
    Cents debit = 0;
    Cents credit = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        if (auto d = forms::parseAmount(QStringView(grid.at(r, 5))))
            debit += *d;
        if (auto c = forms::parseAmount(QStringView(grid.at(r, 6))))
            credit += *c;
    }
    return {forms::rset(forms::formatAmount(debit)), forms::rset(forms::formatAmount(credit))};
}
