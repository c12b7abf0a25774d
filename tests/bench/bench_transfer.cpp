// A DTMF-sized read and write through the real serial layer against the
// radio simulator on a pseudo-terminal, pacing its bytes at 9600 baud both
// ways. Prints each transfer's time against the ideal: the bytes' wire time
// plus the 15 ms the sender waits before each frame; and what a frame costs
// beyond that, with the two pauses of the handshake left out.

#include "core/memory_image.h"
#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/password_entry.h"
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
#include <vector>

namespace {

constexpr int kPort = 1;
constexpr int kRuns = 5;

struct Run {
    double ms = 0;
    double idealMs = 0;
    int frames = 0;
    bool done = false;
};

Run RunOnce(bool write)
{
    RadioSimulator radio;
    PtyRadio pty(radio, kByteUs9600);
    SetPortDevice(kPort, pty.slavePath());
    CommPortNo = kPort;

    MemoryImage image;
    TransferEngine engine(DtmfTransferParams(), image);
    QEventLoop loop;
    Run run;
    engine.onFinished = [&](TransferEnd end) {
        run.done = end == (write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
        loop.quit();
    };
    QElapsedTimer clock;
    clock.start();
    write ? engine.startWrite() : engine.startRead();
    loop.exec();
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    // Sender frames: the link-open frame, the password request, then one
    // per block or write frame.
    run.frames = 2 + (write ? Area::Dtmf.rows : kDtmfReadBlocks);
    const qint64 wireBytes = pty.received().size() + pty.sentBytes();
    run.idealMs = static_cast<double>(wireBytes) * kByteUs9600 / 1000 + run.frames * kSendDelayMs;
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
    // What each frame costs beyond its wire time and the sender's tick: the
    // event loop, the serial layer and the line's pacing.
    const double pausesMs = kPauseOf40000StepsMs + kPauseOf4000StepsMs;
    const double perFrame = (median.ms - pausesMs - median.idealMs) / median.frames;
    std::printf(
        "%-11s median %7.1f ms (best %7.1f, worst %7.1f) | ideal %7.1f ms | %+5.1f %% %s | %+.1f ms a frame%s\n", name,
        median.ms, runs.front().ms, runs.back().ms, median.idealMs, over, over <= 10 ? "(within 10 %)" : "(OVER 10 %)",
        perFrame, allDone ? "" : " SOME RUNS FAILED");
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
    Text_PassWord_Change(QStringLiteral("583920"));

    std::printf("DTMF-sized transfers over a pseudo-terminal, 9600 baud both ways, %d runs each.\n", kRuns);
    std::printf("The ideal is the wire time of every byte plus %d ms before each frame; the measured time\n"
                "also holds the two pauses after the handshake replies (%d + %d ms).\n",
                kSendDelayMs, kPauseOf40000StepsMs, kPauseOf4000StepsMs);
    Report("DTMF read", false);
    Report("DTMF write", true);
    quiet.takeAll();
    return 0;
}
