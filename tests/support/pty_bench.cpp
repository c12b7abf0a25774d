#include "support/pty_bench.h"

#include "app/mdimain.h"
#include "core/status_panels.h"
#include "link/comm_port.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "platform/window.h"
#include "support/event_wait.h"
#include "support/message_recorder.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QEventLoop>
#include <QIODevice>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kRunTimeoutMs = 180000;
// After a case's preparation, before the run: a dialog just opened shows
// and paints.
constexpr int kSettleMs = 200;
constexpr int kIdentifyTimeoutMs = 10000;
constexpr int kModelPanel = 2;

// ---- the control socket: a tag byte, a length and the payload --------------

constexpr char kSlavePath = 'P';
constexpr char kLoad = 'L';
constexpr char kRecord = 'R';
constexpr char kMemory = 'M';

bool WriteAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool ReadAll(int fd, char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::read(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool Send(int fd, char tag, const QByteArray& payload)
{
    const auto size = static_cast<quint32>(payload.size());
    char header[5] = {tag};
    std::copy_n(reinterpret_cast<const char*>(&size), 4, header + 1);
    return WriteAll(fd, header, sizeof header) && WriteAll(fd, payload.constData(), payload.size());
}

bool Receive(int fd, char& tag, QByteArray& payload)
{
    char header[5];
    if (!ReadAll(fd, header, sizeof header))
        return false;
    tag = header[0];
    quint32 size = 0;
    std::copy_n(header + 1, 4, reinterpret_cast<char*>(&size));
    payload.resize(static_cast<qsizetype>(size));
    return ReadAll(fd, payload.data(), payload.size());
}

QByteArray Pack(const std::vector<Crossing>& crossings, const QList<RadioSimulator::Heard>& heard)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint32>(crossings.size());
    for (const Crossing& c : crossings)
        out << c.atUs << c.fromProgram << c.answerDone << c.lateUs << c.bytes;
    out << static_cast<quint32>(heard.size());
    for (const RadioSimulator::Heard& h : heard)
        out << static_cast<qint32>(h.kind) << static_cast<qint32>(h.address) << static_cast<qint32>(h.length);
    return bytes;
}

void Unpack(const QByteArray& bytes, std::vector<Crossing>& crossings, QList<RadioSimulator::Heard>& heard)
{
    QDataStream in(bytes);
    quint32 n = 0;
    in >> n;
    crossings.assign(n, Crossing{});
    for (Crossing& c : crossings)
        in >> c.atUs >> c.fromProgram >> c.answerDone >> c.lateUs >> c.bytes;
    in >> n;
    heard.clear();
    for (quint32 i = 0; i < n; ++i) {
        qint32 kind = 0;
        qint32 address = 0;
        qint32 length = 0;
        in >> kind >> address >> length;
        heard.append({static_cast<RadioSimulator::Heard::Kind>(kind), address, length});
    }
}

// ---- the radio's process ---------------------------------------------------

// False where the system does not allow it.
bool SetRealTimePriority()
{
    sched_param realTime{};
    realTime.sched_priority = 1;
    return sched_setscheduler(0, SCHED_FIFO, &realTime) == 0;
}

[[noreturn]] void RunRadio(int argc, char* argv[], int control)
{
    // The line's wakes as exact as the kernel makes them, and not held up
    // by whatever else the machine runs.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    SetRealTimePriority();
    QCoreApplication app(argc, argv);
    RadioSimulator radio;
    PtyRadio pty(radio, kByteUs9600);
    if (!Send(control, kSlavePath, pty.isValid() ? pty.slavePath().toLocal8Bit() : QByteArray()))
        _exit(1);
    QSocketNotifier commands(control, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char tag = 0;
        QByteArray payload;
        if (!Receive(control, tag, payload)) {
            app.quit();  // the benchmark has ended
            return;
        }
        QByteArray answer;
        if (tag == kLoad) {
            if (payload.size() == RadioSimulator::kMemoryBytes)
                radio.memory = payload;
            radio.heard.clear();
            pty.clearCrossings();
        } else if (tag == kRecord) {
            answer = Pack(pty.crossings(), radio.heard);
        } else if (tag == kMemory) {
            answer = radio.memory;
        }
        if (!Send(control, tag, answer))
            app.quit();
    });
    app.exec();
    _exit(0);
}

// ---- figures of one run ----------------------------------------------------

