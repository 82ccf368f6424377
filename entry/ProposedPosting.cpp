#include "entry/ProposedPosting.h"

#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/Ledger.h"
#include "ledger/MonthLines.h"
#include "ledger/Validations.h"
#include "ledger/YearEntries.h"

#include <array>
#include <string>

namespace proposed {

QString refusal(const Ledger &ledger, const ProposedEntry &entry)
{
    if (entry.lines.empty())
        return QStringLiteral("L'écriture ne comporte aucune ligne.");
    switch (yearentries::newEntryFault(entry.date, ledger.fiscalYear)) {
    case yearentries::Fault::None:
        break;
    case yearentries::Fault::Final:
        return validation::dateRefusal(ledger.fiscalYear.finalUntil(), entry.date);
    default:
        return QStringLiteral("Date en dehors des limites de l'exercice");
    }
    if (entry.journal.isEmpty())
        return QStringLiteral("Choisissez le journal de l'écriture.");
    if (ledger.ref.ListeJnx.findCode(entry.journal) == CodeList::npos)
        return QStringLiteral("Le journal ") + entry.journal + QStringLiteral(" n'existe pas");
    AmountTotal debits, credits;
    for (const ProposedLine &line : entry.lines) {
        if (ledger.ref.ListePlc.findAccount(line.account) == CodeList::npos)
            return QStringLiteral("Le compte ") + line.account + QStringLiteral(" n'existe pas");
        debits.add(line.debit);
        credits.add(line.credit);
    }
    if (!debits.computed() || !credits.computed())
        return forms::totalTooLarge();
    if (debits.value() != credits.value())
        return QStringLiteral("L'écriture n'est pas équilibrée : débit %1, crédit %2.").arg(debits.text(), credits.text());
    return {};
}

void post(Ledger &ledger, const ProposedEntry &entry)
{
    const std::string key = forms::monthKey(entry.date.year(), entry.date.month());
    std::string buffer;
    for (const ProposedLine &line : entry.lines) {
        const std::array<QString, monthlines::kEntryColumnCount> cells = {forms::formatDate(entry.date), line.account, forms::singleLine(entry.label),
                                              entry.journal, forms::singleLine(entry.voucher), amountCell(line.debit), amountCell(line.credit), QString()};
        for (std::size_t column = 0; column < cells.size(); ++column)
            monthlines::appendLine(ledger.Lignes, buffer, key, static_cast<monthlines::Column>(column), cells[column]);
        if (ledger.ref.ListePlc.markAccountUsed(line.account))
            ledger.ref.PlanModifie = true;
    }
    ledger.ref.ListeJnx.markCodeUsed(entry.journal);
}

} // namespace proposed
