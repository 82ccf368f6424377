#include "bank/OfxReader.h"

#include "bank/StatementText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace bank::ofx {
namespace {

// A bank's statement nests its aggregates some eight deep and writes some ten
// tags a transaction: these bounds leave room for years of daily movements
// and stop a file built to make the reading take hours before it starts.
constexpr std::size_t kMaxDepth = 32;
constexpr std::size_t kMaxTags = 2'000'000;

bool containsNoCase(std::string_view bytes, std::string_view word)
{
    const auto it = std::search(bytes.begin(), bytes.end(), word.begin(), word.end(),
                                [](char a, char b) { return std::toupper((unsigned char)a) == b; });
    return it != bytes.end();
}

bool is(QStringView name, QLatin1StringView tag)
{
    return name.compare(tag, Qt::CaseInsensitive) == 0;
}

// The leaf elements met in and around the transactions: SGML leaves them
// unclosed, so one written empty is told from an aggregate by its name.
bool isLeaf(QStringView name)
{
    static constexpr std::array<QLatin1StringView, 22> leaves{
        QLatin1StringView("DTPOSTED"), QLatin1StringView("TRNAMT"),   QLatin1StringView("NAME"),
        QLatin1StringView("MEMO"),     QLatin1StringView("FITID"),    QLatin1StringView("TRNTYPE"),
        QLatin1StringView("DTUSER"),   QLatin1StringView("DTAVAIL"),  QLatin1StringView("CORRECTFITID"),
        QLatin1StringView("SRVRTID"),  QLatin1StringView("CHECKNUM"), QLatin1StringView("REFNUM"),
        QLatin1StringView("SIC"),      QLatin1StringView("PAYEEID"),  QLatin1StringView("EXTDNAME"),
        QLatin1StringView("DTSTART"),  QLatin1StringView("DTEND"),    QLatin1StringView("BALAMT"),
        QLatin1StringView("DTASOF"),   QLatin1StringView("CURRATE"),  QLatin1StringView("CURSYM"),
        QLatin1StringView("CORRECTACTION")};
    return std::any_of(leaves.begin(), leaves.end(), [&](QLatin1StringView leaf) { return is(name, leaf); });
}

// A leaf's text with the entities SGML and XML both write.
QString unescaped(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text[i] == u'&' ? text.indexOf(u';', i) : -1;
        if (end < 0 || end - i > 10) {
            out.append(text[i]);
            continue;
        }
        const QStringView entity = text.mid(i + 1, end - i - 1);
        bool ok = false;
        uint code = 0;
        if (entity.startsWith(u"#x") || entity.startsWith(u"#X"))
            code = entity.mid(2).toUInt(&ok, 16);
        else if (entity.startsWith(u'#'))
            code = entity.mid(1).toUInt(&ok, 10);
        const std::pair<const char16_t *, char16_t> named[] = {
            {u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\xA0'}};
        for (const auto &[word, c] : named)
            if (entity == QStringView(word))
                code = c, ok = true;
        if (!ok || code == 0 || code > 0x10FFFF) {
            out.append(text[i]);
            continue;
        }
        const char32_t character = code;
        out.append(QString::fromUcs4(&character, 1));
        i = end;
    }
    return out;
}

QString label(QStringView value)
{
    return unescaped(value).trimmed();
}

// A transaction's texts as the file wrote them, and where.
struct Transaction {
    std::size_t number = 0;
    int line = 0;
    std::optional<QStringView> posted;
    std::optional<QStringView> amount;
    QString name, memo, id;
};

class Reader {
public:
    explicit Reader(const QString &text) : text_(text) {}

    // Reads the body from its "<OFX>" on; the reason when it cannot.
    QString read(Statement &out);

private:
    QString onOpen(QStringView name, QStringView value, bool leaf);
    QString onClose(QStringView name);
    QString onLeaf(QStringView name, QStringView value);
    QString finish(const Transaction &t);
    QString at(const Transaction &t, const QString &what) const
    {
        return QStringLiteral("opération %1, ligne %2 : %3").arg(t.number).arg(t.line).arg(what);
    }
    QString fault(const QString &what) const { return QStringLiteral("ligne %1 : %2").arg(tagLine_).arg(what); }
    // The line of the text at `position`, counted forward from the last asked.
    int lineAt(qsizetype position)
    {
        for (; counted_ < position; ++counted_)
            if (text_[counted_] == u'\n')
                ++line_;
        return line_;
    }

    const QString &text_;
    qsizetype counted_ = 0;
    int line_ = 1;
    int tagLine_ = 1; // the line of the tag being read
    std::vector<QStringView> open_; // the aggregates open, outermost first
    std::optional<Transaction> transaction_;
    std::size_t transactionDepth_ = 0;
    std::size_t transactions_ = 0;
    int statements_ = 0;
    bool closed_ = false;
    Statement statement_;
};

QString Reader::read(Statement &out)
{
    const qsizetype start = text_.indexOf(QLatin1StringView("<OFX>"), 0, Qt::CaseInsensitive);
    statement_.format = StatementFormat::Ofx;
    QStringView lastLeaf;
    for (qsizetype i = start; i >= 0 && i < text_.size() && !closed_;) {
        const qsizetype end = text_.indexOf(u'>', i);
        if (end < 0)
            break;
        tagLine_ = lineAt(i);
        const QStringView tag = QStringView(text_).mid(i + 1, end - i - 1);
        qsizetype next = text_.indexOf(u'<', end);
        if (next < 0)
            next = text_.size();
        const QStringView value = QStringView(text_).mid(end + 1, next - end - 1).trimmed();
        i = next;
        // Processing instructions and comments of XML, declarations of SGML.
        if (tag.startsWith(u'?') || tag.startsWith(u'!'))
            continue;
        const bool closing = tag.startsWith(u'/');
        const QStringView name = closing ? tag.mid(1) : tag;
        if (name.isEmpty() || !std::all_of(name.begin(), name.end(), [](QChar c) {
                return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'_';
            }))
            return fault(QStringLiteral("balise illisible « <%1> »").arg(tag.left(40).toString()));
        QString problem;
        if (closing) {
            // The end tag XML writes after a leaf's text.
            if (lastLeaf.isEmpty() || name.compare(lastLeaf, Qt::CaseInsensitive) != 0)
                problem = onClose(name);
            lastLeaf = {};
        } else {
            const bool leaf = !value.isEmpty() || isLeaf(name);
            lastLeaf = leaf ? name : QStringView();
            problem = onOpen(name, value, leaf);
        }
        if (!problem.isEmpty())
            return problem;
    }
    if (!closed_)
        return QStringLiteral("le fichier OFX est incomplet");
    if (statements_ == 0)
        return QStringLiteral("le fichier OFX ne contient aucun relevé de compte");
    out = std::move(statement_);
    return {};
}

QString Reader::onOpen(QStringView name, QStringView value, bool leaf)
{
    if (leaf)
        return onLeaf(name, value);
    if (open_.size() >= kMaxDepth)
        return fault(QStringLiteral("les balises y sont imbriquées sur plus de %1 niveaux, ce qu'aucun relevé ne fait")
                         .arg(kMaxDepth));
    if (is(name, QLatin1StringView("STMTRS")) || is(name, QLatin1StringView("CCSTMTRS"))) {
        if (++statements_ > 1)
            return QStringLiteral("le fichier OFX contient les relevés de plusieurs comptes");
    } else if (is(name, QLatin1StringView("STMTTRN")) && !transaction_ && !open_.empty()
               && is(open_.back(), QLatin1StringView("BANKTRANLIST"))) {
        transaction_ = Transaction{++transactions_, tagLine_, {}, {}, {}, {}, {}};
        transactionDepth_ = open_.size();
    }
    open_.push_back(name);
    return {};
}

QString Reader::onClose(QStringView name)
{
    const auto match = std::find_if(open_.rbegin(), open_.rend(), [&](QStringView o) { return o.compare(name, Qt::CaseInsensitive) == 0; });
    if (match == open_.rend())
        return fault(QStringLiteral("balise « </%1> » sans balise ouvrante").arg(name.toString()));
    const std::size_t depth = std::size_t(open_.rend() - match) - 1;
    if (transaction_ && transactionDepth_ >= depth) {
        const QString problem = finish(*transaction_);
        transaction_.reset();
        if (!problem.isEmpty())
            return problem;
    }
    open_.resize(depth);
    closed_ = depth == 0 && is(name, QLatin1StringView("OFX"));
    return {};
}

QString Reader::onLeaf(QStringView name, QStringView value)
{
    const QStringView parent = open_.empty() ? QStringView() : open_.back();
    if (transaction_ && open_.size() == transactionDepth_ + 1) {
        Transaction &t = *transaction_;
        const auto once = [&](std::optional<QStringView> &field, const QString &what) {
            if (field)
                return at(t, QStringLiteral("%1 écrit deux fois").arg(what));
            field = value;
            return QString();
        };
        if (is(name, QLatin1StringView("DTPOSTED")))
            return once(t.posted, QStringLiteral("DTPOSTED"));
        if (is(name, QLatin1StringView("TRNAMT")))
            return once(t.amount, QStringLiteral("TRNAMT"));
        if (is(name, QLatin1StringView("NAME")))
            t.name = label(value);
        else if (is(name, QLatin1StringView("MEMO")))
            t.memo = label(value);
        else if (is(name, QLatin1StringView("FITID")))
            t.id = label(value);
        return {};
    }
    const auto periodDate = [&](std::optional<QDate> &field, const QString &what) {
        const QDate date = parseOfxDate(value);
        if (!date.isValid())
            return fault(QStringLiteral("%1 illisible « %2 »").arg(what, value.toString()));
        field = date;
        return QString();
    };
    if (is(parent, QLatin1StringView("BANKTRANLIST")) && is(name, QLatin1StringView("DTSTART")))
        return periodDate(statement_.start, QStringLiteral("date de début du relevé"));
    if (is(parent, QLatin1StringView("BANKTRANLIST")) && is(name, QLatin1StringView("DTEND")))
        return periodDate(statement_.end, QStringLiteral("date de fin du relevé"));
    if (is(parent, QLatin1StringView("LEDGERBAL")) && is(name, QLatin1StringView("BALAMT"))) {
        statement_.closingBalance = parseStatementAmount(value);
        if (!statement_.closingBalance)
            return fault(QStringLiteral("solde illisible « %1 »").arg(value.toString()));
    }
    return {};
}

QString Reader::finish(const Transaction &t)
{
    if (!t.amount || t.amount->isEmpty())
        return at(t, QStringLiteral("montant (TRNAMT) absent"));
    const std::optional<Cents> amount = parseStatementAmount(*t.amount);
    if (!amount)
        return at(t, QStringLiteral("montant illisible « %1 »").arg(t.amount->toString()));
    if (!t.posted || t.posted->isEmpty())
        return at(t, QStringLiteral("date (DTPOSTED) absente"));
    const QDate date = parseOfxDate(*t.posted);
    if (!date.isValid())
        return at(t, QStringLiteral("date illisible « %1 »").arg(t.posted->toString()));
    QString label = t.name;
    if (!t.memo.isEmpty() && t.memo != label)
        label = label.isEmpty() ? t.memo : label + u' ' + t.memo;
    statement_.lines.push_back({date, *amount, label, t.id});
    return {};
}

} // namespace

bool looksLike(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 4096);
    return containsNoCase(head, "OFXHEADER") || containsNoCase(head, "<OFX>");
}

QString read(std::string_view bytes, Statement &out)
{
    // A statement must end as it began: a cut file is not read in part.
    if (!containsNoCase(bytes, "</OFX>"))
        return QStringLiteral("le fichier OFX est incomplet");
    if (std::size_t(std::count(bytes.begin(), bytes.end(), '<')) > kMaxTags)
        return QStringLiteral("il compte plus de %1 balises, ce qu'aucun relevé ne fait").arg(kMaxTags);
    const QString text = decodeText(bytes);
    return Reader(text).read(out);
}

} // namespace bank::ofx
