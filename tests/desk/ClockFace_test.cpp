#include "support/FakePlatform.h"
#include "desk/ClockFace.h"

#include <gtest/gtest.h>

namespace {

using Part = ClockFace::Part;
using Arrow = ClockFace::Arrow;

// A clock opened on a date and a time, then stopped for setting.
ClockFace stoppedAt(QDate date, QTime time, FakeClockSetter &computer)
{
    ClockFace clock;
    clock.open(date, time);
    EXPECT_EQ(clock.set(computer), "");
    return clock;
}

void press(ClockFace &clock, Part part, Arrow arrow, int times)
{
    clock.select(part);
    for (int i = 0; i < times; ++i)
        clock.arrow(arrow);
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
}

} // namespace

TEST(ClockFace, ArrowsStepEachPartWithinItsBounds)
{
    const struct {
        Part part;
        int value;
        Arrow arrow;
        int stepped;
    } cases[] = {
        {Part::Hour, 10, Arrow::Up, 11},   {Part::Hour, 23, Arrow::Up, 24},   {Part::Hour, 24, Arrow::Up, 24},
        {Part::Hour, 1, Arrow::Down, 0},   {Part::Hour, 0, Arrow::Down, 0},   {Part::Minute, 58, Arrow::Up, 59},
        {Part::Minute, 59, Arrow::Up, 59},   {Part::Minute, 0, Arrow::Down, 0},   {Part::Day, 30, Arrow::Up, 31},
        {Part::Day, 31, Arrow::Up, 31},   {Part::Day, 1, Arrow::Down, 0},   {Part::Day, 0, Arrow::Down, 0},
        {Part::Month, 12, Arrow::Up, 12},   {Part::Month, 1, Arrow::Down, 0},   {Part::Month, 0, Arrow::Down, 0},
        {Part::Year, 2002, Arrow::Up, 2003}, {Part::Year, 2099, Arrow::Up, 2099}, {Part::Year, 1901, Arrow::Down, 1900},
        {Part::Year, 1900, Arrow::Down, 1900},
        // A year below 100 counts from 1900 first.
        {Part::Year, 99, Arrow::Up, 2000}, {Part::Year, 99, Arrow::Down, 1998}, {Part::Year, 2, Arrow::Up, 1903},
        {Part::Year, 0, Arrow::Down, 1900},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClockFace::stepped(c.part, c.value, c.arrow), c.stepped)
            << "part " << int(c.part) << " from " << c.value << (c.arrow == Arrow::Up ? " up" : " down");
}

TEST(ClockFace, ArrowsRewriteOnlyTheChosenPart)
{
    ClockFace clock;
    clock.open(QDate(2002, 3, 15), QTime(9, 5, 7));
    EXPECT_EQ(clock.timeText(), "09:05:07");
    EXPECT_EQ(clock.dateText(), "15/03/2002");
    EXPECT_FALSE(clock.selected());

    // No part chosen: the arrows do nothing.
    clock.arrow(Arrow::Up);
    clock.arrow(Arrow::Down);
    EXPECT_EQ(clock.timeText(), "09:05:07");
    EXPECT_EQ(clock.dateText(), "15/03/2002");

    press(clock, Part::Hour, Arrow::Up, 1);
    EXPECT_EQ(clock.timeText(), "10:05:07");
    press(clock, Part::Minute, Arrow::Down, 6);
    EXPECT_EQ(clock.timeText(), "10:00:07");
    press(clock, Part::Day, Arrow::Down, 15);
    EXPECT_EQ(clock.dateText(), "00/03/2002");
    press(clock, Part::Month, Arrow::Up, 20);
    EXPECT_EQ(clock.dateText(), "00/12/2002");
    press(clock, Part::Year, Arrow::Up, 200);
    EXPECT_EQ(clock.dateText(), "00/12/2099");
    press(clock, Part::Year, Arrow::Down, 300);
    EXPECT_EQ(clock.dateText(), "00/12/1900");
    EXPECT_EQ(clock.timeText(), "10:00:07");
}

TEST(ClockFace, TheSecondsFollowTheClockUntilSetStopsThem)
{
    FakeClockSetter computer;
    ClockFace clock;
    clock.open(QDate(2002, 3, 15), QTime(10, 30, 0));
    EXPECT_TRUE(clock.running());
    press(clock, Part::Hour, Arrow::Up, 2);
    EXPECT_EQ(clock.timeText(), "12:30:00");
    // While the clock runs, its next second undoes the change.
    clock.tick(QDate(2002, 3, 15), QTime(10, 30, 1));
    EXPECT_EQ(clock.timeText(), "10:30:01");

    EXPECT_EQ(clock.set(computer), "");
    EXPECT_FALSE(clock.running());
    press(clock, Part::Hour, Arrow::Up, 2);
    clock.tick(QDate(2002, 3, 15), QTime(10, 30, 2));
    EXPECT_EQ(clock.timeText(), "12:30:01");
    EXPECT_TRUE(computer.instants.empty());

    // Opening again lets the clock run, nothing applied.
    clock.open(QDate(2002, 3, 15), QTime(10, 31, 0));
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(clock.timeText(), "10:31:00");
    EXPECT_TRUE(computer.instants.empty());
}

