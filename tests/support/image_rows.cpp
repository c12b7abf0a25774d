#include "support/image_rows.h"

#include "core/freq_codec.h"
#include "support/radio_simulator.h"

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

MemoryImage RowPatternImage(int seed)
{
    MemoryImage image;
    for (int row = 0; row < kImageRows; ++row) {
        for (int c = 0; c < kRowBytes; ++c)
            image(row, c) = static_cast<std::int16_t>(RadioSimulator::rowPatternByte(row * kRowBytes + c, seed));
    }
    for (int channel = 0; channel < Area::Chann.rows; ++channel) {
        QString rx = QString::number(145.0 + channel * 0.0125, 'f', 5);
        QString tx = QString::number(440.0 + channel * 0.025, 'f', 5);
        PutFreq(rx, Area::Chann.firstRow() + channel, 0, image);
        PutFreq(tx, Area::Chann.firstRow() + channel, 4, image);
    }
    return image;
}
