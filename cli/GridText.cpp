#include "cli/GridText.h"

#include <QStringList>

#include <algorithm>

namespace cli {
namespace {

void appendCell(std::string &out, const QString &cell)
{
    const QByteArray utf8 = printedCell(cell).toUtf8();
    out.append(utf8.constData(), std::size_t(utf8.size()));
}

} // namespace

QString printedCell(const QString &cell)
{
    qsizetype first = 0;
    qsizetype last = cell.size();
    while (first < last && cell[first].unicode() <= u' ')
        ++first;
    while (last > first && cell[last - 1].unicode() <= u' ')
        --last;
    QString text = cell.mid(first, last - first);
    text.replace(u'\t', u' ');
    return text;
}

void appendCells(std::string &out, const QStringList &cells)
{
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += '\t';
        appendCell(out, cells[c]);
    }
    out += '\n';
}

void appendGridRow(std::string &out, const TextGrid &grid, int row, int columns)
{
    const int count = columns < 0 ? grid.colCount() : std::min(columns, grid.colCount());
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            out += '\t';
        appendCell(out, grid.at(row, c));
    }
    out += '\n';
}

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

void appendText(std::string &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out.append(utf8.constData(), std::size_t(utf8.size()));
}

} // namespace cli
