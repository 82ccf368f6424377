#include "LedgerText.h"

#include "ledger/Codec1252.h"
#include "ledger/Siren.h"
#include "yearend/Fec.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>
#include <tuple>

// The FEC of a small year written out in full, a write and read back of
// random years, and the SIREN's key.

namespace {

ReferenceData fecChart()
{
    ReferenceData ref;
    ref.ListePlc = {QStringLiteral("101000 NN Capital"),      QStringLiteral("401000 NN Fournisseurs"),
                    QStringLiteral("411000 ON Clients"),      QStringLiteral("445710 NN TVA collectée"),
                    QStringLiteral("512000 NO Banque"),       QStringLiteral("607000 NN Achats"),
                    QStringLiteral("706000 NN Ventes")};
    ref.ListeJnx = {QStringLiteral("AC O Achats"), QStringLiteral("BQ O Banque"), QStringLiteral("VE O Ventes")};
    return ref;
}

EntryCells e(const char *date, const char *account, const char *label, const char *journal, const char *voucher,
             const char *debit, const char *credit)
{
    return {date, account, label, journal, voucher, debit, credit, ""};
}

// The lines of a file, without their CR LF.
std::vector<std::string> fileLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
        out.push_back(line.substr(from, tab - from));
    out.push_back(line.substr(from));
    return out;
}

} // namespace

TEST(Fec, ASmallYearWrittenOut)
{
    // March comes first in the file; its rows 3, 5 and 6 are purchases without voucher.
    const std::string year =
        kHeader2002 +
        entriesText("200203", {e("15/03/2002", "411000", "Facture Dupont \x96 caf\xE9", "VE", "F12", "120,00", ""),
                               e("15/03/2002", "706000", "Facture Dupont", "VE", "F12", "", "100,00"),
                               e("10/03/2002", "607000", "Achat d\x92" "encre", "AC", "", "    50,00", ""),
                               e("15/03/2002", "445710", "TVA", "VE", "F12", "", "20,00"),
                               e("10/03/2002", "401000", "Achat d\x92" "encre", "AC", "", "", "50,00"),
                               e("10/03/2002", "607000", "Frais \x80", "AC", "", "30,00", ""),
                               e("15/03/2002", "401000", "Avoir", "AC", "A1", "5,00", ""),
                               e("15/03/2002", "607000", "Avoir", "AC", "A1", "", "5,00"),
                               e("20/03/2002", "411000", "Sans montant", "VE", "", "", ""),
                               e("31/02/2002", "411000", "Date fausse", "VE", "", "1,00", "")}) +
        entriesText("200201", {e("05/01/2002", "512000", "Apport", "BQ", "", "1000,00", ""),
                               e("05/01/2002", "101000", "Apport", "BQ", "", "", "1000,00")}) +
        entriesText("200301", {e("02/01/2003", "512000", "Exercice suivant", "BQ", "", "1,00", "")});
    FiscalYear fiscal{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    fiscal.validations.push_back({QDate(2002, 1, 31), QDate(2002, 2, 10), std::string(64, '0'), {}});

    const yearend::Fec fec = yearend::buildFec(linesOf(year), fecChart(), fiscal);

    const std::vector<std::string> expected = {
        "JournalCode\tJournalLib\tEcritureNum\tEcritureDate\tCompteNum\tCompteLib\tCompAuxNum\tCompAuxLib\tPieceRef\t"
        "PieceDate\tEcritureLib\tDebit\tCredit\tEcritureLet\tDateLet\tValidDate\tMontantdevise\tIdevise",
        "BQ\tBanque\t1\t20020105\t512000\tBanque\t\t\t1\t20020105\tApport\t1000,00\t0,00\t\t\t20020210\t\t",
        "BQ\tBanque\t1\t20020105\t101000\tCapital\t\t\t1\t20020105\tApport\t0,00\t1000,00\t\t\t20020210\t\t",
        "AC\tAchats\t2\t20020310\t607000\tAchats\t\t\t2\t20020310\tAchat d'encre\t50,00\t0,00\t\t\t\t\t",
        "AC\tAchats\t2\t20020310\t401000\tFournisseurs\t\t\t2\t20020310\tAchat d'encre\t0,00\t50,00\t\t\t\t\t",
        "AC\tAchats\t3\t20020310\t607000\tAchats\t\t\t3\t20020310\tFrais \xA4\t30,00\t0,00\t\t\t\t\t",
        "AC\tAchats\t4\t20020315\t401000\tFournisseurs\t\t\tA1\t20020315\tAvoir\t5,00\t0,00\t\t\t\t\t",
        "AC\tAchats\t4\t20020315\t607000\tAchats\t\t\tA1\t20020315\tAvoir\t0,00\t5,00\t\t\t\t\t",
        "VE\tVentes\t5\t20020315\t411000\tClients\t\t\tF12\t20020315\tFacture Dupont - caf\xE9\t120,00\t0,00\t\t\t\t\t",
        "VE\tVentes\t5\t20020315\t706000\tVentes\t\t\tF12\t20020315\tFacture Dupont\t0,00\t100,00\t\t\t\t\t",
        "VE\tVentes\t5\t20020315\t445710\tTVA collect\xE9" "e\t\t\tF12\t20020315\tTVA\t0,00\t20,00\t\t\t\t\t",
    };
    EXPECT_EQ(fileLines(fec.bytes), expected);

    QStringList problems;
    for (const yearend::Problem &p : fec.problems)
        problems.append(yearend::describe(p));
    EXPECT_EQ(problems, (QStringList{
                            QStringLiteral("Mars 2002, ligne 6 : l'écriture du 10/03/2002 (journal AC, sans pièce) "
                                           "n'est pas équilibrée : débit 30,00, crédit 0,00."),
                            QStringLiteral("Mars 2002, ligne 9 : l'écriture ne porte ni débit ni crédit."),
                            QStringLiteral("Mars 2002, ligne 10 : la date « 31/02/2002 » n'est pas une date (JJ/MM/AAAA)."),
                        }));
    EXPECT_EQ(yearend::fecFileName(QStringLiteral("732829320"), fiscal), QStringLiteral("732829320FEC20021231.txt"));
    EXPECT_EQ(yearend::fecSummaryText(fec.summary, QStringLiteral("732829320FEC20021231.txt")),
              QStringLiteral("FEC écrit dans 732829320FEC20021231.txt : 10 lignes, 5 écritures.\n"
                             "1 écriture sans date valide n'y figure pas.\n"
                             "1 écriture sans montant n'y figure pas.\n"
                             "1 écriture datée hors de l'exercice n'y figure pas.\n"
                             "3 caractères absents du jeu ISO 8859-15 ont été remplacés par leur forme simple.\n"
                             "Des écritures ne sont pas encore validées : ce FEC est provisoire."));
}

TEST(Fec, LetteredLinesCarryTheirCodeAndTheLetteringDate)
{
    EntryCells invoice = e("05/03/2002", "411000", "Facture", "VE", "F1", "12,00", "");
    invoice.lettering = "AB 20/03/2002";
    EntryCells payment = e("20/03/2002", "411000", "Règlement", "BQ", "F1", "", "12,00");
    payment.lettering = "AB 20/03/2002";
    EntryCells unreadable = e("20/03/2002", "512000", "Règlement", "BQ", "F1", "12,00", "");
    unreadable.lettering = "texte importé";
    const std::string year = kHeader2002 + entriesText("200203", {invoice, e("05/03/2002", "706000", "Facture", "VE", "F1", "", "12,00"),
                                                                  payment, unreadable});
    const yearend::Fec fec =
        yearend::buildFec(linesOf(year), fecChart(), FiscalYear{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)});
    const std::vector<std::string> lines = fileLines(fec.bytes);
    ASSERT_EQ(lines.size(), 5u);
    // Account, journal, EcritureLet and DateLet of each line.
    std::vector<std::vector<std::string>> lettering;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = fields(lines[i]);
        lettering.push_back({f[4], f[0], f[13], f[14]});
    }
    std::sort(lettering.begin(), lettering.end());
    EXPECT_EQ(lettering, (std::vector<std::vector<std::string>>{{"411000", "BQ", "AB", "20020320"},
                                                                {"411000", "VE", "AB", "20020320"},
                                                                {"512000", "BQ", "", ""},
                                                                {"706000", "VE", "", ""}}));
}

