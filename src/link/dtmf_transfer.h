#pragma once
// The DTMF editor's own transfer, the worked example of the one transfer
// engine: start 0x2900 (EncBaseHi 0x29), 8 blocks of 64 bytes read into
// RxBlock rows 2..9 and from there into image rows 656..687, 32 frames
// written from those rows; 3 retries 3000 ms apart, the short port-error
// text, and the editor's completion texts. The editor's window is built
// later; until then the tests and the benchmark drive the engine with these
// parameters.

#include "link/transfer_engine.h"

#include <functional>

// The 64-byte blocks of a DTMF read: the whole area.
inline constexpr int kDtmfReadBlocks = Area::Dtmf.rows * kRowBytes / kBlockBytes;  // 8

// Dtmf_FromBlocks: the eight stored replies, RxBlock rows 2..9 (the block at
// 0x2900 + 64 * (row - 2)), into image rows 656..687.
inline constexpr KeptBlocks Dtmf_FromBlocks{false, 2, kDtmfReadBlocks, Area::Dtmf.firstRow()};

namespace DtmfText {
// Label_tr_count after a read ("... in gear. "), set before the message
// (LinkText::ReadDoneData).
extern const BiText ReadDoneLabel;
// The message after a write, then the label.
extern const Message WriteDoneMessage;
extern const BiText WriteDoneLabel;
}  // namespace DtmfText

// The engine's parameters for the DTMF window; afterRead is the window's
// redraw (Dtmf_Show), run once Dtmf_FromBlocks has put the blocks into the
// image.
TransferParams DtmfTransferParams(std::function<void()> afterRead = {});
