#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "vat/VatBooks.h"

#include "entry/ProposedPosting.h"
#include "vat/Settlement.h"
#include "vat/VatReturn.h"

#include <gtest/gtest.h>

using namespace vat;

namespace {

QStringList figures(const VatReturn &vatReturn)
{
    QStringList texts;
    for (int line = 1; line <= kLines; ++line)
        texts.append(vatReturn.figureText(line));
    return texts;
}

struct VatReturnTest : ::testing::Test {
    FakePlatform fake;
    Ledger ledger{fake.platform};

    void SetUp() override
    {
        openAt(ledger, vatBooks(), 2002, 3);
        ledger.ref.ListePlc = kVatChart;
        ledger.ref.ListeJnx = kVatJournals;
    }

    VatReturn returnOf(const Period &period) const { return computeReturn(ledger.Lignes, period, ledger.fiscalYear); }

    // Posts the period's settling entry as the window does, and gives it back.
    ProposedEntry settle(const Period &period)
    {
        const ProposedEntry entry = settlingEntry(returnOf(period), proposedJournal(ledger.ref.ListeJnx));
        EXPECT_EQ(proposed::refusal(ledger, entry), QString());
        proposed::post(ledger, entry);
        return entry;
    }
};

// Each side of an entry, summed.
std::pair<Cents, Cents> sides(const ProposedEntry &entry)
{
    Cents debit = 0, credit = 0;
    for (const ProposedLine &line : entry.lines) {
        debit += line.debit;
        credit += line.credit;
    }
    return {debit, credit};
}

} // namespace

TEST_F(VatReturnTest, TheEightLinesOfAPeriod)
{
    const struct {
        const char *guards;
        Period period;
        QStringList figures;
    } cases[] = {
        {"the credit opened on the year's first day starts its first return", monthPeriod(2002, 1),
         {"0,00", "0,00", "0,00", "0,00", "30,00", "30,00", "", "30,00"}},
        {"a month of purchases only carries a credit", monthPeriod(2002, 2),
         {"0,00", "0,00", "0,00", "20,00", "30,00", "50,00", "", "50,00"}},
        {"sales at 20 % and 5,5 % less a credit note, a purchase: VAT due", monthPeriod(2002, 3),
         {"1150,00", "201,00", "0,00", "100,00", "30,00", "130,00", "71,00", ""}},
        {"a fixed asset goes to line 3", monthPeriod(2002, 4),
         {"100,00", "20,00", "400,00", "0,00", "30,00", "430,00", "", "410,00"}},
        {"a quarter takes its three months", quarterPeriod(2002, 1),
         {"1150,00", "201,00", "0,00", "120,00", "30,00", "150,00", "51,00", ""}},
        {"two dates, both included", datesPeriod(QDate(2002, 3, 5), QDate(2002, 3, 12)),
         {"1200,00", "211,00", "0,00", "0,00", "30,00", "30,00", "181,00", ""}},
    };
    for (const auto &c : cases) {
        const VatReturn vatReturn = returnOf(c.period);
        EXPECT_EQ(vatReturn.error, QString()) << c.guards;
        EXPECT_EQ(figures(vatReturn), c.figures) << c.guards;
    }
}

TEST_F(VatReturnTest, ACreditMonthSettledIsUsedByTheNextMonth)
{
    const ProposedEntry february = settle(monthPeriod(2002, 2));
    EXPECT_EQ(february.date, QDate(2002, 2, 28));
    EXPECT_EQ(february.label, "TVA Février 2002");
    EXPECT_EQ(february.journal, "OD");
    // The credit carried in (30,00) and the credit carried on (50,00) make one line.
    EXPECT_EQ(february.lines, (std::vector<ProposedLine>{{"445660", 0, 2000}, {"445670", 2000, 0}}));
    EXPECT_EQ(sides(february), std::make_pair(Cents(2000), Cents(2000)));

    const VatReturn march = returnOf(monthPeriod(2002, 3));
    EXPECT_EQ(figures(march), (QStringList{"1150,00", "201,00", "0,00", "100,00", "50,00", "150,00", "51,00", ""}));
    const ProposedEntry settlement = settle(march.period);
    EXPECT_EQ(settlement.lines, (std::vector<ProposedLine>{{"445711", 1100, 0},
                                                           {"445712", 19000, 0},
                                                           {"445660", 0, 10000},
                                                           {"445670", 0, 5000},
                                                           {"445510", 0, 5100}}));
    EXPECT_EQ(sides(settlement), std::make_pair(Cents(20100), Cents(20100)));

    // The settled month reads as it was filed, its settlement left out.
    const VatReturn settled = returnOf(march.period);
    EXPECT_TRUE(settled.settled);
    EXPECT_EQ(figures(settled), figures(march));
    EXPECT_EQ(figures(returnOf(monthPeriod(2002, 4))),
              (QStringList{"100,00", "20,00", "400,00", "0,00", "0,00", "400,00", "", "380,00"}));
}

