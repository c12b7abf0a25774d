#pragma once
// The alignment editor's own transfer of the band-limit row: its parameters
// for the one transfer engine (no password stage: the accepted
// identification is followed at once by the one frame, a read of the 64-byte
// block at 0x3C80 or a write of row 9 to 0x3C90), its texts, the check that
// refuses a write before the port opens, and Adj_FromBlock.
//
// AdjData is held beside the image: these transfers never touch Edata.

#include "core/memory_image.h"
#include "link/reply_store.h"
#include "link/transfer_engine.h"

#include <functional>
#include <optional>

// Row 9 is the radio's 16 bytes at 0x3C90; a read also brings the byte after
// them into column 16.
inline constexpr int kAdjLimitsInBlock = AdjLimitsAddr - AdjLimitsBlockAddr;  // 16
inline constexpr int kAdjCellsRead = kWriteBytes + 1;                         // columns 0..16
inline constexpr int kAdjRetryDelayMs = 2000;
// The reply store row (RxBlock) of the one block a read asks for.
inline constexpr int kAdjReplyRow = 2;

namespace AdjLinkText {
extern const BiText ReadDoneLabel;
extern const Message ReadDoneMessage;
extern const Message WriteDoneMessage;
extern const BiText WriteDoneLabel;
// A cell of row 9 that is no byte: nothing is written.
Message NotBytes();
}  // namespace AdjLinkText

// The engine's parameters for the alignment window: the write frame carries
// row 9, columns 0..15, of `table`; afterRead is the window's Adj_FromBlock
// and Adj_Show, run once the port is closed.
TransferParams AdjTransferParams(std::function<void()> afterRead, const AdjTable& table = AdjData);

// Why a write must not start: a cell of row 9, columns 0..15, outside 0..255
// would go out as another byte. None: the write may go.
std::optional<Message> AdjWriteRefusal(const AdjTable& table = AdjData);

// Row 9, columns 0..16, := the reply's data bytes of radio 0x3C90..0x3CA0,
// unchanged. The reply is the one the engine took for the block at 0x3C80
// (RxBlock row 2): whole, so its data bytes stand where its 0x58 says. An
// empty or short reply stores nothing.
void Adj_FromBlock(const StoredReply& reply, AdjTable& table = AdjData);
