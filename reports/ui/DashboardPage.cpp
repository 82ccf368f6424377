#include "reports/ui/DashboardPage.h"

#include "ledger/TextForms.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

// Colours far apart in lightness, so that a grey print still tells them
// apart: dark bars beside light ones, black and dark green lines.
const QColor kDark(0x1f, 0x3a, 0x68);
const QColor kLight(0xf2, 0xc1, 0x8d);
const QColor kMiddle(0x5a, 0x7d, 0x9a);
const QColor kResultLine(Qt::black);
const QColor kTreasuryLine(0x1b, 0x5e, 0x20);
// One colour per part of the outstanding balances, dark to light.
const QColor kPartColours[] = {kDark, kLight, kMiddle, QColor(0xbf, 0xbf, 0xbf)};

const QLocale &french()
{
    static const QLocale locale(QLocale::French, QLocale::France);
    return locale;
}

QString euros(const AmountTotal &amount)
{
    return reports::dashboardAmount(amount) + QStringLiteral(" €");
}

qreal valueOf(const AmountTotal &amount)
{
    return amount.computed() ? qreal(amount.value()) / 100 : 0;
}

QString shortMonth(const reports::DashboardMonth &month)
{
    return french().standaloneMonthName(month.month, QLocale::ShortFormat);
}

QString longMonth(const reports::DashboardMonth &month)
{
    return forms::monthCaption(forms::monthName(month.month), month.year);
}

// What a chart tells when the pointer is over one of its figures.
void tellOnHover(QBarSet *set, const QStringList &texts)
{
    QObject::connect(set, &QBarSet::hovered, set, [texts](bool over, int index) {
        if (over && index >= 0 && index < texts.size())
            QToolTip::showText(QCursor::pos(), texts[index]);
        else
            QToolTip::hideText();
    });
}

void tellOnHover(QLineSeries *series, const QStringList &texts)
{
    QObject::connect(series, &QLineSeries::hovered, series, [texts](const QPointF &point, bool over) {
        const int index = qRound(point.x());
        if (over && index >= 0 && index < texts.size())
            QToolTip::showText(QCursor::pos(), texts[index]);
        else
            QToolTip::hideText();
    });
}

QBarSet *barSet(const QString &caption, const QColor &colour)
{
    auto *set = new QBarSet(caption);
    set->setColor(colour);
    set->setBorderColor(Qt::black);
    return set;
}

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 1);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->setLocale(french());
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

QChartView *chartView(QChart *chart, const char *name, int height)
{
    auto *view = new QChartView(chart);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(height);
    return view;
}

