// The channel window's Read and Write (51 blocks of channel records and 51
// of names read alternately, 201 lines of two frames written), as a user
// presses them (pty_bench.h says what each figure is).
//
//   ./bench_chann [runs] [--realtime]      (5 runs of each by default)

#include "channels/chann_link.h"
#include "channels/ui/frm_chann.h"
#include "platform/kit_button.h"
#include "platform/window.h"
#include "support/channel_table.h"
#include "support/pty_bench.h"

#include <QApplication>

namespace {

QByteArray ChannelRadio(int seed)
{
    RadioSimulator radio;
    radio.fillRowPattern(seed);
    ChannelTable::PutInto(radio);
    return radio.memory;
}

}  // namespace

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 2);
    if (LoadBenchMain() == nullptr)
        return 1;
    auto* chann = Windows::Load<frm_chann>();

    BenchCase read;
    read.name = QStringLiteral("channel read");
    read.params = ChannTransferParams({});
    read.radioMemory = ChannelRadio(1);
    read.start = [chann] { chann->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("channel write");
    write.params = ChannTransferParams({});
    write.write = true;
    // The radio holds other rows than the image: only frames written make
    // the two agree.
    write.radioMemory = RowPatternMemory(3);
    write.prepare = [] { ChannelTable::PutInto(Edata); };
    write.start = [chann] { chann->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
