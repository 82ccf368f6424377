#include "reports/ChartLabels.h"

#include <gtest/gtest.h>

namespace {

struct LabelCase {
    const char *account;
    const char *label;
};

class AccountLabelTest : public ::testing::TestWithParam<LabelCase> {};

const CodeList kLabelChart(CodeList::Kind::Chart, {QStringLiteral("411000 NN Clients"), QStringLiteral("512 O  Banque centrale "),
                                              QStringLiteral("6070001 OO Achats")});

} // namespace

TEST_P(AccountLabelTest, TheLabelStartsPastTheChartLinesOwnCodeAndFlags)
{
    EXPECT_EQ(reports::accountLabel(kLabelChart, QString::fromUtf8(GetParam().account)), QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(
    ChartLabels, AccountLabelTest,
    ::testing::Values(LabelCase{"411000", "Clients"},        // the account as the chart writes it
                      LabelCase{"4110", "Clients"},          // keyed shorter: no flag letters
                      LabelCase{"41", "Clients"},            // shorter still
                      LabelCase{"512", "Banque centrale"},   // a short code with a missing flag, trimmed
                      LabelCase{"607000", "Achats"},         // a longer chart code
                      LabelCase{"467000", ""},               // not in the chart
                      LabelCase{"", ""}));                   // no account at all

TEST(ChartLabels, AJournalNameStartsPastItsLinesOwnCodeAndFlag)
{
    const CodeList journals(CodeList::Kind::Journals, {QStringLiteral("VTE N Ventes"), QStringLiteral("BQ O Banque")});
    EXPECT_EQ(reports::journalName(journals, QStringLiteral("VT")), QStringLiteral("Ventes"));
    EXPECT_EQ(reports::journalName(journals, QStringLiteral("BQ")), QStringLiteral("Banque"));
}
