#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "window/application.h"
#include "window/form1.h"

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

QtMessageHandler qt_handler = nullptr;

// While Qt starts, its fatal message (a display that is named but cannot be reached) ends the
// program with one clear line instead of an abort; every other message goes on as usual.
void StartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        qt_handler(type, context, message);
        return;
    }
    std::fputs("quernel: cannot connect to the display to show the window\n", stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "quernel: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
            stderr);
        return EXIT_FAILURE;
    }
    qt_handler = qInstallMessageHandler(StartMessage);
    quernel::Application application(argc, argv);
    qInstallMessageHandler(qt_handler);

    quernel::Form1 form1;
    form1.show();
    return application.exec();
}
