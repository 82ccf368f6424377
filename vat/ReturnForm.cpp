#include "vat/ReturnForm.h"

#include "ledger/AmountTotal.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/PrinterDialogs.h"
#include "vat/Settlement.h"
#include "vat/VatPrint.h"

namespace vat {

ReturnForm::ReturnForm(const LineList &lines, const FiscalYear &year, const QStringList &journals, QDate today)
    : lines_(lines), year_(year), journals_(journals), months_(yearMonths(year)), quarters_(yearQuarters(year))
{
    grid_.set(0, 0, QStringLiteral("Ligne"));
    grid_.set(0, 1, QStringLiteral("Libellé"));
    grid_.set(0, 2, QStringLiteral("Montant"));
    for (int line = 1; line <= kLines; ++line) {
        grid_.set(line, 0, QString::number(line));
        grid_.set(line, 1, lineCaption(line));
    }
    if (!months_.empty()) {
        month_ = lastCompleteMonth(months_, today);
        quarter_ = quarterOf(quarters_, months_[month_]);
        from_ = months_[month_].from;
        to_ = months_[month_].to;
    }
    recompute();
}

void ReturnForm::chooseKind(PeriodKind kind)
{
    kind_ = kind;
    recompute();
}

void ReturnForm::chooseMonth(std::size_t index)
{
    if (index < months_.size())
        month_ = index;
    recompute();
}

void ReturnForm::chooseQuarter(std::size_t index)
{
    if (index < quarters_.size())
        quarter_ = index;
    recompute();
}

void ReturnForm::chooseDates(QDate from, QDate to)
{
    from_ = from;
    to_ = to;
    recompute();
}

void ReturnForm::recompute()
{
    result_ = VatReturn{};
    message_.clear();
    std::optional<Period> period;
    if (kind_ == PeriodKind::Dates) {
        message_ = datesRefusal(from_, to_);
        if (message_.isEmpty())
            period = datesPeriod(from_, to_);
    } else if (months_.empty()) {
        message_ = QStringLiteral("L'exercice n'a pas de dates valides.");
    } else {
        period = kind_ == PeriodKind::Month ? months_[month_] : quarters_[quarter_];
    }
    if (period) {
        result_ = computeReturn(lines_, *period, year_);
        message_ = result_.error;
        if (message_.isEmpty()) {
            QStringList said;
            if (result_.settled)
                said.append(settledMessage());
            if (const QString warning = unsettledWarning(result_); !warning.isEmpty())
                said.append(warning);
            message_ = said.join(u'\n');
        }
    }
    for (int line = 1; line <= kLines; ++line)
        grid_.set(line, 2, forms::Rset(result_.figureText(line)));
    grid_.touch();
}

QString ReturnForm::proposalRefusal() const
{
    if (!result_.error.isEmpty() || result_.period.caption.isEmpty())
        return message_;
    if (result_.settled)
        return settledMessage() + QStringLiteral(" Supprimez-la pour la passer à nouveau.");
    if (proposal().lines.empty())
        return QStringLiteral("Aucun montant de TVA à solder pour la période %1.").arg(result_.period.caption);
    return {};
}

QString ReturnForm::settledMessage() const
{
    return QStringLiteral("L'écriture « %1 » du %2 est passée.")
        .arg(settlementLabel(result_.period), forms::formatDate(result_.period.to));
}

ProposedEntry ReturnForm::proposal() const
{
    return settlingEntry(result_, proposedJournal(journals_));
}

void ReturnForm::print(const Platform &platform, const QString &company) const
{
    if (!result_.error.isEmpty() || result_.period.caption.isEmpty()) {
        platform.messages->information(message_);
        return;
    }
    if (!platform.printerDialogs->print())
        return;
    if (!printReturn(*platform.printer, result_, company))
        platform.messages->information(printerRefusedMessage());
}

TextGrid entryGrid(const ProposedEntry &entry)
{
    const int rows = int(entry.lines.size()) + 2;
    TextGrid grid(rows, 5);
    const QString titles[5] = {QStringLiteral("Date"), QStringLiteral("Compte"), QStringLiteral("Libellé"),
                               QStringLiteral("Débit"), QStringLiteral("Crédit")};
    for (int c = 0; c < 5; ++c)
        grid.set(0, c, titles[c]);
    AmountTotal debits, credits;
    int row = 1;
    for (const ProposedLine &line : entry.lines) {
        grid.set(row, 0, forms::formatDate(entry.date));
        grid.set(row, 1, line.account);
        grid.set(row, 2, entry.label);
        grid.set(row, 3, amountCell(line.debit));
        grid.set(row, 4, amountCell(line.credit));
        debits.add(line.debit);
        credits.add(line.credit);
        ++row;
    }
    grid.set(row, 2, QStringLiteral("Total"));
    grid.set(row, 3, forms::Rset(debits.text()));
    grid.set(row, 4, forms::Rset(credits.text()));
    return grid;
}

} // namespace vat
