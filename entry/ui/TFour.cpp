#include "entry/ui/TFour.h"

TFour::TFour(const Platform &platform, QWidget *parent)
    : InvoiceDialog(InvoiceKind::Supplier, QStringLiteral("Facture fournisseur"), platform, parent)
{
}
