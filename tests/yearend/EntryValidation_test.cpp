#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "TempDir.h"
#include "LedgerText.h"

#include "document/Fiche.h"
#include "document/YearEndCommands.h"
#include "yearend/BookEntries.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fingerprint.h"

#include <gtest/gtest.h>

// The checks before validation, the validation record in the header, the
// fingerprints at opening and the final closing.

namespace {

ReferenceData validationChart()
{
    ReferenceData ref;
    ref.ListePlc = {QStringLiteral("101000 NN Capital"), QStringLiteral("401000 NN Fournisseurs"),
                    QStringLiteral("411000 ON Clients"), QStringLiteral("512000 NO Banque"),
                    QStringLiteral("607000 NN Achats"), QStringLiteral("706000 NN Ventes")};
    ref.ListeJnx = {QStringLiteral("AC O Achats"), QStringLiteral("BQ O Banque"), QStringLiteral("VE O Ventes")};
    return ref;
}

EntryCells line(const char *date, const char *account, const char *journal, const char *voucher, const char *debit,
                const char *credit)
{
    return {date, account, "Libellé", journal, voucher, debit, credit, ""};
}

struct CheckCase {
    const char *guards;
    std::vector<EntryCells> march;
    QStringList problems;
};

class EntryChecks : public ::testing::TestWithParam<CheckCase> {};

} // namespace

TEST_P(EntryChecks, ListTheMonthTheRowAndWhatIsWrong)
{
    std::string text = kHeader2002;
    for (const EntryCells &cells : GetParam().march)
        text += entryText("200203", cells);
    const LineList lines = linesOf(text);
    const std::vector<yearend::Problem> problems =
        yearend::checkEntries(yearend::bookEntries(lines), validationChart(), {QDate(), QDate(2002, 3, 31)});
    QStringList shown;
    for (const yearend::Problem &p : problems)
        shown.append(yearend::describe(p));
    EXPECT_EQ(shown, GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Validation, EntryChecks,
    ::testing::Values(
        // A voucher's lines that balance, and a run without voucher that does.
        CheckCase{"balanced",
                  {line("05/03/2002", "411000", "VE", "F1", "120,00", ""), line("05/03/2002", "706000", "VE", "F1", "", "120,00"),
                   line("06/03/2002", "512000", "BQ", "", "50,00", ""), line("06/03/2002", "101000", "BQ", "", "", "50,00")},
                  {}},
        CheckCase{"a date that is no date",
                  {line("31/02/2002", "411000", "VE", "F1", "100,00", ""), line("05/03/2002", "706000", "VE", "F1", "", "100,00")},
                  {QStringLiteral("Mars 2002, ligne 1 : la date « 31/02/2002 » n'est pas une date (JJ/MM/AAAA)."),
                   QStringLiteral("Mars 2002, ligne 2 : l'écriture du 05/03/2002 (journal VE, pièce F1) n'est pas "
                                  "équilibrée : débit 0,00, crédit 100,00.")}},
        CheckCase{"an account and a journal missing from the lists",
                  {line("05/03/2002", "999000", "ZZ", "F1", "100,00", "100,00")},
                  {QStringLiteral("Mars 2002, ligne 1 : le compte 999000 n'existe pas dans le plan comptable."),
                   QStringLiteral("Mars 2002, ligne 1 : le journal ZZ n'existe pas dans la liste des journaux."),
                   QStringLiteral("Mars 2002, ligne 1 : l'écriture porte à la fois un débit et un crédit.")}},
        CheckCase{"an amount that is no number, a line without amount",
                  {line("05/03/2002", "411000", "VE", "F1", "abc", ""), line("05/03/2002", "706000", "VE", "F2", "", "")},
                  {QStringLiteral("Mars 2002, ligne 1 : le débit « abc » n'est pas un montant."),
                   QStringLiteral("Mars 2002, ligne 2 : l'écriture ne porte ni débit ni crédit.")}},
        // Debits of 50 and credits of 30 + 20 balance; the 10 after them does not.
        CheckCase{"a run without voucher that does not balance",
                  {line("06/03/2002", "512000", "BQ", "", "50,00", ""), line("06/03/2002", "101000", "BQ", "", "", "30,00"),
                   line("06/03/2002", "101000", "BQ", "", "", "20,00"), line("06/03/2002", "512000", "BQ", "", "10,00", "")},
                  {QStringLiteral("Mars 2002, ligne 4 : l'écriture du 06/03/2002 (journal BQ, sans pièce) n'est pas "
                                  "équilibrée : débit 10,00, crédit 0,00.")}},
        // An entry after the day validated up to is not looked at.
        CheckCase{"outside the period", {line("05/04/2002", "999000", "VE", "F1", "10,00", "")}, {}}));

namespace {

struct ValidationTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche{fake.platform};
    const QString path = dir.file(QStringLiteral("compta.jnl"));

    ValidationTest()
    {
        fake.clock.date = QDate(2002, 4, 15);
        writeBytes(path, kHeader2002 +
                             entriesText("200203", {line("05/03/2002", "411000", "VE", "F1", "120,00", ""),
                                                    line("05/03/2002", "706000", "VE", "F1", "", "120,00")}) +
                             entriesText("200204", {line("02/04/2002", "512000", "BQ", "", "10,00", "")}));
        fiche.ledger.ref = validationChart();
        fiche.Charge(path);
    }

    void validateMarch()
    {
        ASSERT_TRUE(document::validateEntries(fiche, QDate(2002, 3, 31)));
        ASSERT_TRUE(fiche.Sauve(path));
        fake.messages.clear();
    }
};

} // namespace

