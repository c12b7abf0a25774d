#include "channels/chann_link.h"

#include "core/freq_codec.h"
#include "core/latin1.h"
#include "core/numbers.h"
#include "link/link_texts.h"

namespace {

constexpr int kChannelsPerBlock = kBlockBytes / kRowBytes;  // 4 records in a 64-byte block
constexpr int kChannRetryDelayMs = 1500;
constexpr int kChannWriteRetries = 1;

// Where the fields of a stored name reply stand behind its leading byte.
constexpr int kReplyHiAt = 2;
constexpr int kReplyLoAt = 3;
constexpr int kReplyDataAt = 5;
constexpr int kNameHi = Area::ChannName.address >> 8;  // 0x10
constexpr int kLastNameHi = 31;                        // a name block's high byte lies 0..31 above kNameHi

// Received name bytes: the radio's own codes beside the character codes.
constexpr int kLastDigitCode = 9;
constexpr int kFirstLetterCode = 17;  // 17..37: "A".."U"
constexpr int kLastLetterCode = 37;
constexpr int kLetterCodeShift = 48;
constexpr int kFirstCharCode = 48;  // 48..250: the character itself
constexpr int kLastCharCode = 250;
constexpr int kPlusCode = 251;
constexpr int kMinusCode = 253;

int ReplyByte(const StoredReply& reply, int at)
{
    return at < reply.raw.size() ? static_cast<std::uint8_t>(reply.raw.at(at)) : -1;
}

// Comm_ShowName: the name cell of grid row `row` from the record at offset.
void Comm_ShowName(ChannCells& cells, const StoredReply& reply, int row, int offset)
{
    cells.setCell(row, ChannCol::Name, ChannReceivedName(reply, offset));
}

}  // namespace

TransferParams ChannTransferParams(std::function<void()> afterRead)
{
    const int keptBlocks = ChannCount / kChannelsPerBlock;
    TransferParams p;
    p.readStart = Area::Chann.address;
    p.writeStart = Area::Chann.address;
    // Int(ChannCount / 4 + 0.9) + 1: one block beyond the last channel is read
    // and not kept.
    p.readBlocks = static_cast<int>(IntFloor(ChannCount / 4.0 + 0.9)) + 1;
    // Lines 0..ChannCount: the line after the last channel goes out as the
    // image holds it.
    p.writeFrames = ChannCount;
    p.firstReplyRow = 1;
    p.secondRangeOffset = kChannNameOffset;
    p.kept = {{false, 1, keptBlocks, Area::Chann.firstRow()}, {true, 2, keptBlocks, Area::ChannName.firstRow()}};
    p.writeRetries = kChannWriteRetries;
    p.retryDelayMs = kChannRetryDelayMs;
    p.writeLabelOffset = -1;
    p.writeLabel = ChannLinkText::WritingChannel;
    p.afterRead = std::move(afterRead);
    p.readDoneFillsBar = false;
    p.readDoneLabelFirst = false;
    p.readDoneMessage = {
        {QStringLiteral("从对讲机中读取数据完毕 ！"), QStringLiteral("Complete reading data from the transceiver.")},
        Titles::OperatePromptLower};
    p.readDoneLabel = {QStringLiteral("信道数据读出正常 ！"), QStringLiteral("Read Channel Data is Ok ！")};
    p.writeDoneMessage = {
        {QStringLiteral("向对讲机写入数据完毕 ！"), QStringLiteral("Complete Written the data to transceiver.")},
        Titles::OperatePromptLower};
    p.writeDoneLabel = {QStringLiteral("信道数据写入完毕 ！"), QStringLiteral("Channel Data Writed ！")};
    p.portError = PortErrorVariant::Long;
    p.failure = FailureReport::MessagePanel;
    return p;
}

namespace ChannLinkText {

BiText WritingChannel(int n)
{
    const QString number = QString::number(n);
    return {QStringLiteral("正在写入  ") + number + QStringLiteral("  信道"),
            QStringLiteral("Writeing  ") + number + QStringLiteral("  Channel")};
}

Message NotBytes(int line)
{
    const QString n = QString::number(line);
    return {{QStringLiteral("信道 ") + n + QStringLiteral(" 的数据超出 0-255 范围，未写入 ！"),
             QStringLiteral("Channel ") + n + QStringLiteral(" data out of the range 0-255, nothing written .")},
            Titles::OperatePromptLower};
}

}  // namespace ChannLinkText

std::optional<Message> ChannWriteRefusal(const MemoryImage& image)
{
    const int outside = FindOutOfBandChannel(image);
    if (outside != kNoChannel)
        return LinkText::OutOfBand(outside);
    // A frame carries each value as one byte: a value that is none would go
    // out as another one.
    for (int line = 0; line <= ChannCount; ++line) {
        const int main = Area::Chann.firstRow() + line;
        const int name = Area::ChannName.firstRow() + line;
        if (!image.rowsHoldBytes(main, main) || !image.rowsHoldBytes(name, name))
            return ChannLinkText::NotBytes(line);
    }
    return std::nullopt;
}

QString ChannReceivedName(const StoredReply& reply, int offset)
{
    const int first = kReplyDataAt + offset;
    if (ReplyByte(reply, first) == kErased)
        return {};
    QString name;
    for (int i = 0; i < ChannNameRec::NameLength; ++i) {
        const int b = ReplyByte(reply, first + i);
        if (b >= 0 && b <= kLastDigitCode)
            name += QString::number(b);
        else if (b >= kFirstLetterCode && b <= kLastLetterCode)
            name += ByteToChar(b + kLetterCodeShift);
        else if (b >= kFirstCharCode && b <= kLastCharCode)
            name += ByteToChar(b);
        else if (b == kPlusCode)
            name += QLatin1Char('+');
        else if (b == kMinusCode)
            name += QLatin1Char('-');
    }
    return name;
}

void Comm_ShowNames(ChannCells& cells, const ReplyStore& names)
{
    for (int i = 2; i < names.rowCount(); ++i) {
        const StoredReply& reply = names.row(i);
        const int h = ReplyByte(reply, kReplyHiAt) - kNameHi;
        const int lo = ReplyByte(reply, kReplyLoAt);
        if (h < 0 || h > kLastNameHi || lo < 0)
            return;
        const int row = static_cast<int>(RoundHalfEven(h * 16.0 + lo / 16.0 + 1));
        for (int k = 0; k < kChannelsPerBlock; ++k) {
            if (row + k <= ChannCount)
                Comm_ShowName(cells, reply, row + k, k * kRowBytes);
        }
    }
}

void Chann_ShowReadRows(ChannCells& cells, const ReplyStore& names, const MemoryImage& image)
{
    for (int r = 1; r <= ChannCount; ++r)
        Chann_Refresh(cells, r, image);
    Comm_ShowNames(cells, names);
}
