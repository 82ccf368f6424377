#include "FakePlatform.h"

#include "entry/InvoiceEntry.h"

#include <gtest/gtest.h>

namespace {

using F = InvoiceField;

const QStringList kChart = {
    QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("411000 ON Clients"),
    QStringLiteral("445600 NN TVA déductible"), QStringLiteral("445700 NN TVA collectée"),
    QStringLiteral("607000 NN Achats"), QStringLiteral("706000 NN Prestations"),
    QStringLiteral("707000 NN Ventes"),
};

const QStringList kJournals = {QStringLiteral("AC N Achats"), QStringLiteral("V1 N Ventes diverses"),
                                QStringLiteral("VE N Ventes")};

// A customer invoice dialog just opened (today is 15/03/2002, fiscal year
// 2002), without guides.
struct InvoiceEntryTest : ::testing::Test {
    FakePlatform fake;
    InvoiceEntry entry{InvoiceKind::Customer, fake.platform};

    InvoiceEntryTest() { entry.Init({}, QDate(2002, 1, 1), QDate(2002, 12, 31), kChart, kJournals); }

    // The user types a field's whole text.
    void type(F field, const QString &text)
    {
        entry.shown[field] = text;
        entry.edited();
    }
    void typeInvoice(const QString &date, const QString &label, const QString &withTax, const QString &beforeTax,
                     const QString &vatAmount)
    {
        type(F::Date, date);
        type(F::Label, label);
        type(F::WithTax, withTax);
        type(F::BeforeTax, beforeTax);
        type(F::VatAmount, vatAmount);
    }
    std::vector<Invoice> result() const
    {
        std::vector<Invoice> invoices;
        entry.Result(invoices);
        return invoices;
    }
    std::vector<QString> labels() const
    {
        std::vector<QString> out;
        for (const Invoice &i : result())
            out.push_back(i[F::Label]);
        return out;
    }
};

} // namespace

TEST_F(InvoiceEntryTest, OpensOnANewInvoiceWithTodayAndTheFixedValuesOnBothSides)
{
    for (const InvoiceKind kind : {InvoiceKind::Customer, InvoiceKind::Supplier}) {
        InvoiceEntry e(kind, fake.platform);
        e.Init({}, QDate(2002, 1, 1), QDate(2002, 12, 31), kChart, kJournals);
        EXPECT_EQ(e.shown[F::Date], "15/03/2002");
        EXPECT_EQ(e.shown[F::Journal], "V1");
        EXPECT_EQ(e.shown[F::Counterparty], "411000");
        EXPECT_EQ(e.shown[F::Revenue], "607000");
        EXPECT_EQ(e.shown[F::Vat], "445700");
        EXPECT_TRUE(e.shown[F::Label].isEmpty());
        EXPECT_TRUE(e.shown[F::WithTax].isEmpty());
        EXPECT_EQ(e.focus, F::Date);
        EXPECT_EQ(e.position(), 0);
        EXPECT_EQ(e.count(), 1);
        EXPECT_FALSE(e.changed) << "nothing typed yet";
    }
}

TEST_F(InvoiceEntryTest, NewInvoicesProposeTheGuidesAndFallBackFieldByField)
{
    entry.Init({QStringLiteral("VE"), QStringLiteral("411100"), QStringLiteral(""), QStringLiteral("445710")},
               QDate(2002, 1, 1), QDate(2002, 12, 31), kChart, kJournals);
    EXPECT_EQ(entry.shown[F::Journal], "VE");
    EXPECT_EQ(entry.shown[F::Counterparty], "411100");
    EXPECT_EQ(entry.shown[F::Revenue], "607000") << "an empty guide falls back";
    EXPECT_EQ(entry.shown[F::Vat], "445710");

    typeInvoice("05/03/2002", "Dupont", "120", "100", "20");
    type(F::Journal, QStringLiteral("VX"));
    entry.newInvoice();
    EXPECT_EQ(entry.shown[F::Journal], "VE") << "each new invoice starts from the guides";
    EXPECT_EQ(entry.shown[F::Date], "15/03/2002");
    EXPECT_TRUE(entry.shown[F::Label].isEmpty());
    EXPECT_EQ(entry.position(), 1);
    EXPECT_EQ(entry.count(), 2);
}

