#include "lettering/AutoLettering.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace lettering {
namespace {

// Open invoices a payment may settle together, at most: beyond them the
// search could not tell in time that its group is the only one.
constexpr std::size_t kSplitCandidates = 20;
// Steps of that search, at most.
constexpr int kSplitSteps = 50000;
// Groups the proposal lists; the others are counted.
constexpr std::size_t kGroupsListed = 20;

bool sharesReference(const Line &a, const Line &b)
{
    if (!a.voucher.isEmpty() && a.voucher == b.voucher)
        return true;
    return (!a.voucher.isEmpty() && b.label.contains(a.voucher)) || (!b.voucher.isEmpty() && a.label.contains(b.voucher));
}

// The open lines of one account, split into invoices and payments, each
// with the amount it settles (positive).
struct AccountLines {
    std::vector<std::size_t> invoices;
    std::vector<std::size_t> payments;
};

Cents settled(const Line &line)
{
    return line.amount() < 0 ? -line.amount() : line.amount();
}

// The pairs of one account: candidates of the same amount, the payment on or
// after the invoice, best first.
void pairLines(const std::vector<Line> &lines, AccountLines &account, std::vector<bool> &used,
               std::vector<std::vector<std::size_t>> &groups)
{
    struct Candidate {
        bool shared;
        qint64 gap;
        std::size_t invoice;
        std::size_t payment;
    };
    const auto byAmount = [&](std::size_t a, std::size_t b) {
        return settled(lines[a]) != settled(lines[b]) ? settled(lines[a]) < settled(lines[b]) : a < b;
    };
    std::sort(account.invoices.begin(), account.invoices.end(), byAmount);
    std::sort(account.payments.begin(), account.payments.end(), byAmount);
    std::vector<Candidate> candidates;
    auto payment = account.payments.begin();
    for (auto invoice = account.invoices.begin(); invoice != account.invoices.end();) {
        const Cents amount = settled(lines[*invoice]);
        const auto invoicesEnd = std::find_if(invoice, account.invoices.end(),
                                              [&](std::size_t i) { return settled(lines[i]) != amount; });
        payment = std::find_if(payment, account.payments.end(), [&](std::size_t p) { return settled(lines[p]) >= amount; });
        const auto paymentsEnd = std::find_if(payment, account.payments.end(),
                                              [&](std::size_t p) { return settled(lines[p]) != amount; });
        candidates.clear();
        for (auto i = invoice; i != invoicesEnd; ++i)
            for (auto p = payment; p != paymentsEnd; ++p)
                if (lines[*p].date >= lines[*i].date)
                    candidates.push_back({sharesReference(lines[*i], lines[*p]), lines[*i].date.daysTo(lines[*p].date), *i, *p});
        std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
            if (a.shared != b.shared)
                return a.shared;
            if (a.gap != b.gap)
                return a.gap < b.gap;
            return std::pair(a.invoice, a.payment) < std::pair(b.invoice, b.payment);
        });
        for (const Candidate &c : candidates) {
            if (used[c.invoice] || used[c.payment])
                continue;
            used[c.invoice] = used[c.payment] = true;
            groups.push_back({c.invoice, c.payment});
        }
        invoice = invoicesEnd;
        payment = paymentsEnd;
    }
}

// Counts the sets of two or more of `amounts` (largest first) that make
// `target`, up to two; `found` keeps the first. False when the search took
// too many steps to tell.
class SplitSearch {
public:
    explicit SplitSearch(const std::vector<Cents> &amounts) : amounts_(amounts), rest_(amounts.size() + 1, 0)
    {
        for (std::size_t i = amounts.size(); i-- > 0;)
            rest_[i] = rest_[i + 1] + amounts[i];
    }

    bool run(Cents target)
    {
        walk(0, target);
        return steps_ <= kSplitSteps;
    }
    int solutions() const { return solutions_; }
    const std::vector<std::size_t> &found() const { return found_; }

private:
    void walk(std::size_t from, Cents left)
    {
        if (solutions_ >= 2 || ++steps_ > kSplitSteps)
            return;
        if (left == 0) {
            if (chosen_.size() >= 2 && ++solutions_ == 1)
                found_ = chosen_;
            return;
        }
        for (std::size_t i = from; i < amounts_.size() && rest_[i] >= left; ++i) {
            if (amounts_[i] > left)
                continue;
            chosen_.push_back(i);
            walk(i + 1, left - amounts_[i]);
            chosen_.pop_back();
        }
    }

    const std::vector<Cents> &amounts_;
    std::vector<Cents> rest_; // the sum of the amounts from each place on
    std::vector<std::size_t> chosen_;
    std::vector<std::size_t> found_;
    int solutions_ = 0;
    int steps_ = 0;
};

