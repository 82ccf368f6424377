#include "entry/ProposedPosting.h"

#include "entry/ChartLines.h"
#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/Ledger.h"
#include "ledger/Validations.h"

#include <array>
#include <string>

namespace proposed {

QString refusal(const Ledger &ledger, const ProposedEntry &entry)
{
    if (entry.lines.empty())
        return QStringLiteral("L'écriture ne comporte aucune ligne.");
    if (!entry.date.isValid() || entry.date < ledger.DebutExercice() || entry.date > ledger.FinExercice())
        return QStringLiteral("Date en dehors des limites de l'exercice");
    if (const QString final = validation::dateRefusal(ledger.exercice.finalUntil(), entry.date); !final.isEmpty())
        return final;
    if (entry.journal.isEmpty())
        return QStringLiteral("Choisissez le journal de l'écriture.");
    if (chartlines::findByCode(ledger.ref.ListeJnx, entry.journal) == chartlines::npos)
        return QStringLiteral("Le journal ") + entry.journal + QStringLiteral(" n'existe pas");
    AmountTotal debits, credits;
    for (const ProposedLine &line : entry.lines) {
        if (chartlines::findAccount(ledger.ref.ListePlc, line.account) == chartlines::npos)
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
        const std::array<QString, 8> cells = {forms::formatDate(entry.date), line.account, forms::singleLine(entry.label),
                                              entry.journal, QString(), amountCell(line.debit), amountCell(line.credit), QString()};
        for (std::size_t column = 0; column < cells.size(); ++column) {
            buffer.assign(key);
            buffer.push_back(char('0' + column));
            cp1252::encodeAppend(buffer, QStringView(cells[column]).left(254));
            ledger.Lignes.append(buffer);
        }
        if (chartlines::markAccountUsed(ledger.ref.ListePlc, line.account))
            ledger.ref.PlanModifie = true;
    }
    chartlines::markJournalUsed(ledger.ref.ListeJnx, entry.journal);
}

} // namespace proposed
