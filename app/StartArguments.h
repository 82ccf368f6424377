#pragma once

#include <QString>
#include <QStringList>

// The command line of `tavelin`: the dossier to open (what a double click in
// the file manager passes), or --help or --version.
namespace startarguments {

enum class Action { Run, Help, Version, Error };

struct Parsed {
    Action action = Action::Run;
    QStringList files; // as given, in order
    QString error;     // French, with the reminder of the usage, for Action::Error
};

// `args` without the program name.
Parsed parse(const QStringList &args);

QString helpText();
QString versionText();

} // namespace startarguments
