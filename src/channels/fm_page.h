#pragma once
// The FM preset page: 16 broadcast presets of 16 bytes at 0x3000..0x30FF
// (image rows 768..783), how the preset grid MSF_Chann shows them, and what
// leaving one of its cells stores. The grid is only a view: every routine
// reads and writes the presets in the image directly.
//
// FmPreset, byte by byte: bytes 0..7 one frequency digit each (value 0..9,
// 100 MHz down to 10 Hz: 88.9 MHz is 00 08 08 09 00 00 00 00); bytes 8..15
// the station name, one character code per byte, 0xFF where no character
// stands. The editor writes a name of n characters from byte 11 (n = 1, 2),
// 10 (n = 3, 4), 9 (n = 5) or 8 (n = 6), so bytes 14 and 15 stay 0xFF; the
// default presets hold theirs from byte 8. A preset whose bytes 0, 1 and 2
// are zero is empty, whatever the others hold.

#include "channels/chann_grid.h"
#include "core/fm_defaults.h"
#include "core/prompt.h"

#include <QString>
#include <array>
#include <optional>

// Grid columns.
namespace FmCol {
inline constexpr int Number = 0;  // "1".."16", written when the window loads
inline constexpr int Freq = 1;
inline constexpr int Name = 2;
}  // namespace FmCol

// The header row, the 16 presets and a spare row that belongs to no preset.
inline constexpr int kFmGridRows = kFmPresets + 2;
inline constexpr int kFmGridCols = 3;

// High byte of the page's radio address.
inline constexpr int kFmBaseHi = Area::FmPage.baseHi();  // 0x30
// The frequencies the editor takes, in MHz, both included.
inline constexpr double kFmFreqMin = 87;
inline constexpr double kFmFreqMax = 108;
// The longest name the editor stores.
inline constexpr int kFmNameMax = 6;

// Grid rows 1..16 show presets 1..16; preset r is image row
// 16 × kFmBaseHi + r − 1. Row 0 and the spare row belong to no preset.
constexpr bool IsFmPresetRow(int gridRow)
{
    return gridRow >= 1 && gridRow <= kFmPresets;
}
constexpr int FmPresetImageRow(int gridRow)
{
    return kFmBaseHi * kRowBytes + gridRow - 1;
}

// The eight frequency bytes of a preset, 100 MHz digit first.
using FmDigits = std::array<int, 8>;

// The display text of a frequency: its exact value in whole 10 Hz units (a
// digit byte above 9 counts as it stands) in its shortest decimal form; a
// text shorter than 9 characters that has no point gets one, then "0"s up to
// 9 characters from 100 MHz up, 8 below. 0 8 8 9 0 0 0 0 gives "88.90000",
// 1 0 8 0 0 0 0 0 "108.00000"; an erased preset (every byte 0xFF) gives
// "28333.33305", 11 characters, nothing appended.
QString Cov_Freq(const FmDigits& digits);

// Columns 1 and 2 of grid row r (1..16) from its preset: both empty for an
// empty preset; otherwise the frequency (Cov_Freq) and the name, bytes 8..15
// as characters with the blanks and the 0xFF bytes left out.
void FM_Show_Row(ChannCells& cells, int r, const MemoryImage& image = Edata);
// FM_Show_Row for rows 1..16; column 0 and the spare row are not touched.
void FM_Show(ChannCells& cells, const MemoryImage& image = Edata);

// FM_Save_Row: preset r (1..16) from a frequency text and a name. A blank
// frequency gives the empty preset (00 × 8, FF × 8). Otherwise bytes 0..7
// are the digits of the frequency text cut to 10 Hz (DigitsOfFreqText),
// bytes 8..15 0xFF, and the name without its outer blanks, at most its first
// 6 characters, goes where the placement table puts it, one Latin-1 code per
// character (0xFF for a character that has none, 0x20 for an inner blank). A
// frequency text eight digits do not hold, or of another form, stores
// nothing (false).
bool FM_Save_Row(int r, const QString& freq, const QString& name, MemoryImage& image = Edata);

// The commits of leaving a cell of row r (1..16) whose editor the user typed
// `typed` into. Each stores the preset, leaves the row's two cells showing
// exactly what it holds (FM_Show_Row), and returns the message to show once
// the cells are done.
//
// Frequency: v is the typed number, read by its numeric value except that
// the character after the whole MHz counts as the point whatever it is
// ("98,5" is 98.5, as the encoding by character position takes it); its
// digits are its own decimal digits cut to 10 Hz ("107.999999" is
// 107.99999). min <= v <= max is stored; outside, and not blank, the lower
// limit is stored and the range message returned; blank deletes the preset.
// The name keeps its bytes unless the placement table shows it the same (a
// default preset's name moves from byte 8 to its place).
std::optional<Message> FM_FreqCommit(ChannCells& cells, int r, const QString& typed, double min, double max,
                                     MemoryImage& image = Edata);
// Name: more than 6 characters returns the length message and goes on. A
// row without a frequency gets no name (the preset is empty); otherwise the
// first 6 characters in capitals are stored with the frequency the row
// holds.
std::optional<Message> FM_NameCommit(ChannCells& cells, int r, const QString& typed, MemoryImage& image = Edata);

// Leaving a cell of row r (1..16) without a typed edit: the row is encoded
// again from what it shows. An empty preset becomes 00 × 8, FF × 8; the
// frequency is stored in proper digits (a digit byte above 9 counts as it
// stands: 05 13 40 .. shows and stores 754 MHz as 07 05 04 ..); a default
// preset's name moves to its place. A frequency of 1000 MHz and more (an
// erased preset), which eight digits do not hold, keeps the row's bytes,
// and so does a name of 7 or 8 characters.
void FM_Recode_Row(int r, MemoryImage& image = Edata);