TEST_F(ValidationTest, IsRecordedInTheHeaderAfterTheClosingDateAndKeptBySavingAndLoading)
{
    EXPECT_EQ(document::proposedValidationDate(fiche), QDate(2002, 3, 31));
    validateMarch();
    const FiscalYear recorded = fiche.ledger.fiscalYear;
    ASSERT_EQ(recorded.validations.size(), 1u);
    const std::string file = readBytes(path);
    // The first validation gives the dossier its identity; its record is the first of the chain.
    ASSERT_EQ(recorded.dossierId.size(), 32u);
    const std::string head = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\nDossier " + recorded.dossierId +
                             " 0\r\nValidation 31/03/2002 15/04/2002 " + recorded.validations[0].fingerprint +
                             "\r\n</HEAD>\r\n";
    EXPECT_EQ(file.substr(0, head.size()), head);

    fiche.Nouveau();
    EXPECT_TRUE(fiche.ledger.fiscalYear.validations.empty());
    EXPECT_TRUE(fiche.ledger.fiscalYear.dossierId.empty());
    fiche.Charge(path);
    EXPECT_EQ(fiche.ledger.fiscalYear.validations, recorded.validations);
    EXPECT_EQ(fiche.ledger.fiscalYear.dossierId, recorded.dossierId);
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join(u'\n').toStdString();
}

TEST_F(ValidationTest, CountsTheEcrituresAndTheirLines)
{
    FiscalYear year = fiche.ledger.fiscalYear;
    const yearend::ValidationOutcome outcome =
        yearend::validateEntries(fiche.ledger.Lignes, validationChart(), year, QDate(2002, 3, 31), QDate(2002, 4, 15));
    EXPECT_EQ(outcome.validated, 1);
    EXPECT_EQ(outcome.validatedLines, 2);
    const std::tuple<int, int, QString> cases[] = {
        {0, 0, QStringLiteral("Validation jusqu'au 31/03/2002 : aucune écriture validée.")},
        {1, 1, QStringLiteral("Validation jusqu'au 31/03/2002 : 1 écriture (1 ligne) validée.")},
        {1, 2, QStringLiteral("Validation jusqu'au 31/03/2002 : 1 écriture (2 lignes) validée.")},
        {134, 395, QStringLiteral("Validation jusqu'au 31/03/2002 : 134 écritures (395 lignes) validées.")},
    };
    for (const auto &[groups, lines, message] : cases) {
        yearend::ValidationOutcome counted;
        counted.validated = groups;
        counted.validatedLines = lines;
        EXPECT_EQ(yearend::validationMessage(counted, QDate(2002, 3, 31), 10), message);
    }
}

TEST_F(ValidationTest, TheFingerprintIgnoresTheOrderOfTheLinesAndTheirAlignment)
{
    const std::vector<yearend::BookEntry> written = yearend::bookEntries(fiche.ledger.Lignes);
    const LineList moved = linesOf(kHeader2002 + entriesText("200204", {line("02/04/2002", "512000", "BQ", "", "10,00", "")}) +
                                   entriesText("200203", {line("05/03/2002", "706000", "VE", "F1", "", "     120,00"),
                                                          line("05/03/2002", "411000", "VE", "F1", "120,00", "")}));
    const yearend::Period march{QDate(), QDate(2002, 3, 31)};
    EXPECT_EQ(yearend::fingerprint(yearend::bookEntries(moved), march), yearend::fingerprint(written, march));
    EXPECT_NE(yearend::fingerprint(yearend::bookEntries(moved), {QDate(), QDate(2002, 4, 30)}),
              yearend::fingerprint(written, march));
}

