#include "core/freq_codec.h"

#include "core/model_bands.h"
#include "core/numbers.h"

#include <cmath>

std::array<std::uint8_t, 4> BcdBytes{};

namespace {

int HighNibble(int byte)
{
    return (byte >> 4) & 0x0F;
}
int LowNibble(int byte)
{
    return byte & 0x0F;
}

// Fills a frequency text out to a point and five decimals.
QString WithFiveDecimals(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        text += QLatin1Char('.');
    const qsizetype decimals = text.size() - text.indexOf(QLatin1Char('.')) - 1;
    if (decimals < 5)
        text += QString(5 - decimals, QLatin1Char('0'));
    return text;
}

// The frequency text snapped down to the channel raster, in MHz.
double SnapToRaster(double mhz)
{
    const double v = mhz * 1000.0;  // kHz
    const double m25 = IntFloor((v + 0.001) / 2.5);
    const double r25 = IntFloor((v - 2.5 * m25) * 100.0) / 100.0;
    const double m625 = IntFloor((v + 0.001) / 6.25);
    const double r625 = IntFloor((v - 6.25 * m625) * 100.0) / 100.0;
    const double khz = r625 < r25 ? 6.25 * m625 : 2.5 * m25;
    return khz / 1000.0;
}

// Eight decimal digits, from the 100 MHz digit down to the 10 Hz digit, hold
// 0 up to 999.99999 MHz: the one test every store of a frequency passes.
constexpr long long kEightDigitUnits = 100000000;  // 1000 MHz in 10 Hz units
constexpr long long kUnitsPerMhz = 100000;

bool HeldByEightDigits(long long units)
{
    return units >= 0 && units < kEightDigitUnits;
}

bool HeldByEightDigits(double mhz)
{
    // Also false for NaN.
    return mhz >= 0.0 && mhz * double(kUnitsPerMhz) < double(kEightDigitUnits);
}

// The digits of a frequency in whole 10 Hz units, 100 MHz digit first.
std::optional<std::array<int, 8>> DigitsOfUnits(long long units)
{
    if (!HeldByEightDigits(units))
        return std::nullopt;
    std::array<int, 8> digits{};
    for (int k = 7; k >= 0; --k) {
        digits[static_cast<std::size_t>(k)] = static_cast<int>(units % 10);
        units /= 10;
    }
    return digits;
}

bool OutOfBand(double mhz)
{
    const double g = IntFloor(mhz);
    return g < BandVhfMin || (BandVhfMax < g && g < BandUhfMin) || g > BandUhfMax;
}

}  // namespace

bool PutFreq(QString& text, int row, int col, MemoryImage& image)
{
    if (NumericText(text).isEmpty())
        return false;
    const double snapped = SnapToRaster(NumericValue(text));
    if (!HeldByEightDigits(snapped))
        return false;
    text = WithFiveDecimals(ShortestText(snapped));
    FreqToBCD(text);
    image(row, col) = BcdBytes[3];
    image(row, col + 1) = BcdBytes[2];
    image(row, col + 2) = BcdBytes[1];
    image(row, col + 3) = BcdBytes[0];
    return true;
}

std::uint8_t FreqToBCD(const QString& text)
{
    const double f = NumericValue(text);
    const double h = IntFloor(f / 100.0);
    const double t = IntFloor((f - 100.0 * h) / 10.0);
    const double u = IntFloor(f - 100.0 * h - 10.0 * t);
    const double r = (f - IntFloor(f) + 0.000000001) * 1000.0;
    const double d5 = IntFloor(r / 100.0);
    const double d4 = IntFloor((r - 100.0 * d5) / 10.0);
    const double d3 = IntFloor(r - 100.0 * d5 - 10.0 * d4);
    const double s = (r - IntFloor(r) + 0.000000001) * 1000.0;
    const double d2 = IntFloor(s / 100.0);
    const double d1 = IntFloor((s - 100.0 * d2) / 10.0);

    auto pack = [](double high, double low) {
        return static_cast<std::uint8_t>(static_cast<int>(16.0 * high + low) & 0xFF);
    };
    BcdBytes[0] = pack(h, t);
    BcdBytes[1] = pack(u, d5);
    BcdBytes[2] = pack(d4, d3);
    BcdBytes[3] = pack(d2, d1);
    return BcdBytes[0];
}

QString BCDToFreq(int b0, int b1, int b2, int b3)
{
    // Nibbles are taken as they are, also above 9.
    const double value = 100.0 * HighNibble(b3) + 10.0 * LowNibble(b3) + HighNibble(b2) + LowNibble(b2) / 10.0
                         + HighNibble(b1) / 100.0 + LowNibble(b1) / 1000.0 + HighNibble(b0) / 10000.0
                         + LowNibble(b0) / 100000.0;
    BcdBytes = {static_cast<std::uint8_t>(b3), static_cast<std::uint8_t>(b2), static_cast<std::uint8_t>(b1),
                static_cast<std::uint8_t>(b0)};
    return WithFiveDecimals(ShortestText(value));
}

bool NoFrequency(const MemoryImage& image, int row, int col)
{
    for (int i = 0; i < 4; ++i) {
        if (image(row, col + i) != kErased)
            return false;
    }
    return true;
}

int FindOutOfBandChannel(const MemoryImage& image)
{
    for (int channel = 0; channel < Area::Chann.rows; ++channel) {
        for (int col : {0, 4}) {
            if (NoFrequency(image, channel, col))
                continue;
            const QString text = BCDToFreq(image(channel, col), image(channel, col + 1), image(channel, col + 2),
                                           image(channel, col + 3));
            if (OutOfBand(NumericValue(text)))
                return channel;
        }
    }
    return kNoChannel;
}

std::optional<std::array<int, 8>> DigitsOfFreqText(const QString& text)
{
    constexpr int kFractionDigits = 5;  // 100 kHz down to 10 Hz
    const QString number = TrimBlanks(text);
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? number : number.left(point);
    const QString fraction = point < 0 ? QString() : number.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;  // no digit at all
    long long units = 0;
    for (QChar ch : whole) {
        if (!IsDigitChar(ch))
            return std::nullopt;
        units = units * 10 + ch.digitValue() * kUnitsPerMhz;
        if (!HeldByEightDigits(units))
            return std::nullopt;
    }
    long long step = kUnitsPerMhz;
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        if (!IsDigitChar(fraction[i]))
            return std::nullopt;
        if (i < kFractionDigits) {
            step /= 10;
            units += fraction[i].digitValue() * step;
        }
    }
    return DigitsOfUnits(units);
}

bool PutFMFreq(double freq, int preset, MemoryImage& image)
{
    // Whole 10 Hz units, split into their digits, so that no digit picks up
    // the rounding error of a repeated subtraction.
    if (!HeldByEightDigits(freq))
        return false;
    const std::optional<std::array<int, 8>> digits = DigitsOfUnits(std::llround(freq * double(kUnitsPerMhz)));
    if (!digits)
        return false;
    for (int k = 0; k < 8; ++k)
        image(Area::FmPage.firstRow() + preset, k) = static_cast<std::int16_t>((*digits)[static_cast<std::size_t>(k)]);
    return true;
}
