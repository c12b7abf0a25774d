#pragma once
// The options editor's own transfer: start 0x0E00; 8 blocks of 64 bytes read
// (0x0E00..0x0FFF, stored in RxBlock rows 2..9), of which only the first
// five go into image rows 224..243 (rows 244..255 keep what they hold); 32
// frames written from rows 224..255; 3 retries for both, 3000 ms apart; the
// short port-error text; the failure message, then the bar at 0 and the
// label "Communication fault.".

#include "link/transfer_engine.h"

#include <functional>

// The 64-byte blocks of an options read: the whole area.
inline constexpr int kOptReadBlocks = Area::Opt.rows * kRowBytes / kBlockBytes;  // 8
// The blocks a read keeps: the settings, codes and VFO records, 0x0E00..0x0F3F.
inline constexpr int kOptKeptBlocks = (Area::OptSettings.rows + Area::Vfo.rows) * kRowBytes / kBlockBytes;  // 5

// Opt_FromFrames: the first five stored replies, RxBlock rows 2..6, each
// from its located data, into image rows 224..243.
inline constexpr KeptBlocks Opt_FromFrames{false, 2, kOptKeptBlocks, Area::Opt.firstRow()};

namespace OptLinkText {
// Label_tr_count after a read ("... in gear. "), set before the message
// (LinkText::ReadDoneData).
extern const BiText ReadDoneLabel;
// The message after a write, then the label.
extern const Message WriteDoneMessage;
extern const BiText WriteDoneLabel;
}  // namespace OptLinkText

// The engine's parameters for the options window; afterRead is the window's
// refresh (Opt_Show), run once Opt_FromFrames has put the blocks into the
// image.
TransferParams OptTransferParams(std::function<void()> afterRead = {});
