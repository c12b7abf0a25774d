// Start-up benchmark: the time from the start of the process to the painted
// main window with its first child window, and the resident memory then.
// Goal on the development machine: under 1 s and under 100 MB.
//
//   QT_QPA_PLATFORM=offscreen ./bench_startup [--grab main.png]
//
// It runs the application's own start-up with the real serial ports;
// messages go to stderr instead of boxes, so that nothing waits for a click.

#include "app/mdimain.h"
#include "link/comm_port.h"
#include "platform/serial_port.h"
#include "platform/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process.
double ProcessAgeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 (start time in clock ticks since boot) counts from the ")"
    // that ends the command name.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A field of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double StatusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            const QByteArray kb = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0);
            return kb.toDouble() / 1024.0;
        }
    }
    return -1;
}

class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* a, QWidget* b)
        : a_(a),
          b_(b)
    {
        a_->installEventFilter(this);
        b_->installEventFilter(this);
    }
    std::function<void()> onBothPainted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            paintedA_ = paintedA_ || watched == a_;
            paintedB_ = paintedB_ || watched == b_;
            if (paintedA_ && paintedB_ && onBothPainted) {
                auto done = std::move(onBothPainted);
                onBothPainted = nullptr;
                // After this paint has been delivered.
                QTimer::singleShot(0, done);
            }
        }
        return false;
    }

private:
    QWidget* a_;
    QWidget* b_;
    bool paintedA_ = false;
    bool paintedB_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const double ageAtMain = ProcessAgeMs();

    QApplication app(argc, argv);
    QString grabPath;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--grab")); at >= 0)
        grabPath = args.value(at + 1);

    SerialPortFactory ports;
    InstallCommPortFactory(&ports);

    auto* main = Windows::Load<MDImain>();
    Window* child = main != nullptr ? main->activeChild() : nullptr;
    if (main == nullptr || child == nullptr) {
        std::fprintf(stderr, "the start-up did not open the main window with a child\n");
        return 1;
    }
    PaintWatch watch(main, child);
    double totalMs = -1;
    double mainMs = -1;
    watch.onBothPainted = [&] {
        totalMs = ProcessAgeMs();
        mainMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
        QCoreApplication::exit(0);  // quit() would close (unload) the windows first
    };
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    const int code = QApplication::exec();
    if (code != 0) {
        std::fprintf(stderr, "the main window was not painted within 10 s\n");
        return code;
    }
    if (!grabPath.isEmpty())
        main->grab().save(grabPath);

    std::printf("process start to main():              %8.1f ms\n", ageAtMain);
    std::printf("main() to painted main window + child: %8.1f ms\n", mainMs);
    std::printf("process start to painted windows:      %8.1f ms  (goal < 1000 ms)\n", totalMs);
    std::printf("resident memory:                       %8.1f MB  (peak %.1f MB, goal < 100 MB)\n", StatusMb("VmRSS:"),
                StatusMb("VmHWM:"));

    Windows::UnloadAll();
    InstallCommPortFactory(nullptr);
    return 0;
}
