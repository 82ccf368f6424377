#include "desk/ui/THorloge.h"

#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSecond = 1000;

QLabel *faceLabel(int points, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { color: #00ff00; font-weight: bold; font-size: %1pt; }").arg(points));
    return label;
}

} // namespace

THorloge::THorloge(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Horloge"));
    // The part chosen for setting stands out in the face's green: a radio
    // button's small dot alone is lost on the black face.
    setStyleSheet(QStringLiteral("THorloge { background-color: black; }"
                                 " QGroupBox, QRadioButton { color: white; }"
                                 " QRadioButton:checked { color: #00ff00; }"));

    timeDisplay = faceLabel(22, this);
    dateDisplay = faceLabel(12, this);

    auto *parts = new QGroupBox(this);
    auto *partsLayout = new QHBoxLayout(parts);
    auto *partGroup = new QButtonGroup(this);
    const std::array<std::pair<const char16_t *, ClockFace::Part>, 5> captions{{
        {u"Hr", ClockFace::Part::Hour},
        {u"Mn", ClockFace::Part::Minute},
        {u"Jo", ClockFace::Part::Day},
        {u"Mo", ClockFace::Part::Month},
        {u"An", ClockFace::Part::Year},
    }};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(QString::fromUtf16(captions[i].first), parts);
        partsLayout->addWidget(button);
        partGroup->addButton(button);
        const ClockFace::Part part = captions[i].second;
        connect(button, &QRadioButton::toggled, this, [this, part](bool checked) {
            if (checked)
                face_.select(part);
        });
        partButtons[i] = button;
    }

    upArrow = new QToolButton(this);
    downArrow = new QToolButton(this);
    upArrow->setArrowType(Qt::UpArrow);
    downArrow->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {upArrow, downArrow}) {
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(22, 15);
    }
    connect(upArrow, &QToolButton::clicked, this, [this] { arrowClicked(ClockFace::Arrow::Up); });
    connect(downArrow, &QToolButton::clicked, this, [this] { arrowClicked(ClockFace::Arrow::Down); });

    setButton = new QPushButton(QStringLiteral("Set"), this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    for (QPushButton *button : {setButton, closeButton})
        button->setAutoDefault(false);
    connect(setButton, &QPushButton::clicked, this, &THorloge::setClicked);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    timer = new QTimer(this);
    timer->setInterval(kSecond);
    connect(timer, &QTimer::timeout, this, &THorloge::tick);

    auto *arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(upArrow);
    arrows->addWidget(downArrow);
    auto *adjust = new QHBoxLayout;
    adjust->addWidget(parts, 1);
    adjust->addLayout(arrows);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(setButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(timeDisplay);
    layout->addWidget(dateDisplay);
    layout->addLayout(adjust);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
}

void THorloge::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    face_.open(platform_.clock->today(), platform_.clock->now());
    refresh();
}

void THorloge::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // The clock only runs while its window is active; back in it, it shows
    // the time at once. A display stopped for setting stays as the user left it.
    if (isActiveWindow())
        tick();
    else
        timer->stop();
}

void THorloge::tick()
{
    face_.tick(platform_.clock->today(), platform_.clock->now());
    refresh();
}

void THorloge::setClicked()
{
    const QString message = face_.set(*platform_.clockSetter);
    tick();
    if (!message.isEmpty())
        platform_.messages->information(message);
}

void THorloge::arrowClicked(ClockFace::Arrow arrow)
{
    face_.arrow(arrow);
    refresh();
}

void THorloge::refresh()
{
    timeDisplay->setText(face_.timeText());
    dateDisplay->setText(face_.dateText());
    if (!face_.running())
        timer->stop();
    else if (isActiveWindow() && !timer->isActive())
        timer->start();
}
