#include "link/link_controls.h"

LinkControls::LinkControls(Handlers handlers)
    : Timer1(SystemClock().createTimer()),
      Timer2(SystemClock().createTimer()),
      Timer3(SystemClock().createTimer()),
      onReceive_(std::move(handlers.MSC_OnComm))
{
    Timer1->onTick = std::move(handlers.Timer1_Timer);
    Timer2->onTick = std::move(handlers.Timer2_Timer);
    Timer3->onTick = std::move(handlers.Timer3_Timer);
}

CommPort& LinkControls::port()
{
    if (!MSC) {
        MSC = CreateCommPort();
        MSC->onReceive = onReceive_;
    }
    return *MSC;
}

void LinkControls::closePort()
{
    if (portOpen())
        MSC->close();
}

void LinkControls::stopTimers()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
}
