#include "bank/Matching.h"
#include "bank/StatementFile.h"
#include "support/StatementFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// The three readers of the banks' statement files, on small statements
// written out as the banks write them.

namespace {

using bank::Statement;
using bank::StatementLine;

const QDate kMarch5(2024, 3, 5);

struct Read {
    bank::StatementReading reading;
    Statement statement;
};

Read readFile(const QString &name, const std::string &bytes, const bank::csv::ColumnChoices &choices = {})
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);
    Read r;
    r.reading = bank::readStatementFile(path, choices, r.statement);
    return r;
}

TEST(StatementReaders, OfxOneInSgmlWithCommaAmountsAndCodePage1252)
{
    const std::string file =
        "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\nCHARSET:1252\r\n"
        "COMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n<OFX>\r\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1\r\n"
        "<STMTRS><CURDEF>EUR<BANKACCTFROM><BANKID>30004<ACCTID>123<ACCTTYPE>CHECKING</BANKACCTFROM>\r\n"
        "<BANKTRANLIST><DTSTART>20240301<DTEND>20240331\r\n"
        "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240305<TRNAMT>-39,99<FITID>A1<NAME>PRLV ORANGE\r\n</STMTTRN>\r\n"
        "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240310120000<TRNAMT>1200.50<FITID>A2<NAME>VIR DUPONT\r\n"
        "<MEMO>R\xE9glement facture\r\n</STMTTRN>\r\n"
        "</BANKTRANLIST><LEDGERBAL><BALAMT>2345,67<DTASOF>20240331</LEDGERBAL></STMTRS></STMTTRNRS>"
        "</BANKMSGSRSV1>\r\n</OFX>\r\n";
    const Read r = readFile(QStringLiteral("releve.ofx"), file);
    ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
    EXPECT_EQ(r.statement.lines, (std::vector<StatementLine>{
                                     {kMarch5, -3999, QStringLiteral("PRLV ORANGE"), QStringLiteral("A1")},
                                     {QDate(2024, 3, 10), 120050, QStringLiteral("VIR DUPONT Réglement facture"),
                                      QStringLiteral("A2")}}));
    EXPECT_EQ(r.statement.start, QDate(2024, 3, 1));
    EXPECT_EQ(r.statement.end, QDate(2024, 3, 31));
    EXPECT_EQ(r.statement.closingBalance, 234567);
}

TEST(StatementReaders, OfxTwoInXmlAndUtf8)
{
    Statement s;
    s.start = QDate(2024, 3, 1);
    s.end = QDate(2024, 3, 31);
    s.closingBalance = -12345;
    s.lines = {{kMarch5, -1250, QStringLiteral("CB Café à Paris"), {}}};
    const Read r = readFile(QStringLiteral("releve.ofx"), statementfiles::ofxXml(s));
    ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
    ASSERT_EQ(r.statement.lines.size(), 1u);
    EXPECT_EQ(r.statement.lines[0].label, QStringLiteral("CB Café à Paris"));
    EXPECT_EQ(r.statement.lines[0].amount, -1250);
    EXPECT_EQ(r.statement.closingBalance, -12345);
}

