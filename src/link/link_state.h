#pragma once
// Link values shared by every window that talks to the radio.

#include "link/reply_store.h"

#include <array>
#include <cstdint>

// The serial port number (1..12) every window's port opens: set by the
// start-up scan and by the port setup, never stored.
extern int CommPortNo;

// 0 after a successful port open, -1 after a failed one; a transfer does not
// start while it is -1.
extern int PortError;

// The first frame of every exchange with the radio. The radio's own opening
// code is not built in: this placeholder never begins with 0x06, 0x53 or
// 0x58, so the radio cannot take it for an acknowledgement or a command.
inline constexpr std::array<std::uint8_t, 8> kLinkOpenFramePlaceholder{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x00};
extern std::array<std::uint8_t, 8> LinkOpenFrame;

// Builds LinkOpenFrame byte by byte (start-up).
void BuildLinkOpenFrame();

// The start address of the block transfer in progress, high and low byte.
extern std::uint8_t AddrHi;
extern std::uint8_t AddrLo;

// The radio's password block as read by the last password stage: bytes 0..5
// password 1, 6..11 password 2 (blank padded), 12..15 unused by the checks.
inline constexpr int kPassBlockBytes = 16;
extern std::array<std::uint8_t, kPassBlockBytes> PassBlock;

// A read/write password: six character codes, blank padded. Each transfer
// checks the one its window's box showed as it started (transfer_engine.h).
inline constexpr int kPasswordLength = 6;

// 0 or -1: the channel editor's transfer alternates between its channel
// blocks (0) and its name blocks (-1). Every transfer resets it to 0 when it
// starts and when its password is accepted.
extern int WritePhase;

// The replies of the last completed read: RxBlock holds the blocks of the
// range, RxBlock2 the channel editor's name blocks. A read fills them when it
// completes, right before its window unpacks them.
extern ReplyStore RxBlock;
extern ReplyStore RxBlock2;
