#include "entry/ui/TClient.h"

TClient::TClient(const Platform &platform, QWidget *parent)
    : InvoiceDialog(InvoiceKind::Customer, QStringLiteral("Facture client"), platform, parent)
{
}
