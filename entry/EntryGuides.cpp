#include "entry/EntryGuides.h"

#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"

#include <algorithm>

namespace guides {
namespace {

// The guides of the reference data, in the settings file's order.
template <class Ref>
auto fieldsOf(Ref &ref)
{
    return std::array{&ref.JournalVente, &ref.CompteClient, &ref.CompteVente, &ref.CompteTvaVente,
                      &ref.JournalAchat, &ref.CompteFour, &ref.CompteAchat, &ref.CompteTvaAchat};
}

} // namespace

GuideValues of(const ReferenceData &ref)
{
    GuideValues values;
    const auto fields = fieldsOf(ref);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = *fields[i];
    return values;
}

void set(ReferenceData &ref, const GuideValues &values)
{
    const auto fields = fieldsOf(ref);
    for (std::size_t i = 0; i < values.size(); ++i)
        *fields[i] = values[i];
}

InvoiceProposals proposals(const ReferenceData &ref, InvoiceKind kind)
{
    if (kind == InvoiceKind::Customer)
        return {ref.JournalVente, ref.CompteClient, ref.CompteVente, ref.CompteTvaVente};
    return {ref.JournalAchat, ref.CompteFour, ref.CompteAchat, ref.CompteTvaAchat};
}

} // namespace guides

void GuidesForm::Init(const GuideValues &values, const QStringList &chart, const QStringList &journals)
{
    fields = values;
    struct Source {
        const QStringList &lines;
        const char *prefix;
    };
    const std::array<Source, 8> sources = {{
        {journals, "V"}, {chart, "41"}, {chart, "70"}, {chart, "44"},
        {journals, "A"}, {chart, "40"}, {chart, "60"}, {chart, "44"},
    }};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        choices[i].clear();
        const QString prefix = QLatin1String(sources[i].prefix);
        for (const QString &line : sources[i].lines) {
            const QString code = CodeList::codeOf(line);
            if (code.startsWith(prefix, Qt::CaseSensitive))
                choices[i].append(code);
        }
    }
}

void GuidesForm::Result(GuideValues &values) const
{
    std::transform(fields.begin(), fields.end(), values.begin(), forms::singleLine);
}
