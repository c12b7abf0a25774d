#include "support/tone_window_link.h"

const QString ToneWindowLink::kReadDone = QStringLiteral("Complete reading the data from transceiver.");

void ToneWindowLink::addFailedTransferRows()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("refusePassword");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("linkOpens");
    QTest::addColumn<QString>("label");
    const QString failConnect = QStringLiteral("Fail connect with transceiver.");
    const QString fault = QStringLiteral("Communication fault.");
    const QString lower = QStringLiteral("Operate prompt");
    QTest::newRow("silent radio") << Fault::Silent << ReplyKind::Any << false << false << failConnect << lower << 4
                                  << fault;
    QTest::newRow("write frames answered by 0x15")
        << Fault::WrongAck << ReplyKind::WriteAck << true << false << failConnect << lower << 4 << fault;
    // The password reply is the first block answer of each try.
    QTest::newRow("read replies with their 0x58 at index 2")
        << Fault::LeadingNoise << ReplyKind::Block << false << false << failConnect << lower << 4 << fault;
    QTest::newRow("refused password") << Fault::Silent << ReplyKind::Ident << false << true
                                      << "PassWord Error, Reading Stop"
                                      << "Operate Prompt" << 1 << "Connecting with transceiver. ";
}

void ToneWindowLink::addBusyButtonRows()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString busy = QStringLiteral("Read-write operating with transceiver .");
    for (const char* button : {"Read", "Write", "Default", "Open", "Save", "Close"})
        QTest::newRow(button) << button << 0 << busy << "Operate prompt";
    for (const char* button : {"Default", "Close"}) {
        QTest::addRow("%s in Chinese", button) << button << 1 << "正在与对讲机进行读写操作 ！"
                                               << "操作提示";
    }
}
