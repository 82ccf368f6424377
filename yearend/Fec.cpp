#include "yearend/Fec.h"

#include "exchange/ExchangeText.h"
#include "ledger/Codec1252.h"
#include "ledger/LetteringCell.h"
#include "ledger/OpeningJournal.h"
#include "yearend/BookEntries.h"
#include "yearend/EntryGroups.h"
#include "yearend/Latin9.h"

#include <QStringList>
#include <algorithm>
#include <unordered_map>

namespace yearend {
namespace {

// The names the views show: the first chart or journal line that begins with
// the code, from the place after the code and its flags on, trimmed. Each
// code is looked up once.
class Labels {
public:
    Labels(const QStringList &lines, qsizetype flagWidth) : lines_(lines), flagWidth_(flagWidth) {}

    const std::string &of(std::string_view code)
    {
        const auto found = cache_.find(code);
        if (found != cache_.end())
            return found->second;
        std::string label;
        const QString text = cp1252::decode(code);
        if (!text.isEmpty())
            for (const QString &line : lines_)
                if (line.startsWith(text)) {
                    label = cp1252::encode(line.mid(text.size() + flagWidth_).trimmed());
                    break;
                }
        return cache_.emplace(code, std::move(label)).first->second;
    }

private:
    const QStringList &lines_;
    const qsizetype flagWidth_;
    std::unordered_map<std::string_view, std::string> cache_;
};

class FecWriter {
public:
    FecWriter(const ReferenceData &ref, const Validations &validations)
        : accounts_(ref.ListePlc, 3), journals_(ref.ListeJnx, 2), validations_(validations)
    {
    }

    void header()
    {
        out_ += kFecFieldNames;
        out_ += "\r\n";
    }

    // A line of écriture `number`, whose lines all carry `pieceRef`.
    void line(const BookEntry &e, std::size_t number, std::string_view pieceRef)
    {
        const std::string_view journal = monthlines::trimmedCell(e.journal());
        const std::string_view account = monthlines::trimmedCell(e.account());
        const std::string date = forms::dateKey(e[monthlines::Column::Date]); // a date of the books is stored "dd/mm/yyyy"
        const Validation *validation = validation::covering(validations_, e.date);
        provisional_ = provisional_ || !validation;
        const std::string entryNumber = std::to_string(number);
        // A negative amount is a positive one on the other side.
        const std::string debit = amount(std::max<Cents>(e.debitValue, 0) + std::max<Cents>(-e.creditValue, 0));
        const std::string credit = amount(std::max<Cents>(e.creditValue, 0) + std::max<Cents>(-e.debitValue, 0));
        const std::string validDate = validation ? forms::dateKey(validation->doneOn).toStdString() : std::string();
        const std::optional<letteringcell::Lettering> lettering = letteringcell::parse(e.lettering());
        const std::string letteringCode = lettering ? lettering->code.toStdString() : std::string();
        const std::string letteringDate = lettering ? forms::dateKey(lettering->date).toStdString() : std::string();
        const std::string_view fields[] = {
            journal, journals_.of(journal), entryNumber, date, account, accounts_.of(account), {}, {},
            pieceRef, date, monthlines::trimmedCell(e.label()),
            debit, credit, letteringCode, letteringDate, validDate, {}, {}};
        for (std::size_t f = 0; f < std::size(fields); ++f) {
            if (f > 0)
                out_ += '\t';
            replaced_ += latin9::appendFrom1252(out_, fields[f]);
        }
        out_ += "\r\n";
    }

    std::string take() { return std::move(out_); }
    int replaced() const { return replaced_; }
    bool provisional() const { return provisional_; }

private:
    static std::string amount(Cents value) { return forms::formatAmount(value).toStdString(); }

