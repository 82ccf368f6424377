#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>
#include <string>
#include <string_view>

// The text forms every part of the ledger shares: dates "dd/mm/yyyy", times
// "hh:mm:ss", amounts "0.00" with a decimal comma, running sums "#.00", month
// keys, month names, right alignment of amount cells and the tab-field
// splitter.

using Cents = qint64; // amounts are kept and added exactly, in cents

namespace forms {

QString formatDate(QDate date);
// The time of day "hh:mm:ss", hours from 00 to 23.
QString formatTime(QTime time);
// Reads a date the way the whole program writes it; also day and month of
// one digit. Leading and trailing blanks are ignored. Invalid QDate on failure.
QDate parseDate(QStringView text);
// "dd/mm/yyyy" -> "yyyymmdd", the form in which dates are compared as text.
// Works on the raw cell bytes; a short cell gives what its characters give.
std::string dateKey(std::string_view ddmmyyyy);
QString dateKey(QDate date);

// The month key: four-digit year then two-digit month ("200203").
std::string monthKey(int year, int month);

// French month name, or an empty string for a number outside 1..12.
QString monthName(int month);
// "Mars 2002".
QString monthCaption(const QString &name, int year);

// The largest amount the reader accepts, in cents: 15 integer digits.
constexpr Cents kMaxCents = 99'999'999'999'999'999;

// Reads an amount: optional blanks, optional sign, digits, optional decimal
// comma and digits, optional blanks. More than two decimals are rounded to the
// cent, halfway away from zero. No value for anything else (a ".", letters,
// an empty text, a number past kMaxCents once rounded).
std::optional<Cents> parseAmount(std::string_view text);
std::optional<Cents> parseAmount(QStringView text);
// What the user is told of an amount cell that a total cannot take.
QString notANumber(QStringView cell);
// "0.00": 1234,50 / 0,75 / -12,00.
QString formatAmount(Cents value);
// "#.00": as "0.00" but no digit before the comma below one (",50", "-,50").
QString formatRunningSum(Cents value);

// Right-aligns a text for an amount column of the given width in pixels by
// leading blanks: the shortest run of blanks that makes the text wider than
// the width minus 10, measured with the grid font's character widths. Readers
// trim them; an empty text stays empty.
QString Rset(const QString &text, int width = 96);

// Splits the next TAB-separated field off a line: the text before the first
// TAB; the line keeps what follows the TAB, at most 255 characters of it.
// Without a TAB the field is the whole line and the line becomes empty.
QString ChampSuivant(QString &line);

// Six-character account code: the text followed by "00000", cut to six.
QString completeAccount(const QString &code);

// A typed text as one stored line: every file keeps one cell or entry per
// line, so line breaks (and tabs and other control characters, which a paste
// brings along) become blanks.
QString singleLine(const QString &text);

} // namespace forms
