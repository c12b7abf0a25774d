#include "signalling/five_tone_link.h"

#include "signalling/signal_texts.h"

TransferParams FiveToneTransferParams(std::function<void()> afterRead)
{
    TransferParams p;
    p.readStart = Area::FiveToneSettings.address;
    p.writeStart = Area::FiveTone.address;
    p.readBlocks = kFiveToneReadBlocks;
    p.writeFrames = Area::FiveTone.rows;
    p.kept = {FiveTone_FromBlocks};
    p.writeLabelOffset = -1;
    p.afterRead = std::move(afterRead);
    UseSignalDoneTexts(p);
    p.portError = PortErrorVariant::Short;
    p.failure = FailureReport::MessageBarLabel;
    return p;
}
