#include "yearend/Verification.h"

#include "ledger/Codec1252.h"
#include "ledger/Header.h"
#include "ledger/LedgerFile.h"
#include "ledger/LetteringCell.h"
#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"
#include "ledger/TextLines.h"
#include "ledger/YearEntries.h"

#include <QDate>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace yearend {
namespace {

using monthlines::Column;

constexpr std::size_t kNoLine = std::size_t(-1);

// yyyymm of a line's first six characters, 0 when they are not a month.
int monthOf(std::string_view line)
{
    const std::optional<forms::YearMonth> month = forms::parseMonthKey(line.substr(0, monthlines::kKeyLength));
    return month ? month->year * 100 + month->month : 0;
}

bool isBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

QString shown(std::string_view bytes)
{
    constexpr std::size_t kShown = 60;
    QString text = cp1252::decode(bytes.substr(0, kShown));
    if (bytes.size() > kShown)
        text += QStringLiteral("…");
    return QStringLiteral("« %1 »").arg(text);
}

// The findings in the order of the file (those of the file as a whole,
// line 0, first; two of one line in the order they were made), each handed
// on once no finding can come before it any more. Past the sink's limit they
// are only counted, so that a file made of faults keeps no more than the
// limit of them in memory.
class FindingQueue {
public:
    explicit FindingQueue(const FindingSink &sink) : sink_(sink) {}

    void add(Finding finding)
    {
        ++count_;
        Pending pending{finding.fileLine, count_, std::move(finding)};
        if (handedOn_ + waiting_.size() >= sink_.limit) {
            if (waiting_.empty() || !(pending < *waiting_.rbegin()))
                return;
            waiting_.erase(std::prev(waiting_.end()));
        }
        waiting_.insert(std::move(pending));
    }

    // No finding to come stands before line `fileLine`.
    void release(std::size_t fileLine)
    {
        while (!waiting_.empty() && waiting_.begin()->fileLine <= fileLine) {
            auto node = waiting_.extract(waiting_.begin());
            ++handedOn_;
            sink_.take(node.value().finding);
        }
    }

    int count() const { return int(count_); }

private:
    struct Pending {
        std::size_t fileLine;
        std::size_t order;
        Finding finding;
        bool operator<(const Pending &other) const
        {
            return fileLine != other.fileLine ? fileLine < other.fileLine : order < other.order;
        }
    };

    const FindingSink &sink_;
    std::set<Pending> waiting_;
    std::size_t count_ = 0;
    std::size_t handedOn_ = 0;
};

// A month as the month grid reads it, and its totals.
struct MonthState {
    monthlines::EntryReader reader{monthlines::Orphans::FirstRow};
    int rowsRead = 0;                 // rows handed over by the reader
    std::size_t rowStart = kNoLine;   // first line of the row open
    std::size_t lastLine = kNoLine;   // the month's last line in the file
    AmountTotal debit;
    AmountTotal credit;
};

class Checker {
public:
    // Without a sink, the findings are the result's.
    Checker(const ReferenceData &ref, const FindingSink &sink)
        : accounts_(ref.ListePlc), journals_(ref.ListeJnx),
          sink_(sink.take ? sink : FindingSink{[this](const Finding &f) { result_.findings.push_back(f); }}),
          queue_(sink_)
    {
    }

    void checkHeader(const header::Scan &scan)
    {
        if (scan.open() == LineList::npos) {
            fileFinding(QStringLiteral("le dossier n'a pas d'en-tête <HEAD> : les dates de l'exercice sont "
                                       "inconnues et ne sont pas vérifiées."));
            return;
        }
        const std::size_t open = scan.open();
        headFirst_ = headLast_ = open;
        if (scan.close() == LineList::npos) {
            add(0, 0, open + 1, QStringLiteral("l'en-tête <HEAD> n'est pas fermé par </HEAD> : les dates de "
                                               "l'exercice ne sont pas lues."));
            return;
        }
        headLast_ = scan.close();
        if (scan.close() - open <= 2) {
            add(0, 0, open + 1, QStringLiteral("l'en-tête ne contient pas les dates de début et de fin de "
                                               "l'exercice : elles ne sont pas lues."));
            return;
        }
        FiscalYear year; // invalid dates: what the header does not give stays invalid
        scan.readYear(year);
        result_.validations = year.validations;
        result_.year = year;
        if (!year.start.isValid()) {
            add(0, 0, open + 2, QStringLiteral("la date de début de l'exercice %1 est illisible.")
                                    .arg(shown(scan.after(1))));
            return;
        }
        if (!year.end.isValid()) {
            add(0, 0, open + 3, QStringLiteral("la date de fin de l'exercice %1 est illisible.")
                                    .arg(shown(scan.after(2))));
            return;
        }
        if (year.end < year.start) {
            add(0, 0, open + 3, QStringLiteral("l'exercice finit le %1, avant de commencer le %2.")
                                    .arg(forms::formatDate(year.end), forms::formatDate(year.start)));
            return;
        }
        year_ = year;
        strayYear_ = year;
    }

