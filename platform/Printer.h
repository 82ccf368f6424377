#pragma once

#include <QString>

// The printer as the print runs see it: a page of dots on which texts, lines
// and rectangles are placed at integer dot positions, measured from the top-left
// corner of the area the device can print on. Listings, statements, envelopes,
// the notepad and the word processor all print through it.
//
// The font is chosen by name, size and weight, each kept until changed, also
// across documents; it can be set before the document begins. A document
// starts with a pen one dot wide. Texts are placed by the top-left corner of
// their line box.
class Printer {
public:
    virtual ~Printer() = default;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setPenWidth(int dots) = 0;

    // Starts a print job on its first page; false when the device refused it
    // (no printer, a file that cannot be written), and then nothing may be
    // drawn and the job needs no end. A job the user called off (declining
    // to name the file of a printer that prints into one) begins and puts
    // nothing out.
    virtual bool beginDocument() = 0;
    virtual void newPage() = 0;
    // Hands the job to the printing system; every begun document is ended.
    virtual void endDocument() = 0;

    virtual void textOut(int x, int y, const QString &text) = 0;
    // Width in dots of the text in the current font, as the device prints it.
    virtual int textWidth(const QString &text) = 0;
    // Height in dots of a line of text in the current font.
    virtual int lineHeight() = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // The outline of the rectangle between two opposite corners, in the pen.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Rich text, as Qt's text document writes it in HTML, from the top of the
    // current page over the whole printable area, on as many pages as it takes
    // (the last one it fills stays the current page).
    virtual void richText(const QString &html) = 0;

    // The printable area, in dots and in whole millimetres.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual int horizontalSize() = 0;
    virtual int verticalSize() = 0;
};

// What the user is told when the printer refuses a job.
QString printerRefusedMessage();