TEST(Fec, ReadBackGivesTheEntriesOfTheYear)
{
    using Entry = std::tuple<std::string, std::string, std::string, std::string, std::string, std::string, std::string>;
    const char *const accounts[] = {"101000", "411000", "512000", "607000", "706000"};
    const char *const journals[] = {"AC", "BQ", "VE"};
    const char *const labels[] = {"Loyer", "Caf\xE9 cr\xE8me", "Remise 12", "\xC9t\xE9"};
    QRandomGenerator random(2002);
    for (int round = 0; round < 40; ++round) {
        std::string text = kHeader2002;
        std::vector<Entry> written;
        for (int i = 0, n = random.bounded(1, 30); i < n; ++i) {
            const int month = random.bounded(1, 13);
            char date[11], key[7];
            std::snprintf(date, sizeof date, "%02d/%02d/2002", random.bounded(1, 29), month);
            std::snprintf(key, sizeof key, "2002%02d", month);
            const std::string amount = std::to_string(random.bounded(1, 100000)) + "," + std::to_string(random.bounded(10, 100));
            const bool debit = random.bounded(2) == 0;
            const std::string voucher = random.bounded(3) == 0 ? "" : "F" + std::to_string(random.bounded(5));
            const Entry entry{date, accounts[random.bounded(5)], labels[random.bounded(4)], journals[random.bounded(3)],
                              voucher, debit ? amount : "0,00", debit ? "0,00" : amount};
            written.push_back(entry);
            text += entryText(key, {std::get<0>(entry), std::get<1>(entry), std::get<2>(entry), std::get<3>(entry),
                                    voucher, debit ? amount : "", debit ? "" : amount, ""});
        }
        const yearend::Fec fec = yearend::buildFec(linesOf(text), fecChart(),
                                                   {QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)});
        std::vector<std::string> lines = fileLines(fec.bytes);
        ASSERT_EQ(lines.size(), written.size() + 1);
        std::vector<Entry> read;
        int number = 0;
        std::string entryDateAndJournal;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::vector<std::string> f = fields(lines[i]);
            ASSERT_EQ(f.size(), 18u);
            const int n = std::stoi(f[2]);
            // Numbers run 1, 2, 3... without gaps; an écriture keeps one date and journal.
            ASSERT_TRUE(n == number || n == number + 1) << lines[i];
            if (n == number) {
                EXPECT_EQ(f[3] + f[0], entryDateAndJournal);
            }
            number = n;
            entryDateAndJournal = f[3] + f[0];
            const std::string date = f[3].substr(6, 2) + "/" + f[3].substr(4, 2) + "/" + f[3].substr(0, 4);
            // An écriture without voucher has its number for PieceRef.
            const std::string voucher = f[8] == f[2] ? "" : f[8];
            read.push_back({date, f[4], f[10], f[0], voucher, f[11], f[12]});
        }
        std::sort(written.begin(), written.end());
        std::sort(read.begin(), read.end());
        EXPECT_EQ(read, written) << "round " << round;
    }
}

