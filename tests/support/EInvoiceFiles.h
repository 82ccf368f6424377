#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// Small supplier invoices written out as their files: the XML of either
// syntax (CII, the XML of Factur-X, and UBL 2.1), and a Factur-X PDF carrying
// attachments, made by hand (PDF 1.7, an /EmbeddedFiles name tree of
// /Filespec entries, each with its /EmbeddedFile stream).
namespace einvoicefiles {

struct Group {
    std::string category, rate, basis, tax;
};

struct Line {
    std::string name, quantity, net;
};

// An invoice to write out in either syntax: the fields the tests vary.
struct Draft {
    std::string number = "F2026-001";
    std::string type = "380";
    std::string date = "2026-03-15"; // ISO; the CII form is made from it
    std::string due;
    std::string currency = "EUR";
    std::string seller = "Papeterie Martin";
    std::string siren = "123456782";
    std::string vat = "FR11123456782";
    std::vector<Group> groups = {{"S", "20.00", "100.00", "20.00"}};
    std::string net = "100.00", vatTotal = "20.00", grand = "120.00", prepaid = "0.00", payable = "120.00";
    std::vector<Line> lines = {{"Ramettes A4", "10", "100.00"}};
};

inline std::string compactDate(const std::string &iso)
{
    std::string out;
    for (char c : iso)
        if (c != '-')
            out += c;
    return out;
}

inline std::string ciiXml(const Draft &s)
{
    std::string x = "<?xml version='1.0' encoding='UTF-8'?>\n"
                    "<rsm:CrossIndustryInvoice xmlns:rsm=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\"\n"
                    " xmlns:ram=\"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100\"\n"
                    " xmlns:udt=\"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100\">\n"
                    "<rsm:ExchangedDocument><ram:ID>" + s.number + "</ram:ID><ram:TypeCode>" + s.type +
                    "</ram:TypeCode>\n<ram:IssueDateTime><udt:DateTimeString format=\"102\">" + compactDate(s.date) +
                    "</udt:DateTimeString></ram:IssueDateTime></rsm:ExchangedDocument>\n"
                    "<rsm:SupplyChainTradeTransaction>\n";
    for (const Line &l : s.lines)
        x += "<ram:IncludedSupplyChainTradeLineItem><ram:SpecifiedTradeProduct><ram:Name>" + l.name +
             "</ram:Name></ram:SpecifiedTradeProduct><ram:SpecifiedLineTradeDelivery><ram:BilledQuantity unitCode=\"C62\">" +
             l.quantity + "</ram:BilledQuantity></ram:SpecifiedLineTradeDelivery><ram:SpecifiedLineTradeSettlement>"
             "<ram:SpecifiedTradeSettlementLineMonetarySummation><ram:LineTotalAmount>" + l.net +
             "</ram:LineTotalAmount></ram:SpecifiedTradeSettlementLineMonetarySummation></ram:SpecifiedLineTradeSettlement>"
             "</ram:IncludedSupplyChainTradeLineItem>\n";
    x += "<ram:ApplicableHeaderTradeAgreement><ram:SellerTradeParty><ram:Name>" + s.seller + "</ram:Name>";
    if (!s.siren.empty())
        x += "<ram:SpecifiedLegalOrganization><ram:ID schemeID=\"0002\">" + s.siren + "</ram:ID></ram:SpecifiedLegalOrganization>";
    if (!s.vat.empty())
        x += "<ram:SpecifiedTaxRegistration><ram:ID schemeID=\"VA\">" + s.vat + "</ram:ID></ram:SpecifiedTaxRegistration>";
    x += "</ram:SellerTradeParty></ram:ApplicableHeaderTradeAgreement>\n<ram:ApplicableHeaderTradeSettlement><ram:InvoiceCurrencyCode>" +
         s.currency + "</ram:InvoiceCurrencyCode>\n";
    for (const Group &g : s.groups)
        x += "<ram:ApplicableTradeTax><ram:CalculatedAmount>" + g.tax + "</ram:CalculatedAmount><ram:TypeCode>VAT</ram:TypeCode>"
             "<ram:BasisAmount>" + g.basis + "</ram:BasisAmount><ram:CategoryCode>" + g.category +
             "</ram:CategoryCode><ram:RateApplicablePercent>" + g.rate + "</ram:RateApplicablePercent></ram:ApplicableTradeTax>\n";
    if (!s.due.empty())
        x += "<ram:SpecifiedTradePaymentTerms><ram:DueDateDateTime><udt:DateTimeString format=\"102\">" + compactDate(s.due) +
             "</udt:DateTimeString></ram:DueDateDateTime></ram:SpecifiedTradePaymentTerms>\n";
    x += "<ram:SpecifiedTradeSettlementHeaderMonetarySummation><ram:LineTotalAmount>" + s.net +
         "</ram:LineTotalAmount><ram:TaxBasisTotalAmount>" + s.net + "</ram:TaxBasisTotalAmount><ram:TaxTotalAmount currencyID=\"" +
         s.currency + "\">" + s.vatTotal + "</ram:TaxTotalAmount><ram:GrandTotalAmount>" + s.grand +
         "</ram:GrandTotalAmount><ram:TotalPrepaidAmount>" + s.prepaid + "</ram:TotalPrepaidAmount><ram:DuePayableAmount>" +
         s.payable + "</ram:DuePayableAmount></ram:SpecifiedTradeSettlementHeaderMonetarySummation>\n"
         "</ram:ApplicableHeaderTradeSettlement></rsm:SupplyChainTradeTransaction></rsm:CrossIndustryInvoice>\n";
    return x;
}

inline std::string ublXml(const Draft &s)
{
    const bool credit = s.type == "381";
    const std::string root = credit ? "CreditNote" : "Invoice";
    const std::string amount = " currencyID=\"" + s.currency + "\"";
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:" +
                    root + "-2\"\n xmlns:cac=\"urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2\"\n"
                    " xmlns:cbc=\"urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2\">\n"
                    "<cbc:ID>" + s.number + "</cbc:ID><cbc:IssueDate>" + s.date + "</cbc:IssueDate>";
    if (!s.due.empty())
        x += "<cbc:DueDate>" + s.due + "</cbc:DueDate>";
    x += "<cbc:" + root + "TypeCode>" + s.type + "</cbc:" + root + "TypeCode>\n<cbc:DocumentCurrencyCode>" + s.currency +
         "</cbc:DocumentCurrencyCode>\n<cac:AccountingSupplierParty><cac:Party><cac:PartyName><cbc:Name>Enseigne</cbc:Name></cac:PartyName>";
    if (!s.vat.empty())
        x += "<cac:PartyTaxScheme><cbc:CompanyID>" + s.vat + "</cbc:CompanyID><cac:TaxScheme><cbc:ID>VAT</cbc:ID></cac:TaxScheme></cac:PartyTaxScheme>";
    x += "<cac:PartyLegalEntity><cbc:RegistrationName>" + s.seller + "</cbc:RegistrationName>";
    if (!s.siren.empty())
        x += "<cbc:CompanyID schemeID=\"0002\">" + s.siren + "</cbc:CompanyID>";
    x += "</cac:PartyLegalEntity></cac:Party></cac:AccountingSupplierParty>\n<cac:TaxTotal><cbc:TaxAmount" + amount + ">" +
         s.vatTotal + "</cbc:TaxAmount>\n";
    for (const Group &g : s.groups)
        x += "<cac:TaxSubtotal><cbc:TaxableAmount" + amount + ">" + g.basis + "</cbc:TaxableAmount><cbc:TaxAmount" + amount + ">" +
             g.tax + "</cbc:TaxAmount><cac:TaxCategory><cbc:ID>" + g.category + "</cbc:ID><cbc:Percent>" + g.rate +
             "</cbc:Percent><cac:TaxScheme><cbc:ID>VAT</cbc:ID></cac:TaxScheme></cac:TaxCategory></cac:TaxSubtotal>\n";
    x += "</cac:TaxTotal>\n<cac:LegalMonetaryTotal><cbc:LineExtensionAmount" + amount + ">" + s.net +
         "</cbc:LineExtensionAmount><cbc:TaxExclusiveAmount" + amount + ">" + s.net + "</cbc:TaxExclusiveAmount><cbc:TaxInclusiveAmount" +
         amount + ">" + s.grand + "</cbc:TaxInclusiveAmount><cbc:PrepaidAmount" + amount + ">" + s.prepaid +
         "</cbc:PrepaidAmount><cbc:PayableAmount" + amount + ">" + s.payable + "</cbc:PayableAmount></cac:LegalMonetaryTotal>\n";
    const std::string quantity = credit ? "CreditedQuantity" : "InvoicedQuantity";
    for (const Line &l : s.lines)
        x += "<cac:" + root + "Line><cbc:ID>1</cbc:ID><cbc:" + quantity + " unitCode=\"C62\">" + l.quantity + "</cbc:" + quantity +
             "><cbc:LineExtensionAmount" + amount + ">" + l.net + "</cbc:LineExtensionAmount><cac:Item><cbc:Name>" + l.name +
             "</cbc:Name></cac:Item></cac:" + root + "Line>\n";
    return x + "</" + root + ">\n";
}

// A one-page PDF whose embedded files are the attachments given, by name
// then content, in the name tree's order (sorted by name, as the format asks).
inline std::string facturXPdf(const std::vector<std::pair<std::string, std::string>> &attachments)
{
    std::vector<std::string> objects = {"", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"};
    std::string names;
    for (const auto &[name, content] : attachments) {
        const std::size_t fileEntry = objects.size() + 1;
        objects.push_back("<< /Type /Filespec /F (" + name + ") /UF (" + name + ") /AFRelationship /Data /EF << /F " +
                          std::to_string(fileEntry + 1) + " 0 R >> >>");
        objects.push_back("<< /Type /EmbeddedFile /Subtype /text#2Fxml /Length " + std::to_string(content.size()) +
                          " >>\nstream\n" + content + "\nendstream");
        names += "(" + name + ") " + std::to_string(fileEntry) + " 0 R ";
    }
    objects[0] = "<< /Type /Catalog /Pages 2 0 R /Names << /EmbeddedFiles << /Names [" + names + "] >> >> >>";
    std::string pdf = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) +
           "\n%%EOF\n";
    return pdf;
}

} // namespace einvoicefiles
