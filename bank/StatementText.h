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
// that is not one, or that the ledger could not hold.
std::optional<Cents> parseStatementAmount(QStringView text);

// "JJ/MM/AAAA" (also with one-digit day or month, or a two-digit year, and
// "-" or "." between them). Invalid date otherwise.
QDate parseStatementDate(QStringView text);

// Why a file is refused when it is in none of the formats read.
QString notAStatement();

// Lower case, accents and surrounding blanks removed: "Débit euros" and
// "DEBIT EUROS" fold alike.
QString fold(const QString &text);

} // namespace bank
