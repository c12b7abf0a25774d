#pragma once
// The model names, the model band table and the working band limits.

#include <QStringList>
#include <array>
#include <cstdint>

// Eleven names; 0..2 are set, the rest empty. Only the model select lists them.
extern QStringList ModelNames;

// 11 rows by 4 columns in MHz (band-A low, band-A high, band-B low, band-B
// high); the cell of row r, column c is element r + 11 c.
inline constexpr int kBandTableRows = 11;
extern std::array<std::int16_t, 44> BandTable;
inline std::int16_t BandTableCell(int row, int col)
{
    return BandTable[row + kBandTableRows * col];
}

// The current row of BandTable: 0 from start-up, changed only by the model select.
extern int ModelIndex;

// The working band limits in MHz, which the channel editor and the band check
// validate against.
extern double BandVhfMin;
extern double BandVhfMax;
extern double BandUhfMin;
extern double BandUhfMax;

// The limits the radio reported at its last identification (also the working
// limits of the options editor's two VFOs).
extern double VhfMin;
extern double VhfMax;
extern double UhfMin;
extern double UhfMax;

// The band limits the channel editor sets at every load, until a radio
// reports its own.
inline constexpr double kChannEditorVhfMin = 140;
inline constexpr double kChannEditorVhfMax = 150;
inline constexpr double kChannEditorUhfMin = 440;
inline constexpr double kChannEditorUhfMax = 450;

// Fills ModelNames and the set cells of BandTable, then sets BandVhfMin and
// BandVhfMax from row ModelIndex (0..10). The band-B limits are not touched.
void InitModelBands();
