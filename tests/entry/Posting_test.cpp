#include "EntryFixture.h"

#include "entry/MonthOrder.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"
#include "support/TempDir.h"

using Posting = EntryFixture;

TEST_F(Posting, WritesTheLineAndClearsTheEntryLine)
{
    fiche.entry.JournalCourant = QStringLiteral("VT");
    fill(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("Facture 12"), QStringLiteral("12.5"),
         {}, QStringLiteral("VT"), QStringLiteral("F12"));
    ASSERT_TRUE(line().post());

    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(cell(0, 0), "05/03/2002");
    EXPECT_EQ(cell(0, 1), "411000");
    EXPECT_EQ(cell(0, 2), "Facture 12");
    EXPECT_EQ(cell(0, 3), "VT");
    EXPECT_EQ(cell(0, 4), "F12");
    EXPECT_EQ(cell(0, 5), forms::Rset(QStringLiteral("12,50")));
    EXPECT_TRUE(cell(0, 5).startsWith(u' ')) << "amounts are right-aligned";
    EXPECT_TRUE(cell(0, 6).isEmpty()) << "an empty amount is never 0,00";

    EXPECT_EQ(fiche.entry.DernierLibelle, "Facture 12");
    EXPECT_EQ(fiche.entry.DerniereDate, "05/03/2002");
    EXPECT_EQ(fiche.entry.panel.date, EntryPanel::kEmptyDate);
    EXPECT_TRUE(fiche.entry.panel.account.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.voucher.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.debit.isEmpty());
    EXPECT_EQ(fiche.entry.panel.journal, "VT") << "the journal stays from one line to the next";
    EXPECT_EQ(fiche.entry.focus, Focus::Date);
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_TRUE(fiche.ledger.MoisModifie);
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "12,50");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "0,00");
}

TEST_F(Posting, DatesOutsideTheFiscalYearAreRefused)
{
    ASSERT_FALSE(post(QStringLiteral("31/12/2001"), QStringLiteral("411000"), QStringLiteral("x"),
                      QStringLiteral("1")));
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Date en dehors des limites de l'exercice"));
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_EQ(fiche.entry.panel.date, "31/12/2001") << "a refused posting leaves the entry line";
    EXPECT_EQ(fiche.entry.panel.debit, "1");
    EXPECT_FALSE(fiche.ledger.Modifie);

    EXPECT_FALSE(post(QStringLiteral("01/01/2003"), QStringLiteral("411000"), QStringLiteral("x"),
                      QStringLiteral("1")));
    fiche.Premier();
    EXPECT_TRUE(post(QStringLiteral("01/01/2002"), QStringLiteral("411000"), QStringLiteral("x"),
                     QStringLiteral("1")));
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    fiche.Dernier();
    EXPECT_TRUE(post(QStringLiteral("31/12/2002"), QStringLiteral("411000"), QStringLiteral("x"),
                     QStringLiteral("1")));
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
}

TEST_F(Posting, ADateOfAnotherMonthIsRefused)
{
    EXPECT_FALSE(post(QStringLiteral("15/06/2002"), QStringLiteral("411000"), QStringLiteral("x"),
                      QStringLiteral("1")));
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("La date doit être dans le mois affiché (Mars 2002)")});
    EXPECT_EQ(fiche.entry.focus, Focus::Date);
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(Posting, AccountAndJournalAreCheckedAgainWhateverTheWayToThePosting)
{
    struct Case {
        QString account, journal, message;
        Focus focus;
    } cases[] = {
        {QStringLiteral("999"), QStringLiteral("VT"), QStringLiteral("Le compte 999000 n'existe pas"), Focus::Account},
        {QStringLiteral("411"), QStringLiteral("QQ"), QStringLiteral("Le journal QQ n'existe pas"), Focus::Journal},
    };
    for (const Case &c : cases) {
        fake.messages.shown.clear();
        fill(QStringLiteral("05/03/2002"), c.account, QStringLiteral("x"), QStringLiteral("1"), {}, c.journal);
        EXPECT_FALSE(line().post());
        EXPECT_EQ(fake.messages.shown, QStringList{c.message});
        EXPECT_EQ(fiche.entry.focus, c.focus);
        EXPECT_EQ(fiche.ledger.NbLignes, 0);
    }
    fill(QStringLiteral("05/03/2002"), QStringLiteral("401"), QStringLiteral("x"), QStringLiteral("1"));
    ASSERT_TRUE(line().post());
    EXPECT_EQ(cell(0, 1), "401000") << "a code posted before its field was left is completed";
    EXPECT_EQ(fiche.ledger.ref.ListePlc[0], "401000 ON Fournisseurs") << "and marked used";
}

