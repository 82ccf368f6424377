#pragma once

#include <QIcon>

// The word processor's tool-bar pictures that the application's icon set
// lacks, drawn in the tool bar's text colour.
namespace texticons {

// Lines of text set left, centred or right.
QIcon alignment(Qt::Alignment alignment, const QColor &ink);
// Three bulleted lines.
QIcon bullets(const QColor &ink);
// A letter in a style: "G" bold, "I" italic, "S" underlined, "A" for the font.
QIcon letter(const QString &text, const QFont &font, const QColor &ink);

} // namespace texticons
