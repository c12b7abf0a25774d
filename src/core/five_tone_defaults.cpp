#include "core/five_tone_defaults.h"

#include "core/char_codes.h"
#include "core/five_tone_tables.h"

#include <array>

namespace {

constexpr int kDefaultPeriodCode = 5;   // 20 + 10 x 5 = 70 ms
constexpr int kDefaultGroupTone = 10;   // digit A
constexpr int kDefaultRepeatTone = 14;  // digit E

struct PeriodOverride {
    int standard;
    int code;
};
constexpr std::array<PeriodOverride, 5> kPeriodOverrides{{
    {0, 8},   // CCIR1 100 ms
    {9, 2},   // EEA 40 ms
    {10, 1},  // EIA 30 ms
    {11, 8},  // EURO 100 ms
    {14, 2},  // MODAT 40 ms
}};

using Row = std::array<int, kRowBytes>;

// Three frames of five digits and the standard that sends them.
constexpr Row kEncodeCode1{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0};
constexpr Row kEncodeCode15{2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0, 14};

void PutRow(MemoryImage& image, int row, const Row& bytes)
{
    for (int c = 0; c < kRowBytes; ++c)
        image(row, c) = static_cast<std::int16_t>(bytes[c]);
}

}  // namespace

void FiveTone_Defaults(MemoryImage& image)
{
    InitFiveToneTables(image);

    for (int s = 0; s < kFiveToneStandards; ++s) {
        image(kFiveToneStdRow + s, 0) = kDefaultPeriodCode;
        image(kFiveToneStdRow + s, 1) = kDefaultGroupTone;
        image(kFiveToneStdRow + s, 2) = kDefaultRepeatTone;
    }
    for (const PeriodOverride& o : kPeriodOverrides)
        image(kFiveToneStdRow + o.standard, 0) = static_cast<std::int16_t>(o.code);

    image.fillRows(kFiveToneEncRow, kFiveToneOptRow, kErased);
    PutRow(image, kFiveToneEncRow, kEncodeCode1);
    PutRow(image, kFiveToneEncRow + 14, kEncodeCode15);

    // Delays before frames 1..3 of 200 ms (steps of 10 ms), no first-digit
    // extension, decode CCIR1, call frame 1, display frames 2 and 3, reset
    // after 6000 ms (index 59 of the 100 ms steps).
    image(kFiveToneOptRow, 0) = 20;
    image(kFiveToneOptRow, 1) = 20;
    image(kFiveToneOptRow, 2) = 20;
    image(kFiveToneOptRow, 3) = 0;
    image(kFiveToneOptRow, 8) = 0;
    image(kFiveToneOptRow, 9) = 1;
    image(kFiveToneOptRow, 10) = 6;
    image(kFiveToneOptRow, 11) = 59;
}
