#include "printing/DashboardPrint.h"

#include "ledger/TextForms.h"
#include "platform/Printer.h"
#include "printing/PrintJob.h"
#include "reports/Dashboard.h"

#include <QLocale>
#include <algorithm>
#include <optional>
#include <vector>

namespace printing {
namespace {

// The page's columns and sections, in millimetres.
constexpr int kLeft = 0;
constexpr int kRight = 190;
constexpr int kCaptionWidth = 16; // the tables' first column, the charts' scale
constexpr int kRowStep = 5;

// How a bar is filled: close hatching reads dark, no hatching light.
enum class Fill { Dark, Open };

// Draws on the page in dots, laid out in millimetres.
class Canvas {
public:
    Canvas(Printer &printer, const MillimetrePage &page)
        : printer_(printer), page_(page), dotsPerMm_(std::max(1, page.Mh(1) - page.Mh(0)))
    {
    }

    const MillimetrePage &page() const { return page_; }
    Printer &printer() const { return printer_; }
    int dotsPerMm() const { return dotsPerMm_; }

    void font(int points, bool bold)
    {
        printer_.setFontSize(points);
        printer_.setBold(bold);
    }
    void line(int x1, int y1, int x2, int y2, int width = 1)
    {
        printer_.setPenWidth(width);
        printer_.moveTo(x1, y1);
        printer_.lineTo(x2, y2);
        printer_.setPenWidth(1);
    }
    // A bar between two corners in dots, outlined, and hatched when dark.
    void bar(int x1, int y1, int x2, int y2, Fill fill)
    {
        if (x1 > x2)
            std::swap(x1, x2);
        if (y1 > y2)
            std::swap(y1, y2);
        printer_.rectangle(x1, y1, x2, y2);
        if (fill == Fill::Dark)
            for (int x = x1 + hatchStep(); x < x2; x += hatchStep())
                line(x, y1, x, y2);
    }
    // A mark on a point of a line: a small square.
    void marker(int x, int y)
    {
        const int half = dotsPerMm_ * 3 / 4;
        printer_.rectangle(x - half, y - half, x + half, y + half);
    }
    void textAt(int xDots, int yDots, const QString &text) { printer_.textOut(xDots, yDots, text); }
    void rightTextAt(int xDots, int yDots, const QString &text)
    {
        printer_.textOut(xDots - printer_.textWidth(text), yDots, text);
    }

private:
    int hatchStep() const { return std::max(2, dotsPerMm_ / 3); }

