#include "exchange/ui/TRNom.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TRNom::TRNom(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Recherche d'une écriture"));

    textField = new QLineEdit(this);
    textField->setMinimumWidth(225);
    auto *label = new QLabel(QStringLiteral("Chercher"), this);
    label->setBuddy(textField);

    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &TRNom::cancelClicked);
    connect(okButton, &QPushButton::clicked, this, &TRNom::okClicked);

    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(textField);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TRNom::Result() const
{
    return confirmed_ ? textField->text() : QString();
}

void TRNom::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    confirmed_ = false;
    textField->selectAll();
    textField->setFocus();
}

void TRNom::okClicked()
{
    confirmed_ = true;
    accept();
}

void TRNom::cancelClicked()
{
    confirmed_ = false;
    reject(); // Escape and the close box land in reject too
}

QString TRNomPrompt::ask()
{
    TRNom prompt(parent_);
    prompt.exec();
    return prompt.Result();
}
