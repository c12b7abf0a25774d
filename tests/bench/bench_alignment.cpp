// The alignment editor's band-limit read and write through the real serial
// layer against the radio simulator on a pseudo-terminal, pacing its bytes
// at 9600 baud both ways. Prints each transfer's time against the ideal (the
// wire time of every byte plus the 15 ms the sender waits before each of its
// two frames; the transfer has no pauses) and the CPU time it used.

#include "alignment/adj_link.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/transfer_engine.h"
#include "platform/serial_port.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kPort = 1;
constexpr int kRuns = 5;
constexpr int kFrames = 2;  // the link-open frame, then the read request or the write frame
constexpr double kGoalPercent = 5;

struct Run {
    double ms = 0;
    double idealMs = 0;
    double cpuMs = 0;
    bool done = false;
};

Run RunOnce(bool write)
{
    RadioSimulator radio;
    PtyRadio pty(radio, kByteUs9600);
    SetPortDevice(kPort, pty.slavePath());
    CommPortNo = kPort;

    AdjTable table;
    TransferEngine engine(AdjTransferParams([&] { Adj_FromBlock(RxBlock.row(kAdjReplyRow), table); }, table));
    QEventLoop loop;
    Run run;
    engine.onFinished = [&](TransferEnd end) {
        run.done = end == (write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
        loop.quit();
    };
    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    write ? engine.startWrite() : engine.startRead();
    loop.exec();
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    run.cpuMs = static_cast<double>(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;
    const qint64 wireBytes = pty.received().size() + pty.sentBytes();
    run.idealMs = static_cast<double>(wireBytes) * kByteUs9600 / 1000 + kFrames * kSendDelayMs;
    return run;
}

void Report(const char* name, bool write)
{
    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(RunOnce(write));
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = runs[runs.size() / 2];
    const bool allDone = std::all_of(runs.begin(), runs.end(), [](const Run& r) { return r.done; });
    const double over = (median.ms / median.idealMs - 1) * 100;
    std::printf("%-15s median %6.1f ms (best %6.1f, worst %6.1f) | ideal %6.1f ms | %+5.1f %% %s | CPU %5.1f ms "
                "(%4.1f %% of the time)%s\n",
                name, median.ms, runs.front().ms, runs.back().ms, median.idealMs, over,
                over < kGoalPercent ? "(within 5 %)" : "(OVER 5 %)", median.cpuMs, median.cpuMs / median.ms * 100,
                allDone ? "" : " SOME RUNS FAILED");
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitToneTables();
    BuildLinkOpenFrame();
    SerialPortFactory serial;
    InstallCommPortFactory(&serial);
    MessageRecorder quiet;  // the completion messages are not shown

    std::printf("Alignment band-limit transfers over a pseudo-terminal, 9600 baud both ways, %d runs each.\n", kRuns);
    std::printf("The ideal is the wire time of every byte plus %d ms before each of the %d frames.\n", kSendDelayMs,
                kFrames);
    Report("alignment read", false);
    Report("alignment write", true);
    quiet.takeAll();
    return 0;
}
