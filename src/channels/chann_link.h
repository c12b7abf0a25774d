#pragma once
// The channel editor's own transfer: its parameters for the one transfer
// engine (the channel records and the name records 0x1000 above them,
// alternately: 51 blocks of each read, lines 0..200 written as a main frame
// and a name frame each), the check that refuses a write before the port
// opens, and the name column filled from the received name blocks.

#include "channels/chann_grid.h"
#include "link/reply_store.h"
#include "link/transfer_engine.h"

#include <functional>
#include <optional>

// The name area lies this far above the channel area, in the radio and in
// the image (256 rows).
inline constexpr int kChannNameOffset = Area::ChannName.address - Area::Chann.address;

// The engine's parameters for the channel window; afterRead is the window's
// redraw of every row and its name column (Chann_FromBlocks, Comm_ShowNames),
// run once the received records are in the image.
TransferParams ChannTransferParams(std::function<void()> afterRead);

namespace ChannLinkText {
// Label_tr_count during a write: "Writeing  3  Channel".
BiText WritingChannel(int n);
// A row to be sent holds a value that is no byte (an edited image file).
Message NotBytes(int line);
}  // namespace ChannLinkText

// Why a write must not start, checked before the port opens: the first
// channel outside the working band limits, then the first line (0..200, a
// main and a name row) holding a value outside 0..255. None: the write may go.
std::optional<Message> ChannWriteRefusal(const MemoryImage& image = Edata);

// The name a received name record shows, from the six bytes of the record at
// `offset` (0, 16, 32, 48) in a stored reply, taken at their fixed places
// behind the reply's leading byte: empty when the first is 0xFF;
// otherwise 0..9 give digits, 17..37 the letters A..U (32, a blank in the
// character code, gives "P"), 48..250 the character
// of that code, 251 "+" and 253 "-"; other values give nothing.
QString ChannReceivedName(const StoredReply& reply, int offset);

// Comm_ShowNames: for each stored name reply (rows 2, 3, ...) the rows of
// the channels its address names get their name cells from the reply. A
// reply whose address byte names no channel block (one without its leading
// byte) ends the display there; rows above ChannCount get nothing.
void Comm_ShowNames(ChannCells& cells, const ReplyStore& names);

// What the grid shows once a read of the channel window is in the image:
// every channel row redrawn from the image, then the received names
// (Comm_ShowNames). It stores nothing: an empty channel keeps the bytes the
// radio sent.
void Chann_ShowReadRows(ChannCells& cells, const ReplyStore& names, const MemoryImage& image = Edata);
