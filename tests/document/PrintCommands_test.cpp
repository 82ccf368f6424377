#include "FakeEnvelopeDialog.h"
#include "FakePlatform.h"
#include "LedgerText.h"

#include "document/Fiche.h"
#include "document/PrintCommands.h"
#include "document/ReportCommands.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct PrintCommandsTest : ::testing::Test {
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        fiche.ledger.ref.ListeJnx = {QStringLiteral("VE O Ventes")};
        fiche.ledger.ref.ListePlc = {QStringLiteral("411000 ON Clients"), QStringLiteral("707000 ON Ventes")};
        fiche.ledger.InitPlc();
        fiche.ledger.InitJnx();
        fiche.ledger.Lignes = linesOf(kHeader2002 +
                               entriesText("200203", {{"05/03/2002", "411000", "Facture Dupont", "VE", "F1", "   100,00", "", ""},
                                                      {"05/03/2002", "707000", "Facture Dupont", "VE", "F1", "", "   100,00", ""}}));
        fiche.LitMois();
    }

    bool wrote(const QString &text) const
    {
        const std::vector<QString> texts = fake.printer.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(PrintCommandsTest, EachPagePrintsItsOwnFormFromWhatItShows)
{
    struct Case {
        const char *page;
        std::function<void(Fiche &)> open;
        QString title;
        QString row; // a text of the page's rows
    };
    const std::vector<Case> cases{
        {"entry page", [](Fiche &) {}, QStringLiteral("Journal de Mars 2002"), QStringLiteral("Facture Dupont")},
        {"journal", document::Journal, QStringLiteral("Journal de Mars 2002"), QStringLiteral("Facture Dupont")},
        {"general ledger",
         [](Fiche &f) {
             document::Comptes(f);
             f.views.generalLedger.filter = QStringLiteral("411000");
             document::LitCpt(f);
         },
         QStringLiteral("Grand Livre de Mars 2002  Compte 411000  Clients"), QStringLiteral("Facture Dupont")},
        {"general journal", document::General, QStringLiteral("Journal Général de Mars 2002  Journal Tous  "),
         QStringLiteral("Ventes")},
        {"balance", document::Balance, QStringLiteral("Balance du 01/01/2002  au 31/12/2002"), QStringLiteral("Clients")},
        {"income statement", document::Resultat, QStringLiteral("Résultat du"), QStringLiteral("Ventes")},
        {"balance sheet", document::Bilan, QStringLiteral("Bilan au"), QStringLiteral("Créances")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        fake.printer.calls.clear();
        c.open(fiche);
        document::Imprimer(fiche, fake.printer);
        ASSERT_FALSE(fake.printer.texts().empty());
        EXPECT_EQ(fake.printer.texts().front(), c.title);
        EXPECT_TRUE(wrote(c.row));
        EXPECT_EQ(fake.printer.calls.back().op, RecordingPrinter::Op::End);
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PrintCommandsTest, TheBalanceSheetPrintsItsFiguresInTheStatementFrame)
{
    document::Bilan(fiche);
    document::Imprimer(fiche, fake.printer);
    EXPECT_EQ(fake.printer.count(RecordingPrinter::Op::Rectangle), 1);
    EXPECT_TRUE(wrote(QStringLiteral("TOTAL GÉNÉRAL I+II+III")));
    EXPECT_TRUE(wrote(QStringLiteral("100,00")));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PrintCommandsTest, APrinterThatRefusesTheJobIsToldToTheUser)
{
    fake.printer.refuseBegin = true;
    document::Imprimer(fiche, fake.printer);
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante "
                                                              "choisie (menu Fichier, Configurer imprimante).")});
}

TEST_F(PrintCommandsTest, TheEnvelopeOffersTheLetterheadAndPrintsOnTheApplicationPrinter)
{
    fiche.ledger.ref.Societe = {QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"), QStringLiteral("75011 Paris"),
                         QString(), QStringLiteral("Siret 123"), QString(), QString()};
    FakeEnvelopeDialog dialog;
    dialog.answer = printing::EnvelopeAddresses{
        {QStringLiteral("Cabinet Martin"), QString(), QString(), QStringLiteral("69006 Lyon")},
        {QStringLiteral("SARL Dupont"), QStringLiteral("12 rue des Lilas"), QStringLiteral("75011 Paris"), QString()}};

    document::Enveloppe(fiche, dialog);

    ASSERT_EQ(dialog.offered.size(), 1u);
    EXPECT_EQ(dialog.offered[0][2], QStringLiteral("75011 Paris"));
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Insérez une enveloppe dans l'imprimante")});
    EXPECT_TRUE(wrote(QStringLiteral("Cabinet Martin")));
    EXPECT_TRUE(wrote(QStringLiteral("69006 Lyon")));
    EXPECT_EQ(fiche.ledger.ref.Societe[0], QStringLiteral("SARL Dupont"));
}

} // namespace