// One payment and the several open invoices it settles exactly, when they
// are the only ones that do.
void splitPayments(const std::vector<Line> &lines, const AccountLines &account, std::vector<bool> &used,
                   std::vector<std::vector<std::size_t>> &groups)
{
    std::vector<std::size_t> payments = account.payments;
    std::sort(payments.begin(), payments.end(), [&](std::size_t a, std::size_t b) {
        return lines[a].date != lines[b].date ? lines[a].date < lines[b].date : a < b;
    });
    std::vector<std::size_t> candidates;
    std::vector<Cents> amounts;
    for (std::size_t p : payments) {
        if (used[p])
            continue;
        const Cents target = settled(lines[p]);
        candidates.clear();
        for (std::size_t i : account.invoices)
            if (!used[i] && lines[i].date <= lines[p].date && settled(lines[i]) < target)
                candidates.push_back(i);
        if (candidates.size() < 2 || candidates.size() > kSplitCandidates)
            continue;
        std::sort(candidates.begin(), candidates.end(),
                  [&](std::size_t a, std::size_t b) { return settled(lines[a]) > settled(lines[b]); });
        amounts.clear();
        for (std::size_t i : candidates)
            amounts.push_back(settled(lines[i]));
        SplitSearch search(amounts);
        if (!search.run(target) || search.solutions() != 1)
            continue;
        std::vector<std::size_t> group;
        for (std::size_t k : search.found()) {
            group.push_back(candidates[k]);
            used[candidates[k]] = true;
        }
        std::sort(group.begin(), group.end());
        group.push_back(p);
        used[p] = true;
        groups.push_back(std::move(group));
    }
}

} // namespace

bool invoicesOnCredit(const QString &account)
{
    return account.startsWith(QStringLiteral("40"));
}

std::vector<Group> automaticGroups(const std::vector<Line> &lines, CodeBook &codes)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].open() && lines[i].date.isValid() && lines[i].amount() != 0)
            order.push_back(i);
    // The accounts in code order, each given its rank once: the lines are
    // then sorted on numbers rather than on their accounts' texts.
    QHash<QString, int> rank;
    for (std::size_t i : order)
        rank.insert(lines[i].account, 0);
    QStringList accounts = rank.keys();
    accounts.sort();
    for (int r = 0; r < accounts.size(); ++r)
        rank[accounts[r]] = r;
    std::vector<int> rankOf(lines.size(), 0);
    for (std::size_t i : order)
        rankOf[i] = rank.value(lines[i].account);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rankOf[a] < rankOf[b]; });
    std::vector<bool> used(lines.size(), false);
    std::vector<Group> proposed;
    std::vector<std::vector<std::size_t>> groups;
    for (auto from = order.begin(); from != order.end();) {
        const QString &name = lines[*from].account;
        const auto to = std::find_if(from, order.end(), [&](std::size_t i) { return rankOf[i] != rankOf[*from]; });
        AccountLines account;
        const bool onCredit = invoicesOnCredit(name);
        for (auto i = from; i != to; ++i)
            ((lines[*i].amount() < 0) == onCredit ? account.invoices : account.payments).push_back(*i);
        groups.clear();
        pairLines(lines, account, used, groups);
        splitPayments(lines, account, used, groups);
        // Codes in the order of the groups' first lines, as a reader of the
        // account meets them.
        std::sort(groups.begin(), groups.end(), [](const auto &a, const auto &b) {
            return *std::min_element(a.begin(), a.end()) < *std::min_element(b.begin(), b.end());
        });
        for (std::vector<std::size_t> &group : groups) {
            std::sort(group.begin(), group.end());
            proposed.push_back(groupOf(lines, group, codes));
        }
        from = to;
    }
    return proposed;
}

QString proposalText(const Proposal &proposal)
{
    const std::size_t count = proposal.groups.size();
    if (count == 0)
        return QStringLiteral("Lettrage automatique : aucun groupe de lignes ne se solde sans doute possible.");
    QString text = count == 1 ? QStringLiteral("Lettrage automatique : 1 groupe proposé.")
                              : QStringLiteral("Lettrage automatique : %1 groupes proposés.").arg(count);
    for (std::size_t g = 0; g < count && g < kGroupsListed; ++g) {
        const Group &group = proposal.groups[g];
        text += QStringLiteral("\n%1  %2  %3  %4 lignes  %5")
                    .arg(group.code, group.account, forms::formatDate(group.date))
                    .arg(group.lines.size())
                    .arg(forms::formatAmount(group.amount));
    }
    if (count > kGroupsListed)
        text += QStringLiteral("\n… et %1 autres.").arg(count - kGroupsListed);
    return text;
}

} // namespace lettering