    void checkCharts()
    {
        if (accounts_.isEmpty())
            fileFinding(QStringLiteral("le plan comptable (Tavelin.plc du répertoire courant) est vide ou absent : "
                                       "les comptes ne sont pas vérifiés."));
    }

    // The pass before the check: where each month ends, so that its last row
    // is checked there rather than at the end of the file.
    void noteMonthLine(std::size_t index, std::string_view line)
    {
        if (inHeader(index) || ledgerfile::carriesNoData(line))
            return;
        if (const int month = monthOf(line); month != 0)
            stateOf(month).lastLine = index;
    }

    void checkLine(std::size_t index, std::string_view line)
    {
        if (inHeader(index))
            return;
        const std::size_t fileLine = index + 1;
        orphan_ = false;
        if (ledgerfile::carriesNoData(line)) {
            add(0, 0, fileLine, QStringLiteral("ligne vide ou trop courte %1 : l'application la supprime "
                                               "à l'ouverture du dossier.").arg(shown(line)));
        } else if (const int month = monthOf(line); month == 0) {
            if (monthlines::isDigitKey(line.substr(0, monthlines::kKeyLength)))
                add(0, 0, fileLine, QStringLiteral("ligne rangée sous %1, qui n'est pas un mois : les états la "
                                                   "comptent, aucun mois ne la montre.")
                                        .arg(shown(line.substr(0, monthlines::kKeyLength))));
            else
                add(0, 0, fileLine, QStringLiteral("ligne illisible %1 : elle ne commence pas par un mois "
                                                   "AAAAMM, aucun écran ne la lit.").arg(shown(line)));
        } else {
            MonthState &state = stateOf(month);
            readLine(month, state, line, index);
            if (index == state.lastLine)
                state.reader.finish([&](const monthlines::Entry &row) { closeRow(month, state, row); });
        }
        // The dates are judged with their entry, the lines before a month's
        // first date as orphans; what the stray check adds is where else
        // the statements and the month grid part ways.
        strays_.add(index, line, [&](const yearentries::Stray &stray) {
            if (!isDateLine(line) && !orphan_)
                add(monthOf(line), stray.row, fileLine, stray.reason);
        });
        // A finding to come is of a later line, or of a row still open; the
        // one said of the journals at the end is of the file as a whole.
        std::size_t next = fileLine + 1;
        if (!openRows_.empty())
            next = std::min(next, *openRows_.begin() + 1);
        queue_.release(journals_.isEmpty() ? 0 : next);
    }

    Verification finish()
    {
        if (journalsUnchecked_)
            fileFinding(QStringLiteral("la liste des journaux (Tavelin.cbx du répertoire courant) est vide ou "
                                       "absente : les journaux des écritures ne sont pas vérifiés."));
        queue_.release(kNoLine);
        result_.findingCount = queue_.count();
        for (const auto &[month, state] : months_) {
            result_.months.push_back({month, state.debit, state.credit});
            result_.debit.add(state.debit);
            result_.credit.add(state.credit);
        }
        return std::move(result_);
    }

private:
    bool inHeader(std::size_t index) const
    {
        return headFirst_ != LineList::npos && index >= headFirst_ && index <= headLast_;
    }

    MonthState &stateOf(int month)
    {
        if (month != cachedMonth_) {
            cached_ = &months_[month];
            cachedMonth_ = month;
        }
        return *cached_;
    }

