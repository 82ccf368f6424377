#pragma once

#include "platform/Printer.h"

#include <QString>
#include <cmath>
#include <functional>
#include <vector>

// A printer that keeps every call it is given, with its arguments, on a page
// of a chosen resolution and printable size. Texts are as wide as half their
// font size per character, a tenth more in bold, so that tests can tell where
// a right-aligned text must start; a line is 1.2 times the font size high.
class RecordingPrinter final : public Printer {
public:
    enum class Op { FontName, FontSize, Bold, PenWidth, Begin, NewPage, End, Text, MoveTo, LineTo, Rectangle, RichText };
    struct Call {
        Op op;
        QString text = {}; // font name, text written or rich text
        int a = 0;    // x, size, bold, pen width
        int b = 0;    // y
        int c = 0;    // second corner of a rectangle
        int d = 0;
        bool operator==(const Call &) const = default;
    };

    // 600 dots per inch on an A4 sheet less 3.5 mm margins: 203 x 290 mm.
    RecordingPrinter() : RecordingPrinter(600, 203, 290) {}
    RecordingPrinter(int dpi, int widthMm, int heightMm)
        : dpi(dpi), widthMm(widthMm), heightMm(heightMm), widthDots(dotsFor(widthMm)), heightDots(dotsFor(heightMm))
    {
    }

    int dpi;
    int widthMm;
    int heightMm;
    int widthDots;
    int heightDots;
    bool refuseBegin = false;              // the device refuses the job
    std::function<void(const QString &)> onText; // called before a text is kept
    std::vector<Call> calls;

    // Width of a text at a size, as textWidth measures it.
    int widthOf(const QString &text, int points, bool bold = false) const
    {
        const double em = points * dpi / 72.0;
        return int(text.size() * em / 2 * (bold ? 1.1 : 1.0));
    }

    int heightOf(int points) const { return points * dpi / 60; }

    void setFontName(const QString &name) override { calls.push_back({Op::FontName, name}); }
    void setFontSize(int points) override
    {
        size_ = points;
        calls.push_back({Op::FontSize, {}, points});
    }
    void setBold(bool bold) override
    {
        bold_ = bold;
        calls.push_back({Op::Bold, {}, bold ? 1 : 0});
    }
    void setPenWidth(int dots) override { calls.push_back({Op::PenWidth, {}, dots}); }
    bool beginDocument() override
    {
        if (refuseBegin)
            return false;
        calls.push_back({Op::Begin});
        return true;
    }
    void newPage() override { calls.push_back({Op::NewPage}); }
    void endDocument() override { calls.push_back({Op::End}); }
    void textOut(int x, int y, const QString &text) override
    {
        if (onText)
            onText(text);
        calls.push_back({Op::Text, text, x, y});
    }
    int textWidth(const QString &text) override { return widthOf(text, size_, bold_); }
    int lineHeight() override { return heightOf(size_); }
    void moveTo(int x, int y) override { calls.push_back({Op::MoveTo, {}, x, y}); }
    void lineTo(int x, int y) override { calls.push_back({Op::LineTo, {}, x, y}); }
    void rectangle(int x1, int y1, int x2, int y2) override { calls.push_back({Op::Rectangle, {}, x1, y1, x2, y2}); }
    void richText(const QString &html) override { calls.push_back({Op::RichText, html}); }
    int pageWidth() override { return widthDots; }
    int pageHeight() override { return heightDots; }
    int horizontalSize() override { return widthMm; }
    int verticalSize() override { return heightMm; }

    // The calls of one kind, in order.
    std::vector<Call> only(Op op) const
    {
        std::vector<Call> kept;
        for (const Call &call : calls)
            if (call.op == op)
                kept.push_back(call);
        return kept;
    }
    // The texts written, in order.
    std::vector<QString> texts() const
    {
        std::vector<QString> kept;
        for (const Call &call : calls)
            if (call.op == Op::Text)
                kept.push_back(call.text);
        return kept;
    }
    int count(Op op) const { return int(only(op).size()); }

private:
    int dotsFor(int mm) const { return int(std::lround(mm * dpi / 25.4)); }
    int size_ = 10;
    bool bold_ = false;
};
