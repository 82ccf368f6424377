#pragma once

#include "ledger/CodeList.h"

#include <QString>

// Names looked up in the chart of accounts and journal lines for the views:
// the first line that begins with the code gives the text after the code and
// its flags.
namespace reports {

// The name of a journal: the first journal line whose first code.size()
// characters equal the code, from the third character after that line's own
// code on, trimmed. Empty when no line begins with the code, and for an empty code.
QString journalName(const CodeList &journals, const QString &code);

// The label of an account: the first chart line whose first account.size()
// characters equal the account, from the fourth character after that line's
// own code on, trimmed, as the chart reader takes it. Empty when no line begins with the account, and for an empty
// account, which names no account at all.
QString accountLabel(const CodeList &chart, const QString &account);

} // namespace reports
