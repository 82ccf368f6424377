#include "ledger/CodeList.h"

#include <gtest/gtest.h>

namespace {

// Out of order on purpose: look-ups give the first line in the list's order.
const QStringList kChart = {
    QStringLiteral("411000 ON Clients"),      // 0
    QStringLiteral("401000 NN Fournisseurs"), // 1
    QStringLiteral("4110 O Ancien"),          // 2
    QStringLiteral("512000 OO Banque"),       // 3
    QStringLiteral("411000 NN Doublon"),      // 4
    QStringLiteral("ABC"),                    // 5
};

} // namespace

TEST(CodeList, LookUpsGiveTheFirstLineThatMatches)
{
    const CodeList chart(CodeList::Kind::Chart, kChart);
    constexpr qsizetype none = CodeList::npos;
    const struct {
        const char *guards;
        QString text;
        qsizetype code, account, prefix; // findCode, findAccount, findStartingWith
    } cases[] = {
        {"a code twice: the first in the list", QStringLiteral("411000"), 0, 0, 0},
        {"a short code is its own line's code only", QStringLiteral("4110"), 2, none, 0},
        {"a prefix is no code", QStringLiteral("41"), none, none, 0},
        {"the first in the list, not in text order", QStringLiteral("4"), none, none, 0},
        {"a prefix met after others", QStringLiteral("40"), none, none, 1},
        {"a line without a space is all code", QStringLiteral("ABC"), 5, 5, 5},
        {"an account is six characters at most", QStringLiteral("4110000"), none, none, none},
        {"nothing begins with an empty text", QString(), none, none, none},
        {"nothing at all", QStringLiteral("6"), none, none, none},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(chart.findCode(c.text), c.code) << c.guards;
        EXPECT_EQ(chart.findAccount(c.text), c.account) << c.guards;
        EXPECT_EQ(chart.findStartingWith(c.text), c.prefix) << c.guards;
    }
}

TEST(CodeList, ALookUpAfterAChangeSeesTheChange)
{
    CodeList chart(CodeList::Kind::Chart, kChart);
    EXPECT_EQ(chart.findStartingWith(QStringLiteral("40")), 1);
    chart.append(QStringLiteral("400000 NN Capital"));
    chart.replace(1, QStringLiteral("600000 NN Achats"));
    EXPECT_EQ(chart.findStartingWith(QStringLiteral("40")), 6);
    chart.removeAt(0);
    EXPECT_EQ(chart.findCode(QStringLiteral("411000")), 3);
    chart.sortByText();
    EXPECT_EQ(chart[chart.findStartingWith(QStringLiteral("4"))], QStringLiteral("400000 NN Capital"));
}

TEST(CodeList, ALineIsACodeFlagsAndALabel)
{
    const struct {
        const char *guards;
        CodeList::Kind kind;
        QString line;
        QString code, flags, label;
        bool used, pointable;
        QString markedUsed;
    } cases[] = {
        {"a new account", CodeList::Kind::Chart, QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("401000"),
         QStringLiteral("NN"), QStringLiteral("Fournisseurs"), false, false, QStringLiteral("401000 ON Fournisseurs")},
        {"a pointable account in use", CodeList::Kind::Chart, QStringLiteral("512000 OO Banque  "), QStringLiteral("512000"),
         QStringLiteral("OO"), QStringLiteral("Banque"), true, true, QStringLiteral("512000 OO Banque  ")},
        {"an account saved without its pointable flag", CodeList::Kind::Chart, QStringLiteral("411000 O Clients"),
         QStringLiteral("411000"), QStringLiteral("O "), QStringLiteral("Clients"), true, false,
         QStringLiteral("411000 O Clients")},
        {"a line without a space", CodeList::Kind::Chart, QStringLiteral("ABC"), QStringLiteral("ABC"), QString(),
         QString(), false, false, QStringLiteral("ABC O")},
        {"a journal: one flag, the name after it", CodeList::Kind::Journals, QStringLiteral("VE N Ventes"),
         QStringLiteral("VE"), QStringLiteral("N"), QStringLiteral("Ventes"), false, false, QStringLiteral("VE O Ventes")},
        {"a journal's second character is its name's", CodeList::Kind::Journals, QStringLiteral("BQ OO"),
         QStringLiteral("BQ"), QStringLiteral("O"), QStringLiteral("O"), true, false, QStringLiteral("BQ OO")},
    };
    for (const auto &c : cases) {
        CodeList list(c.kind, {c.line});
        EXPECT_EQ(list.code(0), c.code) << c.guards;
        EXPECT_EQ(list.flags(0), c.flags) << c.guards;
        EXPECT_EQ(list.label(0), c.label) << c.guards;
        EXPECT_EQ(list.isUsed(0), c.used) << c.guards;
        EXPECT_EQ(list.takesCheckOff(0), c.pointable) << c.guards;
        list.markUsed(0);
        EXPECT_EQ(list[0], c.markedUsed) << c.guards;
    }
}

TEST(CodeList, MarkingUsedSaysWhetherTheListChanged)
{
    CodeList chart(CodeList::Kind::Chart, kChart);
    EXPECT_TRUE(chart.markAccountUsed(QStringLiteral("401000")));
    EXPECT_FALSE(chart.markAccountUsed(QStringLiteral("401000")));
    EXPECT_FALSE(chart.markAccountUsed(QStringLiteral("999999")));
    EXPECT_TRUE(chart.markCodeUsed(QStringLiteral("ABC")));
    EXPECT_EQ(chart[1], QStringLiteral("401000 ON Fournisseurs"));
    EXPECT_EQ(chart[5], QStringLiteral("ABC O"));
}
