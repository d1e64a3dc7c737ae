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

private:
    [[noreturn]] static void ReportAndEnd(std::string_view what);
};

}  // namespace quernel