TEST(ClockFace, SetAppliesTheShownTimeAsTheComputersLocalTime)
{
    const struct {
        const char *zone;
        QDate date;
        QTime time;
        QDateTime instant;
    } cases[] = {
        {"Europe/Paris", QDate(2002, 1, 15), QTime(12, 0, 0), utc(2002, 1, 15, 11, 0, 0)},   // winter, UTC+1
        {"Europe/Paris", QDate(2002, 7, 14), QTime(12, 0, 0), utc(2002, 7, 14, 10, 0, 0)},   // summer, UTC+2
        {"Europe/Paris", QDate(2002, 3, 15), QTime(0, 0, 30), utc(2002, 3, 14, 23, 0, 30)},
        {"America/New_York", QDate(2002, 1, 15), QTime(12, 0, 0), utc(2002, 1, 15, 17, 0, 0)},
        {"UTC", QDate(2002, 7, 14), QTime(12, 0, 0), utc(2002, 7, 14, 12, 0, 0)},
    };
    for (const auto &c : cases) {
        FakeClockSetter computer;
        computer.zone = QTimeZone(c.zone);
        ASSERT_TRUE(computer.zone.isValid()) << c.zone;
        ClockFace clock = stoppedAt(c.date, c.time, computer);
        EXPECT_EQ(clock.set(computer), "") << c.zone;
        ASSERT_EQ(computer.instants.size(), 1u) << c.zone;
        EXPECT_EQ(computer.instants[0], c.instant)
            << c.zone << " " << computer.instants[0].toString(Qt::ISODate).toStdString();
        EXPECT_TRUE(clock.running());
    }
}

TEST(ClockFace, AdjustedTimeIsApplied)
{
    FakeClockSetter computer;
    ClockFace clock = stoppedAt(QDate(2002, 3, 15), QTime(10, 30, 12), computer);
    press(clock, Part::Hour, Arrow::Up, 1);
    press(clock, Part::Minute, Arrow::Down, 5);
    press(clock, Part::Day, Arrow::Up, 2);
    press(clock, Part::Year, Arrow::Up, 1);
    EXPECT_EQ(clock.set(computer), "");
    ASSERT_EQ(computer.instants.size(), 1u);
    EXPECT_EQ(computer.instants[0], utc(2003, 3, 17, 10, 25, 12));
}

TEST(ClockFace, TwentyFourHoursIsTheMidnightEndingTheShownDay)
{
    FakeClockSetter computer;
    ClockFace clock = stoppedAt(QDate(2002, 3, 15), QTime(23, 0, 0), computer);
    press(clock, Part::Hour, Arrow::Up, 3);
    EXPECT_EQ(clock.timeText(), "24:00:00");
    EXPECT_EQ(clock.set(computer), "");
    ASSERT_EQ(computer.instants.size(), 1u);
    // 16/03/2002 00:00:00 in Paris, one hour ahead of universal time in March.
    EXPECT_EQ(computer.instants[0], utc(2002, 3, 15, 23, 0, 0));
}

TEST(ClockFace, ADateThatDoesNotExistIsRefusedAndLeftToCorrect)
{
    const struct {
        QDate shown;
        Part part;
        const char *message;
    } cases[] = {
        {QDate(2002, 3, 1), Part::Day, "La date 00/03/2002 n'existe pas : corrigez-la, puis cliquez sur Set."},
        {QDate(2002, 3, 31), Part::Month, "La date 31/02/2002 n'existe pas : corrigez-la, puis cliquez sur Set."},
        {QDate(2002, 1, 15), Part::Month, "La date 15/00/2002 n'existe pas : corrigez-la, puis cliquez sur Set."},
    };
    for (const auto &c : cases) {
        FakeClockSetter computer;
        ClockFace clock = stoppedAt(c.shown, QTime(10, 0, 0), computer);
        press(clock, c.part, Arrow::Down, 1);
        EXPECT_EQ(clock.set(computer), QString::fromUtf8(c.message));
        EXPECT_TRUE(computer.instants.empty());
        // Still stopped, for the user to correct the date and click again.
        EXPECT_FALSE(clock.running());
        press(clock, c.part, Arrow::Up, 1);
        EXPECT_EQ(clock.dateText(), c.shown.toString(QStringLiteral("dd/MM/yyyy")));
        EXPECT_EQ(clock.set(computer), "");
        EXPECT_EQ(computer.instants.size(), 1u);
    }
}

TEST(ClockFace, TheHourSkippedInSpringIsRefused)
{
    FakeClockSetter computer;
    ClockFace clock = stoppedAt(QDate(2002, 3, 31), QTime(1, 30, 0), computer);
    press(clock, Part::Hour, Arrow::Up, 1);
    EXPECT_EQ(clock.set(computer),
              QString::fromUtf8("L'heure 02:30:00 n'existe pas le 31/03/2002 (changement d'heure) : corrigez-la, "
                                "puis cliquez sur Set."));
    EXPECT_TRUE(computer.instants.empty());
    EXPECT_FALSE(clock.running());
}

TEST(ClockFace, ARefusalOfTheSystemIsSaid)
{
    FakeClockSetter computer;
    computer.refusals = {QStringLiteral("droits insuffisants")};
    ClockFace clock = stoppedAt(QDate(2002, 3, 15), QTime(10, 0, 0), computer);
    EXPECT_EQ(clock.set(computer),
              QString::fromUtf8("L'horloge de l'ordinateur n'a pas pu être réglée : droits insuffisants."));
    EXPECT_EQ(computer.instants.size(), 1u);
    // Nothing more to correct: the clock runs again.
    EXPECT_TRUE(clock.running());
}
