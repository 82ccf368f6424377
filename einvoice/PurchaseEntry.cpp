#include "einvoice/PurchaseEntry.h"

#include "einvoice/InvoiceChecks.h"
#include "einvoice/InvoiceXml.h"
#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/MonthLines.h"
#include "ledger/ReferenceData.h"

#include <map>

namespace einvoice {
namespace {

const QString kDefaultSupplier = QStringLiteral("401000");
const QString kDefaultCharge = QStringLiteral("607000");

// The amount split by the shares in percent, the cents left by the rounding
// on the last share, so that the parts add up to the amount.
std::vector<Cents> split(Cents amount, const std::vector<ChargeShare> &shares)
{
    std::vector<Cents> parts;
    Cents given = 0;
    for (std::size_t i = 0; i + 1 < shares.size(); ++i) {
        parts.push_back(scaled(amount, shares[i].percent, 100));
        given += parts.back();
    }
    parts.push_back(amount - given);
    return parts;
}

bool isFixedAsset(const QString &account)
{
    return account.startsWith(u'2');
}

// VAT charged by a seller registered for VAT in France is deductible on the
// French return; any other is part of the cost.
bool frenchVatNumber(const QString &vatNumber)
{
    return vatNumber.trimmed().startsWith(QLatin1String("FR"), Qt::CaseInsensitive);
}

bool reverseCharge(const VatGroup &group)
{
    return group.category == u"AE" || group.category == u"K";
}

// The lines in the order they are built, each a signed amount: a debit
// positive, a credit negative; amounts on the same account and side add up.
class EntryLines {
public:
    void add(const QString &account, Cents debit)
    {
        if (debit != 0)
            lines_.push_back({account, debit});
    }
    // The VAT debited on the account each charge line calls for, one line
    // per VAT account.
    void addVat(const std::vector<ChargeShare> &charges, Cents total)
    {
        std::map<QString, Cents> byAccount;
        const std::vector<Cents> shares = split(total, charges);
        for (std::size_t i = 0; i < charges.size(); ++i)
            byAccount[isFixedAsset(charges[i].account) ? kFixedAssetVat : kDeductibleVat] += shares[i];
        for (const QString &account : {kDeductibleVat, kFixedAssetVat})
            if (const auto found = byAccount.find(account); found != byAccount.end())
                add(account, found->second);
    }
    std::vector<ProposedLine> lines(bool reversed) const
    {
        std::vector<ProposedLine> out;
        for (const auto &[account, amount] : lines_) {
            const Cents value = reversed ? -amount : amount;
            out.push_back(value > 0 ? ProposedLine{account, value, 0} : ProposedLine{account, 0, -value});
        }
        return out;
    }

private:
    std::vector<std::pair<QString, Cents>> lines_;
};

} // namespace

std::optional<qint64> parseExchangeRate(const QString &text)
{
    QString decimal = text.trimmed();
    decimal.replace(u',', u'.');
    const std::optional<qint64> rate = parseDecimal(decimal, 6);
    if (!rate || *rate <= 0)
        return std::nullopt;
    return rate;
}

Accounts accountsFor(const Seller &seller, const SupplierRules &rules, const ReferenceData &ref)
{
    Accounts accounts{ref.JournalAchat, ref.CompteFour.isEmpty() ? kDefaultSupplier : ref.CompteFour,
                      {{ref.CompteAchat.isEmpty() ? kDefaultCharge : ref.CompteAchat, 100}}};
    if (const SupplierRule *rule = rules.find(seller)) {
        accounts.supplier = rule->supplierAccount;
        accounts.charges = rule->charges;
    }
    return accounts;
}

bool alreadyBooked(const LineList &lines, const ProposedEntry &entry, const QString &supplierAccount)
{
    using monthlines::Column;
    const std::string account = cp1252::encode(supplierAccount);
    const std::string voucher = cp1252::encode(QStringView(entry.voucher).left(qsizetype(monthlines::kCellLimit)));
    const std::string label = cp1252::encode(QStringView(entry.label).left(qsizetype(monthlines::kCellLimit)));
    bool found = false;
    monthlines::forEachEntry(lines, monthlines::Cells::Cut, [&](const monthlines::Entry &e) {
        found = found || (e[Column::Voucher] == voucher && e[Column::Account] == account && e[Column::Label] == label);
    });
    return found;
}

Proposal proposeEntry(const Invoice &invoice, const Accounts &accounts, const BookingSettings &settings,
                      const LineList &lines)
{
    Proposal proposal;
    ProposedEntry &entry = proposal.entry;
    entry.date = invoice.issueDate;
    entry.journal = accounts.journal;
    // The voucher cell keeps the number when it fits; the label then
    // names the supplier alone, and otherwise carries the number whole.
    entry.voucher = invoice.number.left(qsizetype(monthlines::kCellLimit));
    entry.label = invoice.seller.name;
    if (entry.voucher != invoice.number)
        entry.label += u' ' + invoice.number;
    if (const QStringList broken = checkInvoice(invoice); !broken.isEmpty()) {
        proposal.refusal = broken.join(QStringLiteral(" ; "));
        return proposal;
    }
    const bool euros = invoice.currency == u"EUR";
    if (!euros && !settings.exchangeRate) {
        proposal.refusal = QStringLiteral("facture en %1 : donnez le cours de conversion en euros").arg(invoice.currency);
        return proposal;
    }
    // Converted amounts stay within what the ledger takes, so that every sum
    // below is exact.
    bool tooLarge = false;
    const auto within = [&](Cents value) {
        tooLarge = tooLarge || value > forms::kMaxCents || value < -forms::kMaxCents;
        return value;
    };
    const auto toEuros = [&](Cents amount) {
        return within(euros ? amount : scaled(amount, *settings.exchangeRate, 1'000'000));
    };
    const Cents grand = toEuros(invoice.totals.grand);
    const Cents deductible = frenchVatNumber(invoice.seller.vatNumber) ? toEuros(invoice.totals.vat) : 0;
    Cents selfAssessed = 0;
    for (const VatGroup &group : invoice.vatGroups)
        if (reverseCharge(group) && !tooLarge)
            selfAssessed = within(selfAssessed + taxAt(toEuros(group.basis), settings.reverseChargeRate));
    if (tooLarge) {
        proposal.refusal = QStringLiteral("les montants de la facture dépassent ce que le dossier peut tenir");
        return proposal;
    }

    std::vector<ChargeShare> charges = accounts.charges;
    if (charges.empty())
        charges.push_back({kDefaultCharge, 100});
    EntryLines built;
    const std::vector<Cents> parts = split(grand - deductible, charges);
    for (std::size_t i = 0; i < charges.size(); ++i)
        built.add(charges[i].account, parts[i]);
    built.addVat(charges, deductible);
    built.addVat(charges, selfAssessed);
    built.add(kReverseChargeVat, -selfAssessed);
    built.add(accounts.supplier, -grand);
    entry.lines = built.lines(invoice.creditNote);
    if (alreadyBooked(lines, entry, accounts.supplier))
        proposal.refusal = QStringLiteral("facture déjà comptabilisée (%1, numéro %2)").arg(invoice.seller.name, invoice.number);
    return proposal;
}

} // namespace einvoice
