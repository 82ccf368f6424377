#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class TMainForm;
struct Platform;

// Starts the application in its fixed order: title, splash window, main
// window with the document window, reference data, the window shown
// maximised, start-up folder and reopening of the last file, help file,
// splash removed, check of the program's own file. `adopt` receives the main
// window as soon as it exists (the desktop services take it as their parent).
// `files` are the file names of the command line: the dossier to open in
// place of the reopening at start (see MainForm::takeCommandLine).
std::unique_ptr<TMainForm> startApplication(const Platform &platform,
                                            const std::function<void(TMainForm &)> &adopt = {},
                                            const QStringList &files = {});