double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Figures {
    double totalMs = 0;
    double idealMs = 0;
    double startMs = 0;
    double endMs = 0;
    double cpuMs = 0;
    int frames = 0;
    std::vector<double> turnaroundMs;  // in the order of the frames
    double lineLateUs = 0;             // median: how late the line's wakes came
    QString problem;                   // empty: the run did what it should

    double overPercent() const { return idealMs > 0 ? (totalMs / idealMs - 1) * 100 : 0; }
    double cpuPercent() const { return totalMs > 0 ? cpuMs / totalMs * 100 : 0; }
    double turnaround(double quantile) const
    {
        if (turnaroundMs.empty())
            return 0;
        std::vector<double> sorted = turnaroundMs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<std::size_t>(quantile * static_cast<double>(sorted.size() - 1) + 0.5)];
    }
};

bool IsLoneAck(const Crossing& c)
{
    return c.fromProgram && c.bytes.size() == 1 && static_cast<std::uint8_t>(c.bytes.at(0)) == kAck;
}

// The pause the program makes, by the transfer's parameters, after the
// radio's k-th answer (0: the identification, 1: the password block).
int PauseAfterAnswerMs(const TransferParams& p, int k)
{
    if (!p.passwordStage)
        return 0;
    if (k == 0)
        return p.identPauseMs;
    if (k == 1 && p.ackPasswordAlone)
        return p.passwordPauseMs;
    return 0;
}

Figures Measure(const std::vector<Crossing>& crossings, const QList<RadioSimulator::Heard>& heard,
                const TransferParams& p, double startUs, double doneUs)
{
    Figures f;
    f.totalMs = (doneUs - startUs) / 1000;
    qint64 bytes = 0;
    std::vector<double> late;
    for (const Crossing& c : crossings) {
        bytes += IsLoneAck(c) ? 0 : c.bytes.size();
        if (!c.fromProgram)
            late.push_back(c.lateUs);
    }
    std::sort(late.begin(), late.end());
    f.lineLateUs = late.empty() ? 0 : late[late.size() / 2];
    for (const RadioSimulator::Heard& h : heard) {
        const bool frame = h.kind == RadioSimulator::Heard::LinkOpen || h.kind == RadioSimulator::Heard::Read
                           || h.kind == RadioSimulator::Heard::Write;
        f.frames += frame ? 1 : 0;
    }
    f.idealMs = static_cast<double>(bytes) * kByteUs9600 / 1000 + f.frames * kSendDelayMs;

    double answerEndUs = -1;
    double lastAnswerEndUs = startUs;
    bool first = true;
    for (const Crossing& c : crossings) {
        if (!c.fromProgram) {
            if (c.answerDone)
                answerEndUs = lastAnswerEndUs = c.atUs;
            continue;
        }
        if (IsLoneAck(c))
            continue;
        if (first) {
            f.startMs = (c.atUs - startUs) / 1000 - kSendDelayMs;
            first = false;
        } else if (answerEndUs >= 0) {
            const int pause = PauseAfterAnswerMs(p, static_cast<int>(f.turnaroundMs.size()));
            f.idealMs += pause;
            f.turnaroundMs.push_back((c.atUs - answerEndUs) / 1000 - kSendDelayMs - pause);
        }
        answerEndUs = -1;
    }
    f.endMs = (doneUs - lastAnswerEndUs) / 1000;
    if (static_cast<int>(f.turnaroundMs.size()) != f.frames - 1)
        f.problem = QStringLiteral("%1 frames heard, %2 sent after an answer").arg(f.frames).arg(f.turnaroundMs.size());
    if (std::any_of(heard.begin(), heard.end(),
                    [](const RadioSimulator::Heard& h) { return h.kind == RadioSimulator::Heard::Noise; }))
        f.problem = QStringLiteral("the radio heard bytes that were no frame");
    return f;
}

QByteArray ImageRow(const MemoryImage& image, int row)
{
    QByteArray bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes.append(static_cast<char>(image(row, c) & 0xFF));
    return bytes;
}

// Empty when the image holds the radio's blocks the read keeps.
QString CheckRead(const BenchCase& c)
{
    for (const KeptBlocks& kept : c.params.kept) {
        const int rows = kept.blocks * (kBlockBytes / kRowBytes);
        for (int row = kept.firstImageRow; row < kept.firstImageRow + rows; ++row) {
            for (int col = 0; col < kRowBytes; ++col) {
                const int radio = static_cast<std::uint8_t>(c.radioMemory.at(row * kRowBytes + col));
                if ((*c.image)(row, col) != radio)
                    return QStringLiteral("image row %1 column %2 holds %3, the radio %4")
                        .arg(row)
                        .arg(col)
                        .arg((*c.image)(row, col))
                        .arg(radio);
            }
        }
    }
    return {};
}

