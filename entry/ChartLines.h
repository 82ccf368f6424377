#pragma once

#include <QString>
#include <QStringList>

// What the entry line reads from and changes in the chart of accounts and the
// journals list. A chart line is the code, a space, the used flag, the
// pointable flag (possibly missing), a space and the label; a journal line is
// the code, a space, the used flag, a space and the name.
namespace chartlines {

constexpr qsizetype npos = -1;

// The first chart line whose first six characters are the code.
qsizetype findAccount(const QStringList &chart, const QString &code);
// The first line whose code (the text before its first space) is `code`.
qsizetype findByCode(const QStringList &lines, const QString &code);
// The first chart line that begins with the text; none for an empty text.
qsizetype findStartingWith(const QStringList &chart, const QString &text);

// Whether the line's used flag is "O".
bool isUsed(const QString &line);
// The line with its used flag set to "O", everything else kept.
QString markUsed(const QString &line);
// Marks the chart line of the account used; true when the chart changed.
bool markAccountUsed(QStringList &chart, const QString &code);
// Marks the journal's line used, when the journals hold it.
void markJournalUsed(QStringList &journals, const QString &code);
// Whether the account's entries may be checked off: the second character of
// what follows the code, blanks trimmed, is "O".
bool isPointable(const QString &line);
// The account's label: what follows the code, its space and the two flag
// characters, trimmed.
QString accountLabel(const QString &line);
// The journal's name: what follows the code, its space and the used flag, trimmed.
QString journalName(const QString &line);

} // namespace chartlines
