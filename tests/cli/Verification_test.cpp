#include "cli/Cli.h"
#include "cli/VerificationReport.h"

#include "ledger/LedgerFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace yearend;
using cli::formatVerification;

namespace {

const std::string kHeader = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";

struct Cells {
    std::string date{}, account{}, label = "Libellé", journal = "VE", voucher = "P1", debit{}, credit{}, mark{};
};

std::string entry(const std::string &key, const Cells &c)
{
    const std::string cells[8] = {c.date, c.account, c.label, c.journal, c.voucher, c.debit, c.credit, c.mark};
    std::string out;
    for (int i = 0; i < 8; ++i)
        out += key + char('0' + i) + cells[i] + "\r\n";
    return out;
}

struct VerificationTest : ::testing::Test {
    ReferenceData ref;
    LineList lines;

    VerificationTest()
    {
        ref.ListePlc = {QStringLiteral("411000 ON Clients"), QStringLiteral("512000 OO Banque"),
                        QStringLiteral("706000 NN Ventes")};
        ref.ListeJnx = {QStringLiteral("VE O Ventes"), QStringLiteral("BQ N Banque")};
    }

    Verification verify(const std::string &bytes)
    {
        lines = ledgerfile::parse(std::make_unique<std::string>(bytes));
        return verifyLedger(lines, ref);
    }
};

bool hasFinding(const Verification &v, int month, int entry, std::size_t line, const QString &start)
{
    for (const Finding &f : v.findings)
        if (f.month == month && f.entry == entry && f.fileLine == line && f.text.startsWith(start))
            return true;
    return false;
}

} // namespace

TEST_F(VerificationTest, ABalancedFileHasNothingToReport)
{
    const Verification v = verify(kHeader +
                                  entry("200203", {.date = "05/03/2002", .account = "411000", .debit = "      1200,50"}) +
                                  entry("200203", {.date = "05/03/2002", .account = "706000", .credit = "1000,25"}) +
                                  entry("200203", {.date = "06/03/2002", .account = "706000", .journal = "", .credit = "200,25"}));
    EXPECT_TRUE(v.findings.empty()) << v.findings.front().text.toStdString();
    ASSERT_EQ(v.months.size(), 1u);
    EXPECT_EQ(v.months[0].month, 200203);
    EXPECT_EQ(v.months[0].debit.value(), 120050);
    EXPECT_EQ(v.months[0].credit.value(), 120050);
    EXPECT_EQ(v.anomalies(), 0);
    EXPECT_NE(formatVerification(v).find("Aucune anomalie."), std::string::npos);
}

TEST_F(VerificationTest, DatesAreCheckedAgainstTheirShapeTheYearAndTheMonth)
{
    // Lines 1-5 are the header; each entry takes eight lines.
    const Verification v = verify(kHeader +
                                  entry("200203", {.date = "31/02/2002", .account = "411000", .debit = "1,00"}) + // line 6
                                  entry("200203", {.date = "5/3/2002", .account = "411000", .debit = "1,00"}) +   // line 14
                                  entry("200203", {.date = "15/04/2002", .account = "411000", .debit = "1,00"}) + // line 22
                                  entry("200203", {.date = "15/03/2003", .account = "411000", .debit = "1,00"}) + // line 30
                                  entry("200203", {.date = "", .account = "411000", .debit = "1,00"}));           // line 38
    EXPECT_TRUE(hasFinding(v, 200203, 1, 6, QStringLiteral("la date « 31/02/2002 » n'est pas une date valide")));
    EXPECT_TRUE(hasFinding(v, 200203, 2, 14, QStringLiteral("la date « 5/3/2002 » n'est pas une date valide")));
    EXPECT_TRUE(hasFinding(v, 200203, 3, 22, QStringLiteral("la date 15/04/2002 n'est pas dans le mois de Mars 2002")));
    EXPECT_FALSE(hasFinding(v, 200203, 3, 22, QStringLiteral("la date 15/04/2002 est en dehors")));
    EXPECT_TRUE(hasFinding(v, 200203, 4, 30,
                           QStringLiteral("la date 15/03/2003 est en dehors de l'exercice (du 01/01/2002 au 31/12/2002)")));
    EXPECT_TRUE(hasFinding(v, 200203, 4, 30, QStringLiteral("la date 15/03/2003 n'est pas dans le mois")));
    // The entry stays in the month grid; only the statements over dates leave it out.
    EXPECT_TRUE(hasFinding(v, 200203, 5, 38,
                           QStringLiteral("la date est vide : ni la balance ni le compte de résultat ne comptent")));
    EXPECT_EQ(v.findings.size(), 6u);
}

