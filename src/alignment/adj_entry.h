#pragma once
// Value entry of the alignment editor: the point-value check of the boxes of
// pages 0 to 2, run on every change of their text, and the band-limit boxes
// of page 4, whose keys are limited and whose values are checked when a box
// loses the focus and then stored as digits into row 9.

#include "alignment/adj_table.h"
#include "core/prompt.h"

#include <optional>

// What became of a point box's text.
struct AdjPointOutcome {
    int value = 0;  // what the cell holds now
    // Refused (a character other than "0" to "9", or a value above the box's
    // maximum): the box's message; the box then shows resetText, the cell's
    // default, which the cell holds already.
    std::optional<Message> refusal;
    QString resetText;
};

// The point-value check of box `index` of `box` on page `page` with the
// box's text: blanks at either end are ignored, an empty text stores 0, a
// refused text stores the cell's default from `defaults`. None when the box
// stands for no cell on this page (Text1 and Text2 off the power pages):
// nothing is stored then.
std::optional<AdjPointOutcome> Adj_PointEntry(AdjBox box, int index, int page, const QString& text,
                                              AdjTable& table = AdjData, const AdjTable& defaults = AdjDefault);

// The key filter of a limit box: with a text longer than three characters
// (blanks at either end not counted) every key is dropped, Backspace too.
bool AdjLimitKeyAccepted(const QString& boxText);

// The texts of the four limit boxes, in the order of kAdjLimits.
using AdjLimitTexts = std::array<QString, 4>;

// A limit refused when its box lost the focus: the message, and what the
// box shows again, the limit that row 9 holds.
struct AdjLimitRefusal {
    Message message;
    QString resetText;
};

// The rule of the limit boxes, run when the box of `limit` loses the focus
// (a box being hidden is not left: the window checks nothing for it):
// - a box that shows the limit row 9 holds has nothing to check: it passes
//   and stores nothing, whatever the limit (a read may bring any;
//   core/box_leave.h);
// - while the window's transfer is busy, a box showing another value is
//   refused as busy;
// - a lower limit below its band's lowest or above the upper limit, an
//   upper limit above the band's highest or below the lower limit, is
//   refused;
// - otherwise each box that shows another value than row 9 is stored, its
//   value rounded to whole MHz (a half to the even one) and split into its
//   hundreds, tens and units; a value outside 0..999 has no three digits
//   and its cells keep what they hold.
// A refused box shows row 9's limit again, never the band's bound, and
// nothing is stored: a limit reaches row 9 only when the user typed it and
// it passed, or when Default or a read put it there.
std::optional<AdjLimitRefusal> Adj_LimitLeave(AdjLimit limit, const AdjLimitTexts& texts, AdjBandBounds bounds,
                                              bool transferBusy, AdjTable& table = AdjData);

namespace AdjEntryText {
// The band-limit messages, in the current language, "Operate Prompt".
Message LowerBelowBand();   // L1
Message LowerAboveUpper();  // L2
Message UpperAboveBand();   // H1
Message UpperBelowLower();  // H2
}  // namespace AdjEntryText
