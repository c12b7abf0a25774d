#pragma once
// The factory alignment table AdjDefault.

#include "core/memory_image.h"

// The row of twelve digit codes (two groups of six) that travels into AdjData
// at start-up; nothing reads it.
inline constexpr int kAdjDigitCodesRow = 31;

// Writes rows 0..9 (columns 0..15) and the digit codes of row 31 (columns
// 0..11); every other cell keeps what it holds (0 in a fresh table).
void Adjust_Defaults(AdjTable& table = AdjDefault);

// AdjData := AdjDefault for rows 0..rows - 1 and columns 0..15: rows 0..31
// are the copy of the start-up; the rows after them and column 16 keep what
// they hold.
inline constexpr int kAdjStartupCopyRows = 32;
void CopyAdjDefaults(AdjTable& target = AdjData, const AdjTable& defaults = AdjDefault, int rows = kAdjStartupCopyRows);