// The credit carried in is credited to 445670 and the credit to carry
// debited to it: one net line, on the side of the difference, or none.
TEST(VatSettlement, TheCreditCarriedInAndOnMakeOneLine)
{
    struct Case {
        const char *what;
        Cents deductible;  // 445660
        Cents carriedIn;   // 445670, line 5
        Cents collected;   // 445710
        std::vector<ProposedLine> lines;
    };
    const Case cases[] = {
        {"1000,00 carried in, 800,00 carried on: 200,00 credited", 10000, 100000, 30000,
         {{"445710", 30000, 0}, {"445660", 0, 10000}, {"445670", 0, 20000}}},
        {"the credit grows: 500,00 debited", 50000, 100000, 0, {{"445660", 0, 50000}, {"445670", 50000, 0}}},
        {"the credit carried on equals the one carried in: no line", 5000, 100000, 5000,
         {{"445710", 5000, 0}, {"445660", 0, 5000}}},
        {"the credit used up: VAT due", 0, 10000, 30000,
         {{"445710", 30000, 0}, {"445670", 0, 10000}, {"445510", 0, 20000}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        VatReturn vatReturn;
        vatReturn.period = monthPeriod(2026, 3);
        vatReturn.collected = {{QStringLiteral("445710"), c.collected}};
        vatReturn.deductible = {{QStringLiteral("445660"), c.deductible}, {QStringLiteral("445670"), c.carriedIn}};
        const Cents deductible = c.deductible + c.carriedIn;
        vatReturn.figures[6] = c.collected >= deductible ? std::optional<Cents>(c.collected - deductible) : std::nullopt;
        vatReturn.figures[7] = c.collected < deductible ? std::optional<Cents>(deductible - c.collected) : std::nullopt;
        const ProposedEntry entry = settlingEntry(vatReturn, QStringLiteral("OD"));
        EXPECT_EQ(entry.lines, c.lines);
        EXPECT_EQ(sides(entry).first, sides(entry).second);
    }
}

TEST_F(VatReturnTest, AnUnsettledPreviousPeriodIsTold)
{
    const struct {
        const char *guards;
        std::vector<Period> settledFirst;
        Period period;
        QString warning;
    } cases[] = {
        {"the year's first month has no previous period in the year", {}, monthPeriod(2002, 1), ""},
        {"February's purchases not settled: the credit is the year's opening one", {}, monthPeriod(2002, 3),
         "Déclaration de la période précédente non passée : le crédit antérieur est celui du 01/01/2002."},
        {"February settled", {monthPeriod(2002, 2)}, monthPeriod(2002, 3), ""},
        {"March not settled after February was: the credit is February's", {monthPeriod(2002, 2)}, monthPeriod(2002, 4),
         "Déclaration de la période précédente non passée : le crédit antérieur est celui du 28/02/2002."},
        {"the previous month without VAT needs no settling", {}, monthPeriod(2002, 6), ""},
        {"the year's first quarter", {}, quarterPeriod(2002, 1), ""},
        {"eight days after eight days with sales", {}, datesPeriod(QDate(2002, 3, 13), QDate(2002, 3, 20)),
         "Déclaration de la période précédente non passée : le crédit antérieur est celui du 01/01/2002."},
    };
    for (const auto &c : cases) {
        SetUp();
        for (const Period &period : c.settledFirst)
            settle(period);
        EXPECT_EQ(unsettledWarning(returnOf(c.period)), c.warning) << c.guards;
    }
    EXPECT_EQ(previousPeriod(quarterPeriod(2002, 2)).from, QDate(2002, 1, 1));
    EXPECT_EQ(previousPeriod(datesPeriod(QDate(2002, 3, 13), QDate(2002, 3, 20))).from, QDate(2002, 3, 5));
}

TEST_F(VatReturnTest, AnAmountThatIsNotANumberLeavesNoFigures)
{
    const struct {
        const char *guards;
        EntryCells entry;
        QString error;
    } cases[] = {
        {"on a VAT account in the period", {"25/03/2002", "445712", "Vente", "VE", "", "", "12,3x", ""},
         "Écriture du 25/03/2002, compte 445712 : '12,3x' n'est pas une valeur numérique correcte"},
        {"on a sales account in the period", {"25/03/2002", "706000", "Vente", "VE", "", "abc", "", ""},
         "Écriture du 25/03/2002, compte 706000 : 'abc' n'est pas une valeur numérique correcte"},
        {"on an account outside the return", {"25/03/2002", "512000", "Banque", "BQ", "", "abc", "", ""}, ""},
        {"on a VAT account after the period", {"25/04/2002", "445712", "Vente", "VE", "", "abc", "", ""}, ""},
    };
    for (const auto &c : cases) {
        openAt(ledger, vatBooks() + entriesText("200203", {c.entry}), 2002, 3);
        const VatReturn vatReturn = returnOf(monthPeriod(2002, 3));
        EXPECT_EQ(vatReturn.error, c.error) << c.guards;
        EXPECT_EQ(figures(vatReturn)[1], c.error.isEmpty() ? "201,00" : "") << c.guards;
        EXPECT_EQ(settlingEntry(vatReturn, "OD").lines.empty(), !c.error.isEmpty()) << c.guards;
    }
}

TEST(VatPeriod, MonthsQuartersAndDates)
{
    const FiscalYear straddling{QDate(2002, 7, 1), QDate(2003, 6, 30), QDate(2002, 7, 1)};
    const std::vector<Period> months = yearMonths(straddling);
    const std::vector<Period> quarters = yearQuarters(straddling);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months.front(), (Period{QDate(2002, 7, 1), QDate(2002, 7, 31), "Juillet 2002"}));
    EXPECT_EQ(months[7], (Period{QDate(2003, 2, 1), QDate(2003, 2, 28), "Février 2003"}));
    ASSERT_EQ(quarters.size(), 4u);
    EXPECT_EQ(quarters.front(), (Period{QDate(2002, 7, 1), QDate(2002, 9, 30), "3e trimestre 2002"}));
    EXPECT_EQ(quarters.back(), (Period{QDate(2003, 4, 1), QDate(2003, 6, 30), "2e trimestre 2003"}));
    EXPECT_EQ(quarterPeriod(2002, 1).caption, "1er trimestre 2002");
    EXPECT_EQ(datesPeriod(QDate(2002, 3, 1), QDate(2002, 3, 15)).caption, "du 01/03/2002 au 15/03/2002");

    const struct {
        const char *guards;
        QDate today;
        std::size_t month;
    } defaults[] = {
        {"the month before today's", QDate(2003, 3, 15), 7},
        {"a month that ends today is not complete", QDate(2002, 8, 31), 0},
        {"before any month of the year ended: its first", QDate(2002, 7, 20), 0},
        {"after the year: its last month", QDate(2005, 1, 1), 11},
    };
    for (const auto &d : defaults)
        EXPECT_EQ(lastCompleteMonth(months, d.today), d.month) << d.guards;
    EXPECT_EQ(quarterOf(quarters, months[7]), 2u);
    EXPECT_EQ(datesRefusal(QDate(2002, 3, 2), QDate(2002, 3, 1)), "La période commence le 02/03/2002, après sa fin le 01/03/2002.");
    EXPECT_EQ(datesRefusal(QDate(2002, 3, 1), QDate(2002, 3, 1)), QString());
}
