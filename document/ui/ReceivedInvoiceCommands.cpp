#include "document/ReceivedInvoiceCommands.h"
#include "document/ui/TFiche.h"
#include "einvoice/ui/TFacturesRecues.h"

#include <QDesktopServices>
#include <QUrl>

void TFiche::receiveInvoices()
{
    TFacturesRecues window(
        fiche_.platform(), [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }, this);
    run([&window](Fiche &f) { document::receiveInvoices(f, window); });
}
