#pragma once

#include <QDate>
#include <QString>

// The invoice file kept as the voucher of its entry, in a folder beside the
// dossier: "compta.pieces/2026-01/" for an entry of January 2026 in
// "compta.jnl". The folders are made as needed; neither is entered, nor the
// copy written, through a symbolic link; a name already taken gets a suffix
// ("facture-2.pdf").
namespace einvoice {

// The folder of the vouchers of the month of `date`.
QString voucherFolder(const QString &dossierPath, QDate date);

struct KeptVoucher {
    QString path;  // where the copy is
    QString error; // French, when the file could not be kept
};

KeptVoucher keepVoucherFile(const QString &invoicePath, const QString &dossierPath, QDate date);

} // namespace einvoice
