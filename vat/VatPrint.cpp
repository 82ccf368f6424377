#include "vat/VatPrint.h"

#include "ledger/TextForms.h"
#include "platform/Printer.h"
#include "printing/PrintJob.h"
#include "vat/VatReturn.h"

namespace vat {
namespace {

// Columns in millimetres: the line number, the caption, the figures' right edge.
constexpr int numberX = 0;
constexpr int captionX = 14;
constexpr int figureRight = 175;
constexpr int tableTop = 38;
constexpr int rowHeight = 8;

} // namespace

bool printReturn(Printer &printer, const VatReturn &vatReturn, const QString &company)
{
    const printing::PrintJob job(printer);
    if (!job.started())
        return false;
    const printing::MillimetrePage &page = job.page();
    const Period &period = vatReturn.period;

    printer.setBold(true);
    printer.setFontSize(14);
    page.text(numberX, 5, QStringLiteral("Déclaration de TVA"));
    printer.setFontSize(10);
    page.text(numberX, 15, company.trimmed());
    printer.setBold(false);
    const QString dates = QStringLiteral("du %1 au %2").arg(forms::formatDate(period.from), forms::formatDate(period.to));
    page.text(numberX, 22, period.caption == dates ? QStringLiteral("Période : %1").arg(dates)
                                                   : QStringLiteral("Période : %1 (%2)").arg(period.caption, dates));

    printer.setBold(true);
    page.text(numberX, tableTop - 8, QStringLiteral("Ligne"));
    page.text(captionX, tableTop - 8, QStringLiteral("Libellé"));
    page.rightText(figureRight, tableTop - 8, QStringLiteral("Montant"));
    printer.setBold(false);
    printer.setPenWidth(2);
    page.horizontalLine(tableTop - 2, numberX, figureRight);
    for (int line = 1; line <= kLines; ++line) {
        const int y = tableTop + (line - 1) * rowHeight;
        page.text(numberX + 3, y, QString::number(line));
        page.text(captionX, y, lineCaption(line));
        page.rightText(figureRight, y, vatReturn.figureText(line));
    }
    page.horizontalLine(tableTop + kLines * rowHeight, numberX, figureRight);
    return true;
}

} // namespace vat