// Empty when the radio holds the image's row at every frame written, and
// every frame of the range was written.
QString CheckWrite(const BenchCase& c, const QList<RadioSimulator::Heard>& heard, const QByteArray& memory)
{
    const int expected = c.params.secondRangeOffset != 0 ? 2 * (c.params.writeFrames + 1) : c.params.writeFrames;
    int writes = 0;
    for (const RadioSimulator::Heard& h : heard) {
        if (h.kind != RadioSimulator::Heard::Write)
            continue;
        ++writes;
        if (memory.mid(h.address, kWriteBytes) != ImageRow(*c.image, RowOf(h.address)))
            return QStringLiteral("the radio's 0x%1 is not image row %2")
                .arg(h.address, 4, 16, QLatin1Char('0'))
                .arg(RowOf(h.address));
    }
    if (writes != expected)
        return QStringLiteral("%1 frames written, %2 expected").arg(writes).arg(expected);
    return {};
}

Figures RunOnce(BenchRadio& radio, const BenchCase& c)
{
    Figures f;
    if (!radio.load(c.radioMemory)) {
        f.problem = QStringLiteral("the radio does not answer its control socket");
        return f;
    }
    if (c.prepare)
        c.prepare();
    RunEventsUntil([] { return false; }, kSettleMs);

    MessageRecorder recorder;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    double doneUs = -1;
    double cpuAtDone = 0;
    recorder.onShow = [&](const ShownMessage&) {
        if (doneUs < 0) {
            doneUs = SteadyNowUs();
            cpuAtDone = CpuMs();
        }
        loop.quit();
    };
    const double cpuAtStart = CpuMs();
    const double startUs = SteadyNowUs();
    timeout.start(kRunTimeoutMs);
    c.start();
    if (doneUs < 0)
        loop.exec();
    recorder.onShow = nullptr;
    const QList<ShownMessage> shown = recorder.takeAll();

    std::vector<Crossing> crossings;
    QList<RadioSimulator::Heard> heard;
    if (doneUs < 0 || !radio.record(crossings, heard)) {
        f.problem = doneUs < 0 ? QStringLiteral("no message within %1 s").arg(kRunTimeoutMs / 1000)
                               : QStringLiteral("the radio does not answer its control socket");
        return f;
    }
    f = Measure(crossings, heard, c.params, startUs, doneUs);
    f.cpuMs = cpuAtDone - cpuAtStart;
    const Message& done = c.write ? c.params.writeDoneMessage : c.params.readDoneMessage;
    if (shown.isEmpty() || shown.front().text != done.text.text())
        f.problem = QStringLiteral("ended in \"%1\"").arg(shown.isEmpty() ? QString() : shown.front().text);
    if (f.problem.isEmpty() && c.check)
        f.problem = c.check(c.write ? radio.memory() : c.radioMemory);
    else if (f.problem.isEmpty())
        f.problem = c.write ? CheckWrite(c, heard, radio.memory()) : CheckRead(c);
    return f;
}

void PrintRun(const BenchCase& c, int n, const Figures& f)
{
    const QString checked = f.problem.isEmpty() ? (c.write ? QStringLiteral("radio ok") : QStringLiteral("image ok"))
                                                : QStringLiteral("FAILED: ") + f.problem;
    double sum = 0;
    for (double t : f.turnaroundMs)
        sum += t;
    std::printf("%-14s %2d: %8.1f ms | ideal %8.1f ms | %+6.2f %% | turnaround %.3f / %.3f / %.3f ms, sum %.1f ms | "
                "start %.2f, end %.2f ms | CPU %7.1f ms %4.1f %% | %d frames, %s\n",
                qPrintable(c.name), n, f.totalMs, f.idealMs, f.overPercent(), f.turnaround(0), f.turnaround(0.5),
                f.turnaround(1), sum, f.startMs, f.endMs, f.cpuMs, f.cpuPercent(), f.frames, qPrintable(checked));
    std::fflush(stdout);
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintSummary(const BenchCase& c, const std::vector<Figures>& runs)
{
    std::vector<double> total, ideal, over, median, cpu, lineLate;
    double least = 1e9;
    double most = -1e9;
    int failed = 0;
    for (const Figures& f : runs) {
        total.push_back(f.totalMs);
        ideal.push_back(f.idealMs);
        over.push_back(f.overPercent());
        median.push_back(f.turnaround(0.5));
        cpu.push_back(f.cpuPercent());
        lineLate.push_back(f.lineLateUs);
        least = std::min(least, f.turnaround(0));
        most = std::max(most, f.turnaround(1));
        failed += f.problem.isEmpty() ? 0 : 1;
    }
    std::printf("%-14s median of %zu: %8.1f ms against %8.1f ms ideal (%+.2f %%) | turnaround median %.3f ms "
                "(least %.3f, most %.3f) | CPU %.1f %% | the line's wakes %.0f us late | %s\n",
                qPrintable(c.name), runs.size(), Median(total), Median(ideal), Median(over), Median(median), least,
                most, Median(cpu), Median(lineLate),
                failed == 0 ? "every run checked" : qPrintable(QStringLiteral("%1 runs FAILED").arg(failed)));
}

}  // namespace

