#include "FuzzFiles.h"
#include "StatementFiles.h"

#include "bank/Matching.h"
#include "bank/StatementFile.h"

// A bank statement file of any format read as the reconciliation reads it:
// nothing crashes, a statement read can be matched, and one read from CSV
// written back as a bank writes it reads back the same.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(QStringLiteral("releve"));
    writeBytes(path, std::string_view(reinterpret_cast<const char *>(data), size));
    bank::Statement statement;
    const bank::StatementReading reading = bank::readStatementFile(path, {}, statement);
    if (!reading.read)
        return 0;
    const bank::Matching matching = bank::match(statement, {});
    FUZZ_CHECK(matching.lines.size() == statement.lines.size());
    if (statement.format != bank::StatementFormat::Csv)
        return 0;
    writeBytes(path, statementfiles::csv(statement, false));
    bank::Statement again;
    FUZZ_CHECK(bank::readStatementFile(path, {}, again).read);
    FUZZ_CHECK(again.lines == statement.lines);
    return 0;
}
