#pragma once

#include "entry/Invoice.h"

#include <QString>
#include <QStringList>
#include <array>

struct ReferenceData;

// The entry guides: the eight values the invoice dialogs propose, in the
// order of the settings file: the sales journal, customer, sales and
// collected-VAT accounts, then the purchase journal, supplier, purchase and
// deductible-VAT accounts.
using GuideValues = std::array<QString, 8>;

namespace guides {

GuideValues of(const ReferenceData &ref);
void set(ReferenceData &ref, const GuideValues &values);
// What the dialog of that kind proposes: the sales half or the purchase half.
InvoiceProposals proposals(const ReferenceData &ref, InvoiceKind kind);

} // namespace guides

// The guides dialog (`TParams`): the eight field texts and the codes each
// field's list offers.
struct GuidesForm {
    GuideValues fields;
    std::array<QStringList, 8> choices;

    // The fields take the values; each list takes, in the order of the chart
    // or the journals, the codes that begin as its field asks (a sales journal
    // with "V", a customer account with "41", ...), case counting.
    void Init(const GuideValues &values, const QStringList &chart, const QStringList &journals);
    // The field texts as typed, each kept to one line of the settings file.
    void Result(GuideValues &values) const;
};
