#include "reports/ui/PeriodSheet.h"

#include "ledger/ui/MonthKeys.h"
#include "reports/ui/SheetParts.h"
#include "ledger/ui/ViewGrid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

PeriodSheet::PeriodSheet(Run run, QWidget *window, reports::View view, PeriodPage &state,
                         std::function<void()> compute, const QSet<int> &amountColumns, const PeriodNames &names,
                         PeriodExtras extras)
    : DocumentPage(std::move(run), window), view_(view), state_(state), extras_(std::move(extras))
{
    QWidget *top = sheetparts::strip(this);
    to_ = sheetparts::datePicker(top, names.to);
    QToolButton *button = sheetparts::computeButton(top, names.button);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(new QLabel(QString::fromUtf8(names.caption), top));
    if (names.from) {
        from_ = sheetparts::datePicker(top, names.from);
        row->addWidget(from_);
        row->addWidget(new QLabel(QStringLiteral("au"), top));
        connect(from_, &QDateEdit::dateChanged, this, [this](QDate date) { state_.from = date; });
    }
    row->addWidget(to_);
    row->addWidget(button);
    for (const PeriodChoice &choice : extras_.choices) {
        auto *box = new QCheckBox(choice.label, top);
        box->setObjectName(QLatin1String(choice.name));
        row->addSpacing(12);
        row->addWidget(box);
        choiceBoxes_.push_back(box);
        connect(box, &QCheckBox::toggled, this,
                [this, toggle = choice.toggle](bool on) { DocumentPage::run([&toggle, on] { toggle(on); }); });
    }
    row->addStretch();

    grid_ = new ViewGrid(state_.grid, amountColumns, this);
    grid_->setObjectName(QLatin1String(names.grid));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(grid_);
    if (!extras_.totals.empty()) {
        QWidget *bottom = sheetparts::strip(this);
        for (const PeriodTotal &total : extras_.totals)
            totalFields_.push_back(sheetparts::readOnlyField(bottom, total.name, Qt::AlignRight));
        layout->addWidget(bottom);
    }
    if (extras_.note.text) {
        note_ = new QLabel(this);
        note_->setObjectName(QLatin1String(extras_.note.name));
        note_->setContentsMargins(8, 4, 8, 4);
        note_->setWordWrap(true);
        layout->addWidget(note_);
    }

    connect(to_, &QDateEdit::dateChanged, this, [this](QDate date) { state_.to = date; });
    connect(button, &QToolButton::clicked, this, [this, compute] { DocumentPage::run(compute); });
    (new MonthKeys(documentWindow(), this))->watch(this);
    setFocusProxy(firstPicker());
}

QDateEdit *PeriodSheet::firstPicker() const
{
    return from_ ? from_ : to_;
}

void PeriodSheet::refresh()
{
    for (auto [picker, date] : {std::pair{from_, state_.from}, std::pair{to_, state_.to}}) {
        const QSignalBlocker blocker(picker);
        if (picker && date.isValid())
            picker->setDate(date);
    }
    grid_->refresh();
    for (std::size_t i = 0; i < extras_.totals.size(); ++i)
        totalFields_[i]->setText(extras_.totals[i].text->trimmed());
    for (std::size_t i = 0; i < extras_.choices.size(); ++i) {
        const QSignalBlocker blocker(choiceBoxes_[i]);
        choiceBoxes_[i]->setChecked(extras_.choices[i].checked());
    }
    if (note_) {
        note_->setText(*extras_.note.text);
        note_->setVisible(!extras_.note.text->isEmpty());
    }
}

void PeriodSheet::layoutForWidth(int w)
{
    grid_->setColumnWidths(reports::columnWidths(view_, w));
    const std::vector<int> lefts = reports::totalFieldLefts(view_, w);
    for (std::size_t i = 0; i < totalFields_.size() && i < lefts.size(); ++i)
        totalFields_[i]->setGeometry(lefts[i], 4, 100, 24);
}

void PeriodSheet::showEvent(QShowEvent *event)
{
    DocumentPage::showEvent(event);
    firstPicker()->setFocus();
}
