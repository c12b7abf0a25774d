#pragma once
// What a test of a transfer engine without a window needs: virtual time, the
// message recorder, the in-process serial ports with the radio simulator on
// one of them, an image of the test's own, and the ends the engine reports.
// A test class derives from it, calls setUpRadio() in init() and
// tearDownRadio() in cleanup().

#include "core/memory_image.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QtTest>
#include <memory>

class SimLinkFixture {
protected:
    // The radio on portNo, which becomes CommPortNo.
    void setUpRadio(int portNo)
    {
        clock_ = std::make_unique<VirtualClock>();
        recorder_ = std::make_unique<MessageRecorder>();
        ports_ = std::make_unique<SimPortFactory>();
        radio_ = std::make_unique<RadioSimulator>();
        ports_->attach(portNo, *radio_);
        image_ = std::make_unique<MemoryImage>();
        CommPortNo = portNo;
        PortError = 0;
        ends_.clear();
        ended_ = false;
    }

    // Fails the test for a message box it did not take.
    void tearDownRadio()
    {
        QVERIFY(recorder_->verifyAllTaken());
        image_.reset();
        ports_.reset();
        radio_.reset();
        recorder_.reset();
        clock_.reset();
    }

    // Runs the clock until the engine reports its end (or maxMs passed).
    bool runToEnd(TransferEngine& engine, qint64 maxMs)
    {
        ended_ = false;
        engine.onFinished = [this](TransferEnd end) {
            ends_.append(end);
            ended_ = true;
        };
        return clock_->advanceUntil([this] { return ended_; }, maxMs);
    }

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<MemoryImage> image_;
    QList<TransferEnd> ends_;
    bool ended_ = false;
};
