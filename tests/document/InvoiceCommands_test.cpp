#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "entry/InvoiceText.h"
#include "LedgerText.h"

#include "document/Fiche.h"
#include "document/InvoiceCommands.h"
#include "document/ReportCommands.h"

#include <gtest/gtest.h>

namespace {

Invoice sale(const QString &date, const QString &label, const QString &withTax, const QString &beforeTax,
             const QString &vatAmount)
{
    return invoiceOf(date, QStringLiteral("411000"), QStringLiteral("706000"), QStringLiteral("445700"), label, withTax,
                     beforeTax, vatAmount);
}

// A 2002 dossier on March, which holds one entry, with its chart.
struct InvoiceCommandsTest : ::testing::Test {
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        fiche.ledger.ref.ListePlc = {QStringLiteral("411000 ON Clients"), QStringLiteral("445700 NN TVA collectée"),
                              QStringLiteral("512000 ON Banque"), QStringLiteral("706000 NN Prestations")};
        fiche.ledger.ref.ListeJnx = {QStringLiteral("VE N Ventes")};
        openAt(fiche.ledger,
               kHeader2002 + entriesText("200203", {{"02/03/2002", "512000", "Apport", "BQ", "", "   500,00", "", ""}}),
               2002, 3);
        fiche.LitMois();
    }
};

} // namespace

TEST_F(InvoiceCommandsTest, InvoicesOfTheMonthShownAppearAfterItsEntries)
{
    document::postInvoices(fiche,
                           {sale("05/03/2002", "Dupont", "120,00", "100,00", "20,00"),
                            sale("01/03/2002", "Durand", "60,00", "50,00", "10,00")},
                           InvoiceKind::Customer);
    EXPECT_EQ(gridRows(fiche.ledger), (QList<QStringList>{
                                   {"02/03/2002", "512000", "Apport", "BQ", "", "500,00", "", ""},
                                   {"05/03/2002", "411000", "Dupont", "VE", "", "120,00", "", ""},
                                   {"05/03/2002", "706000", "Dupont", "VE", "", "", "100,00", ""},
                                   {"05/03/2002", "445700", "Dupont", "VE", "", "", "20,00", ""},
                                   {"01/03/2002", "411000", "Durand", "VE", "", "60,00", "", ""},
                                   {"01/03/2002", "706000", "Durand", "VE", "", "", "50,00", ""},
                                   {"01/03/2002", "445700", "Durand", "VE", "", "", "10,00", ""},
                               }));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_FALSE(fiche.ledger.MoisModifie);
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "680,00");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "180,00");
    EXPECT_EQ(fiche.ledger.ref.ListePlc[3], "706000 ON Prestations");
    EXPECT_EQ(fiche.ledger.ref.ListeJnx[0], "VE O Ventes");
}

TEST_F(InvoiceCommandsTest, AnInvoiceOfAnotherMonthGoesToItsMonthAndIntoTheBalance)
{
    document::postInvoices(fiche, {sale("10/04/2002", "Dupont", "120,00", "100,00", "20,00")},
                           InvoiceKind::Customer);
    EXPECT_EQ(fiche.ledger.NbLignes, 1) << "March is as it was";
    fiche.Suivant();
    ASSERT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 0), "10/04/2002");
    EXPECT_EQ(fiche.ledger.monthGrid.at(0, 5).trimmed(), "120,00");

    document::Balance(fiche);
    const TextGrid &balance = fiche.views.balance.grid;
    bool found = false;
    for (int r = 1; r < balance.rowCount(); ++r)
        if (balance.at(r, 0) == "411000") {
            found = true;
            EXPECT_EQ(balance.at(r, 2).trimmed(), "120,00");
        }
    EXPECT_TRUE(found);
    EXPECT_EQ(fiche.views.balance.totalDebit.trimmed(), "620,00");
}

TEST_F(InvoiceCommandsTest, EntriesKeyedBeforeTheInvoicesAreKept)
{
    keyEntry(fiche.ledger, {"03/03/2002", "512000", "Remise", "BQ", "", "30,00", "", ""});
    document::postInvoices(fiche, {sale("05/03/2002", "Dupont", "12,00", "10,00", "2,00")},
                           InvoiceKind::Supplier);
    ASSERT_EQ(fiche.ledger.NbLignes, 5);
    EXPECT_EQ(fiche.ledger.monthGrid.at(1, 2), "Remise");
    EXPECT_EQ(fiche.ledger.monthGrid.at(2, 6).trimmed(), "12,00") << "a supplier is credited";
    EXPECT_EQ(fiche.ledger.monthGrid.at(3, 5).trimmed(), "10,00");
}

TEST_F(InvoiceCommandsTest, NothingToPostLeavesTheDocumentUnmodified)
{
    document::postInvoices(fiche, {}, InvoiceKind::Customer);
    EXPECT_FALSE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
}

TEST_F(InvoiceCommandsTest, AJournalViewShownIsRebuilt)
{
    document::Journal(fiche);
    document::postInvoices(fiche, {sale("05/03/2002", "Dupont", "120,00", "100,00", "20,00")},
                           InvoiceKind::Customer);
    EXPECT_EQ(fiche.views.journal.totalDebit.trimmed(), "620,00");
}
