#pragma once
// What every window's link holds: its own serial port object MSC (made on
// first use, so a window that never talks to the radio opens nothing) and
// its three timers, Timer1 the sender, Timer2 the reply time-out and Timer3
// the retry (or failure) delay. The link that derives from it handles the
// receive event and the ticks.

#include "core/timer.h"
#include "link/comm_port.h"

#include <functional>
#include <memory>

class LinkControls {
public:
    LinkControls(const LinkControls&) = delete;
    LinkControls& operator=(const LinkControls&) = delete;

    bool portOpen() const { return MSC && MSC->isOpen(); }
    // Closes the port if it is open.
    void closePort();

protected:
    struct Handlers {
        std::function<void()> MSC_OnComm;
        std::function<void()> Timer1_Timer;
        std::function<void()> Timer2_Timer;
        std::function<void()> Timer3_Timer;
    };
    explicit LinkControls(Handlers handlers);
    ~LinkControls() = default;

    CommPort& port();
    void stopTimers();

    std::unique_ptr<CommPort> MSC;
    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<Timer> Timer2;
    std::unique_ptr<Timer> Timer3;

private:
    std::function<void()> onReceive_;
};
