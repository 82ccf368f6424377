#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/TextForms.h"
#include "vat/VatPeriod.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The figures of the VAT return (CA3) of a period, from the entries dated
// inside it, selected as the balance selects them, summed exactly in cents.
namespace vat {

inline constexpr int kLines = 8;

// The caption of a line, 1 to 8 ("Chiffre d'affaires hors taxes", ...).
QString lineCaption(int line);

// A VAT account's balance as its settlement takes it: credits − debits for
// collected VAT, debits − credits for deductible VAT.
struct AccountBalance {
    QString account; // as keyed in the entries
    Cents amount = 0;
    bool operator==(const AccountBalance &) const = default;
};

struct VatReturn {
    Period period;
    // Lines 1 to 8 at 0 to 7: 1 sales before tax (accounts 70), 2 VAT
    // collected (4457), 3 deductible on fixed assets (44562), 4 deductible on
    // other goods and services (other 4456 but 44567), 5 credit carried from
    // before the period (44567), 6 total deductible (3 + 4 + 5), 7 VAT due
    // (2 − 6 when not negative), 8 credit to carry (6 − 2 when 2 < 6). Lines
    // 7 and 8 are empty when they do not apply, every line when `error`.
    std::array<std::optional<Cents>, kLines> figures{};
    std::vector<AccountBalance> collected;  // the 4457 accounts over the period, by code
    std::vector<AccountBalance> deductible; // the 4456 accounts, by code; 44567 as line 5 takes it
    // Why there are no figures (an amount that is not a number, a total out
    // of range), in French.
    QString error;
    // The period's settling entry is in the books: it is left out of the
    // figures, which stay those it settled.
    bool settled = false;
    // The previous period of the same length, within the fiscal year, holds
    // VAT movements but no settling entry: line 5 then takes the credit of an
    // older position, that of this day (the last settling entry before the
    // period, or the year's start). Invalid otherwise.
    QDate carriedFrom;

    // The figure of a line, 1 to 8, in the "0.00" form; empty when there is none.
    QString figureText(int line) const;
};

// The label of the entry that settles the period: "TVA Mars 2002".
QString settlementLabel(const Period &period);

// The period of the same length just before: the months before a period of
// whole months, the days before any other.
Period previousPeriod(const Period &period);

// What the return says when the previous period was not settled; empty when
// it was, or had nothing to settle, or lies before the fiscal year.
QString unsettledWarning(const VatReturn &vatReturn);

// The return of the period within the fiscal year. Line 5 takes the entries
// of the fiscal year dated before the period, and the year's opening entries
// (journal "AN" on its first day): a credit carried from the previous year
// is the credit the year's first return starts from. The lines of the
// period's own settling entry (its label, dated the period's last day) are
// left out. A settling entry is one on a VAT account whose label begins with
// "TVA ", as the settling entries of months, quarters and dates do.
VatReturn computeReturn(const LineList &lines, const Period &period, const FiscalYear &year);

} // namespace vat
