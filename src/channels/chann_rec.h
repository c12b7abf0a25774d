#pragma once
// The two 16-byte records of a channel: the main record (ChannRec) in the
// channel area and the name record (ChannNameRec) in the name area, and the
// rows of the channel grid that show them.

#include "core/memory_image.h"

// The number of channels, of channel grid rows and of channel records the
// editor redraws: 200 from start-up.
inline constexpr int kChannels = 200;
extern int ChannCount;

// Grid row r (1..ChannCount) shows channel r - 1: its main record is image
// row r - 1, its name record image row 255 + r.
constexpr int ChannRecRow(int gridRow)
{
    return Area::Chann.firstRow() + gridRow - 1;
}
constexpr int ChannNameRow(int gridRow)
{
    return Area::ChannName.firstRow() + gridRow - 1;
}

// ChannRec, byte by byte. Bytes 0-3 and 4-7 are packed-BCD frequencies
// (freq_codec.h), bytes 8-9 and 10-11 tone words (tone_list.h), low byte
// first. Bits not named here are carried unchanged by every edit.
namespace ChannRec {
inline constexpr int RxFreq = 0;    // 0xFF in byte 0: the channel is empty
inline constexpr int TxFreq = 4;    // 0xFF in byte 4: receive-only
inline constexpr int RxTone = 8;    // decode tone: bytes 8 (low), 9 (high)
inline constexpr int TxTone = 10;   // encode tone: bytes 10 (low), 11 (high)
inline constexpr int SigCode = 12;  // low nibble: signal code 0..14, shown 1..15
inline constexpr int Signal = 13;   // low nibble: optional signalling; high nibble: squelch mode
inline constexpr int Power = 14;    // bits 0-2: 1 is low power; high nibble: scrambler
inline constexpr int Flags = 15;    // PTT-ID, scan add, busy lock, bandwidth

inline constexpr int LowNibble = 0x0F;
inline constexpr int HighNibble = 0xF0;
inline constexpr int PowerShown = 0x07;   // byte 14: the bits the power cell reads
inline constexpr int PowerLow = 0x01;     // byte 14 & PowerShown == PowerLow: low power
inline constexpr int PowerStored = 0x03;  // byte 14: the bits a power choice writes
inline constexpr int PttId = 0x03;        // byte 15
inline constexpr int ScanAdd = 0x04;      // byte 15
inline constexpr int BusyLock = 0x08;     // byte 15
inline constexpr int Narrow = 0x40;       // byte 15

// A new channel: both tones off, signal code "1", signalling OFF, squelch
// QT, high power, scrambler off, PTT-ID OFF, busy lock off, scan add on,
// wide.
inline constexpr int NewSettings = 0x00;  // bytes 8..14
inline constexpr int NewFlags = ScanAdd;  // byte 15
}  // namespace ChannRec

// ChannNameRec: bytes 0-5 the name, one character code per byte, 0xFF where
// there is no character; 0xFF in byte 0 means no name. Bytes 6-15 are not
// used by the editor.
namespace ChannNameRec {
inline constexpr int Name = 0;
inline constexpr int NameLength = 6;
}  // namespace ChannNameRec

// True for the characters a name holds: "0".."9" and "A".."Z".
constexpr bool IsNameChar(int code)
{
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
}