TEST(StatementReaders, CfonbWithComplementAndOverpunchedAmounts)
{
    using statementfiles::cfonbRecord;
    std::string complement(120, ' ');
    complement.replace(0, 2, "05");
    complement.replace(48, 12, "FACTURE MARS");
    const std::string file = cfonbRecord("01", QDate(2024, 3, 1), {}, 100000) + "\r\n" +
                             cfonbRecord("04", kMarch5, QStringLiteral("PRLV ORANGE"), -3999, QStringLiteral("REF1")) +
                             "\r\n" + complement + "\r\n" +
                             cfonbRecord("04", QDate(2024, 3, 11), QStringLiteral("VIR CLIENT"), 120050) + "\r\n" +
                             cfonbRecord("04", QDate(2024, 3, 12), QStringLiteral("FRAIS"), -850) + "\r\n" +
                             cfonbRecord("07", QDate(2024, 3, 31), {}, 215201) + "\r\n";
    // Overpunched last digits: "R" is 9 negative, "{" 0 positive, "}" 0 negative, "A" 1 positive.
    EXPECT_EQ(file.substr(122 + 90, 14), "0000000000399R");
    EXPECT_EQ(file.substr(4 * 122 + 90, 14), "0000000000085}");
    const Read r = readFile(QStringLiteral("releve.cfo"), file);
    ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
    EXPECT_EQ(r.statement.lines, (std::vector<StatementLine>{
                                     {kMarch5, -3999, QStringLiteral("PRLV ORANGE FACTURE MARS"), QStringLiteral("REF1")},
                                     {QDate(2024, 3, 11), 120050, QStringLiteral("VIR CLIENT"), {}},
                                     {QDate(2024, 3, 12), -850, QStringLiteral("FRAIS"), {}}}));
    EXPECT_EQ(r.statement.periodStart(), QDate(2024, 3, 1));
    EXPECT_EQ(r.statement.periodEnd(), QDate(2024, 3, 31));
    EXPECT_EQ(r.statement.closingBalance, 215201);
}

struct CsvCase {
    const char *name;
    std::string bytes;
    std::vector<StatementLine> expected;
};

class CsvStatements : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvStatements, FindTheHeaderAndTheColumns)
{
    const Read r = readFile(QStringLiteral("releve.csv"), GetParam().bytes);
    ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
    EXPECT_EQ(r.statement.lines, GetParam().expected);
    EXPECT_FALSE(r.statement.closingBalance);
}

const std::vector<StatementLine> kTwoLines{{kMarch5, -123450, QStringLiteral("PRLV « EDF »"), {}},
                                           {QDate(2024, 3, 6), 9999, QStringLiteral("VIR; DUPONT"), {}}};

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvStatements,
    testing::Values(
        // One signed "Montant (EUR)" column, UTF-8 with its mark, a no-break space in thousands.
        CsvCase{"MontantUtf8Bom",
                "\xEF\xBB\xBF" "Compte;00012345678\r\n\r\nDate;Libell\xC3\xA9;Montant (EUR)\r\n"
                "05/03/2024;PRLV \xC2\xAB EDF \xC2\xBB;-1\xC2\xA0" "234,50\r\n06/03/2024;\"VIR; DUPONT\";99,99\r\n",
                kTwoLines},
        // "Débit"/"Crédit" columns in code page 1252, a debit without its sign, a value date column.
        CsvCase{"DebitCreditCp1252",
                "Relev\xE9 du compte\r\nDATE OP\xC9RATION;Date de valeur;LIBELL\xC9;D\xE9" "bit euros;Cr\xE9" "dit euros\r\n"
                "05/03/2024;06/03/2024;PRLV \xAB EDF \xBB;1 234,50;\r\n06/03/2024;07/03/2024;\"VIR; DUPONT\";;99,99\r\n"
                "Solde au 06/03/2024;;;;-1134,51\r\n",
                kTwoLines},
        // TAB between fields, a debit written with its minus sign, a decimal point.
        CsvCase{"TabsAndSignedDebit",
                "Date\tLibell\xC3\xA9\tD\xC3\xA9" "bit\tCr\xC3\xA9" "dit\n05/03/2024\tPRLV \xC2\xAB EDF \xC2\xBB\t-1234.50\t\n"
                "06/03/2024\tVIR; DUPONT\t\t99.99\n",
                kTwoLines}),
    [](const testing::TestParamInfo<CsvCase> &info) { return info.param.name; });

