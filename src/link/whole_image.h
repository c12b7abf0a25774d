#pragma once
// The whole-image transfers of the read and write dialogs.
//
// The read asks for 201 blocks of 64 bytes: radio address 0x0000 twice (the
// first request goes out with the acknowledgement of the password reply and
// its answer is not kept), then 0x0040 upwards to 0x31C0. The replies of
// 0x0000..0x313F fill image rows 0..787; rows 788..1024 are left alone. Its
// label counts "Reading 1 Data Block" to "Reading 200 Data Block" and the bar
// stops at 99.
//
// The write sends image rows 0..783 to 0x0000..0x30FF as 784 frames, each
// after the radio acknowledged the one before; nothing above 0x30FF is
// written. It is not retried: a silent radio ends, 5000 ms after the reply
// time-out, in the failure message.

#include "core/memory_image.h"
#include "core/prompt.h"
#include "link/transfer_engine.h"

#include <optional>

// The engine parameters of Form_Comm_Read.
TransferParams WholeReadParams();
// The engine parameters of Form_Comm_Write.
TransferParams WholeWriteParams();

// What the Write button does before its transfer starts, in this order:
//   - a channel out of band: its message; the image is not touched;
//   - the five-tone tone tables are written into the image again (rows
//     512..575 but the 16th row of each page);
//   - a row to be sent holding a value outside 0..255: its message (the
//     frame could not carry it, and a masked byte is not what the user set).
// Returns the message to show and nothing else to do, or nothing when the
// write may start.
std::optional<Message> PrepareWholeWrite(MemoryImage& image = Edata);

// The first image row of rows 0..783 holding a value outside 0..255, or -1.
int FirstRowNotBytes(const MemoryImage& image);

namespace WholeText {
Message NotBytes(int row);
}
