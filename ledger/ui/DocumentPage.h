#pragma once

#include <QWidget>
#include <functional>

// One of the eight pages of the document window. A page shows what the
// document holds for it and hands the user's actions to the window, which
// runs them on the document and then asks the page shown to refresh.
class DocumentPage : public QWidget {
    Q_OBJECT
public:
    // Runs an operation on the document, then shows its outcome.
    using Run = std::function<void(const std::function<void()> &)>;

    // `window` is the document window: it runs the operations and takes the
    // page keys that change the month.
    DocumentPage(Run run, QWidget *window) : QWidget(window), run_(std::move(run)), window_(window) {}

    // Reads the document again into the widgets.
    virtual void refresh() = 0;
    // Lays the page out for a document window of width w.
    virtual void layoutForWidth(int) {}

protected:
    void run(const std::function<void()> &operation) const { run_(operation); }
    QWidget *documentWindow() const { return window_; }

private:
    Run run_;
    QWidget *window_;
};
