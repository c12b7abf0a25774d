#include "support/two_tone_area_table.h"

#include "core/two_tone_defaults.h"
#include "support/radio_simulator.h"

namespace {

constexpr int kArea = 0x2D00;
constexpr int kTiming = 0x2DF0;
constexpr int kDecode = 0x2E00;  // decode entry 1
constexpr int kSets = 0x2F00;    // tone set of decode entry 1
constexpr int kReset = 0x2FF0;

void PutWord(RadioSimulator& radio, int address, int value)
{
    radio.memory[address] = static_cast<char>(value & 0xFF);
    radio.memory[address + 1] = static_cast<char>(value >> 8);
}

}  // namespace

namespace TwoToneAreaTable {

int EncodeHz(int entry, int tone)
{
    return tone == 0 ? 300 + 150 * entry : 3000 - 130 * entry;
}

int SetHz(int entry, int tone)
{
    return 400 + 100 * entry + 300 * tone;
}

int Pair(int entry, int decoder)
{
    return (entry + 5 * decoder) % 12;
}

int Response(int entry, int decoder)
{
    return (entry + 3 * decoder) % 4;
}

int Alert(int entry, int decoder)
{
    return (entry + 7 * decoder) % 16 + 1;
}

int Duration(int which)
{
    return 17 + 29 * which;  // 170, 460 and 750 ms
}

int ResetItem()
{
    return 41;  // 4200 ms
}

void PutInto(RadioSimulator& radio)
{
    for (int e = 1; e <= 15; ++e) {
        const int encode = kArea + 16 * (e - 1);
        PutWord(radio, encode, EncodeHz(e, 0));
        PutWord(radio, encode + 8, EncodeHz(e, 1));
        const int decode = kDecode + 16 * (e - 1);
        for (int k = 0; k < 4; ++k) {
            radio.memory[decode + 3 * k] = static_cast<char>(Pair(e, k));
            radio.memory[decode + 3 * k + 1] = static_cast<char>(Response(e, k));
            radio.memory[decode + 3 * k + 2] = static_cast<char>(Alert(e, k));
        }
        const int set = kSets + 16 * (e - 1);
        for (int t = 0; t < 4; ++t) {
            PutWord(radio, set + 2 * t, SetHz(e, t));
            PutWord(radio, set + 8 + 2 * t, TwoTonePeriod(SetHz(e, t)));
        }
    }
    for (int i = 0; i < 3; ++i)
        radio.memory[kTiming + i] = static_cast<char>(Duration(i));
    radio.memory[kReset] = static_cast<char>(ResetItem());
}

QStringList ReadDisplay()
{
    QStringList shown{"0 Connecting with transceiver. "};
    // Blocks 3..13 of the reply store: the bar at Int(n / 13 * 100).
    const QList<int> bars{23, 30, 38, 46, 53, 61, 69, 76, 84, 92, 100};
    for (int n = 3; n <= 13; ++n)
        shown << QStringLiteral("%1 Reading %2 Data Block").arg(bars[n - 3]).arg(n);
    shown << "100 Read Signal parameters in gear. ";
    return shown;
}

QStringList WriteDisplay()
{
    QStringList shown{"0 Connecting with transceiver. "};
    // Frame m acknowledged: the bar at Int(m / 48 * 100), the label m - 1;
    // the 48th leaves the bar at 97.
    for (int m = 1; m <= 47; ++m)
        shown << QStringLiteral("%1 Writing  %2  Data Block").arg(m * 100 / 48).arg(m - 1);
    shown << "97 Complete Written Signal parameters ";
    return shown;
}

}  // namespace TwoToneAreaTable
