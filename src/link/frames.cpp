#include "link/frames.h"

#include "link/link_state.h"

namespace {

char Byte(int value)
{
    return static_cast<char>(static_cast<std::uint8_t>(value & 0xFF));
}

int At(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

}  // namespace

QByteArray LinkOpenBytes()
{
    QByteArray bytes;
    for (std::uint8_t b : LinkOpenFrame)
        bytes.append(Byte(b));
    return bytes;
}

QByteArray AckByte()
{
    return QByteArray(1, Byte(kAck));
}

QByteArray ReadRequest(int address, int length, bool withAck)
{
    QByteArray bytes;
    if (withAck)
        bytes.append(Byte(kAck));
    bytes.append(Byte(kReadCommand));
    bytes.append(Byte(address >> 8));
    bytes.append(Byte(address));
    bytes.append(Byte(length));
    return bytes;
}

QByteArray WriteFrame(int address, const FrameData& data, bool withAck)
{
    QByteArray bytes;
    if (withAck)
        bytes.append(Byte(kAck));
    bytes.append(Byte(kWriteCommand));
    bytes.append(Byte(address >> 8));
    bytes.append(Byte(address));
    bytes.append(Byte(kWriteBytes));
    for (std::uint8_t b : data)
        bytes.append(Byte(b));
    return bytes;
}

int LocateReadReply(const QByteArray& bytes, int address, int length)
{
    for (int mark = 0; mark <= kReplyLeadBytes; ++mark) {
        const int dataStart = mark + kReplyHeaderBytes;
        if (bytes.size() < dataStart + length)
            continue;
        if (At(bytes, mark) == kWriteCommand && At(bytes, mark + 1) == ((address >> 8) & 0xFF)
            && At(bytes, mark + 2) == (address & 0xFF) && At(bytes, mark + 3) == (length & 0xFF))
            return dataStart;
    }
    return -1;
}
