#include "support/channel_table.h"

#include "core/freq_codec.h"
#include "core/memory_image.h"
#include "support/radio_simulator.h"

#include <QString>

namespace ChannelTable {

namespace {

constexpr int kRecordBytes = 16;
constexpr int kNameArea = 0x1000;

QString RxText(int i)
{
    const double mhz = i % 2 == 0 ? 140 + i % 10 + 0.0125 * (i % 8) : 440 + i % 10 + 0.025 * (i % 4);
    return QString::number(mhz, 'f', 4);
}

QByteArray Freq(const QString& text)
{
    MemoryImage scratch;
    QString copy = text;
    PutFreq(copy, 0, 0, scratch);
    QByteArray bytes;
    for (int c = 0; c < 4; ++c)
        bytes.append(static_cast<char>(scratch(0, c)));
    return bytes;
}

QByteArray ToneWord(int i)
{
    switch (i % 4) {
    case 0:
        return QByteArray("\x00\x00", 2);  // off
    case 1:
        return QByteArray("\x75\x03", 2);  // 88.5 Hz
    case 2:
        return QByteArray(1, static_cast<char>(i % 210 + 1)) + QByteArray(1, '\0');  // DCS
    default:
        return QByteArray("\xE8\x03", 2);  // 100.0 Hz
    }
}

}  // namespace

bool Empty(int channel)
{
    return channel % 7 == 6;
}

QString Name(int channel)
{
    if (Empty(channel) || channel % 4 == 3)
        return {};
    return QStringLiteral("C%1").arg(channel);
}

QByteArray MainRecord(int i)
{
    // An empty channel keeps the bytes of the channel it was behind the
    // 0xFF that empties it, as a radio may.
    if (Empty(i)) {
        QByteArray record = MainRecord(i - 1);
        record[0] = '\xFF';
        return record;
    }
    const QString rx = RxText(i);
    QByteArray record = Freq(rx);
    if (i % 3 == 2)
        record.append(QByteArray(4, '\xFF'));  // receive-only
    else
        record.append(Freq(i % 3 == 0 ? rx : QString::number(rx.toDouble() + 0.5, 'f', 4)));
    record.append(ToneWord(i));
    record.append(i % 3 == 2 ? QByteArray(2, '\xFF') : ToneWord(i + 1));
    record.append(static_cast<char>(i % 15));
    record.append(static_cast<char>((i % 4) | (i % 3) << 4));
    record.append(static_cast<char>((i % 2) | (i % 2) << 4));
    record.append(static_cast<char>((i & 0x0F) | (i % 2 == 1 ? 0x40 : 0x00)));
    return record;
}

QByteArray NameRecord(int i)
{
    // An empty channel's name record keeps an old name behind its 0xFF.
    QByteArray record = Empty(i) ? QByteArray("\xFF" "OLD\xFF\xFF") : Name(i).toLatin1().leftJustified(6, '\xFF');
    // Bytes 6..15 are not the editor's: they go through unchanged.
    for (int b = 6; b < kRecordBytes; ++b)
        record.append(static_cast<char>(i + b));
    return record;
}

void PutInto(RadioSimulator& radio)
{
    for (int i = 0; i < kChannels; ++i) {
        radio.memory.replace(i * kRecordBytes, kRecordBytes, MainRecord(i));
        radio.memory.replace(kNameArea + i * kRecordBytes, kRecordBytes, NameRecord(i));
    }
    radio.memory.replace(kChannels * kRecordBytes, kRecordBytes, QByteArray(kRecordBytes, '\xFF'));
    radio.memory.replace(kNameArea + kChannels * kRecordBytes, kRecordBytes, QByteArray(kRecordBytes, '\xFF'));
}

void PutInto(MemoryImage& image)
{
    for (int i = 0; i < kChannels; ++i) {
        const QByteArray main = MainRecord(i);
        const QByteArray name = NameRecord(i);
        for (int c = 0; c < kRecordBytes; ++c) {
            image(Area::Chann.firstRow() + i, c) = static_cast<std::uint8_t>(main.at(c));
            image(Area::ChannName.firstRow() + i, c) = static_cast<std::uint8_t>(name.at(c));
        }
    }
}

}  // namespace ChannelTable
