#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>

// The data shared by every ledger file, kept in four small files of the
// start-up folder: the company letterhead, the chart of accounts, the journals
// and the settings.
struct ReferenceData {
    std::array<QString, 7> Societe;
    QStringList ListePlc; // chart lines: code, " ", used flag, pointable flag, " ", label
    QStringList ListeJnx; // journal lines: code, " ", used flag, " ", name
    bool PlanModifie = false;

    double ReelIni = 0.0;
    int OuvrirAuto = 0;
    QString JournalVente, CompteClient, CompteVente, CompteTvaVente;
    QString JournalAchat, CompteFour, CompteAchat, CompteTvaAchat;

    // The entry line's drop-down lists (account codes, journal codes), sorted.
    QStringList accountItems;
    QStringList journalItems;

    // The files that exist but could not be read: they are never written back
    // during the run, which would replace what they hold by empty lists.
    struct Unread {
        bool soc = false;
        bool plc = false;
        bool ini = false;
        bool cbx = false;
    } unread;
};

namespace reference {

inline const QString kSocFile = QStringLiteral("Tavelin.soc");
inline const QString kPlcFile = QStringLiteral("Tavelin.plc");
inline const QString kCbxFile = QStringLiteral("Tavelin.cbx");
inline const QString kCbxWrittenName = QStringLiteral("Tavelin.Cbx");
inline const QString kIniFile = QStringLiteral("Tavelin.ini");

// Each load reads its file from `dir` when it exists and gives back a French
// message when the file exists but cannot be read (empty otherwise).
QString chargeSoc(const QDir &dir, ReferenceData &ref);
QString chargePlc(const QDir &dir, ReferenceData &ref);
// `nomFichier` receives line 2 of the settings, and is emptied unless the
// auto-open flag is 1.
QString chargeIni(const QDir &dir, ReferenceData &ref, QString &nomFichier);
QString chargeCombo(const QDir &dir, ReferenceData &ref);

// Each save replaces its file atomically and gives back a French message when
// it fails (empty otherwise). A file that could not be read is left as it is,
// and a file that already holds what would be written is not written again.
QString sauveIni(const QDir &dir, const ReferenceData &ref, const QString &nomFichier);
QString sauveSoc(const QDir &dir, const ReferenceData &ref);
QString sauvePlc(const QDir &dir, const ReferenceData &ref); // only when PlanModifie
QString sauveCombo(const QDir &dir, const ReferenceData &ref);

// One message for each file left as it was because it could not be read.
QStringList unreadMessages(const QDir &dir, const ReferenceData &ref);

void initPlc(ReferenceData &ref);
void initJnx(ReferenceData &ref);

// The journals file under whatever case its name has on disk, or the name
// it is written under when there is none.
QString journalsPath(const QDir &dir);

// Whether `dir` holds at least one of the four reference files.
bool holdsReferenceFiles(const QDir &dir);

// The settings' first line: the runtime's 23-character exponent form of a real.
QString formatReelIni(double value);

// Code of a chart or journal line: the text before its first space.
QString lineCode(const QString &line);

// Sorts chart or journal lines by text: byte order of their code page 1252
// form, the order of the chart file.
void sortByText(QStringList &lines);

} // namespace reference
