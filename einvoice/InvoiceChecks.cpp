#include "einvoice/InvoiceChecks.h"

#include <algorithm>
#include <limits>

namespace einvoice {
namespace {

QString amount(Cents value)
{
    return forms::formatAmount(value);
}

bool knownCategory(const QString &category)
{
    static const QStringList categories = {"S", "Z", "E", "AE", "K", "G", "O", "L", "M"};
    return categories.contains(category);
}

} // namespace

qint64 scaled(qint64 amount, qint64 numerator, qint64 denominator)
{
    const __int128 product = __int128(amount) * numerator;
    const __int128 half = denominator / 2;
    const __int128 result = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return qint64(std::clamp<__int128>(result, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()));
}

Cents taxAt(Cents basis, qint64 rate)
{
    return scaled(basis, rate, 100'000);
}

QStringList checkInvoice(const Invoice &invoice)
{
    QStringList broken;
    const Totals &t = invoice.totals;
    if (t.grand != t.net + t.vat)
        broken << QStringLiteral("le total TTC %1 n'est pas le total HT %2 plus la TVA %3 (règle : TTC = HT + TVA)")
                      .arg(amount(t.grand), amount(t.net), amount(t.vat));
    if (invoice.vatGroups.empty()) {
        broken << QStringLiteral("la facture ne ventile pas sa TVA par taux (règle : une ventilation au moins)");
        return broken;
    }
    // Sums of amounts of fifteen digits each: wide enough for any number of groups.
    __int128 bases = 0, taxes = 0;
    for (const VatGroup &group : invoice.vatGroups) {
        bases += group.basis;
        taxes += group.tax;
        if (!knownCategory(group.category))
            broken << QStringLiteral("la catégorie de TVA « %1 » est inconnue (règle : S, Z, E, AE, K, G, O, L ou M)")
                          .arg(group.category);
        else if (group.rate < 0 || group.rate > kMaxRate)
            broken << QStringLiteral("le taux de TVA %1 % n'est pas un taux (règle : de 0 à 100 %)").arg(rateText(group.rate));
        else if (const Cents expected = taxAt(group.basis, group.rate); qAbs(group.tax - expected) > 1)
            broken << QStringLiteral("la TVA à %1 % sur %2 est %3 au lieu de %4 (règle : TVA = base × taux, au centime près)")
                          .arg(rateText(group.rate), amount(group.basis), amount(group.tax), amount(expected));
    }
    const auto sum = [](__int128 total) { return total > forms::kMaxCents || total < -forms::kMaxCents ? QStringLiteral("?") : amount(Cents(total)); };
    if (t.net != bases)
        broken << QStringLiteral("le total HT %1 n'est pas la somme des bases de TVA %2 (règle : HT = somme des bases)")
                      .arg(amount(t.net), sum(bases));
    if (t.vat != taxes)
        broken << QStringLiteral("le total de la TVA %1 n'est pas la somme de la TVA par taux %2 (règle : TVA = somme des taux)")
                      .arg(amount(t.vat), sum(taxes));
    return broken;
}

} // namespace einvoice
