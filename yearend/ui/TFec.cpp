#include "yearend/ui/TFec.h"

#include "ledger/Siren.h"
#include "ledger/ui/DialogButtons.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFec::TFec(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("FEC (contrôle fiscal)"));
    sirenField = new QLineEdit(this);
    sirenField->setMaxLength(11); // the nine digits, maybe written in groups of three

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("SIREN de l'entreprise"), sirenField);

    const DialogButtons buttons = cancelAndOk(this);
    cancelButton = buttons.cancel;
    okButton = buttons.ok;
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &TFec::okClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

void TFec::Init(const QString &siren)
{
    sirenField->setText(siren);
}

QString TFec::Result() const
{
    return sirenField->text().remove(u' ');
}

void TFec::okClicked()
{
    const QString refusal = siren::refusal(Result());
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    platform_.messages->information(refusal);
    sirenField->setFocus(Qt::OtherFocusReason);
    sirenField->selectAll();
}
