#include "wordproc/ui/TextRulerBar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kHeight = 30;
constexpr int kLineY = 15;
constexpr int kTextStart = 6;
constexpr int kTicks = 100;

} // namespace

TextRulerBar::TextRulerBar(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QFont glyphs(QStringLiteral("DejaVu Sans"));
    glyphs.setPixelSize(11);
    const QString shapes[] = {QStringLiteral("▼"), QStringLiteral("▲"), QStringLiteral("▲")};
    const QString hints[] = {QStringLiteral("Retrait de première ligne"), QStringLiteral("Retrait gauche"),
                             QStringLiteral("Retrait droit")};
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        QLabel *label = new QLabel(shapes[i], this);
        label->setFont(glyphs);
        label->setToolTip(hints[i]);
        label->setCursor(Qt::SizeHorCursor);
        label->resize(label->sizeHint());
        label->installEventFilter(this);
        markers_[i] = label;
    }
    setFixedHeight(kHeight);
}

QSize TextRulerBar::sizeHint() const
{
    return {400, kHeight};
}

void TextRulerBar::showIndents(const RulerIndents &indents)
{
    if (ruler_.dragging())
        return;
    indents_ = indents;
    ruler_.setWidth(width());
    ruler_.show(indents);
    placeMarkers();
}

void TextRulerBar::setTabWidth(double pixels)
{
    if (pixels > 0 && pixels != tabWidth_) {
        tabWidth_ = pixels;
        update();
    }
}

void TextRulerBar::placeMarkers()
{
    const int top = kLineY - marker(TextRuler::Marker::First)->height() + 2;
    marker(TextRuler::Marker::First)->move(ruler_.markerLeft(TextRuler::Marker::First), top);
    for (TextRuler::Marker below : {TextRuler::Marker::Left, TextRuler::Marker::Right})
        marker(below)->move(ruler_.markerLeft(below), kLineY - 1);
}

bool TextRulerBar::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(markers_.begin(), markers_.end(), watched);
    if (found == markers_.end())
        return QWidget::eventFilter(watched, event);
    const auto which = TextRuler::Marker(found - markers_.begin());
    auto *mouse = static_cast<QMouseEvent *>(event);
    const auto pointerX = [&] { return mapFromGlobal(mouse->globalPosition().toPoint()).x(); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        ruler_.setWidth(width());
        ruler_.press(which, (*found)->width(), pointerX());
        placeMarkers();
        return true;
    case QEvent::MouseMove:
        if (!ruler_.dragging())
            return false;
        ruler_.move(pointerX());
        placeMarkers();
        return true;
    case QEvent::MouseButtonRelease: {
        if (!ruler_.dragging() || mouse->button() != Qt::LeftButton)
            return false;
        const RulerIndents dropped = ruler_.release(indents_);
        emit indentsDropped(dropped);
        return true;
    }
    default:
        return false;
    }
}

void TextRulerBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(5, kLineY, width() - 5, kLineY);
    for (int i = 1; i <= kTicks; ++i) {
        const int x = kTextStart + qRound(i * tabWidth_);
        if (x > width() - 5)
            break;
        painter.drawLine(x, kLineY - 5, x, kLineY);
    }
}

void TextRulerBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ruler_.setWidth(width());
    ruler_.show(indents_);
    placeMarkers();
}
