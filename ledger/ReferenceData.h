#pragma once

#include "ledger/CodeList.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>

// The data shared by every ledger file, kept in four small files of the
// start-up folder: the company letterhead, the chart of accounts, the journals
// and the settings.
struct ReferenceData {
    std::array<QString, 7> Societe;
    CodeList ListePlc{CodeList::Kind::Chart};
    CodeList ListeJnx{CodeList::Kind::Journals};
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
        bool company = false;
        bool chart = false;
        bool ini = false;
        bool cbx = false;
    } unread;
};

namespace reference {

inline const QString kCompanyFile = QStringLiteral("Tavelin.soc");
inline const QString kChartFile = QStringLiteral("Tavelin.plc");
inline const QString kCbxFile = QStringLiteral("Tavelin.cbx");
inline const QString kCbxWrittenName = QStringLiteral("Tavelin.Cbx");
inline const QString kIniFile = QStringLiteral("Tavelin.ini");

// Each load reads its file from `dir` when it exists and gives back a French
// message when the file exists but cannot be read (empty otherwise).
QString ChargeSoc(const QDir &dir, ReferenceData &ref);
QString ChargePlc(const QDir &dir, ReferenceData &ref);
// `fileName` receives line 2 of the settings, and is emptied unless the
// auto-open flag is 1.
QString ChargeIni(const QDir &dir, ReferenceData &ref, QString &fileName);
QString ChargeCombo(const QDir &dir, ReferenceData &ref);

// Each save replaces its file atomically and gives back a French message when
// it fails (empty otherwise). A file that could not be read is left as it is,
// and a file that already holds what would be written is not written again.
QString SauveIni(const QDir &dir, const ReferenceData &ref, const QString &fileName);
QString SauveSoc(const QDir &dir, const ReferenceData &ref);
QString SauvePlc(const QDir &dir, const ReferenceData &ref); // only when PlanModifie
QString SauveCombo(const QDir &dir, const ReferenceData &ref);

// One message for each file left as it was because it could not be read.
QStringList unreadMessages(const QDir &dir, const ReferenceData &ref);

void InitPlc(ReferenceData &ref);
void InitJnx(ReferenceData &ref);

// The journals file under whatever case its name has on disk, or the name
// it is written under when there is none.
QString journalsPath(const QDir &dir);

// Whether `dir` holds at least one of the four reference files.
bool holdsReferenceFiles(const QDir &dir);

// The settings' first line: the runtime's 23-character exponent form of a real.
QString formatReelIni(double value);

} // namespace reference
