#pragma once

#include "bank/BookEntries.h"
#include "bank/Matching.h"
#include "bank/Statement.h"
#include "ledger/TextGrid.h"

#include <QString>

// The reconciliation statement ("État de rapprochement"): from the bank's
// closing balance, the entries the bank has not yet shown added and its
// operations not yet booked taken away, down to the books' balance at the
// same date, and whether the two meet. A grid of three columns (date, label,
// amount) that the window shows and the printer prints.
namespace bank {

enum StatementColumn { DateColumn = 0, LabelColumn = 1, AmountColumn = 2 };

TextGrid reconciliationGrid(const Statement &statement, const Matching &matching,
                            const std::vector<BookEntry> &entries);

// "État de rapprochement du compte 512000 au 31/03/2024".
QString reconciliationTitle(const QString &account, const QDate &date);

} // namespace bank
