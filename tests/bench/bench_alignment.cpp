// The alignment editor's band-limit read and write, its engine started with
// the window's parameters (pty_bench.h says what each figure is).
//
//   ./bench_alignment [runs] [--realtime]      (5 runs of each by default)

#include "alignment/adj_link.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "support/pty_bench.h"

#include <QCoreApplication>

namespace {

// Empty when row 9 of the table holds the radio's bytes at 0x3C90 (columns
// 0..count-1).
QString CompareLimitRow(const AdjTable& table, const QByteArray& radio, int count)
{
    for (int c = 0; c < count; ++c) {
        if (table(AdjLimitRow, c) != static_cast<std::uint8_t>(radio.at(AdjLimitsAddr + c)))
            return QStringLiteral("column %1 of the band-limit row is not the radio's").arg(c);
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QCoreApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 1);
    InitToneTables();
    BuildLinkOpenFrame();

    AdjTable table;
    const auto afterRead = [&table] { Adj_FromBlock(RxBlock.row(kAdjReplyRow), table); };
    TransferEngine engine(AdjTransferParams(afterRead, table));

    BenchCase read;
    read.name = QStringLiteral("alignment read");
    read.params = AdjTransferParams(afterRead, table);
    read.radioMemory = RowPatternMemory(1);
    read.prepare = [&table] { table = AdjTable(); };
    read.start = [&engine] { engine.startRead(); };
    read.check = [&table](const QByteArray& memory) { return CompareLimitRow(table, memory, kAdjCellsRead); };

    BenchCase write;
    write.name = QStringLiteral("alignment write");
    write.params = AdjTransferParams(afterRead, table);
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [&table] {
        for (int c = 0; c < kAdjCols; ++c)
            table(AdjLimitRow, c) = static_cast<std::int16_t>(0x40 + c);
    };
    write.start = [&engine] { engine.startWrite(); };
    write.check = [&table](const QByteArray& memory) { return CompareLimitRow(table, memory, kWriteBytes); };

    return RunBenchCases(radio, {read, write}, argc, argv);
}
