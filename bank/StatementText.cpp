#include "bank/StatementText.h"

#include "ledger/Codec1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace bank {

QString decodeText(std::string_view bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom)
        bytes.remove_prefix(bom.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    return cp1252::decode(bytes);
}

std::optional<Cents> parseStatementAmount(QStringView text)
{
    QStringView number = text.trimmed();
    if (number.endsWith(u"EUR", Qt::CaseInsensitive))
        number.chop(3);
    else if (number.endsWith(QChar(0x20AC)))
        number.chop(1);
    QString kept;
    for (QChar c : number) {
        if (c.isDigit() || c == u',' || c == u'.' || c == u'-' || c == u'+')
            kept.append(c);
        else if (!c.isSpace() && c != QChar(0x00A0) && c != QChar(0x202F))
            return std::nullopt;
    }
    if (kept.startsWith(u'+'))
        kept.remove(0, 1);
    // With both marks the last one is the decimal mark; a point alone is one too.
    const qsizetype comma = kept.lastIndexOf(u',');
    const qsizetype point = kept.lastIndexOf(u'.');
    if (comma >= 0 && point >= 0) {
        const QChar thousands = comma > point ? u'.' : u',';
        kept.remove(thousands);
    }
    kept.replace(u'.', u',');
    if (kept.count(u',') > 1)
        return std::nullopt;
    // The ledger rounds past the cents; a statement's amount is read exactly or not at all.
    if (const qsizetype mark = kept.indexOf(u','); mark >= 0) {
        for (qsizetype i = mark + 3; i < kept.size(); ++i)
            if (kept[i] != u'0')
                return std::nullopt;
    }
    const QByteArray latin = kept.toLatin1();
    return forms::parseAmount(std::string_view(latin.constData(), std::size_t(latin.size())));
}

QDate parseStatementDate(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    const QStringList parts = trimmed.split(QRegularExpression(QStringLiteral("[/.-]")));
    if (parts.size() != 3)
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay);
    const int month = parts[1].toInt(&okMonth);
    int year = parts[2].toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts[0].size() > 2 || parts[1].size() > 2)
        return {};
    if (parts[2].size() == 2)
        year += 2000;
    else if (parts[2].size() != 4)
        return {};
    return QDate(year, month, day);
}

QDate parseOfxDate(QStringView text)
{
    static const QRegularExpression form(QStringLiteral(
        "^([0-9]{4})([0-9]{2})([0-9]{2})(?:([0-9]{2})([0-9]{2})(?:([0-9]{2})(?:\\.[0-9]{1,3})?)?)?"
        "(?:\\[[+-]?[0-9]{1,2}(?:\\.[0-9]{1,2})?(?::[A-Za-z]{1,8})?\\])?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed().toString());
    if (!m.hasMatch())
        return {};
    const auto number = [&](int group) { return m.capturedView(group).toInt(); };
    if (m.hasCaptured(4) && (number(4) > 23 || number(5) > 59 || (m.hasCaptured(6) && number(6) > 59)))
        return {};
    return QDate(number(1), number(2), number(3));
}

QString notAStatement()
{
    return QStringLiteral("ce n'est ni un fichier OFX, ni un relevé CFONB, ni un tableau CSV");
}

QString fold(const QString &text)
{
    const QString decomposed = text.trimmed().toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    return folded;
}

} // namespace bank
