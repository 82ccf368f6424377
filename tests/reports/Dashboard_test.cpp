#include "LedgerText.h"

#include "reports/Dashboard.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

// A fiscal year of six months over two calendar years.
const FiscalYear kYear{QDate(2002, 10, 1), QDate(2003, 3, 31), QDate(2002, 10, 1)};

EntryCells debit(const std::string &date, const std::string &account, const std::string &amount,
                 const std::string &journal = "OD")
{
    return {date, account, "", journal, "", amount, "", ""};
}

EntryCells credit(const std::string &date, const std::string &account, const std::string &amount,
                  const std::string &journal = "OD")
{
    return {date, account, "", journal, "", "", amount, ""};
}

// November has no entry; the bank goes below zero in December; a purchase is
// refunded and a sale reduced; two customers and two suppliers owe or are
// owed in turn.
const std::string kSmallYear =
    entriesText("200210", {debit("01/10/2002", "512000", "1000,00", "AN"), debit("01/10/2002", "411100", "300,00", "AN"),
                           credit("01/10/2002", "401100", "200,00", "AN"), credit("01/10/2002", "706000", "50,00", "AN"),
                           credit("15/10/2002", "707000", "500,00", "VE"), debit("15/10/2002", "411100", "500,00", "VE"),
                           debit("15/10/2002", "530000", "100,00"), debit("20/10/2002", "709000", "20,00", "VE"),
                           debit("25/10/2002", "607000", "400,00", "AC"), credit("31/10/2002", "607000", "30,00", "AC"),
                           credit("31/10/2002", "401300", "400,00", "AC"), debit("31/10/2002", "401200", "80,00", "AC")})
    // Stored under another month's key: no entry of the year.
    + entriesText("200211", {credit("10/12/2002", "707000", "777,00", "VE")})
    + entriesText("200212", {credit("20/12/2002", "512000", "1500,00", "BQ"), debit("20/12/2002", "626000", "60,00"),
                             debit("28/12/2002", "641000", "1000,00"), debit("28/12/2002", "635000", "40,00"),
                             debit("31/12/2002", "661000", "5,00"), credit("31/12/2002", "758000", "10,00"),
                             credit("31/12/2002", "411200", "50,00"), debit("31/12/2002", "411300", "120,00")})
    + entriesText("200301", {credit("10/01/2003", "411100", "300,00", "BQ"), debit("10/01/2003", "512000", "300,00", "BQ")})
    // After the year's end.
    + entriesText("200304", {debit("15/04/2003", "512000", "999,00", "BQ")});

Dashboard smallYear(QDate today = QDate(2002, 12, 15))
{
    return dashboardOf(linesOf(kHeader2002 + kSmallYear), kYear, today);
}

} // namespace

TEST(DashboardTest, TheMonthsOfTheYear)
{
    const QStringList expected = {
        "2002-10 480,00 370,00 110,00 1100,00",  "2002-11 0,00 0,00 0,00 1100,00",
        "2002-12 0,00 1105,00 -1095,00 -400,00", "2003-01 0,00 0,00 0,00 -100,00",
        "2003-02 0,00 0,00 0,00 -100,00",        "2003-03 0,00 0,00 0,00 -100,00",
    };
    QStringList months;
    const Dashboard dashboard = smallYear();
    for (const DashboardMonth &m : dashboard.months)
        months.append(QStringLiteral("%1-%2 %3 %4 %5 %6")
                          .arg(m.year)
                          .arg(m.month, 2, 10, QLatin1Char('0'))
                          .arg(m.sales.text(), m.charges.text(), m.result.text(), m.treasury.text()));
    EXPECT_EQ(months, expected);
}

TEST(DashboardTest, ChargesByGroupAndWhatThirdPartiesOwe)
{
    const Dashboard dashboard = smallYear();
    QStringList groups;
    for (const AmountTotal &group : dashboard.chargeGroups)
        groups.append(group.text());
    EXPECT_EQ(groups, QStringList({"370,00", "60,00", "40,00", "1000,00", "5,00"}));
    EXPECT_EQ(dashboard.openingTreasury.text(), "1000,00");
    EXPECT_EQ(dashboard.receivable.text(), "620,00"); // 500 + 120; a customer in credit counts for nothing
    EXPECT_EQ(dashboard.payable.text(), "600,00");    // 200 + 400; a supplier in debit counts for nothing
    EXPECT_EQ(dashboard.message, QString());
}