TEST_F(VerificationTest, AmountsAccountsAndJournalsPointAtTheirOwnLine)
{
    const Verification v = verify(kHeader +
                                  entry("200204", {.date = "02/04/2002", .account = "999000", .journal = "ZZ", .debit = "12.50"}) +
                                  entry("200204", {.date = "03/04/2002", .account = "", .credit = "abc"}) +
                                  entry("200204", {.date = "03/04/2002", .account = "411", .debit = "+3", .credit = ",5"}));
    EXPECT_TRUE(hasFinding(v, 200204, 1, 7, QStringLiteral("le compte 999000 n'existe pas dans le plan comptable")));
    EXPECT_TRUE(hasFinding(v, 200204, 1, 9, QStringLiteral("le journal ZZ n'existe pas dans la liste des journaux")));
    EXPECT_TRUE(hasFinding(v, 200204, 1, 11, QStringLiteral("le débit « 12.50 » n'est pas un montant")));
    EXPECT_TRUE(hasFinding(v, 200204, 2, 14, QStringLiteral("l'écriture n'a pas de compte")));
    EXPECT_TRUE(hasFinding(v, 200204, 2, 20, QStringLiteral("le crédit « abc » n'est pas un montant")));
    // A short code is not the chart's code, even though a prefix search would find it.
    EXPECT_TRUE(hasFinding(v, 200204, 3, 23, QStringLiteral("le compte 411 n'existe pas")));
    EXPECT_EQ(v.findings.size(), 6u);
    // Amounts that are not numbers count as nothing; the others are added exactly.
    EXPECT_EQ(v.months[0].debit.value(), 300);
    EXPECT_EQ(v.months[0].credit.value(), 50);
}

TEST_F(VerificationTest, LinesNoReaderUnderstandsAreListed)
{
    const Verification v = verify(kHeader +
                                  entry("200205", {.date = "02/05/2002", .account = "411000", .debit = "5,00", .credit = "5,00"}) +
                                  "2002058texte importé\r\n"  // 14
                                  "200205X1,00\r\n"           // 15
                                  "200205\r\n"                // 16
                                  "bonjour tout le monde\r\n" // 17
                                  "200213000/00/0000\r\n"     // 18
                                  "\r\n"                      // 19
                                  "0\r\n");                   // 20
    EXPECT_TRUE(hasFinding(v, 200205, 1, 14, QStringLiteral("colonne 8 : « texte import")));
    EXPECT_TRUE(hasFinding(v, 200205, 1, 15, QStringLiteral("le caractère « X » après le mois")));
    EXPECT_TRUE(hasFinding(v, 200205, 1, 16, QStringLiteral("ligne sans numéro de colonne")));
    EXPECT_TRUE(hasFinding(v, 0, 0, 17, QStringLiteral("ligne illisible « bonjour tout le monde »")));
    // Six digits that are no month: the statements still count the line.
    EXPECT_TRUE(hasFinding(v, 0, 0, 18, QStringLiteral("ligne rangée sous « 200213 », qui n'est pas un mois : les états "
                                                       "la comptent, aucun mois ne la montre.")));
    EXPECT_TRUE(hasFinding(v, 0, 0, 19, QStringLiteral("ligne vide ou trop courte")));
    EXPECT_TRUE(hasFinding(v, 0, 0, 20, QStringLiteral("ligne vide ou trop courte « 0 »")));
    EXPECT_EQ(v.findings.size(), 7u);
    EXPECT_EQ(v.months[0].debit.value(), 500); // the unread lines add nothing
}

TEST_F(VerificationTest, AMonthIsReadAcrossTheFileLikeTheEntryGrid)
{
    // March in two blocks around an April entry, a debit line before March's
    // first date, and a first entry written without amount lines (as invoice
    // entry writes only the columns it fills).
    const Verification v = verify(kHeader +
                                  "2002035     7,00\r\n"        // 6
                                  "200203001/03/2002\r\n"       // 7
                                  "2002031411000\r\n"           // 8
                                  "2002032Vente comptoir\r\n" + // 9
                                  entry("200204", {.date = "01/04/2002", .account = "411000", .debit = "2,00", .credit = "2,00"}) +
                                  entry("200203", {.date = "02/03/2002", .account = "999000", .credit = "7,00"}));
    EXPECT_TRUE(hasFinding(v, 200203, 0, 6, QStringLiteral("cette ligne précède la première date du mois")));
    // The second March entry is March's second row, whatever stands between.
    EXPECT_TRUE(hasFinding(v, 200203, 2, 19, QStringLiteral("le compte 999000")));
    EXPECT_EQ(v.findings.size(), 2u);
    ASSERT_EQ(v.months.size(), 2u);
    // The stray debit belongs to March's first row, as in the entry grid.
    EXPECT_EQ(v.months[0].debit.value(), 700);
    EXPECT_EQ(v.months[0].credit.value(), 700);
    EXPECT_EQ(v.months[1].debit.value(), 200);
}

