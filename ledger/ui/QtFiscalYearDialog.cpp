#include "ledger/ui/QtFiscalYearDialog.h"

#include "ledger/ui/TExer.h"

std::optional<FiscalYearDialog::Dates> QtFiscalYearDialog::ask(QDate start, QDate end, QDate closing)
{
    TExer dialog(parent_);
    dialog.Init(start, end, closing);
    dialog.exec();
    if (!dialog.confirmed())
        return std::nullopt;
    Dates dates;
    dialog.Result(dates.start, dates.end);
    return dates;
}
