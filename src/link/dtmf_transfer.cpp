#include "link/dtmf_transfer.h"

namespace DtmfText {

const BiText ReadDoneLabel{QStringLiteral("DTMF 信令参数读出正常 ！"),
                           QStringLiteral("Read DTMF Signal parameters in gear. ")};
const Message WriteDoneMessage{{QStringLiteral("向对讲机写入 DTMF 信令参数完毕 ！"),
                                QStringLiteral("Complete Written DTMF Signal parameters to the transceiver.")},
                               Titles::OperatePromptUpper};
const BiText WriteDoneLabel{QStringLiteral("DTMF 信令参数写入完毕 ！"),
                            QStringLiteral("Complete Written DTMF Signal parameters ")};

}  // namespace DtmfText

TransferParams DtmfTransferParams(std::function<void()> afterRead)
{
    TransferParams p;
    p.readStart = Area::Dtmf.address;
    p.writeStart = Area::Dtmf.address;
    p.readBlocks = kDtmfReadBlocks;
    p.writeFrames = Area::Dtmf.rows;
    p.kept = {Dtmf_FromBlocks};
    p.afterRead = std::move(afterRead);
    p.readDoneLabel = DtmfText::ReadDoneLabel;
    p.readDoneMessage = LinkText::ReadDoneData();
    p.writeDoneMessage = DtmfText::WriteDoneMessage;
    p.writeDoneLabel = DtmfText::WriteDoneLabel;
    return p;
}
