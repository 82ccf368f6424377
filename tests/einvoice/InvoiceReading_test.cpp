#include "EInvoiceFiles.h"
#include "TempDir.h"

#include "einvoice/InvoiceFile.h"
#include "einvoice/InvoiceXml.h"

#include <gtest/gtest.h>

using namespace einvoicefiles;

namespace {

QByteArray bytesOf(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

einvoice::FileReading readSample(const char *name)
{
    return einvoice::readInvoiceFile(QStringLiteral(TAVELIN_EINVOICE_SAMPLES "/") + QLatin1String(name));
}

} // namespace

TEST(InvoiceReading, PublicSamplesOfBothSyntaxesReadWhole)
{
    const einvoice::FileReading cii = readSample("factur-x-en16931.xml");
    ASSERT_TRUE(cii.invoice) << cii.error.toStdString();
    const einvoice::Invoice &c = *cii.invoice;
    EXPECT_EQ(c.syntax, einvoice::Syntax::Cii);
    EXPECT_EQ(c.number, "F20260023");
    EXPECT_EQ(c.typeCode, "380");
    EXPECT_EQ(c.issueDate, QDate(2026, 1, 31));
    EXPECT_EQ(c.dueDate, QDate(2026, 3, 2));
    EXPECT_EQ(c.currency, "EUR");
    EXPECT_EQ(c.seller.name, "LE FOURNISSEUR");
    EXPECT_EQ(c.seller.siren, "123456782");
    EXPECT_EQ(c.seller.vatNumber, "FR11123456782");
    ASSERT_EQ(c.vatGroups.size(), 4u);
    EXPECT_EQ(c.vatGroups[0].basis, 1100);
    EXPECT_EQ(c.vatGroups[0].rate, 20000);
    EXPECT_EQ(c.vatGroups[0].tax, 220);
    EXPECT_EQ(c.vatGroups[3].category, "K");
    EXPECT_EQ(c.totals.net, 10000);
    EXPECT_EQ(c.totals.vat, 490);
    EXPECT_EQ(c.totals.grand, 10490);
    EXPECT_EQ(c.totals.due, 10490);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[1].name, "FOURNITURES PAPIER");
    EXPECT_EQ(c.lines[1].quantity, "3.0000");
    EXPECT_EQ(c.lines[1].net, 2800);

    const einvoice::FileReading ubl = readSample("ubl-21-en16931.xml");
    ASSERT_TRUE(ubl.invoice) << ubl.error.toStdString();
    const einvoice::Invoice &u = *ubl.invoice;
    EXPECT_EQ(u.syntax, einvoice::Syntax::Ubl);
    EXPECT_EQ(u.number, "F124212");
    EXPECT_EQ(u.issueDate, QDate(2026, 6, 17));
    EXPECT_EQ(u.dueDate, QDate(2026, 7, 16));
    EXPECT_EQ(u.seller.name, "Au bon moulin");
    EXPECT_EQ(u.seller.siren, "999999998");
    EXPECT_EQ(u.seller.vatNumber, "FR11999999998");
    ASSERT_EQ(u.vatGroups.size(), 2u);
    EXPECT_EQ(u.vatGroups[1].rate, 5500);
    EXPECT_EQ(u.vatGroups[1].tax, 743);
    EXPECT_EQ(u.totals.vat, 3503);
    EXPECT_EQ(u.totals.grand, 30803);
    EXPECT_EQ(u.totals.prepaid, 10000);
    EXPECT_EQ(u.totals.due, 20803);
    ASSERT_EQ(u.lines.size(), 2u);
    EXPECT_EQ(u.lines[0].name, "Huile d'olive Joio 50cl");
}

TEST(InvoiceReading, CreditNotesOfBothSyntaxes)
{
    Draft draft;
    draft.type = "381";
    for (const std::string &xml : {ciiXml(draft), ublXml(draft)}) {
        const einvoice::FileReading reading = einvoice::readInvoiceBytes(bytesOf(xml));
        ASSERT_TRUE(reading.invoice) << reading.error.toStdString();
        EXPECT_TRUE(reading.invoice->creditNote);
        EXPECT_EQ(einvoice::kindText(*reading.invoice), "Avoir");
        EXPECT_EQ(reading.invoice->lines.size(), 1u);
    }
}

TEST(InvoiceReading, FacturXFindsTheInvoiceByNameAmongOtherAttachments)
{
    const std::string xml = ciiXml(Draft());
    const einvoice::FileReading reading = einvoice::readInvoiceBytes(
        bytesOf(facturXPdf({{"bon-de-livraison.xml", "<livraison>12 colis</livraison>"}, {"factur-x.xml", xml}})));
    ASSERT_TRUE(reading.invoice) << reading.error.toStdString();
    EXPECT_EQ(reading.invoice->number, "F2026-001");
    EXPECT_EQ(reading.invoice->totals.grand, 12000);
}

