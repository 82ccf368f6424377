#include "calculators/ui/TPocket.h"

#include "platform/Messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

using Button = PocketCalculator::Button;

// Where each button sits on the keypad: caption, row, column.
struct Key {
    Button button;
    const char *caption;
    int row;
    int column;
};

constexpr Key keypad[] = {
    {Button::Digit7, "7", 0, 0},  {Button::Digit8, "8", 0, 1},     {Button::Digit9, "9", 0, 2},
    {Button::Divide, "/", 0, 3},  {Button::Clear, "C", 0, 4},
    {Button::Digit4, "4", 1, 0},  {Button::Digit5, "5", 1, 1},     {Button::Digit6, "6", 1, 2},
    {Button::Times, "*", 1, 3},   {Button::Reciprocal, "1/x", 1, 4},
    {Button::Digit1, "1", 2, 0},  {Button::Digit2, "2", 2, 1},     {Button::Digit3, "3", 2, 2},
    {Button::Minus, "-", 2, 3},   {Button::SquareRoot, "sqr", 2, 4},
    {Button::Digit0, "0", 3, 0},  {Button::Comma, ",", 3, 1},      {Button::Equals, "=", 3, 2},
    {Button::Plus, "+", 3, 3},
};

} // namespace

TPocket::TPocket(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Calculatrice"));
    setObjectName(QStringLiteral("pocket"));
    setStyleSheet(QStringLiteral("QDialog#pocket { background-color: #008080; }"));

    display = new QLabel(this);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setStyleSheet(QStringLiteral("QLabel { background-color: #000080; color: #c0c0c0; font-weight: bold;"
                                          " font-size: 13pt; padding: 2px 6px; }"));
    display->setMinimumHeight(30);
    auto *strip = new QLabel(this);
    strip->setFixedWidth(10);
    strip->setStyleSheet(QStringLiteral("QLabel { background-color: #ff0000; }"));

    auto *grid = new QGridLayout;
    for (const Key &key : keypad) {
        auto *pushButton = new QPushButton(QString::fromLatin1(key.caption), this);
        pushButton->setAutoDefault(false);
        pushButton->setMinimumSize(40, 30);
        // The focus stays on "=", where typed keys are read.
        if (key.button != Button::Equals)
            pushButton->setFocusPolicy(Qt::NoFocus);
        connect(pushButton, &QPushButton::clicked, this, [this, which = key.button] { press(which); });
        buttons[key.button] = pushButton;
        grid->addWidget(pushButton, key.row, key.column);
    }
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setAutoDefault(false);
    closeButton->setMinimumSize(40, 30);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(closeButton, 3, 4);

    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(strip);
    top->addWidget(display, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

void TPocket::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    press(Button::Clear);
}

void TPocket::keyPressEvent(QKeyEvent *event)
{
    // Enter clicks the focused button: "=" unless the user moved to "Fermer".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        (focused ? focused : button(Button::Equals))->click();
        return;
    }
    const QString text = event->text();
    const std::optional<Button> which = text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
                                            ? PocketCalculator::buttonForKey(text[0])
                                            : std::nullopt;
    if (!which) {
        QDialog::keyPressEvent(event);
        return;
    }
    button(*which)->click();
}

void TPocket::press(Button which)
{
    const QString message = calculator_.press(which);
    display->setText(calculator_.display());
    if (which == Button::Clear)
        button(Button::Equals)->setFocus();
    if (!message.isEmpty())
        platform_.messages->information(message);
}
