#include "entry/Invoice.h"

bool Invoice::blank() const
{
    const auto empty = [this](InvoiceField f) { return (*this)[f].trimmed().isEmpty(); };
    return empty(InvoiceField::Label) && empty(InvoiceField::WithTax) && empty(InvoiceField::BeforeTax)
        && empty(InvoiceField::VatAmount);
}

namespace invoice {

QString fieldCaption(InvoiceKind kind, InvoiceField field)
{
    const bool client = kind == InvoiceKind::Customer;
    switch (field) {
    case InvoiceField::Date: return QStringLiteral("Date");
    case InvoiceField::Counterparty: return client ? QStringLiteral("Client") : QStringLiteral("Four.");
    case InvoiceField::Revenue: return client ? QStringLiteral("Vente") : QStringLiteral("Achat");
    case InvoiceField::Vat: return client ? QStringLiteral("TVA collectée") : QStringLiteral("TVA récup.");
    case InvoiceField::Journal: return QStringLiteral("Journal");
    case InvoiceField::Label: return QStringLiteral("Libellé");
    case InvoiceField::WithTax: return QStringLiteral("Total TTC");
    case InvoiceField::BeforeTax: return QStringLiteral("Total HT");
    case InvoiceField::VatAmount: return QStringLiteral("Total TVA");
    }
    return {};
}

// Both dialogs share one set: dossiers keyed with empty guides have always
// been given these codes, on sales and purchases alike.
InvoiceProposals fallbacks()
{
    return {QStringLiteral("V1"), QStringLiteral("411000"), QStringLiteral("607000"), QStringLiteral("445700")};
}

} // namespace invoice
