#include "app/mdimain.h"
#include "core/prompt.h"
#include "link/comm_port.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "platform/tool_bar.h"
#include "platform/window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ToolIcon(QStringLiteral("radio")));
    // The process ends when its last window has been unloaded: the main
    // window goes on Exit, the separate file dialogs when they are closed.
    QApplication::setQuitOnLastWindowClosed(false);
    Windows::SetLastWindowClosedHandler([] { QCoreApplication::quit(); });

    SerialPortFactory ports;
    InstallCommPortFactory(&ports);
    MessageBoxSink messages;
    InstallMessageSink(&messages);

    Windows::Load<MDImain>();
    const int code = Windows::Loaded().empty() ? 0 : QApplication::exec();

    Windows::UnloadAll();
    InstallMessageSink(nullptr);
    InstallCommPortFactory(nullptr);
    return code;
}
