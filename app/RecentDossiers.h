#pragma once

#include <QString>
#include <QStringList>

// The dossiers last opened, most recent first, which the welcome page
// offers. The list is the user's, whatever folder Tavelin starts in: a
// UTF-8 file of paths, one a line, in the user's settings folder.
class RecentDossiers {
public:
    static constexpr qsizetype kKept = 5;

    // Keeps the list in `file`; an empty name keeps none.
    explicit RecentDossiers(QString file = {}) : file_(std::move(file)) {}
    // "~/.config/Tavelin/derniers-dossiers", as the desktop names the folder.
    static QString userFile();

    // The dossiers of the list that still exist.
    QStringList paths() const;
    // Puts the dossier first. Gives back the message for the user when the
    // list could not be written.
    QString add(const QString &path) const;

private:
    QStringList stored() const;

    QString file_;
};
