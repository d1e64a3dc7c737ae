#include "window/start_messages.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace quernel {

namespace {

// One message as Qt gave it, with copies of the texts that its context points to.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Qt may report from its connection's own thread, so the held messages are guarded.
std::mutex held_mutex;
std::vector<HeldMessage> held;
QtMessageHandler next_handler = nullptr;
bool holding = false;

const char* OrNull(const QByteArray& text) {
    return text.isNull() ? nullptr : text.constData();
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("quernel: cannot connect to the display to show the window\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
    const std::lock_guard lock(held_mutex);
    held.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                    QByteArray(context.category), text});
}

}  // namespace

StartMessages::StartMessages() {
    next_handler = qInstallMessageHandler(HoldMessage);
    holding = true;
}

StartMessages::~StartMessages() {
    Release();
}

void StartMessages::Release() {
    if (!holding) {
        return;
    }
    qInstallMessageHandler(next_handler);
    holding = false;
    const std::lock_guard lock(held_mutex);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(OrNull(message.file), message.line,
                                         OrNull(message.function), OrNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace quernel
