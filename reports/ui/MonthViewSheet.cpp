#include "reports/ui/MonthViewSheet.h"

#include "ledger/ui/MonthKeys.h"
#include "reports/ui/SheetParts.h"
#include "ledger/ui/ViewGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

MonthViewSheet::MonthViewSheet(Run run, QWidget *window, reports::View view, MonthViewPage &state,
                               std::function<void()> rebuild, const QSet<int> &amountColumns,
                               const MonthViewNames &names)
    : DocumentPage(std::move(run), window), view_(view), state_(state), rebuild_(std::move(rebuild))
{
    QWidget *top = sheetparts::strip(this);
    filter_ = new QComboBox(top);
    filter_->setObjectName(QLatin1String(names.filter));
    filter_->setEditable(true);
    filter_->setInsertPolicy(QComboBox::NoInsert);
    // The filter is the text exactly as typed: inline completion would filter
    // on letters the user never typed.
    filter_->setCompleter(nullptr);
    filter_->setMaxVisibleItems(20);
    name_ = sheetparts::readOnlyField(top, names.name, Qt::AlignLeft);
    title_ = sheetparts::title(top, names.title);

    grid_ = new ViewGrid(state_.grid, amountColumns, this);
    grid_->setObjectName(QLatin1String(names.grid));

    QWidget *bottom = sheetparts::strip(this);
    debit_ = sheetparts::readOnlyField(bottom, names.debit, Qt::AlignRight);
    credit_ = sheetparts::readOnlyField(bottom, names.credit, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(grid_);
    layout->addWidget(bottom);

    connect(filter_, &QComboBox::editTextChanged, this, &MonthViewSheet::filterEdited);
    (new MonthKeys(documentWindow(), this))->watch(this);
    setFocusProxy(filter_);
}

void MonthViewSheet::filterEdited(const QString &text)
{
    run([this, text] {
        state_.filter = text;
        rebuild_();
    });
}

void MonthViewSheet::refresh()
{
    {
        const QSignalBlocker blocker(filter_);
        QStringList items;
        for (int i = 0; i < filter_->count(); ++i)
            items.append(filter_->itemText(i));
        if (items != state_.filterItems) {
            filter_->clear();
            filter_->addItems(state_.filterItems);
        }
        if (filter_->currentText() != state_.filter)
            filter_->setEditText(state_.filter);
    }
    name_->setText(state_.name);
    title_->setText(state_.title);
    grid_->refresh();
    debit_->setText(state_.totalDebit.trimmed());
    credit_->setText(state_.totalCredit.trimmed());
}

void MonthViewSheet::layoutForWidth(int w)
{
    grid_->setColumnWidths(reports::columnWidths(view_, w));
    const int titleLeft = reports::monthTitleLeft(w);
    filter_->setGeometry(8, 4, 110, 24);
    name_->setGeometry(126, 4, std::max(60, std::min(260, titleLeft - 134)), 24);
    title_->setGeometry(titleLeft, 4, 200, 24);
    const std::vector<int> lefts = reports::totalFieldLefts(view_, w);
    debit_->setGeometry(lefts[0], 4, 100, 24);
    credit_->setGeometry(lefts[1], 4, 100, 24);
}

void MonthViewSheet::showEvent(QShowEvent *event)
{
    DocumentPage::showEvent(event);
    filter_->setFocus();
}
