// The options window's Read and Write, as a user presses them (pty_bench.h
// says what each figure is).
//
//   ./bench_options [runs] [--realtime]      (5 runs of each by default)

#include "core/language_texts.h"
#include "core/model_bands.h"
#include "core/option_defaults.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "options/opt_link.h"
#include "options/ui/frm_option.h"
#include "support/image_rows.h"
#include "support/pty_bench.h"
#include "support/test_frame.h"

#include <QApplication>

namespace {

// An image or a radio memory with the row pattern of a seed and the options
// area at its defaults: the window's display stores a list's index where a
// byte is out of the list's range, so a pattern there would not come back
// as it was.
MemoryImage OptionImage(int seed)
{
    MemoryImage image = RowPatternImage(seed);
    Option_Defaults(image);
    return image;
}

QByteArray OptionRadio(int seed)
{
    QByteArray memory = RowPatternMemory(seed);
    const MemoryImage image = OptionImage(seed);
    for (int row = Area::Opt.firstRow(); row <= Area::Opt.lastRow(); ++row) {
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
    SetLanguageTexts();
    BandVhfMin = kChannEditorVhfMin;
    BandVhfMax = kChannEditorVhfMax;
    BandUhfMin = kChannEditorUhfMin;
    BandUhfMax = kChannEditorUhfMax;
    Option_Defaults();
    Windows::Load<TestFrame>()->Show();
    auto* window = Windows::Load<frm_option>();

    BenchCase read;
    read.name = QStringLiteral("options read");
    read.params = OptTransferParams();
    read.radioMemory = OptionRadio(1);
    read.prepare = [] { Edata = RowPatternImage(2); };
    read.start = [window] { window->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("options write");
    write.params = OptTransferParams();
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [] { Edata = OptionImage(2); };
    write.start = [window] { window->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
