#include "calculators/SavingsSchedule.h"

#include "ScheduleRows.h"

#include <gtest/gtest.h>

namespace {

const QDate savingsDay(2002, 11, 15);

ScheduleFields savingsFields(const char *deposit, const char *rate, int duration, const char *payment)
{
    return {QString::fromUtf8(deposit), QString::fromUtf8(rate), duration, QString::fromUtf8(payment)};
}

Calculation savingsComputed(const ScheduleFields &f)
{
    const CalculationOutcome outcome = savings::calculate(f, savingsDay);
    EXPECT_TRUE(std::holds_alternative<Calculation>(outcome));
    return std::holds_alternative<Calculation>(outcome) ? std::get<Calculation>(outcome) : Calculation{};
}

} // namespace

TEST(SavingsSchedule, CapitalGrowsMonthByMonth)
{
    const Calculation c = savingsComputed(savingsFields("1000", "12", 3, "100"));
    EXPECT_EQ(c.payment, 100);
    EXPECT_EQ(c.duration, 3);
    EXPECT_EQ(scheduleRows(c.schedule), (QStringList{
                                        "1|15/12/2002|1110,00|10,00|100,00",
                                        "2|15/01/2003|1221,10|11,10|100,00",
                                        "3|15/02/2003|1333,31|12,21|100,00",
                                        "||||",
                                        "|Totaux|1333,31|33,31|300,00",
                                    }));
}

TEST(SavingsSchedule, RateZeroAddsTheDepositsOnly)
{
    const Calculation c = savingsComputed(savingsFields("", "0", 2, "50,5"));
    EXPECT_EQ(scheduleRows(c.schedule), (QStringList{
                                        "1|15/12/2002|50,50|0,00|50,50",
                                        "2|15/01/2003|101,00|0,00|50,50",
                                        "||||",
                                        "|Totaux|101,00|0,00|101,00",
                                    }));
}

TEST(SavingsSchedule, NoMonthlyDepositNoTable)
{
    for (const char *deposit : {"", "0"}) {
        const Calculation c = savingsComputed(savingsFields("1000", "5", 12, deposit));
        EXPECT_EQ(c.payment, 0);
        EXPECT_TRUE(c.schedule.rows.empty());
        EXPECT_FALSE(c.schedule.totals);
        EXPECT_EQ(schedulegrid::lastRow(c.schedule), 0);
    }
}

TEST(SavingsSchedule, NegativeDurationWritesZeroTotalsOnRowTwo)
{
    const Calculation c = savingsComputed(savingsFields("1000", "5", -3, "10"));
    EXPECT_EQ(c.duration, -3);
    EXPECT_EQ(scheduleRows(c.schedule), (QStringList{"||||", "|Totaux|0,00|0,00|0,00"}));
}

TEST(SavingsSchedule, NothingHappensWithoutRateOrDuration)
{
    EXPECT_TRUE(std::holds_alternative<NotCalled>(savings::calculate(savingsFields("1000", "", 12, "10"), savingsDay)));
    EXPECT_TRUE(std::holds_alternative<NotCalled>(savings::calculate(savingsFields("1000", "5", 0, "10"), savingsDay)));
}

TEST(SavingsSchedule, RefusalsAndFailures)
{
    const struct {
        ScheduleFields f;
        const char *message;
    } cases[] = {
        {savingsFields("1.5", "5", 12, "10"), "Nombre invalide : 1.5"},
        {savingsFields("", "5,,", 12, "10"), "Nombre invalide : 5,,"},
        {savingsFields("", "5", 12, "1,2,"), "Nombre invalide : 1,2,"},
        {savingsFields("", "5", 1201, "10"), "La durée ne peut dépasser 1200 mois"},
        {savingsFields("", ("1" + std::string(300, '0')).c_str(), 1200, "10"), "Dépassement de capacité"},
    };
    for (const auto &c : cases) {
        const CalculationOutcome outcome = savings::calculate(c.f, savingsDay);
        ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << c.message;
        EXPECT_EQ(std::get<Refusal>(outcome).message, QString::fromUtf8(c.message));
    }
}

TEST(SavingsSchedule, LongDurationsGrowTheGrid)
{
    const Calculation c = savingsComputed(savingsFields("", "3", 1200, "100"));
    ASSERT_EQ(c.schedule.rows.size(), 1200u);
    TextGrid grid = schedulegrid::make({"Mois", "Date", "Capital", "Intérêt", "Mensualité"});
    schedulegrid::fill(grid, c.schedule);
    EXPECT_GE(grid.rowCount(), 1203);
    EXPECT_EQ(grid.at(1200, 0), "1200");
    EXPECT_EQ(grid.at(1200, 1), "15/11/2102");
    EXPECT_EQ(grid.at(1202, 1), "Totaux");
    EXPECT_EQ(grid.at(1202, 4), "120000,00");

    // A shorter table afterwards leaves no month of the longer one behind.
    schedulegrid::fill(grid, savingsComputed(savingsFields("1000", "12", 3, "100")).schedule);
    EXPECT_EQ(grid.at(5, 1), "Totaux");
    EXPECT_EQ(grid.at(6, 0), "");
    EXPECT_EQ(grid.at(1202, 1), "");
}
