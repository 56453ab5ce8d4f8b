#pragma once
// The student file type (*.stn) made known to the desktop: a shared-mime-info package, a desktop
// entry and the icons, all under the user's data home.

#include <QString>

class Prompter;

// The user's data home: $XDG_DATA_HOME, else ~/.local/share.
QString UserDataHome();

// Runs at every start. Writes only the files whose content differs from what is installed, so a
// start with nothing changed writes nothing, and refreshes the desktop databases only after a
// change. A failed write shows "Registry Error - Unable to Register" once, stops the registration
// and returns false.
bool RegisterFileType(const QString &programPath, const QString &dataHome, Prompter &prompter);
