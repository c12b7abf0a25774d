#include "support/options_area.h"

#include "core/memory_image.h"
#include "options/opt_settings.h"
#include "support/radio_simulator.h"

namespace {

void Put(RadioSimulator& radio, int address, const QByteArray& bytes)
{
    radio.memory.replace(address, static_cast<int>(bytes.size()), bytes);
}

QByteArray Code(const char* hex)
{
    QByteArray bytes = QByteArray::fromHex(hex);
    bytes.append(QByteArray(16 - bytes.size(), '\xFF'));
    return bytes;
}

}  // namespace

namespace OptionsArea {

void PutInto(RadioSimulator& radio, const MemoryImage& differFrom)
{
    for (const OptSetting& s : OptSettings()) {
        const int last = static_cast<int>(s.eng.size()) - 1;
        const int now = differFrom(RowOf(kAddress + s.index), ColumnOf(kAddress + s.index));
        radio.memory[kAddress + s.index] = static_cast<char>(now == last ? 0 : last);
    }
    Put(radio, 0x0EC0, "TEST+1AB-789");
    Put(radio, 0x0ED0, Code("0103050709"));  // ANI 13579
    Put(radio, 0x0EE0, Code("02040608"));    // PTT-ID begin 2468
    Put(radio, 0x0EF0, Code("0D0E0F0C0B"));  // PTT-ID end ABC#*
    // Frequency digits, then the offset in kHz as six digits.
    Put(radio, 0x0F00,
        QByteArray::fromHex("0104050500000000"
                            "000000060000"));  // 145.50000, 00.600MHZ
    Put(radio, 0x0F20,
        QByteArray::fromHex("0403050102050000"
                            "000000050000"));  // 435.12500, 00.500MHZ
    // The two tone words, then the eight parameters.
    Put(radio, 0x0F10,
        QByteArray::fromHex("7503"
                            "0100"
                            "0101010101010101"));  // 88.5, D023N
    Put(radio, 0x0F30,
        QByteArray::fromHex("D200"
                            "E803"
                            "0201010101010101"));  // D754I, 100.0
}

}  // namespace OptionsArea
