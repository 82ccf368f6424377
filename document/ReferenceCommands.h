#pragma once

class Fiche;
class JournalEditor;
class ChartEditor;
struct GuidesForm;
struct SocieteForm;

// What the document does once a reference dialog has closed: it takes the
// dialog's result and writes that reference file at once, so that a crash or
// a failed write at exit does not take the session's changes with it. A file
// that already holds the same is not touched; a failed write is told to the
// user and the changes stay in the document, to be written at exit.
namespace document {

void Psoc(Fiche &fiche, const SocieteForm &form);
void Plc(Fiche &fiche, const ChartEditor &editor);
void Journaux(Fiche &fiche, const JournalEditor &editor);
// The guides take the dialog's eight values (there is no cancel), and the
// settings file, which holds them, is written.
void Guides(Fiche &fiche, const GuidesForm &form);

} // namespace document
