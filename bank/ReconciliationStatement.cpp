#include "bank/ReconciliationStatement.h"

#include "ledger/AmountTotal.h"

#include <vector>

namespace bank {
namespace {

struct Row {
    QString date;
    QString label;
    QString amount;
};

QString amountText(const AmountTotal &total)
{
    return total.computed() ? total.text() : forms::totalTooLarge();
}

} // namespace

QString reconciliationTitle(const QString &account, const QDate &date)
{
    return QStringLiteral("État de rapprochement du compte %1 au %2").arg(account, forms::formatDate(date));
}

TextGrid reconciliationGrid(const Statement &statement, const Matching &matching,
                            const std::vector<BookEntry> &entries)
{
    const QString at = forms::formatDate(matching.periodEnd);
    std::vector<Row> rows;
    AmountTotal reconciled;
    if (statement.closingBalance) {
        reconciled.add(*statement.closingBalance);
        rows.push_back({{}, QStringLiteral("Solde du relevé au %1").arg(at), forms::formatAmount(*statement.closingBalance)});
    } else {
        rows.push_back({{}, QStringLiteral("Solde du relevé au %1 : le fichier ne le donne pas").arg(at), {}});
    }

    const auto section = [&](const QString &title, const std::vector<std::size_t> &indexes, bool add) {
        if (indexes.empty())
            return;
        rows.push_back({});
        rows.push_back({{}, title, {}});
        for (std::size_t i : indexes) {
            const BookEntry &entry = entries[i];
            rows.push_back({entry.dateText, entry.label, forms::formatAmount(entry.amount)});
            reconciled.add(add ? entry.amount : -entry.amount);
        }
    };
    section(QStringLiteral("Écritures non relevées (ajoutées au solde du relevé)"), matching.notOnStatement, true);
    section(QStringLiteral("Écritures antérieures non pointées (ajoutées au solde du relevé)"), matching.olderOpen, true);

    // What the opening balances leave unexplained once the older entries not
    // checked off are listed.
    if (matching.openingGap) {
        AmountTotal openingGap(*matching.openingGap);
        for (std::size_t i : matching.olderOpen)
            openingGap.add(entries[i].amount);
        if (openingGap.computed() && openingGap.value() != 0) {
            rows.push_back({});
            rows.push_back({{}, openingGapText() + QStringLiteral(" (retranché du solde du relevé)"), amountText(openingGap)});
            reconciled.subtract(openingGap);
        }
    }

    bool toBook = false;
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
        if (matching.lines[i].status != LineStatus::ToEnter)
            continue;
        if (!toBook) {
            rows.push_back({});
            rows.push_back({{}, QStringLiteral("Opérations du relevé à saisir (retranchées du solde du relevé)"), {}});
            toBook = true;
        }
        const StatementLine &line = statement.lines[i];
        rows.push_back({forms::formatDate(line.date), line.label, forms::formatAmount(line.amount)});
        reconciled.add(-line.amount);
    }

    rows.push_back({});
    if (statement.closingBalance)
        rows.push_back({{}, QStringLiteral("Solde du relevé rapproché"), amountText(reconciled)});
    rows.push_back({{}, QStringLiteral("Solde comptable au %1").arg(at), amountText(matching.bookBalance)});
    if (!statement.closingBalance) {
        rows.push_back({{}, QStringLiteral("Sans le solde du relevé, l'écart ne peut pas être vérifié."), {}});
    } else if (reconciled.computed() && matching.bookBalance.computed()) {
        AmountTotal gap = reconciled;
        gap.subtract(matching.bookBalance);
        if (gap.computed() && gap.value() == 0)
            rows.push_back({{}, QStringLiteral("L'écart est expliqué."), {}});
        else
            rows.push_back({{}, QStringLiteral("Écart non expliqué"), amountText(gap)});
    }

    TextGrid grid(int(rows.size()), 3);
    for (int r = 0; r < int(rows.size()); ++r) {
        grid.set(r, DateColumn, rows[std::size_t(r)].date);
        grid.set(r, LabelColumn, rows[std::size_t(r)].label);
        grid.set(r, AmountColumn, rows[std::size_t(r)].amount);
    }
    return grid;
}

} // namespace bank
