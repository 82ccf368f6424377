#pragma once

class QCoreApplication;

// Settings made once for the whole run: the French locale (decimal comma,
// dates "dd/mm/yyyy") and Qt's own French texts for its standard dialogs
// (file, print, font), taken from the Qt translations installed on the system.
// Gives back whether Qt's French texts were found.
bool applyFrenchSettings(QCoreApplication &app);
