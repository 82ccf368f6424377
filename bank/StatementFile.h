#pragma once

#include "bank/CsvReader.h"
#include "bank/Statement.h"

#include <QString>

// Reading a statement file whatever its format, found from its content: OFX,
// CFONB 120 or CSV.
namespace bank {

struct StatementReading {
    bool read = false;
    // For the user, in French, naming the file: why it could not be read.
    QString message;
    // A CSV file whose columns are not named by known titles, nor chosen
    // before for its layout: the user must choose them.
    bool columnsUnknown = false;
    csv::Layout layout;
};

StatementReading readStatementFile(const QString &path, const csv::ColumnChoices &choices, Statement &out);

// What the user is told of a CSV file whose columns are not known.
QString columnsUnknownMessage(const QString &path);

} // namespace bank
