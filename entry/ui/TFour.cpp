#include "entry/ui/TFour.h"

TFour::TFour(const Platform &platform, QWidget *parent)
    : InvoiceDialog(InvoiceKind::Fournisseur, QStringLiteral("Facture fournisseur"), platform, parent)
{
}
