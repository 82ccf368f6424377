#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// The chart of accounts (`ListePlc`) or the journals list (`ListeJnx`): one
// line per account or journal, read here and nowhere else.
//
// A chart line is the code, a space, the used flag, the pointable flag (left
// out for an account the chart editor saved as not pointable), a space and
// the label: "411000 ON Clients". A journal line is the code, a space, the
// used flag, a space and the name: "VE O Ventes". The code is the text before
// the first space, the flags stand at their places right after that space,
// and the label is the text from the place after the flags on, trimmed.
//
// Look-ups give the first line that matches, in the order of the list. They
// go through an index built at the first look-up after a change, so that a
// statement naming every account of a chart of tens of thousands stays fast.
class CodeList {
public:
    enum class Kind { Chart, Journals };
    static constexpr qsizetype npos = -1;

    explicit CodeList(Kind kind, QStringList lines = {});
    CodeList &operator=(QStringList lines);

    Kind kind() const { return kind_; }
    const QStringList &lines() const { return lines_; }
    // The windows and files that show or store the list take it as text lines.
    operator const QStringList &() const { return lines_; }
    qsizetype size() const { return lines_.size(); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QString &operator[](qsizetype i) const { return lines_[i]; }
    QStringList::const_iterator begin() const { return lines_.begin(); }
    QStringList::const_iterator end() const { return lines_.end(); }

    void append(const QString &line);
    void replace(qsizetype i, const QString &line);
    void removeAt(qsizetype i);
    void clear();
    // Byte order of the lines' code page 1252 form: the order of the chart file.
    void sortByText();
    static void sortByText(QStringList &lines);

    // The code of a line: the text before its first space, the whole line
    // without one.
    static QString codeOf(const QString &line);
    QString code(qsizetype i) const { return codeOf(lines_[i]); }
    // The flag characters: the used flag, then for a chart line the
    // pointable flag (missing on some lines).
    QString flags(qsizetype i) const;
    // The used flag is "O".
    bool isUsed(qsizetype i) const;
    // The pointable flag of a chart line is "O" (never for a journal).
    bool takesCheckOff(qsizetype i) const;
    // The account's label or the journal's name.
    QString label(qsizetype i) const;
    // Sets the used flag to "O", everything else kept.
    void markUsed(qsizetype i);
    // Marks used the line of the account (findAccount) or of the code
    // (findCode); true when the list changed.
    bool markAccountUsed(QStringView account);
    bool markCodeUsed(QStringView code);

    // The line whose code is exactly `code`.
    qsizetype findCode(QStringView code) const;
    // The line whose first six characters are the account: an account is six
    // characters, and the entry line completes what the user types to six.
    qsizetype findAccount(QStringView account) const;
    // The first line that begins with the text; none for an empty text.
    qsizetype findStartingWith(QStringView text) const;

    friend bool operator==(const CodeList &a, const CodeList &b) { return a.lines_ == b.lines_; }
    friend bool operator==(const CodeList &a, const QStringList &b) { return a.lines_ == b; }

private:
    class Index;
    const Index &index() const;
    qsizetype codeLength(qsizetype i) const;
    qsizetype flagCount() const;
    bool markFoundUsed(qsizetype i);

    Kind kind_;
    QStringList lines_;
    // Shared by copies, which hold the same lines; dropped by every change.
    mutable std::shared_ptr<const Index> index_;
};
