#include "calculators/LoanSchedule.h"

#include "ScheduleRows.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2002, 3, 15);

ScheduleFields fields(const char *amount, const char *rate, int duration, const char *payment = "")
{
    return {QString::fromUtf8(amount), QString::fromUtf8(rate), duration, QString::fromUtf8(payment)};
}

Calculation computed(const ScheduleFields &f, QDate date = today)
{
    const CalculationOutcome outcome = loan::calculate(f, date);
    EXPECT_TRUE(std::holds_alternative<Calculation>(outcome));
    return std::holds_alternative<Calculation>(outcome) ? std::get<Calculation>(outcome) : Calculation{};
}

QString refusal(const ScheduleFields &f)
{
    const CalculationOutcome outcome = loan::calculate(f, today);
    EXPECT_TRUE(std::holds_alternative<Refusal>(outcome));
    return std::holds_alternative<Refusal>(outcome) ? std::get<Refusal>(outcome).message : QString();
}

} // namespace

TEST(LoanSchedule, ConstantPaymentOfTwelveMonths)
{
    const Calculation c = computed(fields("10000", "6", 12));
    EXPECT_NEAR(c.payment, 860.66, 0.005);
    EXPECT_EQ(c.duration, 12);
    const QStringList rows = scheduleRows(c.schedule);
    ASSERT_EQ(rows.size(), 14);
    EXPECT_EQ(rows[0], "1|15/04/2002|810,66|50,00|9189,34");
    EXPECT_EQ(rows[10], "11|15/02/2003|852,12|8,54|856,38");
    EXPECT_EQ(rows[11], "12|15/03/2003|856,38|4,28|0,00"); // the last payment repays the rest
    EXPECT_EQ(rows[12], "||||");
    EXPECT_EQ(rows[13], "|Totaux|10000,00|327,97|10327,97");
}

TEST(LoanSchedule, GivenPaymentYieldsTheDuration)
{
    // 860,66 a month repays 10000 at 6 % in twelve months, whatever the duration field said.
    const Calculation c = computed(fields("10000", "6", 60, "860,66"));
    EXPECT_EQ(c.payment, 860.66);
    EXPECT_EQ(c.duration, 12);
    EXPECT_EQ(c.schedule.rows.size(), 12u);
}

TEST(LoanSchedule, PaymentBelowTheMinimumIsRefused)
{
    EXPECT_EQ(refusal(fields("1000", "12", 24, "11")), QString::fromUtf8("La mensualité doit être > 11,10"));
    // A negative duration makes the computed payment negative.
    EXPECT_EQ(refusal(fields("1000", "12", -5)), QString::fromUtf8("La mensualité doit être > 11,10"));
}

TEST(LoanSchedule, RefusalsAndFailures)
{
    EXPECT_EQ(refusal(fields("1000", "0,5", 24)), QString::fromUtf8("Taux d'intérêt insuffisant"));
    EXPECT_EQ(refusal(fields("1,,0", "6", 24)), QString::fromUtf8("Nombre invalide : 1,,0"));
    EXPECT_EQ(refusal(fields("1000", "6,5,", 24)), QString::fromUtf8("Nombre invalide : 6,5,"));
    EXPECT_EQ(refusal(fields("1000", "6", 24, ",")), QString::fromUtf8("Nombre invalide : ,"));
    EXPECT_EQ(refusal(fields("1000", "6", 0)), QString::fromUtf8("Division par zéro"));
    const std::string hugeRate = "1" + std::string(308, '0');
    EXPECT_EQ(refusal(fields("1000", hugeRate.c_str(), 24)), QString::fromUtf8("Dépassement de capacité"));
}

TEST(LoanSchedule, EmptyAmountOrRateDoesNothing)
{
    EXPECT_TRUE(std::holds_alternative<NotCalled>(loan::calculate(fields("", "6", 12), today)));
    EXPECT_TRUE(std::holds_alternative<NotCalled>(loan::calculate(fields("1000", "", 12), today)));
    // The amount is read before the rate is looked at.
    EXPECT_TRUE(std::holds_alternative<Refusal>(loan::calculate(fields("x", "", 12), today)));
}

TEST(LoanSchedule, StopsAfter292MonthsWithTheRestOwed)
{
    // 9,44 a month barely covers the interest of 10000 at 1 %.
    const Calculation c = computed(fields("10000", "1", 24, "9,44"));
    EXPECT_EQ(c.duration, 292);
    ASSERT_EQ(c.schedule.rows.size(), 292u);
    EXPECT_EQ(c.schedule.totalsRow(), 294);
    const QStringList rows = scheduleRows(c.schedule);
    EXPECT_EQ(rows[291], "292|15/07/2026|1,41|8,03|9634,32");
    EXPECT_EQ(rows[293], "|Totaux|365,68|2390,80|2756,48");
}

TEST(LoanSchedule, SmallRestEndsTheSchedule)
{
    // 100,50 at 1 % with 100 a month: 0,58 is left after the first payment.
    const Calculation c = computed(fields("100,5", "1", 24, "100"));
    EXPECT_EQ(c.duration, 1);
    EXPECT_EQ(scheduleRows(c.schedule), (QStringList{"1|15/04/2002|99,92|0,08|0,58", "||||", "|Totaux|99,92|0,08|100,00"}));
}

TEST(LoanSchedule, DueDatesKeepTodaysDayAndTurnTheYear)
{
    const Calculation c = computed(fields("1000", "12", 3), QDate(2002, 11, 30));
    ASSERT_EQ(c.schedule.rows.size(), 3u);
    EXPECT_EQ(c.schedule.rows[0].date, "30/12/2002");
    EXPECT_EQ(c.schedule.rows[1].date, "30/01/2003");
    EXPECT_EQ(c.schedule.rows[2].date, "30/02/2003");

    const Calculation onThe31st = computed(fields("1000", "12", 3), QDate(2002, 1, 31));
    EXPECT_EQ(onThe31st.schedule.rows[0].date, "31/02/2002");
    EXPECT_EQ(onThe31st.schedule.rows[1].date, "31/03/2002");
    EXPECT_EQ(onThe31st.schedule.rows[2].date, "31/04/2002");
}
