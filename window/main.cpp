#include <cstdio>
#include <cstdlib>

#include "window/application.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
    if (!quernel::Application::HasDisplay()) {
        std::fputs("quernel: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                   stderr);
        return EXIT_FAILURE;
    }
    quernel::Application application(argc, argv);
    quernel::Form1 form1;
    form1.show();
    return application.exec();
}
