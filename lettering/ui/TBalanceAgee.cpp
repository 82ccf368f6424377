#include "lettering/ui/TBalanceAgee.h"

#include "ledger/TextGrid.h"
#include "ledger/ui/DatePicker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TBalanceAgee::TBalanceAgee(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Balance âgée"));
    datePicker = new DatePicker(this);
    accountField = new QLineEdit(this);
    accountField->setObjectName(QStringLiteral("accountField"));
    computeButton = new QPushButton(QStringLiteral("&Calculer"), this);
    grid = new QTableWidget(0, 2 + lettering::kAgeBuckets + 1, this);
    grid->setObjectName(QStringLiteral("agedGrid"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    printButton = new QPushButton(QStringLiteral("&Imprimer"), this);
    closeButton = new QPushButton(QStringLiteral("&Fermer"), this);

    connect(computeButton, &QPushButton::clicked, this, &TBalanceAgee::compute);
    connect(accountField, &QLineEdit::returnPressed, this, &TBalanceAgee::compute);
    connect(printButton, &QPushButton::clicked, this, [this] { print_(balance_, datePicker->date()); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Au"), this));
    top->addWidget(datePicker);
    top->addWidget(new QLabel(QStringLiteral("Comptes"), this));
    top->addWidget(accountField);
    top->addWidget(computeButton);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid);
    layout->addLayout(buttons);
    resize(860, 420);
}

void TBalanceAgee::Init(QDate at, const QString &prefix, Compute compute, Print print)
{
    compute_ = std::move(compute);
    print_ = std::move(print);
    datePicker->setDate(at);
    accountField->setText(prefix);
    this->compute();
}

void TBalanceAgee::compute()
{
    balance_ = compute_(datePicker->date(), accountField->text().trimmed());
    const TextGrid shown = lettering::agedBalanceGrid(balance_);
    grid->clearContents();
    grid->setRowCount(shown.rowCount() - 1);
    for (int c = 0; c < shown.colCount(); ++c)
        grid->setHorizontalHeaderItem(c, new QTableWidgetItem(shown.at(0, c)));
    for (int r = 1; r < shown.rowCount(); ++r)
        for (int c = 0; c < shown.colCount(); ++c) {
            auto *item = new QTableWidgetItem(shown.at(r, c));
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r - 1, c, item);
        }
}
