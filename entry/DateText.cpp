#include "entry/DateText.h"

#include "ledger/TextForms.h"

namespace datetext {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A whole number in the field: blanks in front, then digits to the end.
std::optional<int> wholeNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    if (i == text.size())
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
    }
    return value;
}

int daysInMonth(int month, int year)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

} // namespace

QString fieldText(const QString &text)
{
    return text.leftJustified(10, u' ', true);
}

QString complete(const QString &text, QDate today, int month, int year)
{
    QString t = fieldText(text);
    if (t[0] == u' ')
        t = forms::formatDate(today);
    else if (t[3] == u' ')
        t.replace(3, 2, QStringLiteral("%1").arg(month, 2, 10, QChar(u'0')));
    if (t[6] == u' ')
        t.replace(6, 4, QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')));
    return t;
}

bool VerifDate(const QString &text)
{
    const QString t = fieldText(text);
    const QStringView v(t);
    const auto year = wholeNumber(v.mid(6, 4));
    const auto month = wholeNumber(v.mid(3, 2));
    const auto day = wholeNumber(v.mid(0, 2));
    if (!year || !month || !day)
        return false;
    return *month >= 1 && *month <= 12 && *day >= 1 && *day <= daysInMonth(*month, *year);
}

std::optional<QDate> toDate(const QString &text)
{
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(text[i]))
            return std::nullopt;
    const QDate date(text.mid(6, 4).toInt(), text.mid(3, 2).toInt(), text.mid(0, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace datetext
