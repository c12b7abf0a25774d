#include "link/whole_image.h"

#include "core/five_tone_tables.h"
#include "core/freq_codec.h"
#include "link/link_texts.h"
#include "link/link_timing.h"

namespace {

// Block 0 is asked for twice: its first reply lands in row 1, the one kept
// in row 2, and the replies of rows 2..198 are the 197 blocks of 0x0000..0x313F.
constexpr int kReadBlocks = 200;
constexpr int kFirstReplyRow = 1;
constexpr int kKeptFirstRow = 2;
constexpr int kKeptBlocks = Area::WholeRead.rows / (kBlockBytes / kRowBytes);  // 197
// Image_FromBlocks: the replies of rows 2..198 into image rows 0..787.
constexpr KeptBlocks Image_FromBlocks{false, kKeptFirstRow, kKeptBlocks, Area::WholeRead.firstRow()};
constexpr int kWriteFailureDelayMs = 5000;

const BiText kReadDoneLabel{QStringLiteral("数据读出正常 ！"), QStringLiteral("Read Data is Ok ！")};
const Message kReadDoneMessage{
    {QStringLiteral("从对讲机中读取数据完毕 ！"), QStringLiteral("Complete reading data from the transceiver.")},
    Titles::OperatePromptLower};
const BiText kWriteDoneLabel{QStringLiteral("参数写入完毕 ！"), QStringLiteral("Data Writed ！")};
const Message kWriteDoneMessage{
    {QStringLiteral("向对讲机写入数据完毕 ！"), QStringLiteral("Complete Written the data to transceiver.")},
    Titles::OperatePromptLower};

}  // namespace

TransferParams WholeReadParams()
{
    TransferParams p;
    p.readStart = Area::WholeRead.address;
    p.readBlocks = kReadBlocks;
    p.firstReplyRow = kFirstReplyRow;
    p.kept = {Image_FromBlocks};
    p.ackPasswordAlone = false;
    p.readLabelOffset = -1;
    p.readDoneFillsBar = false;
    p.readDoneLabelFirst = false;
    p.readDoneLabel = kReadDoneLabel;
    p.readDoneMessage = kReadDoneMessage;
    p.portError = PortErrorVariant::Long;
    p.failure = FailureReport::MessageBarLabel;
    return p;
}

TransferParams WholeWriteParams()
{
    TransferParams p;
    p.writeStart = Area::WholeWrite.address;
    p.writeFrames = Area::WholeWrite.rows;
    p.writeRetries = 0;
    p.retryDelayMs = kWriteFailureDelayMs;
    p.identPauseMs = kPauseOf4000StepsMs;
    p.writeDoneMessage = kWriteDoneMessage;
    p.writeDoneLabel = kWriteDoneLabel;
    p.portError = PortErrorVariant::Long;
    p.failure = FailureReport::ClearedBarMessageLabel;
    return p;
}

int FirstRowNotBytes(const MemoryImage& image)
{
    for (int row = Area::WholeWrite.firstRow(); row <= Area::WholeWrite.lastRow(); ++row) {
        if (!image.rowsHoldBytes(row, row))
            return row;
    }
    return -1;
}

std::optional<Message> PrepareWholeWrite(MemoryImage& image)
{
    if (const int channel = FindOutOfBandChannel(image); channel != kNoChannel)
        return LinkText::OutOfBand(channel);
    InitFiveToneTables(image);
    if (const int row = FirstRowNotBytes(image); row >= 0)
        return WholeText::NotBytes(row);
    return std::nullopt;
}

namespace WholeText {

Message NotBytes(int row)
{
    const QString n = QString::number(row);
    return {{QStringLiteral("数据第 ") + n + QStringLiteral(" 行含有超出 0..255 的数值，未向对讲机写入数据 ！"),
             QStringLiteral("Row ") + n
                 + QStringLiteral(" of the data holds a value out of 0..255, nothing is written to the transceiver.")},
            Titles::OperatePromptLower};
}

}  // namespace WholeText
