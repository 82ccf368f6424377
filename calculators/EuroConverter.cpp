#include "calculators/EuroConverter.h"

#include "calculators/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int rateDecimals = 5;
constexpr qint64 rateUnit = 100000; // hundred-thousandths in a franc

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString EuroConverter::type(QChar typed)
{
    if (typed == u'\r')
        return convert();
    clearResult();
    if (typed == u'.')
        typed = u',';
    if (typed == u',' || isDigit(typed))
        input_ += typed;
    return QString();
}

void EuroConverter::press(QChar key)
{
    clearResult();
    input_ += key;
}

QString EuroConverter::convert()
{
    // Until the next key, the displays hold a result: typing starts afresh.
    resultShown_ = true;
    const std::optional<double> amount = numbers::parse(input_);
    if (!amount) {
        clearResult();
        return QString();
    }
    const std::optional<double> value = converted(*amount, rate_, direction_);
    if (!value) {
        clearResult();
        return numbers::overflowMessage();
    }
    result_ = numbers::general(*value);
    return QString();
}

std::optional<double> EuroConverter::converted(double amount, qint64 rate, Direction direction)
{
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    double value = 0;
    if (direction == Direction::FrancsToEuros)
        value = std::nearbyint(amount * 100000 / double(rate) * 100) * 0.01;
    else
        value = std::nearbyint(amount * double(rate) * 0.000001 * 100) * 0.1;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

void EuroConverter::rateUp()
{
    if (rate_ < std::numeric_limits<qint64>::max())
        ++rate_;
}

void EuroConverter::rateDown()
{
    rate_ = qMax(rate_ - 1, lowestRate);
}

QString EuroConverter::rateText() const
{
    QString text = QString::number(rate_ / rateUnit);
    QString decimals = QStringLiteral("%1").arg(rate_ % rateUnit, rateDecimals, 10, QLatin1Char('0'));
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    if (!decimals.isEmpty())
        text += u',' + decimals;
    return text;
}

std::optional<qint64> EuroConverter::parseRate(QStringView text)
{
    text = text.trimmed();
    qsizetype separator = text.indexOf(u',');
    if (separator < 0)
        separator = text.indexOf(u'.');
    const QStringView whole = separator < 0 ? text : text.left(separator);
    const QStringView decimals = separator < 0 ? QStringView() : text.mid(separator + 1);
    const auto allDigits = [](QStringView part) { return std::all_of(part.begin(), part.end(), isDigit); };
    if (whole.size() + decimals.size() == 0 || decimals.size() > rateDecimals || !allDigits(whole)
        || !allDigits(decimals))
        return std::nullopt;
    qint64 rate = 0;
    for (QChar digit : whole) {
        if (rate > (std::numeric_limits<qint64>::max() / rateUnit - 10) / 10)
            return std::nullopt;
        rate = rate * 10 + digit.digitValue();
    }
    rate *= rateUnit;
    qint64 unit = rateUnit;
    for (QChar digit : decimals) {
        unit /= 10;
        rate += digit.digitValue() * unit;
    }
    if (rate < lowestRate)
        return std::nullopt;
    return rate;
}

void EuroConverter::clearResult()
{
    if (resultShown_) {
        input_.clear();
        result_.clear();
    }
    resultShown_ = false;
}
