#include "signalling/two_tone_link.h"

#include "signalling/signal_texts.h"

TransferParams TwoToneTransferParams(std::function<void()> afterRead)
{
    TransferParams p;
    p.readStart = Area::TwoTone.address;
    p.writeStart = Area::TwoTone.address;
    p.readBlocks = kTwoToneReadBlocks;
    p.writeFrames = Area::TwoTone.rows;
    p.kept = {TwoTone_FromBlocks};
    p.readRetries = kEditorRetries;
    p.writeRetries = kEditorRetries;
    p.retryDelayMs = kEditorRetryDelayMs;
    p.writeLabelOffset = -1;
    p.afterRead = std::move(afterRead);
    UseSignalDoneTexts(p);
    p.portError = PortErrorVariant::Short;
    p.failure = FailureReport::MessageBarLabel;
    return p;
}
