#include "vat/Settlement.h"

#include "ledger/ReferenceData.h"

namespace vat {
namespace {

// A line taking `amount` on its side, or its opposite on the other side.
void addLine(ProposedEntry &entry, const QString &account, Cents amount, bool debitSide)
{
    if (amount == 0)
        return;
    const bool debit = debitSide == (amount > 0);
    const Cents magnitude = amount > 0 ? amount : -amount;
    entry.lines.push_back({account, debit ? magnitude : 0, debit ? 0 : magnitude});
}

} // namespace

QString proposedJournal(const QStringList &journals)
{
    const QString miscellaneous = QStringLiteral("OD");
    for (const QString &line : journals)
        if (CodeList::codeOf(line) == miscellaneous)
            return miscellaneous;
    return {};
}

ProposedEntry settlingEntry(const VatReturn &vatReturn, const QString &journal)
{
    ProposedEntry entry{vatReturn.period.to, settlementLabel(vatReturn.period), journal, {}};
    if (!vatReturn.error.isEmpty())
        return entry;
    for (const AccountBalance &balance : vatReturn.collected)
        addLine(entry, balance.account, balance.amount, true);
    for (const AccountBalance &balance : vatReturn.deductible)
        addLine(entry, balance.account, balance.amount, false);
    addLine(entry, kVatDueAccount, vatReturn.figures[6].value_or(0), false);
    addLine(entry, kCreditCarriedAccount, vatReturn.figures[7].value_or(0), true);
    return entry;
}

} // namespace vat
