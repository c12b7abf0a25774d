#include "core/adjust_defaults.h"

#include <array>

namespace {

constexpr int kValueCols = 16;

// Rows 0..9, columns 0..15.
constexpr std::array<std::array<int, kValueCols>, 10> kFactoryRows{{
    {12, 13, 13, 13, 13, 13, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15},  // TX power high, VHF points
    {12, 12, 13, 13, 13, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12},  // TX power high, UHF points
    {6, 5, 5, 5, 5, 5, 6, 6, 7, 6, 6, 6, 7, 7, 7, 7},                  // TX power low, VHF points
    {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5},                  // TX power low, UHF points
    {38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48},  // squelch open per level, VHF
    {8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0},                  // squelch compensation, VHF
    {38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41},  // squelch open per level, UHF
    {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                  // squelch compensation, UHF
    {60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 128, 50, 0, 0, 0},       // deviation, volume, drive, temperature
    {1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 8, 0, 0, 0, 0, 0},                  // band limits 130 179 400 480 MHz
}};

// Two groups of six decimal digits.
constexpr char kDigitCodes[] = "000000000000";

}  // namespace

void Adjust_Defaults(AdjTable& table)
{
    for (int r = 0; r < static_cast<int>(kFactoryRows.size()); ++r) {
        for (int c = 0; c < kValueCols; ++c)
            table(r, c) = static_cast<std::int16_t>(kFactoryRows[r][c]);
    }
    for (int c = 0; c < 12; ++c)
        table(kAdjDigitCodesRow, c) = static_cast<std::int16_t>(kDigitCodes[c]);
}

void CopyAdjDefaults(AdjTable& target, const AdjTable& defaults, int rows)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kValueCols; ++c)
            target(r, c) = defaults(r, c);
    }
}
