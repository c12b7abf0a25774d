#pragma once
// The default two-tone settings (0x2D00..0x2FFF, image rows 720..767) and the
// period word of a two-tone decode tone.

#include "core/memory_image.h"

// Milliseconds of one tick of the radio's 2.304 MHz clock, the unit of the
// two-tone period words. It holds its value from the start of the process;
// the start-up sets it again to the same value.
inline constexpr double kTickUnitMs = 0.000434028;
extern double TickUnit;

inline constexpr int kTwoToneEncPage = 45;  // encode pairs, rows 720..734
inline constexpr int kTwoToneTimingRow = 735;
inline constexpr int kTwoToneDecRow = 736;  // decode entries, rows 736..750
inline constexpr int kTwoToneSetPage = 47;  // decode tone sets, rows 752..766
inline constexpr int kTwoToneResetRow = 767;

// Every byte of the area 0xFF, then the encode pairs, the timing, the decode
// entries, the decode tone sets and the decode reset time.
void TwoTone_Defaults(MemoryImage& image = Edata);

// One encode pair into row 16 page + entry: the first tone's whole hertz into
// bytes 0 and 1, the second's into bytes 8 and 9 (low byte first). A
// frequency outside 0..65535 Hz or a row outside the image writes nothing.
void PutTwoTonePair(int page, int entry, int firstHz, int secondHz, MemoryImage& image = Edata);

// Decode tone 0..3 (A..D) of row 16 page + entry: the frequency into bytes 2t
// and 2t+1, its period word into bytes 8+2t and 9+2t (low byte first).
// Nothing is written for a frequency whose period word does not fit 16 bits
// (below 36 Hz, zero and negative included), above 65535 Hz, or for a row or
// tone outside their ranges.
void PutTwoToneFreq(int page, int entry, int tone, int hz, MemoryImage& image = Edata);

// The period word of a decode tone: 1000 / f / TickUnit rounded half up
// (1124 Hz gives 2050, 2400 Hz gives 960); -1 when f is below 1 Hz or the
// period does not fit 16 bits.
int TwoTonePeriod(int hz);
