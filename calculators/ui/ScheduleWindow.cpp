#include "calculators/ui/ScheduleWindow.h"

#include "ledger/ui/TextGridModel.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "calculators/AmountKeys.h"
#include "calculators/NumberText.h"
#include "calculators/ui/CalculatorIcon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace {

// The character a key press types, as the amount fields' filter sees it:
// Enter, or a printable character. Other keys (arrows, Delete, shortcuts)
// type nothing and keep their usual effect.
QChar typedCharacter(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return u'\r';
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint())
        return QChar();
    return text[0];
}

} // namespace

ScheduleWindow::ScheduleWindow(const Platform &platform, const Texts &texts, Calculator calculator, QWidget *parent)
    : QDialog(parent), platform_(platform), calculator_(calculator), grid_(schedulegrid::make(texts.columnTitles))
{
    setWindowTitle(texts.caption);

    amountField = new QLineEdit(this);
    rateField = new QLineEdit(this);
    durationField = new QSpinBox(this);
    durationField->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    durationField->setValue(24);
    paymentField = new QLineEdit(this);
    for (QLineEdit *field : {amountField, rateField, paymentField}) {
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
    }
    amountField->setFixedWidth(105);
    rateField->setFixedWidth(60);
    durationField->setFixedWidth(70);
    paymentField->setFixedWidth(90);

    computeButton = new QToolButton(this);
    computeButton->setIcon(calculatorIcon());
    computeButton->setIconSize(QSize(20, 20));
    computeButton->setAutoRaise(true);
    computeButton->setToolTip(QStringLiteral("Calculer"));
    connect(computeButton, &QToolButton::clicked, this, &ScheduleWindow::calculate);

    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    model_ = new TextGridModel(grid_, true, this);
    model_->setAmountColumns({2, 3, 4});
    scheduleView = new QTableView(this);
    scheduleView->setModel(model_);
    QFont font = scheduleView->font();
    font.setPointSize(8);
    font.setBold(true);
    scheduleView->setFont(font);
    scheduleView->horizontalHeader()->setFont(font);
    scheduleView->verticalHeader()->hide();
    scheduleView->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    scheduleView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    scheduleView->setSelectionBehavior(QAbstractItemView::SelectRows);
    scheduleView->setSelectionMode(QAbstractItemView::SingleSelection);
    scheduleView->setFocusPolicy(Qt::ClickFocus);
    int gridWidth = 0;
    for (int col = 0; col < int(schedulegrid::columnWidths.size()); ++col) {
        scheduleView->setColumnWidth(col, schedulegrid::columnWidths[std::size_t(col)]);
        gridWidth += schedulegrid::columnWidths[std::size_t(col)];
    }
    scheduleView->horizontalHeader()->setStretchLastSection(false);
    scheduleView->setMinimumWidth(gridWidth + scheduleView->verticalScrollBar()->sizeHint().width() + 4);

    auto *fields = new QGridLayout;
    const auto addField = [&](int column, const QString &label, QWidget *field) {
        auto *caption = new QLabel(label, this);
        caption->setBuddy(field);
        fields->addWidget(caption, 0, column);
        fields->addWidget(field, 1, column);
    };
    addField(0, texts.amountLabel, amountField);
    addField(1, QStringLiteral("Intérêts"), rateField);
    addField(2, QStringLiteral("Durée"), durationField);
    int column = 3;
    if (texts.orBeforePayment)
        fields->addWidget(new QLabel(QStringLiteral("ou"), this), 1, column++);
    addField(column++, QStringLiteral("Mensualités"), paymentField);
    fields->addWidget(computeButton, 1, column);
    fields->setColumnStretch(column + 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(scheduleView, 1);
    layout->addLayout(buttons);
    resize(sizeHint().width(), 460);
}

// The view reads the grid until it is gone, and the grid, a member, goes
// before the dialog's children: the view goes first.
ScheduleWindow::~ScheduleWindow()
{
    delete scheduleView;
}

void ScheduleWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        amountField->setFocus();
}

bool ScheduleWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const QChar typed = typedCharacter(static_cast<QKeyEvent *>(event));
    if (typed.isNull())
        return false;
    switch (amountkeys::classify(typed)) {
    case amountkeys::Action::Calculate:
        calculate();
        return true;
    case amountkeys::Action::Discard:
        return true;
    case amountkeys::Action::Keep:
        break;
    }
    return false;
}

void ScheduleWindow::calculate()
{
    durationField->interpretText();
    const ScheduleFields fields{amountField->text(), rateField->text(), durationField->value(), paymentField->text()};
    const CalculationOutcome outcome = calculator_(fields, platform_.clock->today());
    if (const auto *refusal = std::get_if<Refusal>(&outcome)) {
        platform_.messages->information(refusal->message);
        return;
    }
    const auto *calculation = std::get_if<Calculation>(&outcome);
    if (!calculation)
        return;
    schedulegrid::fill(grid_, calculation->schedule);
    model_->refresh();
    paymentField->setText(numbers::fixed2(calculation->payment));
    durationField->setValue(calculation->duration);
}
