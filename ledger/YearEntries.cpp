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

// The month key of a date: "yyyymm".
std::string keyOf(QDate date)
{
    return QStringLiteral("%1%2").arg(date.year(), 4, 10, QChar(u'0')).arg(date.month(), 2, 10, QChar(u'0')).toStdString();
}

Fault dateFault(std::string_view dateCell, const FiscalYear &year, QDate &date)
{
    if (dateCell.empty())
        return Fault::NoDate;
    date = storedDate(dateCell);
    if (!date.isValid())
        return Fault::NotADate;
    if (year.start.isValid() && year.end.isValid() && (date < year.start || date > year.end))
        return Fault::OutsideYear;
    return Fault::None;
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
    QDate date;
    const Fault fault = dateFault(dateCell, year, date);
    if (fault != Fault::None)
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
    return key == keyOf(date) ? Fault::None : Fault::OtherMonth;
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
    auto rows = rows_.find(line->key);
    if (line->digit == 0) {
        month_.assign(line->key);
        if (rows == rows_.end())
            rows = rows_.emplace(std::string(line->key), 0).first;
        ++rows->second;
    }
    Stray stray{std::string(line->key), rows == rows_.end() ? 1 : std::max(rows->second, 1), index, {}};
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
