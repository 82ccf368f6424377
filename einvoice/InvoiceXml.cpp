#include "einvoice/InvoiceXml.h"

#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>

namespace einvoice {
namespace {

// What an element of the invoice holds. Elements not named in a syntax's
// table are passed over.
enum class Field {
    Number, TypeCode, IssueDate, DueDate, Currency,
    SellerName, SellerTradingName, SellerLegalId, SellerVatId,
    SellerTaxSchemeCompanyId, SellerTaxSchemeId, SellerTaxSchemeEnd,
    GroupStart, GroupBasis, GroupTax, GroupCategory, GroupRate,
    VatTotal, NetTotal, GrandTotal, Prepaid, Due,
    LineStart, LineName, LineQuantity, LineNet,
};

// Paths from the root, its name written "$" (UBL's root is Invoice or
// CreditNote), the local names of the elements joined by "/".
using FieldTable = QHash<QString, Field>;

const FieldTable &ciiFields()
{
    static const FieldTable table = [] {
        const QString doc = QStringLiteral("$/ExchangedDocument/");
        const QString trade = QStringLiteral("$/SupplyChainTradeTransaction/");
        const QString seller = trade + QStringLiteral("ApplicableHeaderTradeAgreement/SellerTradeParty/");
        const QString settlement = trade + QStringLiteral("ApplicableHeaderTradeSettlement/");
        const QString tax = settlement + QStringLiteral("ApplicableTradeTax");
        const QString sums = settlement + QStringLiteral("SpecifiedTradeSettlementHeaderMonetarySummation/");
        const QString line = trade + QStringLiteral("IncludedSupplyChainTradeLineItem");
        return FieldTable{
            {doc + "ID", Field::Number},
            {doc + "TypeCode", Field::TypeCode},
            {doc + "IssueDateTime/DateTimeString", Field::IssueDate},
            {settlement + "SpecifiedTradePaymentTerms/DueDateDateTime/DateTimeString", Field::DueDate},
            {settlement + "InvoiceCurrencyCode", Field::Currency},
            {seller + "Name", Field::SellerName},
            {seller + "SpecifiedLegalOrganization/ID", Field::SellerLegalId},
            {seller + "SpecifiedTaxRegistration/ID", Field::SellerVatId},
            {tax, Field::GroupStart},
            {tax + "/BasisAmount", Field::GroupBasis},
            {tax + "/CalculatedAmount", Field::GroupTax},
            {tax + "/CategoryCode", Field::GroupCategory},
            {tax + "/RateApplicablePercent", Field::GroupRate},
            {sums + "TaxBasisTotalAmount", Field::NetTotal},
            {sums + "TaxTotalAmount", Field::VatTotal},
            {sums + "GrandTotalAmount", Field::GrandTotal},
            {sums + "TotalPrepaidAmount", Field::Prepaid},
            {sums + "DuePayableAmount", Field::Due},
            {line, Field::LineStart},
            {line + "/SpecifiedTradeProduct/Name", Field::LineName},
            {line + "/SpecifiedLineTradeDelivery/BilledQuantity", Field::LineQuantity},
            {line + "/SpecifiedLineTradeSettlement/SpecifiedTradeSettlementLineMonetarySummation/LineTotalAmount",
             Field::LineNet},
        };
    }();
    return table;
}

const FieldTable &ublFields()
{
    static const FieldTable table = [] {
        const QString party = QStringLiteral("$/AccountingSupplierParty/Party/");
        const QString group = QStringLiteral("$/TaxTotal/TaxSubtotal");
        const QString sums = QStringLiteral("$/LegalMonetaryTotal/");
        FieldTable fields{
            {"$/ID", Field::Number},
            {"$/InvoiceTypeCode", Field::TypeCode},
            {"$/CreditNoteTypeCode", Field::TypeCode},
            {"$/IssueDate", Field::IssueDate},
            {"$/DueDate", Field::DueDate},
            {"$/DocumentCurrencyCode", Field::Currency},
            {party + "PartyLegalEntity/RegistrationName", Field::SellerName},
            {party + "PartyName/Name", Field::SellerTradingName},
            {party + "PartyLegalEntity/CompanyID", Field::SellerLegalId},
            {party + "PartyTaxScheme/CompanyID", Field::SellerTaxSchemeCompanyId},
            {party + "PartyTaxScheme/TaxScheme/ID", Field::SellerTaxSchemeId},
            {party + "PartyTaxScheme", Field::SellerTaxSchemeEnd},
            {group, Field::GroupStart},
            {group + "/TaxableAmount", Field::GroupBasis},
            {group + "/TaxAmount", Field::GroupTax},
            {group + "/TaxCategory/ID", Field::GroupCategory},
            {group + "/TaxCategory/Percent", Field::GroupRate},
            {"$/TaxTotal/TaxAmount", Field::VatTotal},
            {sums + "TaxExclusiveAmount", Field::NetTotal},
            {sums + "TaxInclusiveAmount", Field::GrandTotal},
            {sums + "PrepaidAmount", Field::Prepaid},
            {sums + "PayableAmount", Field::Due},
        };
        for (const auto &[kind, quantity] : {std::pair{"Invoice", "Invoiced"}, std::pair{"CreditNote", "Credited"}}) {
            const QString line = QStringLiteral("$/") + QLatin1String(kind) + QStringLiteral("Line");
            fields.insert(line, Field::LineStart);
            fields.insert(line + "/Item/Name", Field::LineName);
            fields.insert(line + u'/' + QLatin1String(quantity) + "Quantity", Field::LineQuantity);
            fields.insert(line + "/LineExtensionAmount", Field::LineNet);
        }
        return fields;
    }();
    return table;
}

const QString kCiiNamespace = QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString kUblInvoiceNamespace = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
const QString kUblCreditNoteNamespace = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2");

// The invoice as its elements go by, with what is still missing at the end.
class Builder {
public:
    explicit Builder(Syntax syntax) { invoice_.syntax = syntax; }

