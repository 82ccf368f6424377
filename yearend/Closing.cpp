#include "yearend/Closing.h"

#include "exchange/ExchangeCommands.h"
#include "exchange/ExchangeText.h"
#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"
#include "ledger/YearEntries.h"
#include "yearend/EntryValidation.h"
#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QDir>
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace yearend {
namespace {

struct Balance {
    std::string_view account; // as keyed, the bytes of the line list
    AmountTotal value;         // debits minus credits
};

// The balances of the accounts in the order they are first met. An account
// is booked on the first balance whose number begins with it, or on a new one.
class Balances {
public:
    std::size_t bookOn(std::string_view account)
    {
        // A balance is added only when none begins with its account, so an
        // account's own balance, when it has one, is always the first that
        // begins with it; remembering where each account went keeps the
        // prefix search to one per account code.
        if (const auto it = where_.find(account); it != where_.end())
            return it->second;
        std::size_t index = list_.size();
        // No account is the beginning of an empty code: an entry without
        // an account keeps a balance of its own rather than landing on
        // whichever account came first. The balances whose account begins
        // with this one stand together in text order.
        if (!account.empty())
            for (auto it = byAccount_.lower_bound(account); it != byAccount_.end() && it->first.starts_with(account); ++it)
                index = std::min(index, it->second);
        if (index == list_.size()) {
            list_.push_back({account, {}});
            byAccount_.emplace(account, index);
        }
        where_.emplace(account, index);
        return index;
    }
    Balance &operator[](std::size_t i) { return list_[i]; }
    std::vector<Balance> &list() { return list_; }

private:
    std::vector<Balance> list_;
    std::map<std::string_view, std::size_t> byAccount_; // each balance's account
    std::unordered_map<std::string_view, std::size_t> where_;
};

// The label of an account as the chart reader takes it: the chart line whose
// first characters are the account, past that line's own code and flags,
// trimmed; an account keyed shorter than its chart line would otherwise carry
// the flags, and every label a leading blank, into the next year's import.
std::string chartLabel(const CodeList &chart, std::string_view account)
{
    const QString code = cp1252::decode(account);
    const qsizetype found = chart.findStartingWith(code);
    return found == CodeList::npos ? std::string() : cp1252::encode(chart.label(found));
}

// Where an entry of the month grid stands, for the user: "Mars 2002, ligne 3".
QString entryPlace(std::string_view key, int row)
{
    const std::optional<forms::YearMonth> month = forms::parseMonthKey(key);
    const QString name = month ? forms::monthCaption(forms::monthName(month->month), month->year)
                               : QStringLiteral("Mois « %1 »").arg(cp1252::decode(key));
    return QStringLiteral("%1, ligne %2").arg(name).arg(row);
}

// The amounts the closing could not read are listed one a line, up to a
// number a message box can still show.
constexpr qsizetype kListedAmounts = 20;

QString unreadAmountsWarning(const QStringList &places)
{
    QString text = QStringLiteral("Montants illisibles, comptés pour zéro :");
    for (qsizetype i = 0; i < std::min(places.size(), kListedAmounts); ++i)
        text += QStringLiteral("\n  ") + places[i];
    if (places.size() > kListedAmounts)
        text += QStringLiteral("\n  … et %1 autres").arg(places.size() - kListedAmounts);
    return text;
}

QString withoutAccountWarning(Cents balance)
{
    const QString amount = forms::formatRunningSum(balance < 0 ? -balance : balance);
    const QString side = balance == 0 ? QStringLiteral("nul") : balance < 0 ? amount + QStringLiteral(" au crédit")
                                                                            : amount + QStringLiteral(" au débit");
    return QStringLiteral("Des écritures sans compte sont laissées hors des à-nouveaux (solde %1).").arg(side);
}

std::string text(const QString &s)
{
    return cp1252::encode(s);
}

// One opening entry: the amount as debit (six fields) or as credit (seven).
void appendOpening(std::string &out, const std::string &date, std::string_view account, const CodeList &chart,
                   bool asCredit, const std::string &amount)
{
    const std::string label = chartLabel(chart, account);
    if (asCredit)
        exchange::appendRecord(out, {date, account, label, "AN", "", "", amount});
    else
        exchange::appendRecord(out, {date, account, label, "AN", "", amount});
}

} // namespace

QString closingRefusal(const FiscalYear &year)
{
    return year.closing > year.start ? QStringLiteral("Exercice déjà clôturé") : QString();
}

OpeningEntries openingEntries(const LineList &lines, const FiscalYear &year, const CodeList &chart)
{
    using monthlines::Column;
    // The entries counted are the year's, as every statement counts them: a
    // dossier holding any other line would close on figures the balance
    // sheet does not show.
    const std::vector<yearentries::Stray> strays = yearentries::strayLines(lines, year);
    if (!strays.empty())
        return {{}, QStringLiteral("Clôture impossible : des lignes du dossier ne sont pas des écritures de "
                                   "l'exercice.\n")
                        + yearentries::listStrays(strays, std::size_t(kListedAmounts))};
    Balances balances;
    // Entries counted per month, to name the row of an amount that is no number.
    std::unordered_map<std::string_view, int> rows;
    QStringList unreadAmounts;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &entry) {
        const int row = ++rows[entry.key()];
        Balance &balance = balances[balances.bookOn(entry[Column::Account])];
        for (const Column side : {Column::Debit, Column::Credit}) {
            const std::string_view text = monthlines::trimmedCell(entry[side]);
            const std::optional<Cents> amount = forms::parseAmount(text);
            if (!amount && !text.empty())
                unreadAmounts.append(entryPlace(entry.key(), row) + QStringLiteral(" : « ") + cp1252::decode(text)
                                     + QStringLiteral(" »"));
            balance.value.add(side == Column::Debit ? amount.value_or(0) : -amount.value_or(0));
        }
    });

    OpeningEntries entries;
    if (!unreadAmounts.isEmpty())
        entries.warnings.append(unreadAmountsWarning(unreadAmounts));
    // An entry without an account has nothing to carry its balance forward on.
    const auto withoutAccount = std::find_if(balances.list().begin(), balances.list().end(),
                                             [](const Balance &b) { return b.account.empty(); });
    if (withoutAccount != balances.list().end()) {
        if (!withoutAccount->value.computed())
            return {{}, forms::totalTooLarge()};
        entries.warnings.append(withoutAccountWarning(withoutAccount->value.value()));
        balances.list().erase(withoutAccount);
    }

    // Classes 6 and 7 make the result and are not carried forward.
    AmountTotal result;
    std::erase_if(balances.list(), [&result](const Balance &b) {
        const bool income = !b.account.empty() && (b.account[0] == '6' || b.account[0] == '7');
        if (income)
            result.subtract(b.value);
        return income;
    });
    const bool computed = result.computed() && std::all_of(balances.list().begin(), balances.list().end(),
                                                           [](const Balance &b) { return b.value.computed(); });
    if (!computed)
        return {{}, forms::totalTooLarge()};

    const std::string date = text(forms::formatDate(year.end.addDays(1)));
    // A nil balance carries nothing forward: a line without an amount would
    // be refused by the next year's checks.
    for (const Balance &b : balances.list()) {
        const Cents value = b.value.value();
        if (value == 0)
            continue;
        const bool credit = value < 0;
        appendOpening(entries.text, date, b.account, chart, credit, text(forms::formatRunningSum(credit ? -value : value)));
    }
    const bool profit = result.value() >= 0;
    const std::string amount = text(forms::formatRunningSum(profit ? result.value() : -result.value()));
    appendOpening(entries.text, date, profit ? "120000" : "129000", chart, profit, amount);
    return entries;
}

