#include "entry/ui/TClient.h"

TClient::TClient(const Platform &platform, QWidget *parent)
    : InvoiceDialog(InvoiceKind::Client, QStringLiteral("Facture client"), platform, parent)
{
}
