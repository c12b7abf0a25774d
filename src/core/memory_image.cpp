#include "core/memory_image.h"

MemoryImage Edata;
AdjTable AdjData;
AdjTable AdjDefault;

void MemoryImage::fill(int value)
{
    fillRows(0, kImageRows - 1, value);
}

void MemoryImage::fillRows(int firstRow, int lastRow, int value)
{
    for (int r = firstRow; r <= lastRow; ++r)
        rows_[r].fill(static_cast<std::int16_t>(value));
}

bool MemoryImage::rowsHoldBytes(int firstRow, int lastRow) const
{
    for (int r = firstRow; r <= lastRow; ++r) {
        for (std::int16_t value : rows_[r]) {
            if (value < 0 || value > 0xFF)
                return false;
        }
    }
    return true;
}
