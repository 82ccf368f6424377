#pragma once

#include "platform/Printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// A printer of the system, a PDF file or a preview, through QPrinter and
// QPainter. Positions are dots of the device from the corner of its printable
// area. A page range chosen in the print dialog applies to the one job that
// follows: pages outside it are laid out but not put on paper.
class QtPrinter final : public Printer {
public:
    // The device is asked for at the start of every job: the application's
    // printer is made on first use and may be set up between jobs.
    explicit QtPrinter(std::function<QPrinter &()> device);
    // A device that prints into a file has `chooseFile` give each job its
    // file as the job begins; when it gives false (the user called the job
    // off) the job begins all the same and puts nothing out, so that no one
    // is told of a refusal they asked for.
    QtPrinter(std::function<QPrinter &()> device, std::function<bool(QPrinter &)> chooseFile);
    explicit QtPrinter(QPrinter &device);
    ~QtPrinter() override;

    void setFontName(const QString &name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setPenWidth(int dots) override;

    bool beginDocument() override;
    void newPage() override;
    void endDocument() override;

    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override;
    int lineHeight() override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void richText(const QString &html) override;

    int pageWidth() override;
    int pageHeight() override;
    int horizontalSize() override;
    int verticalSize() override;

    // The family the device prints the current font with, after substitution
    // ("Liberation Sans" for "Arial" where Arial is not installed).
    QString familyUsed();

private:
    QFontMetrics metrics();
    bool inRange(int page) const;
    bool drawing() const;
    void applyPen();

    std::function<QPrinter &()> device_;
    std::function<bool(QPrinter &)> chooseFile_;
    QPrinter *job_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    int penWidth_ = 1;
    QPoint position_;
    int page_ = 0;
    int firstPage_ = 0; // 0: from the first page
    int lastPage_ = 0;  // 0: to the last page
    bool devicePageTaken_ = false;
};
