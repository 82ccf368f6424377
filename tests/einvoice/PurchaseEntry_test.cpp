#include "EInvoiceFiles.h"
#include "LineLists.h"
#include "TempDir.h"

#include "einvoice/InvoiceChecks.h"
#include "einvoice/InvoiceFile.h"
#include "einvoice/PurchaseEntry.h"
#include "einvoice/VoucherFiles.h"
#include "ledger/ReferenceData.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace einvoicefiles;

namespace {

einvoice::Invoice invoiceOf(const std::string &xml)
{
    const einvoice::FileReading reading = einvoice::readInvoiceBytes(QByteArray(xml.data(), qsizetype(xml.size())));
    EXPECT_TRUE(reading.invoice) << reading.error.toStdString();
    return reading.invoice.value_or(einvoice::Invoice());
}

// "607000 D 100,00", "401000 C 120,00".
QStringList linesOf(const ProposedEntry &entry)
{
    QStringList out;
    for (const ProposedLine &line : entry.lines)
        out << line.account + (line.debit ? QStringLiteral(" D ") + forms::formatAmount(line.debit)
                                          : QStringLiteral(" C ") + forms::formatAmount(line.credit));
    return out;
}

const einvoice::Accounts kGuides{"HA", "401000", {{"607000", 100}}};

struct Case {
    const char *name;
    Draft draft;
    std::optional<qint64> exchangeRate;
    QStringList lines;
};

Draft with(std::function<void(Draft &)> change)
{
    Draft draft;
    change(draft);
    return draft;
}

const Case kCases[] = {
    {"one rate", Draft(), {}, {"607000 D 100,00", "445660 D 20,00", "401000 C 120,00"}},
    {"several rates",
     with([](Draft &s) {
         s.groups = {{"S", "20.00", "100.00", "20.00"}, {"S", "5.50", "50.00", "2.75"}};
         s.net = "150.00", s.vatTotal = "22.75", s.grand = s.payable = "172.75";
     }),
     {},
     {"607000 D 150,00", "445660 D 22,75", "401000 C 172,75"}},
    {"exempt",
     with([](Draft &s) {
         s.groups = {{"E", "0", "80.00", "0.00"}};
         s.net = s.grand = s.payable = "80.00", s.vatTotal = "0.00";
     }),
     {},
     {"607000 D 80,00", "401000 C 80,00"}},
    {"reverse charge",
     with([](Draft &s) {
         s.vat = "DE123456789";
         s.groups = {{"AE", "0", "200.00", "0.00"}};
         s.net = s.grand = s.payable = "200.00", s.vatTotal = "0.00";
     }),
     {},
     {"607000 D 200,00", "445660 D 40,00", "445200 C 40,00", "401000 C 200,00"}},
    {"credit note", with([](Draft &s) { s.type = "381"; }), {}, {"607000 C 100,00", "445660 C 20,00", "401000 D 120,00"}},
    {"prepaid amount", with([](Draft &s) { s.prepaid = "50.00", s.payable = "70.00"; }), {},
     {"607000 D 100,00", "445660 D 20,00", "401000 C 120,00"}},
    {"foreign seller charging its VAT",
     with([](Draft &s) {
         s.vat = "DE123456789";
         s.groups = {{"S", "19.00", "100.00", "19.00"}};
         s.vatTotal = "19.00", s.grand = s.payable = "119.00";
     }),
     {},
     {"607000 D 119,00", "401000 C 119,00"}},
    {"foreign currency", with([](Draft &s) { s.currency = "USD"; }), 912345,
     {"607000 D 91,23", "445660 D 18,25", "401000 C 109,48"}},
};

} // namespace

class PurchaseEntryCase : public ::testing::TestWithParam<std::tuple<Case, bool>> {};

