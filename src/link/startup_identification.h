#pragma once
// The main window's own link: the silent port test of the start-up scan, the
// port open of the port setup, and the identification of the connected radio
// that runs after start-up and after every confirmed port.

#include "link/comm_port.h"

#include <functional>
#include <memory>

class StartupIdentification {
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
    // opens it (port-error message on failure) and arms the exchange.
    // Returns at once; the exchange runs on timer ticks and receive events.
    void ConnectRadio();
    // Ends a running identification and closes the port.
    void Stop();

    bool portOpen() const;
    void closePort();

    // Runs when a radio has been identified (the main window enables its
    // editing menus).
    std::function<void()> onIdentified;

private:
    void StartIdentify();
    bool openPort();

    std::unique_ptr<CommPort> MSC;
    int RetriesLeft = 0;
    int Writing = 0;
    int Reading = 0;
};
