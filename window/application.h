#pragma once

#include <QApplication>
#include <string_view>

namespace quernel {

// The program's QApplication with the last-resort report: an exception that reaches the event
// loop (out of memory, a bug) is shown in a message, and then the program ends with a non-zero
// status. It is never swallowed and never passes through Qt's own code.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Whether a window can be shown at all: a display to connect to, or a platform chosen
    // through QT_QPA_PLATFORM. Asked before an Application is made, since Qt aborts without one.
    static bool HasDisplay();

private:
    [[noreturn]] static void ReportAndEnd(std::string_view what);
};

}  // namespace quernel
