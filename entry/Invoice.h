#pragma once

#include <QString>
#include <array>
#include <cstddef>

// A customer or a supplier invoice, as the invoice dialogs key it: nine texts
// that posting turns into the three lines of one entry (counterparty for the
// total with tax, revenue or expense for the total before tax, VAT).

enum class InvoiceKind { Customer, Supplier };

// The fields in the dialog's order.
enum class InvoiceField { Date, Counterparty, Revenue, Vat, Journal, Label, WithTax, BeforeTax, VatAmount };

inline constexpr std::size_t kInvoiceFields = 9;

struct Invoice {
    std::array<QString, kInvoiceFields> texts; // the field texts, the date as its ten positions

    QString &operator[](InvoiceField field) { return texts[std::size_t(field)]; }
    const QString &operator[](InvoiceField field) const { return texts[std::size_t(field)]; }
    bool operator==(const Invoice &) const = default;

    // Nothing of the invoice's own was typed: no label, no amount. The date,
    // the accounts and the journal may hold what the dialog proposed; alone
    // they make nothing to post.
    bool blank() const;
};

// What the dialog proposes for every new invoice, from the entry guides.
struct InvoiceProposals {
    QString journal;
    QString counterparty;
    QString revenue; // revenue account, or expense account on a purchase
    QString vat;
};

namespace invoice {

// The caption of a field on the dialog of that kind ("Client", "Four.", ...).
QString fieldCaption(InvoiceKind kind, InvoiceField field);

// The values a new invoice falls back to where the guides leave a field empty.
InvoiceProposals fallbacks();

} // namespace invoice
