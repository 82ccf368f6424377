#include "ledger/ui/TExer.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDateEdit *datePicker(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setMinimumDate(QDate(1753, 1, 1));
    return edit;
}
} // namespace

TExer::TExer(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Exercice en cours"));
    DateTimePicker1 = datePicker(this);
    DateTimePicker2 = datePicker(this);
    DateTimePicker3 = datePicker(this);
    DateTimePicker3->setEnabled(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Début exercice"), DateTimePicker1);
    form->addRow(QStringLiteral("Fin exercice"), DateTimePicker2);
    form->addRow(QStringLiteral("Clôture"), DateTimePicker3);

    Button1 = new QPushButton(QStringLiteral("Annuler"), this);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TExer::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TExer::Button2Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TExer::Init(QDate debut, QDate fin, QDate cloture)
{
    DateTimePicker1->setDate(debut);
    DateTimePicker2->setDate(fin);
    DateTimePicker3->setDate(cloture);
}

void TExer::Result(QDate &debut, QDate &fin) const
{
    debut = DateTimePicker1->date();
    fin = DateTimePicker2->date();
}

void TExer::Button1Click()
{
    confirmed_ = false;
    reject(); // Escape lands here too, through QDialog::reject
}

void TExer::Button2Click()
{
    confirmed_ = true;
    accept();
}
