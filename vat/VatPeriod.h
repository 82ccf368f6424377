#pragma once

#include "ledger/Header.h"

#include <QDate>
#include <QString>
#include <vector>

// The period a VAT return covers: a month, a calendar quarter or any two
// dates, both included.
namespace vat {

struct Period {
    QDate from;
    QDate to;
    QString caption; // "Mars 2002", "1er trimestre 2002", "du 01/03/2002 au 15/03/2002"
    bool operator==(const Period &) const = default;
};

Period monthPeriod(int year, int month);
// The quarter 1 to 4 of a calendar year.
Period quarterPeriod(int year, int quarter);
Period datesPeriod(QDate from, QDate to);

// Why two dates make no period, in French; empty when they make one.
QString datesRefusal(QDate from, QDate to);

// The months of the fiscal year, first to last, and the calendar quarters
// that hold any of its days.
std::vector<Period> yearMonths(const FiscalYear &year);
std::vector<Period> yearQuarters(const FiscalYear &year);

// The month a return is filed for by default: the last month ended before
// today, kept inside the fiscal year (its first month before the year has
// a month ended, its last one after the year). An index of `months`.
std::size_t lastCompleteMonth(const std::vector<Period> &months, QDate today);
// The quarter of `quarters` that holds the month's first day.
std::size_t quarterOf(const std::vector<Period> &quarters, const Period &month);

} // namespace vat
