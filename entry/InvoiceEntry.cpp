#include "entry/InvoiceEntry.h"

#include "entry/AmountText.h"
#include "entry/DateText.h"
#include "ledger/TextForms.h"
#include "ledger/Validations.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

constexpr InvoiceField kAccounts[] = {InvoiceField::Counterparty, InvoiceField::Revenue, InvoiceField::Vat};
constexpr InvoiceField kTotals[] = {InvoiceField::WithTax, InvoiceField::BeforeTax, InvoiceField::VatAmount};

// An amount the checks have already formatted; an empty one counts as zero.
Cents centsOf(const QString &text)
{
    return forms::parseAmount(QStringView(text)).value_or(0);
}

QString invoiceNumber(int index)
{
    return QStringLiteral("Facture %1 : ").arg(index + 1);
}

} // namespace

InvoiceEntry::InvoiceEntry(InvoiceKind kind, const Platform &platform)
    : kind_(kind), platform_(platform)
{
}

void InvoiceEntry::message(const QString &text) const
{
    platform_.messages->information(text);
}

void InvoiceEntry::Init(const InvoiceProposals &proposed, QDate yearStart, QDate yearEnd,
                        const QStringList &chart, const QStringList &journals, QDate validatedUntil)
{
    proposed_ = proposed;
    yearStart_ = yearStart;
    yearEnd_ = yearEnd;
    validatedUntil_ = validatedUntil;
    chart_ = chart;
    journals_ = journals;
    invoices_.clear();
    position_ = -1;
    newInvoice();
}

void InvoiceEntry::Result(std::vector<Invoice> &invoices) const
{
    invoices.clear();
    for (const Stored &s : invoices_)
        if (!s.invoice.blank())
            invoices.push_back(s.invoice);
}

// ---------------------------------------------------------------- the list

void InvoiceEntry::EcritFiche()
{
    if (!changed)
        return;
    if (position_ < 0 || position_ >= count()) {
        invoices_.push_back({shown, false});
        position_ = count() - 1;
        return;
    }
    Stored &stored = invoices_[std::size_t(position_)];
    if (stored.invoice != shown) {
        stored.invoice = shown;
        stored.unbalancedAccepted = false;
    }
}

void InvoiceEntry::LitFiche()
{
    if (position_ < 0 || position_ >= count())
        return;
    shown = invoices_[std::size_t(position_)].invoice;
    changed = false;
}

void InvoiceEntry::newInvoice()
{
    EcritFiche();
    invoices_.push_back({});
    position_ = count() - 1;
    LitFiche();
    shown[InvoiceField::Date] = forms::formatDate(platform_.clock->today());
    const InvoiceProposals fixed = invoice::fallbacks();
    const auto propose = [](const QString &guide, const QString &fallback) {
        return guide.trimmed().isEmpty() ? fallback : guide;
    };
    shown[InvoiceField::Journal] = propose(proposed_.journal, fixed.journal);
    shown[InvoiceField::Counterparty] = propose(proposed_.counterparty, fixed.counterparty);
    shown[InvoiceField::Revenue] = propose(proposed_.revenue, fixed.revenue);
    shown[InvoiceField::Vat] = propose(proposed_.vat, fixed.vat);
    focus = InvoiceField::Date;
}

void InvoiceEntry::previous()
{
    EcritFiche();
    position_ = std::max(0, position_ - 1);
    LitFiche();
}

void InvoiceEntry::next()
{
    EcritFiche();
    position_ = std::min(position_ + 1, count() - 1);
    LitFiche();
}

void InvoiceEntry::showAt(int index, InvoiceField field)
{
    position_ = index;
    LitFiche();
    focus = field;
}

// ---------------------------------------------------------------- closing

std::optional<InvoiceField> InvoiceEntry::refusal(int index)
{
    Invoice &inv = invoices_[std::size_t(index)].invoice;
    const QString number = invoiceNumber(index);
    const std::optional<QDate> day = datetext::toDate(inv[InvoiceField::Date]);
    if (!day) {
        message(number + QStringLiteral("date invalide"));
        return InvoiceField::Date;
    }
    if (!inFiscalYear(*day)) {
        message(number + QStringLiteral("date en dehors des limites de l'exercice"));
        return InvoiceField::Date;
    }
    if (validatedUntil_.isValid() && *day <= validatedUntil_) {
        message(number + validation::periodValidated(validatedUntil_));
        return InvoiceField::Date;
    }
    for (InvoiceField field : kAccounts) {
        const QString typed = inv[field].trimmed();
        if (typed.isEmpty()) {
            message(number + QStringLiteral("le champ %1 est vide").arg(invoice::fieldCaption(kind_, field)));
            return field;
        }
        inv[field] = forms::completeAccount(typed);
        if (!Trouve(inv[field])) {
            message(number + QStringLiteral("le compte ") + inv[field] + QStringLiteral(" n'existe pas"));
            return field;
        }
    }
    inv[InvoiceField::Journal] = inv[InvoiceField::Journal].trimmed();
    if (!journalKnown(inv[InvoiceField::Journal])) {
        message(number + QStringLiteral("le journal ") + inv[InvoiceField::Journal] + QStringLiteral(" n'existe pas"));
        return InvoiceField::Journal;
    }
    bool anyAmount = false;
    for (InvoiceField field : kTotals) {
        const std::optional<QString> amount = amounttext::normalise(inv[field]);
        if (!amount) {
            QString caption = invoice::fieldCaption(kind_, field);
            caption[0] = caption[0].toLower();
            message(number + caption + QStringLiteral(" invalide"));
            return field;
        }
        inv[field] = amount->trimmed();
        anyAmount = anyAmount || !inv[field].isEmpty();
    }
    if (!anyAmount) {
        message(number + QStringLiteral("aucun montant"));
        return InvoiceField::WithTax;
    }
    return std::nullopt;
}

