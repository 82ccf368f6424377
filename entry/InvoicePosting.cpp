#include "entry/InvoicePosting.h"

#include "entry/AmountText.h"
#include "entry/DateText.h"
#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/MonthLines.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"

#include <string>

namespace invoice {
namespace {

using monthlines::Column;

// One cell of an entry line, on one line of its own.
void appendCell(LineList &lines, std::string &buffer, const std::string &key, Column column, const QString &text)
{
    monthlines::appendLine(lines, buffer, key, column, forms::singleLine(text));
}

// The lines an invoice gives: each account with its amount and the column
// it goes to (debit or credit), the lines without an amount left out.
struct PostedLine {
    QString account;
    QString amount;
    Column column;
};

std::vector<PostedLine> postedLines(const Invoice &inv, InvoiceKind kind)
{
    const bool sale = kind == InvoiceKind::Customer;
    const struct {
        InvoiceField account;
        InvoiceField amount;
        Column column;
    } sides[] = {
        {InvoiceField::Counterparty, InvoiceField::WithTax, sale ? Column::Debit : Column::Credit},
        {InvoiceField::Revenue, InvoiceField::BeforeTax, sale ? Column::Credit : Column::Debit},
        {InvoiceField::Vat, InvoiceField::VatAmount, sale ? Column::Credit : Column::Debit},
    };
    std::vector<PostedLine> lines;
    for (const auto &side : sides) {
        const QString amount = amounttext::normalise(inv[side.amount]).value_or(QString());
        if (!amount.isEmpty())
            lines.push_back({inv[side.account], amount, side.column});
    }
    return lines;
}

} // namespace

int post(LineList &lines, const std::vector<Invoice> &invoices, InvoiceKind kind)
{
    std::string buffer;
    int written = 0;
    for (const Invoice &inv : invoices) {
        const std::optional<QDate> date = datetext::toDate(inv[InvoiceField::Date]);
        if (!date)
            continue;
        const std::string key = forms::monthKey(date->year(), date->month());
        for (const PostedLine &line : postedLines(inv, kind)) {
            appendCell(lines, buffer, key, Column::Date, inv[InvoiceField::Date]);
            appendCell(lines, buffer, key, Column::Account, line.account);
            appendCell(lines, buffer, key, Column::Label, inv[InvoiceField::Label]);
            appendCell(lines, buffer, key, Column::Journal, inv[InvoiceField::Journal]);
            appendCell(lines, buffer, key, line.column, line.amount);
            ++written;
        }
    }
    return written;
}

void markUsed(ReferenceData &ref, const std::vector<Invoice> &invoices, InvoiceKind kind)
{
    for (const Invoice &inv : invoices) {
        for (const PostedLine &line : postedLines(inv, kind))
            if (ref.ListePlc.markAccountUsed(line.account))
                ref.PlanModifie = true;
        ref.ListeJnx.markCodeUsed(inv[InvoiceField::Journal]);
    }
}

} // namespace invoice