    Printer &printer_;
    const MillimetrePage &page_;
    int dotsPerMm_;
};

// Where values land on a vertical scale from `top` to `bottom` (dots); the
// scale always holds zero.
class Scale {
public:
    Scale(Cents low, Cents high, int top, int bottom)
        : low_(std::min<Cents>(0, low)), high_(std::max<Cents>(0, high)), top_(top), bottom_(bottom)
    {
        if (high_ == low_)
            high_ = low_ + 100;
    }
    int at(Cents value) const
    {
        return bottom_ - int(double(value - low_) * (bottom_ - top_) / double(high_ - low_));
    }
    Cents low() const { return low_; }
    Cents high() const { return high_; }

private:
    Cents low_, high_;
    int top_, bottom_;
};

Cents valueOf(const AmountTotal &amount)
{
    return amount.computed() ? amount.value() : 0;
}

QString shortMonth(const reports::DashboardMonth &month)
{
    return QLocale(QLocale::French, QLocale::France).standaloneMonthName(month.month, QLocale::ShortFormat);
}

QString euros(const AmountTotal &amount)
{
    return reports::dashboardAmount(amount) + QStringLiteral(" €");
}

void sectionTitle(Canvas &canvas, int x, int y, const QString &title)
{
    canvas.font(11, true);
    canvas.page().text(x, y, title);
}

// The scale's two ends and zero, written left of the chart.
void scaleLabels(Canvas &canvas, const Scale &scale, int x)
{
    canvas.font(7, false);
    const MillimetrePage &page = canvas.page();
    const int half = canvas.printer().lineHeight() / 2;
    for (const Cents value : {scale.high(), Cents(0), scale.low()})
        canvas.rightTextAt(page.Mh(x), scale.at(value) - half, reports::dashboardAmount(AmountTotal(value - value % 100)));
}

// A row of a month table: its caption, then one figure per column.
void tableRow(Canvas &canvas, int y, int columnWidth, const QString &caption, const QStringList &cells)
{
    const MillimetrePage &page = canvas.page();
    canvas.font(7, false);
    page.cell(kLeft, y, kCaptionWidth, caption);
    for (int i = 0; i < cells.size(); ++i) {
        const int right = kCaptionWidth + columnWidth * (i + 1);
        page.rightCell(right, y, columnWidth, cells[i]);
    }
}

// The legend's sample of a bar or a line, then its caption; gives the place
// of the next sample.
int legendItem(Canvas &canvas, int x, int y, const QString &caption, std::optional<Fill> fill)
{
    const MillimetrePage &page = canvas.page();
    if (fill)
        canvas.bar(page.Mh(x), page.Mv(y), page.Mh(x + 4), page.Mv(y + 3), *fill);
    else
        canvas.line(page.Mh(x), page.Mv(y) + canvas.dotsPerMm() * 3 / 2, page.Mh(x + 4),
                    page.Mv(y) + canvas.dotsPerMm() * 3 / 2, canvas.dotsPerMm() / 2);
    canvas.font(8, false);
    page.text(x + 6, y, caption);
    return x + 8 + canvas.printer().textWidth(caption) / canvas.dotsPerMm();
}

// Sales and charges as bars side by side for each month, the result as a
// thick line over them; the table of the three figures under them.
int printSalesAndCharges(Canvas &canvas, const reports::Dashboard &dashboard, int y)
{
    const MillimetrePage &page = canvas.page();
    sectionTitle(canvas, kLeft, y, QStringLiteral("Ventes et charges par mois"));
    const int top = page.Mv(y + 8);
    const int bottom = page.Mv(y + 58);
    Cents low = 0, high = 0;
    for (const reports::DashboardMonth &m : dashboard.months)
        for (const AmountTotal *figure : {&m.sales, &m.charges, &m.result}) {
            low = std::min(low, valueOf(*figure));
            high = std::max(high, valueOf(*figure));
        }
    const Scale scale(low, high, top, bottom);
    scaleLabels(canvas, scale, kCaptionWidth - 1);
    const int months = std::max(1, int(dashboard.months.size()));
    const int columnWidth = (kRight - kCaptionWidth) / months;
    const int x0 = page.Mh(kCaptionWidth);
    const int slot = page.Mh(kCaptionWidth + columnWidth) - x0;
    canvas.line(x0, scale.at(0), page.Mh(kCaptionWidth + columnWidth * months), scale.at(0));
    int previousX = 0, previousY = 0;
    for (int i = 0; i < int(dashboard.months.size()); ++i) {
        const reports::DashboardMonth &m = dashboard.months[std::size_t(i)];
        const int left = x0 + slot * i;
        canvas.bar(left + slot * 15 / 100, scale.at(0), left + slot * 48 / 100, scale.at(valueOf(m.sales)), Fill::Dark);
        canvas.bar(left + slot * 52 / 100, scale.at(0), left + slot * 85 / 100, scale.at(valueOf(m.charges)), Fill::Open);
        const int x = left + slot / 2;
        const int resultY = scale.at(valueOf(m.result));
        if (i > 0)
            canvas.line(previousX, previousY, x, resultY, canvas.dotsPerMm() / 2);
        canvas.marker(x, resultY);
        previousX = x;
        previousY = resultY;
    }
    int legend = legendItem(canvas, kCaptionWidth, y + 60, QStringLiteral("Ventes"), Fill::Dark);
    legend = legendItem(canvas, legend, y + 60, QStringLiteral("Charges"), Fill::Open);
    legendItem(canvas, legend, y + 60, QStringLiteral("Résultat"), std::nullopt);

    QStringList captions, sales, charges, results;
    for (const reports::DashboardMonth &m : dashboard.months) {
        captions.append(shortMonth(m));
        sales.append(reports::dashboardAmount(m.sales));
        charges.append(reports::dashboardAmount(m.charges));
        results.append(reports::dashboardAmount(m.result));
    }
    const int table = y + 66;
    tableRow(canvas, table, columnWidth, QStringLiteral("Mois"), captions);
    tableRow(canvas, table + kRowStep, columnWidth, QStringLiteral("Ventes"), sales);
    tableRow(canvas, table + 2 * kRowStep, columnWidth, QStringLiteral("Charges"), charges);
    tableRow(canvas, table + 3 * kRowStep, columnWidth, QStringLiteral("Résultat"), results);
    return table + 4 * kRowStep + 4;
}

// The balance of the cash accounts at each month's end as a thick line, the
// day's balance in large figures; the table under it starts at the opening.
int printTreasury(Canvas &canvas, const reports::Dashboard &dashboard, int y)
{
    const MillimetrePage &page = canvas.page();
    sectionTitle(canvas, kLeft, y, QStringLiteral("Trésorerie"));
    canvas.font(14, true);
    page.rightText(kRight, y - 1,
                   QStringLiteral("au %1 : %2").arg(forms::formatDate(dashboard.treasuryDay), euros(dashboard.treasuryToday)));
    const int top = page.Mv(y + 9);
    const int bottom = page.Mv(y + 44);
    Cents low = valueOf(dashboard.openingTreasury), high = low;
    for (const reports::DashboardMonth &m : dashboard.months) {
        low = std::min(low, valueOf(m.treasury));
        high = std::max(high, valueOf(m.treasury));
    }
    const Scale scale(low, high, top, bottom);
    scaleLabels(canvas, scale, kCaptionWidth - 1);
    const int months = std::max(1, int(dashboard.months.size()));
    const int columnWidth = (kRight - kCaptionWidth) / (months + 1);
    const int x0 = page.Mh(kCaptionWidth);
    const int slot = page.Mh(kCaptionWidth + columnWidth) - x0;
    canvas.line(x0, scale.at(0), page.Mh(kCaptionWidth + columnWidth * (months + 1)), scale.at(0));
    QStringList captions{QStringLiteral("Ouverture")}, balances{reports::dashboardAmount(dashboard.openingTreasury)};
    int previousX = x0 + slot / 2, previousY = scale.at(valueOf(dashboard.openingTreasury));
    canvas.marker(previousX, previousY);
    for (int i = 0; i < int(dashboard.months.size()); ++i) {
        const reports::DashboardMonth &m = dashboard.months[std::size_t(i)];
        const int x = x0 + slot * (i + 1) + slot / 2;
        const int balanceY = scale.at(valueOf(m.treasury));
        canvas.line(previousX, previousY, x, balanceY, canvas.dotsPerMm() / 2);
        canvas.marker(x, balanceY);
        previousX = x;
        previousY = balanceY;
        captions.append(shortMonth(m));
        balances.append(reports::dashboardAmount(m.treasury));
    }
    const int table = y + 48;
    tableRow(canvas, table, columnWidth, QStringLiteral("Fin de mois"), captions);
    tableRow(canvas, table + kRowStep, columnWidth, QStringLiteral("Trésorerie"), balances);
    return table + 2 * kRowStep + 4;
}

// A row of horizontal bars: its caption, and its segments end to end.
struct BarRow {
    QString caption;
    std::vector<AmountTotal> segments;
};

// Horizontal bars, one per row, each segment's amount in a column after them
// (headed by `columns` when there are several): the chart and its table at
// once. Segments alternate dark and open.
void printHorizontalBars(Canvas &canvas, int x, int y, int width, const QString &title, const QStringList &columns,
                         const std::vector<BarRow> &rows)
{
    const MillimetrePage &page = canvas.page();
    sectionTitle(canvas, x, y, title);
    constexpr int captionWidth = 32;
    constexpr int amountWidth = 20;
    const int amountsLeft = x + width - amountWidth * int(columns.size());
    const int barWidth = amountsLeft - x - captionWidth - 2;
    Cents high = 1;
    for (const BarRow &row : rows) {
        Cents length = 0;
        for (const AmountTotal &segment : row.segments)
            length += std::max<Cents>(0, valueOf(segment));
        high = std::max(high, length);
    }
    int line = y + 8;
    canvas.font(7, true);
    if (columns.size() > 1) {
        for (int i = 0; i < columns.size(); ++i)
            page.rightCell(amountsLeft + amountWidth * (i + 1), line, amountWidth, columns[i]);
        line += kRowStep;
    }
    for (const BarRow &row : rows) {
        canvas.font(8, false);
        page.cell(x, line, captionWidth, row.caption);
        int start = page.Mh(x + captionWidth);
        for (std::size_t i = 0; i < row.segments.size(); ++i) {
            const Cents value = std::max<Cents>(0, valueOf(row.segments[i]));
            const int length = int(double(value) * (page.Mh(barWidth) - page.Mh(0)) / double(high));
            canvas.bar(start, page.Mv(line), start + length, page.Mv(line + 4), i % 2 == 0 ? Fill::Dark : Fill::Open);
            start += length;
            page.rightCell(amountsLeft + amountWidth * int(i + 1), line, amountWidth,
                           reports::dashboardAmount(row.segments[i]));
        }
        line += kRowStep + 1;
    }
}

} // namespace

bool printDashboard(Printer &printer, const reports::Dashboard &dashboard,
                    const std::vector<reports::OutstandingPart> &outstanding)
{
    PrintJob job(printer);
    if (!job.started())
        return false;
    Canvas canvas(printer, job.page());
    const MillimetrePage &page = job.page();
    canvas.font(16, true);
    page.text(kLeft, 0, QStringLiteral("Tableau de bord"));
    canvas.font(10, false);
    page.rightText(kRight, 2, QStringLiteral("Exercice du %1 au %2")
                                  .arg(forms::formatDate(dashboard.yearStart), forms::formatDate(dashboard.yearEnd)));
    int y = printSalesAndCharges(canvas, dashboard, 14);
    y = printTreasury(canvas, dashboard, y);

    std::vector<BarRow> groups;
    for (std::size_t i = 0; i < reports::kChargeGroups; ++i)
        groups.push_back({reports::chargeGroupCaption(reports::ChargeGroup(i)), {dashboard.chargeGroups[i]}});
    BarRow receivable{QStringLiteral("Clients à encaisser"), {}};
    BarRow payable{QStringLiteral("Fournisseurs à payer"), {}};
    QStringList parts;
    for (const reports::OutstandingPart &part : outstanding) {
        parts.append(part.caption);
        receivable.segments.push_back(part.receivable);
        payable.segments.push_back(part.payable);
    }
    const int half = (kRight - kLeft) / 2;
    printHorizontalBars(canvas, kLeft, y, half - 4, QStringLiteral("Charges de l'exercice"), {QString()}, groups);
    printHorizontalBars(canvas, kLeft + half + 4, y, half - 4, QStringLiteral("À encaisser, à payer"), parts,
                        {receivable, payable});
    if (!dashboard.message.isEmpty()) {
        canvas.font(8, false);
        page.text(kLeft, y + 8 + 6 * (kRowStep + 1), dashboard.message);
    }
    return true;
}

} // namespace printing
