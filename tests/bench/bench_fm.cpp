// The FM preset window's Read and Write, as a user presses them (pty_bench.h
// says what each figure is).
//
//   ./bench_fm [runs] [--realtime]      (5 runs of each by default)

#include "channels/fm_link.h"
#include "channels/fm_page.h"
#include "channels/ui/frm_fm.h"
#include "core/tone_list.h"
#include "link/link_state.h"
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
    Windows::Load<TestFrame>()->Show();
    auto* window = Windows::Load<frm_FM>();

    BenchCase read;
    read.name = QStringLiteral("FM read");
    read.params = FmTransferParams(kFmBaseHi);
    read.radioMemory = RowPatternMemory(1);
    read.prepare = [] { Edata = RowPatternImage(2); };
    read.start = [window] { window->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("FM write");
    write.params = FmTransferParams(kFmBaseHi);
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [] { Edata = RowPatternImage(2); };
    write.start = [window] { window->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
