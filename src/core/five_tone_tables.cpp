#include "core/five_tone_tables.h"

#include "core/char_codes.h"

ToneTable ToneTab1{};
ToneTable ToneTab2{};
ToneTable ToneTab3{};
ToneTable ToneTab4{};
std::array<std::array<QString, kToneDigits>, kToneTabRows> ToneFreqText;

namespace {

// Tone frequencies in tenths of a hertz, standard by digit 0..F.
constexpr std::array<std::array<int, kToneDigits>, kFiveToneStandards> kToneTenths{{
    // CCIR1
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    // CCIR2
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    // PCCIR
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10500, 9300, 24000, 9910, 21100, 0},
    // ZVEI1
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 28000, 8100, 9700, 8850, 26000, 6800},
    // ZVEI2
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 8850, 8100, 7400, 6800, 9700, 26000},
    // ZVEI3
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8850, 0, 0, 0, 24000, 0},
    // PZVEI
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 9700, 8100, 28000, 8850, 26000, 6800},
    // DZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 7400, 26000, 8850, 24000, 6800},
    // PDZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 8860, 26000, 8560, 24000, 0},
    // EEA
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10550, 9300, 24000, 9910, 21100, 22470},
    // EIA
    {6000, 7410, 8820, 10230, 11640, 13050, 14460, 15870, 17280, 18690, 21510, 24330, 20100, 22920, 4590, 10910},
    // EURO
    {9798, 9031, 8325, 7674, 7074, 6520, 6010, 5540, 5107, 4708, 0, 0, 0, 0, 10629, 0},
    // CCITT
    {4000, 6970, 7700, 8520, 9410, 12090, 13350, 14770, 16330, 18000, 19000, 20000, 21000, 22000, 23000, 0},
    // NATEL
    {16330, 6310, 6970, 7700, 8520, 9410, 10400, 12090, 13360, 14770, 19950, 5710, 22050, 24370, 18050, 26940},
    // MODAT
    {6575, 7875, 9375, 10875, 12375, 13875, 15375, 16875, 18375, 19875, 0, 0, 0, 0, 4875, 0},
}};

QString FreqText(int tenths)
{
    const QString value = QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
    return (QStringLiteral("   ") + value).leftJustified(11, QLatin1Char(' '));
}

}  // namespace

int ToneFreqTenths(int standard, int digit)
{
    if (standard < 0 || standard >= kFiveToneStandards || digit < 0 || digit >= kToneDigits)
        return 0;
    return kToneTenths[standard][digit];
}

int FiveTonePeriodCount(int tenthsOfHz)
{
    if (tenthsOfHz <= 0)
        return 0;
    // 2304000 / f with f in tenths of a hertz is 23040000 / tenths; rounding
    // up in whole numbers keeps an exact quotient (2400 Hz: 960) exact.
    const int dividend = kFiveToneClockHz * 10;
    const int ceiling = (dividend + tenthsOfHz - 1) / tenthsOfHz;
    return ceiling - 1;
}

void InitFiveToneTables(MemoryImage& image)
{
    for (int s = 0; s < kFiveToneStandards; ++s) {
        for (int t = 0; t < kToneDigits; ++t) {
            const int tenths = kToneTenths[s][t];
            const int hertz = tenths / 10;  // Int(f)
            const int period = FiveTonePeriodCount(tenths);
            ToneTab1[s][t] = static_cast<std::int16_t>(hertz % 256);
            ToneTab2[s][t] = static_cast<std::int16_t>(hertz / 256);
            ToneTab3[s][t] = static_cast<std::int16_t>(period % 256);
            ToneTab4[s][t] = static_cast<std::int16_t>(period / 256);
            ToneFreqText[s][t] = FreqText(tenths);
        }
    }
    for (int s = 0; s < kFiveToneStandards; ++s) {
        for (int t = 0; t < kToneDigits; ++t) {
            image(kToneFreqLoRow + s, t) = ToneTab1[s][t];
            image(kToneFreqHiRow + s, t) = ToneTab2[s][t];
            image(kTonePeriodLoRow + s, t) = ToneTab3[s][t];
            image(kTonePeriodHiRow + s, t) = ToneTab4[s][t];
        }
    }
}