TEST_F(VerificationTest, MonthsAreTotalledInCalendarOrderAndUnbalancedOnesCount)
{
    const Verification v = verify(kHeader +
                                  entry("200212", {.date = "01/12/2002", .account = "411000", .debit = "10,00"}) +
                                  entry("200201", {.date = "01/01/2002", .account = "411000", .debit = "3,00"}) +
                                  entry("200201", {.date = "01/01/2002", .account = "706000", .credit = "3,00"}));
    ASSERT_EQ(v.months.size(), 2u);
    EXPECT_EQ(v.months[0].month, 200201);
    EXPECT_TRUE(v.months[0].balanced());
    EXPECT_EQ(v.months[1].month, 200212);
    EXPECT_FALSE(v.months[1].balanced());
    EXPECT_EQ(v.debit.value(), 1300);
    EXPECT_EQ(v.credit.value(), 300);
    EXPECT_TRUE(v.findings.empty());
    EXPECT_EQ(v.anomalies(), 1);
    const QString report = QString::fromStdString(formatVerification(v));
    EXPECT_TRUE(report.contains(QStringLiteral("Janvier 2002 : débit 3,00 ; crédit 3,00\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Décembre 2002 : débit 10,00 ; crédit 0,00 ; déséquilibré (solde débiteur de 10,00)\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Total de l'exercice : débit 13,00 ; crédit 3,00 ; déséquilibré (solde débiteur de 10,00)\n")));
    EXPECT_TRUE(report.endsWith(QStringLiteral("1 anomalie.\n")));
}

TEST_F(VerificationTest, TheHeaderDecidesWhetherTheYearCanBeChecked)
{
    const std::string march = entry("200203", {.date = "05/03/2003", .account = "411000", .debit = "1,00", .credit = "1,00"});

    Verification v = verify(march);
    EXPECT_TRUE(hasFinding(v, 0, 0, 0, QStringLiteral("le dossier n'a pas d'en-tête <HEAD>")));
    EXPECT_FALSE(hasFinding(v, 200203, 1, 1, QStringLiteral("la date 05/03/2003 est en dehors")));

    v = verify("<HEAD>\r\n01/01/2002\r\n" + march);
    EXPECT_TRUE(hasFinding(v, 0, 0, 1, QStringLiteral("l'en-tête <HEAD> n'est pas fermé")));

    v = verify("<HEAD>\r\n1er janvier\r\n31/12/2002\r\n</HEAD>\r\n" + march);
    EXPECT_TRUE(hasFinding(v, 0, 0, 2, QStringLiteral("la date de début de l'exercice « 1er janvier » est illisible")));

    v = verify("<HEAD>\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n" + march);
    EXPECT_TRUE(hasFinding(v, 0, 0, 3, QStringLiteral("l'exercice finit le 01/01/2002, avant de commencer le 31/12/2002")));

    // A header in the middle of the file is found and its lines are not entries.
    v = verify(march + "<HEAD>\r\n01/01/2003\r\n31/12/2003\r\n</HEAD>\r\n");
    EXPECT_TRUE(hasFinding(v, 200203, 1, 1, QStringLiteral("la date 05/03/2003 n'est pas dans le mois")));
    EXPECT_EQ(v.findings.size(), 1u);
}

TEST_F(VerificationTest, MissingReferenceListsAreSaidOnceInsteadOfForEveryEntry)
{
    ref.ListePlc.clear();
    ref.ListeJnx.clear();
    const Verification v = verify(kHeader +
                                  entry("200203", {.date = "05/03/2002", .account = "411000", .debit = "1,00"}) +
                                  entry("200203", {.date = "05/03/2002", .account = "706000", .credit = "1,00"}));
    ASSERT_EQ(v.findings.size(), 2u);
    EXPECT_TRUE(hasFinding(v, 0, 0, 0, QStringLiteral("le plan comptable (Tavelin.plc du répertoire courant) est vide")));
    EXPECT_TRUE(hasFinding(v, 0, 0, 0, QStringLiteral("la liste des journaux (Tavelin.cbx du répertoire courant)")));
}

