#include "options/opt_link.h"

namespace OptLinkText {

const BiText ReadDoneLabel{QStringLiteral("可选参数读出正常 ！"), QStringLiteral("Read optional parameters in gear. ")};
const Message WriteDoneMessage{{QStringLiteral("向对讲机写入可选参数完毕 ！"),
                                QStringLiteral("Complete Written optional parameters to the transceiver.")},
                               Titles::OperatePromptUpper};
const BiText WriteDoneLabel{QStringLiteral("可选参数写入完毕 ！"),
                            QStringLiteral("Complete Written optional parameters ")};

}  // namespace OptLinkText

TransferParams OptTransferParams(std::function<void()> afterRead)
{
    TransferParams p;
    p.readStart = Area::Opt.address;
    p.writeStart = Area::Opt.address;
    p.readBlocks = kOptReadBlocks;
    p.writeFrames = Area::Opt.rows;
    p.kept = {Opt_FromFrames};
    p.afterRead = std::move(afterRead);
    p.readDoneLabel = OptLinkText::ReadDoneLabel;
    p.readDoneMessage = LinkText::ReadDoneData();
    p.writeDoneMessage = OptLinkText::WriteDoneMessage;
    p.writeDoneLabel = OptLinkText::WriteDoneLabel;
    return p;
}
