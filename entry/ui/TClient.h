#pragma once

#include "entry/ui/InvoiceDialog.h"

// "Facture client": customer invoices, each a debit to the customer and
// credits to a sales account and a collected-VAT account.
class TClient final : public InvoiceDialog {
    Q_OBJECT
public:
    explicit TClient(const Platform &platform, QWidget *parent = nullptr);
};
