#pragma once

#include "ledger/FileStamp.h"
#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/MonthLines.h"
#include "ledger/Preferences.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextGrid.h"
#include "platform/Platform.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <string>

// The open dossier: its file as the line list, its fiscal year, the month
// shown with the grid that month is copied into, and the reference data that
// every dossier shares. The subsystems work on it; the document composes it
// with what its pages show.
class Ledger {
public:
    explicit Ledger(const Platform &platform);

    const Platform &platform() const { return platform_; }

    QString NomFichier;
    LineList Lignes;
    bool Modifie = false;
    bool MoisModifie = false; // the month grid holds changes not yet written back
    quint16 Annee = 0;
    quint16 Mois = 1;
    FiscalYear fiscalYear; // DebutExercice, FinExercice, DateCloture
    QString NomMois;
    TextGrid monthGrid{32, monthlines::kColumnCount};
    int NbLignes = 0; // rows of the month grid that hold an entry
    ReferenceData ref;
    Preferences preferences; // the settings of this version, beside the reference files

    QDate DebutExercice() const { return fiscalYear.start; }
    QDate FinExercice() const { return fiscalYear.end; }
    QDate DateCloture() const { return fiscalYear.closing; }
    std::string monthKey() const;

    // --- Month ---
    void MoisLong(int month);
    // Copies the month shown from the line list into the month grid.
    void readMonthGrid();
    void EcritMois();
    void CompteLignes();

    // --- File ---
    void LitHead();
    void EcritHead();
    void Squize();
    // Reads a ledger file into the line list, which then holds the file as it
    // is on disk, unmodified, under its name; the message for the user when
    // it cannot be read or is no dossier, nothing then changing.
    QString readFile(const QString &fileName);
    // Writes the line list to the file; false (with the user told why) when
    // the write failed, the document then staying modified. A save that
    // could not keep the previous version as ".bak" warns the user.
    bool writeFile(const QString &fileName);
    // Whether writing to `fileName` would replace what another program wrote
    // to the dossier's file since this session read or last wrote it.
    bool changedOnDisk(const QString &fileName) const;
    // The dossier's validations against the register beside the reference
    // files: what it lacks (told to the user by the caller), after which the
    // year holds the register's records and closing again.
    QStringList checkValidationRegister();

    // --- Reference data ---
    // The folder of the reference files: the process's current folder when
    // they were first loaded (the start-up folder), whatever folder is
    // current later.
    QDir referenceDir() const;
    void ChargeSoc();
    void ChargePlc();
    void ChargeIni();
    void ChargeCombo();
    void InitPlc();
    void InitJnx();
    bool SauveIni();
    bool SauveSoc();
    bool SauvePlc();
    bool SauveCombo();
    // The four writes of the exit, in the order settings, company, chart,
    // journals; gives back the message of each write that failed.
    QStringList saveReferenceFiles();
    // One message for each reference file that could not be read at start-up,
    // and that was therefore left as it was.
    QStringList unreadReferenceMessages() const;
    // Reads and writes the settings of this version; the user is told of a failure.
    void loadPreferences();
    bool savePreferences();
    void GetIni(bool &autoOpen, QString &fileName) const;
    void SetIni(bool autoOpen);

protected:
    // Shows a failure to the user; true when there was none.
    bool report(const QString &message) const;

private:
    // Adds the validations of a dossier just written to the register.
    void registerValidations() const;
    // Records the folder the reference files are read from, at the first load.
    QDir loadDir();

    const Platform &platform_;
    QString referenceFolder_;
    QString stampedFile_; // the file this session last read or wrote, and what it held
    FileStamp stamp_;
};
