#include "core/two_tone_defaults.h"

#include "core/numbers.h"

#include <array>

double TickUnit = kTickUnitMs;

namespace {

constexpr int kWordMax = 0xFFFF;

struct Pair {
    int entry;
    int first;
    int second;
};
// Entry e is encode number e + 1.
constexpr std::array<Pair, 7> kEncodePairs{{
    {0, 1981, 1124},
    {1, 1358, 1446},
    {2, 1540, 1640},
    {11, 2200, 970},
    {12, 1060, 1160},
    {13, 1400, 1530},
    {14, 1670, 1830},
}};

// Decoders 1..4 as (pair code, response, alert number): A-B alert, B-C
// transpond, C-D alert and transpond, D-A none.
using DecodeBytes = std::array<int, 12>;
constexpr DecodeBytes kDecode{0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4};
constexpr DecodeBytes kDecodeReversed{9, 0, 4, 8, 3, 3, 4, 2, 2, 0, 1, 1};

struct ToneSet {
    int entry;
    std::array<int, 4> hz;  // tones A..D
};
constexpr std::array<ToneSet, 4> kToneSets{{
    {0, {1981, 1124, 1197, 1275}},
    {1, {1358, 1446, 1540, 1640}},
    {13, {2200, 970, 1060, 1160}},
    {14, {1400, 1530, 1670, 1830}},
}};

bool RowInImage(int row)
{
    return row >= 0 && row < kImageRows;
}

void PutWord(MemoryImage& image, int row, int col, int value)
{
    image(row, col) = static_cast<std::int16_t>(value % 256);
    image(row, col + 1) = static_cast<std::int16_t>(value / 256);
}

void PutDecode(MemoryImage& image, int row, const DecodeBytes& bytes)
{
    for (int c = 0; c < static_cast<int>(bytes.size()); ++c)
        image(row, c) = static_cast<std::int16_t>(bytes[c]);
}

}  // namespace

int TwoTonePeriod(int hz)
{
    if (hz < 1 || !(TickUnit > 0.0))
        return -1;
    const double period = IntFloor(1000.0 / hz / TickUnit + 0.5);
    return period <= kWordMax ? static_cast<int>(period) : -1;
}

void PutTwoTonePair(int page, int entry, int firstHz, int secondHz, MemoryImage& image)
{
    const int row = kRowBytes * page + entry;
    if (!RowInImage(row) || firstHz < 0 || firstHz > kWordMax || secondHz < 0 || secondHz > kWordMax)
        return;
    PutWord(image, row, 0, firstHz);
    PutWord(image, row, 8, secondHz);
}

void PutTwoToneFreq(int page, int entry, int tone, int hz, MemoryImage& image)
{
    const int row = kRowBytes * page + entry;
    if (!RowInImage(row) || tone < 0 || tone > 3 || hz < 1 || hz > kWordMax)
        return;
    const int period = TwoTonePeriod(hz);
    if (period < 0)
        return;
    PutWord(image, row, 2 * tone, hz);
    PutWord(image, row, 8 + 2 * tone, period);
}

void TwoTone_Defaults(MemoryImage& image)
{
    image.fillRows(Area::TwoTone.firstRow(), Area::TwoTone.lastRow(), kErased);

    for (const Pair& p : kEncodePairs)
        PutTwoTonePair(kTwoToneEncPage, p.entry, p.first, p.second, image);

    // First and second tone 600 ms, gap 300 ms (steps of 10 ms).
    image(kTwoToneTimingRow, 0) = 60;
    image(kTwoToneTimingRow, 1) = 60;
    image(kTwoToneTimingRow, 2) = 30;

    PutDecode(image, kTwoToneDecRow + 0, kDecode);
    PutDecode(image, kTwoToneDecRow + 1, kDecode);
    PutDecode(image, kTwoToneDecRow + 13, kDecode);
    PutDecode(image, kTwoToneDecRow + 14, kDecodeReversed);

    for (const ToneSet& set : kToneSets) {
        for (int t = 0; t < 4; ++t)
            PutTwoToneFreq(kTwoToneSetPage, set.entry, t, set.hz[t], image);
    }

    image(kTwoToneResetRow, 0) = 59;  // reset after 6000 ms (item 59 of the 100 ms steps)
}
