#pragma once

#include "wordproc/RtfDocument.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFormat>

class QTextBlock;
class QTextDocument;

// Between the letter model and Qt's text document. Lengths: a screen pixel
// is 15 twips (96 to the inch).
namespace richtext {

// The model's format as Qt's, every property given.
QTextCharFormat charFormat(const rtf::CharFormat &format);
// Qt's format as the model's, what it leaves unset taken from the default font.
rtf::CharFormat charFormat(const QTextCharFormat &format, const QFont &defaultFont);

QTextBlockFormat blockFormat(const rtf::ParagraphFormat &format);
// The paragraph's format, bullets included.
rtf::ParagraphFormat paragraphFormat(const QTextBlock &block);

// The bullet list paragraphs with bullets belong to.
QTextListFormat bulletList();

// Replaces the document's content, keeping its page margins. Its undo
// history starts over.
void toDocument(const rtf::Document &model, QTextDocument &document);
rtf::Document fromDocument(const QTextDocument &document);

} // namespace richtext
