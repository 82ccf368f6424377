#include "lettering/AutoLettering.h"
#include "lettering/Lettering.h"

#include "ledger/LedgerFile.h"
#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"
#include "support/LedgerText.h"

#include <gtest/gtest.h>

#include <random>

using namespace lettering;

namespace {

// The books of a test: March 2002 entries, one account line each.
LineList marchBooks(std::initializer_list<EntryCells> entries)
{
    return linesOf(kHeader2002 + entriesText("200203", entries));
}

// A group as "code date: rows", the rows of the March grid from 1.
std::string groupText(const std::vector<Line> &lines, const Group &group)
{
    std::string text = (group.code + u' ' + forms::formatDate(group.date)).toStdString() + ":";
    for (std::size_t i : group.lines)
        text += " " + std::to_string(lines[i].place.row + 1);
    return text;
}

std::vector<std::string> proposedGroups(const LineList &books)
{
    const std::vector<Line> lines = accountLines(books, QStringLiteral("4"));
    CodeBook codes(lines);
    std::vector<std::string> groups;
    for (const Group &group : automaticGroups(lines, codes))
        groups.push_back(groupText(lines, group));
    return groups;
}

} // namespace

TEST(Lettering, TheAutomaticLetteringGroupsWhatSettlesBeyondDoubt)
{
    const struct {
        const char *guards;
        LineList books;
        std::vector<std::string> groups;
    } cases[] = {
        {"an exact pair: the invoice and its payment, dated on the payment's day",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "F1", "100,00"},
                  {"15/03/2002", "411000", "Règlement", "BQ", "", "", "100,00"}}),
         {"AA 15/03/2002: 1 2"}},
        {"two candidate invoices: the one whose number the payment names",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "F1", "100,00"},
                  {"05/03/2002", "411000", "Facture", "VE", "F2", "100,00"},
                  {"06/03/2002", "411000", "Règlement F1", "BQ", "", "", "100,00"}}),
         {"AA 06/03/2002: 1 3"}},
        {"two candidate invoices without a reference: the closest date",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "100,00"},
                  {"05/03/2002", "411000", "Facture", "VE", "", "100,00"},
                  {"06/03/2002", "411000", "Règlement", "BQ", "", "", "100,00"}}),
         {"AA 06/03/2002: 2 3"}},
        {"partial payments of one invoice are left to the user",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "300,00"},
                  {"05/03/2002", "411000", "Acompte", "BQ", "", "", "100,00"},
                  {"06/03/2002", "411000", "Solde", "BQ", "", "", "200,00"}}),
         {}},
        {"one payment of several invoices, the only set that makes it",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "100,00"},
                  {"02/03/2002", "411000", "Facture", "VE", "", "250,00"},
                  {"03/03/2002", "411000", "Facture", "VE", "", "200,00"},
                  {"10/03/2002", "411000", "Règlement", "BQ", "", "", "300,00"}}),
         {"AA 10/03/2002: 1 3 4"}},
        {"one payment that two sets of invoices make is left alone",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "100,00"},
                  {"02/03/2002", "411000", "Facture", "VE", "", "200,00"},
                  {"03/03/2002", "411000", "Facture", "VE", "", "120,00"},
                  {"04/03/2002", "411000", "Facture", "VE", "", "180,00"},
                  {"10/03/2002", "411000", "Règlement", "BQ", "", "", "300,00"}}),
         {}},
        {"a payment before its invoice settles nothing",
         marchBooks({{"01/03/2002", "411000", "Règlement", "BQ", "", "", "100,00"},
                  {"10/03/2002", "411000", "Facture", "VE", "", "100,00"}}),
         {}},
        {"nothing is matched twice, and a lettered line stays out; codes go on from the account's last",
         marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "100,00", "", "", "AC 02/03/2002"},
                  {"02/03/2002", "411000", "Règlement", "BQ", "", "", "100,00", "", "AC 02/03/2002"},
                  {"03/03/2002", "411000", "Facture", "VE", "", "100,00"},
                  {"04/03/2002", "411000", "Règlement", "BQ", "", "", "100,00"},
                  {"05/03/2002", "411000", "Règlement", "BQ", "", "", "100,00"}}),
         {"AD 04/03/2002: 3 4"}},
        {"a supplier's invoice is a credit, its payment a debit; each account has its own codes",
         marchBooks({{"01/03/2002", "401000", "Facture", "AC", "", "", "80,00"},
                  {"20/03/2002", "401000", "Paiement", "BQ", "", "80,00"},
                  {"21/03/2002", "411000", "Facture", "VE", "", "80,00"},
                  {"22/03/2002", "411000", "Règlement", "BQ", "", "", "80,00"}}),
         {"AA 20/03/2002: 1 2", "AA 22/03/2002: 3 4"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(proposedGroups(c.books), c.groups) << c.guards;
}

TEST(Lettering, LinesLetteredByHandMustSettleEachOtherOnOneAccount)
{
    const LineList books = marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "300,00"},
                                    {"05/03/2002", "411000", "Avoir", "VE", "", "", "50,00"},
                                    {"06/03/2002", "411000", "Acompte", "BQ", "", "", "100,00"},
                                    {"07/03/2002", "411000", "Solde", "BQ", "", "", "140,00"},
                                    {"08/03/2002", "411100", "Autre client", "BQ", "", "", "10,00"},
                                    {"09/03/2002", "411000", "Ancien", "VE", "", "5,00", "", "", "AB 09/03/2002"}});
    const std::vector<Line> lines = accountLines(books, QStringLiteral("411"));
    const struct {
        std::vector<std::size_t> chosen;
        QString refusal;
    } cases[] = {
        {{0}, QStringLiteral("Choisissez au moins deux lignes à lettrer.")},
        {{0, 1, 2, 3}, QStringLiteral("Les lignes ne se soldent pas : écart de 10,00.")},
        {{0, 1, 2, 3, 4}, QStringLiteral("Les lignes à lettrer doivent être d'un même compte.")},
        {{0, 5}, QStringLiteral("La ligne du 09/03/2002 est déjà lettrée (AB).")},
        {{1, 2}, QStringLiteral("Les lignes ne se soldent pas : écart de -150,00.")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(letteringRefusal(lines, c.chosen), c.refusal) << c.refusal.toStdString();

    // An invoice, a credit note and two partial payments: 300 - 50 - 100 - 150.
    LineList settled = marchBooks({{"01/03/2002", "411000", "Facture", "VE", "", "300,00"},
                                {"05/03/2002", "411000", "Avoir", "VE", "", "", "50,00"},
                                {"06/03/2002", "411000", "Acompte", "BQ", "", "", "100,00"},
                                {"07/03/2002", "411000", "Solde", "BQ", "", "", "150,00"}});
    const std::vector<Line> open = accountLines(settled, QStringLiteral("411"));
    ASSERT_TRUE(letteringRefusal(open, {0, 1, 2, 3}).isEmpty());
    CodeBook codes(open);
    apply(settled, open, {groupOf(open, {0, 1, 2, 3}, codes)});
    const std::vector<Line> after = accountLines(settled, QStringLiteral("411"));
    const std::vector<Group> groups = letteredGroups(after);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groupText(after, groups[0]), "AA 07/03/2002: 1 2 3 4");
    EXPECT_EQ(groups[0].amount, 30000);

    unletter(settled, after, 2);
    for (const Line &line : accountLines(settled, QStringLiteral("411")))
        EXPECT_TRUE(line.open());
}

