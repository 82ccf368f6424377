#include "desk/ui/TCalendrier.h"

#include "platform/Clock.h"
#include "desk/CalendarTool.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 372;

QPushButton *monthButton(QStyle::StandardPixmap arrow, QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("Mois"), parent);
    button->setIcon(parent->style()->standardIcon(arrow));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCalendrier::TCalendrier(const Platform &platform, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendrier"));

    title = new QLabel(this);
    title->setAlignment(Qt::AlignCenter);
    title->setFixedWidth(kGridWidth);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    title->setFont(titleFont);

    calendar = new QCalendarWidget(this);
    calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setNavigationBarVisible(false);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setFixedWidth(kGridWidth);
    calendar->setStyleSheet(QStringLiteral("QCalendarWidget QAbstractItemView { background-color: #00ff00;"
                                           " selection-background-color: #000080; selection-color: white; }"));
    // Every day in the same black, the week-end as the other days.
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    calendar->setWeekdayTextFormat(Qt::Saturday, plain);
    calendar->setWeekdayTextFormat(Qt::Sunday, plain);
    calendar->setSelectedDate(platform.clock->today());
    connect(calendar, &QCalendarWidget::selectionChanged, this, &TCalendrier::showTitle);

    previousMonthButton = monthButton(QStyle::SP_ArrowLeft, this);
    nextMonthButton = monthButton(QStyle::SP_ArrowRight, this);
    nextMonthButton->setLayoutDirection(Qt::RightToLeft);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setAutoDefault(false);
    connect(previousMonthButton, &QPushButton::clicked, this, &TCalendrier::previousMonth);
    connect(nextMonthButton, &QPushButton::clicked, this, &TCalendrier::nextMonth);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    for (QWidget *keyed : {static_cast<QWidget *>(calendar->findChild<QAbstractItemView *>()),
                           static_cast<QWidget *>(previousMonthButton), static_cast<QWidget *>(nextMonthButton),
                           static_cast<QWidget *>(closeButton)})
        keyed->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(previousMonthButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addStretch();
    buttons->addWidget(nextMonthButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(calendar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showTitle();
    calendar->setFocus();
}

bool TCalendrier::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const bool onGrid = watched == calendar->findChild<QAbstractItemView *>();
        const auto moveDay = [this](int days) {
            calendar->setSelectedDate(calendartool::dayWithinMonth(calendar->selectedDate(), days));
            return true;
        };
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_PageUp: previousMonth(); return true;
        case Qt::Key_PageDown: nextMonth(); return true;
        case Qt::Key_Left: return onGrid && moveDay(-1);
        case Qt::Key_Right: return onGrid && moveDay(1);
        case Qt::Key_Up: return onGrid && moveDay(-7);
        case Qt::Key_Down: return onGrid && moveDay(7);
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendrier::previousMonth()
{
    calendar->setSelectedDate(calendartool::previousMonth(calendar->selectedDate()));
}

void TCalendrier::nextMonth()
{
    calendar->setSelectedDate(calendartool::nextMonth(calendar->selectedDate()));
}

void TCalendrier::showTitle()
{
    title->setText(calendartool::title(calendar->selectedDate()));
}
