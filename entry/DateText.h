#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The date field of the entry line works on a text of ten positions,
// "dd/mm/yyyy", where what the user did not type reads as spaces.
namespace datetext {

// The text padded with spaces (or cut) to the field's ten positions.
QString fieldText(const QString &text);

// Fills what the user left out: an empty day gives today's date, an empty
// month the month shown, an empty year the year shown.
QString complete(const QString &text, QDate today, int month, int year);

// Whether day, month and year read as whole numbers (leading spaces allowed,
// trailing ones not) and form a day of the calendar. February has 29 days in
// every year divisible by 4: that is how the field has always checked dates.
bool VerifDate(const QString &text);

// The date of a text in the exact stored form "dd/mm/yyyy", or nothing.
std::optional<QDate> toDate(const QString &text);

} // namespace datetext
