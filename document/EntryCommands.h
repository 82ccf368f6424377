#pragma once

class Fiche;

// The main window's commands on the lines of the month grid.
namespace document {

// Brings the selected line back into the entry line, as a double click does.
void modifySelected(Fiche &fiche);
// Deletes the selected line; only the entry page has one.
void Supprimer(Fiche &fiche);
void Copier(Fiche &fiche);
void Coller(Fiche &fiche);
void Pointer(Fiche &fiche, bool on);

} // namespace document