TEST_F(ValidationTest, AnEntryChangedOutsideTavelinIsToldAtOpeningButACheckOffIsNot)
{
    validateMarch();
    // A check-off writes the month back: the validated lines come out as they were.
    fiche.ledger.Annee = 2002;
    fiche.ledger.Mois = 3;
    fiche.LitMois();
    fiche.ledger.monthGrid.set(0, 7, QStringLiteral("\u00D7"));
    fiche.ledger.MoisModifie = fiche.ledger.Modifie = true;
    ASSERT_TRUE(fiche.Sauve(path));
    fiche.Charge(path);
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join(u'\n').toStdString();

    std::string file = readBytes(path);
    file.replace(file.find("120,00"), 6, "920,00");
    writeBytes(path, file);
    fiche.Charge(path);
    // The register kept March's digest: the warning says where.
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox(QStringLiteral(
                                       "Des écritures validées le 15/04/2002 ont été modifiées en dehors de Tavelin, "
                                       "en Mars 2002 : le 05/03/2002, compte 411000, débit 920,00.")));
}

TEST_F(ValidationTest, ADayAlreadyValidatedOrOutsideTheYearIsRefused)
{
    validateMarch();
    EXPECT_FALSE(document::validateEntries(fiche, QDate(2002, 2, 28)));
    EXPECT_FALSE(document::validateEntries(fiche, QDate(2003, 1, 31)));
    EXPECT_EQ(fake.messages.shown, (QStringList{QStringLiteral("Les écritures jusqu'au 31/03/2002 sont validées."),
                                                QStringLiteral("La date doit être dans l'exercice, du 01/01/2002 au "
                                                               "31/12/2002.")}));
    EXPECT_EQ(fiche.ledger.fiscalYear.validations.size(), 1u);
}

TEST_F(ValidationTest, TheFinalClosingValidatesTheYearAndClosesIt)
{
    fake.clock.date = QDate(2003, 1, 15);
    fake.messages.okCancel = {true, true};
    fake.messages.yesNoCancel = {Messages::Answer::No, Messages::Answer::Yes};
    EXPECT_FALSE(document::Cloturer(fiche)); // "Non": the closing as it always was
    EXPECT_EQ(fiche.ledger.fiscalYear.closing, QDate(2002, 1, 1));
    EXPECT_TRUE(fiche.ledger.fiscalYear.validations.empty());

    // The run without voucher of April does not balance: nothing is closed.
    EXPECT_FALSE(document::Cloturer(fiche));
    EXPECT_TRUE(fake.messages.shown.last().contains(
        QStringLiteral("\n\nL'exercice n'est pas clôturé définitivement. Corrigez d'abord :\nAvril 2002, ligne 1 : "
                       "l'écriture du 02/04/2002 (journal BQ, sans pièce) n'est pas équilibrée")));

    // The balancing line keyed in April, not yet written back: it counts.
    fiche.ledger.Annee = 2002;
    fiche.ledger.Mois = 4;
    fiche.LitMois();
    keyEntry(fiche.ledger, {QStringLiteral("02/04/2002"), QStringLiteral("101000"), QStringLiteral("Apport"),
                     QStringLiteral("BQ"), {}, {}, QStringLiteral("10,00")});
    fake.messages.okCancel = {true};
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    EXPECT_TRUE(document::Cloturer(fiche));
    EXPECT_TRUE(fake.messages.shown.last().endsWith(QStringLiteral("\n\nExercice clôturé définitivement au 31/12/2002.")));
    EXPECT_EQ(fiche.ledger.fiscalYear.closing, QDate(2002, 12, 31));
    EXPECT_EQ(validation::validatedUntil(fiche.ledger.fiscalYear.validations), QDate(2002, 12, 31));
    EXPECT_EQ(document::Cloturer(fiche), false);
    EXPECT_EQ(fake.messages.shown.last(), QStringLiteral("Exercice déjà clôturé"));
}