    void add(int month, int entry, std::size_t fileLine, QString text)
    {
        queue_.add({month, entry, fileLine, std::move(text)});
    }

    void fileFinding(QString text) { add(0, 0, 0, std::move(text)); }

    void readLine(int month, MonthState &state, std::string_view text, std::size_t index)
    {
        const std::size_t fileLine = index + 1;
        const int entry = state.reader.rows();
        if (text.size() == monthlines::kKeyLength) {
            add(month, entry, fileLine, QStringLiteral("ligne sans numéro de colonne après le mois : aucun écran "
                                                       "ne la lit."));
            return;
        }
        const std::optional<monthlines::MonthLine> line = monthlines::readLine(text, monthlines::Cells::Cut);
        if (!line) {
            add(month, entry, fileLine, QStringLiteral("le caractère %1 après le mois n'est pas un numéro de "
                                                       "colonne : aucun écran ne lit cette ligne.")
                                            .arg(shown(text.substr(monthlines::kKeyLength, 1))));
            return;
        }
        if (!line->isColumn()) {
            add(month, entry, fileLine, QStringLiteral("colonne %1 : ni la saisie, ni les journaux, ni les états "
                                                       "ne lisent cette ligne.").arg(line->digit));
            return;
        }
        const auto fate = state.reader.add(*line, index, [&](const monthlines::Entry &row) { closeRow(month, state, row); });
        orphan_ = fate == monthlines::EntryReader::Fate::Orphan;
        if (orphan_)
            add(month, 0, fileLine, QStringLiteral("cette ligne précède la première date du mois : la saisie la "
                                                   "mêle à la première écriture."));
        if (state.rowStart == kNoLine) {
            state.rowStart = index;
            openRows_.insert(index);
        }
    }

    void closeRow(int month, MonthState &state, const monthlines::Entry &row)
    {
        openRows_.erase(state.rowStart);
        state.rowStart = kNoLine;
        const int number = ++state.rowsRead;
        if (row.dated())
            checkEntry(month, number, row);
        addAmount(month, number, row, Column::Debit, state.debit);
        addAmount(month, number, row, Column::Credit, state.credit);
    }

    static std::size_t fileLineOf(const monthlines::Entry &row, Column column) { return row.lineOf(column) + 1; }

    bool known(const CodeList &list, std::string_view code)
    {
        cp1252::decodeInto(code_, code);
        return list.findCode(code_) != CodeList::npos;
    }

    void checkEntry(int month, int number, const monthlines::Entry &row)
    {
        const std::size_t dateLine = fileLineOf(row, Column::Date);
        const std::string_view date = row[Column::Date];
        if (date.empty()) {
            add(month, number, dateLine,
                QStringLiteral("la date est vide : ni la balance ni le compte de résultat ne comptent cette "
                               "écriture."));
        } else if (const QDate d = yearentries::storedDate(date); !d.isValid()) {
            add(month, number, dateLine,
                QStringLiteral("la date %1 n'est pas une date valide (JJ/MM/AAAA).").arg(shown(date)));
        } else {
            if (year_ && (d < year_->start || d > year_->end))
                add(month, number, dateLine,
                    QStringLiteral("la date %1 est en dehors de l'exercice (du %2 au %3).")
                        .arg(forms::formatDate(d), forms::formatDate(year_->start), forms::formatDate(year_->end)));
            if (d.year() * 100 + d.month() != month)
                add(month, number, dateLine,
                    QStringLiteral("la date %1 n'est pas dans le mois de %2, sous lequel l'écriture est rangée.")
                        .arg(forms::formatDate(d), captionOfMonth(month)));
        }

        const std::string_view account = row[Column::Account];
        if (account.empty())
            add(month, number, dateLine, QStringLiteral("l'écriture n'a pas de compte."));
        else if (!accounts_.isEmpty() && !known(accounts_, account))
            add(month, number, fileLineOf(row, Column::Account),
                QStringLiteral("le compte %1 n'existe pas dans le plan comptable.").arg(cp1252::decode(account)));

        const std::string_view lettering = row[Column::Lettering];
        if (!lettering.empty() && !letteringcell::parse(lettering) && !cp1252::decode(lettering).trimmed().isEmpty())
            add(month, number, fileLineOf(row, Column::Lettering),
                QStringLiteral("colonne %1 : %2 n'est pas un lettrage (code, puis date JJ/MM/AAAA) : la ligne "
                               "compte comme non lettrée.")
                    .arg(monthlines::gridColumn(Column::Lettering))
                    .arg(shown(lettering)));

        const std::string_view journal = row[Column::Journal];
        if (!journal.empty() && (journals_.isEmpty() || !known(journals_, journal))) {
            if (!journals_.isEmpty())
                add(month, number, fileLineOf(row, Column::Journal),
                    QStringLiteral("le journal %1 n'existe pas dans la liste des journaux.").arg(cp1252::decode(journal)));
            else
                journalsUnchecked_ = true;
        }
    }

