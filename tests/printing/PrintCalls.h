#pragma once

#include "support/RecordingPrinter.h"

#include <QPoint>
#include <QString>
#include <vector>

// Reading back what a print run asked of the recording printer.
namespace printcalls {

using Op = RecordingPrinter::Op;

// Where each writing of `text` was placed, in order.
inline std::vector<QPoint> placesOf(const RecordingPrinter &printer, const QString &text)
{
    std::vector<QPoint> places;
    for (const RecordingPrinter::Call &call : printer.calls)
        if (call.op == Op::Text && call.text == text)
            places.emplace_back(call.a, call.b);
    return places;
}

// The one place of a text written once; (-1, -1) when it was not written once.
inline QPoint placeOf(const RecordingPrinter &printer, const QString &text)
{
    const std::vector<QPoint> places = placesOf(printer, text);
    return places.size() == 1 ? places.front() : QPoint(-1, -1);
}

// The calls made after the n-th new page (0: from the start of the document).
inline std::vector<RecordingPrinter::Call> pageCalls(const RecordingPrinter &printer, int page)
{
    std::vector<RecordingPrinter::Call> calls;
    int current = 0;
    for (const RecordingPrinter::Call &call : printer.calls) {
        if (call.op == Op::NewPage) {
            ++current;
            continue;
        }
        if (current == page)
            calls.push_back(call);
    }
    return calls;
}

// Horizontal lines drawn, as (y, x1, x2) from each move-to / line-to pair.
struct Rule {
    int y, x1, x2;
    bool operator==(const Rule &) const = default;
};
inline std::vector<Rule> horizontalRules(const std::vector<RecordingPrinter::Call> &calls)
{
    std::vector<Rule> rules;
    for (std::size_t i = 0; i + 1 < calls.size(); ++i)
        if (calls[i].op == Op::MoveTo && calls[i + 1].op == Op::LineTo && calls[i].b == calls[i + 1].b)
            rules.push_back({calls[i].b, calls[i].a, calls[i + 1].a});
    return rules;
}

} // namespace printcalls
