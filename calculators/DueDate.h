#pragma once

#include <QDate>
#include <QString>

// The date of each month of a schedule: today's day number in every month,
// even where the month is shorter (a schedule begun on the 31st shows
// "31/02/..."), since the row stands for the month, not for a calendar day.
class DueDate {
public:
    explicit DueDate(QDate today);

    // One month later; after December comes January of the next year.
    void advance();
    // "dd/mm/yyyy".
    QString text() const;

private:
    int day_;
    int month_;
    int year_;
};
