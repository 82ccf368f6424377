#include "yearend/Ecritures.h"

#include "exchange/ExchangeText.h"

#include <algorithm>

namespace yearend {
namespace {

// An écriture while the groups are made: its lines in `lines` from `begin`
// to `end`, and what orders it.
struct Group {
    QDate date;
    std::string_view journal;
    std::size_t firstLine; // the entry index of its first line: its place in the grids
    std::size_t begin;
    std::size_t end;
};

std::string_view journalOf(const BookEntry &e)
{
    return exchange::trimmed(e.journal());
}

std::string_view voucherOf(const BookEntry &e)
{
    return exchange::trimmed(e.voucher());
}

} // namespace

Ecritures groupEcritures(const std::vector<BookEntry> &entries, const std::vector<std::size_t> &chosen)
{
    // Entries come in grid order, so an entry's index is its place in the grids.
    std::vector<std::size_t> withVoucher, withoutVoucher;
    for (std::size_t i : chosen)
        (voucherOf(entries[i]).empty() ? withoutVoucher : withVoucher).push_back(i);
    auto sameDay = [&](std::size_t a, std::size_t b) {
        return entries[a].date == entries[b].date && journalOf(entries[a]) == journalOf(entries[b]);
    };
    auto dayOrder = [&](std::size_t a, std::size_t b) {
        const BookEntry &x = entries[a], &y = entries[b];
        if (x.date != y.date)
            return x.date < y.date;
        return journalOf(x) < journalOf(y);
    };
    std::sort(withVoucher.begin(), withVoucher.end(), [&](std::size_t a, std::size_t b) {
        if (dayOrder(a, b) || dayOrder(b, a))
            return dayOrder(a, b);
        const std::string_view va = voucherOf(entries[a]), vb = voucherOf(entries[b]);
        return va != vb ? va < vb : a < b;
    });
    std::sort(withoutVoucher.begin(), withoutVoucher.end(), [&](std::size_t a, std::size_t b) {
        return dayOrder(a, b) || (!dayOrder(b, a) && a < b);
    });

    std::vector<std::size_t> lines;
    lines.reserve(chosen.size());
    std::vector<Group> groups;
    auto close = [&](std::size_t begin) {
        const BookEntry &first = entries[lines[begin]];
        groups.push_back({first.date, journalOf(first), lines[begin], begin, lines.size()});
    };
    for (std::size_t k = 0; k < withVoucher.size(); ++k) {
        const std::size_t begin = lines.size();
        lines.push_back(withVoucher[k]);
        while (k + 1 < withVoucher.size() && sameDay(withVoucher[k], withVoucher[k + 1])
               && voucherOf(entries[withVoucher[k]]) == voucherOf(entries[withVoucher[k + 1]]))
            lines.push_back(withVoucher[++k]);
        close(begin);
    }
    std::size_t begin = lines.size();
    AmountTotal balance;
    for (std::size_t k = 0; k < withoutVoucher.size(); ++k) {
        const BookEntry &e = entries[withoutVoucher[k]];
        lines.push_back(withoutVoucher[k]);
        balance.add(e.debitValue);
        balance.add(-e.creditValue);
        const bool runEnds = k + 1 == withoutVoucher.size() || !sameDay(withoutVoucher[k], withoutVoucher[k + 1]);
        if (runEnds || (balance.computed() && balance.value() == 0)) {
            close(begin);
            begin = lines.size();
            balance = AmountTotal();
        }
    }

    std::sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.journal != b.journal)
            return a.journal < b.journal;
        return a.firstLine < b.firstLine;
    });
    Ecritures out;
    out.lines.reserve(lines.size());
    out.starts.reserve(groups.size() + 1);
    for (const Group &g : groups) {
        out.starts.push_back(out.lines.size());
        out.lines.insert(out.lines.end(), lines.begin() + std::ptrdiff_t(g.begin), lines.begin() + std::ptrdiff_t(g.end));
    }
    out.starts.push_back(out.lines.size());
    return out;
}

EcritureTotals totalsOf(const std::vector<BookEntry> &entries, const Ecritures &ecritures, std::size_t n)
{
    EcritureTotals totals;
    for (std::size_t k = ecritures.first(n); k < ecritures.end(n); ++k) {
        totals.debit.add(entries[ecritures.lines[k]].debitValue);
        totals.credit.add(entries[ecritures.lines[k]].creditValue);
    }
    return totals;
}

} // namespace yearend
