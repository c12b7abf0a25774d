#pragma once
// What a test of the whole application needs: the main window started as
// the application starts it, on virtual time, with the radio simulator on a
// port of the in-process serial ports, identified after the start-up, and a
// temporary directory as the process's current one (where the file dialogs
// open). A test class derives from it, calls startApp() in init() and
// stopApp() in cleanup().

#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class MDImain;
class TransferEngine;

class SimAppFixture {
protected:
    static constexpr int kAppPort = 3;

    // Starts the main window with the radio on kAppPort. False when the
    // start-up did not load it or the radio was not identified.
    bool startApp();
    // Unloads every window, goes back to the directory the test began in,
    // and fails the test for a message box it did not take.
    void stopApp();

    // Opens the whole-image write dialog from the menu and presses its
    // Write; returns the dialog's transfer.
    const TransferEngine* pressWholeImageWrite();
    // Runs the clock until the transfer is idle with its port closed. False
    // when that took longer than maxMs.
    bool runTransfer(const TransferEngine* link, qint64 maxMs = 600000);

    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<QTemporaryDir> dir_;
    MDImain* main_ = nullptr;

private:
    QString savedCurrent_;
};
