#pragma once
// The memory image and the alignment table as the start-up leaves them.

#include "core/memory_image.h"

// Every element of Edata 0xFF, then the FM, options, DTMF, two-tone and
// five-tone defaults in that order, AdjDefault built, and AdjDefault rows
// 0..31, columns 0..15 copied into AdjData. The channel and channel name
// areas stay 0xFF. Options bytes that no default names take OptData's value,
// 0 when nothing has loaded the options editor yet.
void BuildStartupImage();
