#pragma once
// The five-tone settings as the five-tone editor shows and edits them
// (0x2400..0x25FF, image rows 576..607): the records, the texts a painting
// puts into every cell and option control, the items of the window's lists,
// and the store of every edit. The tone-table pages below them (rows
// 512..575) are built by InitFiveToneTables and never edited.
//
//   row 576 + s   FiveToneStdRec of standard s (0..14): period code, group
//                 tone, repeat tone (bytes 0..2; 3..15 carry nothing)
//   row 591       carries nothing
//   row 591 + e   FiveToneEncRec of code e (1..15): frames 1..3 of five
//                 digits each (bytes 0..4, 5..9, 10..14), the standard (15)
//   row 607       FiveToneOptRec: the delays, the decode settings

#include "core/char_codes.h"
#include "core/five_tone_defaults.h"
#include "core/memory_image.h"

#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kFiveToneCodes = 15;        // encode codes 1..15
inline constexpr int kFiveToneFrames = 3;        // frames of a code
inline constexpr int kFiveToneFrameDigits = 5;   // digits of a frame
inline constexpr int kFiveToneEncStdByte = 15;   // the standard a code is sent with
inline constexpr int kFiveToneDecodeFrames = 3;  // frames a decode mask marks (bits 0..2)

constexpr int FiveToneStdRec(int standard)
{
    return kFiveToneStdRow + standard;
}
constexpr int FiveToneEncRec(int code)
{
    return kFiveToneEncRow - 1 + code;
}
inline constexpr int FiveToneOptRec = kFiveToneOptRow;

// Bytes of FiveToneStdRec.
namespace FiveToneStdByte {
inline constexpr int Period = 0;      // code c: 20 + 10 c ms
inline constexpr int GroupTone = 1;   // digit 0..15
inline constexpr int RepeatTone = 2;  // digit 0..15
}  // namespace FiveToneStdByte

// Bytes of FiveToneOptRec.
namespace FiveToneOptByte {
inline constexpr int Delay1 = 0;  // delays before frames 1..3: index i, 10 i ms
inline constexpr int Delay2 = 1;
inline constexpr int Delay3 = 2;
inline constexpr int FirstDigitExtend = 3;  // index i, 10 i ms
inline constexpr int DecodeStd = 8;         // standard 0..14
inline constexpr int DecodeCall = 9;        // bit k: frame k + 1 is a call frame
inline constexpr int DecodeDisp = 10;       // bit k: frame k + 1 is a display frame
inline constexpr int ResetTime = 11;        // index i, 100 (i + 1) ms
}  // namespace FiveToneOptByte

// The character of a digit byte: "0".."9", "A".."F"; one blank above 15
// (0xFF, no digit); the empty text for a negative value.
QString HexValToChar(int value);

// The items of the window's lists, in index order: the index a list stores
// is the item's.
QStringList FiveTonePeriodItems();  // "20", "30" .. "200" (19)
QStringList FiveToneDigitItems();   // "0" .. "9", "A" .. "F" (16)
QStringList FiveToneDelayItems();   // "0", "10" .. "1000" (101)
QStringList FiveToneResetItems();   // "100", "200" .. "8000" (80)
QStringList FiveToneStdNames();     // "CCIR1" .. "MODAT" (15)

// The items of the standards grid's list editor over column 1 (periods) or
// columns 2 and 3 (digits); empty for other columns.
QStringList FiveToneStdColumnItems(int col);

// What FiveTone_Show puts into the grids and the option controls, all read
// from the image before any control changes.
struct FiveTonePainting {
    // MSF_Chann row r (1..15), columns 1..3: period, group and repeat tone
    // of standard r - 1. A period shows 20 + 10 x its byte, whatever the byte.
    std::array<std::array<QString, 3>, kFiveToneStandards> stdCells;
    // MSF_Encode row r (1..15), columns 1..4: the three frames of code r,
    // each as exactly five characters, then its standard's name.
    std::array<std::array<QString, 4>, kFiveToneCodes> encCells;
    // The item each option list selects; -1 (no item) for a byte outside
    // its list, which the painting then leaves as it is.
    std::array<int, 4> delays{};  // bytes 0..3
    int decodeStd = -1;
    int resetTime = -1;
    // The ticked boxes: bits 0..2 of bytes 9 and 10.
    std::array<bool, kFiveToneDecodeFrames> callFrames{};
    std::array<bool, kFiveToneDecodeFrames> dispFrames{};

    QString stdCell(int row, int col) const { return stdCells[row - 1][col - 1]; }
    QString encCell(int row, int col) const { return encCells[row - 1][col - 1]; }
};
FiveTonePainting FiveTone_Paint(const MemoryImage& image = Edata);

// The stores of the window's edits; each writes its bytes and nothing else.

// A choice in the standards grid's list editor over cell (r, c), r 1..15,
// c 1..3: image(576 + r - 1, c - 1) := index.
void FiveTone_StoreStdChoice(int r, int c, int index, MemoryImage& image = Edata);
// A choice in an option list: its byte of row 607 := index.
void FiveTone_StoreOptChoice(int byte, int index, MemoryImage& image = Edata);
// A decode frame box (byte 9 or 10, box 0..2) became value: ticked (1) sets
// its bit, any other value clears it; the other bits stay.
void FiveTone_StoreFrameBox(int byte, int box, int value, MemoryImage& image = Edata);
// The digit editor's text over frame cell (r, c), r 1..15, c 1..3: the
// frame's five bytes 0xFF, then the first five characters of the text
// without its blanks at either end, each as HexCharToCode.
void FiveTone_StoreFrame(int r, int c, const QString& text, MemoryImage& image = Edata);
// A choice in the standard editor of code r: its byte 15 := index.
void FiveTone_StoreEncStd(int r, int index, MemoryImage& image = Edata);
// The standard code r is sent with, 0..14, or -1 when the byte holds none.
int FiveToneEncStd(int r, const MemoryImage& image = Edata);
