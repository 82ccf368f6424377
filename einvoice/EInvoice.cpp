#include "einvoice/EInvoice.h"

#include <QStringList>

namespace einvoice {

QString kindText(const Invoice &invoice)
{
    return invoice.creditNote ? QStringLiteral("Avoir") : QStringLiteral("Facture");
}

QString rateText(qint64 rate)
{
    QString text = QString::number(rate / 1000);
    if (const qint64 fraction = rate % 1000; fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += u',' + decimals;
    }
    return text;
}

QString invoiceText(const Invoice &invoice)
{
    const auto amount = [&](Cents value) { return forms::formatAmount(value) + u' ' + invoice.currency; };
    QStringList text;
    text << QStringLiteral("%1 n° %2 du %3").arg(kindText(invoice), invoice.number, forms::formatDate(invoice.issueDate));
    if (invoice.dueDate.isValid())
        text << QStringLiteral("Échéance : %1").arg(forms::formatDate(invoice.dueDate));
    text << QStringLiteral("Fournisseur : %1").arg(invoice.seller.name);
    text << QStringLiteral("SIREN : %1    TVA : %2").arg(invoice.seller.siren, invoice.seller.vatNumber);
    text << QString();
    for (const Line &line : invoice.lines) {
        // "3.0000" as the French read it: "3"; "2.50": "2,5".
        QString quantity = line.quantity;
        if (quantity.contains(u'.')) {
            while (quantity.endsWith(u'0'))
                quantity.chop(1);
            if (quantity.endsWith(u'.'))
                quantity.chop(1);
        }
        text << QStringLiteral("%1 × %2 : %3").arg(quantity.replace(u'.', u','), line.name, amount(line.net));
    }
    text << QString();
    for (const VatGroup &group : invoice.vatGroups)
        text << QStringLiteral("TVA %1 (%2 %) sur %3 : %4")
                    .arg(group.category, rateText(group.rate), amount(group.basis), amount(group.tax));
    text << QString();
    text << QStringLiteral("Total HT : %1").arg(amount(invoice.totals.net));
    text << QStringLiteral("Total TVA : %1").arg(amount(invoice.totals.vat));
    text << QStringLiteral("Total TTC : %1").arg(amount(invoice.totals.grand));
    if (invoice.totals.prepaid != 0)
        text << QStringLiteral("Déjà payé : %1").arg(amount(invoice.totals.prepaid));
    text << QStringLiteral("Net à payer : %1").arg(amount(invoice.totals.due));
    return text.join(u'\n');
}

} // namespace einvoice
