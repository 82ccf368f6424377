#include "document/ReceivedInvoiceCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "einvoice/ReceptionWindow.h"
#include "entry/ProposedPosting.h"

namespace document {
namespace {

const QString kFolderSetting = QStringLiteral("factures-recues-dossier");

} // namespace

QString ReceptionOnDocument::postingRefusal(const ProposedEntry &entry) const
{
    // Told inside "Refusée : ...", as the reader's and the checks' reasons are.
    QString refusal = proposed::refusal(fiche_.ledger, entry);
    if (refusal.endsWith(u'.'))
        refusal.chop(1);
    if (!refusal.isEmpty())
        refusal[0] = refusal[0].toLower();
    return refusal;
}

void ReceptionOnDocument::post(const ProposedEntry &entry)
{
    proposed::post(fiche_.ledger, entry);
    fiche_.ledger.Modifie = true;
    changed_ = true;
}

void ReceptionOnDocument::removeLines(std::size_t first, std::size_t count)
{
    fiche_.ledger.Lignes.removeRange(first, count);
}

QString ReceptionOnDocument::dossierPath() const
{
    return fiche_.ledger.NomFichier;
}

void ReceptionOnDocument::addAccount(const QString &code, const QString &label)
{
    ReferenceData &ref = fiche_.ledger.ref;
    ref.ListePlc.append(code + QStringLiteral(" NN ") + forms::singleLine(label));
    ref.ListePlc.sortByText();
    ref.PlanModifie = true;
}

QString ReceptionOnDocument::folder() const
{
    return fiche_.ledger.preferences.value(kFolderSetting);
}

void ReceptionOnDocument::rememberFolder(const QString &folder)
{
    if (folder == this->folder())
        return;
    fiche_.ledger.preferences.setValue(kFolderSetting, folder);
    fiche_.ledger.savePreferences();
}

void receiveInvoices(Fiche &fiche, einvoice::ReceptionWindow &window)
{
    fiche.ledger.EcritMois();
    ReceptionOnDocument host(fiche);
    einvoice::Reception reception(fiche.ledger, host);
    window.receive(reception);
    if (host.changed()) {
        fiche.LitMois();
        rebuildMonthView(fiche);
    }
}

} // namespace document
