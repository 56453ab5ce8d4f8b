// quillbox-agenda: `quillbox agenda` as a program of its own. It links QtCore alone, so a shell
// prompt or a status bar can run it without paying for loading the widget libraries.

#include "agenda/agenda.h"

int main(int argc, char *argv[]) { return AgendaMain(argc, argv, 1); }
