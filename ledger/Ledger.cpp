#include "ledger/Ledger.h"

#include "ledger/FileIO.h"
#include "ledger/LedgerFile.h"
#include "ledger/MonthIO.h"
#include "ledger/TextForms.h"
#include "ledger/ValidationRegister.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <QFileInfo>

Ledger::Ledger(const Platform &platform)
    : platform_(platform)
{
    const QDate today = platform_.clock->today();
    Annee = quint16(today.year());
    Mois = quint16(today.month());
    fiscalYear.start = QDate(today.year(), 1, 1);
    fiscalYear.end = QDate(today.year(), 12, 31);
    fiscalYear.closing = fiscalYear.start;
    MoisLong(Mois);
    CompteLignes();
}

std::string Ledger::monthKey() const
{
    return forms::monthKey(Annee, Mois);
}

bool Ledger::report(const QString &message) const
{
    if (message.isEmpty())
        return true;
    platform_.messages->information(message);
    return false;
}

// ---------------------------------------------------------------- month

void Ledger::MoisLong(int month)
{
    const QString name = forms::monthName(month);
    if (!name.isEmpty())
        NomMois = name;
}

void Ledger::readMonthGrid()
{
    MoisLong(Mois);
    monthio::read(Lignes, monthKey(), monthGrid);
    CompteLignes();
    MoisModifie = false;
}

void Ledger::EcritMois()
{
    if (!MoisModifie)
        return;
    monthio::write(Lignes, monthKey(), monthGrid, NbLignes);
    MoisModifie = false;
}

void Ledger::CompteLignes()
{
    NbLignes = monthio::countRows(monthGrid);
}

// ---------------------------------------------------------------- file

void Ledger::LitHead()
{
    header::read(Lignes, fiscalYear);
}

void Ledger::EcritHead()
{
    header::write(Lignes, fiscalYear);
    Modifie = true;
}

void Ledger::Squize()
{
    if (Lignes.removeIf(ledgerfile::carriesNoData) > 0)
        Modifie = true;
}

QString Ledger::readFile(const QString &fileName)
{
    LineList lines;
    FileStamp stamp;
    const QString message = ledgerfile::openLedger(fileName, lines, stamp);
    if (!message.isEmpty())
        return message;
    Lignes = std::move(lines);
    NomFichier = fileName;
    Modifie = false;
    stampedFile_ = fileName;
    stamp_ = stamp;
    return {};
}

bool Ledger::writeFile(const QString &fileName)
{
    EcritMois();
    // Every dossier written carries its header: without it, or any entry line
    // (lines imported under a key that is no month), the file would be
    // refused as no dossier when opened again.
    if (Lignes.indexOf("<HEAD>") == LineList::npos)
        header::write(Lignes, fiscalYear);
    NomFichier = fileName;
    const std::string bytes = ledgerfile::serialize(Lignes);
    QString backupWarning;
    const QString why = fileio::writeAtomically(NomFichier, bytes, fileio::NamedBy::User, fileio::Previous::KeepAsBak,
                                                &backupWarning);
    if (!why.isEmpty()) {
        report(fileio::saveFailedMessage(NomFichier, why));
        return false;
    }
    stampedFile_ = NomFichier;
    stamp_ = filestamp::of(NomFichier, bytes);
    Modifie = false;
    MoisModifie = false;
    report(backupWarning);
    registerValidations();
    return true;
}

void Ledger::registerValidations() const
{
    if (fiscalYear.dossierId.empty())
        return;
    ValidationRegister validations;
    QString failure = validations.load(referenceDir());
    if (failure.isEmpty()) {
        validations.record(fiscalYear);
        failure = validations.save(referenceDir());
    }
    report(failure);
}

QStringList Ledger::checkValidationRegister()
{
    // Only a dossier validated since identities can be in the register.
    if (fiscalYear.dossierId.empty())
        return {};
    ValidationRegister validations;
    const QString failure = validations.load(referenceDir());
    report(failure);
    const QStringList found = validations.discrepancies(fiscalYear);
    validations.restore(fiscalYear);
    return found;
}

bool Ledger::changedOnDisk(const QString &fileName) const
{
    // A new dossier, or one whose file was given up, has no file of its own.
    if (stampedFile_.isEmpty() || stampedFile_ != NomFichier)
        return false;
    if (fileName != NomFichier && !fileio::sameFile(fileName, NomFichier))
        return false;
    // A file that is gone holds nobody's work: it is written again.
    if (!QFileInfo::exists(NomFichier))
        return false;
    return !filestamp::unchanged(NomFichier, stamp_);
}

// ---------------------------------------------------------------- reference data

QDir Ledger::referenceDir() const
{
    return QDir(referenceFolder_.isEmpty() ? platform_.files->currentFolder() : referenceFolder_);
}

QDir Ledger::loadDir()
{
    if (referenceFolder_.isEmpty())
        referenceFolder_ = platform_.files->currentFolder();
    return referenceDir();
}

void Ledger::ChargeSoc() { report(reference::ChargeSoc(loadDir(), ref)); }
void Ledger::ChargePlc() { report(reference::ChargePlc(loadDir(), ref)); }
void Ledger::ChargeIni() { report(reference::ChargeIni(loadDir(), ref, NomFichier)); }
void Ledger::ChargeCombo() { report(reference::ChargeCombo(loadDir(), ref)); }
void Ledger::InitPlc() { reference::InitPlc(ref); }
void Ledger::InitJnx() { reference::InitJnx(ref); }

bool Ledger::SauveIni() { return report(reference::SauveIni(referenceDir(), ref, NomFichier)); }
bool Ledger::SauveSoc() { return report(reference::SauveSoc(referenceDir(), ref)); }
bool Ledger::SauvePlc() { return report(reference::SauvePlc(referenceDir(), ref)); }
bool Ledger::SauveCombo() { return report(reference::SauveCombo(referenceDir(), ref)); }

QStringList Ledger::saveReferenceFiles()
{
    const QDir dir = referenceDir();
    const QString outcomes[] = {reference::SauveIni(dir, ref, NomFichier), reference::SauveSoc(dir, ref),
                                reference::SauvePlc(dir, ref), reference::SauveCombo(dir, ref)};
    QStringList failures;
    for (const QString &message : outcomes)
        if (!message.isEmpty())
            failures.append(message);
    return failures;
}

QStringList Ledger::unreadReferenceMessages() const
{
    return reference::unreadMessages(referenceDir(), ref);
}

void Ledger::loadPreferences() { report(preferences.load(loadDir())); }
bool Ledger::savePreferences() { return report(preferences.save(referenceDir())); }

void Ledger::GetIni(bool &autoOpen, QString &fileName) const
{
    autoOpen = ref.OuvrirAuto == 1;
    fileName = NomFichier;
}

void Ledger::SetIni(bool autoOpen)
{
    ref.OuvrirAuto = autoOpen ? 1 : 0;
}
