#pragma once
// Channel frequencies as 4-byte packed BCD, FM and VFO frequencies as eight
// digit bytes, the channel raster and the band check.
//
// Both encodings hold eight decimal digits, 0 up to 999.99999 MHz. Every
// routine here that stores a frequency stores nothing, and says so, when it
// is given one they do not hold; each says which texts it reads.
//
// Packed BCD: the frequency in units of 10 Hz as eight decimal digits, two per
// byte, least significant byte first, the more significant digit in the high
// nibble: 145.01250 MHz is 50 12 50 14. Four 0xFF bytes mean no frequency.

#include "core/memory_image.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kNoChannel = 255;  // FindOutOfBandChannel: every channel passes

// Scratch of the BCD codecs: after FreqToBCD, [0] holds the 100 MHz and
// 10 MHz digits, [1] 1 MHz and 100 kHz, [2] 10 kHz and 1 kHz, [3] 100 Hz and
// 10 Hz (most significant first).
extern std::array<std::uint8_t, 4> BcdBytes;

// Snaps the frequency text (MHz) down to the nearest 2.5 kHz or 6.25 kHz
// raster point (the higher of the two; a tie takes 2.5 kHz; an entry within
// 1 Hz below a point stays on it), leaves the normalised text in `text`
// ("145.00250") and stores the packed BCD in image(row, col..col+3). The
// text is read by its numeric value (numbers.h). A text without a number at
// its start, or a snapped frequency below 0 or of 1000 MHz and more, stores
// nothing and leaves the text as it was (false).
bool PutFreq(QString& text, int row, int col, MemoryImage& image = Edata);

// The packed BCD of a frequency text (MHz, leading blanks allowed) into
// BcdBytes, most significant byte first. Returns BcdBytes[0].
std::uint8_t FreqToBCD(const QString& text);

// The display text of four stored bytes in address order: three integer
// digits, a point and five decimals ("145.01250"; "88.90000" below 100 MHz).
QString BCDToFreq(int b0, int b1, int b2, int b3);

// True when the four bytes at image(row, col..col+3) are all 0xFF.
bool NoFrequency(const MemoryImage& image, int row, int col);

// The first channel 0..199 whose receive or transmit frequency lies outside
// the working band limits (tested in whole MHz), or kNoChannel.
int FindOutOfBandChannel(const MemoryImage& image = Edata);

// Writes a frequency in MHz, rounded to 10 Hz, as eight digit bytes (100 MHz
// digit first, down to the 10 Hz digit) into image row 768 + preset, bytes
// 0..7. Below 0 or from 1000 MHz up it writes nothing (false).
bool PutFMFreq(double freq, int preset, MemoryImage& image = Edata);

// The eight digit bytes of a frequency text of the form they encode: decimal
// digits with at most one point, blanks at either end aside ("98.5",
// "145.01250", "088.9", "5."), cut (not rounded) to 10 Hz and taken from the
// text's own digits, so that no double rounds them: "107.999999" gives
// 1 0 7 9 9 9 9 9. None for any other text (a sign, a comma, an inner
// blank, a letter, no digit) and for 1000 MHz and more.
std::optional<std::array<int, 8>> DigitsOfFreqText(const QString& text);