// The écritures' order and PieceRef, and the side of a negative amount: each
// case a small book and the lines (EcritureNum, JournalCode, CompteNum,
// PieceRef, Debit, Credit) it gives.
TEST(Fec, OrderPieceRefAndSides)
{
    struct Case {
        const char *what;
        std::vector<EntryCells> entries;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"the opening entries come first on the year's first day",
         {e("01/01/2002", "607000", "Achat", "AC", "C1", "10,00", ""), e("01/01/2002", "401000", "Achat", "AC", "C1", "", "10,00"),
          e("01/01/2002", "512000", "A nouveau", "AN", "", "500,00", ""), e("01/01/2002", "101000", "A nouveau", "AN", "", "", "500,00")},
         {"1 AN 512000 1 500,00 0,00", "1 AN 101000 1 0,00 500,00", "2 AC 607000 C1 10,00 0,00", "2 AC 401000 C1 0,00 10,00"}},
        {"opening-entries journal on another day keeps its place",
         {e("05/01/2002", "512000", "Apport", "AN", "", "10,00", ""), e("05/01/2002", "101000", "Apport", "AN", "", "", "10,00"),
          e("02/01/2002", "512000", "Vente", "VE", "V1", "7,00", ""), e("02/01/2002", "706000", "Vente", "VE", "V1", "", "7,00")},
         {"1 VE 512000 V1 7,00 0,00", "1 VE 706000 V1 0,00 7,00", "2 AN 512000 2 10,00 0,00", "2 AN 101000 2 0,00 10,00"}},
        {"one PieceRef per écriture",
         {e("02/01/2002", "607000", "Achat", "AC", "", "30,00", ""), e("02/01/2002", "401000", "Achat", "AC", "", "", "30,00"),
          e("03/01/2002", "411000", "Vente", "VE", "F7", "12,00", ""), e("03/01/2002", "706000", "Vente", "VE", "F7", "", "12,00")},
         {"1 AC 607000 1 30,00 0,00", "1 AC 401000 1 0,00 30,00", "2 VE 411000 F7 12,00 0,00", "2 VE 706000 F7 0,00 12,00"}},
        {"a negative amount on the other side",
         {e("02/01/2002", "607000", "Avoir", "AC", "A1", "-100,00", ""), e("02/01/2002", "401000", "Avoir", "AC", "A1", "", "-100,00")},
         {"1 AC 607000 A1 0,00 100,00", "1 AC 401000 A1 100,00 0,00"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = kHeader2002;
        for (const EntryCells &cells : c.entries)
            text += entryText("200201", cells);
        const yearend::Fec fec =
            yearend::buildFec(linesOf(text), fecChart(), {QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)});
        std::vector<std::string> shown;
        const std::vector<std::string> lines = fileLines(fec.bytes);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::vector<std::string> f = fields(lines[i]);
            shown.push_back(f[2] + ' ' + f[0] + ' ' + f[4] + ' ' + f[8] + ' ' + f[11] + ' ' + f[12]);
        }
        EXPECT_EQ(shown, c.expected);
    }
}

TEST(Fec, TheSirenIsNineDigitsWithTheLuhnKey)
{
    const std::pair<const char *, bool> cases[] = {
        {"732829320", true},   // a right key
        {"552100554", true},   // another
        {"732829321", false},  // the key one off
        {"12345678", false},   // eight digits
        {"7328293200", false}, // ten
        {"73282932A", false},  // a letter
        {"000000000", false},  // zeros pass the key but name no business
    };
    for (const auto &[siren, valid] : cases) {
        EXPECT_EQ(siren::refusal(QString::fromLatin1(siren)).isEmpty(), valid) << siren;
    }
    EXPECT_EQ(siren::refusal(QStringLiteral("123")),
              QStringLiteral("Le SIREN « 123 » n'est pas valide : il compte 9 chiffres, le dernier étant la clé de "
                             "contrôle."));
}
