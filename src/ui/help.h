#pragma once
// The help page, Quillbox.htm: compiled into the program and shown in the desktop's browser.

#include <QString>

// Puts the help page in the cache folder (a temporary folder when there is none) and returns its
// path, or an empty text when no folder takes it. The copy is refreshed when it differs, so a
// newer program never shows an older page.
QString InstallHelpPage();

// Opens the help page at its table of contents (#Main_Contents). Says nothing when it cannot.
void OpenHelpContents();
