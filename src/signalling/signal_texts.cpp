#include "signalling/signal_texts.h"

#include "link/transfer_engine.h"

namespace SignalText {

const BiText ReadDoneLabel{QStringLiteral("信令参数读出正常 ！"), QStringLiteral("Read Signal parameters in gear. ")};
const Message WriteDoneMessage{{QStringLiteral("向对讲机写入信令参数完毕 ！"),
                                QStringLiteral("Complete Written Signal parameters to the transceiver.")},
                               Titles::OperatePromptUpper};
const BiText WriteDoneLabel{QStringLiteral("信令参数写入完毕 ！"),
                            QStringLiteral("Complete Written Signal parameters ")};
const BiText EntryTitle{QStringLiteral("操作提示"), QStringLiteral("Operate Prompt\"")};

}  // namespace SignalText

void UseSignalDoneTexts(TransferParams& params)
{
    params.readDoneLabel = SignalText::ReadDoneLabel;
    params.readDoneMessage = LinkText::ReadDoneData();
    params.writeDoneMessage = SignalText::WriteDoneMessage;
    params.writeDoneLabel = SignalText::WriteDoneLabel;
}
