#include "calculators/NumberText.h"

#include "ledger/TextForms.h"

#include <charconv>
#include <cmath>
#include <string>

namespace numbers {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Copies the digits starting at `pos` into `out`; gives how many there were.
int takeDigits(QStringView text, qsizetype &pos, std::string &out)
{
    int count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        out += char(text[pos].unicode());
        ++pos;
        ++count;
    }
    return count;
}

} // namespace

std::optional<double> parse(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    std::string form; // the same number in the C form that from_chars reads
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-')
            form += '-';
        ++pos;
    }
    int digits = takeDigits(text, pos, form);
    if (pos < text.size() && text[pos] == u',') {
        form += '.';
        ++pos;
        digits += takeDigits(text, pos, form);
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        form += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
            form += char(text[pos++].unicode());
        if (takeDigits(text, pos, form) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(form.data(), form.data() + form.size(), value);
    if (error != std::errc() || end != form.data() + form.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString general(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits, correctly rounded: "d.dddddddddddddde±x".
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e);
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    const int exponent = scientific.mid(e + 1).toInt();

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < -4 || exponent > 14) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u',' + digits.mid(1);
        return text + u'E' + QString::number(exponent);
    }
    if (exponent < 0)
        return text + QStringLiteral("0,") + QString(-exponent - 1, u'0') + digits;
    if (digits.size() <= exponent + 1)
        return text + digits + QString(exponent + 1 - digits.size(), u'0');
    return text + digits.left(exponent + 1) + u',' + digits.mid(exponent + 1);
}

QString fixed2(double value)
{
    const double size = std::fabs(value);
    if (size >= 1e18)
        return general(value);
    if (size >= 1e16) // every double this large is a whole number
        return QString::number(value, 'f', 2).replace(u'.', u',');
    // Round the exact value of |value| x 100 half away from zero. The product
    // itself may have been rounded onto a half: its exact error decides then.
    const double scaled = size * 100;
    const double error = std::fma(size, 100, -scaled);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    double cents = whole;
    if (fraction > 0.5 || (fraction == 0.5 && error >= 0))
        cents += 1;
    const Cents signedCents = value < 0 ? -Cents(cents) : Cents(cents);
    return forms::formatAmount(signedCents);
}

QString invalidNumberMessage(const QString &text)
{
    return QStringLiteral("Nombre invalide : ") + text;
}

QString divisionByZeroMessage()
{
    return QStringLiteral("Division par zéro");
}

QString negativeRootMessage()
{
    return QStringLiteral("Racine carrée d'un nombre négatif");
}

QString overflowMessage()
{
    return QStringLiteral("Dépassement de capacité");
}

} // namespace numbers