TEST_P(PurchaseEntryCase, EachInvoiceProposesItsBalancedEntry)
{
    const auto &[c, ubl] = GetParam();
    const einvoice::Invoice invoice = invoiceOf(ubl ? ublXml(c.draft) : ciiXml(c.draft));
    einvoice::BookingSettings settings;
    settings.exchangeRate = c.exchangeRate;
    const einvoice::Proposal proposal = einvoice::proposeEntry(invoice, kGuides, settings, LineList());
    EXPECT_EQ(proposal.refusal, "");
    EXPECT_EQ(linesOf(proposal.entry), c.lines);
    EXPECT_EQ(proposal.entry.date, QDate(2026, 3, 15));
    EXPECT_EQ(proposal.entry.journal, "HA");
    EXPECT_EQ(proposal.entry.voucher, "F2026-001");
    EXPECT_EQ(proposal.entry.label, "Papeterie Martin");
}

INSTANTIATE_TEST_SUITE_P(BothSyntaxes, PurchaseEntryCase, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto &info) {
                             std::string name = std::string(std::get<0>(info.param).name) +
                                                (std::get<1>(info.param) ? "_ubl" : "_cii");
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(PurchaseEntry, RefusedBeforeAnyEntryWithTheRuleBroken)
{
    const struct {
        const char *guards;
        Draft draft;
        QString refusal;
    } cases[] = {
        {"grand total", with([](Draft &s) { s.grand = "121.00"; }),
         "le total TTC 121,00 n'est pas le total HT 100,00 plus la TVA 20,00 (règle : TTC = HT + TVA)"},
        {"net total", with([](Draft &s) { s.net = "90.00", s.grand = "110.00"; }),
         "le total HT 90,00 n'est pas la somme des bases de TVA 100,00 (règle : HT = somme des bases)"},
        {"a group's tax", with([](Draft &s) { s.groups[0].tax = s.vatTotal = "20.02", s.grand = "120.02"; }),
         "la TVA à 20 % sur 100,00 est 20,02 au lieu de 20,00 (règle : TVA = base × taux, au centime près)"},
        {"VAT total", with([](Draft &s) { s.vatTotal = "21.00", s.grand = "121.00"; }),
         "le total de la TVA 21,00 n'est pas la somme de la TVA par taux 20,00 (règle : TVA = somme des taux)"},
        {"category", with([](Draft &s) { s.groups[0].category = "X"; }),
         "la catégorie de TVA « X » est inconnue (règle : S, Z, E, AE, K, G, O, L ou M)"},
        {"no breakdown", with([](Draft &s) { s.groups.clear(), s.vatTotal = "0.00", s.grand = "100.00"; }),
         "la facture ne ventile pas sa TVA par taux (règle : une ventilation au moins)"},
        {"currency without a rate", with([](Draft &s) { s.currency = "CHF"; }),
         "facture en CHF : donnez le cours de conversion en euros"},
    };
    for (const auto &c : cases) {
        const einvoice::Proposal proposal =
            einvoice::proposeEntry(invoiceOf(ciiXml(c.draft)), kGuides, einvoice::BookingSettings(), LineList());
        EXPECT_EQ(proposal.refusal, c.refusal) << c.guards;
    }
    // A group's tax rounded to the nearest cent passes, as on the public sample (135,00 at 5,5 % = 7,43).
    EXPECT_EQ(einvoice::taxAt(13500, 5500), 743);
}

TEST(PurchaseEntry, AnInvoiceAlreadyInTheLinesIsADuplicate)
{
    const LineList lines = lineListOf({"202603015/03/2026", "2026031401000", "2026032Papeterie Martin", "2026033HA",
                                       "2026034F2026-001", "2026036120.00"});
    const einvoice::Invoice invoice = invoiceOf(ublXml(Draft()));
    EXPECT_EQ(einvoice::proposeEntry(invoice, kGuides, {}, lines).refusal,
              "facture déjà comptabilisée (Papeterie Martin, numéro F2026-001)");
    einvoice::Accounts otherSupplier = kGuides;
    otherSupplier.supplier = "401PAP";
    EXPECT_EQ(einvoice::proposeEntry(invoice, otherSupplier, {}, lines).refusal, "");
}

TEST(PurchaseEntry, ANumberLongerThanTheVoucherCellStaysWholeInTheLabel)
{
    const std::string number(300, '7');
    const einvoice::Proposal proposal =
        einvoice::proposeEntry(invoiceOf(ciiXml(with([&](Draft &s) { s.number = number; }))), kGuides, {}, LineList());
    EXPECT_EQ(proposal.entry.voucher, QString(254, u'7'));
    EXPECT_EQ(proposal.entry.label, "Papeterie Martin " + QString::fromStdString(number));
}

TEST(SupplierRules, LearnedSavedAndAppliedWithTheNetSplit)
{
    CurrentTempDir dir;
    const einvoice::Invoice invoice = invoiceOf(ciiXml(Draft()));
    einvoice::SupplierRules learned;
    learned.learn(invoice.seller, "401PAP", {{"606400", 70}, {"218300", 30}});
    ASSERT_EQ(learned.save(QDir(dir.path())), "");
    EXPECT_EQ(readBytes(dir.file("Tavelin.fou")),
              "# Comptes des fournisseurs : clé, compte fournisseur, comptes de charge (compte=part en %)\n"
              "siren:123456782\t401PAP\t606400=70\t218300=30\n");

    einvoice::SupplierRules rules;
    ASSERT_EQ(rules.load(QDir(dir.path())), "");
    ReferenceData ref;
    ref.JournalAchat = "HA";
    ref.CompteFour = "401000";
    ref.CompteAchat = "607000";
    const einvoice::Accounts accounts = einvoice::accountsFor(invoice.seller, rules, ref);
    EXPECT_EQ(accounts.supplier, "401PAP");
    EXPECT_EQ(linesOf(einvoice::proposeEntry(invoice, accounts, {}, LineList()).entry),
              (QStringList{"606400 D 70,00", "218300 D 30,00", "445660 D 14,00", "445620 D 6,00", "401PAP C 120,00"}));

    einvoice::Seller unknown{"Autre", "", ""};
    EXPECT_EQ(einvoice::accountsFor(unknown, rules, ref).supplier, "401000");
    // Learned again under another key of the same supplier: one rule remains.
    einvoice::Seller byName{invoice.seller.name, "", ""};
    rules.learn(invoice.seller, "401MAR", {{"606100", 100}});
    EXPECT_EQ(rules.rules().size(), 1u);
    EXPECT_EQ(einvoice::accountsFor(byName, rules, ref).supplier, "401000");

    writeBytes(dir.file("Tavelin.fou"), "siren:1\t401PAP\t606400=70\t218300=20\n");
    EXPECT_EQ(rules.load(QDir(dir.path())),
              "La ligne 1 de " + dir.file("Tavelin.fou") + " n'est pas une règle de fournisseur : les règles ne sont pas appliquées.");
}

TEST(VoucherFiles, KeptBesideTheDossierByMonthNeverThroughALink)
{
    CurrentTempDir dir;
    writeBytes(dir.file("facture.xml"), "<Invoice/>");
    const QString dossier = dir.file("compta.jnl");
    const einvoice::KeptVoucher first = einvoice::keepVoucherFile(dir.file("facture.xml"), dossier, QDate(2026, 3, 15));
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.path, dir.file("compta.pieces/2026-03/facture.xml"));
    EXPECT_EQ(readBytes(first.path), "<Invoice/>");
    EXPECT_EQ(einvoice::keepVoucherFile(dir.file("facture.xml"), dossier, QDate(2026, 3, 1)).path,
              dir.file("compta.pieces/2026-03/facture-2.xml"));

    QDir(dir.path()).mkdir("ailleurs");
    ASSERT_EQ(::symlink(qPrintable(dir.file("ailleurs")), qPrintable(dir.file("autre.pieces"))), 0);
    const einvoice::KeptVoucher linked = einvoice::keepVoucherFile(dir.file("facture.xml"), dir.file("autre.jnl"), QDate(2026, 3, 1));
    EXPECT_EQ(linked.error, dir.file("autre.pieces") + " est un lien symbolique : la pièce n'y est pas copiée");
    EXPECT_TRUE(QDir(dir.file("ailleurs")).isEmpty());
}
