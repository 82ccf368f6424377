#include "yearend/ui/TValidation.h"

#include "ledger/ui/DialogButtons.h"

#include "ledger/ui/DatePicker.h"
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TValidation::TValidation(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Valider les écritures"));
    datePicker = new DatePicker(this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Valider les écritures jusqu'au"), datePicker);
    auto *warning = new QLabel(QStringLiteral("Les écritures validées ne pourront plus être modifiées ni supprimées."),
                               this);
    warning->setWordWrap(true);

    const DialogButtons buttons = cancelAndOk(this);
    cancelButton = buttons.cancel;
    okButton = buttons.ok;
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(warning);
    layout->addLayout(buttons.row);
}

void TValidation::Init(QDate proposed, QDate start, QDate end)
{
    datePicker->setDateRange(start, std::max(start, end));
    datePicker->setDate(proposed);
}

QDate TValidation::Result() const
{
    return datePicker->date();
}