// Empties a chart before its figures are drawn again.
void clear(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QValueAxis *amountAxis()
{
    auto *axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// Spans the axis over every figure shown and zero: left to the series, it
// would follow the bars alone and cut a negative result off.
void span(QValueAxis *axis, const QList<qreal> &values)
{
    qreal low = 0, high = 0;
    for (const qreal value : values) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    axis->setRange(low, high > low ? high : low + 1);
    axis->applyNiceNumbers();
}

QTableWidget *newTable(const char *name)
{
    auto *table = new QTableWidget;
    table->setObjectName(QLatin1String(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setMinimumSectionSize(60);
    // Thirteen figures of a treasury table must fit across a small screen.
    QFont font = table->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    table->setFont(font);
    return table;
}

// Fills a table of figures (one row per caption, one cell per column) and
// makes it as high as its rows, so that the page scrolls rather than it.
void fillTable(QTableWidget *table, const QStringList &columns, const QStringList &rows, const QList<QStringList> &cells)
{
    table->clear();
    table->setColumnCount(int(columns.size()));
    table->setRowCount(int(rows.size()));
    table->setHorizontalHeaderLabels(columns);
    table->setVerticalHeaderLabels(rows);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[r].value(c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int r = 0; r < rows.size(); ++r)
        height += table->verticalHeader()->sectionSizeHint(r);
    table->setFixedHeight(height);
}

QWidget *section(QWidget *chart, QWidget *table, QWidget *above = nullptr)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    if (above)
        layout->addWidget(above);
    layout->addWidget(chart, 1);
    layout->addWidget(table);
    return box;
}

} // namespace

DashboardPage::DashboardPage(Run run, QWidget *window, DashboardSource source)
    : DocumentPage(std::move(run), window), source_(std::move(source))
{
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("dashboardTitle"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title_->setFont(titleFont);
    atOpening_ = new QCheckBox(QStringLiteral("&Afficher à l'ouverture du dossier"));
    atOpening_->setObjectName(QStringLiteral("dashboardAtOpening"));
    connect(atOpening_, &QCheckBox::toggled, this, [this](bool on) { this->run([this, on] { source_.showAtOpening(on); }); });
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("dashboardMessage"));
    message_->setWordWrap(true);
    treasuryToday_ = new QLabel;
    treasuryToday_->setObjectName(QStringLiteral("treasuryToday"));
    QFont large = treasuryToday_->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 10);
    treasuryToday_->setFont(large);
    treasuryToday_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    salesChart_ = newChart(QStringLiteral("Ventes et charges par mois"));
    treasuryChart_ = newChart(QStringLiteral("Trésorerie"));
    chargesChart_ = newChart(QStringLiteral("Charges de l'exercice"));
    outstandingChart_ = newChart(QStringLiteral("À encaisser, à payer"));
    salesTable_ = newTable("salesTable");
    treasuryTable_ = newTable("treasuryTable");
    chargesTable_ = newTable("chargesTable");
    outstandingTable_ = newTable("outstandingTable");

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *header = new QHBoxLayout;
    header->addWidget(title_);
    header->addStretch(1);
    header->addWidget(atOpening_);
    layout->addLayout(header);
    layout->addWidget(message_);
    layout->addWidget(section(chartView(salesChart_, "salesChart", 280), salesTable_));
    layout->addWidget(section(chartView(treasuryChart_, "treasuryChart", 240), treasuryTable_, treasuryToday_));
    auto *lower = new QHBoxLayout;
    lower->addWidget(section(chartView(chargesChart_, "chargesChart", 240), chargesTable_));
    lower->addWidget(section(chartView(outstandingChart_, "outstandingChart", 240), outstandingTable_));
    layout->addLayout(lower);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("dashboardScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void DashboardPage::refresh()
{
    const reports::Dashboard figures = source_.figures();
    title_->setText(QStringLiteral("Tableau de bord de l'exercice du %1 au %2")
                        .arg(forms::formatDate(figures.yearStart), forms::formatDate(figures.yearEnd)));
    {
        const QSignalBlocker quiet(atOpening_);
        atOpening_->setChecked(source_.shownAtOpening());
    }
    message_->setText(figures.message);
    message_->setVisible(!figures.message.isEmpty());
    showSalesAndCharges(figures);
    showTreasury(figures);
    showCharges(figures);
    showOutstanding(figures);
}

void DashboardPage::showSalesAndCharges(const reports::Dashboard &figures)
{
    clear(salesChart_);
    QBarSet *sales = barSet(QStringLiteral("Ventes"), kDark);
    QBarSet *charges = barSet(QStringLiteral("Charges"), kLight);
    auto *result = new QLineSeries;
    result->setName(QStringLiteral("Résultat"));
    result->setPen(QPen(kResultLine, 3));
    result->setPointsVisible(true);
    QList<qreal> values;
    QStringList months, salesTexts, chargesTexts, resultTexts, salesTips, chargesTips, resultTips;
    for (const reports::DashboardMonth &m : figures.months) {
        const int index = int(months.size());
        months.append(shortMonth(m));
        sales->append(valueOf(m.sales));
        charges->append(valueOf(m.charges));
        result->append(index, valueOf(m.result));
        values << valueOf(m.sales) << valueOf(m.charges) << valueOf(m.result);
        salesTexts.append(reports::dashboardAmount(m.sales));
        chargesTexts.append(reports::dashboardAmount(m.charges));
        resultTexts.append(reports::dashboardAmount(m.result));
        salesTips.append(QStringLiteral("%1 — ventes : %2").arg(longMonth(m), euros(m.sales)));
        chargesTips.append(QStringLiteral("%1 — charges : %2").arg(longMonth(m), euros(m.charges)));
        resultTips.append(QStringLiteral("%1 — résultat : %2").arg(longMonth(m), euros(m.result)));
    }
    tellOnHover(sales, salesTips);
    tellOnHover(charges, chargesTips);
    tellOnHover(result, resultTips);
    auto *bars = new QBarSeries;
    bars->append(sales);
    bars->append(charges);
    salesChart_->addSeries(bars);
    salesChart_->addSeries(result);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(months);
    QValueAxis *axisY = amountAxis();
    salesChart_->addAxis(axisX, Qt::AlignBottom);
    salesChart_->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(bars), static_cast<QAbstractSeries *>(result)}) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    span(axisY, values);
    fillTable(salesTable_, months, {QStringLiteral("Ventes"), QStringLiteral("Charges"), QStringLiteral("Résultat")},
              {salesTexts, chargesTexts, resultTexts});
}

void DashboardPage::showTreasury(const reports::Dashboard &figures)
{
    treasuryToday_->setText(QStringLiteral("Trésorerie au %1 : %2")
                                .arg(forms::formatDate(figures.treasuryDay), euros(figures.treasuryToday)));
    clear(treasuryChart_);
    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Comptes 51 et 53 en fin de mois"));
    line->setPen(QPen(kTreasuryLine, 3));
    line->setPointsVisible(true);
    QStringList columns{QStringLiteral("Ouverture")}, balances{reports::dashboardAmount(figures.openingTreasury)};
    QStringList tips{QStringLiteral("Ouverture (à-nouveaux) : %1").arg(euros(figures.openingTreasury))};
    line->append(0, valueOf(figures.openingTreasury));
    for (const reports::DashboardMonth &m : figures.months) {
        line->append(qreal(columns.size()), valueOf(m.treasury));
        columns.append(shortMonth(m));
        balances.append(reports::dashboardAmount(m.treasury));
        tips.append(QStringLiteral("Fin %1 : %2").arg(longMonth(m), euros(m.treasury)));
    }
    tellOnHover(line, tips);
    treasuryChart_->addSeries(line);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(columns);
    QValueAxis *axisY = amountAxis();
    treasuryChart_->addAxis(axisX, Qt::AlignBottom);
    treasuryChart_->addAxis(axisY, Qt::AlignLeft);
    line->attachAxis(axisX);
    line->attachAxis(axisY);
    QList<qreal> values;
    for (const QPointF &point : line->points())
        values.append(point.y());
    span(axisY, values);
    fillTable(treasuryTable_, columns, {QStringLiteral("Trésorerie")}, {balances});
}

void DashboardPage::showCharges(const reports::Dashboard &figures)
{
    clear(chargesChart_);
    QBarSet *set = barSet(QStringLiteral("Charges de l'exercice"), kMiddle);
    QStringList captions, amounts, tips;
    AmountTotal total;
    for (std::size_t i = 0; i < reports::kChargeGroups; ++i) {
        const AmountTotal &amount = figures.chargeGroups[i];
        const QString caption = reports::chargeGroupCaption(reports::ChargeGroup(i));
        set->append(valueOf(amount));
        // The axis shows each bar's amount beside its caption.
        captions.append(QStringLiteral("%1  %2").arg(caption, reports::dashboardAmount(amount)));
        amounts.append(reports::dashboardAmount(amount));
        tips.append(QStringLiteral("%1 : %2").arg(caption, euros(amount)));
        total.add(amount);
    }
    tellOnHover(set, tips);
    auto *bars = new QHorizontalBarSeries;
    bars->append(set);
    chargesChart_->addSeries(bars);
    chargesChart_->legend()->hide();
    auto *axisY = new QBarCategoryAxis;
    axisY->append(captions);
    QValueAxis *axisX = amountAxis();
    chargesChart_->addAxis(axisY, Qt::AlignLeft);
    chargesChart_->addAxis(axisX, Qt::AlignBottom);
    bars->attachAxis(axisY);
    bars->attachAxis(axisX);
    QList<qreal> values;
    for (int i = 0; i < set->count(); ++i)
        values.append(set->at(i));
    span(axisX, values);
    QStringList rows;
    for (std::size_t i = 0; i < reports::kChargeGroups; ++i)
        rows.append(reports::chargeGroupCaption(reports::ChargeGroup(i)));
    rows.append(QStringLiteral("Total"));
    QList<QStringList> cells;
    for (const QString &amount : amounts)
        cells.append({amount});
    cells.append({reports::dashboardAmount(total)});
    fillTable(chargesTable_, {QStringLiteral("Montant")}, rows, cells);
}

void DashboardPage::showOutstanding(const reports::Dashboard &figures)
{
    clear(outstandingChart_);
    const std::vector<reports::OutstandingPart> parts = source_.outstanding(figures);
    const QStringList sides{QStringLiteral("Clients à encaisser"), QStringLiteral("Fournisseurs à payer")};
    auto *bars = new QHorizontalStackedBarSeries;
    qreal receivable = 0, payable = 0;
    QStringList columns;
    QList<QStringList> cells{{}, {}};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const reports::OutstandingPart &part = parts[i];
        QBarSet *set = barSet(part.caption, kPartColours[i % std::size(kPartColours)]);
        set->append(valueOf(part.receivable));
        set->append(valueOf(part.payable));
        receivable += valueOf(part.receivable);
        payable += valueOf(part.payable);
        tellOnHover(set, {QStringLiteral("%1 — %2 : %3").arg(sides[0], part.caption, euros(part.receivable)),
                          QStringLiteral("%1 — %2 : %3").arg(sides[1], part.caption, euros(part.payable))});
        bars->append(set);
        columns.append(part.caption);
        cells[0].append(reports::dashboardAmount(part.receivable));
        cells[1].append(reports::dashboardAmount(part.payable));
    }
    outstandingChart_->addSeries(bars);
    auto *axisY = new QBarCategoryAxis;
    axisY->append(sides);
    QValueAxis *axisX = amountAxis();
    outstandingChart_->addAxis(axisY, Qt::AlignLeft);
    outstandingChart_->addAxis(axisX, Qt::AlignBottom);
    bars->attachAxis(axisY);
    bars->attachAxis(axisX);
    span(axisX, {receivable, payable});
    fillTable(outstandingTable_, columns, sides, cells);
}
