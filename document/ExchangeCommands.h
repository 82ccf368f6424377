#pragma once

class Fiche;

// The import, export and search commands of the document. Each
// dispatches to its subsystem, then reads the month on screen again when the
// lines changed or the search found another month, and tells the user what
// the command had to say.
namespace document {

void Importer(Fiche &fiche);
void ExportMois(Fiche &fiche);
void ExportJournal(Fiche &fiche);
// Acts only from the entry page.
void Rechercher(Fiche &fiche);
// Acts from every page; the month found is read into the entry grid (and a
// month view shown is rebuilt on it) without bringing the entry page up.
void RContinuer(Fiche &fiche);

} // namespace document
