#pragma once

#include "entry/ui/InvoiceDialog.h"

// "Facture fournisseur": supplier invoices, each a credit to the supplier
// and debits to a purchase account and a deductible-VAT account.
class TFour final : public InvoiceDialog {
    Q_OBJECT
public:
    explicit TFour(const Platform &platform, QWidget *parent = nullptr);
};
