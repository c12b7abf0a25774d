#pragma once
// The main window's own link: the silent port test of the start-up scan, the
// port open of the port setup, and the identification of the connected radio
// that runs after start-up and after every confirmed port.
//
// The identification sends the link-open frame one byte per 15 ms tick and
// takes the radio's 50-byte identification reply, from what arrives once the
// frame is out: the status bar and the band limits show what the radio
// reported and onIdentified runs (the main window enables its editing
// menus). Nothing is acknowledged and nothing is read or written. A silent
// radio gets two more attempts 1500 ms after each reply time-out; then the
// failure message, and panels 3 and 4 show the fault.

#include "core/timer.h"
#include "link/link_controls.h"

#include <QByteArray>
#include <functional>
#include <memory>

class StartupIdentification : private LinkControls {
public:
    StartupIdentification();
    ~StartupIdentification();
    StartupIdentification(const StartupIdentification&) = delete;
    StartupIdentification& operator=(const StartupIdentification&) = delete;

    // Opens the port CommPortNo without a message: PortError 0 and the port
    // left open on success, PortError -1 on failure.
    void TryOpenPort();
    // The same open, with the port-error message on failure.
    void OpenCommPort();
    // Starts an identification on CommPortNo: closes the port if open, then
    // opens it (port-error message on failure) and arms the exchange with a
    // fresh count of two retries; a pending retry is cancelled. Returns at
    // once; the exchange runs on timer ticks and receive events.
    void ConnectRadio();
    // Ends a running identification and closes the port.
    void Stop();

    // True from ConnectRadio until the radio is identified or the failure
    // has been reported (the retry delay included).
    bool running() const;

    using LinkControls::closePort;
    using LinkControls::portOpen;

    // Runs when a radio has been identified (the main window enables its
    // editing menus).
    std::function<void()> onIdentified;

private:
    void StartIdentify();
    void StartSending();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void MSC_OnComm();
    bool openPort();

    QByteArray Frame;
    int SendPos = 0;
    bool FrameSent = false;
    QByteArray RxBuf;
    bool Handshook = false;
    int RetriesLeft = 0;
    int Writing = 0;
    int Reading = 0;
    unsigned attempt_ = 0;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
