#include "ledger/YearEntries.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"

#include <QStringList>

namespace yearentries {
namespace {

QString quoted(std::string_view cell)
{
    return QStringLiteral("« %1 »").arg(cp1252::decode(cell));
}

QString placeOf(std::string_view key)
{
    const std::optional<forms::YearMonth> month = forms::parseMonthKey(key);
    return month ? forms::monthCaption(forms::monthName(month->month), month->year)
                 : QStringLiteral("Mois %1").arg(quoted(key));
}

// Whether `key` is the month of a date cell already read as a date: its
// characters 7 to 10, then 4 and 5.
bool isMonthOf(std::string_view key, std::string_view dateCell)
{
    return key.size() == monthlines::kKeyLength && key.substr(0, 4) == dateCell.substr(6, 4)
           && key.substr(4, 2) == dateCell.substr(3, 2);
}

Fault yearFault(QDate date, const FiscalYear &year)
{
    if (!date.isValid())
        return Fault::NotADate;
    if (year.start.isValid() && year.end.isValid() && (date < year.start || date > year.end))
        return Fault::OutsideYear;
    return Fault::None;
}

Fault dateFault(std::string_view dateCell, const FiscalYear &year, QDate &date)
{
    if (dateCell.empty())
        return Fault::NoDate;
    date = storedDate(dateCell);
    return yearFault(date, year);
}

} // namespace

QDate storedDate(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return {};
    int value[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 3, 6};
    const std::size_t lengths[3] = {2, 2, 4};
    for (int part = 0; part < 3; ++part)
        for (std::size_t i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            if (!monthlines::isDigit(t[i]))
                return {};
            value[part] = value[part] * 10 + (t[i] - '0');
        }
    return QDate(value[2], value[1], value[0]);
}

Fault newEntryFault(std::string_view dateCell, const FiscalYear &year)
{
    return dateCell.empty() ? Fault::NoDate : newEntryFault(storedDate(dateCell), year);
}

Fault newEntryFault(QDate date, const FiscalYear &year)
{
    if (const Fault fault = yearFault(date, year); fault != Fault::None)
        return fault;
    const QDate finalUntil = year.finalUntil();
    return finalUntil.isValid() && date <= finalUntil ? Fault::Final : Fault::None;
}

Fault storedEntryFault(std::string_view dateCell, std::string_view key, const FiscalYear &year)
{
    QDate date;
    const Fault fault = dateFault(dateCell, year, date);
    if (fault != Fault::None)
        return fault;
    return isMonthOf(key, dateCell) ? Fault::None : Fault::OtherMonth;
}

QString describe(Fault fault, std::string_view dateCell, std::string_view key, const FiscalYear &year)
{
    const QString date = cp1252::decode(dateCell);
    switch (fault) {
    case Fault::None:
        break;
    case Fault::NoDate:
        return QStringLiteral("l'écriture n'a pas de date.");
    case Fault::NotADate:
        return QStringLiteral("la date %1 n'est pas une date (JJ/MM/AAAA).").arg(quoted(dateCell));
    case Fault::OutsideYear:
        return QStringLiteral("la date %1 est en dehors de l'exercice (du %2 au %3).")
            .arg(date, forms::formatDate(year.start), forms::formatDate(year.end));
    case Fault::Final:
        return QStringLiteral("la date %1 est dans la période validée (jusqu'au %2).")
            .arg(date, forms::formatDate(year.finalUntil()));
    case Fault::OtherMonth:
        return QStringLiteral("l'écriture du %1 est rangée sous le mois %2.").arg(date, quoted(key));
    }
    return {};
}

QString describe(const Stray &stray)
{
    return QStringLiteral("%1, ligne %2 : %3").arg(placeOf(stray.key)).arg(stray.row).arg(stray.reason);
}

std::optional<Stray> StrayCheck::check(std::size_t index, std::string_view text)
{
    const std::optional<monthlines::MonthLine> line = monthlines::readLine(text, monthlines::Cells::Whole);
    if (!line || !line->isColumn() || !monthlines::isDigitKey(line->key))
        return std::nullopt;
    // Most lines follow their date line: the month's rows are counted, and a
    // stray's row looked up, only where it takes a date line or a stray.
    if (line->digit == 0) {
        if (line->key != month_) {
            month_.assign(line->key);
            monthRows_ = &rows_.try_emplace(month_, 0).first->second;
        }
        ++*monthRows_;
    }
    Stray stray{std::string(line->key), 0, index, {}};
    if (line->digit == 0) {
        if (const Fault fault = storedEntryFault(line->cell, line->key, year_); fault != Fault::None)
            stray.reason = describe(fault, line->cell, line->key, year_);
    } else if (line->key != month_) {
        stray.reason = QStringLiteral("cette ligne ne suit pas la date de son écriture : la saisie la lit, les "
                                      "états ne la comptent pas.");
    }
    if (stray.reason.isEmpty() && line->cell.size() > monthlines::kCellLimit)
        stray.reason = QStringLiteral("une cellule de plus de %1 caractères : la saisie la coupe, les états la "
                                      "lisent entière.")
                           .arg(monthlines::kCellLimit);
    if (stray.reason.isEmpty())
        return std::nullopt;
    const auto rows = rows_.find(line->key);
    stray.row = rows == rows_.end() ? 1 : std::max(rows->second, 1);
    return stray;
}

std::vector<Stray> strayLines(const LineList &lines, const FiscalYear &year)
{
    std::vector<Stray> strays;
    StrayCheck check(year);
    for (std::size_t i = 0; i < lines.size(); ++i)
        check.add(i, lines[i], [&strays](const Stray &s) { strays.push_back(s); });
    return strays;
}

QString listStrays(const std::vector<Stray> &strays, std::size_t shown)
{
    QStringList lines;
    for (std::size_t i = 0; i < strays.size() && i < shown; ++i)
        lines.append(describe(strays[i]));
    if (strays.size() == shown + 1)
        lines.append(QStringLiteral("… et 1 autre ligne."));
    else if (strays.size() > shown + 1)
        lines.append(QStringLiteral("… et %1 autres lignes.").arg(strays.size() - shown));
    return lines.join(u'\n');
}

} // namespace yearentries
