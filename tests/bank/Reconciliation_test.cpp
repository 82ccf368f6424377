#include "bank/Reconciliation.h"
#include "bank/ReconciliationStatement.h"
#include "ledger/MonthLines.h"
#include "ledger/Ledger.h"
#include "ledger/MonthIO.h"
#include "ledger/TextGrid.h"
#include "support/FakePlatform.h"
#include "support/StatementFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// The proposal rules, their file, and a reconciliation run on a small dossier:
// check-off and its undoing, entries posted, the reconciliation statement.

namespace {

TEST(ReconciliationRules, TheFirstRuleTheLabelHoldsGivesTheAccount)
{
    const std::vector<bank::Rule> rules{{QStringLiteral("PRLV ORANGE"), QStringLiteral("626000")},
                                        {QStringLiteral("frais"), QStringLiteral("627000")},
                                        {QStringLiteral("PRLV"), QStringLiteral("401000")}};
    const struct {
        const char16_t *label;
        const char16_t *account;
    } cases[] = {
        {u"PRLV ORANGE SA FACT 0324", u"626000"}, // the first rule met wins over a later one
        {u"Prlv Orange", u"626000"},              // case aside
        {u"FRAIS BANCAIRES", u"627000"},          // a rule typed in lower case
        {u"FRAÎS", u"627000"},                    // accents aside
        {u"PRLV EDF", u"401000"},
        {u"VIR DUPONT", u""},                     // no rule: no proposal
    };
    for (const auto &c : cases)
        EXPECT_EQ(bank::counterpartFor(rules, QString::fromUtf16(c.label)), QString::fromUtf16(c.account))
            << QString::fromUtf16(c.label).toStdString();
}

TEST(ReconciliationRules, TheFileReadsBackWhatWasSaved)
{
    QTemporaryDir dir;
    bank::ReconciliationSettings settings;
    settings.rules = {{QStringLiteral("PRLV ORANGE"), QStringLiteral("626000")},
                      {QStringLiteral("CB Café"), QStringLiteral("625100")}};
    settings.columns[QStringLiteral(";|3|jour|texte|somme")] = {0, 1, 2, -1, -1};
    settings.balances[QStringLiteral("/relev\u00E9s/mars.csv")] = -4849;
    ASSERT_EQ(bank::saveSettings(QDir(dir.path()), settings), QString());
    EXPECT_EQ(readBytes(dir.filePath(bank::kSettingsFile)),
              "[REGLES]\r\nPRLV ORANGE\t626000\r\nCB Caf\xE9\t625100\r\n[COLONNES]\r\n;|3|jour|texte|somme\t1\t2\t3\t0\t0\r\n"
              "[SOLDES]\r\n/relev\xE9s/mars.csv\t-48,49\r\n");
    bank::ReconciliationSettings read;
    ASSERT_EQ(bank::loadSettings(QDir(dir.path()), read), QString());
    EXPECT_EQ(read, settings);
}

class RecordingHost final : public bank::ReconciliationHost {
public:
    int changes = 0;
    QStringList used;
    QString printedTitle;
    void linesChanged() override { ++changes; }
    void accountsUsed(const QStringList &accounts, const QString &journal) override { used = accounts + QStringList{journal}; }
    bool printStatement(const TextGrid &, const QString &title) override
    {
        printedTitle = title;
        return true;
    }
};

class ReconciliationRun : public testing::Test {
protected:
    CurrentTempDir dir;
    FakePlatform fake;
    Ledger ledger{fake.platform};
    RecordingHost host;

