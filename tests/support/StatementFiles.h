#pragma once

#include "bank/Statement.h"
#include "ledger/Codec1252.h"

#include <QRandomGenerator>
#include <string>

// A statement written out in each format a bank sends, the way banks write
// them, for the readers' tests, round trips and fuzz seeds.
namespace statementfiles {

inline std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// "20240305".
inline std::string ofxDate(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

inline std::string ofxAmount(Cents cents, char decimalMark)
{
    std::string text = forms::formatAmount(cents).toStdString();
    for (char &c : text)
        if (c == ',')
            c = decimalMark;
    return text;
}

// OFX 1: SGML header lines, unclosed leaf tags, code page 1252, decimal comma.
inline std::string ofxSgml(const bank::Statement &s)
{
    std::string out = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
                      "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
                      "<OFX>\r\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>\r\n"
                      "<STMTRS><CURDEF>EUR<BANKACCTFROM><BANKID>30004<ACCTID>00012345678<ACCTTYPE>CHECKING"
                      "</BANKACCTFROM>\r\n<BANKTRANLIST><DTSTART>" + ofxDate(*s.start) + "<DTEND>" + ofxDate(*s.end) + "\r\n";
    int id = 0;
    for (const bank::StatementLine &line : s.lines)
        out += "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>" + ofxDate(line.date) + "<TRNAMT>" + ofxAmount(line.amount, ',') +
               "<FITID>" + std::to_string(++id) + "<NAME>" + cp1252::encode(line.label) + "\r\n</STMTTRN>\r\n";
    return out + "</BANKTRANLIST><LEDGERBAL><BALAMT>" + ofxAmount(*s.closingBalance, ',') + "<DTASOF>" +
           ofxDate(*s.end) + "</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1>\r\n</OFX>\r\n";
}

// OFX 2: XML, UTF-8, decimal point.
inline std::string ofxXml(const bank::Statement &s)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\" "
                      "SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
                      "<TRNUID>1</TRNUID><STMTRS><CURDEF>EUR</CURDEF><BANKACCTFROM><BANKID>1</BANKID><ACCTID>2</ACCTID>"
                      "<ACCTTYPE>CHECKING</ACCTTYPE></BANKACCTFROM>\n<BANKTRANLIST><DTSTART>" + ofxDate(*s.start) +
                      "</DTSTART><DTEND>" + ofxDate(*s.end) + "</DTEND>\n";
    int id = 0;
    for (const bank::StatementLine &line : s.lines)
        out += "<STMTTRN><TRNTYPE>OTHER</TRNTYPE><DTPOSTED>" + ofxDate(line.date) + "</DTPOSTED><TRNAMT>" +
               ofxAmount(line.amount, '.') + "</TRNAMT><FITID>" + std::to_string(++id) + "</FITID><NAME>" +
               utf8(line.label) + "</NAME></STMTTRN>\n";
    return out + "</BANKTRANLIST><LEDGERBAL><BALAMT>" + ofxAmount(*s.closingBalance, '.') + "</BALAMT><DTASOF>" +
           ofxDate(*s.end) + "</DTASOF></LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

// One CFONB 120 record: the code, the date, the label and the amount at
// their places, the amount's last digit overpunched with its sign.
inline std::string cfonbRecord(const char *code, QDate date, const QString &label, Cents amount,
                               const QString &reference = {})
{
    std::string r(120, ' ');
    const auto put = [&](std::size_t position, const std::string &text) { r.replace(position - 1, text.size(), text); };
    put(1, code);
    put(3, "30004");
    put(12, "00001");
    put(17, "EUR");
    put(20, "2");
    put(22, "00012345678");
    put(35, date.toString(QStringLiteral("ddMMyy")).toStdString());
    put(49, cp1252::encode(label).substr(0, 31));
    std::string digits = std::to_string(amount < 0 ? -amount : amount);
    digits.insert(0, 14 - digits.size(), '0');
    const int last = digits.back() - '0';
    digits.back() = last == 0 ? (amount < 0 ? '}' : '{') : char((amount < 0 ? 'J' : 'A') + last - 1);
    put(91, digits);
    put(105, cp1252::encode(reference).substr(0, 16));
    return r;
}

// The new balance is the old one plus the movements, as a bank's always is,
// when the statement does not state it.
inline std::string cfonb(const bank::Statement &s)
{
    Cents balance = s.openingBalance.value_or(0);
    std::string out = cfonbRecord("01", *s.start, {}, balance) + "\r\n";
    for (const bank::StatementLine &line : s.lines) {
        out += cfonbRecord("04", line.date, line.label, line.amount, line.reference) + "\r\n";
        balance += line.amount;
    }
    return out + cfonbRecord("07", *s.end, {}, s.closingBalance.value_or(balance)) + "\r\n";
}

// CSV: account lines, then the header and the table; one signed "Montant"
// column in UTF-8 with its mark, or "Débit" and "Crédit" in code page 1252.
// With `statedBalances`, the account lines also give the opening balance the
// day before the start and the closing one at the end ("Solde au ...").
inline std::string csv(const bank::Statement &s, bool debitAndCredit, bool statedBalances = false)
{
    QString text = QStringLiteral("Compte courant n° 00012345678;;;\r\nDevise : EUR;;;\r\n");
    if (statedBalances) {
        for (const auto &[day, balance] : {std::pair{s.start->addDays(-1), *s.openingBalance}, std::pair{*s.end, *s.closingBalance}})
            text += QStringLiteral("Solde au %1;%2 €;\r\n").arg(forms::formatDate(day), forms::formatAmount(balance));
    }
    text += QStringLiteral("\r\n");
    text += debitAndCredit ? QStringLiteral("Date opération;Date valeur;Libellé;Débit euros;Crédit euros\r\n")
                           : QStringLiteral("Date;Libellé;Montant (EUR)\r\n");
    for (const bank::StatementLine &line : s.lines) {
        const QString date = forms::formatDate(line.date);
        const QString label = u'"' + QString(line.label).replace(u'"', QStringLiteral("\"\"")) + u'"';
        // Thousands apart by a no-break space, as spreadsheets write them.
        QString amount = forms::formatAmount(line.amount < 0 && debitAndCredit ? -line.amount : line.amount);
        const qsizetype comma = amount.indexOf(u',');
        if (comma > 4)
            amount.insert(comma - 3, QChar(0x00A0));
        text += debitAndCredit ? QStringList{date, date, label, line.amount < 0 ? amount : QString(),
                                             line.amount < 0 ? QString() : amount}.join(u';')
                               : QStringList{date, label, amount}.join(u';');
        text += QStringLiteral("\r\n");
    }
    return debitAndCredit ? cp1252::encode(text) : "\xEF\xBB\xBF" + utf8(text);
}

// A statement of random lines: labels of letters, accents and quotes, amounts
// of both signs, dates within the period.
inline bank::Statement randomStatement(QRandomGenerator &random)
{
    bank::Statement s;
    const QDate start(2024, 3, 1);
    s.start = start;
    s.end = start.addDays(30);
    static const QString letters = QStringLiteral("ABCDEÉÈabcé 0123456789'-/\"");
    const int count = 1 + random.bounded(20);
    Cents balance = 0;
    for (int i = 0; i < count; ++i) {
        QString label = QStringLiteral("OP");
        for (int n = random.bounded(25); n > 0; --n)
            label += letters[random.bounded(int(letters.size()))];
        const Cents amount = (random.bounded(2) ? 1 : -1) * (1 + Cents(random.bounded(5'000'000)));
        s.lines.push_back({start.addDays(random.bounded(31)), amount, label.simplified(), {}});
        balance += amount;
    }
    s.closingBalance = balance;
    return s;
}

} // namespace statementfiles
