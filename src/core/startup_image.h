#pragma once
// The memory image and the alignment table as the start-up leaves them.

#include "core/memory_image.h"

// Every element 0xFF, then the FM, options, DTMF, two-tone and five-tone
// defaults in that order, the alignment defaults built, and AdjDefault rows
// 0..31, columns 0..15 copied into AdjData.
void BuildStartupImage();
