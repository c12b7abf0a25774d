#include "signalling/two_tone_area.h"

#include "core/language_texts.h"

#include <array>

namespace {

constexpr int kBytesPerDecoder = 3;
constexpr int kLastDecodeCol = kTwoToneDecoders * kBytesPerDecoder;  // 12

const std::array<QString, 12> kPairTexts{
    QStringLiteral("A-B"), QStringLiteral("A-C"), QStringLiteral("A-D"), QStringLiteral("B-A"),
    QStringLiteral("B-C"), QStringLiteral("B-D"), QStringLiteral("C-A"), QStringLiteral("C-B"),
    QStringLiteral("C-D"), QStringLiteral("D-A"), QStringLiteral("D-B"), QStringLiteral("D-C"),
};
constexpr int kPairs = static_cast<int>(kPairTexts.size());
constexpr int kResponses = 4;
constexpr int kAlerts = 16;
constexpr int kNoResponse = 0xFF;

// Durations from 0 to 1000 ms in steps of 10; reset times from 100 to 8000
// ms in steps of 100.
constexpr int kDurationStepMs = 10;
constexpr int kDurationItems = 101;
constexpr int kResetStepMs = 100;
constexpr int kResetItems = 80;

struct OptionList {
    int row;
    int col;
    int first;  // value of item 0
    int step;
    int items;
};

OptionList ListOf(TwoToneOption option)
{
    switch (option) {
    case TwoToneOption::FirstDuration:
        return {kTwoToneTimingRow, 0, 0, kDurationStepMs, kDurationItems};
    case TwoToneOption::SecondDuration:
        return {kTwoToneTimingRow, 1, 0, kDurationStepMs, kDurationItems};
    case TwoToneOption::Gap:
        return {kTwoToneTimingRow, 2, 0, kDurationStepMs, kDurationItems};
    case TwoToneOption::ResetTime:
        break;
    }
    return {kTwoToneResetRow, 0, kResetStepMs, kResetStepMs, kResetItems};
}

bool InRange(int v, int first, int last)
{
    return v >= first && v <= last;
}

int ItemCount(TwoToneDecField field)
{
    switch (field) {
    case TwoToneDecField::Pair:
        return kPairs;
    case TwoToneDecField::Response:
        return kResponses;
    case TwoToneDecField::Alert:
        break;
    }
    return kAlerts;
}

int DecodeRow(int r)
{
    return kTwoToneDecRow + r - 1;
}

}  // namespace

const BiText TwoToneEncodeFormat{
    QStringLiteral("^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) "),
    QStringLiteral("^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)"),
};
const BiText TwoToneDecodeFormat{
    QStringLiteral("^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  "
                   "|^提示|^解码4|^   响 应 方 式  |^提示"),
    QStringLiteral("^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   "
                   "|^Alert|^Dec_4|^   Response   |^Alert"),
};

BiText TwoToneSetCaption(int r)
{
    const QString n = QString::number(r);
    return {n + QStringLiteral(" 解码信息两音频率"), n + QStringLiteral(" Decode 2 Tone Frequency")};
}

const BiText TwoToneFirstSetCaption{QStringLiteral(" 1 解码信息两音频率"),
                                    QStringLiteral(" 1 Decode 2 Tone Frequency")};

int TwoToneWord(const MemoryImage& image, int row, int col)
{
    return image(row, col) + 256 * image(row, col + 1);
}

QString TwoToneFreqText(int hz)
{
    return QString::number(hz) + QStringLiteral(".0");
}

QString TwoToneEncodeText(int r, int c, const MemoryImage& image)
{
    const int hz = TwoToneWord(image, kTwoToneEncRow + r - 1, c == 1 ? 0 : kTwoToneSecondToneAt);
    return InRange(hz, kTwoToneMinHz, kTwoToneMaxHz) ? TwoToneFreqText(hz) : QString();
}

