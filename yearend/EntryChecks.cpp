#include "yearend/EntryChecks.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthLines.h"

#include <algorithm>
#include <unordered_set>

namespace yearend {
namespace {

int monthOf(QDate date)
{
    return date.year() * 100 + date.month();
}

// The codes of chart or journal lines, for exact look-ups of the cells' bytes.
class Codes {
public:
    explicit Codes(const QStringList &lines)
    {
        for (const QString &line : lines)
            codes_.insert(cp1252::encode(CodeList::codeOf(line)));
    }
    bool contains(std::string_view code) const { return codes_.find(code) != codes_.end(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> codes_;
};

QString quoted(std::string_view cell)
{
    return QStringLiteral("« %1 »").arg(cp1252::decode(cell));
}

class EntryChecker {
public:
    EntryChecker(const ReferenceData &ref) : accounts_(ref.ListePlc), journals_(ref.ListeJnx) {}

    void checkEntry(const BookEntry &e)
    {
        if (!e.date.isValid())
            add(e, monthlines::trimmedCell(e[monthlines::Column::Date]).empty()
                       ? QStringLiteral("l'écriture n'a pas de date.")
                       : QStringLiteral("la date %1 n'est pas une date (JJ/MM/AAAA).").arg(quoted(e[monthlines::Column::Date])));
        const std::string_view account = monthlines::trimmedCell(e.account());
        if (account.empty())
            add(e, QStringLiteral("l'écriture n'a pas de compte."));
        else if (!accounts_.contains(account))
            add(e, QStringLiteral("le compte %1 n'existe pas dans le plan comptable.").arg(cp1252::decode(account)));
        const std::string_view journal = monthlines::trimmedCell(e.journal());
        if (journal.empty())
            add(e, QStringLiteral("l'écriture n'a pas de journal."));
        else if (!journals_.contains(journal))
            add(e, QStringLiteral("le journal %1 n'existe pas dans la liste des journaux.").arg(cp1252::decode(journal)));
        const bool debitRead = checkAmount(e, e.debit(), QStringLiteral("débit"));
        const bool creditRead = checkAmount(e, e.credit(), QStringLiteral("crédit"));
        if (e.debitValue != 0 && e.creditValue != 0)
            add(e, QStringLiteral("l'écriture porte à la fois un débit et un crédit."));
        else if (debitRead && creditRead && e.debitValue == 0 && e.creditValue == 0)
            add(e, QStringLiteral("l'écriture ne porte ni débit ni crédit."));
    }

    void checkEntryGroup(const std::vector<BookEntry> &entries, const EntryGroups &entryGroups, std::size_t n)
    {
        const EntryGroupTotals totals = totalsOf(entries, entryGroups, n);
        if (totals.balanced())
            return;
        const BookEntry &first = entries[entryGroups.lines[entryGroups.first(n)]];
        const std::string_view voucher = monthlines::trimmedCell(first.voucher());
        const QString which = QStringLiteral("l'écriture du %1 (journal %2, %3)")
                                  .arg(forms::formatDate(first.date), cp1252::decode(monthlines::trimmedCell(first.journal())),
                                       voucher.empty() ? QStringLiteral("sans pièce")
                                                       : QStringLiteral("pièce %1").arg(cp1252::decode(voucher)));
        if (!totals.debit.computed() || !totals.credit.computed())
            add(first, which + QStringLiteral(" a des totaux trop grands pour être calculés."));
        else
            add(first, which + QStringLiteral(" n'est pas équilibrée : débit %1, crédit %2.")
                                   .arg(totals.debit.text(), totals.credit.text()));
    }

    std::vector<Problem> take()
    {
        std::stable_sort(problems_.begin(), problems_.end(), [](const Problem &a, const Problem &b) {
            return a.month != b.month ? a.month < b.month : a.row < b.row;
        });
        return std::move(problems_);
    }

private:
    void add(const BookEntry &e, QString text) { problems_.push_back({e.month, e.row + 1, std::move(text)}); }

    // False when the cell holds something that is not an amount.
    bool checkAmount(const BookEntry &e, std::string_view cell, const QString &side)
    {
        if (monthlines::trimmedCell(cell).empty() || forms::parseAmount(cell))
            return true;
        add(e, QStringLiteral("le %1 %2 n'est pas un montant.").arg(side, quoted(monthlines::trimmedCell(cell))));
        return false;
    }

    Codes accounts_;
    Codes journals_;
    std::vector<Problem> problems_;
};

} // namespace

bool Period::holds(const BookEntry &entry) const
{
    if (entry.date.isValid())
        return (!after.isValid() || entry.date > after) && entry.date <= upTo;
    return (!after.isValid() || entry.month >= monthOf(after.addDays(1))) && entry.month <= monthOf(upTo);
}

std::vector<std::size_t> bookedLines(const std::vector<BookEntry> &entries, const Period &period)
{
    std::vector<std::size_t> booked;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].booked() && period.holds(entries[i]))
            booked.push_back(i);
    return booked;
}

std::vector<Problem> checkEntries(const std::vector<BookEntry> &entries, const ReferenceData &ref, const Period &period,
                                  const EntryGroups &entryGroups)
{
    EntryChecker checker(ref);
    for (const BookEntry &e : entries)
        if (period.holds(e))
            checker.checkEntry(e);
    for (std::size_t n = 0; n < entryGroups.count(); ++n)
        checker.checkEntryGroup(entries, entryGroups, n);
    return checker.take();
}

std::vector<Problem> checkEntries(const std::vector<BookEntry> &entries, const ReferenceData &ref, const Period &period)
{
    return checkEntries(entries, ref, period, groupEntries(entries, bookedLines(entries, period)));
}

QString describe(const Problem &problem)
{
    const int month = problem.month % 100;
    const QString place = month >= 1 && month <= 12
                              ? forms::monthCaption(forms::monthName(month), problem.month / 100)
                              : QStringLiteral("Mois « %1 »").arg(problem.month);
    return QStringLiteral("%1, ligne %2 : %3")
        .arg(place)
        .arg(problem.row)
        .arg(problem.text);
}

QString listProblems(const std::vector<Problem> &problems, int shown)
{
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && int(i) < shown; ++i)
        lines.append(describe(problems[i]));
    const int more = int(problems.size()) - shown;
    if (more == 1)
        lines.append(QStringLiteral("… et 1 autre problème."));
    else if (more > 1)
        lines.append(QStringLiteral("… et %1 autres problèmes.").arg(more));
    return lines.join(u'\n');
}

} // namespace yearend
