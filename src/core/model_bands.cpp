#include "core/model_bands.h"

#include <cmath>

QStringList ModelNames;
std::array<std::int16_t, 44> BandTable{};
int ModelIndex = 0;

double BandVhfMin = 0;
double BandVhfMax = 0;
double BandUhfMin = 0;
double BandUhfMax = 0;
double VhfMin = 0;
double VhfMax = 0;
double UhfMin = 0;
double UhfMax = 0;

namespace {

void SetBandRow(int row, double aLow, double aHigh, int bLow, int bHigh)
{
    // The band-A highs of some rows are given as x.9875 and rounded to the
    // nearest whole megahertz.
    BandTable[row] = static_cast<std::int16_t>(std::lround(aLow));
    BandTable[row + kBandTableRows] = static_cast<std::int16_t>(std::lround(aHigh));
    BandTable[row + 2 * kBandTableRows] = static_cast<std::int16_t>(bLow);
    BandTable[row + 3 * kBandTableRows] = static_cast<std::int16_t>(bHigh);
}

}  // namespace

void InitModelBands()
{
    ModelNames.clear();
    ModelNames << QStringLiteral("VHF0/UHF0") << QStringLiteral("VHF1/UHF1") << QStringLiteral("VHF2/UHF2");
    while (ModelNames.size() < 11)
        ModelNames << QString();

    BandTable.fill(0);
    SetBandRow(0, 130, 179, 400, 520);
    SetBandRow(1, 136, 174, 240, 250);
    SetBandRow(2, 144, 146, 430, 440);
    SetBandRow(3, 400, 470.9875, 0, 0);
    SetBandRow(4, 450, 520.9875, 0, 0);
    SetBandRow(5, 100, 700.9875, 0, 0);
    SetBandRow(6, 66, 88.9875, 0, 0);

    BandVhfMin = BandTableCell(ModelIndex, 0);
    BandVhfMax = BandTableCell(ModelIndex, 1);
}