QString TwoToneSetText(int x, int t, const MemoryImage& image)
{
    const int row = kTwoToneSetRow + x;
    const int lo = image(row, 2 * t);
    const int hi = image(row, 2 * t + 1);
    const int hz = 256 * hi + lo;
    if (hz == 0 || (lo == kErased && hi == kErased))
        return {};
    return TwoToneFreqText(hz);
}

QString Dec_PairText(int code)
{
    return InRange(code, 0, kPairs - 1) ? kPairTexts[static_cast<std::size_t>(code)] : QString();
}

QString Dec_RespText(int code)
{
    if (code == kNoResponse)
        return {};
    // Any other value shows as "no response"; the byte stays what it is.
    return TwoToneResp[static_cast<std::size_t>(InRange(code, 0, kResponses - 1) ? code : 0)];
}

QString Dec_AlertText(int number)
{
    return InRange(number, 0, kAlerts) ? QString::number(number) : QString();
}

QString TwoToneDecodeText(int r, int c, const MemoryImage& image)
{
    const int value = image(DecodeRow(r), c - 1);
    switch (TwoToneDecFieldOf(c)) {
    case TwoToneDecField::Pair:
        return Dec_PairText(value);
    case TwoToneDecField::Response:
        return Dec_RespText(value);
    case TwoToneDecField::Alert:
        break;
    }
    return Dec_AlertText(value);
}

QStringList TwoToneOptionItems(TwoToneOption option)
{
    const OptionList list = ListOf(option);
    QStringList items;
    items.reserve(list.items);
    for (int i = 0; i < list.items; ++i)
        items << QString::number(list.first + list.step * i);
    return items;
}

int TwoToneOptionItem(TwoToneOption option, const MemoryImage& image)
{
    const OptionList list = ListOf(option);
    return ListItemOf(image(list.row, list.col), list.items);
}

void TwoTone_StoreOption(TwoToneOption option, int item, MemoryImage& image)
{
    const OptionList list = ListOf(option);
    if (InRange(item, 0, list.items - 1))
        image(list.row, list.col) = static_cast<std::int16_t>(item);
}

TwoToneDecField TwoToneDecFieldOf(int c)
{
    switch ((c - 1) % kBytesPerDecoder) {
    case 0:
        return TwoToneDecField::Pair;
    case 1:
        return TwoToneDecField::Response;
    default:
        return TwoToneDecField::Alert;
    }
}

int TwoTonePairColOf(int c)
{
    return c - (c - 1) % kBytesPerDecoder;
}

bool IsTwoToneDecodeCell(int r, int c)
{
    return InRange(r, 1, kTwoToneEntries) && InRange(c, 1, kLastDecodeCol);
}

QStringList TwoToneDecItems(int c)
{
    QStringList items;
    switch (TwoToneDecFieldOf(c)) {
    case TwoToneDecField::Pair:
        for (const QString& pair : kPairTexts)
            items << pair;
        break;
    case TwoToneDecField::Response:
        for (const QString& response : TwoToneResp)
            items << response;
        break;
    case TwoToneDecField::Alert:
        for (int n = 1; n <= kAlerts; ++n)
            items << QString::number(n);
        break;
    }
    return items;
}

int TwoToneDecOpeningItem(int r, int c, const MemoryImage& image)
{
    return static_cast<int>(TwoToneDecItems(c).indexOf(TwoToneDecodeText(r, c, image)));
}

void TwoTone_StoreDecodeChoice(int r, int c, int item, CellEntry entry, MemoryImage& image)
{
    // The list opens on the item the cell shows, or on none: that opening
    // item is no choice, and storing it would turn a response shown as
    // "0.None" into 0.
    if (entry == CellEntry::ClickedThrough)
        return;
    if (!IsTwoToneDecodeCell(r, c))
        return;
    const TwoToneDecField field = TwoToneDecFieldOf(c);
    if (!InRange(item, 0, ItemCount(field) - 1))
        return;
    const bool alert = field == TwoToneDecField::Alert;
    image(DecodeRow(r), c - 1) = static_cast<std::int16_t>(alert ? item + 1 : item);
}
