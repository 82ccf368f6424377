#pragma once

#include <QDate>
#include <QString>

class Fiche;

// The year-end commands of the document: validation of the entries, the
// closing, the FEC. The month on screen is written back first, so that what
// was just keyed counts; the rules are in yearend/. Each tells the user what
// came of it.
namespace document {

// The day "Valider les écritures jusqu'au" proposes.
QDate proposedValidationDate(const Fiche &fiche);
// Validates the entries up to the day; true when a validation was recorded
// (the dossier is then to be saved). The month on screen is read again, its
// validated rows shown as such.
bool validateEntries(Fiche &fiche, QDate upTo);
// The closing; true when the year was closed for good (the dossier is then
// to be saved).
bool Cloturer(Fiche &fiche);

struct NextYearOutcome {
    bool created = false; // the next year's dossier stands at the path given
    QString message;      // what the user is told; empty when a write failure was told already
};

// "Ouvrir l'exercice suivant…": from a year closed for good, creates the
// next year's dossier at `path` (a file that must not exist yet), with the
// closing's opening entries on its first day. The document is left as it
// is: opening the new dossier is the file command's.
NextYearOutcome createNextYear(Fiche &fiche, const QString &path);

// The SIREN the FEC export proposes: the last one given.
QString rememberedSiren(const Fiche &fiche);
// "&FEC (contrôle fiscal)...", once the SIREN is given: asks for the folder
// (the dossier's, at first), checks the whole year and lists what the checks
// find (the user may still export), then writes the FEC into the folder and
// tells its summary.
void exportFec(Fiche &fiche, const QString &siren);

} // namespace document