ClosingOutcome Cloturer(Ledger &ledger)
{
    const QString refusal = closingRefusal(ledger.fiscalYear);
    if (!refusal.isEmpty())
        return {refusal};
    const Platform &platform = ledger.platform();
    const QDate yearEnd = ledger.fiscalYear.end;
    // Entries may still come for days not yet lived: closing is likely a mistake.
    if (platform.clock->today() < yearEnd
        && !platform.messages->warningOkCancel(
            QStringLiteral("L'exercice se termine le %1, après aujourd'hui : clôturer quand même ?")
                .arg(forms::formatDate(yearEnd))))
        return {};
    if (!platform.messages->warningOkCancel(QStringLiteral("Clôturer l'exercice en cours ?")))
        return {};
    const QString path = ledger.referenceDir().filePath(kOpeningEntriesFile);
    {
        const Hourglass hourglass(platform.busy);
        ledger.EcritMois();
        const OpeningEntries entries = openingEntries(ledger.Lignes, ledger.fiscalYear, ledger.ref.ListePlc);
        if (!entries.error.isEmpty())
            return {entries.error};
        if (!entries.warnings.isEmpty()
            && !platform.messages->warningOkCancel(entries.warnings.join(QStringLiteral("\n\n"))
                                                   + QStringLiteral("\n\nÉcrire « %1 » tout de même ?").arg(kOpeningEntriesFile)))
            return {};
        const QString failure = exchange::writeExchangeFile(ledger, path, entries.text, fileio::NamedBy::Program);
        if (!failure.isEmpty())
            return {failure};
    }
    // The file is to be taken to the next year's dossier: the user must know where it is.
    const QString written = QStringLiteral("Écritures d'ouverture écrites dans %1.").arg(QDir::toNativeSeparators(path));
    if (platform.messages->warningYesNoCancel(QStringLiteral("Clôturer définitivement l'exercice ? Les écritures ne "
                                                             "pourront plus être modifiées."))
        != Messages::Answer::Yes)
        return {written};
    const ValidationOutcome outcome = closeDefinitively(ledger.Lignes, ledger.ref, ledger.fiscalYear, platform.clock->today());
    const bool definitive = outcome.problems.empty();
    if (definitive)
        ledger.EcritHead();
    return {written + QStringLiteral("\n\n") + definitiveClosingMessage(outcome, ledger.fiscalYear, kProblemsShown),
            definitive};
}

} // namespace yearend
