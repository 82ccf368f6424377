#include "calculators/ui/CalculatorIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

const char glyph[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">
  <rect x="3.5" y="1.5" width="13" height="17" rx="1.5" fill="#e8ecf0" stroke="#2f3a4a"/>
  <rect x="5.5" y="3.5" width="9" height="4" fill="#1f3b5a"/>
  <path d="M6 10h2v2H6zM9 10h2v2H9zM12 10h2v2h-2zM6 13h2v2H6zM9 13h2v2H9z" fill="#2f3a4a"/>
  <path d="M12 13h2v4h-2z" fill="#c0392b"/>
  <path d="M6 16h5v1H6z" fill="#2f3a4a"/>
</svg>)";

} // namespace

QIcon calculatorIcon()
{
    QSvgRenderer renderer(QByteArray::fromRawData(glyph, sizeof glyph - 1));
    QIcon icon;
    for (int size : {20, 40}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
