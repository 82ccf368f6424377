#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

// One telephone message as its card shows it.
struct Message {
    // "Pour", "De", "Société", "N° tél.", "Date", "Heure", "Objet".
    std::array<QString, 7> fields;
    // "A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT".
    std::array<bool, 5> flags{};

    // A line of the book: the fields by position between TABs, leading blanks
    // dropped, then the flags, one "T" for each box checked. Missing fields
    // are empty and missing flags unchecked; fields past the eighth are ignored.
    static Message fromLine(const QString &line);
    // What a field holds once the user leaves it: an empty "Date" takes
    // today's date and an empty "Heure" the time; any other text stays.
    static QString leftField(std::size_t field, const QString &text, QDate today, QTime now);
    // The eight fields of the line: the seven texts (a TAB or a line break
    // typed or pasted into one becomes a blank; leading blanks are dropped,
    // as reading the line would) and five "T" or "F".
    QString line() const;
};

// The telephone-message book kept beside a ledger file: one message per line,
// a current message, never fewer than one message.
class MessageBook {
public:
    // The book's file: the ledger's file name cut before the first "." of its
    // own name (never of a folder's) with ".oms" appended; a dossier never
    // saved has ".oms" in the current folder.
    static QString fileFor(const QString &ledgerFile);

    // A new book: one blank message, shown.
    MessageBook() = default;

    // Reads the book from its file and shows its last message; a missing file
    // or one without a line gives one blank message. Gives back the
    // user's message when the file exists but cannot be read, the book then
    // left as it was.
    QString Charge(const QString &path);
    // Writes the book to its file; the user's message when it failed.
    QString Sauve(const QString &path) const;

    int index() const { return index_; }
    int count() const { return int(lines_.size()); }
    const QStringList &lines() const { return lines_; }
    Message current() const { return Message::fromLine(lines_[index_]); }

    // Puts the message shown back in its place in the book.
    void EcritFiche(const Message &shown) { lines_[index_] = shown.line(); }
    // "<" and ">": the message before or after, never past either end.
    void previous();
    void next();
    // "+": a blank message at the end, shown.
    void add();
    // "-": deletes the message shown and shows the one that took its place,
    // or the new last one; deleting the only message leaves a blank one.
    void remove();

private:
    QStringList lines_{kBlank};
    int index_ = 0;

    static inline const QString kBlank = QStringLiteral(" ");
};