TEST(StatementReaders, UnknownCsvColumnsAreChosenOnceForTheLayout)
{
    const std::string file = "Jour;Texte;Somme\r\n05/03/2024;LOYER;-800,00\r\n";
    const Read unknown = readFile(QStringLiteral("releve.csv"), file);
    ASSERT_TRUE(unknown.reading.columnsUnknown);
    EXPECT_EQ(unknown.reading.layout.titles, (QStringList{"Jour", "Texte", "Somme"}));
    EXPECT_EQ(unknown.reading.layout.sample, (QStringList{"05/03/2024", "LOYER", "-800,00"}));
    bank::csv::Columns chosen;
    chosen.date = 0, chosen.label = 1, chosen.amount = 2;
    const Read known = readFile(QStringLiteral("autre.csv"), file, {{unknown.reading.layout.signature, chosen}});
    ASSERT_TRUE(known.reading.read);
    EXPECT_EQ(known.statement.lines,
              (std::vector<StatementLine>{{kMarch5, -80000, QStringLiteral("LOYER"), {}}}));
}

// One transaction in an OFX 1 file, its fields written as given: the
// transaction stands on the file's sixth line.
std::string ofxWithTransaction(const std::string &fields)
{
    return "OFXHEADER:100\r\nDATA:OFXSGML\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1\r\n"
           "<STMTRS><CURDEF>EUR<BANKTRANLIST><DTSTART>20240101<DTEND>20240131\r\n"
           "<STMTTRN><TRNTYPE>OTHER" + fields + "<FITID>F1<NAME>VIR\r\n"
           "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}

struct OfxCase {
    const char *name;
    std::string fields;
    QDate date;              // when read
    Cents amount = 0;        // when read
    const char16_t *problem; // when refused: what follows "opération 1, ligne 6 : "
};

class OfxTransactions : public testing::TestWithParam<OfxCase> {};

TEST_P(OfxTransactions, AreReadExactlyOrRefuseTheStatement)
{
    const OfxCase &c = GetParam();
    const Read r = readFile(QStringLiteral("releve.ofx"), ofxWithTransaction(c.fields));
    if (c.problem) {
        EXPECT_FALSE(r.reading.read);
        EXPECT_EQ(r.reading.message, QStringLiteral("Le relevé releve.ofx ne peut pas être lu : opération 1, ligne 6 : %1.")
                                         .arg(QString::fromUtf16(c.problem)));
        return;
    }
    ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
    EXPECT_EQ(r.statement.lines, (std::vector<StatementLine>{{c.date, c.amount, QStringLiteral("VIR"), QStringLiteral("F1")}}));
}

INSTANTIATE_TEST_SUITE_P(
    Ofx, OfxTransactions,
    testing::Values(
        OfxCase{"ThousandsAndDecimalPoint", "<DTPOSTED>20240105<TRNAMT>1,234.56", QDate(2024, 1, 5), 123456, nullptr},
        OfxCase{"DecimalCommaAndBlank", "<DTPOSTED>20240105<TRNAMT>-1 234,50", QDate(2024, 1, 5), -123450, nullptr},
        OfxCase{"TrailingZeroDecimals", "<DTPOSTED>20240105<TRNAMT>12.500", QDate(2024, 1, 5), 1250, nullptr},
        OfxCase{"DayAsWrittenEastOfGreenwich", "<DTPOSTED>20240105003000[+1:CET]<TRNAMT>10.00", QDate(2024, 1, 5), 1000,
                nullptr},
        OfxCase{"DayAsWrittenWestOfGreenwich", "<DTPOSTED>20240105233000.123[-5:EST]<TRNAMT>10.00", QDate(2024, 1, 5),
                1000, nullptr},
        OfxCase{"Hexadecimal", "<DTPOSTED>20240105<TRNAMT>0x10", {}, 0, u"montant illisible « 0x10 »"},
        OfxCase{"Letters", "<DTPOSTED>20240105<TRNAMT>douze", {}, 0, u"montant illisible « douze »"},
        OfxCase{"ThousandOrThreeDecimals", "<DTPOSTED>20240105<TRNAMT>1.234", {}, 0, u"montant illisible « 1.234 »"},
        OfxCase{"EmptyAmount", "<DTPOSTED>20240105<TRNAMT>", {}, 0, u"montant (TRNAMT) absent"},
        OfxCase{"NoAmount", "<DTPOSTED>20240105", {}, 0, u"montant (TRNAMT) absent"},
        OfxCase{"TwoAmounts", "<DTPOSTED>20240105<TRNAMT>1.00<TRNAMT>2.00", {}, 0, u"TRNAMT écrit deux fois"},
        OfxCase{"NoDate", "<TRNAMT>10.00", {}, 0, u"date (DTPOSTED) absente"},
        OfxCase{"YearAlone", "<DTPOSTED>2024<TRNAMT>10.00", {}, 0, u"date illisible « 2024 »"},
        OfxCase{"NoSuchDay", "<DTPOSTED>20240230<TRNAMT>10.00", {}, 0, u"date illisible « 20240230 »"},
        OfxCase{"NoSuchHour", "<DTPOSTED>20240105250000<TRNAMT>10.00", {}, 0, u"date illisible « 20240105250000 »"},
        OfxCase{"ZoneUnclosed", "<DTPOSTED>20240105[+1:CET<TRNAMT>10.00", {}, 0, u"date illisible « 20240105[+1:CET »"}),
    [](const testing::TestParamInfo<OfxCase> &info) { return info.param.name; });

struct DamagedCase {
    const char *name;
    std::string bytes;
    const char16_t *message;
};

class DamagedStatements : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedStatements, AreRefusedNamingTheFileAndTheFault)
{
    const Read r = readFile(QStringLiteral("releve.dat"), GetParam().bytes);
    EXPECT_FALSE(r.reading.read);
    EXPECT_EQ(r.reading.message, QString::fromUtf16(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, DamagedStatements,
    testing::Values(
        // An OFX file cut before its end.
        DamagedCase{"CutOfx", "OFXHEADER:100\r\nDATA:OFXSGML\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS>",
                    u"Le relevé releve.dat ne peut pas être lu : le fichier OFX est incomplet."},
        // A CFONB movement whose amount ends with no overpunched digit.
        DamagedCase{"CfonbAmount",
                    statementfiles::cfonbRecord("01", kMarch5, {}, 0) + "\r\n" +
                        statementfiles::cfonbRecord("04", kMarch5, QStringLiteral("X"), 5).replace(103, 1, "5") + "\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : enregistrement 2 : montant illisible."},
        // A CSV amount that is no number.
        DamagedCase{"CsvAmount", "Date;Libellé;Montant\r\n05/03/2024;LOYER;huit cents\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : montant illisible « huit cents »."},
        // OFX aggregates nested past what a bank writes, as 10,000 unclosed tags.
        DamagedCase{"OfxDeep", "OFXHEADER:100\r\n\r\n<OFX>" + [] {
                                   std::string tags;
                                   for (int i = 0; i < 10000; ++i)
                                       tags += "<A>";
                                   return tags;
                               }() + "</OFX>\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 3 : les balises y sont imbriquées sur plus de "
                    u"32 niveaux, ce qu'aucun relevé ne fait."},
        // More tags than a bank's statement holds, counted before reading.
        DamagedCase{"OfxManyTags", "<OFX>" + std::string(2'000'000, '<') + "</OFX>",
                    u"Le relevé releve.dat ne peut pas être lu : il compte plus de 2000000 balises, ce qu'aucun "
                    u"relevé ne fait."},
        DamagedCase{"OfxStrayEndTag", ofxWithTransaction("<DTPOSTED>20240105<TRNAMT>1.00</PAYEE>"),
                    u"Le relevé releve.dat ne peut pas être lu : ligne 6 : balise « </PAYEE> » sans balise ouvrante."},
        DamagedCase{"OfxBadBalance",
                    "<OFX><STMTRS><LEDGERBAL><BALAMT>1,5,0<DTASOF>20240131</LEDGERBAL></STMTRS></OFX>",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 1 : solde illisible « 1,5,0 »."},
        // An unquoted decimal comma in a comma-separated table makes one field more.
        DamagedCase{"CsvCommaInAmount", "Date,Libellé,Montant\r\n05/03/2024,LOYER,120,50\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : 4 champs au lieu des 3 de la ligne des "
                    u"titres."},
        DamagedCase{"CsvFewerFields", "Date;Libellé;Débit;Crédit\r\n05/03/2024;LOYER;800,00\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : 3 champs au lieu des 4 de la ligne des "
                    u"titres."},
        DamagedCase{"CsvBadDate", "Date;Libellé;Montant\r\n05/03/2024;EDF;-80,00\r\n31/02/2024;LOYER;-800,00\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 3 : date illisible « 31/02/2024 »."},
        DamagedCase{"CsvNoAmount", "Date;Libellé;Montant\r\n05/03/2024;LOYER;\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : montant absent."},
        DamagedCase{"CsvNeitherDebitNorCredit", "Date;Libellé;Débit;Crédit\r\n05/03/2024;LOYER;;\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : montant absent."},
        DamagedCase{"CsvSubCent", "Date;Libellé;Montant\r\n05/03/2024;LOYER;-800,005\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ligne 2 : montant illisible « -800,005 »."},
        // A movement missing: the old balance and the movements no longer give the new balance.
        DamagedCase{"CfonbMovementMissing",
                    statementfiles::cfonbRecord("01", kMarch5, {}, 100000) + "\r\n" +
                        statementfiles::cfonbRecord("04", kMarch5, QStringLiteral("X"), -500) + "\r\n" +
                        statementfiles::cfonbRecord("07", kMarch5, {}, 90000) + "\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : enregistrement 3 : le nouveau solde 900,00 n'est pas "
                    u"l'ancien solde plus les opérations, 995,00."},
        DamagedCase{"CfonbNoNewBalance",
                    statementfiles::cfonbRecord("01", kMarch5, {}, 100000) + "\r\n" +
                        statementfiles::cfonbRecord("04", kMarch5, QStringLiteral("X"), -500) + "\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : le nouveau solde (enregistrement 07) manque à la fin "
                    u"du relevé."},
        DamagedCase{"CfonbMovementAfterNewBalance",
                    statementfiles::cfonbRecord("01", kMarch5, {}, 100000) + "\r\n" +
                        statementfiles::cfonbRecord("07", kMarch5, {}, 100000) + "\r\n" +
                        statementfiles::cfonbRecord("04", kMarch5, QStringLiteral("X"), -500) + "\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : enregistrement 3 : opération hors d'un relevé ouvert "
                    u"par un ancien solde (01)."},
        // A letter, and a picture.
        DamagedCase{"Letter", "Bonjour,\r\nVoici ma lettre.\r\n",
                    u"Le relevé releve.dat ne peut pas être lu : ce n'est ni un fichier OFX, ni un relevé "
                    u"CFONB, ni un tableau CSV."},
        DamagedCase{"Binary", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                    u"Le relevé releve.dat ne peut pas être lu : ce n'est ni un fichier OFX, ni un relevé "
                    u"CFONB, ni un tableau CSV."}),
    [](const testing::TestParamInfo<DamagedCase> &info) { return info.param.name; });

// The listed items explain the gap on every format: Écart = "à saisir" −
// "non relevée" (+ "Écart d'ouverture"). The books open with the opening
// entry of the year, which is never "non relevée"; the statement opens at
// 990,00 where it can say so, 10,00 below the books.
TEST(StatementReaders, TheListedItemsExplainTheGapOnEveryFormat)
{
    const QDate start(2026, 1, 1);
    const auto book = [](QDate date, Cents amount, const char *journal) {
        static std::size_t order = 0;
        bank::BookEntry e;
        e.date = date;
        e.amount = amount;
        e.journal = QString::fromLatin1(journal);
        e.order = ++order;
        return e;
    };
    const std::vector<bank::BookEntry> entries{book(start, 100000, "AN"), book(QDate(2026, 1, 5), -20000, "BQ"),
                                               book(QDate(2026, 1, 10), -5000, "BQ"),
                                               book(QDate(2026, 1, 15), 30000, "BQ")};
    const auto statementFrom = [&](Cents opening) {
        Statement s;
        s.start = start;
        s.end = QDate(2026, 1, 31);
        s.openingBalance = opening;
        s.lines = {{QDate(2026, 1, 5), -20000, QStringLiteral("CHQ 1"), {}},
                   {QDate(2026, 1, 15), 30000, QStringLiteral("VIR DUPONT"), {}},
                   {QDate(2026, 1, 20), -850, QStringLiteral("FRAIS"), {}}};
        s.closingBalance = opening - 20000 + 30000 - 850;
        return s;
    };
    const Statement stated = statementFrom(99000);
    const Statement ofx = statementFrom(100000); // states no opening balance
    const struct {
        const char *format;
        std::string bytes;
        std::optional<Cents> openingGap;
    } files[] = {{"OFX", statementfiles::ofxSgml(ofx), std::nullopt},
                 {"CFONB", statementfiles::cfonb(stated), -1000},
                 {"CSV Montant", statementfiles::csv(stated, false, true), -1000},
                 {"CSV Débit Crédit", statementfiles::csv(stated, true, true), -1000}};
    for (const auto &file : files) {
        SCOPED_TRACE(file.format);
        const Read r = readFile(QStringLiteral("releve"), file.bytes);
        ASSERT_TRUE(r.reading.read) << r.reading.message.toStdString();
        ASSERT_TRUE(r.statement.closingBalance);
        EXPECT_EQ(r.statement.periodEnd(), QDate(2026, 1, 31));
        const bank::Matching m = bank::match(r.statement, entries);
        EXPECT_EQ(m.notOnStatement, std::vector<std::size_t>{2}); // the opening entry is not listed
        EXPECT_EQ(m.openingGap, file.openingGap);
        Cents toEnter = 0, notOnStatement = 0;
        for (std::size_t i = 0; i < m.lines.size(); ++i)
            if (m.lines[i].status == bank::LineStatus::ToEnter)
                toEnter += r.statement.lines[i].amount;
        for (std::size_t i : m.notOnStatement)
            notOnStatement += entries[i].amount;
        EXPECT_EQ(*r.statement.closingBalance - m.bookBalance.value(), toEnter - notOnStatement + m.openingGap.value_or(0));
        EXPECT_EQ(toEnter, -850);
    }
}

// Read, written back in the same format, read again: the same statement, for
// every format and many random statements.
TEST(StatementReaders, EveryFormatReadsBackWhatItWrote)
{
    QRandomGenerator random(28);
    for (int round = 0; round < 20; ++round) {
        const Statement s = statementfiles::randomStatement(random);
        const struct {
            const char *format;
            std::string bytes;
            bool statesPeriod;
        } files[] = {{"OFX 1", statementfiles::ofxSgml(s), true},
                     {"OFX 2", statementfiles::ofxXml(s), true},
                     {"CFONB", statementfiles::cfonb(s), true},
                     {"CSV Montant", statementfiles::csv(s, false), false},
                     {"CSV Débit Crédit", statementfiles::csv(s, true), false}};
        for (const auto &file : files) {
            const Read r = readFile(QStringLiteral("releve"), file.bytes);
            ASSERT_TRUE(r.reading.read) << file.format << ": " << r.reading.message.toStdString();
            ASSERT_EQ(r.statement.lines.size(), s.lines.size()) << file.format;
            for (std::size_t i = 0; i < s.lines.size(); ++i) {
                EXPECT_EQ(r.statement.lines[i].date, s.lines[i].date) << file.format;
                EXPECT_EQ(r.statement.lines[i].amount, s.lines[i].amount) << file.format;
                EXPECT_EQ(r.statement.lines[i].label, s.lines[i].label) << file.format;
            }
            EXPECT_EQ(r.statement.closingBalance, file.statesPeriod ? s.closingBalance : std::nullopt) << file.format;
            EXPECT_EQ(r.statement.periodEnd(), file.statesPeriod ? *s.end : r.statement.periodEnd()) << file.format;
        }
    }
}

} // namespace
