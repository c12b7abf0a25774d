// Whole-image read and write benchmark: the application (offscreen, main
// window and the two dialogs) against the radio simulator on a
// pseudo-terminal pacing its bytes at 9600 baud both ways, through the real
// serial layer.
//
//   ./bench_whole_image [runs]      (3 runs of each by default)
//
// Each run prints its time from the button to the completion message
// against the ideal, the wire time of every byte that crossed the line plus
// 15 ms before each frame (goal: within 10 %), and the CPU time the
// application used meanwhile. The radio runs in a process of its own, so
// that its work is not counted as the application's.

#include "core/memory_image.h"
#include "core/status_panels.h"
#include "core/ui/mdimain.h"
#include "link/comm_port.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/startup_identification.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/serial_port.h"
#include "platform/window.h"
#include "support/event_wait.h"
#include "support/image_rows.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPort = 2;
constexpr int kDefaultRuns = 3;
constexpr int kTimeoutMs = 120000;
// Frames that wait for the sender: the link-open frame and the password
// request, then every block request or write frame.
constexpr int kReadFrames = 2 + 201;
constexpr int kWriteFrames = 2 + 784;

// ---- the radio's process ---------------------------------------------------

// Runs the radio on a pseudo-terminal until the application closes `control`;
// tells the slave path through `report`.
[[noreturn]] void RunRadio(int argc, char* argv[], int report, int control)
{
    QCoreApplication app(argc, argv);
    RadioSimulator radio;
    radio.fillRowPattern(1);
    PtyRadio pty(radio, kByteUs9600);
    const QByteArray path = pty.slavePath().toLocal8Bit() + '\n';
    if (!pty.isValid() || ::write(report, path.constData(), static_cast<size_t>(path.size())) != path.size())
        _exit(1);
    ::close(report);
    QSocketNotifier closed(control, QSocketNotifier::Read);
    QObject::connect(&closed, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    app.exec();
    _exit(0);
}

// ---- the application's side --------------------------------------------

// Counts the bytes that cross the line, both ways, on the application's port.
class CountingPort final : public CommPort {
public:
    CountingPort(std::unique_ptr<CommPort> inner, qint64& bytes)
        : inner_(std::move(inner)),
          bytes_(bytes)
    {
        inner_->onReceive = [this] {
            if (onReceive)
                onReceive();
        };
    }
    bool open(int portNo) override { return inner_->open(portNo); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    bool write(const QByteArray& bytes) override
    {
        bytes_ += bytes.size();
        return inner_->write(bytes);
    }
    int bytesWaiting() const override { return inner_->bytesWaiting(); }
    QByteArray read(int count) override
    {
        QByteArray taken = inner_->read(count);
        bytes_ += taken.size();
        return taken;
    }
    void discardInput() override
    {
        bytes_ += inner_->bytesWaiting();
        inner_->discardInput();
    }
    void discardOutput() override { inner_->discardOutput(); }

private:
    std::unique_ptr<CommPort> inner_;
    qint64& bytes_;
};

class CountingFactory final : public CommPortFactory {
public:
    std::unique_ptr<CommPort> createPort() override
    {
        return std::make_unique<CountingPort>(serial_.createPort(), bytes);
    }
    qint64 bytes = 0;

private:
    SerialPortFactory serial_;
};

double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Run {
    double ms = 0;
    double idealMs = 0;
    double cpuMs = 0;
    QString message;
};

// Presses the button and runs the event loop until the completion message.
Run RunTransfer(MessageRecorder& recorder, CountingFactory& ports, KitButton* button, int frames)
{
    recorder.takeAll();
    ports.bytes = 0;
    QEventLoop loop;
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    Run run;
    QElapsedTimer clock;
    double cpuAtStart = 0;
    recorder.onShow = [&](const ShownMessage& shown) {
        run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        run.cpuMs = CpuMs() - cpuAtStart;
        run.message = shown.text;
        loop.quit();
    };
    cpuAtStart = CpuMs();
    clock.start();
    button->click();
    loop.exec();
    recorder.onShow = nullptr;
    run.idealMs = static_cast<double>(ports.bytes) * kByteUs9600 / 1000 + frames * kSendDelayMs;
    return run;
}

void Print(const char* name, int n, const Run& run, const QString& expected)
{
    const double over = (run.ms / run.idealMs - 1) * 100;
    std::printf("%-6s run %d: %8.1f ms | ideal %8.1f ms | %+5.1f %% %s | CPU %6.1f ms (%.1f %% of the time)%s\n", name,
                n, run.ms, run.idealMs, over, over <= 10 ? "(within 10 %)" : "(OVER 10 %)", run.cpuMs,
                run.ms > 0 ? run.cpuMs / run.ms * 100 : 0.0,
                run.message == expected ? "" : qPrintable(QStringLiteral(" FAILED: ") + run.message));
    std::fflush(stdout);
}

void Summary(const char* name, std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = runs[runs.size() / 2];
    std::printf("%-6s median %8.1f ms against %8.1f ms ideal (%+.1f %%), CPU %.1f ms\n", name, median.ms,
                median.idealMs, (median.ms / median.idealMs - 1) * 100, median.cpuMs);
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;

    // The radio's process first, before Qt starts in this one.
    int report[2];
    int control[2];
    if (pipe(report) != 0 || pipe(control) != 0)
        return 1;
    const pid_t radio = fork();
    if (radio < 0)
        return 1;
    if (radio == 0) {
        ::close(report[0]);
        ::close(control[1]);
        RunRadio(argc, argv, report[1], control[0]);
    }
    ::close(report[1]);
    ::close(control[0]);
    QByteArray slave;
    char ch = 0;
    while (::read(report[0], &ch, 1) == 1 && ch != '\n')
        slave.append(ch);
    ::close(report[0]);
    if (slave.isEmpty()) {
        std::fprintf(stderr, "the radio did not start\n");
        return 1;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        MessageRecorder recorder;
        CountingFactory ports;
        InstallCommPortFactory(&ports);
        for (int n = 1; n <= kPortCount; ++n)
            SetPortDevice(n, QStringLiteral("/nonexistent/ttyBENCH%1").arg(n));
        SetPortDevice(kPort, QString::fromLocal8Bit(slave));
        SetScreenSize(QSize(1280, 800));

        auto* main = Windows::Load<MDImain>();
        RunEventsUntil([main] { return !main->Identification().running() && !StatusBar1.text(2).isEmpty(); }, 10000);
        recorder.takeAll();
        if (StatusBar1.text(2).isEmpty()) {
            std::fprintf(stderr, "the radio was not identified\n");
            status = 1;
        } else {
            std::printf("Whole image over a pseudo-terminal at 9600 baud both ways, %d runs each.\n", runs);
            std::printf("Ideal: the wire time of every byte plus %d ms before each frame (%d frames to read, %d to\n"
                        "write); the measured time also holds the pauses after the handshake replies.\n",
                        kSendDelayMs, kReadFrames, kWriteFrames);
            std::vector<Run> reads;
            for (int i = 1; i <= runs; ++i) {
                main->Prog_read->trigger();
                auto* dialog = Windows::Find<Form_Comm_Read>();
                reads.push_back(RunTransfer(recorder, ports, dialog->Command_read, kReadFrames));
                Print("read", i, reads.back(), QStringLiteral("Complete reading data from the transceiver."));
            }
            std::vector<Run> writes;
            for (int i = 1; i <= runs; ++i) {
                Edata = RowPatternImage(2);
                main->Prog_write->trigger();
                auto* dialog = Windows::Find<Form_Comm_Write>();
                writes.push_back(RunTransfer(recorder, ports, dialog->Command_Write, kWriteFrames));
                Print("write", i, writes.back(), QStringLiteral("Complete Written the data to transceiver."));
            }
            Summary("read", reads);
            Summary("write", writes);
        }
        recorder.takeAll();
        Windows::UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        InstallCommPortFactory(nullptr);
    }
    ::close(control[1]);
    waitpid(radio, nullptr, 0);
    return status;
}
