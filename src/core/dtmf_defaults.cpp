#include "core/dtmf_defaults.h"

#include <initializer_list>

namespace {

// Writes the first bytes of a row; the rest keep the 0xFF of the fill.
void PutBytes(MemoryImage& image, int row, std::initializer_list<int> bytes)
{
    int c = 0;
    for (int b : bytes)
        image(row, c++) = static_cast<std::int16_t>(b);
}

}  // namespace

void Dtmf_Defaults(MemoryImage& image)
{
    const int first = Area::Dtmf.firstRow();  // 656
    image.fillRows(first, Area::Dtmf.lastRow(), kErased);

    // Codes in the DTMF digit code: 1..9 the digits, 10 is 0, 11 *, 12 #.
    PutBytes(image, first + 0, {2, 10, 2, 10, 2});   // encode code 1: 20202
    PutBytes(image, first + 14, {3, 10, 3, 10, 3});  // encode code 15: 30303
    PutBytes(image, first + 15, {3, 3});             // on and off time: list item 3, 80 ms
    PutBytes(image, first + 16, {2, 10, 2});         // inspection 202
    PutBytes(image, first + 17, {3, 10, 3});         // monitor 303
    PutBytes(image, first + 18, {1, 1, 9});          // alarm 119
    PutBytes(image, first + 19, {5, 10, 5});         // stun 505
    PutBytes(image, first + 20, {6, 6, 6});          // kill 666
    PutBytes(image, first + 21, {7, 7, 7});          // revive 777
    PutBytes(image, first + 29, {6, 10, 6, 10, 6});  // master control ID 60606
    PutBytes(image, first + 30, {7, 10, 7, 10, 7});  // vice control ID 70707
    // Control record: master and vice control on, master rights all five,
    // vice rights inspection and monitor, nothing disabled, group code *,
    // space code #, delay 500 ms (item 4), reset 8000 ms (item 79).
    PutBytes(image, first + 31, {1, 31, 3, 0, 11, 12, 4, 79});
}
