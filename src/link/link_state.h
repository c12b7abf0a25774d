#pragma once
// Link values shared by every window that talks to the radio.

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
