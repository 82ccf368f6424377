#include "InvoiceText.h"

#include "entry/InvoicePosting.h"
#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The lines as text, the amounts with their leading blanks dropped so the
// test reads them as the user does.
std::vector<std::string> readableLines(const LineList &lines)
{
    std::vector<std::string> out;
    for (std::string_view l : lines) {
        std::string line(l);
        if (line.size() > 7 && (line[6] == '5' || line[6] == '6'))
            line.erase(7, line.find_first_not_of(' ', 7) - 7);
        out.push_back(line);
    }
    return out;
}

} // namespace

TEST(InvoicePosting, ThreeLinesInTheSenseOfTheInvoice)
{
    struct Case {
        InvoiceKind kind;
        std::vector<std::string> lines;
    } const cases[] = {
        // A sale debits the customer and credits the sales and the VAT.
        {InvoiceKind::Customer,
         {"200203005/03/2002", "2002031411000", "2002032Dupont", "2002033VE", "2002035120,00",
          "200203005/03/2002", "2002031706000", "2002032Dupont", "2002033VE", "2002036100,00",
          "200203005/03/2002", "2002031445700", "2002032Dupont", "2002033VE", "200203620,00"}},
        // A purchase credits the supplier and debits the purchase and the VAT.
        {InvoiceKind::Supplier,
         {"200203005/03/2002", "2002031411000", "2002032Dupont", "2002033VE", "2002036120,00",
          "200203005/03/2002", "2002031706000", "2002032Dupont", "2002033VE", "2002035100,00",
          "200203005/03/2002", "2002031445700", "2002032Dupont", "2002033VE", "200203520,00"}},
    };
    for (const Case &c : cases) {
        LineList lines;
        const int written = invoice::post(
            lines, {invoiceOf("05/03/2002", "411000", "706000", "445700", "Dupont", "120,00", "100,00", "20,00")},
            c.kind);
        EXPECT_EQ(written, 3);
        EXPECT_EQ(readableLines(lines), c.lines);
    }
}

TEST(InvoicePosting, AmountsAreStoredRightAlignedAsTheGridKeepsThem)
{
    LineList lines;
    invoice::post(lines, {invoiceOf("05/03/2002", "411000", "706000", "445700", "x", "12.5", "", "")},
                  InvoiceKind::Customer);
    ASSERT_EQ(lines.size(), 5u);
    const std::string amount(lines[4]);
    EXPECT_EQ(amount.substr(0, 7), "2002035");
    EXPECT_EQ(amount.substr(amount.find_first_not_of(' ', 7)), "12,50");
    EXPECT_GT(amount.find_first_not_of(' ', 7), 7u) << "leading blanks";
}

TEST(InvoicePosting, EachInvoiceGoesToTheMonthOfItsDateInTheOrderTyped)
{
    LineList lines;
    invoice::post(lines,
                  {invoiceOf("28/02/2002", "411000", "706000", "445700", "a", "12,00", "10,00", "2,00"),
                   invoiceOf("01/04/2002", "411000", "706000", "445700", "b", "12,00", "10,00", "2,00")},
                  InvoiceKind::Customer);
    ASSERT_EQ(lines.size(), 30u);
    for (std::size_t i = 0; i < 15; ++i)
        EXPECT_EQ(lines[i].substr(0, 6), "200202");
    for (std::size_t i = 15; i < 30; ++i)
        EXPECT_EQ(lines[i].substr(0, 6), "200204");
}

TEST(InvoicePosting, ALineWithoutAnAmountIsNotWritten)
{
    LineList lines;
    const int written = invoice::post(
        lines, {invoiceOf("05/03/2002", "411000", "706000", "445700", "Exonéré", "100,00", "100,00", "")},
        InvoiceKind::Customer);
    EXPECT_EQ(written, 2);
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[6], "2002031706000");
}

TEST(InvoicePosting, InvoicesWithoutADateAreNotPosted)
{
    LineList lines;
    EXPECT_EQ(invoice::post(lines, {invoiceOf("  /  /    ", "411000", "706000", "445700", "x", "1", "1", "")},
                            InvoiceKind::Customer),
              0);
    EXPECT_TRUE(lines.empty());
}

TEST(InvoicePosting, TheLabelIsStoredOnOneLineInTheFilesCodePage)
{
    LineList lines;
    invoice::post(lines,
                  {invoiceOf("05/03/2002", "411000", "706000", "445700", QStringLiteral("Café\tcrème\r\n"), "1", "1", "")},
                  InvoiceKind::Customer);
    EXPECT_EQ(lines[2], "2002032Caf\xE9 cr\xE8me  ");
    const QString longLabel(300, u'x');
    LineList more;
    invoice::post(more, {invoiceOf("05/03/2002", "411000", "706000", "445700", longLabel, "1", "1", "")},
                  InvoiceKind::Customer);
    EXPECT_EQ(more[2].size(), 7u + 254u) << "a cell keeps 254 characters";
}

TEST(InvoicePosting, TheAccountsAndJournalPostedToBecomeUsed)
{
    ReferenceData ref;
    ref.ListePlc = {QStringLiteral("411000 NO Clients"), QStringLiteral("445700 NN TVA"),
                    QStringLiteral("706000 N Prestations"), QStringLiteral("707000 NN Ventes")};
    ref.ListeJnx = {QStringLiteral("VE N Ventes"), QStringLiteral("AC N Achats")};
    invoice::markUsed(ref,
                      {invoiceOf("05/03/2002", "411000", "706000", "445700", "x", "100,00", "100,00", "")},
                      InvoiceKind::Customer);
    EXPECT_EQ(ref.ListePlc, (QStringList{"411000 OO Clients", "445700 NN TVA", "706000 O Prestations",
                                         "707000 NN Ventes"}))
        << "the VAT account got no line";
    EXPECT_EQ(ref.ListeJnx, (QStringList{"VE O Ventes", "AC N Achats"}));
    EXPECT_TRUE(ref.PlanModifie);
}
