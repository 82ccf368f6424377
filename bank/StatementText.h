#pragma once

#include "ledger/TextForms.h"

#include <QString>
#include <optional>
#include <string_view>

// The texts of the banks' files: their character sets, amounts and dates as
// French banks write them, and the folding under which titles and labels are
// compared.
namespace bank {

// UTF-8 with or without its byte-order mark, or else code page 1252: a file
// that is not valid UTF-8 was written in the Windows code page.
QString decodeText(std::string_view bytes);

// An amount with a decimal comma or point, thousands separated by a blank, a
// no-break space, a thin no-break space or a point, a sign before it, and a
// currency after it ("-1 234,56", "+12.5", "1.234,56 €"). Nothing for a text
// that is not one, that the ledger could not hold, or that has a digit other
// than 0 past the cents ("1.234" may be a thousand: it is not guessed).
std::optional<Cents> parseStatementAmount(QStringView text);

// "JJ/MM/AAAA" (also with one-digit day or month, or a two-digit year, and
// "-" or "." between them). Invalid date otherwise.
QDate parseStatementDate(QStringView text);

// An OFX date: "AAAAMMJJ", then optionally the time "HHMM" or "HHMMSS" with
// ".XXX" milliseconds, then optionally the zone "[+1:CET]". The day is the
// one written, whatever the zone says: a bank's day does not move with it.
// Invalid date for anything else ("2024", "20240230", "0x10").
QDate parseOfxDate(QStringView text);

// Why a file is refused when it is in none of the formats read.
QString notAStatement();

// Lower case, accents and surrounding blanks removed: "Débit euros" and
// "DEBIT EUROS" fold alike.
QString fold(const QString &text);

} // namespace bank
