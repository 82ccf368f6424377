#include "yearend/ui/TFec.h"

#include "platform/Messages.h"
#include "platform/Platform.h"
#include "yearend/Fec.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFec::TFec(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("FEC (contrôle fiscal)"));
    sirenField = new QLineEdit(this);
    sirenField->setMaxLength(9);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("SIREN de l'entreprise"), sirenField);

    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &TFec::okClicked);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TFec::Init(const QString &siren)
{
    sirenField->setText(siren);
}

QString TFec::Result() const
{
    return sirenField->text().trimmed();
}

void TFec::okClicked()
{
    const QString refusal = yearend::sirenRefusal(Result());
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    platform_.messages->information(refusal);
    sirenField->setFocus(Qt::OtherFocusReason);
    sirenField->selectAll();
}
