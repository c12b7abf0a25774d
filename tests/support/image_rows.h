#pragma once
// Writing and reading whole image rows in tests.

#include "core/memory_image.h"

#include <QByteArray>

// Sets image row `row` from up to 16 bytes given in hex ("00 25 61 13 ...");
// the bytes not given are 0xFF.
void SetRow(MemoryImage& image, int row, const char* hexBytes);

// The 16 bytes of image row `row` as hex, in the same form.
QByteArray RowHex(const MemoryImage& image, int row);

// An image in which every row differs from every other row (the radio
// simulator's row pattern of the seed), with channels 0..199 on frequencies
// inside every band limit the tests use: receive 145.0000 MHz + 12.5 kHz
// per channel, transmit 440.0000 MHz + 25 kHz per channel.
MemoryImage RowPatternImage(int seed);
