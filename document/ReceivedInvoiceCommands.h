#pragma once

#include "einvoice/Reception.h"

class Fiche;

namespace einvoice {
class ReceptionWindow;
}

// Suppliers' e-invoices booked into the document.
namespace document {

// What the document does for a reception: the posting checks of
// `proposed::refusal`, the posting itself (the dossier then modified, to be
// saved as any entry), the lines taken back on undo. The month on screen
// must have been written back before.
class ReceptionOnDocument final : public einvoice::ReceptionHost {
public:
    explicit ReceptionOnDocument(Fiche &fiche) : fiche_(fiche) {}

    bool changed() const { return changed_; }

    QString postingRefusal(const ProposedEntry &entry) const override;
    void post(const ProposedEntry &entry) override;
    void removeLines(std::size_t first, std::size_t count) override;
    QString dossierPath() const override;
    void addAccount(const QString &code, const QString &label) override;
    QString folder() const override;
    void rememberFolder(const QString &folder) override;

private:
    Fiche &fiche_;
    bool changed_ = false;
};

// "Factures reçues...": the month on screen is written back, the window
// reads, shows and books the invoices, and the month is read again when it
// posted any.
void receiveInvoices(Fiche &fiche, einvoice::ReceptionWindow &window);

} // namespace document
