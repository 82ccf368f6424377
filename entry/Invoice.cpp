#include "entry/Invoice.h"

bool Invoice::blank() const
{
    const auto empty = [this](InvoiceField f) { return (*this)[f].trimmed().isEmpty(); };
    return empty(InvoiceField::Label) && empty(InvoiceField::Ttc) && empty(InvoiceField::Ht)
        && empty(InvoiceField::Tva);
}

namespace invoice {

QString fieldCaption(InvoiceKind kind, InvoiceField field)
{
    const bool client = kind == InvoiceKind::Client;
    switch (field) {
    case InvoiceField::Date: return QStringLiteral("Date");
    case InvoiceField::Counterparty: return client ? QStringLiteral("Client") : QStringLiteral("Four.");
    case InvoiceField::Revenue: return client ? QStringLiteral("Vente") : QStringLiteral("Achat");
    case InvoiceField::Vat: return client ? QStringLiteral("TVA collectée") : QStringLiteral("TVA récup.");
    case InvoiceField::Journal: return QStringLiteral("Journal");
    case InvoiceField::Label: return QStringLiteral("Libellé");
    case InvoiceField::Ttc: return QStringLiteral("Total TTC");
    case InvoiceField::Ht: return QStringLiteral("Total HT");
    case InvoiceField::Tva: return QStringLiteral("Total TVA");
    }
    return {};
}

// Each side proposes the accounts of its own side of the French chart: a sale
// goes to customers (411) and sales (707) with collected VAT (4457), a
// purchase to suppliers (401) and purchases (607) with deductible VAT (4456).
InvoiceProposals fallbacks(InvoiceKind kind)
{
    if (kind == InvoiceKind::Client)
        return {QStringLiteral("V1"), QStringLiteral("411000"), QStringLiteral("707000"), QStringLiteral("445700")};
    return {QStringLiteral("A1"), QStringLiteral("401000"), QStringLiteral("607000"), QStringLiteral("445600")};
}

} // namespace invoice
