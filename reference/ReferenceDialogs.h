#pragma once

struct ReferenceData;
class ChartEditor;
class JournalEditor;
struct SocieteForm;

// What the document keeps of the reference dialogs once they are closed.
namespace dialogs {

// The chart takes the editor's list, the entry line's account list is rebuilt
// and the chart file is marked for saving, changed or not.
void Plc(ReferenceData &ref, const ChartEditor &editor);

// The journals take the editor's list and the entry line's journal list is
// rebuilt; the journals file is written at every exit anyway.
void Journaux(ReferenceData &ref, const JournalEditor &editor);

// The letterhead takes the dialog's seven lines, unless the first comes back
// empty (cancelled, or confirmed without a company name). True when it did.
bool Psoc(ReferenceData &ref, const SocieteForm &form);

} // namespace dialogs
