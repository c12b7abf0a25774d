#include "support/image_rows.h"

void SetRow(MemoryImage& image, int row, const char* hexBytes)
{
    const QByteArray bytes = QByteArray::fromHex(QByteArray(hexBytes));
    for (int c = 0; c < kRowBytes; ++c)
        image(row, c) = c < bytes.size() ? static_cast<std::uint8_t>(bytes[c]) : kErased;
}

QByteArray RowHex(const MemoryImage& image, int row)
{
    QByteArray bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes.append(static_cast<char>(image(row, c) & 0xFF));
    return bytes.toHex(' ').toUpper();
}