    // An element's text; the first fault met (an amount or a date that is
    // none) is kept and told at the end.
    void take(Field field, const QString &text, const QXmlStreamAttributes &attributes);
    void start(Field field);
    XmlReading finish();

private:
    std::optional<Cents> amount(const QString &text, const char *what);
    QDate date(const QString &text, const char *what);
    void fail(const QString &error)
    {
        if (error_.isEmpty())
            error_ = error;
    }

    Invoice invoice_;
    QString error_;
    QString tradingName_, schemeCompanyId_, schemeId_;
    struct VatTotal {
        QString currency;
        Cents amount;
    };
    std::vector<VatTotal> vatTotals_;
    std::array<bool, 3> seen_{}; // net, grand, issue date
};

std::optional<Cents> Builder::amount(const QString &text, const char *what)
{
    const std::optional<Cents> value = parseDecimal(text, 2);
    if (!value)
        fail(QStringLiteral("le montant %1 « %2 » n'est pas un nombre").arg(QString::fromUtf8(what), text));
    return value;
}

QDate Builder::date(const QString &text, const char *what)
{
    const QString trimmed = text.trimmed();
    const QDate value = QDate::fromString(trimmed, invoice_.syntax == Syntax::Cii ? QStringLiteral("yyyyMMdd")
                                                                                  : QStringLiteral("yyyy-MM-dd"));
    if (!value.isValid())
        fail(QStringLiteral("la date %1 « %2 » n'est pas une date").arg(QString::fromUtf8(what), trimmed));
    return value;
}

void Builder::start(Field field)
{
    if (field == Field::GroupStart)
        invoice_.vatGroups.emplace_back();
    else if (field == Field::LineStart)
        invoice_.lines.emplace_back();
}

void Builder::take(Field field, const QString &text, const QXmlStreamAttributes &attributes)
{
    const QString value = text.trimmed();
    VatGroup *group = invoice_.vatGroups.empty() ? nullptr : &invoice_.vatGroups.back();
    Line *line = invoice_.lines.empty() ? nullptr : &invoice_.lines.back();
    const QStringView scheme = attributes.value(QLatin1String("schemeID"));
    switch (field) {
    case Field::Number:
        invoice_.number = value;
        break;
    case Field::TypeCode:
        invoice_.typeCode = value;
        break;
    case Field::IssueDate:
        invoice_.issueDate = date(value, "d'émission");
        seen_[2] = true;
        break;
    case Field::DueDate:
        invoice_.dueDate = date(value, "d'échéance");
        break;
    case Field::Currency:
        invoice_.currency = value.toUpper();
        break;
    case Field::SellerName:
        invoice_.seller.name = value;
        break;
    case Field::SellerTradingName:
        tradingName_ = value;
        break;
    case Field::SellerLegalId:
        // The SIREN is the legal registration of scheme 0002; a number
        // without a scheme is taken when it has the SIREN's nine digits.
        if (scheme == u"0002" || (scheme.isEmpty() && value.size() == 9 && value.toULongLong() > 0))
            invoice_.seller.siren = value;
        break;
    case Field::SellerVatId:
        if (scheme == u"VA")
            invoice_.seller.vatNumber = value;
        break;
    case Field::SellerTaxSchemeCompanyId:
        schemeCompanyId_ = value;
        break;
    case Field::SellerTaxSchemeId:
        schemeId_ = value;
        break;
    case Field::SellerTaxSchemeEnd:
        if (schemeId_ == u"VAT")
            invoice_.seller.vatNumber = schemeCompanyId_;
        schemeCompanyId_.clear();
        schemeId_.clear();
        break;
    case Field::GroupBasis:
        if (group)
            group->basis = amount(value, "de base de TVA").value_or(0);
        break;
    case Field::GroupTax:
        if (group)
            group->tax = amount(value, "de TVA").value_or(0);
        break;
    case Field::GroupCategory:
        if (group)
            group->category = value;
        break;
    case Field::GroupRate:
        if (group) {
            const std::optional<qint64> rate = parseDecimal(value, 3);
            if (!rate)
                fail(QStringLiteral("le taux de TVA « %1 » n'est pas un nombre").arg(value));
            group->rate = rate.value_or(0);
        }
        break;
    case Field::VatTotal:
        vatTotals_.push_back({attributes.value(QLatin1String("currencyID")).toString(),
                              amount(value, "de TVA totale").value_or(0)});
        break;
    case Field::NetTotal:
        invoice_.totals.net = amount(value, "hors taxes").value_or(0);
        seen_[0] = true;
        break;
    case Field::GrandTotal:
        invoice_.totals.grand = amount(value, "TTC").value_or(0);
        seen_[1] = true;
        break;
    case Field::Prepaid:
        invoice_.totals.prepaid = amount(value, "payé d'avance").value_or(0);
        break;
    case Field::Due:
        invoice_.totals.due = amount(value, "à payer").value_or(0);
        break;
    case Field::LineName:
        if (line)
            line->name = value;
        break;
    case Field::LineQuantity:
        if (line)
            line->quantity = value;
        break;
    case Field::LineNet:
        if (line)
            line->net = amount(value, "de ligne").value_or(0);
        break;
    case Field::GroupStart:
    case Field::LineStart:
        break;
    }
}

XmlReading Builder::finish()
{
    if (!error_.isEmpty())
        return {std::nullopt, error_};
    if (invoice_.seller.name.isEmpty())
        invoice_.seller.name = tradingName_;
    // The VAT total in the invoice's currency: a second total may give it in
    // the currency of the seller's return.
    for (const VatTotal &total : vatTotals_)
        if (total.currency.isEmpty() || total.currency == invoice_.currency || vatTotals_.size() == 1) {
            invoice_.totals.vat = total.amount;
            break;
        }
    invoice_.creditNote = invoice_.typeCode == u"381" || invoice_.typeCode == u"261" || invoice_.typeCode == u"262";
    const struct {
        bool missing;
        const char *what;
    } required[] = {
        {invoice_.number.isEmpty(), "le numéro de la facture"},
        {!seen_[2], "la date d'émission"},
        {invoice_.currency.isEmpty(), "la devise"},
        {invoice_.seller.name.isEmpty(), "le nom du fournisseur"},
        {!seen_[0], "le total hors taxes"},
        {!seen_[1], "le total TTC"},
        {vatTotals_.empty(), "le total de la TVA"},
    };
    for (const auto &r : required)
        if (r.missing)
            return {std::nullopt, QStringLiteral("il manque %1").arg(QString::fromUtf8(r.what))};
    return {std::move(invoice_), {}};
}

std::optional<Syntax> syntaxOf(const QXmlStreamReader &xml)
{
    const QStringView ns = xml.namespaceUri();
    const QStringView name = xml.name();
    if (name == u"CrossIndustryInvoice" && ns == kCiiNamespace)
        return Syntax::Cii;
    if ((name == u"Invoice" && ns == kUblInvoiceNamespace) || (name == u"CreditNote" && ns == kUblCreditNoteNamespace))
        return Syntax::Ubl;
    return std::nullopt;
}

} // namespace

std::optional<qint64> parseDecimal(QStringView text, int decimals)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.mid(1);
    }
    qint64 value = 0;
    int integerDigits = 0, fractionDigits = 0;
    bool point = false, roundUp = false;
    for (QChar c : text) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - '0';
        if (!point) {
            // Fifteen integer digits, and room for the decimals in 64 bits.
            if (++integerDigits > std::min(15, 18 - decimals))
                return std::nullopt;
            value = value * 10 + digit;
        } else if (fractionDigits < decimals) {
            value = value * 10 + digit;
            ++fractionDigits;
        } else if (fractionDigits++ == decimals) {
            roundUp = digit >= 5;
        }
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return std::nullopt;
    for (int i = std::min(fractionDigits, decimals); i < decimals; ++i)
        value *= 10;
    if (roundUp)
        ++value;
    return negative ? -value : value;
}

