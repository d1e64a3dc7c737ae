// Raises an exception inside an event handler of a quernel::Application, the way a bug would;
// the last-resort report must show it and end the program with a non-zero status. It closes the
// report's message itself so that it can run unattended, and first tells on standard output what
// the message showed, so that a report without its message is noticed.
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "window/application.h"

namespace {

class Thrower : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("a bug in an event handler");
        }
        return QObject::event(event);
    }
};

// One line per message on the screen: "shown <icon> <title>: <text>".
void TellAndCloseShownMessages() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* message = qobject_cast<QMessageBox*>(widget);
        if (message == nullptr || !message->isVisible()) {
            continue;
        }
        const char* icon = message->icon() == QMessageBox::Critical ? "critical" : "other";
        std::printf("shown %s %s: %s\n", icon, qPrintable(message->windowTitle()),
                    qPrintable(message->text().simplified()));
        std::fflush(stdout);
        message->close();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    quernel::Application application(argc, argv);
    QTimer closer;
    closer.callOnTimeout(TellAndCloseShownMessages);
    closer.start(10);
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    application.exec();
    return 0;  // reached only if the exception was swallowed
}
