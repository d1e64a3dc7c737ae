#include "window/application.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "window/form1.h"

namespace quernel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ReportAndEnd(failure.what());
    } catch (...) {
        ReportAndEnd("an exception of unknown type");
    }
}

void Application::ReportAndEnd(std::string_view what) {
    static bool reporting = false;
    const QString message =
        QString("Quernel met an error it cannot recover from and has to close:\n\n%1")
            .arg(QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())));
    std::fprintf(stderr, "quernel: %s\n", message.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    if (!reporting) {  // a failure while the message is up ends the program at once
        reporting = true;
        QMessageBox::critical(nullptr, Form1::kCaption, message);
    }
    // What failed may have left anything half done; the program keeps no data, so it ends here.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace quernel
