#include "core/channel_defaults.h"

#include "core/freq_codec.h"
#include "core/numbers.h"

#include <array>

namespace {

constexpr int kRxToneByte = 8;
constexpr int kTxToneByte = 10;
constexpr int kScanAddOn = 0x04;     // byte 15: scan add on, everything else off
constexpr int kLastDcsNumber = 210;  // "D754I", the last entry of the tone list

struct Sample {
    int channel;
    const char* mhz;
    const char* tone;  // nullptr: tones off; "" the DCS number written directly
};

constexpr std::array<Sample, 8> kSamples{{
    {0, "155.025", "67.0"},
    {1, "136.1", "100.0"},
    {2, "173.95", "127.3"},
    {3, "400.025", "203.5"},
    {4, "479.95", nullptr},
    {5, "436.5", "250.3"},
    {6, "155.5", ""},
    {199, "480.625", nullptr},
}};

}  // namespace

void PutToneCode(const QString& text, int row, int first, MemoryImage& image)
{
    if (text == QLatin1String("FF")) {
        image(row, first) = kErased;
        image(row, first + 1) = kErased;
        return;
    }
    const double v = NumericValue(text);
    if (!(v > 0.0 && v < 255.0))
        return;
    // Rounding the whole word first gives the same word as rounding its low
    // byte, and keeps the low byte below 256.
    const int word = static_cast<int>(RoundHalfEven(v * 10.0));
    image(row, first) = static_cast<std::int16_t>(word % 256);
    image(row, first + 1) = static_cast<std::int16_t>(word / 256);
}

void Channel_Defaults(MemoryImage& image)
{
    image.fillRows(Area::Chann.firstRow(), Area::Chann.lastRow(), kErased);
    for (const Sample& s : kSamples) {
        const int row = s.channel;
        for (int c = 0; c < kRowBytes; ++c)
            image(row, c) = (c >= 8 && c <= 11) ? kErased : 0x00;
        image(row, 15) = kScanAddOn;

        QString rx = QLatin1String(s.mhz);
        PutFreq(rx, row, 0, image);
        QString tx = QLatin1String(s.mhz);
        PutFreq(tx, row, 4, image);

        if (s.tone == nullptr)
            continue;
        if (*s.tone == '\0') {
            for (int first : {kRxToneByte, kTxToneByte}) {
                image(row, first) = kLastDcsNumber;
                image(row, first + 1) = 0x00;
            }
            continue;
        }
        PutToneCode(QLatin1String(s.tone), row, kRxToneByte, image);
        PutToneCode(QLatin1String(s.tone), row, kTxToneByte, image);
    }
}
