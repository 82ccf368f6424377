#pragma once

#include "printing/Envelope.h"

#include <QDialog>
#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

// "Enveloppes": the four lines of the recipient, typed in, and the four lines
// of the sender, offered from the letterhead and changeable for this envelope
// only. Each line takes at most 35 characters.
class TEnveloppes : public QDialog {
    Q_OBJECT
public:
    explicit TEnveloppes(QWidget *parent = nullptr);

    void SetExp(const printing::AddressLines &sender);
    // The addresses typed, or no value when "Annuler" (or Escape) closed the dialog.
    std::optional<printing::EnvelopeAddresses> Result() const;

    std::array<QLineEdit *, 4> recipientLines;
    std::array<QLineEdit *, 4> senderLines;
    QPushButton *cancelButton;
    QPushButton *okButton;

protected:
    // Every showing starts with an empty recipient and counts as cancelled
    // until "OK" is pressed.
    void showEvent(QShowEvent *event) override;

private:
    void okClicked();

    bool accepted_ = false;
};

// The address dialog as the envelope command asks it, over a window.
class EnvelopeAddressDialog final : public printing::EnvelopeDialog {
public:
    explicit EnvelopeAddressDialog(QWidget *parent) : parent_(parent) {}
    std::optional<printing::EnvelopeAddresses> ask(const printing::AddressLines &sender) override;

private:
    QWidget *parent_;
};
