#include "ledger/TextForms.h"

#include <cstdlib>

namespace forms {

QString formatDate(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString formatTime(QTime time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QDate parseDate(QStringView text)
{
    const QStringView t = text.trimmed();
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (QChar c : t) {
        if (c == u'/') {
            if (++part > 2)
                return {};
        } else if (c.isDigit() && c.unicode() < 128) {
            if (++digits[part] > 4)
                return {};
            parts[part] = parts[part] * 10 + (c.unicode() - '0');
        } else {
            return {};
        }
    }
    if (part != 2 || digits[0] == 0 || digits[1] == 0 || digits[2] == 0 || digits[0] > 2 || digits[1] > 2)
        return {};
    int year = parts[2];
    if (digits[2] <= 2)
        year += 2000;
    return QDate(year, parts[1], parts[0]);
}

std::string dateKey(std::string_view d)
{
    auto sub = [&](std::size_t pos, std::size_t len) {
        return pos < d.size() ? d.substr(pos, len) : std::string_view();
    };
    std::string key;
    key.reserve(8);
    key.append(sub(6, 4));
    key.append(sub(3, 2));
    key.append(sub(0, 2));
    return key;
}

QString dateKey(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

std::string monthKey(int year, int month)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d%02d", year, month);
    return buf;
}

QString monthName(int month)
{
    static const char16_t *const names[] = {u"Janvier", u"Février", u"Mars", u"Avril",
                                            u"Mai", u"Juin", u"Juillet", u"Août",
                                            u"Septembre", u"Octobre", u"Novembre", u"Décembre"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf16(names[month - 1]);
}

QString monthCaption(const QString &name, int year)
{
    return name + u' ' + QString::number(year);
}

namespace {

template <class Char>
std::optional<Cents> parseChars(const Char *p, const Char *end)
{
    auto blank = [](Char c) { return c == ' ' || c == '\t'; };
    while (p < end && blank(*p))
        ++p;
    while (end > p && blank(end[-1]))
        --end;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    Cents units = 0;
    int intDigits = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        if (++intDigits > 15)
            return std::nullopt;
        units = units * 10 + (*p - '0');
        ++p;
    }
    int decimals[3] = {0, 0, 0};
    int fracDigits = 0;
    if (p < end && *p == ',') {
        ++p;
        while (p < end && *p >= '0' && *p <= '9') {
            if (fracDigits < 3)
                decimals[fracDigits] = *p - '0';
            ++fracDigits;
            ++p;
        }
    }
    if (p != end || (intDigits == 0 && fracDigits == 0))
        return std::nullopt;
    Cents cents = units * 100 + decimals[0] * 10 + decimals[1];
    if (decimals[2] >= 5)
        ++cents;
    if (cents > kMaxCents)
        return std::nullopt;
    return negative ? -cents : cents;
}

QString formatCents(Cents value, bool dropLeadingZero)
{
    const bool negative = value < 0;
    const Cents magnitude = negative ? -value : value;
    const Cents units = magnitude / 100;
    const int cents = int(magnitude % 100);
    QString text;
    if (negative)
        text += u'-';
    if (units != 0 || !dropLeadingZero)
        text += QString::number(units);
    text += u',';
    text += QChar(u'0' + cents / 10);
    text += QChar(u'0' + cents % 10);
    return text;
}

// Character widths of the grid font, in pixels, for the alignment rule.
int charWidth(QChar c)
{
    if (c == u' ' || c == u',' || c == u'.' || c == u'\'')
        return 3;
    if (c == u'-')
        return 4;
    if (c.isUpper())
        return 8;
    return 6;
}

} // namespace

std::optional<Cents> parseAmount(std::string_view text)
{
    return parseChars(text.data(), text.data() + text.size());
}

std::optional<Cents> parseAmount(QStringView text)
{
    return parseChars(text.utf16(), text.utf16() + text.size());
}

QString notANumber(QStringView cell)
{
    return QStringLiteral("'%1' n'est pas une valeur numérique correcte").arg(cell.toString());
}

QString formatAmount(Cents value)
{
    return formatCents(value, false);
}

QString formatRunningSum(Cents value)
{
    return formatCents(value, true);
}

QString Rset(const QString &text, int width)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    int pixels = 0;
    for (QChar c : trimmed)
        pixels += charWidth(c);
    int blanks = 0;
    while (pixels <= width - 10) {
        pixels += charWidth(u' ');
        ++blanks;
    }
    return QString(blanks, u' ') + trimmed;
}

QString ChampSuivant(QString &line)
{
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0) {
        QString field = line;
        line.clear();
        return field;
    }
    QString field = line.left(tab);
    line = line.mid(tab + 1, 255);
    return field;
}

QString completeAccount(const QString &code)
{
    return (code + QStringLiteral("00000")).left(6);
}

QString singleLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return line;
}

} // namespace forms