TEST_F(InvoiceEntryTest, ClosingWithNothingTypedGivesNothing)
{
    entry.newInvoice();
    entry.newInvoice();
    EXPECT_TRUE(entry.close());
    EXPECT_TRUE(result().empty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(InvoiceEntryTest, ClosingWithoutPostingAsksOnlyWhenInvoicesWouldBeLost)
{
    struct Case {
        bool typed;
        std::deque<bool> answers;
        bool closes;
        QStringList asked;
    } const cases[] = {
        {false, {}, true, {}},
        {true, {true}, true, {"Abandonner les factures non enregistrées ?"}},
        {true, {false}, false, {"Abandonner les factures non enregistrées ?"}},
    };
    for (const Case &c : cases) {
        InvoiceEntry e(InvoiceKind::Customer, fake.platform);
        e.Init({}, QDate(2002, 1, 1), QDate(2002, 12, 31), kChart, kJournals, QDate(2002, 3, 31));
        if (c.typed) {
            e.shown[F::Label] = QStringLiteral("Dupont");
            e.edited();
        }
        fake.messages.clear();
        fake.messages.okCancel = c.answers;

        EXPECT_EQ(e.closeWithoutPosting(), c.closes);
        EXPECT_EQ(fake.messages.shown, c.asked);
        std::vector<Invoice> invoices;
        e.Result(invoices);
        EXPECT_EQ(invoices.size(), c.closes ? 0U : 1U) << "dropped only when closing";
    }
}

TEST_F(InvoiceEntryTest, TwoInvoicesComeBackInTheOrderTyped)
{
    typeInvoice("05/03/2002", "Dupont", "120", "100", "20");
    entry.newInvoice();
    typeInvoice("06/03/2002", "Durand", "60", "50", "10");
    ASSERT_TRUE(entry.close());
    const std::vector<Invoice> invoices = result();
    ASSERT_EQ(invoices.size(), 2u);
    EXPECT_EQ(invoices[0][F::Label], "Dupont");
    EXPECT_EQ(invoices[0][F::WithTax], "120,00") << "closing formats what was typed";
    EXPECT_EQ(invoices[0][F::Counterparty], "411000");
    EXPECT_EQ(invoices[1][F::Date], "06/03/2002");
    EXPECT_EQ(invoices[1][F::VatAmount], "10,00");
}

TEST_F(InvoiceEntryTest, PreviousAndNextStoreTheInvoiceShownAndStopAtTheEnds)
{
    typeInvoice("05/03/2002", "Dupont", "120", "100", "20");
    entry.newInvoice();
    typeInvoice("06/03/2002", "Durand", "60", "50", "10");
    entry.previous();
    EXPECT_EQ(entry.position(), 0);
    EXPECT_EQ(entry.shown[F::Label], "Dupont");
    EXPECT_FALSE(entry.changed);
    entry.previous();
    EXPECT_EQ(entry.position(), 0);

    type(F::Label, QStringLiteral("Dupont et fils"));
    entry.next();
    EXPECT_EQ(entry.shown[F::Label], "Durand");
    entry.next();
    EXPECT_EQ(entry.position(), 1) << "no further than the last invoice";
    ASSERT_TRUE(entry.close());
    EXPECT_EQ(labels(), (std::vector<QString>{"Dupont et fils", "Durand"}));
}

TEST_F(InvoiceEntryTest, AJournalChangedAloneIsKept)
{
    typeInvoice("05/03/2002", "Dupont", "120", "100", "20");
    entry.newInvoice();
    entry.previous();
    type(F::Journal, QStringLiteral("VE"));
    entry.next();
    entry.previous();
    EXPECT_EQ(entry.shown[F::Journal], "VE");
}

TEST_F(InvoiceEntryTest, AnInvoiceEmptiedByTheUserIsDropped)
{
    typeInvoice("05/03/2002", "Dupont", "120", "100", "20");
    entry.newInvoice();
    typeInvoice("  /  /    ", "", "", "", "");
    ASSERT_TRUE(entry.close());
    EXPECT_EQ(labels(), std::vector<QString>{"Dupont"});
}

TEST_F(InvoiceEntryTest, TotalsLeftAreFormattedWhenTheyAreNumbers)
{
    const std::pair<QString, QString> cases[] = {
        {"100", "100,00"}, {"12.5", "12,50"}, {"12,5", "12,50"}, {"0", "0,00"},
        {"1 234,5", "1234,50"}, {"", ""}, {"abc", "abc"}, {"1.2.3", "1.2.3"},
    };
    for (F field : {F::WithTax, F::BeforeTax, F::VatAmount}) {
        for (const auto &[typed, shown] : cases) {
            type(field, typed);
            EXPECT_TRUE(entry.fieldLeft(field));
            EXPECT_EQ(entry.shown[field], shown) << typed.toStdString();
        }
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(InvoiceEntryTest, AccountsLeftAreCompletedAndCheckedAgainstTheChart)
{
    for (F field : {F::Counterparty, F::Revenue, F::Vat}) {
        fake.messages.clear();
        entry.focus.reset();
        type(field, QStringLiteral("4457"));
        EXPECT_TRUE(entry.fieldLeft(field));
        EXPECT_EQ(entry.shown[field], "445700");

        type(field, QStringLiteral("99"));
        EXPECT_FALSE(entry.fieldLeft(field));
        EXPECT_EQ(entry.shown[field], "990000");
        EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le compte 990000 n'existe pas"));
        EXPECT_EQ(entry.focus, field);

        type(field, QString());
        EXPECT_TRUE(entry.fieldLeft(field));
    }
}

TEST_F(InvoiceEntryTest, DateLeftEmptyTakesTodayAndOutsideTheYearIsRefused)
{
    entry.focus.reset();
    type(F::Date, QStringLiteral("  /  /    "));
    EXPECT_TRUE(entry.fieldLeft(F::Date));
    EXPECT_EQ(entry.shown[F::Date], "15/03/2002");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    for (const QString &date : {QStringLiteral("31/12/2001"), QStringLiteral("01/01/2003")}) {
        fake.messages.clear();
        entry.focus.reset();
        type(F::Date, date);
        EXPECT_FALSE(entry.fieldLeft(F::Date));
        EXPECT_EQ(entry.shown[F::Date], date);
        EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Date en dehors des limites de l'exercice"));
        EXPECT_EQ(entry.focus, F::Date);
    }

    fake.messages.clear();
    for (const QString &date : {QStringLiteral("32/03/2002"), QStringLiteral("05/  /2002"), QStringLiteral("01/01/2002"),
                               QStringLiteral("31/12/2002")}) {
        type(F::Date, date);
        EXPECT_TRUE(entry.fieldLeft(F::Date));
        EXPECT_EQ(entry.shown[F::Date], date) << "left as typed";
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(InvoiceEntryTest, AJournalLeftMustBeInTheList)
{
    type(F::Journal, QStringLiteral("VX"));
    EXPECT_FALSE(entry.fieldLeft(F::Journal));
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le journal VX n'existe pas"));
    EXPECT_EQ(entry.focus, F::Journal);
    // A journal of the list, or none at all, as on the entry line.
    for (const QString &accepted : {QStringLiteral("VE"), QString()}) {
        type(F::Journal, accepted);
        EXPECT_TRUE(entry.fieldLeft(F::Journal)) << accepted.toStdString();
    }
}

TEST_F(InvoiceEntryTest, TheTotalWithTaxTakesDigitsAndSeparatorsOnly)
{
    for (QChar c : QStringLiteral("0123456789,."))
        EXPECT_TRUE(InvoiceEntry::withTaxAccepts(c)) << c.toLatin1();
    for (QChar c : QStringLiteral("a-+ €e"))
        EXPECT_FALSE(InvoiceEntry::withTaxAccepts(c)) << int(c.unicode());
}

TEST_F(InvoiceEntryTest, FermerRefusesWhatCannotBePostedAndShowsTheInvoice)
{
    struct Case {
        F field;
        QString typed;
        QString message;
    } const cases[] = {
        {F::Date, "  /  /    ", "Facture 2 : date invalide"},
        {F::Date, "31/02/2002", "Facture 2 : date invalide"},
        {F::Date, "05/03/02  ", "Facture 2 : date invalide"},
        {F::Date, "20/12/2001", "Facture 2 : date en dehors des limites de l'exercice"},
        {F::Journal, "V9", "Facture 2 : le journal V9 n'existe pas"},
        {F::Counterparty, "999", "Facture 2 : le compte 999000 n'existe pas"},
        {F::Revenue, "", "Facture 2 : le champ Vente est vide"},
        {F::Vat, "4", "Facture 2 : le compte 400000 n'existe pas"},
        {F::WithTax, "1.2.3", "Facture 2 : total TTC invalide"},
        {F::BeforeTax, "cent", "Facture 2 : total HT invalide"},
        {F::VatAmount, "20 euros", "Facture 2 : total TVA invalide"},
    };
    for (const Case &c : cases) {
        InvoiceEntry e(InvoiceKind::Customer, fake.platform);
        e.Init({}, QDate(2002, 1, 1), QDate(2002, 12, 31), kChart, kJournals);
        const auto typeIn = [&e](F field, const QString &text) {
            e.shown[field] = text;
            e.edited();
        };
        typeIn(F::Label, QStringLiteral("Dupont"));
        typeIn(F::WithTax, QStringLiteral("120"));
        typeIn(F::BeforeTax, QStringLiteral("100"));
        typeIn(F::VatAmount, QStringLiteral("20"));
        e.newInvoice();
        typeIn(F::Label, QStringLiteral("Durand"));
        typeIn(F::WithTax, QStringLiteral("12"));
        typeIn(F::BeforeTax, QStringLiteral("10"));
        typeIn(F::VatAmount, QStringLiteral("2"));
        typeIn(c.field, c.typed);
        e.previous();
        fake.messages.clear();
        e.focus.reset();

        EXPECT_FALSE(e.close()) << c.message.toStdString();
        EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox(c.message));
        EXPECT_EQ(e.position(), 1);
        EXPECT_EQ(e.shown[F::Label], "Durand") << "the faulty invoice is shown";
        EXPECT_EQ(e.focus, c.field);
        EXPECT_EQ(e.count(), 2) << "nothing is lost";
    }
}

TEST_F(InvoiceEntryTest, AnInvoiceWithoutAnyAmountIsRefused)
{
    type(F::Label, QStringLiteral("Dupont"));
    EXPECT_FALSE(entry.close());
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Facture 1 : aucun montant"));
    EXPECT_EQ(entry.focus, F::WithTax);
}

TEST_F(InvoiceEntryTest, AnUnbalancedInvoiceIsPostedOnlyWhenTheUserSaysSo)
{
    const QString question =
        QStringLiteral("Facture 1 : le total TTC n'est pas égal à HT + TVA. L'enregistrer quand même ?");
    typeInvoice("05/03/2002", "Dupont", "120", "100", "10");
    entry.newInvoice();
    typeInvoice("06/03/2002", "Durand", "60", "50", "10");

    for (Messages::Answer no : {Messages::Answer::No, Messages::Answer::Cancel}) {
        fake.messages.clear();
        fake.messages.yesNoCancel = {no};
        EXPECT_FALSE(entry.close());
        EXPECT_EQ(fake.messages.boxes,
                  (std::vector<FakeMessages::Shown>{{FakeMessages::Box::WarningYesNoCancel, question}}));
        EXPECT_EQ(entry.position(), 0);
        EXPECT_EQ(entry.focus, F::WithTax);
    }

    fake.messages.clear();
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    EXPECT_TRUE(entry.close());
    EXPECT_EQ(labels(), (std::vector<QString>{"Dupont", "Durand"}));
    EXPECT_EQ(result()[0][F::VatAmount], "10,00") << "posted as typed";

    fake.messages.clear();
    EXPECT_TRUE(entry.close()) << "asked once";
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    entry.previous();
    type(F::WithTax, QStringLiteral("130"));
    entry.next();
    fake.messages.yesNoCancel = {Messages::Answer::No};
    EXPECT_FALSE(entry.close()) << "changed since: asked again";
}

TEST_F(InvoiceEntryTest, EmptyTotalsCountAsZeroInTheBalance)
{
    typeInvoice("05/03/2002", "Exonéré", "100", "100", "");
    EXPECT_TRUE(entry.close());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(InvoiceEntryTest, TrouveLooksForTheCodeInTheChart)
{
    EXPECT_TRUE(entry.Trouve(QStringLiteral("411000")));
    EXPECT_FALSE(entry.Trouve(QStringLiteral("4457"))) << "a code is looked for as completed";
    EXPECT_FALSE(entry.Trouve(QStringLiteral("512000")));
}
