#include "cli/Verification.h"

#include "ledger/Codec1252.h"
#include "ledger/Header.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <map>
#include <unordered_set>

namespace cli {
namespace {

constexpr std::string_view kHeadOpen = "<HEAD>";
constexpr std::string_view kHeadClose = "</HEAD>";
constexpr std::size_t kCellLimit = 254; // what the month reader keeps of a cell

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// yyyymm of a line's first six characters, 0 when they are not a month.
int monthOf(std::string_view line)
{
    if (line.size() < 6)
        return 0;
    int value = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        if (!isDigit(line[i]))
            return 0;
        value = value * 10 + (line[i] - '0');
    }
    const int month = value % 100;
    return month >= 1 && month <= 12 ? value : 0;
}

// Dates are stored exactly as "dd/mm/yyyy"; every reader cuts them by
// character position, so a date in any other shape is misread.
QDate storedDate(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return {};
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(t[i]))
            return {};
    auto number = [&](std::size_t pos, std::size_t len) {
        int n = 0;
        for (std::size_t i = pos; i < pos + len; ++i)
            n = n * 10 + (t[i] - '0');
        return n;
    };
    return QDate(number(6, 4), number(3, 2), number(0, 2));
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

// The codes of chart or journal lines, for exact lookups of raw cell bytes.
class CodeSet {
public:
    explicit CodeSet(const QStringList &lines)
    {
        codes_.reserve(std::size_t(lines.size()));
        for (const QString &line : lines)
            codes_.push_back(cp1252::encode(reference::lineCode(line)));
        for (const std::string &code : codes_)
            set_.insert(code);
    }
    bool empty() const { return codes_.empty(); }
    bool contains(std::string_view code) const { return set_.count(code) > 0; }

private:
    std::vector<std::string> codes_;
    std::unordered_set<std::string_view> set_;
};

// One row of a month as the month reader builds it: the cells of a date line
// and of the lines that follow it under the same month, the last line of a
// column winning.
struct Row {
    int number = 0; // from 1
    std::array<std::string_view, 8> cells{};
    std::array<std::size_t, 8> lines{}; // file line of each cell, 0 when absent
};

struct MonthState {
    int rows = 0; // date lines met so far
    bool open = false;
    Row row;
    AmountTotal debit;
    AmountTotal credit;
};

class Checker {
public:
    Checker(const LineList &lines, const ReferenceData &ref)
        : lines_(lines), accounts_(ref.ListePlc), journals_(ref.ListeJnx)
    {
    }

    Verification run()
    {
        std::size_t headFirst = LineList::npos;
        std::size_t headLast = LineList::npos;
        checkHeader(headFirst, headLast);
        if (accounts_.empty())
            fileFinding(QStringLiteral("le plan comptable (Tavelin.plc du répertoire courant) est vide ou absent : "
                                       "les comptes ne sont pas vérifiés."));
        MonthState *state = nullptr;
        int stateMonth = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (headFirst != LineList::npos && i >= headFirst && i <= headLast)
                continue;
            const std::string_view line = lines_[i];
            const std::size_t fileLine = i + 1;
            if (line.size() <= 5) {
                add(0, 0, fileLine, QStringLiteral("ligne vide ou trop courte %1 : l'application la supprime "
                                                   "à l'ouverture du dossier.").arg(shown(line)));
                continue;
            }
            const int month = monthOf(line);
            if (month == 0) {
                add(0, 0, fileLine, QStringLiteral("ligne illisible %1 : elle ne commence pas par un mois "
                                                   "AAAAMM, aucun écran ne la lit.").arg(shown(line)));
                continue;
            }
            if (month != stateMonth) {
                state = &months_[month];
                stateMonth = month;
            }
            readLine(month, *state, line, fileLine);
        }
        for (auto &[month, s] : months_)
            closeRow(month, s);
        return finish();
    }

private:
    void add(int month, int entry, std::size_t fileLine, QString text)
    {
        result_.findings.push_back({month, entry, fileLine, std::move(text)});
    }

    void fileFinding(QString text) { add(0, 0, 0, std::move(text)); }

    void checkHeader(std::size_t &first, std::size_t &last)
    {
        const std::size_t open = lines_.indexOf(kHeadOpen);
        if (open == LineList::npos) {
            fileFinding(QStringLiteral("le dossier n'a pas d'en-tête <HEAD> : les dates de l'exercice sont "
                                       "inconnues et ne sont pas vérifiées."));
            return;
        }
        first = last = open;
        const std::size_t close = lines_.indexOf(kHeadClose, open + 1);
        if (close == LineList::npos) {
            add(0, 0, open + 1, QStringLiteral("l'en-tête <HEAD> n'est pas fermé par </HEAD> : les dates de "
                                               "l'exercice ne sont pas lues."));
            return;
        }
        last = close;
        if (close - open <= 2) {
            add(0, 0, open + 1, QStringLiteral("l'en-tête ne contient pas les dates de début et de fin de "
                                               "l'exercice : elles ne sont pas lues."));
            return;
        }
        FiscalYear year; // invalid dates: what the header does not give stays invalid
        header::read(lines_, year);
        if (!year.debut.isValid()) {
            add(0, 0, open + 2, QStringLiteral("la date de début de l'exercice %1 est illisible.")
                                    .arg(shown(lines_[open + 1])));
            return;
        }
        if (!year.fin.isValid()) {
            add(0, 0, open + 3, QStringLiteral("la date de fin de l'exercice %1 est illisible.")
                                    .arg(shown(lines_[open + 2])));
            return;
        }
        if (year.fin < year.debut) {
            add(0, 0, open + 3, QStringLiteral("l'exercice finit le %1, avant de commencer le %2.")
                                    .arg(forms::formatDate(year.fin), forms::formatDate(year.debut)));
            return;
        }
        year_ = year;
    }

