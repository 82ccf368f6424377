#include "ledger/ui/QtFiscalYearDialog.h"

#include "ledger/ui/TExer.h"

std::optional<FiscalYearDialog::Dates> QtFiscalYearDialog::ask(QDate debut, QDate fin, QDate cloture)
{
    TExer dialog(parent_);
    dialog.Init(debut, fin, cloture);
    dialog.exec();
    if (!dialog.confirmed())
        return std::nullopt;
    Dates dates;
    dialog.Result(dates.debut, dates.fin);
    return dates;
}
