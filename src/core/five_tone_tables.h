#pragma once
// The five-tone tone tables: for each of the 15 standards and each tone digit
// 0..F the tone's frequency and its period word, as the radio keeps them in
// four byte pages at 0x2000..0x23FF, and the frequency texts the five-tone
// editor shows.

#include "core/memory_image.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kToneTabRows = 16;  // standard 0..15; row 15 stays 0
inline constexpr int kToneDigits = 16;   // tone digit 0..F

// The radio clock that times the five-tone generator, in Hz.
inline constexpr int kFiveToneClockHz = 2304000;

// Image rows of the four pages; standard s is row page + s, digit t column t.
// The 16th row of each page (page + 15) is never written.
inline constexpr int kToneFreqLoRow = 512;    // 0x2000, low byte of the whole hertz
inline constexpr int kToneFreqHiRow = 528;    // 0x2100, high byte of the whole hertz
inline constexpr int kTonePeriodLoRow = 544;  // 0x2200, low byte of the period count
inline constexpr int kTonePeriodHiRow = 560;  // 0x2300, high byte of the period count

using ToneTable = std::array<std::array<std::int16_t, kToneDigits>, kToneTabRows>;

extern ToneTable ToneTab1;  // low byte of Int(f)
extern ToneTable ToneTab2;  // high byte of Int(f)
extern ToneTable ToneTab3;  // low byte of the period count
extern ToneTable ToneTab4;  // high byte of the period count

// 11 characters each: 3 blanks, the frequency with one decimal ("1981.0",
// "979.8", "0.0"), blanks up to 11. Row 15 stays empty.
extern std::array<std::array<QString, kToneDigits>, kToneTabRows> ToneFreqText;

// Tone frequency of standard 0..14 and digit 0..15 in tenths of a hertz;
// 0 is a digit the standard has no tone for.
int ToneFreqTenths(int standard, int digit);

// Cycles of the 2.304 MHz clock in one period of the tone, rounded up, minus
// one: ceil(2304000 / f) - 1, in whole numbers (2400 Hz gives 959, 979.8 Hz
// gives 2351). 0 for a digit without tone.
int FiveTonePeriodCount(int tenthsOfHz);

// Fills ToneTab1..4 and ToneFreqText (standards 0..14), then copies the four
// tables into image rows 512 + s, 528 + s, 544 + s and 560 + s, s = 0..14.
void InitFiveToneTables(MemoryImage& image = Edata);
