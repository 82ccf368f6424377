#include "cli/GridText.h"

#include <gtest/gtest.h>

using namespace cli;

TEST(GridText, CellsAreTrimmedLikeTheLedgerReadersTrimAndStayOneCell)
{
    EXPECT_EQ(printedCell(QStringLiteral("      1234,50")), "1234,50");
    EXPECT_EQ(printedCell(QStringLiteral("\t Libellé \x01")), QStringLiteral("Libellé"));
    // A no-break space is text for the ledger's readers, not a blank.
    EXPECT_EQ(printedCell(QStringLiteral("\u00A0x")), QStringLiteral("\u00A0x"));
    EXPECT_EQ(printedCell(QStringLiteral("a\tb")), "a b");
    EXPECT_EQ(printedCell(QStringLiteral("   ")), "");
}

TEST(GridText, RowsAreTabSeparatedUtf8LinesEndingInLf)
{
    TextGrid grid(2, 3);
    grid.set(1, 0, QStringLiteral(" Août "));
    grid.set(1, 2, QStringLiteral("     ×"));
    std::string out;
    appendGridRow(out, grid, 1);
    appendGridRow(out, grid, 0);
    appendCells(out, QStringList{QStringLiteral("Totaux"), QStringLiteral("  12,00")});
    EXPECT_EQ(out, "Ao\xC3\xBBt\t\t\xC3\x97\n\t\t\nTotaux\t12,00\n");
}
