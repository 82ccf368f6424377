#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <vector>

// The words of a PDF file with their boxes, as poppler's pdftotext reads them
// back: what a reader of the file finds where.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points, from the page's top-left corner
};

struct PdfText {
    bool read = false;
    std::vector<std::vector<PdfWord>> pages;

    // The first word of that text on the page, or nullptr.
    const PdfWord *find(int page, const QString &text) const
    {
        if (page < 0 || page >= int(pages.size()))
            return nullptr;
        for (const PdfWord &word : pages[page])
            if (word.text == text)
                return &word;
        return nullptr;
    }
};

inline QString unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

inline PdfText readPdfText(const QString &path)
{
    PdfText result;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit || pdftotext.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(
        QString::fromLatin1(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            result.pages.emplace_back();
            continue;
        }
        if (result.pages.empty())
            continue;
        result.pages.back().push_back({unescaped(m.captured(5)), m.captured(1).toDouble(),
                                       m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    result.read = true;
    return result;
}

inline double pointsToMm(double points)
{
    return points * 25.4 / 72.0;
}
