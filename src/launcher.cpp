// quillbox: runs `quillbox agenda` itself and hands everything else to quillbox-app beside it,
// the program with the window. The agenda needs QtCore alone; loading the widget libraries would
// take longer than printing it, so a shell prompt or a status bar never pays for them.

#include "agenda/agenda.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "agenda") == 0)
        return AgendaMain(argc, argv, 2);

    std::string app = "quillbox-app";
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self);
    const std::string path = n > 0 ? std::string(self, size_t(n)) : std::string();
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos) {
        app.insert(0, path, 0, slash + 1);
        execv(app.c_str(), argv); // argv[0] stays: the window and its messages still say quillbox
    } else {
        execvp(app.c_str(), argv);
    }
    std::fprintf(stderr, "quillbox: cannot start %s: %s\n", app.c_str(), std::strerror(errno));
    return 1;
}
