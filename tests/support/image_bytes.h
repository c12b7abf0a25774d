#pragma once
// Reading and writing runs of image bytes in tests: rows as lists of values,
// and hex text as it appears in the radio's documentation of a row.

#include "core/memory_image.h"

#include <QList>
#include <QString>
#include <QStringList>

using Bytes = QList<int>;

// count bytes of the row from column first on.
inline Bytes RowBytes(const MemoryImage& image, int row, int first = 0, int count = kRowBytes)
{
    Bytes bytes;
    for (int c = first; c < first + count; ++c)
        bytes << image(row, c);
    return bytes;
}

// count cells of an alignment table row from column first on.
inline Bytes AdjCells(const AdjTable& table, int row, int first = 0, int count = kAdjCols)
{
    Bytes cells;
    for (int c = first; c < first + count; ++c)
        cells << table(row, c);
    return cells;
}

// "14 14 00 FF" -> {0x14, 0x14, 0x00, 0xFF}.
inline Bytes HexBytes(const QString& text)
{
    Bytes bytes;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        bytes << part.toInt(nullptr, 16);
    return bytes;
}

inline Bytes Repeated(int value, int count)
{
    return Bytes(count, value);
}

// True when every element of rows first..last holds value.
inline bool RowsHold(const MemoryImage& image, int first, int last, int value)
{
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < kRowBytes; ++c) {
            if (image(r, c) != value)
                return false;
        }
    }
    return true;
}

// An image whose every element holds value, to show which bytes a routine
// leaves alone.
inline MemoryImage FilledImage(int value)
{
    MemoryImage image;
    image.fill(value);
    return image;
}
