#include "alignment/adj_link.h"

#include "alignment/adj_table.h"

namespace AdjLinkText {

const BiText ReadDoneLabel{QStringLiteral("调整参数读出正常 ！"), QStringLiteral("Read optional parameters in gear. ")};
const Message ReadDoneMessage{
    {QStringLiteral("从对讲机中读取调整数据完毕 ！"), QStringLiteral("Complete reading the data from transceiver.")},
    Titles::OperatePromptUpper};
const Message WriteDoneMessage{
    {QStringLiteral("调整参数写入完毕 ！"), QStringLiteral("Complete writing optional parameters to the transceiver.")},
    Titles::OperatePromptUpper};
const BiText WriteDoneLabel{QStringLiteral("调整参数写入完毕 ！"),
                            QStringLiteral("Complete writing optional parameters ")};

Message NotBytes()
{
    return {{QStringLiteral("频率范围限制含有超出 0..255 的数值，未向对讲机写入数据 ！"),
             QStringLiteral("The band limits hold a value out of 0..255, nothing is written to the transceiver.")},
            Titles::OperatePromptUpper};
}

}  // namespace AdjLinkText

TransferParams AdjTransferParams(std::function<void()> afterRead, const AdjTable& table)
{
    TransferParams p;
    p.readStart = AdjLimitsBlockAddr;
    p.writeStart = AdjLimitsAddr;
    p.firstReplyRow = kAdjReplyRow;
    p.readBlocks = 1;   // the first reply ends the read
    p.writeFrames = 1;  // the first acknowledgement ends the write
    p.writeData = [row = &table](int) {
        FrameData data{};
        for (int c = 0; c < kWriteBytes; ++c)
            data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>((*row)(AdjLimitRow, c));
        return data;
    };
    p.passwordStage = false;
    p.retryDelayMs = kAdjRetryDelayMs;
    p.writeFillsBarAtFirstFrame = true;
    p.afterRead = std::move(afterRead);
    p.readDoneLabel = AdjLinkText::ReadDoneLabel;
    p.readDoneMessage = AdjLinkText::ReadDoneMessage;
    p.writeDoneMessage = AdjLinkText::WriteDoneMessage;
    p.writeDoneLabel = AdjLinkText::WriteDoneLabel;
    p.portError = PortErrorVariant::Short;
    p.failure = FailureReport::MessageBarLabelPanel;
    return p;
}

std::optional<Message> AdjWriteRefusal(const AdjTable& table)
{
    for (int c = 0; c < kAdjValueCols; ++c) {
        const int v = table(AdjLimitRow, c);
        if (v < 0 || v > 0xFF)
            return AdjLinkText::NotBytes();
    }
    return std::nullopt;
}

void Adj_FromBlock(const StoredReply& reply, AdjTable& table)
{
    const QByteArray data = reply.data();
    if (data.size() < kAdjLimitsInBlock + kAdjCellsRead)
        return;
    for (int c = 0; c < kAdjCellsRead; ++c)
        table(AdjLimitRow, c) = static_cast<std::uint8_t>(data.at(kAdjLimitsInBlock + c));
}
