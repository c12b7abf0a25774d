#pragma once
// Benchmarks of a transfer over a pseudo-terminal through the real serial
// layer, against the radio simulator in a process of its own (so that its
// work is not counted as the application's), its line pacing every byte at
// 9600 baud to the microsecond.
//
// A benchmark program makes a BenchRadio first, before Qt starts, then its
// QApplication, calls UseBenchPort, loads the main window (LoadBenchMain)
// or makes its engine, and hands its cases to RunBenchCases. Each run of a
// case prints:
//   - total: from the start (the button) to the completion message;
//   - ideal: the pacing floor of what crossed the line: the wire time of
//     every byte, 15 ms before each frame and the transfer's pauses after
//     the handshake replies; a lone 0x06 the program sends goes out while
//     the sender's pause runs and is not counted;
//   - turnaround min / median / max over the frames: from the last byte of
//     the radio's answer reaching the application's side of the line to the
//     first byte of the next frame leaving it, less the 15 ms pause (and a
//     handshake pause); it is the application's and nobody else's;
//   - start: from the button to the first frame, less 15 ms; end: from the
//     last answer to the completion message;
//   - the CPU time the application used, and its share of the total;
//   - whether the image (read) or the radio (write) holds what it should.
// total = ideal + start + the turnarounds + end, up to what the line and the
// pseudo-terminal add (microseconds a frame). The summary also tells how
// late the line's own wakes came (the median over the bytes it delivered):
// how long this machine takes to wake a sleeping process, which each
// turnaround holds twice (the answer's arrival, the sender's tick).

#include "core/memory_image.h"
#include "link/transfer_engine.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <sys/types.h>
#include <vector>

// The radio simulator on a pseudo-terminal in a child process, driven
// between runs over a socket.
class BenchRadio {
public:
    // Starts the radio's process; on failure isValid() is false. The
    // QApplication that follows runs offscreen unless QT_QPA_PLATFORM says
    // otherwise.
    BenchRadio(int argc, char* argv[]);
    ~BenchRadio();
    BenchRadio(const BenchRadio&) = delete;
    BenchRadio& operator=(const BenchRadio&) = delete;

    bool isValid() const { return !slavePath_.isEmpty(); }
    QString slavePath() const { return slavePath_; }

    // Before a run: the radio's memory (RadioSimulator::kMemoryBytes) and an
    // empty record of what crossed the line and what the radio heard.
    bool load(const QByteArray& memory);
    // What crossed the line and what the radio heard since the last load.
    bool record(std::vector<Crossing>& crossings, QList<RadioSimulator::Heard>& heard);
    QByteArray memory();

private:
    QByteArray ask(char command, const QByteArray& payload = {});

    pid_t pid_ = -1;
    int control_ = -1;
    QString slavePath_;
};

// Every port number leads nowhere but portNo, which leads to the radio;
// serial-device ports from now on, the port in CommPortNo. Call after the
// QApplication is made.
void UseBenchPort(const BenchRadio& radio, int portNo);

class MDImain;
// Loads the main window as the application does (a 1280 x 800 screen) and
// waits for its start-up identification of the radio; nullptr when the
// radio was not identified.
MDImain* LoadBenchMain();
// Unloads every window, before the QApplication ends.
void UnloadBenchWindows();

struct BenchCase {
    QString name;
    // What the window or engine runs with: its pauses after the handshake
    // replies, the blocks a read keeps, the frames a write sends, the
    // completion messages.
    TransferParams params;
    bool write = false;
    // The image the read fills or the write sends.
    MemoryImage* image = &Edata;
    // What the radio holds before each run.
    QByteArray radioMemory;
    // Before each run, not timed (open a dialog, set up the image).
    std::function<void()> prepare;
    // Starts the transfer: presses the button, or starts the engine.
    std::function<void()> start;
    // In place of comparing the image with the radio (a transfer of a table
    // beside the image): empty when the run left what it should, given what
    // the radio holds after it.
    std::function<QString(const QByteArray& radio)> check;
};

// A radio memory filled with the simulator's row pattern of a seed.
QByteArray RowPatternMemory(int seed);

// Runs every case and prints each run and a summary of each case (medians),
// as the program's arguments ask:
//   bench_<name> [runs] [--realtime]
// runs: of each case, 5 by default; --realtime: the application runs at
// real-time priority (where the system allows it), so that other programs
// on a shared machine do not hold it up and count as its turnaround.
// Returns 0 when every run ended in its completion message with the image
// or the radio holding what it should, 1 otherwise.
int RunBenchCases(BenchRadio& radio, const QList<BenchCase>& cases, int argc, char* argv[]);
