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

// A limit refused when its box lost the focus: the message, and the band's
// bound that the box shows again.
struct AdjLimitRefusal {
    Message message;
    QString resetText;
};

// The check when the box of `limit` loses the focus, against its band's
// bounds: a lower limit below the band's lowest or above the upper limit, an
// upper limit above the band's highest or below the lower limit is refused
// and nothing is stored. Otherwise all four limits are stored.
std::optional<AdjLimitRefusal> Adj_LimitLeave(AdjLimit limit, const AdjLimitTexts& texts, AdjBandBounds bounds,
                                              AdjTable& table = AdjData);

// Stores the four limit texts into row 9, VHF then UHF, lower then upper:
// each value rounded to whole MHz (a half to the even one) and split into
// its hundreds, tens and units. A value outside 0..999 has no three digits:
// its cells keep what they hold.
void Adj_StoreLimits(const AdjLimitTexts& texts, AdjTable& table = AdjData);

namespace AdjEntryText {
// The band-limit messages, in the current language, "Operate Prompt".
Message LowerBelowBand();   // L1
Message LowerAboveUpper();  // L2
Message UpperAboveBand();   // H1
Message UpperBelowLower();  // H2
}  // namespace AdjEntryText
