// The five-tone window's Read and Write through the real serial layer
// against the radio simulator on a pseudo-terminal, pacing its bytes at
// 9600 baud both ways. Prints each transfer's time against the ideal (the
// bytes' wire time, 15 ms before each frame and the two pauses of the
// handshake) and the CPU time the process used meanwhile.

#include "core/five_tone_defaults.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/transfer_engine.h"
#include "platform/kit_button.h"
#include "platform/serial_port.h"
#include "signalling/five_tone_link.h"
#include "signalling/ui/frm_5tone.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"
#include "support/test_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kPort = 1;
constexpr int kRuns = 5;
constexpr double kGoalPercent = 5;

struct Run {
    double ms = 0;
    double idealMs = 0;
    double cpuMs = 0;
    bool done = false;
};

Run RunOnce(frm_5tone& window, bool write)
{
    RadioSimulator radio;
    radio.setPasswords("583920", "");
    PtyRadio pty(radio, kByteUs9600);
    SetPortDevice(kPort, pty.slavePath());

    QEventLoop loop;
    Run run;
    window.link().onFinished = [&](TransferEnd end) {
        run.done = end == (write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
        loop.quit();
    };
    QElapsedTimer clock;
    const std::clock_t cpu = std::clock();
    clock.start();
    (write ? window.Command_Write : window.Command_read)->click();
    loop.exec();
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    run.cpuMs = static_cast<double>(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;

    // Sender frames: the link-open frame, the password request, then one
    // per block or write frame.
    const int frames = 2 + (write ? Area::FiveTone.rows : kFiveToneReadBlocks);
    const qint64 wireBytes = pty.received().size() + pty.sentBytes();
    run.idealMs = static_cast<double>(wireBytes) * kByteUs9600 / 1000 + frames * kSendDelayMs + kPauseOf40000StepsMs
                  + kPauseOf4000StepsMs;
    return run;
}

void Report(frm_5tone& window, const char* name, bool write)
{
    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(RunOnce(window, write));
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = runs[runs.size() / 2];
    const bool allDone = std::all_of(runs.begin(), runs.end(), [](const Run& r) { return r.done; });
    const double over = (median.ms / median.idealMs - 1) * 100;
    std::printf("%-15s median %7.1f ms (best %7.1f, worst %7.1f) | ideal %7.1f ms | %+5.1f %% %s | CPU %6.1f ms "
                "(%4.1f %%)%s\n",
                name, median.ms, runs.front().ms, runs.back().ms, median.idealMs, over,
                over < kGoalPercent ? "(under 5 %)" : "(OVER 5 %)", median.cpuMs, median.cpuMs / median.ms * 100,
                allDone ? "" : " SOME RUNS FAILED");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitToneTables();
    BuildLinkOpenFrame();
    FiveTone_Defaults();
    SerialPortFactory serial;
    InstallCommPortFactory(&serial);
    CommPortNo = kPort;
    MessageRecorder quiet;  // the completion messages are not shown
    Windows::Load<TestFrame>()->Show();
    frm_5tone* window = Windows::Load<frm_5tone>();

    std::printf("The five-tone window's transfers over a pseudo-terminal, 9600 baud both ways, %d runs each.\n", kRuns);
    std::printf("The ideal is the wire time of every byte, %d ms before each frame and the pauses after the\n"
                "handshake replies (%d + %d ms). The goal: under %.0f %% over it.\n",
                kSendDelayMs, kPauseOf40000StepsMs, kPauseOf4000StepsMs, kGoalPercent);
    Report(*window, "five-tone read", false);
    Report(*window, "five-tone write", true);
    quiet.takeAll();
    Windows::UnloadAll();
    return 0;
}
