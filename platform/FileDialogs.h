#pragma once

#include <QString>
#include <optional>

// What the logic hands to an open or save dialog.
struct FileDialogRequest {
    QString title;       // "Ouvrir", "Enregistrer sous", ...
    QString fileName;    // proposed name ("*.jnl"), may be empty
    QString defaultExt;  // added to a name typed without extension ("jnl")
    QString filter;      // pairs "Description|patterns", separated by "|"
    bool confirmOverwrite = false; // save: let the dialog ask before replacing a file
};

// The desktop's standard file dialogs. Both start in the current folder and,
// when the user confirms, make the chosen file's folder the current one, so
// the next dialog opens where the user last went. The answer is the full path
// chosen, or nothing when the dialog was cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> open(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> save(const FileDialogRequest &request) = 0;
    // The desktop's folder dialog, opened on `start`; the folder chosen, or
    // nothing when cancelled. The current folder stays as it was.
    virtual std::optional<QString> folder(const QString &title, const QString &start) = 0;
};
