#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/ProposedEntry.h"
#include "ledger/TextGrid.h"
#include "vat/VatReturn.h"

#include <QStringList>
#include <array>

struct Platform;

namespace vat {

enum class PeriodKind { Month, Quarter, Dates };

// What the "Déclaration de TVA" window shows and does: the period chosen
// (a month or a quarter of the fiscal year, or two dates), the return's
// eight lines as a grid, what the user must know about them, the settling
// entry proposed and the printout. The return is computed again at every
// choice, from the lines as they are then.
class ReturnForm {
public:
    ReturnForm(const LineList &lines, const FiscalYear &year, const QStringList &journals, QDate today);

    const std::vector<Period> &months() const { return months_; }
    const std::vector<Period> &quarters() const { return quarters_; }
    PeriodKind kind() const { return kind_; }
    std::size_t month() const { return month_; }
    std::size_t quarter() const { return quarter_; }
    QDate from() const { return from_; }
    QDate to() const { return to_; }

    void chooseKind(PeriodKind kind);
    void chooseMonth(std::size_t index);
    void chooseQuarter(std::size_t index);
    void chooseDates(QDate from, QDate to);
    // Computes the return again, after the lines changed.
    void recompute();

    const VatReturn &result() const { return result_; }
    // A title row ("Ligne", "Libellé", "Montant"), then lines 1 to 8: the
    // number, the caption and the figure.
    const TextGrid &grid() const { return grid_; }
    // Why there are no figures, or that the period is settled and that the
    // previous one is not; empty otherwise.
    const QString &message() const { return message_; }

    // Why no settling entry can be proposed; empty when one can.
    QString proposalRefusal() const;
    // The settling entry, in the journal proposed ("OD" or none).
    ProposedEntry proposal() const;

    // "Imprimer": the print dialog, then the return on the printer; a
    // return without figures or a printer that refuses is told to the user.
    void print(const Platform &platform, const QString &company) const;

private:
    QString settledMessage() const;

    const LineList &lines_;
    const FiscalYear year_;
    const QStringList &journals_;
    std::vector<Period> months_;
    std::vector<Period> quarters_;
    PeriodKind kind_ = PeriodKind::Month;
    std::size_t month_ = 0;
    std::size_t quarter_ = 0;
    QDate from_;
    QDate to_;
    VatReturn result_;
    TextGrid grid_{kLines + 1, 3};
    QString message_;
};

// The proposed entry as a grid: a title row ("Date", "Compte", "Libellé",
// "Débit", "Crédit"), one row per line, then the totals of the two sides.
TextGrid entryGrid(const ProposedEntry &entry);

} // namespace vat
