#pragma once
// The rule of every box that checks or stores its text when the focus leaves
// it (the two-tone tone boxes, the VFO frequency boxes, the ANI box, the
// alignment limit boxes): a box left showing what the image, or the
// alignment table, holds, as that box shows it, has nothing to check and
// nothing to store, and shows no message, whatever that value is. A read, a
// ".dat" file or Default may bring values no typing could (an erased field,
// a frequency outside the band, digits the box would write otherwise), and a
// mere pass through the box neither refuses nor rewrites them. A text that
// differs from it, typed, pasted or changed otherwise, goes through the
// box's check and store. Blanks at either end make no difference.
//
// The plain code beside each box's check says what the box shows for the
// bytes it edits and asks BoxShowsHeld before it checks anything.

#include "core/numbers.h"

#include <QString>

inline bool BoxShowsHeld(const QString& boxText, const QString& heldText)
{
    return TrimBlanks(boxText) == TrimBlanks(heldText);
}
