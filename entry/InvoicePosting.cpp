#include "entry/InvoicePosting.h"

#include "entry/AmountText.h"
#include "entry/ChartLines.h"
#include "entry/DateText.h"
#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"

#include <string>

namespace invoice {
namespace {

// One cell of an entry line: the month key, the column digit, the text, as a
// stored cell holds at most.
void appendCell(LineList &lines, std::string &buffer, const std::string &key, int column, const QString &text)
{
    buffer.assign(key);
    buffer.push_back(char('0' + column));
    cp1252::encodeAppend(buffer, QStringView(forms::singleLine(text)).left(254));
    lines.append(buffer);
}

// The lines an invoice gives: each account with its amount and the column
// it goes to (5 debit, 6 credit), the lines without an amount left out.
struct PostedLine {
    QString account;
    QString amount;
    int column;
};

std::vector<PostedLine> postedLines(const Invoice &inv, InvoiceKind kind)
{
    const bool sale = kind == InvoiceKind::Client;
    const struct {
        InvoiceField account;
        InvoiceField amount;
        int column;
    } sides[] = {
        {InvoiceField::Counterparty, InvoiceField::Ttc, sale ? 5 : 6},
        {InvoiceField::Revenue, InvoiceField::Ht, sale ? 6 : 5},
        {InvoiceField::Vat, InvoiceField::Tva, sale ? 6 : 5},
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
            appendCell(lines, buffer, key, 0, inv[InvoiceField::Date]);
            appendCell(lines, buffer, key, 1, line.account);
            appendCell(lines, buffer, key, 2, inv[InvoiceField::Label]);
            appendCell(lines, buffer, key, 3, inv[InvoiceField::Journal]);
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
            if (chartlines::markAccountUsed(ref.ListePlc, line.account))
                ref.PlanModifie = true;
        chartlines::markJournalUsed(ref.ListeJnx, inv[InvoiceField::Journal]);
    }
}

} // namespace invoice
