#pragma once
// The default FM broadcast presets (0x3000..0x30FF, image rows 768..783).

#include "core/memory_image.h"

#include <QString>

inline constexpr int kFmPresets = 16;
inline constexpr int kFmNameFirstByte = 8;  // FmPreset bytes 8..15: the station name
inline constexpr int kFmNameLength = 8;

// Empties all 16 presets (bytes 0..7 0x00, bytes 8..15 0xFF), then sets nine
// stations with their frequency and name.
void FM_Defaults(MemoryImage& image = Edata);

// Trims `name` of its leading and trailing blanks in place, then writes the
// character codes of at most its first 8 characters into bytes 8.. of preset
// 0..15; the bytes after the name keep what they hold. A character without a
// single-byte code is written as 0xFF (no character). A preset outside 0..15
// writes nothing.
void PutFMName(QString& name, int preset, MemoryImage& image = Edata);
