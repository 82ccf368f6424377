#include "reports/ui/PeriodSheet.h"

#include "ledger/ui/MonthKeys.h"
#include "reports/ui/SheetParts.h"
#include "ledger/ui/ViewGrid.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

PeriodSheet::PeriodSheet(Run run, QWidget *window, reports::View view, PeriodPage &state,
                         std::function<void()> compute, const QSet<int> &amountColumns, const PeriodNames &names,
                         std::vector<PeriodTotal> totals)
    : DocumentPage(std::move(run), window), view_(view), state_(state), totals_(std::move(totals))
{
    QWidget *top = sheetparts::strip(this);
    from_ = sheetparts::datePicker(top, names.from);
    to_ = sheetparts::datePicker(top, names.to);
    QToolButton *button = sheetparts::calculer(top, names.button);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(new QLabel(QString::fromUtf8(names.caption), top));
    row->addWidget(from_);
    row->addWidget(new QLabel(QStringLiteral("au"), top));
    row->addWidget(to_);
    row->addWidget(button);
    row->addStretch();

    grid_ = new ViewGrid(state_.grid, amountColumns, this);
    grid_->setObjectName(QLatin1String(names.grid));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(grid_);
    if (!totals_.empty()) {
        QWidget *bottom = sheetparts::strip(this);
        for (const PeriodTotal &total : totals_)
            totalFields_.push_back(sheetparts::readOnlyField(bottom, total.name, Qt::AlignRight));
        layout->addWidget(bottom);
    }

    connect(from_, &QDateEdit::dateChanged, this, [this](QDate date) { state_.from = date; });
    connect(to_, &QDateEdit::dateChanged, this, [this](QDate date) { state_.to = date; });
    connect(button, &QToolButton::clicked, this, [this, compute] { DocumentPage::run(compute); });
    (new MonthKeys(documentWindow(), this))->watch(this);
    setFocusProxy(from_);
}

void PeriodSheet::refresh()
{
    for (auto [picker, date] : {std::pair{from_, state_.from}, std::pair{to_, state_.to}}) {
        const QSignalBlocker blocker(picker);
        if (date.isValid())
            picker->setDate(date);
    }
    grid_->refresh();
    for (std::size_t i = 0; i < totals_.size(); ++i)
        totalFields_[i]->setText(totals_[i].text->trimmed());
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
    from_->setFocus();
}
