#include "EInvoiceFiles.h"
#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "TempDir.h"

#include "document/Fiche.h"
#include "document/ReceivedInvoiceCommands.h"
#include "einvoice/ReceptionWindow.h"

#include <gtest/gtest.h>

using namespace einvoicefiles;

namespace {

const std::string kHeader2026 = "<HEAD>\r\n01/01/2026\r\n31/12/2026\r\n01/01/2026\r\n</HEAD>\r\n";

// A window that books every invoice it is given, as "Comptabiliser" would.
class BookingWindow final : public einvoice::ReceptionWindow {
public:
    QStringList files;
    QStringList statuses;
    void receive(einvoice::Reception &reception) override
    {
        for (const QString &file : files) {
            einvoice::ReceivedInvoice &received = reception.add(file);
            QString warning;
            if (reception.book(received, einvoice::Reception::Learning::On, warning))
                reception.keepVoucher(received);
            statuses << received.statusText();
        }
    }
};

struct ReceivedInvoicesTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        fiche.ledger.ref.ListePlc = {"401000 NN Fournisseurs", "445660 NN TVA déductible", "607000 NN Achats"};
        fiche.ledger.ref.ListeJnx = {"HA N Achats"};
        fiche.ledger.ref.JournalAchat = "HA";
        fiche.ledger.ref.CompteFour = "401000";
        fiche.ledger.ref.CompteAchat = "607000";
        openAt(fiche.ledger, kHeader2026, 2026, 3);
        fiche.ledger.NomFichier = dir.file("compta.jnl");
        fiche.LitMois();
        writeBytes(dir.file("papier.xml"), ciiXml(Draft()));
    }
};

} // namespace

TEST_F(ReceivedInvoicesTest, BookedIntoTheMonthOfItsDateWithTheFileKeptAndTheRuleLearned)
{
    BookingWindow window;
    window.files = {dir.file("papier.xml"), dir.file("papier.xml")};
    document::receiveInvoices(fiche, window);
    EXPECT_EQ(window.statuses, (QStringList{"Comptabilisée",
                                            "Refusée : facture déjà comptabilisée (Papeterie Martin, numéro F2026-001)"}));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(gridRows(fiche.ledger),
              (QList<QStringList>{{"15/03/2026", "607000", "Papeterie Martin", "HA", "F2026-001", "100,00", "", ""},
                                  {"15/03/2026", "445660", "Papeterie Martin", "HA", "F2026-001", "20,00", "", ""},
                                  {"15/03/2026", "401000", "Papeterie Martin", "HA", "F2026-001", "", "120,00", ""}}));
    EXPECT_EQ(readBytes(dir.file("compta.pieces/2026-03/papier.xml")), readBytes(dir.file("papier.xml")));
    EXPECT_TRUE(QString::fromStdString(readBytes(dir.file("Tavelin.fou"))).endsWith("siren:123456782\t401000\t607000\n"));
}

TEST_F(ReceivedInvoicesTest, RefusedByThePostingChecks)
{
    const struct {
        const char *guards;
        std::function<void(Fiche &, Draft &)> change;
        QString status;
    } cases[] = {
        {"outside the fiscal year", [](Fiche &, Draft &s) { s.date = "2027-01-05"; },
         "Refusée : date en dehors des limites de l'exercice"},
        {"in the validated period", [](Fiche &f, Draft &) { f.ledger.fiscalYear.closing = QDate(2026, 3, 31); },
         "Refusée : les écritures jusqu'au 31/03/2026 sont validées"},
        {"an account missing from the chart", [](Fiche &f, Draft &) { f.ledger.ref.ListePlc.removeAt(1); },
         "Refusée : le compte 445660 n'existe pas"},
    };
    for (const auto &c : cases) {
        SetUp();
        Draft draft;
        c.change(fiche, draft);
        writeBytes(dir.file("papier.xml"), ciiXml(draft));
        BookingWindow window;
        window.files = {dir.file("papier.xml")};
        document::receiveInvoices(fiche, window);
        EXPECT_EQ(window.statuses, QStringList{c.status}) << c.guards;
        EXPECT_EQ(fiche.ledger.NbLignes, 0) << c.guards;
    }
}

TEST_F(ReceivedInvoicesTest, UndoTakesBackTheLinesAndTheKeptCopy)
{
    document::ReceptionOnDocument host(fiche);
    einvoice::Reception reception(fiche.ledger, host);
    einvoice::ReceivedInvoice &received = reception.add(dir.file("papier.xml"));
    QString warning;
    ASSERT_TRUE(reception.book(received, einvoice::Reception::Learning::Off, warning));
    EXPECT_EQ(reception.keepVoucher(received), "");
    const std::size_t posted = fiche.ledger.Lignes.size();
    ASSERT_TRUE(reception.undo());
    EXPECT_EQ(fiche.ledger.Lignes.size(), posted - 3 * 8);
    EXPECT_FALSE(QFile::exists(dir.file("compta.pieces/2026-03/papier.xml")));
    EXPECT_EQ(received.statusText(), "À comptabiliser");
    EXPECT_FALSE(reception.undo());
    EXPECT_FALSE(QFile::exists(dir.file("Tavelin.fou"))) << "nothing learned without the user's confirmation";
}
