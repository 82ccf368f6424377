#include "wordproc/RtfDocument.h"

#include <QStringList>

namespace rtf {

QString Paragraph::text() const
{
    QString all;
    for (const Run &run : runs)
        all += run.text;
    return all;
}

QString Document::plainText() const
{
    QStringList lines;
    lines.reserve(paragraphs.size());
    for (const Paragraph &paragraph : paragraphs)
        lines.append(paragraph.text());
    return lines.join(u'\n');
}

void append(Paragraph &paragraph, QStringView text, const CharFormat &format)
{
    if (text.isEmpty())
        return;
    if (!paragraph.runs.isEmpty() && paragraph.runs.last().format == format)
        paragraph.runs.last().text += text;
    else
        paragraph.runs.append(Run{text.toString(), format});
}

} // namespace rtf
