#pragma once
// The FM preset window's own transfer: its parameters for the one transfer
// engine. From radio address base × 256 (the window's FmBaseHi, 0x30): 4
// blocks of 64 bytes read into RxBlock rows 2..5 and from their data into
// the 16 preset rows, 16 frames written from those rows as they stand; 3
// retries 3000 ms apart, the long port-error text, and the window's texts.

#include "link/transfer_engine.h"

#include <functional>

// The 64-byte blocks of an FM read: the whole page.
inline constexpr int kFmReadBlocks = Area::FmPage.rows * kRowBytes / kBlockBytes;  // 4

namespace FmLinkText {
// Label_tr_count after a read, set before the message
// (LinkText::ReadDoneData).
extern const BiText ReadDoneLabel;
// The message after a write, then the label.
extern const Message WriteDoneMessage;
extern const BiText WriteDoneLabel;
}  // namespace FmLinkText

// The engine's parameters for the FM window, the page at baseHi × 256;
// afterRead is the window's redraw (FM_Show), run once the four replies are
// in the image (FM_FromBlock).
TransferParams FmTransferParams(int baseHi, std::function<void()> afterRead = {});
