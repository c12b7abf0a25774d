#include "signalling/five_tone_area.h"

#include "core/numbers.h"
#include "core/painting.h"

namespace {

constexpr int kLastDigit = 15;
constexpr int kDecimalDigits = 10;

// The period list: codes 0..18, 20 + 10 x code ms.
constexpr int kPeriodItems = 19;
constexpr int kPeriodBaseMs = 20;
constexpr int kPeriodStepMs = 10;
// The delay lists: 0..1000 ms in steps of 10.
constexpr int kDelayItems = 101;
constexpr int kDelayStepMs = 10;
// The reset list: 100..8000 ms in steps of 100.
constexpr int kResetItems = 80;
constexpr int kResetStepMs = 100;

// The list columns of the standards grid.
constexpr int kPeriodCol = 1;
constexpr int kRepeatCol = 3;

bool BitSet(int byte, int bit)
{
    return (byte >> bit & 1) != 0;
}

QString FrameText(const MemoryImage& image, int row, int frame)
{
    QString text;
    for (int k = 0; k < kFiveToneFrameDigits; ++k)
        text += HexValToChar(image(row, kFiveToneFrameDigits * frame + k));
    return text;
}

}  // namespace

QString HexValToChar(int value)
{
    if (value < 0)
        return {};
    if (value > kLastDigit)
        return QStringLiteral(" ");
    if (value < kDecimalDigits)
        return QString(QChar(u'0' + value));
    return QString(QChar(u'A' + value - kDecimalDigits));
}

QStringList FiveTonePeriodItems()
{
    return StepTexts(kPeriodBaseMs, kPeriodStepMs, kPeriodItems);
}

QStringList FiveToneDigitItems()
{
    QStringList items;
    for (int v = 0; v <= kLastDigit; ++v)
        items << HexValToChar(v);
    return items;
}

QStringList FiveToneDelayItems()
{
    return StepTexts(0, kDelayStepMs, kDelayItems);
}

QStringList FiveToneResetItems()
{
    return StepTexts(kResetStepMs, kResetStepMs, kResetItems);
}

QStringList FiveToneStdNames()
{
    QStringList names;
    for (int s = 0; s < kFiveToneStandards; ++s)
        names << FiveToneStdName(s);
    return names;
}

QStringList FiveToneStdColumnItems(int col)
{
    if (col == kPeriodCol)
        return FiveTonePeriodItems();
    if (col > kPeriodCol && col <= kRepeatCol)
        return FiveToneDigitItems();
    return {};
}

FiveTonePainting FiveTone_Paint(const MemoryImage& image)
{
    FiveTonePainting p;
    for (int s = 0; s < kFiveToneStandards; ++s) {
        const int row = FiveToneStdRec(s);
        p.stdCells[s] = {QString::number(kPeriodBaseMs + kPeriodStepMs * image(row, FiveToneStdByte::Period)),
                         HexValToChar(image(row, FiveToneStdByte::GroupTone)),
                         HexValToChar(image(row, FiveToneStdByte::RepeatTone))};
    }
    for (int e = 1; e <= kFiveToneCodes; ++e) {
        const int row = FiveToneEncRec(e);
        p.encCells[e - 1] = {FrameText(image, row, 0), FrameText(image, row, 1), FrameText(image, row, 2),
                             FiveToneStdName(image(row, kFiveToneEncStdByte))};
    }
    const MemoryImage::Row& opt = image.row(FiveToneOptRec);
    p.delays = {ListItemOf(opt[FiveToneOptByte::Delay1], kDelayItems),
                ListItemOf(opt[FiveToneOptByte::Delay2], kDelayItems),
                ListItemOf(opt[FiveToneOptByte::Delay3], kDelayItems),
                ListItemOf(opt[FiveToneOptByte::FirstDigitExtend], kDelayItems)};
    p.decodeStd = ListItemOf(opt[FiveToneOptByte::DecodeStd], kFiveToneStandards);
    p.resetTime = ListItemOf(opt[FiveToneOptByte::ResetTime], kResetItems);
    for (int k = 0; k < kFiveToneDecodeFrames; ++k) {
        p.callFrames[k] = BitSet(opt[FiveToneOptByte::DecodeCall], k);
        p.dispFrames[k] = BitSet(opt[FiveToneOptByte::DecodeDisp], k);
    }
    return p;
}

void FiveTone_StoreStdChoice(int r, int c, int index, MemoryImage& image)
{
    if (r < 1 || r > kFiveToneStandards || c < kPeriodCol || c > kRepeatCol)
        return;
    image(FiveToneStdRec(r - 1), c - 1) = static_cast<std::int16_t>(index);
}

void FiveTone_StoreOptChoice(int byte, int index, MemoryImage& image)
{
    image(FiveToneOptRec, byte) = static_cast<std::int16_t>(index);
}

void FiveTone_StoreFrameBox(int byte, int box, int value, MemoryImage& image)
{
    const int mask = 1 << box;
    std::int16_t& b = image(FiveToneOptRec, byte);
    b = static_cast<std::int16_t>(value == 1 ? b | mask : b & ~mask);
}

void FiveTone_StoreFrame(int r, int c, const QString& text, MemoryImage& image)
{
    if (r < 1 || r > kFiveToneCodes || c < 1 || c > kFiveToneFrames)
        return;
    const int row = FiveToneEncRec(r);
    const int base = kFiveToneFrameDigits * (c - 1);
    for (int k = 0; k < kFiveToneFrameDigits; ++k)
        image(row, base + k) = kNoDigit;
    const QString digits = TrimBlanks(text);
    for (int k = 0; k < qMin(kFiveToneFrameDigits, static_cast<int>(digits.size())); ++k)
        image(row, base + k) = static_cast<std::int16_t>(HexCharToCode(digits.mid(k, 1)));
}

void FiveTone_StoreEncStd(int r, int index, MemoryImage& image)
{
    if (r < 1 || r > kFiveToneCodes)
        return;
    image(FiveToneEncRec(r), kFiveToneEncStdByte) = static_cast<std::int16_t>(index);
}

int FiveToneEncStd(int r, const MemoryImage& image)
{
    return ListItemOf(image(FiveToneEncRec(r), kFiveToneEncStdByte), kFiveToneStandards);
}