TEST_F(VerificationTest, FindingsSayWhereTheyStand)
{
    const Verification v = verify(kHeader + entry("200203", {.date = "05/03/2002", .account = "999000", .debit = "1,00", .credit = "1,00"}) +
                                  "x\r\n");
    const QString report = QString::fromStdString(formatVerification(v));
    EXPECT_TRUE(report.startsWith(QStringLiteral(
        "Mars 2002, écriture 1 (ligne 7 du fichier) : le compte 999000 n'existe pas dans le plan comptable.\n"
        "Ligne 14 du fichier : ligne vide ou trop courte « x »")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("2 anomalies.\n")));
}

TEST_F(VerificationTest, ATotalPastTheLargestAmountIsSaidToBeUncomputable)
{
    const std::string largest = "999999999999999,99";
    const Verification v = verify(kHeader + entry("200203", {.date = "05/03/2002", .account = "411000", .debit = largest}) +
                                  entry("200203", {.date = "06/03/2002", .account = "411000", .debit = largest}) +
                                  entry("200203", {.date = "07/03/2002", .account = "706000", .credit = largest}));
    ASSERT_EQ(v.months.size(), 1u);
    EXPECT_FALSE(v.months[0].debit.computed());
    EXPECT_EQ(v.unbalancedMonths(), 1);
    const std::string report = formatVerification(v);
    EXPECT_NE(report.find("Mars 2002 : Un total dépasse 999999999999999,99 : il ne peut pas être calculé."),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Total de l'exercice : Un total dépasse"), std::string::npos) << report;
}

TEST_F(VerificationTest, FindingsGoOutInFileOrderAndPastTheLimitAreCounted)
{
    // March's first entry names an unknown account on line 7, and stays open
    // until its last line, after 1,200 unreadable lines: its finding must
    // still come first, and only the first thousand findings are handed on.
    std::string file = kHeader + entry("200203", {.date = "05/03/2002", .account = "999000"});
    for (int i = 0; i < 1200; ++i)
        file += "bonjour\r\n";
    file += "2002037\xD7\r\n";
    std::vector<std::size_t> handed;
    const FindingSink sink{[&](const Finding &f) { handed.push_back(f.fileLine); }, 1000};
    const Verification v = verifyLedgerText(file, ref, sink);
    ASSERT_EQ(handed.size(), 1000u);
    EXPECT_EQ(handed[0], 7u);
    EXPECT_EQ(handed[1], 14u);
    EXPECT_TRUE(std::is_sorted(handed.begin(), handed.end()));
    EXPECT_EQ(v.findingCount, 1201);
    EXPECT_TRUE(v.findings.empty());

    // The line list gives the same check as the text.
    const Verification all = verify(file);
    EXPECT_EQ(all.findingCount, 1201);
    EXPECT_EQ(all.findings[999].fileLine, handed[999]);
}

TEST_F(VerificationTest, TheReportListsTheFirstThousandFindingsThenHowManyMore)
{
    Verification v;
    for (std::size_t line = 1; line <= 1002; ++line)
        v.findings.push_back({0, 0, line, QStringLiteral("ligne illisible.")});
    v.findingCount = 1002;
    const std::string report = formatVerification(v);
    EXPECT_NE(report.find("Ligne 1000 du fichier : ligne illisible.\n"
                          "… et 2 autres anomalies, non listées.\n\n"
                          "Aucune écriture.\n"),
              std::string::npos)
        << report.substr(0, 200);
    EXPECT_EQ(report.find("Ligne 1001 du fichier"), std::string::npos);
    EXPECT_TRUE(report.ends_with("1002 anomalies.\n"));
}

TEST(VerifierCommand, WritesTheReportAsItGoes)
{
    CurrentTempDir dir;
    std::string file = kHeader;
    for (int i = 0; i < 5; ++i)
        file += "bonjour\r\n";
    writeBytes(dir.file("compta.jnl"), file);
    cli::Streams io;
    std::vector<std::string> pieces;
    io.writeOut = [&](std::string_view text) {
        pieces.emplace_back(text);
        return true;
    };
    EXPECT_EQ(cli::run({QStringLiteral("verifier"), QStringLiteral("compta.jnl")}, io), 3);
    io.flushOut();
    // The file's own finding (no chart), then one piece per line of the file.
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[1], "Ligne 6 du fichier : ligne illisible « bonjour » : elle ne commence pas par un mois AAAAMM, "
                         "aucun écran ne la lit.\n");
    EXPECT_TRUE(pieces[6].ends_with("6 anomalies.\n"));
}