// A total with tax that is not the sum of the two others would post an
// entry whose debits and credits differ: the user decides.
bool InvoiceEntry::askUnbalanced(int index)
{
    Stored &stored = invoices_[std::size_t(index)];
    const Invoice &inv = stored.invoice;
    if (stored.unbalancedAccepted
        || centsOf(inv[InvoiceField::WithTax]) == centsOf(inv[InvoiceField::BeforeTax]) + centsOf(inv[InvoiceField::VatAmount]))
        return true;
    const Messages::Answer answer = platform_.messages->warningYesNoCancel(
        invoiceNumber(index)
        + QStringLiteral("le total TTC n'est pas égal à HT + TVA. L'enregistrer quand même ?"));
    if (answer == Messages::Answer::Yes) {
        stored.unbalancedAccepted = true;
        return true;
    }
    showAt(index, InvoiceField::WithTax);
    return false;
}

bool InvoiceEntry::close()
{
    EcritFiche();
    for (int i = 0; i < count(); ++i) {
        if (invoices_[std::size_t(i)].invoice.blank())
            continue;
        if (const std::optional<InvoiceField> field = refusal(i)) {
            showAt(i, *field);
            return false;
        }
    }
    for (int i = 0; i < count(); ++i)
        if (!invoices_[std::size_t(i)].invoice.blank() && !askUnbalanced(i))
            return false;
    return true;
}

bool InvoiceEntry::hasUnposted()
{
    EcritFiche();
    return std::any_of(invoices_.begin(), invoices_.end(), [](const Stored &s) { return !s.invoice.blank(); });
}

bool InvoiceEntry::closeWithoutPosting()
{
    if (hasUnposted() && !platform_.messages->warningOkCancel(QStringLiteral("Abandonner les factures non enregistrées ?")))
        return false;
    invoices_.clear();
    position_ = -1;
    return true;
}

// ---------------------------------------------------------------- fields

bool InvoiceEntry::Trouve(const QString &code) const
{
    return chart_.findAccount(code) != CodeList::npos;
}

bool InvoiceEntry::journalKnown(const QString &code) const
{
    return code.isEmpty() || journals_.findCode(code) != CodeList::npos;
}

bool InvoiceEntry::fieldLeft(InvoiceField field)
{
    switch (field) {
    case InvoiceField::Date:
        return dateLeft();
    case InvoiceField::Counterparty:
    case InvoiceField::Revenue:
    case InvoiceField::Vat:
        return accountLeft(field);
    case InvoiceField::WithTax:
    case InvoiceField::BeforeTax:
    case InvoiceField::VatAmount:
        totalLeft(field);
        return true;
    case InvoiceField::Journal:
        return journalLeft();
    case InvoiceField::Label:
        return true;
    }
    return true;
}

// An empty date takes today's. A date outside the fiscal year is refused, as
// the entry line refuses it: posted, it would land in a month of no year shown.
// A date in the validated period is refused the same way.
bool InvoiceEntry::dateLeft()
{
    QString &date = shown[InvoiceField::Date];
    if (datetext::fieldText(date)[0] == u' ')
        date = forms::formatDate(platform_.clock->today());
    const std::optional<QDate> day = datetext::toDate(date);
    if (!day)
        return true;
    if (!inFiscalYear(*day))
        message(QStringLiteral("Date en dehors des limites de l'exercice"));
    else if (validatedUntil_.isValid() && *day <= validatedUntil_)
        message(validation::periodValidated(validatedUntil_));
    else
        return true;
    focus = InvoiceField::Date;
    return false;
}

bool InvoiceEntry::journalLeft()
{
    const QString code = shown[InvoiceField::Journal].trimmed();
    if (journalKnown(code))
        return true;
    message(QStringLiteral("Le journal ") + code + QStringLiteral(" n'existe pas"));
    focus = InvoiceField::Journal;
    return false;
}

bool InvoiceEntry::accountLeft(InvoiceField field)
{
    const QString typed = shown[field].trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = forms::completeAccount(typed);
    shown[field] = code;
    if (Trouve(code))
        return true;
    message(QStringLiteral("Le compte ") + code + QStringLiteral(" n'existe pas"));
    focus = field;
    return false;
}

// A number is shown in its "0.00" form; anything else stays as typed, for
// "Fermer" to point out.
void InvoiceEntry::totalLeft(InvoiceField field)
{
    if (const std::optional<QString> amount = amounttext::normalise(shown[field]))
        shown[field] = amount->trimmed();
}

bool InvoiceEntry::withTaxAccepts(QChar c)
{
    return QStringView(u",.1234567890").contains(c);
}
