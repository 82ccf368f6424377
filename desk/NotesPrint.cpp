#include "desk/NotesPrint.h"

#include "platform/Printer.h"

namespace notepad {
namespace {

constexpr int kTabWidth = 8;

QString withoutTabs(const QString &line)
{
    if (!line.contains(u'\t'))
        return line;
    QString expanded;
    for (QChar c : line) {
        if (c == u'\t')
            expanded += QString(kTabWidth - expanded.size() % kTabWidth, u' ');
        else
            expanded += c;
    }
    return expanded;
}

// The most characters from the start of the text that fit the width, at least one.
qsizetype fitting(Printer &printer, const QString &text, int width)
{
    qsizetype fits = 1;
    qsizetype tooMany = text.size() + 1;
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (printer.textWidth(text.left(middle)) <= width)
            fits = middle;
        else
            tooMany = middle;
    }
    return fits;
}

} // namespace

QStringList printedLines(Printer &printer, const QString &line, int width)
{
    QString rest = withoutTabs(line);
    QStringList printed;
    while (printer.textWidth(rest) > width) {
        qsizetype cut = fitting(printer, rest, width);
        // Cut after the last blank that fits, when there is one.
        const qsizetype blank = rest.lastIndexOf(u' ', cut - 1);
        if (blank > 0 && cut < rest.size() && rest[cut] != u' ')
            cut = blank + 1;
        printed.append(rest.left(cut));
        rest = rest.mid(cut);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    if (printed.isEmpty() || !rest.isEmpty())
        printed.append(rest);
    return printed;
}

QString Imprimer(Printer &printer, const QStringList &lines, const QString &fontName, int points)
{
    if (lines.isEmpty())
        return {};
    printer.setFontName(fontName);
    printer.setFontSize(points);
    printer.setBold(false);
    if (!printer.beginDocument())
        return printerRefusedMessage();
    const int lineHeight = printer.lineHeight();
    const int width = printer.pageWidth();
    int y = 0;
    for (const QString &line : lines) {
        for (const QString &printed : printedLines(printer, line, width)) {
            if (y > 0 && y + lineHeight > printer.pageHeight()) {
                printer.newPage();
                y = 0;
            }
            if (!printed.isEmpty())
                printer.textOut(0, y, printed);
            y += lineHeight;
        }
    }
    printer.endDocument();
    return {};
}

} // namespace notepad
