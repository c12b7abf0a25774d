#include "link/startup_identification.h"

#include "core/status_panels.h"
#include "link/frames.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/link_timing.h"

StartupIdentification::StartupIdentification()
    : LinkControls(
        {[this] { MSC_OnComm(); }, [this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, [this] { Timer3_Timer(); }})
{
}

StartupIdentification::~StartupIdentification()
{
    stopTimers();
    closePort();
}

bool StartupIdentification::openPort()
{
    PortError = 0;
    if (!port().open(CommPortNo)) {
        PortError = -1;
        return false;
    }
    return true;
}

void StartupIdentification::TryOpenPort()
{
    openPort();
}

void StartupIdentification::OpenCommPort()
{
    if (!openPort())
        ShowMessage(PortErrorMessage(PortErrorVariant::Short));
}

void StartupIdentification::ConnectRadio()
{
    stopTimers();
    ++attempt_;
    closePort();
    Writing = 0;
    Reading = 0;
    RetriesLeft = kIdentifyRetries;
    StartIdentify();
}

void StartupIdentification::StartIdentify()
{
    if (Writing != 0 || Reading != 0)
        return;
    if (!portOpen()) {
        OpenCommPort();
        if (!portOpen())
            return;
    }
    Handshook = false;
    port().discardInput();
    RxBuf.clear();
    Frame = LinkOpenBytes();
    AddrHi = 0;
    AddrLo = 0;
    Writing = 0;
    Reading = -1;
    StartSending();
}

void StartupIdentification::StartSending()
{
    FrameSent = false;
    SendPos = 0;
    Timer1->start(kIdentifyByteMs);
}

void StartupIdentification::Timer1_Timer()
{
    if (SendPos == 0) {
        // Nothing the radio sent before this frame is an answer to it.
        port().discardInput();
        RxBuf.clear();
    }
    Timer2->start(kReplyTimeoutMs);
    // A byte that cannot be written loses the frame like an unanswered one:
    // the rest is not sent, nothing that comes answers it, and the time-out
    // decides.
    if (!port().write(Frame.mid(SendPos, 1))) {
        Timer1->stop();
        return;
    }
    ++SendPos;
    if (SendPos >= Frame.size()) {
        Timer1->stop();
        FrameSent = true;
    }
}

void StartupIdentification::MSC_OnComm()
{
    if (!MSC)
        return;
    const QByteArray bytes = MSC->read(MSC->bytesWaiting());
    // The radio answers once the whole link-open frame is out: what comes
    // before answers nothing.
    if (Reading == 0 || Handshook || !MSC->isOpen() || !FrameSent)
        return;
    RxBuf.append(bytes);
    if (RxBuf.size() < kIdentReplyBytes)
        return;
    // The first 50 bytes are the reply; whatever came with them is consumed.
    const QByteArray reply = RxBuf.left(kIdentReplyBytes);
    RxBuf.clear();
    if (!IdentAccepted(reply))
        return;
    Handshook = true;
    stopTimers();
    closePort();
    Writing = 0;
    Reading = 0;
    ShowIdentity(reply);
    if (onIdentified)
        onIdentified();
}

void StartupIdentification::Timer2_Timer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->start(kIdentifyRetryDelayMs);
    closePort();
    Writing = 0;
    Reading = 0;
}

void StartupIdentification::Timer3_Timer()
{
    stopTimers();
    if (RetriesLeft > 0) {
        --RetriesLeft;
        StartIdentify();
        return;
    }
    const unsigned attempt = attempt_;
    const std::weak_ptr<int> alive = life_;
    ShowMessage(LinkText::StartupFailConnect());
    // A new identification may have started while the box was open.
    if (alive.expired() || attempt != attempt_)
        return;
    StatusBar1.setText(IdentPanel::Stat, LinkText::StatPanel.text());
    StatusBar1.setText(IdentPanel::Serial, LinkText::CommFaultPanel.text());
}

void StartupIdentification::Stop()
{
    stopTimers();
    ++attempt_;
    Writing = 0;
    Reading = 0;
    closePort();
}

bool StartupIdentification::running() const
{
    return Reading != 0 || Writing != 0 || Timer3->enabled();
}
