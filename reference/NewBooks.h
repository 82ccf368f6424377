#pragma once

#include "ledger/ReferenceData.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

// A new user's books made in one step ("Nouvelle comptabilité", and
// `tavelin-cli nouveau`): the four reference files of the start-up folder
// (the company, a chart of accounts taken from the general chart, the usual
// journals, the settings with the entry guides), the SIREN in the settings
// the FEC export reads, and the first fiscal year's dossier, empty but for
// its header. Everything stays editable in the usual windows afterwards.
namespace newbooks {

enum class Chart { Abridged, Complete, Empty };

// A first fiscal year may run up to this many months.
inline constexpr int kLongestFirstYear = 24;
// The letterhead's lines between the company's name and its SIREN.
inline constexpr int kAddressLines = 5;

struct Answers {
    QString company;
    QStringList address; // up to kAddressLines lines; blank ones are left out
    QString siren;
    QDate start;
    QDate end;
    QString dossier; // the new dossier's path
    Chart chart = Chart::Abridged;
};

// What the assistant proposes: the calendar year of `today`, a dossier
// "compta-AAAA.jnl" in `folder`, the abridged chart.
Answers proposed(QDate today, const QString &folder);

// The path with ".jnl" added when it does not end so (in any case).
QString dossierPath(const QString &path);

// The chart named on the command line: "abrege", "complet" or "vide".
std::optional<Chart> chartNamed(const QString &word);

// The first answer that cannot be taken, as the user is told: no company
// name, a SIREN that is none, dates missing or in the wrong order, a year
// over 24 months, no dossier name, a dossier file that already exists.
// Empty when everything can be written.
QString refusal(const Answers &answers);

// The chart of the choice, as chart lines in the chart file's order: each
// number of the general chart (two and three digits for the abridged one,
// with the VAT accounts of the entry guides; all for the complete one)
// padded with zeros to six digits; where padding makes two numbers one (11
// and 110), the longer number's label stays. The bank, cash, supplier and
// customer accounts (512, 53, 401, 411) take check-off marks.
QStringList chartLines(Chart chart);

// What the reference files will hold.
ReferenceData referenceData(const Answers &answers);

// The reference files of `dir` that hold something the books would replace:
// not those a first run leaves at exit, empty or with the settings'
// defaults (the company's blank lines, "[JOURNAUX]" alone), which are
// replaced without a word. Then the question that asks the user.
QStringList existingReferenceFiles(const QDir &dir);
QString replaceQuestion(const QStringList &files);

// Writes the dossier, then the reference files of `dir` (replacing those
// there) and the SIREN in its settings, each atomically; the message of the
// first write that failed, empty when all went through. The answers must
// pass refusal().
QString write(const QDir &dir, const Answers &answers);

} // namespace newbooks