TEST_F(Posting, ADateThatIsNoDateStopsSilently)
{
    for (const QString &date : {QStringLiteral("29/02/2001"), QStringLiteral("  /  /    "), QString()}) {
        EXPECT_FALSE(post(date, QStringLiteral("411000"), QStringLiteral("x"), QStringLiteral("1")));
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_EQ(fiche.entry.focus, Focus::None);
}

TEST_F(Posting, AnAmountThatIsNotANumberRefusesThePosting)
{
    struct Case {
        QString debit, credit;
        Focus focus;
    } cases[] = {
        {QStringLiteral("abc"), {}, Focus::Debit},
        {QStringLiteral("1.234.5"), {}, Focus::Debit},
        {QStringLiteral("12 ,50"), {}, Focus::Debit},
        {QStringLiteral("€12"), {}, Focus::Debit},
        {QStringLiteral("5"), QStringLiteral("douze"), Focus::Credit},
    };
    for (const Case &c : cases) {
        fake.messages.shown.clear();
        EXPECT_FALSE(post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"), c.debit,
                          c.credit));
        const QString typed = c.focus == Focus::Debit ? c.debit : c.credit;
        EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Montant invalide : ") + typed});
        EXPECT_EQ(fiche.entry.focus, c.focus);
        EXPECT_EQ(fiche.ledger.NbLignes, 0) << "nothing is posted";
        EXPECT_EQ(fiche.entry.panel.debit, c.debit) << "the entry line is left as typed";
    }
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(Posting, WithoutAnyAmountTheFocusGoesToTheDebit)
{
    EXPECT_FALSE(post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"), {}, {}));
    EXPECT_EQ(fiche.entry.focus, Focus::Debit);
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fiche.entry.panel.label, "x");
}

TEST_F(Posting, AmountsAreNormalised)
{
    struct Case {
        QString typed;
        QString stored; // trimmed
    } cases[] = {
        {QStringLiteral("12.5"), QStringLiteral("12,50")},
        {QStringLiteral("12,5"), QStringLiteral("12,50")},
        {QStringLiteral(" 1234 "), QStringLiteral("1234,00")},
        {QStringLiteral("-3.1"), QStringLiteral("-3,10")},
        {QStringLiteral(",75"), QStringLiteral("0,75")},
        {QStringLiteral("0.005"), QStringLiteral("0,01")},
        {QStringLiteral("-0,005"), QStringLiteral("-0,01")},
        {QStringLiteral("2,004"), QStringLiteral("2,00")},
        {QStringLiteral("1 200,50"), QStringLiteral("1200,50")},
        {QStringLiteral("1\u00A0200\u202F000.5"), QStringLiteral("1200000,50")},
        {QStringLiteral("12,50 €"), QStringLiteral("12,50")},
        {QStringLiteral("12€"), QStringLiteral("12,00")},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), c.typed, c.typed,
                         QStringLiteral("1")))
            << c.typed.toStdString();
    }
    for (int r = 0; r < fiche.ledger.NbLignes; ++r) {
        const auto &c = *std::find_if(std::begin(cases), std::end(cases),
                                      [&](const Case &k) { return k.typed == cell(r, 2); });
        EXPECT_EQ(cell(r, 5).trimmed(), c.stored) << c.typed.toStdString();
        EXPECT_EQ(cell(r, 5).isEmpty(), c.stored.isEmpty());
        EXPECT_EQ(cell(r, 6).trimmed(), "1,00") << "a line may carry both amounts";
    }
}

TEST_F(Posting, TheGridGrowsBeforeItsLastRowIsWritten)
{
    ASSERT_EQ(fiche.ledger.monthGrid.rowCount(), 32);
    for (int i = 0; i < 31; ++i)
        ASSERT_TRUE(post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QString::number(i),
                         QStringLiteral("1")));
    EXPECT_EQ(fiche.ledger.monthGrid.rowCount(), 32) << "row 30 is not the last row";
    ASSERT_TRUE(post(QStringLiteral("06/03/2002"), QStringLiteral("411000"), QStringLiteral("32nd"),
                     QStringLiteral("1")));
    EXPECT_EQ(fiche.ledger.monthGrid.rowCount(), 42);
    EXPECT_EQ(fiche.ledger.NbLignes, 32);
    EXPECT_EQ(cell(31, 2), "32nd");
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "32,00");
}

