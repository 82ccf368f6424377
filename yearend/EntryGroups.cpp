#include "yearend/EntryGroups.h"

#include "exchange/ExchangeText.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace yearend {
namespace {

// What sorts the écritures: their date, the rank of their journal code among
// the codes met, and their first line's place in the grids (entries come in
// grid order, so an entry's index is its place).
struct Place {
    qint64 day;
    int journal;
    std::size_t firstEntry;
    bool operator<(const Place &o) const
    {
        return std::tie(day, journal, firstEntry) < std::tie(o.day, o.journal, o.firstEntry);
    }
};

// A voucher's écriture, or the open run of lines without voucher of a date
// and journal.
struct GroupKey {
    qint64 day;
    int journal;
    std::string_view voucher;
    bool operator==(const GroupKey &) const = default;
};

struct GroupKeyHash {
    std::size_t operator()(const GroupKey &k) const
    {
        return std::hash<std::string_view>()(k.voucher) ^ (std::size_t(k.day) * 1000003u) ^ std::size_t(k.journal);
    }
};

// The journal codes met, ranked in byte order.
std::vector<int> journalRanks(const std::vector<BookEntry> &entries, const std::vector<std::size_t> &chosen)
{
    std::vector<std::string_view> codes;
    for (std::size_t i : chosen)
        codes.push_back(monthlines::trimmedCell(entries[i].journal()));
    std::vector<std::string_view> distinct = codes;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<int> ranks;
    ranks.reserve(codes.size());
    for (std::string_view code : codes)
        ranks.push_back(int(std::lower_bound(distinct.begin(), distinct.end(), code) - distinct.begin()));
    return ranks;
}

} // namespace

EntryGroups groupEntries(const std::vector<BookEntry> &entries, const std::vector<std::size_t> &chosen)
{
    const std::vector<int> journals = journalRanks(entries, chosen);
    std::vector<Place> places;                // of each écriture
    std::vector<std::size_t> groupOf(chosen.size());
    std::unordered_map<GroupKey, std::size_t, GroupKeyHash> vouchers;
    struct Run {
        std::size_t group;
        AmountTotal balance;
    };
    std::unordered_map<GroupKey, Run, GroupKeyHash> openRuns;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        const BookEntry &e = entries[chosen[k]];
        const GroupKey key{e.date.toJulianDay(), journals[k], monthlines::trimmedCell(e.voucher())};
        const Place place{key.day, key.journal, chosen[k]};
        if (!key.voucher.empty()) {
            const auto [found, added] = vouchers.try_emplace(key, places.size());
            if (added)
                places.push_back(place);
            groupOf[k] = found->second;
            continue;
        }
        // Lines without voucher join the open run of their date and journal,
        // which ends where its debits equal its credits.
        auto [run, added] = openRuns.try_emplace(key, Run{places.size(), {}});
        if (added)
            places.push_back(place);
        groupOf[k] = run->second.group;
        run->second.balance.add(e.debitValue);
        run->second.balance.add(-e.creditValue);
        if (run->second.balance.computed() && run->second.balance.value() == 0)
            openRuns.erase(run);
    }

    std::vector<std::size_t> order(places.size());
    for (std::size_t g = 0; g < order.size(); ++g)
        order[g] = g;
    std::sort(order.begin(), order.end(), [&places](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    std::vector<std::size_t> rank(places.size());
    for (std::size_t r = 0; r < order.size(); ++r)
        rank[order[r]] = r;

    // The lines laid out écriture after écriture, each in grid order.
    EntryGroups out;
    out.starts.assign(places.size() + 1, 0);
    for (std::size_t k = 0; k < chosen.size(); ++k)
        ++out.starts[rank[groupOf[k]] + 1];
    for (std::size_t r = 0; r < places.size(); ++r)
        out.starts[r + 1] += out.starts[r];
    out.lines.resize(chosen.size());
    std::vector<std::size_t> filled(out.starts.begin(), out.starts.end() - 1);
    for (std::size_t k = 0; k < chosen.size(); ++k)
        out.lines[filled[rank[groupOf[k]]]++] = chosen[k];
    return out;
}

EntryGroupTotals totalsOf(const std::vector<BookEntry> &entries, const EntryGroups &entryGroups, std::size_t n)
{
    EntryGroupTotals totals;
    for (std::size_t k = entryGroups.first(n); k < entryGroups.end(n); ++k) {
        totals.debit.add(entries[entryGroups.lines[k]].debitValue);
        totals.credit.add(entries[entryGroups.lines[k]].creditValue);
    }
    return totals;
}

} // namespace yearend
