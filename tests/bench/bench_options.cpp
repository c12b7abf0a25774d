// The options window's Read and Write through the real serial layer against
// the radio simulator on a pseudo-terminal, pacing its bytes at 9600 baud
// both ways, the window offscreen.
//
//   ./bench_options [runs]      (5 runs of each by default)
//
// Prints each transfer's time from the button to its end against the ideal:
// the wire time of every byte, 15 ms before each frame and the pauses after
// the identification and password replies; goal: under 5 % over. Also the
// process's CPU time meanwhile, the radio simulator's share included; goal:
// under 10 % of the elapsed time.

#include "core/language_texts.h"
#include "core/model_bands.h"
#include "core/option_defaults.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/transfer_engine.h"
#include "options/opt_link.h"
#include "options/ui/frm_option.h"
#include "platform/serial_port.h"
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
constexpr int kDefaultRuns = 5;
// Frames that wait for the sender: the link-open frame, the password
// request, then each block request or write frame.
constexpr int kReadFrames = 2 + kOptReadBlocks;
constexpr int kWriteFrames = 2 + Area::Opt.rows;

struct Run {
    double ms = 0;
    double idealMs = 0;
    double cpuMs = 0;
    bool done = false;
};

double CpuMs()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

Run RunOnce(bool write)
{
    RadioSimulator radio;
    radio.setPasswords("583920", "");
    PtyRadio pty(radio, kByteUs9600);
    SetPortDevice(kPort, pty.slavePath());
    CommPortNo = kPort;
    auto* window = Windows::Load<frm_option>();

    QEventLoop loop;
    Run run;
    window->link().onFinished = [&](TransferEnd end) {
        run.done = end == (write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
        loop.quit();
    };
    const double cpuBefore = CpuMs();
    QElapsedTimer clock;
    clock.start();
    (write ? window->Command_Write : window->Command_read)->click();
    loop.exec();
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    run.cpuMs = CpuMs() - cpuBefore;
    Windows::Unload(window);

    const qint64 wireBytes = pty.received().size() + pty.sentBytes();
    run.idealMs = static_cast<double>(wireBytes) * kByteUs9600 / 1000
                  + (write ? kWriteFrames : kReadFrames) * kSendDelayMs + kPauseOf40000StepsMs + kPauseOf4000StepsMs;
    return run;
}

void Report(const char* name, bool write, int runs)
{
    std::vector<Run> all;
    for (int i = 0; i < runs; ++i)
        all.push_back(RunOnce(write));
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = all[all.size() / 2];
    const bool allDone = std::all_of(all.begin(), all.end(), [](const Run& r) { return r.done; });
    const double over = (median.ms / median.idealMs - 1) * 100;
    const double cpu = median.cpuMs / median.ms * 100;
    std::printf("%-14s median %7.1f ms (best %7.1f, worst %7.1f) | ideal %7.1f ms | %+5.1f %% %s | CPU %6.1f ms "
                "= %4.1f %% %s%s\n",
                name, median.ms, all.front().ms, all.back().ms, median.idealMs, over,
                over < 5 ? "(under 5 %)" : "(OVER 5 %)", median.cpuMs, cpu, cpu < 10 ? "(under 10 %)" : "(OVER 10 %)",
                allDone ? "" : " SOME RUNS FAILED");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    InitToneTables();
    BuildLinkOpenFrame();
    SetLanguageTexts();
    BandVhfMin = kChannEditorVhfMin;
    BandVhfMax = kChannEditorVhfMax;
    BandUhfMin = kChannEditorUhfMin;
    BandUhfMax = kChannEditorUhfMax;
    Option_Defaults();
    SerialPortFactory serial;
    InstallCommPortFactory(&serial);
    MessageRecorder quiet;  // the completion messages are not shown
    Windows::Load<TestFrame>()->Show();

    std::printf("The options window's transfers over a pseudo-terminal, 9600 baud both ways, %d runs each.\n", runs);
    std::printf("Ideal: the wire time of every byte, %d ms before each frame and the %d + %d ms pauses.\n",
                kSendDelayMs, kPauseOf40000StepsMs, kPauseOf4000StepsMs);
    Report("options read", false, runs);
    Report("options write", true, runs);
    quiet.takeAll();
    Windows::UnloadAll();
    return 0;
}
