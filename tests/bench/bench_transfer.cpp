// The DTMF window's Read and Write, as a user presses them (pty_bench.h
// says what each figure is).
//
//   ./bench_transfer [runs] [--realtime]      (5 runs of each by default)

#include "core/dtmf_defaults.h"
#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/link_state.h"
#include "signalling/dtmf_area.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/pty_bench.h"
#include "support/test_frame.h"

#include <QApplication>

namespace {

using namespace Dtmf;

// An image with the row pattern of a seed and a DTMF area the window paints
// as it is (its display packs a code row and limits an index to its list):
// the defaults with encode code 2 a digit of the seed, and the pattern kept
// in every byte no control shows.
MemoryImage DtmfImage(int seed)
{
    const MemoryImage pattern = RowPatternImage(seed);
    MemoryImage image = pattern;
    Dtmf_Defaults(image);
    image(EncodeRow(EncBaseHi, 1), 0) = static_cast<std::int16_t>(seed);
    for (int row = CodeRow(CodeBaseHi, Code::Revive) + 1; row < CodeRow(CodeBaseHi, Code::MasterId); ++row)
        image.row(row) = pattern.row(row);
    for (int c = Speed::OffTimeIndex + 1; c < kRowBytes; ++c)
        image(SpeedRow(EncBaseHi), c) = pattern(SpeedRow(EncBaseHi), c);
    for (int c = Ctrl::ResetTimeIndex + 1; c < kRowBytes; ++c)
        image(CtrlRow(CodeBaseHi), c) = pattern(CtrlRow(CodeBaseHi), c);
    return image;
}

QByteArray DtmfRadio(int seed)
{
    QByteArray memory = RowPatternMemory(seed);
    const MemoryImage image = DtmfImage(seed);
    for (int row = Area::Dtmf.firstRow(); row <= Area::Dtmf.lastRow(); ++row) {
        for (int c = 0; c < kRowBytes; ++c)
            memory[row * kRowBytes + c] = static_cast<char>(image(row, c));
    }
    return memory;
}

}  // namespace

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 1);
    InitToneTables();
    BuildLinkOpenFrame();
    Dtmf_Defaults();
    Windows::Load<TestFrame>()->Show();
    auto* window = Windows::Load<frm_dtmf>();

    BenchCase read;
    read.name = QStringLiteral("DTMF read");
    read.params = DtmfTransferParams();
    read.radioMemory = DtmfRadio(1);
    read.prepare = [] { Edata = DtmfImage(2); };
    read.start = [window] { KitDriver::ClickButton(window->Command_read); };

    BenchCase write;
    write.name = QStringLiteral("DTMF write");
    write.params = DtmfTransferParams();
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [] { Edata = DtmfImage(2); };
    write.start = [window] { KitDriver::ClickButton(window->Command_Write); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
