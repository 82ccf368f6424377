#include "bank/OfxReader.h"

#include "bank/StatementText.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <libofx/libofx.h>

namespace bank::ofx {
namespace {

bool containsNoCase(std::string_view bytes, std::string_view word)
{
    const auto it = std::search(bytes.begin(), bytes.end(), word.begin(), word.end(),
                                [](char a, char b) { return std::toupper((unsigned char)a) == b; });
    return it != bytes.end();
}

// libofx gives dates as instants: a date without a time is 10:59 GMT of that
// day, one with a time but no zone is read in GMT, so the day in GMT is the
// day the file wrote.
QDate dayOf(time_t instant)
{
    return QDateTime::fromSecsSinceEpoch(qint64(instant), QTimeZone::utc()).date();
}

// A text field of libofx's structures, which it ends by a NUL when there is room.
template <std::size_t N>
QString textOf(const char (&field)[N])
{
    return decodeText(std::string_view(field, strnlen(field, N))).trimmed();
}

std::optional<Cents> cents(double amount)
{
    const double scaled = std::round(amount * 100.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) > double(forms::kMaxCents))
        return std::nullopt;
    return Cents(scaled);
}

// What the callbacks gather.
struct Reading {
    Statement statement;
    int statements = 0;
    bool unreadableLine = false;
};

int onTransaction(const OfxTransactionData data, void *context)
{
    auto &reading = *static_cast<Reading *>(context);
    const std::optional<Cents> amount = data.amount_valid ? cents(data.amount) : std::nullopt;
    if (!amount || !data.date_posted_valid) {
        reading.unreadableLine = true;
        return 0;
    }
    QString label = data.name_valid ? textOf(data.name) : QString();
    if (data.memo_valid) {
        const QString memo = textOf(data.memo);
        if (!memo.isEmpty() && memo != label)
            label = label.isEmpty() ? memo : label + u' ' + memo;
    }
    const QString reference = data.fi_id_valid ? textOf(data.fi_id) : QString();
    reading.statement.lines.push_back({dayOf(data.date_posted), *amount, label, reference});
    return 0;
}

int onStatement(const OfxStatementData data, void *context)
{
    auto &reading = *static_cast<Reading *>(context);
    ++reading.statements;
    Statement &statement = reading.statement;
    if (data.date_start_valid)
        statement.start = dayOf(data.date_start);
    if (data.date_end_valid)
        statement.end = dayOf(data.date_end);
    if (data.ledger_balance_valid)
        statement.closingBalance = cents(data.ledger_balance);
    return 0;
}

// libofx prints its progress on the standard error unless told not to.
void silenceLibofx()
{
    for (int *flag : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg, &ofx_DEBUG3_msg,
                      &ofx_DEBUG4_msg, &ofx_DEBUG5_msg, &ofx_STATUS_msg, &ofx_INFO_msg, &ofx_WARNING_msg,
                      &ofx_ERROR_msg})
        *flag = 0;
}

} // namespace

bool looksLike(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 4096);
    return containsNoCase(head, "OFXHEADER") || containsNoCase(head, "<OFX>");
}

QString read(const QString &path, std::string_view bytes, Statement &out)
{
    // libofx reads what it can of a cut file without a word: a statement
    // must end as it began.
    if (!containsNoCase(bytes, "</OFX>"))
        return QStringLiteral("le fichier OFX est incomplet");
    silenceLibofx();
    Reading reading;
    reading.statement.format = StatementFormat::Ofx;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &reading);
    ofx_set_statement_cb(context, onStatement, &reading);
    libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);
    if (reading.statements == 0)
        return QStringLiteral("le fichier OFX ne contient aucun relevé de compte");
    if (reading.statements > 1)
        return QStringLiteral("le fichier OFX contient les relevés de plusieurs comptes");
    if (reading.unreadableLine)
        return QStringLiteral("une opération du fichier OFX n'a pas de date ou de montant lisible");
    out = std::move(reading.statement);
    return {};
}

} // namespace bank::ofx
