#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One entry of a help book's table of contents.
struct HelpTopic {
    int level = 1;           // 1 for a chapter, 2 for a page under it
    QString file;            // the page, relative to the book's folder
    QString title;
    QList<int> contexts;     // help context numbers that lead to the page
    QStringList keywords;
};

// A help book: a folder of HTML pages and its table of contents, the text
// file "sommaire.txt". Each line of it reads
//     level|file|title|contexts|keywords
// with contexts and keywords separated by commas; "#" starts a comment and a
// line "@utiliser|file" names the page on using the help. The first topic is
// the book's contents page.
class HelpBook {
public:
    static inline const QString kContentsFile = QStringLiteral("sommaire.txt");

    // Reads the book of a folder (a disk folder or a resource folder ":/...").
    // False, with the reason in French, when it holds no readable book.
    bool load(const QString &folder, QString *why = nullptr);

    QString folder() const { return folder_; }
    const QList<HelpTopic> &topics() const { return topics_; }
    QString contentsPage() const;
    QString helpOnHelpPage() const;
    // The page of a context number; the contents page for an unknown one.
    QString pageForContext(int context) const;
    QString titleOf(const QString &file) const;

    // The pages that hold every word of the query, accents and case ignored,
    // best first: a word in the title counts most, then in the keywords, then
    // each time it stands in the text. An empty query lists every page by title.
    QList<HelpTopic> search(const QString &query) const;

    // Lower case, without accents, "œ" as "oe": the form words are compared in.
    static QString fold(const QString &text);
    // The text of an HTML page, without its tags, entities decoded.
    static QString plainText(const QString &html);

private:
    QString folder_;
    QList<HelpTopic> topics_;
    QString helpOnHelp_;
    QHash<QString, QString> foldedText_; // file -> folded plain text
};
