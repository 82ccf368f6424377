#pragma once

#include "ledger/FileStamp.h"
#include "ledger/LineList.h"

#include <QString>
#include <memory>
#include <string>

// The ledger file as lines: code page 1252 bytes, one value per line.
namespace ledgerfile {

// No ledger comes near this many lines (two million entries). Every line costs
// a slot of the list whatever its length, so a file of blank lines would take
// many times its own size in memory: a file with more lines is refused.
constexpr std::size_t kMaxLines = 16'000'000;

// Lines of five characters or fewer carry no data: the loading drops them.
inline bool carriesNoData(std::string_view line)
{
    return line.size() <= 5;
}

// Cuts a file's text into lines: CR LF, a lone LF or a lone CR end a line; a
// NUL byte ends the text. A last line without its line end still counts.
LineList parse(std::unique_ptr<std::string> text);

// Reads a file whole and cuts it into lines; a French reason when the file
// cannot be read or holds more than `maxLines` lines (`out` is then untouched).
QString load(const QString &path, LineList &out, std::size_t maxLines = kMaxLines);

// Loads a ledger file as load() does, and refuses a file that is not empty
// but holds neither the header's "<HEAD>" line nor a line of the entry form
// (six digits of month key, a column digit): a picture or a letter given the
// ".jnl" extension, which the next save would write over. Gives back the
// message for the user, empty when the file was loaded (`out` is untouched
// otherwise).
QString openLedger(const QString &path, LineList &out, std::size_t maxLines = kMaxLines);
// The same, with the stamp of the bytes read.
QString openLedger(const QString &path, LineList &out, FileStamp &stamp);

// Reads a ledger file as text, refusing what openLedger() refuses, without
// cutting it into a list: for a reader that walks the lines once and must
// not take many times the file's size. `text` is emptied when refused.
QString readLedgerText(const QString &path, std::string &text, std::size_t maxLines = kMaxLines);

// Every line followed by CR LF, the last one included.
std::string serialize(const LineList &lines);

} // namespace ledgerfile