TEST_F(Posting, SumsAreExact)
{
    for (int i = 0; i < 10; ++i)
        post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"), QStringLiteral("0.1"),
             QStringLiteral("0,7"));
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "1,00");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "7,00");
}

TEST_F(Posting, TotalsCountRowsBeyondTheLines)
{
    post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("x"), QStringLiteral("10"));
    fiche.ledger.monthGrid.set(5, 5, QStringLiteral("   2,50"));
    fiche.ledger.monthGrid.set(6, 6, QStringLiteral("4"));
    fiche.entry.Total(fiche.ledger.monthGrid);
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "12,50");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "4,00");
}

TEST_F(Posting, LinesAreOrderedByDayWithTheExchangeProcedure)
{
    post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("a"), QStringLiteral("1"));
    post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("b"), QStringLiteral("2"));
    post(QStringLiteral("03/03/2002"), QStringLiteral("411000"), QStringLiteral("c"), QStringLiteral("3"));
    // Row 0 ("a") is exchanged with the smaller row 2 ("c"): "b" now stands
    // before "a", which a stable sort would never do.
    EXPECT_EQ(cell(0, 2), "c");
    EXPECT_EQ(cell(1, 2), "b");
    EXPECT_EQ(cell(2, 2), "a");
    EXPECT_EQ(cell(1, 5).trimmed(), "2,00") << "rows move with all their cells";
    EXPECT_EQ(cell(2, 5).trimmed(), "1,00");
}

TEST(MonthOrder, ComparesOnlyTheDayAndOnlyTheLinesCounted)
{
    TextGrid grid(32, monthlines::kColumnCount);
    const char *rows[][2] = {{"20/03/2002", "a"}, {"01/04/2002", "b"}, {"15/03/2002", "c"}, {"05/01/2002", "d"}};
    for (int r = 0; r < 4; ++r) {
        grid.set(r, 0, QString::fromLatin1(rows[r][0]));
        grid.set(r, 2, QString::fromLatin1(rows[r][1]));
        grid.set(r, 7, r == 2 ? QStringLiteral("\u00D7") : QString());
    }
    entry::Tri(grid, 3);
    EXPECT_EQ(grid.at(0, 2), "b") << "the first of April sorts before the 15th of March";
    EXPECT_EQ(grid.at(1, 2), "c");
    EXPECT_EQ(grid.at(1, 7), "\u00D7");
    EXPECT_EQ(grid.at(2, 2), "a");
    EXPECT_EQ(grid.at(3, 2), "d") << "rows past the count stay where they are";
}

TEST_F(Posting, LeavingTheEntryPageWritesTheMonthAndComingBackReadsIt)
{
    post(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("a"), QStringLiteral("1"));
    grid().modifySelected();
    fiche.showPage(Page::Journal);
    EXPECT_FALSE(fiche.ledger.MoisModifie);
    const auto march = std::count_if(fiche.ledger.Lignes.begin(), fiche.ledger.Lignes.end(),
                                     [](std::string_view l) { return l.substr(0, 6) == "200203"; });
    EXPECT_EQ(march, 8);

    fiche.Saisie();
    EXPECT_EQ(fiche.ActivePage, Page::Saisie);
    EXPECT_FALSE(fiche.entry.ModeModif) << "reading the month ends a modification";
    EXPECT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(cell(0, 2), "a");
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty());
    EXPECT_EQ(fiche.entry.focus, Focus::Date);
}

TEST_F(Posting, PastedLineBreaksNeverSplitAStoredLine)
{
    fill(QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("Facture\r\nDupont\tmars"),
         QStringLiteral("1"), {}, QStringLiteral("VT"), QStringLiteral("F\n12"));
    ASSERT_TRUE(line().post());
    EXPECT_EQ(cell(0, 2), "Facture  Dupont mars");
    EXPECT_EQ(cell(0, 4), "F 12");

    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    ASSERT_TRUE(fiche.Sauve(path));
    ASSERT_TRUE(fiche.Charge(path));
    fiche.ledger.Mois = 3;
    fiche.LitMois();
    EXPECT_FALSE(fiche.ledger.Modifie) << "no stray line was dropped on loading";
    ASSERT_EQ(fiche.ledger.NbLignes, 1);
    EXPECT_EQ(cell(0, 2), "Facture  Dupont mars") << "the label reads back whole";
    EXPECT_EQ(cell(0, 4), "F 12");
    EXPECT_EQ(cell(0, 5).trimmed(), "1,00");
}
