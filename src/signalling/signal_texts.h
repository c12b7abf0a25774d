#pragma once
// Texts the two-tone and five-tone editors share: their transfers' completion
// texts and the title of their entry messages.

#include "core/prompt.h"

struct TransferParams;

namespace SignalText {
// Label_tr_count after a read ("... in gear. "), set before the message
// (LinkText::ReadDoneData).
extern const BiText ReadDoneLabel;
// The message after a write, then the label.
extern const Message WriteDoneMessage;
extern const BiText WriteDoneLabel;
// The English title of the two-tone frequency-range message and the
// five-tone digit-count message: "Operate Prompt" and one double quote
// (15 characters).
extern const BiText EntryTitle;
}  // namespace SignalText

// Puts the four completion texts above into a transfer's parameters.
void UseSignalDoneTexts(TransferParams& params);
