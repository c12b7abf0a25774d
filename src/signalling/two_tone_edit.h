#pragma once
// The two-tone window's typed frequencies: the keys its editors let in and
// what a committed text stores. The encode grid and the tone boxes round
// differently:
//   - an encode cell tests the typed value itself against 300..3000 Hz and
//     then rounds it half up (3000.4 refused, 2999.5 stores 3000);
//   - a tone box rounds half to even first and then tests (3000.4 and
//     3000.5 store 3000).
// Either way the value is that of the text's leading run of digits
// (LeadingDigitsValue: a pasted "+1500" or " 1600" is no number, "1 7 00" is
// 1), read as a double, and becomes a whole number only once it lies within
// the range, so a long pasted number is refused, never wrapped into a word.

#include "core/memory_image.h"
#include "core/open_cell.h"
#include "core/prompt.h"

#include <QString>
#include <optional>

namespace TwoToneText {
// "Frequency range 300Hz to 3000Hz", titled "Operate Prompt" and one double
// quote.
Message FreqRange();
}  // namespace TwoToneText

// The encode editor's key filter: digits, "." and Enter pass; every other
// character (Backspace too) becomes 0. There is no length limit.
int TwoToneEncodeKey(int key);

// A tone box's key filter: as the encode editor's, and every key is dropped
// once the box's text, its blanks trimmed, holds more than 6 characters.
int TwoToneToneKey(int key, const QString& boxText);

// The commit of encode cell (r 1..15, c 1 or 2) from the editor's text: a
// value within 300..3000 Hz stores Int(v + 0.5), low byte first, into bytes
// 8 (c - 1) and 8 (c - 1) + 1 of row 719 + r; any other value stores 00 00,
// and gives the range message unless the text is blank or empty. A cell
// only clicked through stores nothing, blank or not.
std::optional<Message> TwoTone_EncodeCommit(int r, int c, const QString& text, CellEntry entry,
                                            MemoryImage& image = Edata);

// The commit of tone t (0..3) of decode entry x (0..14) from its box's text:
// the value rounded half to even, when within 300..3000 Hz, goes in with its
// period word (PutTwoToneFreq); otherwise the tone's four bytes become 0xFF,
// with the range message unless the text is blank or empty. A box that shows
// what the tone set holds (TwoToneSetText) stores and refuses nothing
// (core/box_leave.h).
std::optional<Message> TwoTone_ToneCommit(int x, int t, const QString& text, MemoryImage& image = Edata);
