#pragma once
// The two-tone area (radio 0x2D00..0x2FFF, image rows 720..767) as the
// two-tone window shows it: where its fields lie, the texts of its cells,
// boxes and lists, and the stores of the option lists and the decode list.
//
//   rows 720..734  encode entries 1..15: first tone in bytes 0, 1, second
//                  tone in bytes 8, 9 (whole hertz, low byte first)
//   row  735       durations: first tone, second tone, gap (10 ms steps)
//   rows 736..750  decode entries 1..15: decoder k in bytes 3k (tone pair),
//                  3k + 1 (response), 3k + 2 (alert number)
//   row  751       no setting
//   rows 752..766  tone sets of decode entries 1..15: tone t (A..D) in bytes
//                  2t, 2t + 1, its period word in bytes 8 + 2t, 9 + 2t
//   row  767       decode reset time in byte 0 (100 ms steps from 100 ms)
//
// Bytes that carry no setting are never shown and never written here.
// The grids are addressed as the window numbers them: row r (1..15) is entry
// r; encode columns 1 and 2 are the first and second tone; decode columns
// 3k + 1, 3k + 2, 3k + 3 are the pair, response and alert of decoder k.

#include "core/language.h"
#include "core/memory_image.h"
#include "core/open_cell.h"
#include "core/painting.h"
#include "core/two_tone_defaults.h"

#include <QString>
#include <QStringList>

inline constexpr int kTwoToneEntries = 15;
inline constexpr int kTwoToneDecoders = 4;
inline constexpr int kTwoToneTones = 4;                             // tones A..D of a tone set
inline constexpr int kTwoToneEncRow = kRowBytes * kTwoToneEncPage;  // encode entry 1 (720)
inline constexpr int kTwoToneSetRow = kRowBytes * kTwoToneSetPage;  // tone set of decode entry 1 (752)
inline constexpr int kTwoToneSecondToneAt = 8;                      // an encode entry's second tone; the first is at 0
inline constexpr int kTwoTonePeriodAt = 8;  // a tone set's period words, after its four frequencies
// The range of a frequency the window shows and stores, in hertz.
inline constexpr int kTwoToneMinHz = 300;
inline constexpr int kTwoToneMaxHz = 3000;

// The grids' header rows (their format strings).
extern const BiText TwoToneEncodeFormat;
extern const BiText TwoToneDecodeFormat;
// The caption of the tone-set frame: " 1 Decode 2 Tone Frequency" at load
// and when the decode page is shown; "3 Decode 2 Tone Frequency" after a
// click on decode entry 3.
extern const BiText TwoToneFirstSetCaption;
BiText TwoToneSetCaption(int r);

// The 16-bit word at bytes col and col + 1 of a row, low byte first.
int TwoToneWord(const MemoryImage& image, int row, int col);

// A frequency as the window shows it: the whole number and ".0" (1981 shows
// "1981.0").
QString TwoToneFreqText(int hz);

// The text of encode cell (r, c): the tone when it lies within 300..3000 Hz,
// else nothing.
QString TwoToneEncodeText(int r, int c, const MemoryImage& image = Edata);

// The text of tone box t (0..3) for decode entry x (0..14), as Edata_Load
// shows it: any word but 00 00 and FF FF, with no range test.
QString TwoToneSetText(int x, int t, const MemoryImage& image = Edata);

// Decode cell texts: the pair code's letters (0..11); the response text of
// the current language (0..3; 255 nothing; any other value the text of 0,
// the byte being kept); the alert number (0..16). Nothing for other values.
QString Dec_PairText(int code);
QString Dec_RespText(int code);
QString Dec_AlertText(int number);

// The text of decode cell (r, c), c = 1..12.
QString TwoToneDecodeText(int r, int c, const MemoryImage& image = Edata);

// ---- The option lists --------------------------------------------------

// The four lists that store the index of their chosen item.
enum class TwoToneOption { FirstDuration, SecondDuration, Gap, ResetTime };

// The list's items: "0", "10" .. "1000" for the durations (101), "100",
// "200" .. "8000" for the reset time (80).
QStringList TwoToneOptionItems(TwoToneOption option);
// The item the list shows for its stored byte: the byte, or no item
// (kNoItem) for a byte past the list, which the list then keeps.
int TwoToneOptionItem(TwoToneOption option, const MemoryImage& image = Edata);
// The chosen item's index into the list's byte (row 735 byte 0, 1 or 2, row
// 767 byte 0).
void TwoTone_StoreOption(TwoToneOption option, int item, MemoryImage& image = Edata);

// ---- The decode list ---------------------------------------------------

enum class TwoToneDecField { Pair, Response, Alert };
// The field of decode column c (1..12).
TwoToneDecField TwoToneDecFieldOf(int c);
// The pair column of the decoder that column c (1..12) belongs to.
int TwoTonePairColOf(int c);
// Whether (r, c) is a data cell of the decode grid (r 1..15, c 1..12).
bool IsTwoToneDecodeCell(int r, int c);

// The list's items over a cell of column c: the 12 pairs "A-B" .. "D-C", the
// four response texts of the current language, or "1" .. "16".
QStringList TwoToneDecItems(int c);
// The item the list opens with over cell (r, c): the one whose text the
// cell shows (pair 0..11, response 0..3, and "0.None" for a response
// 4..254, alert 1..16), or none (-1) for a value no item shows, an erased
// one among them.
int TwoToneDecOpeningItem(int r, int c, const MemoryImage& image = Edata);
// Combo_Decode_Click's store: the item's index (pairs, responses) or its
// number, index + 1 (alerts), into row 735 + r, byte c - 1. Only a choice
// stores: nothing for a cell only clicked through, whatever item the list
// opened on, and nothing outside the decode cells or for an item the column
// does not have.
void TwoTone_StoreDecodeChoice(int r, int c, int item, CellEntry entry, MemoryImage& image = Edata);
