#include "entry/EntryGuides.h"
#include "ledger/ReferenceData.h"

#include <gtest/gtest.h>

namespace {

const GuideValues kGuides = {"VE", "411000", "706000", "445710", "AC", "401000", "607000", "445660"};

} // namespace

TEST(GuidesForm, EachListOffersTheCodesOfItsKind)
{
    GuidesForm form;
    form.Init(kGuides,
              {QStringLiteral("401100 NN Fournisseur Martin"), QStringLiteral("411100 NN Client Dupont"),
               QStringLiteral("445710 NN TVA collectée"), QStringLiteral("706000 NN Prestations")},
              {QStringLiteral("AC N Achats"), QStringLiteral("VE N Ventes")});
    EXPECT_EQ(form.fields, kGuides);
    const std::array<QStringList, 8> expected = {
        QStringList{"VE"}, QStringList{"411100"}, QStringList{"706000"}, QStringList{"445710"},
        QStringList{"AC"}, QStringList{"401100"}, QStringList{},         QStringList{"445710"},
    };
    EXPECT_EQ(form.choices, expected);
}

TEST(GuidesForm, ListsKeepTheStoredOrderAndTheCaseOfTheCodes)
{
    GuidesForm form;
    form.Init({}, {QStringLiteral("445660 NN TVA déductible"), QStringLiteral("445710 NN TVA collectée"),
                   QStringLiteral("601000 NN Achats"), QStringLiteral("604000 NN Sous-traitance"),
                   QStringLiteral("4 NN Tiers"), QStringLiteral("70")},
              {QStringLiteral("V2 N Ventes export"), QStringLiteral("ve N ventes"), QStringLiteral("VE N Ventes"),
               QStringLiteral(""), QStringLiteral("A N Achats")});
    EXPECT_EQ(form.choices[0], (QStringList{"V2", "VE"})) << "a lower-case v is no sales journal";
    EXPECT_EQ(form.choices[4], QStringList{"A"});
    EXPECT_EQ(form.choices[3], (QStringList{"445660", "445710"}));
    EXPECT_EQ(form.choices[7], form.choices[3]);
    EXPECT_EQ(form.choices[6], (QStringList{"601000", "604000"}));
    EXPECT_EQ(form.choices[2], QStringList{"70"}) << "a line without a space is all code";
    EXPECT_TRUE(form.choices[1].isEmpty());
}

TEST(GuidesForm, ResultGivesTheFieldsAsTypedOnOneLineEach)
{
    GuidesForm form;
    form.Init(kGuides, {}, {});
    form.fields[1] = QStringLiteral("999");
    form.fields[6] = QStringLiteral("60\r\n7000");
    GuideValues values;
    form.Result(values);
    GuideValues expected = kGuides;
    expected[1] = QStringLiteral("999");
    expected[6] = QStringLiteral("60  7000");
    EXPECT_EQ(values, expected);
}

TEST(Guides, AreTheEightSettingsInTheirOrderAndEachSideProposesItsHalf)
{
    ReferenceData ref;
    guides::set(ref, kGuides);
    EXPECT_EQ(ref.JournalVente, "VE");
    EXPECT_EQ(ref.CompteTvaVente, "445710");
    EXPECT_EQ(ref.JournalAchat, "AC");
    EXPECT_EQ(ref.CompteTvaAchat, "445660");
    EXPECT_EQ(guides::of(ref), kGuides);

    const InvoiceProposals sales = guides::proposals(ref, InvoiceKind::Customer);
    EXPECT_EQ(sales.journal, "VE");
    EXPECT_EQ(sales.counterparty, "411000");
    EXPECT_EQ(sales.revenue, "706000");
    EXPECT_EQ(sales.vat, "445710");
    const InvoiceProposals purchases = guides::proposals(ref, InvoiceKind::Supplier);
    EXPECT_EQ(purchases.journal, "AC");
    EXPECT_EQ(purchases.counterparty, "401000");
    EXPECT_EQ(purchases.revenue, "607000");
    EXPECT_EQ(purchases.vat, "445660");
}