    void SetUp() override
    {
        ledger.ref.ListePlc = {QStringLiteral("512000 OO Banque"), QStringLiteral("626000 NN Télécom"),
                               QStringLiteral("627000 NN Frais bancaires")};
        ledger.ref.journalItems = {QStringLiteral("BQ")};
        const char *cells[] = {"05/03/2024", "512000", "ORANGE", "BQ", "", "", "     39,99", ""};
        for (int c = 0; c < 8; ++c)
            ledger.Lignes.append(std::string("202403") + char('0' + c) + cells[c]);
        bank::Statement s;
        s.start = QDate(2024, 3, 1);
        s.end = QDate(2024, 3, 31);
        s.closingBalance = -3999 - 850;
        s.lines = {{QDate(2024, 3, 4), -3999, QStringLiteral("PRLV ORANGE"), {}},
                   {QDate(2024, 3, 15), -850, QStringLiteral("FRAIS TENUE DE COMPTE"), {}}};
        writeBytes(dir.file(QStringLiteral("releve.cfo")), statementfiles::cfonb(s));
        writeBytes(dir.file(bank::kSettingsFile), "[REGLES]\r\nFRAIS\t627000\r\n");
    }

    QString cell(int row, int column)
    {
        TextGrid grid(32, monthlines::kColumnCount);
        monthio::read(ledger.Lignes, "202403", grid);
        return grid.at(row, column).trimmed();
    }
};

TEST_F(ReconciliationRun, CheckOffMarksTheEntriesFoundAndUndoTakesTheMarksOff)
{
    bank::Reconciliation r(ledger, host);
    ASSERT_TRUE(r.open(dir.file(QStringLiteral("releve.cfo"))));
    EXPECT_EQ(r.checkOff(), 1);
    EXPECT_EQ(cell(0, 7), QStringLiteral("×"));
    EXPECT_EQ(r.matching().lines[0].status, bank::LineStatus::AlreadyCheckedOff);
    r.undoCheckOff();
    EXPECT_EQ(cell(0, 7), QString());
    EXPECT_EQ(host.changes, 2);
}

TEST_F(ReconciliationRun, AProposalConfirmedIsPostedAgainstTheBankAccount)
{
    bank::Reconciliation r(ledger, host);
    ASSERT_TRUE(r.open(dir.file(QStringLiteral("releve.cfo"))));
    ASSERT_EQ(r.proposals().size(), 1u);
    bank::Proposal &proposal = r.proposals()[0];
    EXPECT_EQ(proposal.entry.counterpart, QStringLiteral("627000"));
    EXPECT_EQ(proposal.entry.journal, QStringLiteral("BQ"));

    // A counterpart the chart lacks is refused, and nothing is posted.
    proposal.confirmed = true;
    proposal.entry.counterpart = QStringLiteral("6278");
    EXPECT_FALSE(r.postConfirmed());
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le compte 627800 n'existe pas")});
    EXPECT_EQ(cell(1, 0), QString());

    // So is a day of the validated period.
    proposal.entry.counterpart = QStringLiteral("627");
    ledger.fiscalYear.validations.push_back({QDate(2024, 3, 31), QDate(2024, 4, 2), std::string(64, '0'), {}});
    EXPECT_FALSE(r.postConfirmed());
    EXPECT_EQ(fake.messages.shown.last(), QStringLiteral("Les écritures jusqu'au 31/03/2024 sont validées : l'opération "
                                                         "du 15/03/2024 « FRAIS TENUE DE COMPTE » ne peut pas y être passée."));
    ledger.fiscalYear.validations.clear();
    ASSERT_TRUE(r.postConfirmed());
    const QStringList bankRow{cell(1, 0), cell(1, 1), cell(1, 2), cell(1, 3), cell(1, 5), cell(1, 6)};
    const QStringList counterpartRow{cell(2, 0), cell(2, 1), cell(2, 2), cell(2, 3), cell(2, 5), cell(2, 6)};
    EXPECT_EQ(bankRow, (QStringList{"15/03/2024", "512000", "FRAIS TENUE DE COMPTE", "BQ", "", "8,50"}));
    EXPECT_EQ(counterpartRow, (QStringList{"15/03/2024", "627000", "FRAIS TENUE DE COMPTE", "BQ", "8,50", ""}));
    EXPECT_EQ(host.used, (QStringList{"512000", "627000", "BQ"}));
    // The entry posted is found on the statement at once.
    EXPECT_EQ(r.matching().lines[1].status, bank::LineStatus::CheckedOff);
}

// The reconciliation statement's rows, their three cells joined by "|".
QStringList statementRows(const bank::Reconciliation &r)
{
    const TextGrid grid = r.statementGrid();
    QStringList rows;
    for (int row = 0; row < grid.rowCount(); ++row)
        rows.append(QStringList{grid.at(row, 0), grid.at(row, 1), grid.at(row, 2)}.join(u'|'));
    return rows;
}

TEST_F(ReconciliationRun, TheStatementExplainsTheDifference)
{
    bank::Reconciliation r(ledger, host);
    ASSERT_TRUE(r.open(dir.file(QStringLiteral("releve.cfo"))));
    EXPECT_EQ(statementRows(r), (QStringList{
                        "|Solde du relevé au 31/03/2024|-48,49",
                        "||",
                        "|Opérations du relevé à saisir (retranchées du solde du relevé)|",
                        "15/03/2024|FRAIS TENUE DE COMPTE|-8,50",
                        "||",
                        "|Solde du relevé rapproché|-39,99",
                        "|Solde comptable au 31/03/2024|-39,99",
                        "|L'écart est expliqué.|",
                    }));
    r.printStatement();
    EXPECT_EQ(host.printedTitle, QStringLiteral("État de rapprochement du compte 512000 au 31/03/2024"));
}

// A CSV that states no balance: the user types the statement's, the
// reconciliation is checked with it, and it is remembered for that file.
TEST_F(ReconciliationRun, ABalanceTypedForAStatementWithoutOneIsUsedAndRemembered)
{
    bank::Statement s;
    s.lines = {{QDate(2024, 3, 4), -3999, QStringLiteral("PRLV ORANGE"), {}},
               {QDate(2024, 3, 15), -850, QStringLiteral("FRAIS TENUE DE COMPTE"), {}}};
    const QString csvFile = dir.file(QStringLiteral("releve.csv"));
    writeBytes(csvFile, statementfiles::csv(s, false));
    struct Case {
        const char *typed;
        bool taken;
        QString firstRow;
        QString lastRow;
    };
    const Case cases[] = {
        {"cinquante", false, "|Solde du relevé au 15/03/2024 : le fichier ne le donne pas|",
         "|Sans le solde du relevé, l'écart ne peut pas être vérifié.|"},
        {"-48,49", true, "|Solde du relevé au 15/03/2024|-48,49", "|L'écart est expliqué.|"},
        {" -48.49 ", true, "|Solde du relevé au 15/03/2024|-48,49", "|L'écart est expliqué.|"},
        {"-50", true, "|Solde du relevé au 15/03/2024|-50,00", "|Écart non expliqué|-1,51"},
        {"", true, "|Solde du relevé au 15/03/2024 : le fichier ne le donne pas|",
         "|Sans le solde du relevé, l'écart ne peut pas être vérifié.|"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        fake.messages.shown.clear();
        {
            bank::Reconciliation r(ledger, host);
            ASSERT_TRUE(r.open(csvFile));
            EXPECT_FALSE(r.balanceStated());
            EXPECT_EQ(r.setStatementBalance(QString::fromUtf8(c.typed)), c.taken);
            EXPECT_EQ(fake.messages.shown.isEmpty(), c.taken);
        }
        // Read again, as the next time the window opens the file.
        bank::Reconciliation again(ledger, host);
        ASSERT_TRUE(again.open(csvFile));
        const QStringList rows = statementRows(again);
        EXPECT_EQ(rows.front(), c.firstRow);
        EXPECT_EQ(rows.back(), c.lastRow);
    }
    // A statement that states its balance keeps it.
    bank::Reconciliation stated(ledger, host);
    ASSERT_TRUE(stated.open(dir.file(QStringLiteral("releve.cfo"))));
    EXPECT_TRUE(stated.balanceStated());
    EXPECT_FALSE(stated.setStatementBalance(QStringLiteral("1,00")));
    EXPECT_EQ(*stated.statement().closingBalance, -4849);
}

TEST_F(ReconciliationRun, AnOpeningBalanceTheBooksDoNotHaveIsTheOpeningGap)
{
    bank::Statement s;
    s.start = QDate(2024, 3, 1);
    s.end = QDate(2024, 3, 31);
    s.openingBalance = 10000;
    s.closingBalance = 10000 - 3999 - 850;
    s.lines = {{QDate(2024, 3, 4), -3999, QStringLiteral("PRLV ORANGE"), {}},
               {QDate(2024, 3, 15), -850, QStringLiteral("FRAIS TENUE DE COMPTE"), {}}};
    writeBytes(dir.file(QStringLiteral("ouverture.cfo")), statementfiles::cfonb(s));
    bank::Reconciliation r(ledger, host);
    ASSERT_TRUE(r.open(dir.file(QStringLiteral("ouverture.cfo"))));
    EXPECT_EQ(statementRows(r), (QStringList{
                        "|Solde du relevé au 31/03/2024|51,51",
                        "||",
                        "|Écart d'ouverture (retranché du solde du relevé)|100,00",
                        "||",
                        "|Opérations du relevé à saisir (retranchées du solde du relevé)|",
                        "15/03/2024|FRAIS TENUE DE COMPTE|-8,50",
                        "||",
                        "|Solde du relevé rapproché|-39,99",
                        "|Solde comptable au 31/03/2024|-39,99",
                        "|L'écart est expliqué.|",
                    }));
}

// A card fee of the same amount every month: January's statement checks off
// January's entry; February's fee is a new operation, not January's entry
// again; January's statement read a second time finds its line checked off.
TEST_F(ReconciliationRun, AnEntryIsAlreadyCheckedOffOnlyForTheLineThatCheckedItOff)
{
    const char *cells[] = {"31/01/2024", "512000", "FRAIS CARTE", "BQ", "", "", "      3,50", ""};
    for (int c = 0; c < 8; ++c) // January's month comes before March's in the file
        ledger.Lignes.insert(std::size_t(c), std::string("202401") + char('0' + c) + cells[c]);
    ledger.NomFichier = dir.file(QStringLiteral("compta.jnl"));
    const auto monthly = [&](const QString &name, QDate start, QDate end) {
        bank::Statement s;
        s.start = start;
        s.end = end;
        s.lines = {{end, -350, QStringLiteral("FRAIS CARTE"), {}}};
        writeBytes(dir.file(name), statementfiles::cfonb(s));
        return dir.file(name);
    };
    const QString january = monthly(QStringLiteral("janvier.cfo"), QDate(2024, 1, 1), QDate(2024, 1, 31));
    const QString february = monthly(QStringLiteral("fevrier.cfo"), QDate(2024, 2, 1), QDate(2024, 2, 29));
    {
        bank::Reconciliation r(ledger, host);
        ASSERT_TRUE(r.open(january));
        EXPECT_EQ(r.matching().lines[0].status, bank::LineStatus::CheckedOff);
        EXPECT_EQ(r.checkOff(), 1);
    }
    EXPECT_EQ(readBytes(bank::checkOffRecordPath(ledger.NomFichier)),
              "512000\t31/01/2024\tFRAIS CARTE\t-3,50\t01/01/2024\t31/01/2024\t31/01/2024\tFRAIS CARTE\r\n");
    const struct {
        QString statement;
        bank::LineStatus status;
    } runs[] = {{february, bank::LineStatus::ToEnter}, {january, bank::LineStatus::AlreadyCheckedOff}};
    for (const auto &run : runs) {
        bank::Reconciliation r(ledger, host);
        ASSERT_TRUE(r.open(run.statement));
        EXPECT_EQ(r.matching().lines[0].status, run.status) << run.statement.toStdString();
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

} // namespace
