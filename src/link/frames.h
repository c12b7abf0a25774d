#pragma once
// The frames of the radio's programming protocol and how a reply is found
// on the wire. Addresses go high byte first; there is no checksum.
//
//   link-open       the 8 bytes of LinkOpenFrame        -> identification reply (50 bytes)
//   acknowledgement 0x06                                 (both ways)
//   read request    [0x06] 0x53 hi lo n                  -> [lead] 0x58 hi lo n + n data bytes
//   write frame     [0x06] 0x58 hi lo 0x10 + 16 bytes    -> 0x06
//
// A leading 0x06 acknowledges the radio's previous reply.

#include <QByteArray>
#include <array>
#include <cstdint>

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kReadCommand = 0x53;   // "S"
inline constexpr std::uint8_t kWriteCommand = 0x58;  // "X": also the mark of a read reply
inline constexpr int kLinkOpenBytes = 8;
inline constexpr int kBlockBytes = 0x40;     // the data of one block read
inline constexpr int kWriteBytes = 0x10;     // the data of one write frame
inline constexpr int kReplyHeaderBytes = 4;  // 0x58 hi lo n
inline constexpr int kReplyLeadBytes = 1;    // the radio's byte before the 0x58

using FrameData = std::array<std::uint8_t, kWriteBytes>;

QByteArray LinkOpenBytes();
QByteArray AckByte();
QByteArray ReadRequest(int address, int length, bool withAck);
QByteArray WriteFrame(int address, const FrameData& data, bool withAck);

// Where the data of a whole reply to ReadRequest(address, length) begin in
// bytes: the reply's 0x58 stands at index 0 (no leading byte) or 1, followed
// by the request's hi, lo and length and then length data bytes. -1 when
// bytes do not (yet) hold such a reply. Bytes after the reply do not matter.
int LocateReadReply(const QByteArray& bytes, int address, int length);

// Radio address of 64-byte read block k and of 16-byte write frame k of a
// range starting at start.
constexpr int ReadBlockAddress(int start, int k)
{
    return (start + kBlockBytes * k) & 0xFFFF;
}
constexpr int WriteFrameAddress(int start, int k)
{
    return (start + kWriteBytes * k) & 0xFFFF;
}
