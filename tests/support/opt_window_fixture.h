#pragma once
// What a test of the options window needs: the message recorder, a test
// main window, the tone list, the channel editor's band limits and the
// options area as the start-up leaves it. A test class derives from it,
// calls setUpOptions() in init() (then loads the window when its image is
// ready) and tearDownOptions() in cleanup().

#include "core/language.h"
#include "core/model_bands.h"
#include "core/option_defaults.h"
#include "core/tone_list.h"
#include "options/ui/frm_option.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QtTest>
#include <memory>

class OptWindowFixture {
protected:
    void setUpOptions()
    {
        InitToneTables();
        recorder_ = std::make_unique<MessageRecorder>();
        LangChinese = 0;
        BandVhfMin = kChannEditorVhfMin;
        BandVhfMax = kChannEditorVhfMax;
        BandUhfMin = kChannEditorUhfMin;
        BandUhfMax = kChannEditorUhfMax;
        VhfMin = VhfMax = UhfMin = UhfMax = 0;
        // As the start-up leaves the area: the image erased, a fresh mirror,
        // the defaults.
        Edata.fill(kErased);
        OptData.fill(0);
        Option_Defaults();
        frame_ = Windows::Load<TestFrame>();
        frame_->Show();
    }

    // Fails the test for a message box it did not take.
    void tearDownOptions()
    {
        Windows::UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window_ = nullptr;
        QVERIFY(recorder_->verifyAllTaken());
        recorder_.reset();
    }

    frm_option* loadWindow()
    {
        window_ = Windows::Load<frm_option>();
        return window_;
    }

    // Unloads the window and loads it again (the first refresh runs anew).
    frm_option* reloadWindow()
    {
        Windows::Unload(window_);
        return loadWindow();
    }

    // The options byte at 0x0E00 + offset.
    static int OptByte(int offset) { return Edata(Area::Opt.firstRow() + offset / kRowBytes, offset % kRowBytes); }

    std::unique_ptr<MessageRecorder> recorder_;
    TestFrame* frame_ = nullptr;
    frm_option* window_ = nullptr;
};
