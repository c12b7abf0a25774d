#include "signalling/dtmf_area.h"

#include "core/char_codes.h"
#include "core/numbers.h"

namespace Dtmf {

namespace {

constexpr int kEnterChar = 13;  // the character an Enter key types

bool IsCodeChar(int key)
{
    return (key >= '0' && key <= '9') || (key >= 'a' && key <= 'd') || (key >= 'A' && key <= 'D') || key == '*'
           || key == '#';
}

}  // namespace

QStringList SpeedItems()
{
    return StepTexts(SpeedMs(0), SpeedMs(1) - SpeedMs(0), kSpeedItems);
}

QStringList DelayItems()
{
    return StepTexts(DecoderMs(0), DecoderMs(1) - DecoderMs(0), kDelayItems);
}

QStringList ResetTimeItems()
{
    return StepTexts(DecoderMs(0), DecoderMs(1) - DecoderMs(0), kResetTimeItems);
}

QStringList DigitItems()
{
    return {QStringLiteral("*"), QStringLiteral("#"), QStringLiteral("A"),
            QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
}

QString CodeText(const MemoryImage& image, int row)
{
    return DtmfCodesText(image.row(row));
}

void StoreCode(const QString& text, int row, MemoryImage& image)
{
    const QString digits = TrimBlanks(text).left(kCodeDigits);
    image.fillRows(row, row, kNoDigit);
    for (int c = 0; c < digits.size(); ++c)
        image(row, c) = static_cast<std::int16_t>(DtmfCharToCode(digits.mid(c, 1)));
}

QString CodeBoxText(const QString& text)
{
    const QString trimmed = TrimBlanks(text);
    return trimmed.size() > kCodeDigits ? trimmed.left(kCodeDigits) : text;
}

int CodeKey(int key, const QString& text)
{
    if (!IsCodeChar(key) && key != kEnterChar)
        return 0;
    if (TrimBlanks(text).size() >= kCodeDigits)
        return 0;
    return key;
}

void StoreBits(bool ticked, int mask, int row, int col, MemoryImage& image)
{
    const int byte = image(row, col);
    image(row, col) = static_cast<std::int16_t>(ticked ? (byte | mask) : (byte & (0xFF - mask)));
}

}  // namespace Dtmf