    Labels accounts_;
    Labels journals_;
    const Validations &validations_;
    std::string out_;
    int replaced_ = 0;
    bool provisional_ = false;
};

// The écritures in the file's order: the opening entries of the year's first
// day come first, the others as they are grouped.
std::vector<std::size_t> fileOrder(const std::vector<BookEntry> &entries, const EntryGroups &groups, QDate firstDay)
{
    std::vector<std::size_t> order(groups.count());
    for (std::size_t n = 0; n < order.size(); ++n)
        order[n] = n;
    std::stable_partition(order.begin(), order.end(), [&](std::size_t n) {
        const BookEntry &first = entries[groups.lines[groups.first(n)]];
        return first.date == firstDay && monthlines::trimmedCell(first.journal()) == journals::kOpening;
    });
    return order;
}

// The one PieceRef of an écriture: the voucher of its lines, or its number
// when none has one.
std::string pieceRefOf(const std::vector<BookEntry> &entries, const EntryGroups &groups, std::size_t n,
                       std::size_t number)
{
    for (std::size_t k = groups.first(n); k < groups.end(n); ++k) {
        const std::string_view voucher = monthlines::trimmedCell(entries[groups.lines[k]].voucher());
        if (!voucher.empty())
            return std::string(voucher);
    }
    return std::to_string(number);
}

QString count(int n, const char16_t *one, const char16_t *many)
{
    return n == 1 ? QString::fromUtf16(one) : QString::fromUtf16(many).arg(n);
}

} // namespace

QString fecFileName(const QString &siren, const FiscalYear &year)
{
    return siren + QStringLiteral("FEC") + forms::dateKey(year.end) + QStringLiteral(".txt");
}

Fec buildFec(const LineList &lines, const ReferenceData &ref, const FiscalYear &year)
{
    const std::vector<BookEntry> entries = bookEntries(lines);
    const Period wholeYear{year.start.addDays(-1), year.end};
    const std::vector<std::size_t> booked = bookedLines(entries, wholeYear);
    const EntryGroups entryGroups = groupEntries(entries, booked);
    Fec fec;
    fec.problems = checkEntries(entries, ref, wholeYear, entryGroups);
    FecSummary &s = fec.summary;
    for (const BookEntry &e : entries) {
        if (e.date.isValid() && !wholeYear.holds(e))
            ++s.outsideYear;
        else if (!e.date.isValid())
            s.undated += wholeYear.holds(e) ? 1 : 0;
        else if (!e.booked())
            ++s.withoutAmount;
    }
    FecWriter writer(ref, year.validations);
    writer.header();
    const std::vector<std::size_t> order = fileOrder(entries, entryGroups, year.start);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t n = order[i];
        const std::string pieceRef = pieceRefOf(entries, entryGroups, n, i + 1);
        for (std::size_t k = entryGroups.first(n); k < entryGroups.end(n); ++k)
            writer.line(entries[entryGroups.lines[k]], i + 1, pieceRef);
    }
    s.lines = int(booked.size());
    s.entryGroups = int(entryGroups.count());
    s.replaced = writer.replaced();
    s.provisional = writer.provisional();
    fec.bytes = writer.take();
    return fec;
}

QString fecSummaryText(const FecSummary &s, const QString &fileName)
{
    QStringList parts;
    parts.append(QStringLiteral("FEC écrit dans %1 : %2, %3.")
                     .arg(fileName, count(s.lines, u"1 ligne", u"%1 lignes"),
                          count(s.entryGroups, u"1 écriture", u"%1 écritures")));
    if (s.undated > 0)
        parts.append(count(s.undated, u"1 écriture sans date valide n'y figure pas.",
                           u"%1 écritures sans date valide n'y figurent pas."));
    if (s.withoutAmount > 0)
        parts.append(count(s.withoutAmount, u"1 écriture sans montant n'y figure pas.",
                           u"%1 écritures sans montant n'y figurent pas."));
    if (s.outsideYear > 0)
        parts.append(count(s.outsideYear, u"1 écriture datée hors de l'exercice n'y figure pas.",
                           u"%1 écritures datées hors de l'exercice n'y figurent pas."));
    if (s.replaced > 0)
        parts.append(count(s.replaced,
                           u"1 caractère absent du jeu ISO 8859-15 a été remplacé par sa forme simple.",
                           u"%1 caractères absents du jeu ISO 8859-15 ont été remplacés par leur forme simple."));
    if (s.provisional)
        parts.append(QStringLiteral("Des écritures ne sont pas encore validées : ce FEC est provisoire."));
    return parts.join(u'\n');
}

} // namespace yearend
