#include "channels/fm_link.h"

namespace FmLinkText {

const BiText ReadDoneLabel{QStringLiteral(" FM 收音机参数读出正常 ！"),
                           QStringLiteral("Read FM Radio parameters in gear. ")};
const Message WriteDoneMessage{
    {QStringLiteral("向对讲机写入参数完毕 ！"), QStringLiteral("Complete Written FM parameters to the transceiver.")},
    Titles::OperatePromptUpper};
const BiText WriteDoneLabel{QStringLiteral("收音机参数写入完毕 ！"), QStringLiteral("Complete Written FM parameters ")};

}  // namespace FmLinkText

TransferParams FmTransferParams(int baseHi, std::function<void()> afterRead)
{
    const int start = baseHi << 8;
    TransferParams p;
    p.readStart = start;
    p.writeStart = start;
    p.readBlocks = kFmReadBlocks;
    p.writeFrames = Area::FmPage.rows;
    // FM_FromBlock: the four replies, each one's 64 data bytes as they were
    // framed, into the 16 preset rows.
    p.kept = {{false, 2, kFmReadBlocks, RowOf(start)}};
    p.afterRead = std::move(afterRead);
    p.readDoneLabel = FmLinkText::ReadDoneLabel;
    p.readDoneMessage = LinkText::ReadDoneData();
    p.writeDoneMessage = FmLinkText::WriteDoneMessage;
    p.writeDoneLabel = FmLinkText::WriteDoneLabel;
    p.portError = PortErrorVariant::Long;
    p.failure = FailureReport::MessageBarLabel;
    return p;
}