TEST(DashboardTest, AnAmountThatIsNoNumberIsTold)
{
    const Dashboard dashboard = dashboardOf(
        linesOf(kHeader2002 + entriesText("200210", {debit("02/10/2002", "512000", "12,5x")})), kYear, kYear.start);
    EXPECT_EQ(dashboard.months.front().treasury.text(), "0,00");
    EXPECT_EQ(dashboard.message,
              "'12,5x' n'est pas une valeur numérique correcte (écriture du 02/10/2002, compte 512000) : ce montant est "
              "compté pour zéro.");
}

struct TreasuryDayCase {
    QDate today;
    QDate shown;
    QString balance;
};

class TreasuryDayTest : public ::testing::TestWithParam<TreasuryDayCase> {};

TEST_P(TreasuryDayTest, TodaysBalanceCountsTheEntriesUpToThatDayWithinTheYear)
{
    const Dashboard dashboard = smallYear(GetParam().today);
    EXPECT_EQ(dashboard.treasuryDay, GetParam().shown);
    EXPECT_EQ(dashboard.treasuryToday.text(), GetParam().balance);
}

INSTANTIATE_TEST_SUITE_P(
    Days, TreasuryDayTest,
    ::testing::Values(TreasuryDayCase{QDate(2002, 12, 15), QDate(2002, 12, 15), "1100,00"},
                      TreasuryDayCase{QDate(2002, 12, 20), QDate(2002, 12, 20), "-400,00"},
                      TreasuryDayCase{QDate(2002, 10, 1), QDate(2002, 10, 1), "1000,00"},
                      TreasuryDayCase{QDate(2002, 1, 1), QDate(2002, 10, 1), "1000,00"},
                      TreasuryDayCase{QDate(2004, 1, 1), QDate(2003, 3, 31), "-100,00"}));

struct ChargeGroupCase {
    std::string account;
    std::optional<ChargeGroup> group;
};

class ChargeGroupTest : public ::testing::TestWithParam<ChargeGroupCase> {};

TEST_P(ChargeGroupTest, AnAccountGoesToTheGroupOfItsPrefix)
{
    EXPECT_EQ(chargeGroupOf(GetParam().account), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, ChargeGroupTest,
    ::testing::Values(ChargeGroupCase{"607000", ChargeGroup::Purchases},
                      ChargeGroupCase{"613200", ChargeGroup::ExternalServices},
                      ChargeGroupCase{"626000", ChargeGroup::ExternalServices},
                      ChargeGroupCase{"635110", ChargeGroup::Taxes}, ChargeGroupCase{"645100", ChargeGroup::Staff},
                      ChargeGroupCase{"651000", ChargeGroup::Others}, ChargeGroupCase{"681100", ChargeGroup::Others},
                      ChargeGroupCase{"695000", ChargeGroup::Others}, ChargeGroupCase{"6", ChargeGroup::Others},
                      ChargeGroupCase{"707000", std::nullopt}, ChargeGroupCase{"", std::nullopt}));

TEST(DashboardAmountTest, FrenchFormWithThousandsApart)
{
    const std::pair<Cents, QString> cases[] = {
        {0, "0,00"},
        {5, "0,05"},
        {99999, "999,99"},
        {123456, QStringLiteral("1\u202F234,56")},
        {-123456789, QStringLiteral("-1\u202F234\u202F567,89")},
    };
    for (const auto &[cents, text] : cases)
        EXPECT_EQ(dashboardAmount(AmountTotal(cents)), text) << cents;
    AmountTotal tooLarge(forms::kMaxCents);
    tooLarge.add(1);
    EXPECT_EQ(dashboardAmount(tooLarge), QString());
}
