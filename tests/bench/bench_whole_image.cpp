// Whole-image read and write through the main window's two dialogs, as a
// user presses Read and Write (pty_bench.h says what each figure is).
//
//   ./bench_whole_image [runs] [--realtime]      (5 runs of each by default)

#include "app/mdimain.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "link/whole_image.h"
#include "platform/kit_button.h"
#include "platform/window.h"
#include "support/image_rows.h"
#include "support/pty_bench.h"

#include <QAction>
#include <QApplication>

int main(int argc, char* argv[])
{
    BenchRadio radio(argc, argv);
    QApplication app(argc, argv);
    if (!radio.isValid())
        return 1;
    UseBenchPort(radio, 2);
    MDImain* main = LoadBenchMain();
    if (main == nullptr)
        return 1;

    BenchCase read;
    read.name = QStringLiteral("whole read");
    read.params = WholeReadParams();
    read.radioMemory = RowPatternMemory(1);
    read.prepare = [main] { main->Prog_read->trigger(); };
    read.start = [] { Windows::Find<Form_Comm_Read>()->Command_read->click(); };

    BenchCase write;
    write.name = QStringLiteral("whole write");
    write.params = WholeWriteParams();
    write.write = true;
    write.radioMemory = RowPatternMemory(1);
    write.prepare = [main] {
        Edata = RowPatternImage(2);
        main->Prog_write->trigger();
    };
    write.start = [] { Windows::Find<Form_Comm_Write>()->Command_Write->click(); };

    const int status = RunBenchCases(radio, {read, write}, argc, argv);
    UnloadBenchWindows();
    return status;
}
