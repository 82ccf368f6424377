#include "wordproc/ui/TextIcons.h"

#include <QPainter>
#include <QPixmap>

namespace texticons {
namespace {

constexpr int kSide = 20;

QPixmap blank()
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon alignment(Qt::Alignment alignment, const QColor &ink)
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QPen(ink, 2));
    const int lengths[] = {14, 9, 14, 9};
    for (int i = 0; i < 4; ++i) {
        const int length = lengths[i];
        int left = 3;
        if (alignment & Qt::AlignHCenter)
            left = (kSide - length) / 2;
        else if (alignment & Qt::AlignRight)
            left = kSide - 3 - length;
        const int y = 4 + i * 4;
        painter.drawLine(left, y, left + length, y);
    }
    return QIcon(pixmap);
}

QIcon bullets(const QColor &ink)
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const int y = 4 + i * 6;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(4, y), 1.8, 1.8);
        painter.setPen(QPen(ink, 2));
        painter.drawLine(8, y, 17, y);
    }
    return QIcon(pixmap);
}

QIcon letter(const QString &text, const QFont &font, const QColor &ink)
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    QFont drawn = font;
    drawn.setPixelSize(15);
    painter.setFont(drawn);
    painter.setPen(ink);
    painter.drawText(QRect(0, 0, kSide, kSide), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

} // namespace texticons
