#pragma once

#include <QtGlobal>

namespace quernel {

// Holds back Qt's own messages while the program connects to the display. When the connection
// works they are passed on as usual; when it cannot be made, Qt's fatal message ends the program
// with one line of the program's own on standard error and status 1, and nothing of Qt's is shown.
class StartMessages {
public:
    StartMessages();
    ~StartMessages();
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

    // The start went well: passes on what was held back and lets Qt's messages through again.
    void Release();
};

}  // namespace quernel
