#pragma once

#include "entry/Invoice.h"

// An invoice as the dialogs hand it over, on the "VE" journal.
inline Invoice invoiceOf(const QString &date, const QString &counterparty, const QString &revenue,
                         const QString &vat, const QString &label, const QString &withTax, const QString &beforeTax,
                         const QString &vatAmount)
{
    Invoice i;
    i[InvoiceField::Date] = date;
    i[InvoiceField::Counterparty] = counterparty;
    i[InvoiceField::Revenue] = revenue;
    i[InvoiceField::Vat] = vat;
    i[InvoiceField::Journal] = QStringLiteral("VE");
    i[InvoiceField::Label] = label;
    i[InvoiceField::WithTax] = withTax;
    i[InvoiceField::BeforeTax] = beforeTax;
    i[InvoiceField::VatAmount] = vatAmount;
    return i;
}
