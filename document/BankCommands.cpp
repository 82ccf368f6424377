#include "document/BankCommands.h"

#include "bank/Reconciliation.h"
#include "bank/ReconciliationStatement.h"
#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "printing/Listing.h"

namespace document {
namespace {

// What the reconciliation changes in the document beyond the line list.
class FicheHost final : public bank::ReconciliationHost {
public:
    explicit FicheHost(Fiche &fiche) : fiche_(fiche) {}

    bool changed() const { return changed_; }

    void linesChanged() override
    {
        fiche_.ledger.Modifie = true;
        changed_ = true;
    }

    void accountsUsed(const QStringList &accounts, const QString &journal) override
    {
        ReferenceData &ref = fiche_.ledger.ref;
        for (const QString &account : accounts)
            if (ref.ListePlc.markAccountUsed(account))
                ref.PlanModifie = true;
        ref.ListeJnx.markCodeUsed(journal);
    }

    bool printStatement(const TextGrid &grid, const QString &title) override
    {
        printing::Listing listing{title,
                                  {{bank::DateColumn, 0, 25, QStringLiteral("Date")},
                                   {bank::LabelColumn, 25, 135, QStringLiteral("Libellé")},
                                   {bank::AmountColumn, 190, 30, QStringLiteral("Montant"), true}},
                                  0,
                                  grid.rowCount()};
        listing.totals = false;
        return printing::printListing(*fiche_.platform().printer, grid, listing);
    }

private:
    Fiche &fiche_;
    bool changed_ = false;
};

} // namespace

void reconcileBank(Fiche &fiche, bank::ReconciliationWindow &window)
{
    fiche.ledger.EcritMois();
    FicheHost host(fiche);
    bank::Reconciliation reconciliation(fiche.ledger, host);
    window.reconcile(reconciliation);
    if (host.changed()) {
        fiche.LitMois();
        rebuildMonthView(fiche);
    }
}

} // namespace document
