// The DTMF editor's read and write, its engine started with the window's
// parameters (pty_bench.h says what each figure is).
//
//   ./bench_transfer [runs] [--realtime]      (5 runs of each by default)

#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/link_state.h"
#include "link/password_entry.h"
#include "support/image_rows.h"
#include "support/pty_bench.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QCoreApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 1);
    InitToneTables();
    BuildLinkOpenFrame();
    Text_PassWord_Change(kPresetPassword);

    MemoryImage image;
    TransferEngine engine(DtmfTransferParams(), image);

    BenchCase read;
    read.name = QStringLiteral("DTMF read");
    read.params = DtmfTransferParams();
    read.image = &image;
    read.radioMemory = RowPatternMemory(1);
    read.start = [&engine] { engine.startRead(); };

    BenchCase write;
    write.name = QStringLiteral("DTMF write");
    write.params = DtmfTransferParams();
    write.write = true;
    write.image = &image;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [&image] { image = RowPatternImage(2); };
    write.start = [&engine] { engine.startWrite(); };

    return RunBenchCases(radio, {read, write}, argc, argv);
}
