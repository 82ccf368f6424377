#include "calculators/ui/TEurof.h"

#include "platform/Messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *display(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("QLabel { background-color: #008080; color: white; font-weight: bold;"
                                        " font-size: 12pt; padding: 2px 6px; }"));
    label->setMinimumHeight(28);
    return label;
}

QPushButton *keypadButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(36, 28);
    return button;
}

} // namespace

TEurof::TEurof(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Euro convertisseur"));

    inputDisplay = display(this);
    resultDisplay = display(this);

    francsToEuros = new QRadioButton(QStringLiteral("Fr>Euro"), this);
    eurosToFrancs = new QRadioButton(QStringLiteral("Euro>Fr"), this);
    francsToEuros->setChecked(true);
    auto *directions = new QButtonGroup(this);
    directions->addButton(francsToEuros);
    directions->addButton(eurosToFrancs);
    connect(francsToEuros, &QRadioButton::toggled, this, [this](bool checked) {
        converter_.setDirection(checked ? EuroConverter::Direction::FrancsToEuros
                                        : EuroConverter::Direction::EurosToFrancs);
    });

    rateField = new QLineEdit(this);
    rateField->setReadOnly(true);
    rateField->setFocusPolicy(Qt::NoFocus);
    rateField->setAlignment(Qt::AlignRight);
    rateField->setText(converter_.rateText());
    rateUpButton = new QToolButton(this);
    rateDownButton = new QToolButton(this);
    rateUpButton->setArrowType(Qt::UpArrow);
    rateDownButton->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {rateUpButton, rateDownButton}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(18, 12);
    }
    connect(rateUpButton, &QToolButton::clicked, this, [this] {
        converter_.rateUp();
        refresh();
    });
    connect(rateDownButton, &QToolButton::clicked, this, [this] {
        converter_.rateDown();
        refresh();
    });

    for (int digit = 0; digit < 10; ++digit) {
        digitButtons[std::size_t(digit)] = keypadButton(QString::number(digit), this);
        connect(digitButtons[std::size_t(digit)], &QPushButton::clicked, this, [this, digit] {
            converter_.press(QChar(u'0' + digit));
            refresh();
        });
    }
    commaButton = keypadButton(QStringLiteral(","), this);
    connect(commaButton, &QPushButton::clicked, this, [this] {
        converter_.press(u',');
        refresh();
    });
    equalsButton = keypadButton(QStringLiteral("="), this);
    equalsButton->setFocusPolicy(Qt::StrongFocus);
    connect(equalsButton, &QPushButton::clicked, this, [this] { showOutcome(converter_.convert()); });
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *rateArrows = new QVBoxLayout;
    rateArrows->setSpacing(0);
    rateArrows->addWidget(rateUpButton);
    rateArrows->addWidget(rateDownButton);
    auto *rate = new QHBoxLayout;
    rate->addWidget(rateField);
    rate->addLayout(rateArrows);

    auto *settings = new QVBoxLayout;
    settings->addWidget(francsToEuros);
    settings->addWidget(eurosToFrancs);
    settings->addLayout(rate);
    settings->addStretch();
    settings->addWidget(closeButton);

    auto *keypad = new QGridLayout;
    for (int digit = 1; digit < 10; ++digit)
        keypad->addWidget(digitButtons[std::size_t(digit)], 2 - (digit - 1) / 3, (digit - 1) % 3);
    keypad->addWidget(digitButtons[0], 3, 0);
    keypad->addWidget(commaButton, 3, 1);
    keypad->addWidget(equalsButton, 3, 2);

    auto *body = new QHBoxLayout;
    body->addLayout(keypad);
    body->addSpacing(8);
    body->addLayout(settings);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(inputDisplay);
    layout->addWidget(resultDisplay);
    layout->addLayout(body);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void TEurof::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    converter_.activate();
    refresh();
    equalsButton->setFocus();
}

void TEurof::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = event->text();
    if (!enter && (event->key() == Qt::Key_Escape || text.size() != 1 || !text[0].isPrint()
                   || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))) {
        QDialog::keyPressEvent(event);
        return;
    }
    showOutcome(converter_.type(enter ? QChar(u'\r') : text[0]));
}

void TEurof::showOutcome(const QString &message)
{
    refresh();
    if (!message.isEmpty())
        platform_.messages->information(message);
}

void TEurof::refresh()
{
    inputDisplay->setText(converter_.input());
    resultDisplay->setText(converter_.result());
    rateField->setText(converter_.rateText());
}
