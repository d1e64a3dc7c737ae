// Raises an exception inside an event handler of a quernel::Application, the way a bug would;
// the last-resort report must show it and end the program with a non-zero status. It closes the
// report's message itself so that it can run unattended.
#include <QMessageBox>
#include <QTimer>
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

}  // namespace

int main(int argc, char* argv[]) {
    quernel::Application application(argc, argv);
    QTimer closer;
    closer.callOnTimeout([] {
        if (QWidget* message = QApplication::activeModalWidget()) {
            message->close();
        }
    });
    closer.start(10);
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    application.exec();
    return 0;  // reached only if the exception was swallowed
}