TEST(InvoiceReading, FilesThatAreNoInvoiceAreRefusedWithTheirFault)
{
    Draft badDate;
    badDate.date = "2026-02-30";
    const std::string good = ublXml(Draft());
    const struct {
        const char *guards;
        std::string bytes;
        QString error;
    } cases[] = {
        {"an empty file", "  \n", "le fichier est vide"},
        {"another XML", "<html><body/></html>", "ce n'est pas une facture CII ni UBL (élément racine « html »)"},
        {"a truncated invoice", good.substr(0, good.size() / 2), "le XML est tronqué"},
        {"a damaged invoice", "<Invoice xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:Invoice-2\"><a></b></Invoice>",
         "le XML est endommagé (ligne 1 : Opening and ending tag mismatch.)"},
        {"a document type", "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><x>&e;</x>",
         "le fichier déclare une DTD, ce qu'une facture ne fait pas"},
        {"a date that is no date (CII)", ciiXml(badDate), "la date d'émission « 20260230 » n'est pas une date"},
        {"a date that is no date (UBL)", ublXml(badDate), "la date d'émission « 2026-02-30 » n'est pas une date"},
        {"an amount that is no number", ciiXml([] { Draft s; s.grand = "12O.00"; return s; }()),
         "le montant TTC « 12O.00 » n'est pas un nombre"},
        {"no number", ublXml([] { Draft s; s.number.clear(); return s; }()), "il manque le numéro de la facture"},
        {"a PDF without the invoice", facturXPdf({{"bon-de-livraison.xml", "<livraison/>"}}),
         "le PDF ne porte pas de facture jointe (factur-x.xml)"},
        {"a damaged PDF", "%PDF-1.7\nnothing else", "le PDF est endommagé ou tronqué"},
        {"a Factur-X whose XML is damaged", facturXPdf({{"factur-x.xml", "<rsm:CrossIndustryInvoice"}}),
         "factur-x.xml : le XML est tronqué"},
        {"a file beyond the bound", std::string(std::size_t(einvoice::kMaxInvoiceFileSize) + 1, ' '),
         "le fichier dépasse 32 Mo, ce qu'aucune facture ne fait"},
    };
    for (const auto &c : cases) {
        const einvoice::FileReading reading = einvoice::readInvoiceBytes(bytesOf(c.bytes));
        EXPECT_FALSE(reading.invoice) << c.guards;
        EXPECT_EQ(reading.error, c.error) << c.guards;
    }
}

TEST(InvoiceReading, AFileThatCannotBeReadSaysWhy)
{
    CurrentTempDir dir;
    EXPECT_EQ(einvoice::readInvoiceFile(dir.file("absente.xml")).error,
              "le fichier ne peut pas être lu : fichier ou dossier introuvable");
}

TEST(InvoiceReading, DecimalsOfTheXml)
{
    const struct {
        const char *text;
        int decimals;
        std::optional<qint64> value;
    } cases[] = {
        {"104.90", 2, 10490}, {"27.6", 2, 2760}, {"-5", 2, -500}, {"7.425", 2, 743}, {"-7.425", 2, -743},
        {"5.50", 3, 5500},    {"20", 3, 20000},  {" 1.0823 ", 6, 1082300}, {"12,50", 2, std::nullopt},
        {"", 2, std::nullopt}, {".", 2, std::nullopt}, {"1e3", 2, std::nullopt}, {"1234567890123456", 2, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(einvoice::parseDecimal(QString::fromLatin1(c.text), c.decimals), c.value) << c.text;
}

TEST(InvoiceReading, TheInvoiceAsTheWindowShowsIt)
{
    Draft draft;
    draft.due = "2026-04-14";
    draft.prepaid = "20.00", draft.payable = "100.00";
    draft.lines = {{"Ramettes A4", "10.0000", "60.00"}, {"Stylos", "2.50", "40.00"}};
    const einvoice::FileReading reading = einvoice::readInvoiceBytes(bytesOf(ciiXml(draft)));
    ASSERT_TRUE(reading.invoice) << reading.error.toStdString();
    EXPECT_EQ(einvoice::invoiceText(*reading.invoice), "Facture n° F2026-001 du 15/03/2026\n"
                                                       "Échéance : 14/04/2026\n"
                                                       "Fournisseur : Papeterie Martin\n"
                                                       "SIREN : 123456782    TVA : FR11123456782\n"
                                                       "\n"
                                                       "10 × Ramettes A4 : 60,00 EUR\n"
                                                       "2,5 × Stylos : 40,00 EUR\n"
                                                       "\n"
                                                       "TVA S (20 %) sur 100,00 EUR : 20,00 EUR\n"
                                                       "\n"
                                                       "Total HT : 100,00 EUR\n"
                                                       "Total TVA : 20,00 EUR\n"
                                                       "Total TTC : 120,00 EUR\n"
                                                       "Déjà payé : 20,00 EUR\n"
                                                       "Net à payer : 100,00 EUR");
}