XmlReading readInvoiceXml(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    std::optional<Builder> builder;
    const FieldTable *fields = nullptr;
    // The path of the element open, and where each level began in it.
    QString path;
    std::vector<qsizetype> levels;
    std::vector<QXmlStreamAttributes> attributes;
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return {std::nullopt, QStringLiteral("le fichier déclare une DTD, ce qu'une facture ne fait pas")};
        case QXmlStreamReader::StartElement: {
            if (!builder) {
                const std::optional<Syntax> syntax = syntaxOf(xml);
                if (!syntax)
                    return {std::nullopt, QStringLiteral("ce n'est pas une facture CII ni UBL (élément racine « %1 »)")
                                              .arg(xml.name().toString())};
                builder.emplace(*syntax);
                fields = *syntax == Syntax::Cii ? &ciiFields() : &ublFields();
                path = QStringLiteral("$");
                levels.push_back(0);
                attributes.emplace_back();
                break;
            }
            levels.push_back(path.size());
            path += u'/';
            path += xml.name();
            attributes.push_back(xml.attributes());
            text.clear();
            if (const auto found = fields->constFind(path); found != fields->cend())
                builder->start(*found);
            break;
        }
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (const auto found = fields->constFind(path); found != fields->cend())
                builder->take(*found, text, attributes.back());
            text.clear();
            path.truncate(levels.back());
            levels.pop_back();
            attributes.pop_back();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return {std::nullopt, xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                                  ? QStringLiteral("le XML est tronqué")
                                  : QStringLiteral("le XML est endommagé (ligne %1 : %2)")
                                        .arg(xml.lineNumber())
                                        .arg(xml.errorString())};
    if (!builder)
        return {std::nullopt, QStringLiteral("le fichier ne contient aucun élément XML")};
    return builder->finish();
}

} // namespace einvoice
