#include "document/DashboardCommands.h"

#include "document/Fiche.h"
#include "lettering/AgedBalance.h"
#include "platform/Clock.h"

namespace document {
namespace {

const QString kAtOpeningKey = QStringLiteral("tableau_de_bord_a_l_ouverture");

} // namespace

void TableauDeBord(Fiche &fiche)
{
    fiche.showPage(Page::TableauDeBord);
}

reports::Dashboard dashboardFigures(const Fiche &fiche)
{
    const Ledger &ledger = fiche.ledger;
    return reports::dashboardOf(ledger.Lignes, ledger.fiscalYear, fiche.platform().clock->today());
}

// Each customer who owes money and each supplier owed money, by the age of
// their open lines on the dashboard's day: the parts add up to the balances.
std::vector<reports::OutstandingPart> outstandingParts(const Fiche &fiche, const reports::Dashboard &figures)
{
    const Ledger &ledger = fiche.ledger;
    const auto aged = [&](const char *prefix) {
        return lettering::agedBalance(ledger.Lignes, ledger.ref.ListePlc, figures.treasuryDay, QLatin1String(prefix));
    };
    const lettering::AgedBalance customers = aged("411");
    const lettering::AgedBalance suppliers = aged("401");
    std::vector<reports::OutstandingPart> parts;
    for (int b = 0; b < lettering::kAgeBuckets; ++b) {
        reports::OutstandingPart part{lettering::ageCaption(b), {}, {}};
        for (const lettering::AgedRow &row : customers.rows)
            if (row.total > 0)
                part.receivable.add(row.buckets[std::size_t(b)]);
        for (const lettering::AgedRow &row : suppliers.rows)
            if (row.total < 0)
                part.payable.add(-row.buckets[std::size_t(b)]);
        parts.push_back(part);
    }
    return parts;
}

bool dashboardAtOpening(const Fiche &fiche)
{
    return fiche.ledger.preferences.flag(kAtOpeningKey);
}

void setDashboardAtOpening(Fiche &fiche, bool on)
{
    fiche.ledger.preferences.setFlag(kAtOpeningKey, on);
    fiche.ledger.savePreferences();
}

void showChosenOpeningPage(Fiche &fiche)
{
    if (!fiche.ledger.NomFichier.isEmpty() && dashboardAtOpening(fiche))
        TableauDeBord(fiche);
}

} // namespace document
