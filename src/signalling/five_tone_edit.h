#pragma once
// Editing the five-tone encode grid in place: which editor a cell gets, the
// digit editor's key filter, what leaving a frame cell does with the
// editor's text, and the message of a frame that is not five digits long.

#include "core/prompt.h"

#include <QString>

// MSF_Encode's columns.
namespace FiveToneEncCol {
inline constexpr int Code = 0;    // "1".."15"
inline constexpr int Frame1 = 1;  // frames 1..3: columns 1..3
inline constexpr int Frame3 = 3;
inline constexpr int Standard = 4;  // the standard's name
}  // namespace FiveToneEncCol

// The editor a click on encode cell (r, c) opens.
enum class FiveToneEncEditor {
    None,      // the title row, the code column, or a row whose frame 1 cell is empty
    Digits,    // Text_Encode, over columns 1..3
    Standard,  // Combo_Encode, over column 4
};

// frame1Cell: the text cell (r, 1) shows. Columns 2..4 open only while it
// has any text at all (five blanks count: a painted empty frame).
FiveToneEncEditor FiveTone_EncEditorFor(int r, int c, const QString& frame1Cell);

// The digit editor's key filter: Backspace always passes; "0".."9", "A".."F",
// "a".."f" and Enter pass while the editor's text, without its blanks at
// either end, has at most five characters (so a sixth digit can be typed, a
// seventh cannot). Returns the key, or 0 for a dropped key.
int FiveToneEncodeKey(int key, const QString& editorText);

// What leaving a frame cell does with the digit editor's text.
enum class FiveToneFrameLeave {
    TakeText,  // five digits: the cell takes the text as it stands
    KeepCell,  // no digits: the cell keeps its text
    Refuse,    // another count: the five-digit message, the editor stays
};
FiveToneFrameLeave FiveTone_FrameLeave(const QString& editorText);

namespace FiveToneText {
// A frame left with other than five digits ("Encode Digit is 5 Bits.").
Message DigitCount();
}  // namespace FiveToneText
