#include "app/ui/TSplash.h"

#include "platform/ui/Resources.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 318;
constexpr int kHeight = 221;
constexpr int kLogoSize = 105;
const QColor kOchre(0xCC, 0x99, 0x33);
} // namespace

TSplash::TSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    loadTavelinResources();
    setFixedSize(kWidth, kHeight);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kOchre);
    palette.setColor(QPalette::Light, kOchre.lighter(150));
    palette.setColor(QPalette::Dark, kOchre.darker(170));
    palette.setColor(QPalette::WindowText, QColor(0x2B, 0x1D, 0x0E));
    panel->setPalette(palette);

    logo = new QLabel(panel);
    logo->setFixedSize(kLogoSize, kLogoSize);
    logo->setPixmap(QIcon(QStringLiteral(":/tavelin.svg")).pixmap(QSize(kLogoSize, kLogoSize)));

    titleLabel = new QLabel(QStringLiteral("Tavelin"), panel);
    QFont title(QStringLiteral("Arial"), 26);
    title.setBold(true);
    titleLabel->setFont(title);
    versionLabel = new QLabel(QStringLiteral("Version 2002"), panel);
    QFont version(QStringLiteral("Arial"), 11);
    versionLabel->setFont(version);

    auto *texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(titleLabel);
    texts->addWidget(versionLabel);
    texts->addStretch();
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(20, 20, 20, 20);
    row->setSpacing(18);
    row->addWidget(logo, 0, Qt::AlignVCenter);
    row->addLayout(texts, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    qApp->installEventFilter(this);
}

bool TSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched != this) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget->isModal())
            hide();
    }
    return QWidget::eventFilter(watched, event);
}
