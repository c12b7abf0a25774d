#pragma once
// The sample channels (0x0000..0x0C7F) of the channel editor's Default, and
// the tone word of a CTCSS tone text.

#include "core/memory_image.h"

#include <QString>

// Every channel record 0xFF, then eight sample channels (0..6 and 199). The
// channel name records are not touched.
void Channel_Defaults(MemoryImage& image = Edata);

// One tone word into bytes first and first + 1 of the row: "FF" is off (FF
// FF); a text whose value v lies in 0 < v < 255 is the CTCSS tone v Hz,
// stored as 10 v rounded to a whole number (a half to the even neighbour),
// low byte first. Any other text leaves both bytes as they were.
void PutToneCode(const QString& text, int row, int first, MemoryImage& image = Edata);
