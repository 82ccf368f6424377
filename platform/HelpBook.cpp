#include "platform/HelpBook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {

bool readUtf8(const QString &path, QString &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = QString::fromUtf8(file.readAll());
    return true;
}

QStringList commaList(const QString &field)
{
    QStringList out;
    for (const QString &item : field.split(u',', Qt::SkipEmptyParts))
        if (!item.trimmed().isEmpty())
            out.append(item.trimmed());
    return out;
}

int occurrences(const QString &haystack, const QString &needle)
{
    int count = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + needle.size()))
        ++count;
    return count;
}

// Numeric entities, and the named ones a French page uses; others stay as written.
QString decodeEntities(const QString &text)
{
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},     {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},      {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},    {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("laquo"), QStringLiteral("«")},   {QStringLiteral("raquo"), QStringLiteral("»")},
        {QStringLiteral("eacute"), QStringLiteral("é")},  {QStringLiteral("egrave"), QStringLiteral("è")},
        {QStringLiteral("ecirc"), QStringLiteral("ê")},   {QStringLiteral("euml"), QStringLiteral("ë")},
        {QStringLiteral("agrave"), QStringLiteral("à")},  {QStringLiteral("acirc"), QStringLiteral("â")},
        {QStringLiteral("ccedil"), QStringLiteral("ç")},  {QStringLiteral("icirc"), QStringLiteral("î")},
        {QStringLiteral("iuml"), QStringLiteral("ï")},    {QStringLiteral("ocirc"), QStringLiteral("ô")},
        {QStringLiteral("ucirc"), QStringLiteral("û")},   {QStringLiteral("ugrave"), QStringLiteral("ù")},
        {QStringLiteral("oelig"), QStringLiteral("œ")},   {QStringLiteral("Eacute"), QStringLiteral("É")},
        {QStringLiteral("Egrave"), QStringLiteral("È")},  {QStringLiteral("Agrave"), QStringLiteral("À")},
        {QStringLiteral("Ccedil"), QStringLiteral("Ç")},  {QStringLiteral("euro"), QStringLiteral("€")},
    };
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[A-Za-z]+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        QString replacement = m.captured(0);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint code = (hex ? name.mid(2) : name.mid(1)).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF) {
                const char32_t c = code;
                replacement = QString::fromUcs4(&c, 1);
            }
        } else if (named.contains(name)) {
            replacement = named.value(name);
        }
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += replacement;
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

} // namespace

QString HelpBook::fold(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x0153) || c == QChar(0x0152))
            folded += QStringLiteral("oe");
        else if (c == QChar(0x00E6) || c == QChar(0x00C6))
            folded += QStringLiteral("ae");
        else
            folded += c.toLower();
    }
    return folded;
}

QString HelpBook::plainText(const QString &html)
{
    static const QRegularExpression head(QStringLiteral("<head[^>]*>.*</head>"),
                                         QRegularExpression::DotMatchesEverythingOption
                                             | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString text = html;
    text.remove(head);
    text.replace(tag, QStringLiteral(" "));
    return decodeEntities(text).replace(blanks, QStringLiteral(" ")).trimmed();
}

bool HelpBook::load(const QString &folder, QString *why)
{
    const QDir dir(folder);
    QString toc;
    if (!readUtf8(dir.filePath(kContentsFile), toc)) {
        if (why)
            *why = QStringLiteral("le sommaire %1 est introuvable").arg(QDir::toNativeSeparators(dir.filePath(kContentsFile)));
        return false;
    }
    QList<HelpTopic> topics;
    QString helpOnHelp;
    QHash<QString, QString> texts;
    for (const QString &raw : toc.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        if (line.startsWith(u'@')) {
            if (fields.size() >= 2 && fields[0] == QStringLiteral("@utiliser"))
                helpOnHelp = fields[1].trimmed();
            continue;
        }
        if (fields.size() < 3)
            continue;
        HelpTopic topic;
        topic.level = std::max(1, fields[0].trimmed().toInt());
        topic.file = fields[1].trimmed();
        topic.title = fields[2].trimmed();
        if (fields.size() > 3)
            for (const QString &c : commaList(fields[3]))
                topic.contexts.append(c.toInt());
        if (fields.size() > 4)
            topic.keywords = commaList(fields[4]);
        QString html;
        if (!readUtf8(dir.filePath(topic.file), html)) {
            if (why)
                *why = QStringLiteral("la page %1 est introuvable").arg(topic.file);
            return false;
        }
        texts.insert(topic.file, fold(plainText(html)));
        topics.append(topic);
    }
    if (topics.isEmpty()) {
        if (why)
            *why = QStringLiteral("le sommaire ne contient aucune page");
        return false;
    }
    folder_ = folder;
    topics_ = topics;
    helpOnHelp_ = helpOnHelp.isEmpty() ? topics.first().file : helpOnHelp;
    foldedText_ = texts;
    return true;
}

QString HelpBook::contentsPage() const
{
    return topics_.isEmpty() ? QString() : topics_.first().file;
}

QString HelpBook::helpOnHelpPage() const
{
    return helpOnHelp_;
}

QString HelpBook::pageForContext(int context) const
{
    for (const HelpTopic &t : topics_)
        if (t.contexts.contains(context))
            return t.file;
    return contentsPage();
}

QString HelpBook::titleOf(const QString &file) const
{
    for (const HelpTopic &t : topics_)
        if (t.file == file)
            return t.title;
    return QString();
}

QList<HelpTopic> HelpBook::search(const QString &query) const
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    const QStringList words = fold(query).split(separators, Qt::SkipEmptyParts);
    QList<HelpTopic> found;
    if (words.isEmpty()) {
        found = topics_;
        std::stable_sort(found.begin(), found.end(), [](const HelpTopic &a, const HelpTopic &b) {
            return fold(a.title) < fold(b.title);
        });
        return found;
    }
    QList<std::pair<int, HelpTopic>> scored;
    for (const HelpTopic &t : topics_) {
        const QString title = fold(t.title);
        const QString keywords = fold(t.keywords.join(u' '));
        const QString text = foldedText_.value(t.file);
        int score = 0;
        bool all = true;
        for (const QString &w : words) {
            const int inText = occurrences(text, w);
            const bool inTitle = title.contains(w);
            const bool inKeywords = keywords.contains(w);
            if (!inTitle && !inKeywords && inText == 0) {
                all = false;
                break;
            }
            score += (inTitle ? 100 : 0) + (inKeywords ? 20 : 0) + std::min(inText, 19);
        }
        if (all)
            scored.append({score, t});
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &s : scored)
        found.append(s.second);
    return found;
}
