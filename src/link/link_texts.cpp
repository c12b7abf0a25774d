#include "link/link_texts.h"

Message PortErrorMessage(PortErrorVariant variant)
{
    const QString chinese = QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！");
    if (variant == PortErrorVariant::Short)
        return {{chinese, QStringLiteral("Communication Port Open Error ！")}, Titles::OperatePromptUpper};
    return {{chinese, QStringLiteral("Communication port is error, please setting right communication port . ！")},
            Titles::OperatePromptLower};
}

namespace LinkText {

const BiText Connecting{QStringLiteral("正在与对讲机联络 ！"), QStringLiteral("Connecting with transceiver. ")};
const BiText CommFaultLabel{QStringLiteral("与对讲机通讯故障 ！"), QStringLiteral("Communication fault.")};
const BiText CommFaultPanel{QStringLiteral("联机故障 ！"), QStringLiteral("Communication fault.")};
const BiText StatPanel{QStringLiteral("状态:"), QStringLiteral("Stat:")};

BiText ReadingBlock(int n)
{
    const QString number = QString::number(n);
    return {QStringLiteral("正在读取 ") + number + QStringLiteral(" 数据块"),
            QStringLiteral("Reading ") + number + QStringLiteral(" Data Block")};
}

BiText WritingBlock(int n)
{
    const QString number = QString::number(n);
    return {QStringLiteral("正在写入  ") + number + QStringLiteral("  数据块"),
            QStringLiteral("Writing  ") + number + QStringLiteral("  Data Block")};
}

Message Busy()
{
    return {{QStringLiteral("正在与对讲机进行读写操作 ！"), QStringLiteral("Read-write operating with transceiver .")},
            Titles::OperatePromptLower};
}

Message PasswordError()
{
    return {{QStringLiteral("读写数据命令字错误，禁止读出"), QStringLiteral("PassWord Error, Reading Stop")},
            Titles::OperatePromptUpper};
}

Message ReadDoneData()
{
    return {
        {QStringLiteral("从对讲机中读取数据完毕 ！"), QStringLiteral("Complete reading the data from transceiver.")},
        Titles::OperatePromptUpper};
}

Message FailConnect()
{
    return {{QStringLiteral("与对讲机联络失败 ！"), QStringLiteral("Fail connect with transceiver.")},
            Titles::OperatePromptLower};
}

Message StartupFailConnect()
{
    return {{QStringLiteral("联机失败，请使用旧版软件尝试 ！"), QStringLiteral("Fail connect with transceiver.")},
            Titles::OperatePromptLower};
}

Message ClearWhileBusy()
{
    return {{QStringLiteral("正在进行读写操作,请勿进行清除操作 ！,"),
             QStringLiteral("Read-write operating，don't clear operate .,")},
            Titles::OperatePromptLower};
}

Message CloseWhileBusy()
{
    return {{QStringLiteral("正在进行读写操作,请勿关窗口 ！,"),
             QStringLiteral("Read-write operating，don't close the window. ,")},
            Titles::OperatePromptLower};
}

Message UnloadWhileBusy()
{
    return {{QStringLiteral("正在进行读写操作,请勿关窗口 ！,"),
             QStringLiteral("Read-write operating，don't close the window.,")},
            Titles::OperatePromptLower};
}

Message OutOfBand(int channel)
{
    const QString n = QString::number(channel);
    return {{QStringLiteral("信道 ") + n + QStringLiteral(" 中的接收或发射频率超出频率限制范围"),
             QStringLiteral("Channel ") + n
                 + QStringLiteral("that Receiving or transmitting frequency  out of frequency limitation range ")},
            Titles::OperatePromptLower};
}

}  // namespace LinkText
