#include "platform/ui/QtPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QTextDocument>

namespace {

// Rich text gives its indents and tab stops in pixels of a 96 dots an inch
// screen (3780 dots a metre).
constexpr int kScreenDpi = 96;
constexpr int kScreenDotsPerMetre = 3780;
// Less than any line is high, in screen pixels.
constexpr qreal kFootGap = 0.5;

} // namespace

QtPrinter::QtPrinter(std::function<QPrinter &()> device) : device_(std::move(device))
{
    // Where the asked family is missing, a sans-serif face stands in.
    font_.setStyleHint(QFont::SansSerif);
}

QtPrinter::QtPrinter(std::function<QPrinter &()> device, std::function<bool(QPrinter &)> chooseFile)
    : QtPrinter(std::move(device))
{
    chooseFile_ = std::move(chooseFile);
}

QtPrinter::QtPrinter(QPrinter &device) : QtPrinter([&device]() -> QPrinter & { return device; }) {}

QtPrinter::~QtPrinter()
{
    if (painter_)
        endDocument();
}

void QtPrinter::setFontName(const QString &name)
{
    font_.setFamily(name);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::setFontSize(int points)
{
    font_.setPointSize(points);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::setBold(bool bold)
{
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::setPenWidth(int dots)
{
    penWidth_ = dots;
    applyPen();
}

void QtPrinter::applyPen()
{
    if (!painter_)
        return;
    QPen pen(Qt::black);
    pen.setWidth(penWidth_);
    painter_->setPen(pen);
}

bool QtPrinter::beginDocument()
{
    job_ = &device_();
    if (chooseFile_ && job_->outputFormat() == QPrinter::PdfFormat && !chooseFile_(*job_))
        return true;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(job_)) {
        painter_.reset();
        return false;
    }
    painter_->setFont(font_);
    painter_->setBrush(Qt::NoBrush);
    penWidth_ = 1;
    applyPen();
    position_ = {};
    firstPage_ = 0;
    lastPage_ = 0;
    if (job_->printRange() == QPrinter::PageRange && job_->fromPage() > 0) {
        firstPage_ = job_->fromPage();
        lastPage_ = job_->toPage();
    }
    page_ = 1;
    devicePageTaken_ = inRange(page_);
    return true;
}

bool QtPrinter::inRange(int page) const
{
    return (firstPage_ == 0 || page >= firstPage_) && (lastPage_ == 0 || page <= lastPage_);
}

bool QtPrinter::drawing() const
{
    return painter_ && inRange(page_);
}

void QtPrinter::newPage()
{
    if (!painter_)
        return;
    ++page_;
    if (!inRange(page_))
        return;
    // The device's first page waits for the first page of the range.
    if (devicePageTaken_)
        job_->newPage();
    devicePageTaken_ = true;
}

void QtPrinter::endDocument()
{
    if (!painter_)
        return;
    painter_->end();
    painter_.reset();
    // The range belongs to the job the print dialog was shown for; an envelope
    // or a preview printed next takes every page.
    job_->setPrintRange(QPrinter::AllPages);
    job_->setFromTo(0, 0);
}

void QtPrinter::textOut(int x, int y, const QString &text)
{
    if (!drawing())
        return;
    painter_->drawText(x, y + painter_->fontMetrics().ascent(), text);
}

QFontMetrics QtPrinter::metrics()
{
    if (painter_)
        return painter_->fontMetrics();
    return QFontMetrics(font_, &device_());
}

int QtPrinter::textWidth(const QString &text)
{
    return metrics().horizontalAdvance(text);
}

int QtPrinter::lineHeight()
{
    return metrics().height();
}

void QtPrinter::moveTo(int x, int y)
{
    position_ = {x, y};
}

void QtPrinter::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (drawing())
        painter_->drawLine(position_, to);
    position_ = to;
}

void QtPrinter::rectangle(int x1, int y1, int x2, int y2)
{
    if (drawing())
        painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

void QtPrinter::richText(const QString &html)
{
    if (!painter_)
        return;
    // Laid out on a screen's pixels, then scaled to the device's dots.
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(kScreenDotsPerMetre);
    screen.setDotsPerMeterY(kScreenDotsPerMetre);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&screen);
    document.setHtml(html);
    document.setDocumentMargin(0);
    const qreal scaleX = qreal(job_->logicalDpiX()) / kScreenDpi;
    const qreal scaleY = qreal(job_->logicalDpiY()) / kScreenDpi;
    const QSizeF page(job_->width() / scaleX, job_->height() / scaleY);
    document.setPageSize(page);
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            newPage();
        if (!drawing())
            continue;
        painter_->save();
        painter_->scale(scaleX, scaleY);
        painter_->translate(0, -i * page.height());
        // A line pushed to the next page starts right at this one's foot: it
        // must not be drawn here too, not even clipped away (a PDF keeps
        // clipped text).
        const QRectF shown(0, i * page.height(), page.width(), page.height() - kFootGap);
        painter_->setClipRect(shown);
        document.drawContents(painter_.get(), shown);
        painter_->restore();
    }
}

int QtPrinter::pageWidth()
{
    return device_().width();
}

int QtPrinter::pageHeight()
{
    return device_().height();
}

int QtPrinter::horizontalSize()
{
    return device_().widthMM();
}

int QtPrinter::verticalSize()
{
    return device_().heightMM();
}

QString QtPrinter::familyUsed()
{
    if (painter_)
        return painter_->fontInfo().family();
    QFont onDevice(font_, &device_());
    return QFontInfo(onDevice).family();
}
