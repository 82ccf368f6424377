#include "ledger/ReferenceData.h"

#include "ledger/LineFile.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <vector>

namespace reference {
namespace {

// Reads a text file of the folder into decoded lines. Missing file: false and
// no message; unreadable file: false, the message, and `unread` set.
// A folder of the file's name counts as no file: the exit's save then tells
// the user it cannot write there.
bool readLines(const QString &path, QStringList &out, QString &message, bool &unread)
{
    if (!QFileInfo(path).isFile())
        return false;
    message = linefile::read(path, out);
    if (!message.isEmpty())
        unread = true;
    return message.isEmpty();
}

QStringList codesOf(const CodeList &list)
{
    QStringList codes;
    codes.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i)
        codes.append(list.code(i));
    CodeList::sortByText(codes);
    return codes;
}

// The settings reader's number forms: an integer, or a real with a "." and an
// optional exponent, blanks around.
bool readInteger(const QString &text, int &value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

bool readReal(const QString &text, double &value)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.contains(u','))
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && std::isfinite(v))
        value = v;
    return ok && std::isfinite(v);
}

} // namespace

QString journalsPath(const QDir &dir)
{
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : entries)
        if (name.compare(kCbxFile, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return dir.filePath(kCbxWrittenName);
}

bool holdsReferenceFiles(const QDir &dir)
{
    for (const QString &name : {kCompanyFile, kChartFile, kIniFile})
        if (QFileInfo(dir.filePath(name)).isFile())
            return true;
    return QFileInfo(journalsPath(dir)).isFile();
}

QString ChargeSoc(const QDir &dir, ReferenceData &ref)
{
    QStringList lines;
    QString message;
    if (readLines(dir.filePath(kCompanyFile), lines, message, ref.unread.company))
        for (qsizetype i = 0; i < lines.size() && i < 7; ++i)
            ref.Societe[std::size_t(i)] = lines[i];
    return message;
}

QString ChargePlc(const QDir &dir, ReferenceData &ref)
{
    QStringList lines;
    QString message;
    if (readLines(dir.filePath(kChartFile), lines, message, ref.unread.chart))
        ref.ListePlc = lines;
    ref.ListePlc.sortByText();
    return message;
}

QString ChargeIni(const QDir &dir, ReferenceData &ref, QString &fileName)
{
    QStringList lines;
    QString message;
    const QString path = dir.filePath(kIniFile);
    if (readLines(path, lines, message, ref.unread.ini)) {
        auto line = [&](int n) { return n - 1 < lines.size() ? lines[n - 1] : QString(); };
        auto bad = [&](int n, const QString &expected) {
            if (message.isEmpty())
                message = QStringLiteral("Le fichier de paramètres %1 est illisible : la ligne %2 devrait contenir %3. "
                                         "Cette valeur est ignorée.")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(n)
                              .arg(expected);
        };
        if (lines.size() >= 1 && !readReal(line(1), ref.ReelIni))
            bad(1, QStringLiteral("un nombre"));
        if (lines.size() >= 2)
            fileName = line(2);
        if (lines.size() >= 3 && !readInteger(line(3), ref.OuvrirAuto))
            bad(3, QStringLiteral("un nombre entier"));
        QString *const guides[] = {&ref.JournalVente, &ref.CompteClient, &ref.CompteVente, &ref.CompteTvaVente,
                                   &ref.JournalAchat, &ref.CompteFour, &ref.CompteAchat, &ref.CompteTvaAchat};
        for (int i = 0; i < 8; ++i)
            if (lines.size() >= 4 + i)
                *guides[i] = line(4 + i);
    }
    if (ref.OuvrirAuto != 1)
        fileName.clear();
    return message;
}

QString ChargeCombo(const QDir &dir, ReferenceData &ref)
{
    QStringList lines;
    QString message;
    if (!readLines(journalsPath(dir), lines, message, ref.unread.cbx))
        return message;
    ref.accountItems.clear();
    ref.journalItems.clear();
    bool inSection = false;
    for (const QString &l : lines) {
        if (l == QLatin1String("[JOURNAUX]"))
            inSection = true;
        else if (inSection)
            ref.ListeJnx.append(l);
    }
    return message;
}

namespace {

// " 1.23450000000000E+0003": sign or blank, one digit, 14 decimals, E, sign,
// four digits; the decimals rounded to nearest, or cut toward zero.
QString exponentForm(double value, bool cut)
{
    constexpr int kDecimals = 14;
    QString mantissa = QString::number(std::fabs(value), 'e', cut ? kDecimals + 2 : kDecimals);
    const qsizetype e = mantissa.indexOf(u'e');
    const int exponent = mantissa.mid(e + 1).toInt();
    mantissa.truncate(std::min<qsizetype>(e, 2 + kDecimals));
    QString text;
    text += QChar(value < 0 ? u'-' : u' ');
    text += mantissa;
    text += u'E';
    text += QChar(exponent < 0 ? u'-' : u'+');
    text += QString::number(std::abs(exponent)).rightJustified(4, u'0');
    return text;
}

} // namespace

QString formatReelIni(double value)
{
    // Rounded, the largest reals would read back as past the largest one:
    // those are cut instead, so that what is written can be read.
    const QString rounded = exponentForm(value, false);
    double check = 0;
    return readReal(rounded, check) ? rounded : exponentForm(value, true);
}

QString SauveIni(const QDir &dir, const ReferenceData &ref, const QString &fileName)
{
    if (ref.unread.ini)
        return {};
    const QStringList lines = {formatReelIni(ref.ReelIni), fileName, QString::number(ref.OuvrirAuto),
                               ref.JournalVente, ref.CompteClient, ref.CompteVente, ref.CompteTvaVente,
                               ref.JournalAchat, ref.CompteFour, ref.CompteAchat, ref.CompteTvaAchat};
    return linefile::write(dir.filePath(kIniFile), lines);
}

QString SauveSoc(const QDir &dir, const ReferenceData &ref)
{
    if (ref.unread.company)
        return {};
    return linefile::write(dir.filePath(kCompanyFile), QStringList(ref.Societe.begin(), ref.Societe.end()));
}

QString SauvePlc(const QDir &dir, const ReferenceData &ref)
{
    if (!ref.PlanModifie || ref.unread.chart)
        return {};
    return linefile::write(dir.filePath(kChartFile), ref.ListePlc.lines());
}

QString SauveCombo(const QDir &dir, const ReferenceData &ref)
{
    if (ref.unread.cbx)
        return {};
    QStringList lines{QStringLiteral("[JOURNAUX]")};
    lines += ref.ListeJnx.lines();
    // One journals file whatever the case of its name: write the usual name,
    // then remove any other spelling left on disk.
    const QString target = dir.filePath(kCbxWrittenName);
    const QString message = linefile::write(target, lines);
    if (!message.isEmpty())
        return message;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : entries)
        if (name != kCbxWrittenName && name.compare(kCbxFile, Qt::CaseInsensitive) == 0)
            QFile::remove(dir.filePath(name));
    return {};
}

QStringList unreadMessages(const QDir &dir, const ReferenceData &ref)
{
    const std::pair<bool, QString> files[] = {{ref.unread.ini, dir.filePath(kIniFile)},
                                              {ref.unread.company, dir.filePath(kCompanyFile)},
                                              {ref.unread.chart, dir.filePath(kChartFile)},
                                              {ref.unread.cbx, journalsPath(dir)}};
    QStringList messages;
    for (const auto &[unread, path] : files)
        if (unread)
            messages.append(QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé tel quel.")
                                .arg(QDir::toNativeSeparators(path)));
    return messages;
}

void InitPlc(ReferenceData &ref)
{
    ref.accountItems = codesOf(ref.ListePlc);
}

void InitJnx(ReferenceData &ref)
{
    ref.journalItems = codesOf(ref.ListeJnx);
}

} // namespace reference
