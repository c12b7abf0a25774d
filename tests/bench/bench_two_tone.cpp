// The two-tone window's Read and Write, as a user presses them (pty_bench.h
// says what each figure is).
//
//   ./bench_two_tone [runs] [--realtime]      (5 runs of each by default)

#include "core/language_texts.h"
#include "core/tone_list.h"
#include "core/two_tone_defaults.h"
#include "link/link_state.h"
#include "signalling/two_tone_link.h"
#include "signalling/ui/frm_2tone.h"
#include "support/image_rows.h"
#include "support/pty_bench.h"
#include "support/test_frame.h"

#include <QApplication>

namespace {

// The radio's row pattern with the two-tone area at its defaults: the
// window's display stores a list's index where the byte is out of the
// list's range, so a pattern there would not come back as it was.
QByteArray TwoToneRadio()
{
    QByteArray memory = RowPatternMemory(1);
    MemoryImage defaults;
    TwoTone_Defaults(defaults);
    for (int row = Area::TwoTone.firstRow(); row <= Area::TwoTone.lastRow(); ++row) {
        for (int c = 0; c < kRowBytes; ++c)
            memory[row * kRowBytes + c] = static_cast<char>(defaults(row, c));
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
    SetLanguageTexts();
    TwoTone_Defaults();
    Windows::Load<TestFrame>()->Show();
    auto* window = Windows::Load<frm_2tone>();

    BenchCase read;
    read.name = QStringLiteral("two-tone read");
    read.params = TwoToneTransferParams();
    read.radioMemory = TwoToneRadio();
    read.prepare = [] { Edata = RowPatternImage(2); };
    read.start = [window] { window->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("two-tone write");
    write.params = TwoToneTransferParams();
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [] { Edata = RowPatternImage(2); };
    write.start = [window] { window->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
