#pragma once
// What a test of the application over a pseudo-terminal needs around it:
// the real serial layer installed, every port number mapped to a device that
// does not exist (the test maps its radio's port to the pseudo-terminal), a
// screen of 1280 x 800 and a message recorder. A test class derives from it
// and calls startSerial() in init() and stopSerial() in cleanup().

#include "platform/serial_port.h"
#include "support/message_recorder.h"

#include <memory>

class PtyAppFixture {
protected:
    void startSerial();
    // Unloads every window, puts the ports, the screen and the status bar
    // back, and fails the test for a message box it did not take.
    void stopSerial();

    std::unique_ptr<MessageRecorder> recorder_;
    SerialPortFactory serial_;
};