BenchRadio::BenchRadio(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0)
        return;
    pid_ = fork();
    if (pid_ < 0) {
        ::close(pair[0]);
        ::close(pair[1]);
        return;
    }
    if (pid_ == 0) {
        ::close(pair[0]);
        RunRadio(argc, argv, pair[1]);
    }
    ::close(pair[1]);
    control_ = pair[0];
    char tag = 0;
    QByteArray path;
    if (Receive(control_, tag, path) && tag == kSlavePath)
        slavePath_ = QString::fromLocal8Bit(path);
}

BenchRadio::~BenchRadio()
{
    if (control_ >= 0)
        ::close(control_);
    if (pid_ > 0)
        waitpid(pid_, nullptr, 0);
}

QByteArray BenchRadio::ask(char command, const QByteArray& payload)
{
    char tag = 0;
    QByteArray answer;
    if (control_ < 0 || !Send(control_, command, payload) || !Receive(control_, tag, answer) || tag != command)
        return QByteArray();
    return answer;
}

bool BenchRadio::load(const QByteArray& memory)
{
    char tag = 0;
    QByteArray answer;
    return control_ >= 0 && Send(control_, kLoad, memory) && Receive(control_, tag, answer) && tag == kLoad;
}

bool BenchRadio::record(std::vector<Crossing>& crossings, QList<RadioSimulator::Heard>& heard)
{
    const QByteArray packed = ask(kRecord);
    if (packed.isEmpty())
        return false;
    Unpack(packed, crossings, heard);
    return true;
}

QByteArray BenchRadio::memory()
{
    return ask(kMemory);
}

void UseBenchPort(const BenchRadio& radio, int portNo)
{
    static SerialPortFactory serial;
    InstallCommPortFactory(&serial);
    for (int n = 1; n <= kPortCount; ++n)
        SetPortDevice(n, QStringLiteral("/nonexistent/ttyBENCH%1").arg(n));
    SetPortDevice(portNo, radio.slavePath());
    CommPortNo = portNo;
}

MDImain* LoadBenchMain()
{
    SetScreenSize(QSize(1280, 800));
    MessageRecorder quiet;
    auto* main = Windows::Load<MDImain>();
    RunEventsUntil([main] { return !main->Identification().running() && !StatusBar1.text(kModelPanel).isEmpty(); },
                   kIdentifyTimeoutMs);
    quiet.takeAll();
    if (StatusBar1.text(kModelPanel).isEmpty()) {
        std::fprintf(stderr, "the radio was not identified\n");
        return nullptr;
    }
    return main;
}

void UnloadBenchWindows()
{
    MessageRecorder quiet;
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    quiet.takeAll();
}

QByteArray RowPatternMemory(int seed)
{
    RadioSimulator radio;
    radio.fillRowPattern(seed);
    return radio.memory;
}

int RunBenchCases(BenchRadio& radio, const QList<BenchCase>& cases, int argc, char* argv[])
{
    int runs = kDefaultRuns;
    bool realTime = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--realtime")
            realTime = true;
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    if (realTime)
        realTime = SetRealTimePriority();
    std::printf("Over a pseudo-terminal at 9600 baud both ways, the radio in a process of its own; %d runs a case;\n"
                "the application at %s priority. Goals: within 2 %% of the ideal, median turnaround under 0.5 ms\n"
                "a frame, CPU under 5 %% of the total.\n",
                runs, realTime ? "real-time" : "normal");
    std::vector<std::vector<Figures>> all;
    bool ok = true;
    for (const BenchCase& c : cases) {
        all.emplace_back();
        for (int n = 1; n <= runs; ++n) {
            all.back().push_back(RunOnce(radio, c));
            PrintRun(c, n, all.back().back());
            ok = ok && all.back().back().problem.isEmpty();
        }
    }
    for (qsizetype i = 0; i < cases.size(); ++i)
        PrintSummary(cases[i], all[static_cast<std::size_t>(i)]);
    return ok ? 0 : 1;
}
