// The five-tone window's Read and Write, as a user presses them
// (pty_bench.h says what each figure is).
//
//   ./bench_five_tone [runs] [--realtime]      (5 runs of each by default)

#include "core/five_tone_defaults.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "platform/kit_button.h"
#include "signalling/five_tone_link.h"
#include "signalling/ui/frm_5tone.h"
#include "support/image_rows.h"
#include "support/pty_bench.h"
#include "support/test_frame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 1);
    InitToneTables();
    BuildLinkOpenFrame();
    FiveTone_Defaults();
    Windows::Load<TestFrame>()->Show();
    auto* window = Windows::Load<frm_5tone>();

    BenchCase read;
    read.name = QStringLiteral("five-tone read");
    read.params = FiveToneTransferParams();
    read.radioMemory = RowPatternMemory(1);
    read.start = [window] { window->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("five-tone write");
    write.params = FiveToneTransferParams();
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [] { Edata = RowPatternImage(2); };
    write.start = [window] { window->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
