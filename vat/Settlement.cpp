#include "vat/Settlement.h"

#include "ledger/ReferenceData.h"

#include <utility>
#include <vector>

namespace vat {
namespace {

// The entry's movements, debit minus credit, one per account in the order
// the accounts first come: the credit carried in (credited from 445670) and
// the credit to carry (debited to it) make one net line, as a bookkeeper
// writes it.
class Movements {
public:
    // `amount` on its side, or its opposite on the other side.
    void add(const QString &account, Cents amount, bool debitSide)
    {
        const Cents debit = debitSide ? amount : -amount;
        for (auto &[code, balance] : balances_)
            if (code == account) {
                balance += debit;
                return;
            }
        balances_.emplace_back(account, debit);
    }

    // The lines, a nil movement left out.
    void writeTo(ProposedEntry &entry) const
    {
        for (const auto &[account, balance] : balances_)
            if (balance != 0)
                entry.lines.push_back({account, balance > 0 ? balance : 0, balance < 0 ? -balance : 0});
    }

private:
    std::vector<std::pair<QString, Cents>> balances_;
};

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
    Movements movements;
    for (const AccountBalance &balance : vatReturn.collected)
        movements.add(balance.account, balance.amount, true);
    for (const AccountBalance &balance : vatReturn.deductible)
        movements.add(balance.account, balance.amount, false);
    movements.add(kVatDueAccount, vatReturn.figures[6].value_or(0), false);
    movements.add(kCreditCarriedAccount, vatReturn.figures[7].value_or(0), true);
    movements.writeTo(entry);
    return entry;
}

} // namespace vat