    void addAmount(int month, int number, const monthlines::Entry &row, Column column, AmountTotal &sum)
    {
        const std::string_view text = row[column];
        if (isBlank(text))
            return;
        if (const auto value = forms::parseAmount(text)) {
            sum.add(*value);
            return;
        }
        add(month, number, fileLineOf(row, column),
            QStringLiteral("le %1 %2 n'est pas un montant.")
                .arg(column == Column::Debit ? QStringLiteral("débit") : QStringLiteral("crédit"), shown(text)));
    }

    static bool isDateLine(std::string_view line)
    {
        return line.size() > monthlines::kKeyLength && line[monthlines::kKeyLength] == monthlines::digitOf(Column::Date);
    }

    const CodeList &accounts_;
    const CodeList &journals_;
    const FindingSink sink_;
    FindingQueue queue_;
    std::size_t headFirst_ = LineList::npos;
    std::size_t headLast_ = LineList::npos;
    std::optional<FiscalYear> year_;
    FiscalYear strayYear_; // the year's dates once read, none before
    yearentries::StrayCheck strays_{strayYear_};
    bool orphan_ = false; // the line just read was told as read before its month's first date
    std::map<int, MonthState> months_;
    MonthState *cached_ = nullptr;
    int cachedMonth_ = 0;
    std::set<std::size_t> openRows_; // first line of every row still open
    bool journalsUnchecked_ = false;
    QString code_;
    Verification result_;
};

// The lines of a line list, or of a file's text, handed over in order with
// their index until `visit` returns false.
struct ListLines {
    const LineList &lines;
    template <class Visit>
    void forEach(Visit &&visit) const
    {
        for (std::size_t i = 0; i < lines.size() && visit(i, lines[i]); ++i) {
        }
    }
};

struct TextLines {
    std::string_view text;
    template <class Visit>
    void forEach(Visit &&visit) const
    {
        std::size_t i = 0;
        textlines::forEachLine(text, [&](std::string_view line) { return visit(i++, line); });
    }
};

// Three walks over the lines: the header, where each month ends, the check.
template <class Lines>
Verification verify(const Lines &lines, const ReferenceData &ref, const FindingSink &sink)
{
    Checker checker(ref, sink);
    header::Scan scan;
    lines.forEach([&](std::size_t i, std::string_view line) { return scan.add(i, line); });
    checker.checkHeader(scan);
    checker.checkCharts();
    lines.forEach([&](std::size_t i, std::string_view line) {
        checker.noteMonthLine(i, line);
        return true;
    });
    lines.forEach([&](std::size_t i, std::string_view line) {
        checker.checkLine(i, line);
        return true;
    });
    return checker.finish();
}

} // namespace

int Verification::unbalancedMonths() const
{
    return int(std::count_if(months.begin(), months.end(), [](const MonthBalance &m) { return !m.balanced(); }));
}

Verification verifyLedger(const LineList &lines, const ReferenceData &ref, const FindingSink &sink)
{
    return verify(ListLines{lines}, ref, sink);
}

Verification verifyLedgerText(std::string_view text, const ReferenceData &ref, const FindingSink &sink)
{
    return verify(TextLines{text}, ref, sink);
}

QString captionOfMonth(int month)
{
    return forms::monthCaption(forms::monthName(month % 100), month / 100);
}

} // namespace yearend
