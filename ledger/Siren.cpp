#include "ledger/Siren.h"

namespace siren {
namespace {

constexpr int kDigits = 9;

} // namespace

QString refusal(const QString &siren)
{
    bool digits = siren.size() == kDigits;
    bool allZeros = true;
    int sum = 0;
    for (qsizetype i = 0; digits && i < siren.size(); ++i) {
        const QChar c = siren[siren.size() - 1 - i];
        digits = c >= u'0' && c <= u'9';
        int d = c.unicode() - u'0';
        allZeros = allZeros && d == 0;
        // Luhn: every second digit from the right is doubled, its digits added.
        if (i % 2 == 1)
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
    }
    // Nine zeros pass the Luhn key but name no business.
    if (digits && !allZeros && sum % 10 == 0)
        return {};
    return QStringLiteral("Le SIREN « %1 » n'est pas valide : il compte 9 chiffres, le dernier étant la clé de "
                          "contrôle.")
        .arg(siren);
}

} // namespace siren
