#include "printing/ui/TEnveloppes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int lineLength = 35;

QGroupBox *addressBox(const QString &title, std::array<QLineEdit *, 4> &lines, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    for (QLineEdit *&line : lines) {
        line = new QLineEdit(box);
        line->setMaxLength(lineLength);
        // Wide enough to show a whole line.
        line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(lineLength, u'M')) * 3 / 4);
        layout->addWidget(line);
    }
    return box;
}

} // namespace

TEnveloppes::TEnveloppes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Enveloppes"));
    QGroupBox *recipient = addressBox(QStringLiteral("Destinataire"), recipientLines, this);
    QGroupBox *sender = addressBox(QStringLiteral("Expéditeur"), senderLines, this);

    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &TEnveloppes::okClicked);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(recipient);
    layout->addWidget(sender);
    layout->addLayout(buttons);
}

void TEnveloppes::SetExp(const printing::AddressLines &sender)
{
    // A longer letterhead line is offered whole rather than cut at the limit.
    for (std::size_t i = 0; i < sender.size(); ++i) {
        senderLines[i]->setMaxLength(std::max<int>(lineLength, sender[i].size()));
        senderLines[i]->setText(sender[i]);
    }
}

std::optional<printing::EnvelopeAddresses> TEnveloppes::Result() const
{
    if (!accepted_)
        return std::nullopt;
    printing::EnvelopeAddresses addresses;
    for (std::size_t i = 0; i < 4; ++i) {
        addresses.recipient[i] = recipientLines[i]->text();
        addresses.sender[i] = senderLines[i]->text();
    }
    return addresses;
}

void TEnveloppes::showEvent(QShowEvent *event)
{
    // A window brought back by the desktop keeps what was typed.
    if (!event->spontaneous()) {
        for (QLineEdit *line : recipientLines)
            line->clear();
        recipientLines[0]->setFocus();
        accepted_ = false;
    }
    QDialog::showEvent(event);
}

void TEnveloppes::okClicked()
{
    accepted_ = true;
    accept();
}

std::optional<printing::EnvelopeAddresses> EnvelopeAddressDialog::ask(const printing::AddressLines &sender)
{
    TEnveloppes dialog(parent_);
    dialog.SetExp(sender);
    dialog.exec();
    return dialog.Result();
}