TEST(Lettering, CodesRunFromAAThroughZZThenThreeLetters)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "AA"}, {"AA", "AB"}, {"AZ", "BA"}, {"ZZ", "AAA"}, {"AZZ", "BAA"}, {"ZZZ", "AAAA"}};
    for (const auto &[code, next] : cases) {
        EXPECT_EQ(nextCode(QString::fromLatin1(code)), QString::fromLatin1(next)) << code;
        EXPECT_TRUE(codeBefore(QString::fromLatin1(code), QString::fromLatin1(next))) << code;
        EXPECT_FALSE(codeBefore(QString::fromLatin1(next), QString::fromLatin1(code))) << code;
    }
    for (const char *cell : {"AB 14/03/2025", "  ZZA 01/01/2002 "})
        EXPECT_TRUE(letteringcell::parse(std::string_view(cell))) << cell;
    for (const char *cell : {"", "A 14/03/2025", "ab 14/03/2025", "AB", "AB 31/02/2025", "AB 1/3/2025", "texte"})
        EXPECT_FALSE(letteringcell::parse(std::string_view(cell))) << cell;
}

// Random books of customers, lettered automatically, saved, loaded, passed
// through every month's grid as the entry page reads and writes it, saved and
// loaded again: every line keeps its code.
TEST(Lettering, CodesSurviveSavingLoadingAndTheMonthWriteBack)
{
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 random(seed);
        std::string text = kHeader2002;
        for (int month = 1; month <= 12; ++month) {
            char key[7];
            std::snprintf(key, sizeof key, "2002%02d", month);
            for (int n = 0; n < 20; ++n) {
                const int day = 1 + int(random() % 28);
                const std::string amount = std::to_string(1 + random() % 5) + "0,00";
                const bool invoice = random() % 2 == 0;
                char date[11];
                std::snprintf(date, sizeof date, "%02d/%02d/2002", day, month);
                text += entryText(key, {date, "41100" + std::to_string(random() % 3), "L", invoice ? "VE" : "BQ", "",
                                        invoice ? amount : "", invoice ? "" : amount});
            }
        }
        LineList books = linesOf(text);
        std::vector<Line> lines = accountLines(books, QStringLiteral("411"));
        CodeBook codes(lines);
        apply(books, lines, automaticGroups(lines, codes));
        const std::vector<Line> lettered = accountLines(books, QStringLiteral("411"));
        ASSERT_FALSE(letteredGroups(lettered).empty()) << seed;

        LineList loaded = ledgerfile::parse(std::make_unique<std::string>(ledgerfile::serialize(books)));
        TextGrid grid(32, monthlines::kColumnCount);
        for (int month = 1; month <= 12; ++month) {
            const std::string key = forms::monthKey(2002, month);
            monthio::read(loaded, key, grid);
            monthio::write(loaded, key, grid, monthio::countRows(grid));
        }
        loaded = ledgerfile::parse(std::make_unique<std::string>(ledgerfile::serialize(loaded)));
        const std::vector<Line> back = accountLines(loaded, QStringLiteral("411"));
        ASSERT_EQ(back.size(), lettered.size()) << seed;
        for (std::size_t i = 0; i < back.size(); ++i) {
            EXPECT_EQ(back[i].place, lettered[i].place) << seed;
            EXPECT_EQ(back[i].lettering, lettered[i].lettering) << seed << " line " << i;
        }
    }
}
