#pragma once
// The default five-tone settings (0x2400..0x25FF) with the tone tables.

#include "core/memory_image.h"

inline constexpr int kFiveToneStdRow = 576;  // 0x2400 + 16 s: FiveToneStdRec of standard s
inline constexpr int kFiveToneEncRow = 592;  // 0x2500 + 16 e: FiveToneEncRec of code e + 1
inline constexpr int kFiveToneOptRow = 607;  // 0x25F0: FiveToneOptRec

// InitFiveToneTables, then the standard records (bytes 0..2 of rows
// 576..590), the encode codes (rows 592..606) and the options (row 607).
// Bytes 3..15 of the standard records and row 591 keep what they hold.
void FiveTone_Defaults(MemoryImage& image = Edata);
