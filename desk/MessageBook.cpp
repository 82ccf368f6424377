#include "desk/MessageBook.h"

#include "ledger/TextForms.h"
#include "desk/ToolFile.h"
#include "ledger/LineFile.h"

namespace {

constexpr std::size_t kDateField = 4;
constexpr std::size_t kTimeField = 5;
constexpr int kFlagsField = 7;

QString withoutLeadingBlanks(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

} // namespace

Message Message::fromLine(const QString &line)
{
    const QStringList parts = line.split(u'\t');
    Message m;
    for (std::size_t i = 0; i < m.fields.size() && qsizetype(i) < parts.size(); ++i)
        m.fields[i] = withoutLeadingBlanks(parts[qsizetype(i)]);
    if (parts.size() > kFlagsField) {
        const QString flags = withoutLeadingBlanks(parts[kFlagsField]);
        for (std::size_t i = 0; i < m.flags.size(); ++i)
            m.flags[i] = qsizetype(i) < flags.size() && flags[qsizetype(i)] == u'T';
    }
    return m;
}

QString Message::leftField(std::size_t field, const QString &text, QDate today, QTime now)
{
    if (!text.isEmpty())
        return text;
    if (field == kDateField)
        return forms::formatDate(today);
    if (field == kTimeField)
        return forms::formatTime(now);
    return text;
}

QString Message::line() const
{
    QStringList parts;
    for (const QString &field : fields)
        parts.append(withoutLeadingBlanks(forms::singleLine(field)));
    QString marks;
    for (bool flag : flags)
        marks += flag ? u'T' : u'F';
    parts.append(marks);
    return parts.join(u'\t');
}

QString MessageBook::fileFor(const QString &ledgerFile)
{
    const qsizetype nameStart = ledgerFile.lastIndexOf(u'/') + 1;
    const qsizetype dot = ledgerFile.indexOf(u'.', nameStart);
    return (dot < 0 ? ledgerFile : ledgerFile.left(dot)) + QStringLiteral(".oms");
}

QString MessageBook::Charge(const QString &path)
{
    QStringList read;
    const QString message = linefile::read(path, read);
    if (!message.isEmpty())
        return message;
    lines_ = read.isEmpty() ? QStringList{kBlank} : read;
    index_ = count() - 1;
    return {};
}

QString MessageBook::Sauve(const QString &path) const
{
    return linefile::write(path, lines_);
}

void MessageBook::previous()
{
    if (index_ > 0)
        --index_;
}

void MessageBook::next()
{
    if (index_ < count() - 1)
        ++index_;
}

void MessageBook::add()
{
    lines_.append(kBlank);
    index_ = count() - 1;
}

void MessageBook::remove()
{
    lines_.removeAt(index_);
    if (lines_.isEmpty())
        lines_.append(kBlank);
    if (index_ > count() - 1)
        index_ = count() - 1;
}
