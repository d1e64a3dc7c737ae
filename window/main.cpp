#include <cstdio>
#include <cstdlib>

#include "window/application.h"
#include "window/form1.h"
#include "window/start_messages.h"

namespace {

// Whether a window can be shown at all: a display to connect to, or a platform chosen through
// QT_QPA_PLATFORM. Without one Qt would abort.
bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "quernel: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
            stderr);
        return EXIT_FAILURE;
    }
    quernel::StartMessages start_messages;
    quernel::Application application(argc, argv);
    start_messages.Release();

    quernel::Form1 form1;
    form1.show();
    return application.exec();
}