    void readLine(int month, MonthState &s, std::string_view line, std::size_t fileLine)
    {
        const int entry = s.rows;
        if (line.size() == 6) {
            add(month, entry, fileLine, QStringLiteral("ligne sans numéro de colonne après le mois : aucun écran "
                                                       "ne la lit."));
            return;
        }
        const char digit = line[6];
        if (!isDigit(digit)) {
            add(month, entry, fileLine, QStringLiteral("le caractère %1 après le mois n'est pas un numéro de "
                                                       "colonne : aucun écran ne lit cette ligne.")
                                            .arg(shown(line.substr(6, 1))));
            return;
        }
        const int column = digit - '0';
        if (column >= 8) {
            add(month, entry, fileLine, QStringLiteral("colonne %1 : ni la saisie, ni les journaux, ni les états "
                                                       "ne lisent cette ligne.").arg(column));
            return;
        }
        if (column == 0) {
            // A date line opens the next row; lines met before the month's
            // first date line were read into the first row and stay there.
            if (s.rows > 0)
                closeRow(month, s);
            ++s.rows;
            if (s.rows > 1 || !s.open)
                s.row = Row{};
            s.row.number = s.rows;
        } else if (s.rows == 0) {
            add(month, 0, fileLine, QStringLiteral("cette ligne précède la première date du mois : la saisie la "
                                                   "mêle à la première écriture."));
            s.row.number = 1;
        }
        s.open = true;
        s.row.cells[std::size_t(column)] = line.substr(7, kCellLimit);
        s.row.lines[std::size_t(column)] = fileLine;
    }

    void closeRow(int month, MonthState &s)
    {
        if (!s.open)
            return;
        s.open = false;
        const Row &row = s.row;
        if (row.lines[0] != 0)
            checkEntry(month, row);
        addAmount(month, row, 5, s.debit);
        addAmount(month, row, 6, s.credit);
    }

    void checkEntry(int month, const Row &row)
    {
        const std::string_view date = row.cells[0];
        if (date.empty()) {
            add(month, row.number, row.lines[0],
                QStringLiteral("la date est vide : ni la balance ni le compte de résultat ne comptent cette "
                               "écriture."));
        } else if (const QDate d = storedDate(date); !d.isValid()) {
            add(month, row.number, row.lines[0],
                QStringLiteral("la date %1 n'est pas une date valide (JJ/MM/AAAA).").arg(shown(date)));
        } else {
            if (year_ && (d < year_->debut || d > year_->fin))
                add(month, row.number, row.lines[0],
                    QStringLiteral("la date %1 est en dehors de l'exercice (du %2 au %3).")
                        .arg(forms::formatDate(d), forms::formatDate(year_->debut), forms::formatDate(year_->fin)));
            if (d.year() * 100 + d.month() != month)
                add(month, row.number, row.lines[0],
                    QStringLiteral("la date %1 n'est pas dans le mois de %2, sous lequel l'écriture est rangée.")
                        .arg(forms::formatDate(d), monthName(month)));
        }

        const std::string_view account = row.cells[1];
        if (account.empty())
            add(month, row.number, row.lines[0], QStringLiteral("l'écriture n'a pas de compte."));
        else if (!accounts_.empty() && !accounts_.contains(account))
            add(month, row.number, row.lines[1],
                QStringLiteral("le compte %1 n'existe pas dans le plan comptable.").arg(cp1252::decode(account)));

        const std::string_view journal = row.cells[3];
        if (!journal.empty() && !journals_.contains(journal)) {
            if (!journals_.empty())
                add(month, row.number, row.lines[3],
                    QStringLiteral("le journal %1 n'existe pas dans la liste des journaux.").arg(cp1252::decode(journal)));
            else
                journalsUnchecked_ = true;
        }
    }

    void addAmount(int month, const Row &row, int column, AmountTotal &sum)
    {
        const std::string_view text = row.cells[std::size_t(column)];
        if (isBlank(text))
            return;
        if (const auto value = forms::parseAmount(text)) {
            sum.add(*value);
            return;
        }
        add(month, row.number, row.lines[std::size_t(column)],
            QStringLiteral("le %1 %2 n'est pas un montant.")
                .arg(column == 5 ? QStringLiteral("débit") : QStringLiteral("crédit"), shown(text)));
    }

    Verification finish()
    {
        if (journalsUnchecked_)
            fileFinding(QStringLiteral("la liste des journaux (Tavelin.cbx du répertoire courant) est vide ou "
                                       "absente : les journaux des écritures ne sont pas vérifiés."));
        std::stable_sort(result_.findings.begin(), result_.findings.end(),
                         [](const Finding &a, const Finding &b) { return a.fileLine < b.fileLine; });
        for (const auto &[month, s] : months_) {
            result_.months.push_back({month, s.debit, s.credit});
            result_.debit.add(s.debit);
            result_.credit.add(s.credit);
        }
        return std::move(result_);
    }

    const LineList &lines_;
    CodeSet accounts_;
    CodeSet journals_;
    std::optional<FiscalYear> year_;
    std::map<int, MonthState> months_;
    bool journalsUnchecked_ = false;
    Verification result_;
};

} // namespace

int Verification::unbalancedMonths() const
{
    return int(std::count_if(months.begin(), months.end(), [](const MonthBalance &m) { return !m.balanced(); }));
}

Verification verifyLedger(const LineList &lines, const ReferenceData &ref)
{
    return Checker(lines, ref).run();
}

} // namespace cli
