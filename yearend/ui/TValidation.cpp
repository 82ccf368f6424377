#include "yearend/ui/TValidation.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TValidation::TValidation(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Valider les écritures"));
    datePicker = new QDateEdit(this);
    datePicker->setCalendarPopup(true);
    datePicker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Valider les écritures jusqu'au"), datePicker);
    auto *warning = new QLabel(QStringLiteral("Les écritures validées ne pourront plus être modifiées ni supprimées."),
                               this);
    warning->setWordWrap(true);

    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(warning);
    layout->addLayout(buttons);
}

void TValidation::Init(QDate proposed, QDate debut, QDate fin)
{
    datePicker->setDateRange(debut, std::max(debut, fin));
    datePicker->setDate(proposed);
}

QDate TValidation::Result() const
{
    return datePicker->date();
}
