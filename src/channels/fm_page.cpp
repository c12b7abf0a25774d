#include "channels/fm_page.h"

#include "channels/chann_entry.h"
#include "core/freq_codec.h"
#include "core/latin1.h"
#include "core/numbers.h"

#include <QList>

namespace {

using Preset = MemoryImage::Row;

constexpr int kDigitBytes = 8;
constexpr int kUnitsPerMhz = 100000;  // 10 Hz units
constexpr int kFreqChars = 9;         // "108.00000"
constexpr int kLowFreqChars = 8;      // "88.90000", below 100 MHz
constexpr double kThreeDigitMhz = 100;
constexpr int kBlank = 0x20;

// The first name byte for a name of n characters (1..6).
constexpr std::array<int, kFmNameMax + 1> kNameFirstByte{0, 11, 11, 10, 10, 9, 8};

Preset PresetOf(int r, const MemoryImage& image)
{
    return image.row(FmPresetImageRow(r));
}

void Store(int r, const Preset& preset, MemoryImage& image)
{
    image.row(FmPresetImageRow(r)) = preset;
}

bool ShownEmpty(const Preset& p)
{
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

FmDigits DigitsOf(const Preset& p)
{
    FmDigits digits{};
    for (int k = 0; k < kDigitBytes; ++k)
        digits[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k)];
    return digits;
}

void SetDigits(Preset& p, const FmDigits& digits)
{
    for (int k = 0; k < kDigitBytes; ++k)
        p[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(digits[static_cast<std::size_t>(k)]);
}

bool IsCharCode(int b)
{
    return b >= 0 && b <= 0xFF;
}

// The name as the grid shows it: blanks and 0xFF left out wherever they stand.
QString ShownName(const Preset& p)
{
    QString name;
    for (int c = kFmNameFirstByte; c < kRowBytes; ++c) {
        const int b = p[static_cast<std::size_t>(c)];
        if (IsCharCode(b) && b != kBlank && b != kErased)
            name += ByteToChar(b);
    }
    return name;
}

// The name as the bytes hold it: 0xFF left out, inner blanks kept.
QString StoredName(const Preset& p)
{
    QString name;
    for (int c = kFmNameFirstByte; c < kRowBytes; ++c) {
        const int b = p[static_cast<std::size_t>(c)];
        if (IsCharCode(b) && b != kErased)
            name += ByteToChar(b);
    }
    return TrimBlanks(name);
}

// Bytes 8..15 0xFF, then the name (outer blanks trimmed, its first 6
// characters) by the placement table.
void SetName(Preset& p, const QString& name)
{
    for (int c = kFmNameFirstByte; c < kRowBytes; ++c)
        p[static_cast<std::size_t>(c)] = kErased;
    const QList<uint> chars = TrimBlanks(name).toUcs4();
    const int n = std::min(static_cast<int>(chars.size()), kFmNameMax);
    if (n == 0)
        return;
    for (int i = 0; i < n; ++i) {
        const uint ch = chars[i];
        p[static_cast<std::size_t>(kNameFirstByte[n] + i)] = static_cast<std::int16_t>(ch <= 0xFF ? ch : kErased);
    }
}

// The frequency in whole 10 Hz units, each digit byte as it stands.
long long UnitsOf(const FmDigits& digits)
{
    long long units = 0;
    for (int d : digits)
        units = units * 10 + d;
    return units;
}

Preset EmptyPreset()
{
    Preset p{};
    SetName(p, QString());
    return p;
}

// The name bytes put where the placement table puts them, when that shows
// the same name; otherwise as they stand (a name of 7 or 8 characters).
void ReplaceName(Preset& p)
{
    Preset placed = p;
    SetName(placed, StoredName(p));
    if (ShownName(placed) == ShownName(p))
        p = placed;
}

// The first 6 characters of a name, in capitals where the capital is one
// Latin-1 character ("ß" and "ÿ" stay as they are).
QString NameCellText(const QString& trimmed)
{
    const QList<uint> chars = trimmed.toUcs4();
    QString name;
    for (qsizetype i = 0; i < std::min<qsizetype>(chars.size(), kFmNameMax); ++i) {
        const char32_t capital = QChar::toUpper(char32_t{chars[i]});
        const char32_t kept = capital <= 0xFF ? capital : char32_t{chars[i]};
        name += QString::fromUcs4(&kept, 1);
    }
    return name;
}

QString PaddedFreq(const QString& text, double value)
{
    return text.leftJustified(value >= kThreeDigitMhz ? kFreqChars : kLowFreqChars, QLatin1Char('0'));
}

// The frequency a typed text holds, as a number text without a plus sign:
// its numeric value (numbers.h: blanks anywhere left out, a sign, digits),
// except that the character standing after the whole MHz is the point
// whatever it is, as in the encoding by character position: "98,5", "98-5"
// and "98/5" are "98.5". The fraction is the digits that follow it, up to
// the first other character: "98..5" is "98.".
QString FmFreqNumber(const QString& typed)
{
    QString number;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < typed.size() && typed[i] == QLatin1Char(' '))
            ++i;
    };
    const auto takeDigits = [&] {
        bool took = false;
        for (skipBlanks(); i < typed.size() && IsDigitChar(typed[i]); skipBlanks()) {
            number += typed[i++];
            took = true;
        }
        return took;
    };
    skipBlanks();
    if (i < typed.size() && typed[i] == QLatin1Char('-'))
        number += typed[i++];
    else if (i < typed.size() && typed[i] == QLatin1Char('+'))
        ++i;
    if (!takeDigits())
        return NumericText(typed);  // no whole MHz: ".5", letters, nothing
    if (i < typed.size()) {
        ++i;
        number += QLatin1Char('.');
        takeDigits();
    }
    return number;
}

}  // namespace

QString Cov_Freq(const FmDigits& digits)
{
    const long long units = UnitsOf(digits);
    const long long whole = units / kUnitsPerMhz;
    QString text = QString::number(whole);
    const QString fraction = QString::number(units % kUnitsPerMhz).rightJustified(5, QLatin1Char('0'));
    qsizetype kept = fraction.size();
    while (kept > 0 && fraction[kept - 1] == QLatin1Char('0'))
        --kept;
    if (kept > 0)
        text += QLatin1Char('.') + fraction.left(kept);
    // A whole number gets its point before the zeros, whatever its length:
    // "5" must not become "50000000".
    if (text.size() < kFreqChars && !text.contains(QLatin1Char('.')))
        text += QLatin1Char('.');
    return PaddedFreq(text, static_cast<double>(whole));
}

void FM_Show_Row(ChannCells& cells, int r, const MemoryImage& image)
{
    const Preset p = PresetOf(r, image);
    if (ShownEmpty(p)) {
        cells.setCell(r, FmCol::Freq, QString());
        cells.setCell(r, FmCol::Name, QString());
        return;
    }
    cells.setCell(r, FmCol::Freq, Cov_Freq(DigitsOf(p)));
    cells.setCell(r, FmCol::Name, ShownName(p));
}

void FM_Show(ChannCells& cells, const MemoryImage& image)
{
    for (int r = 1; r <= kFmPresets; ++r)
        FM_Show_Row(cells, r, image);
}

bool FM_Save_Row(int r, const QString& freq, const QString& name, MemoryImage& image)
{
    if (TrimBlanks(freq).isEmpty()) {
        Store(r, EmptyPreset(), image);
        return true;
    }
    const std::optional<FmDigits> digits = DigitsOfFreqText(freq);
    if (!digits)
        return false;
    Preset p{};
    SetDigits(p, *digits);
    SetName(p, name);
    Store(r, p, image);
    return true;
}

std::optional<Message> FM_FreqCommit(ChannCells& cells, int r, const QString& typed, double min, double max,
                                     MemoryImage& image)
{
    if (TrimBlanks(typed).isEmpty()) {
        FM_Save_Row(r, QString(), QString(), image);
        FM_Show_Row(cells, r, image);
        return std::nullopt;
    }
    std::optional<Message> message;
    const QString number = FmFreqNumber(typed);
    const double v = NumericValue(number);
    std::optional<FmDigits> digits = DigitsOfFreqText(number);
    // The digits decide too: a double reads "86.99999999999999999" as 87,
    // and its digits are 86.99999 MHz.
    if (v < min || v > max || !digits || UnitsOf(*digits) < min * kUnitsPerMhz) {
        message = ChannEntryText::RxOutOfRange();
        digits = DigitsOfFreqText(ShortestText(min));
    }
    if (!digits)
        return message;  // limits outside what eight digits hold
    Preset p = PresetOf(r, image);
    if (ShownEmpty(p)) {
        p = EmptyPreset();
    } else {
        ReplaceName(p);
    }
    SetDigits(p, *digits);
    Store(r, p, image);
    FM_Show_Row(cells, r, image);
    return message;
}

std::optional<Message> FM_NameCommit(ChannCells& cells, int r, const QString& typed, MemoryImage& image)
{
    const QString trimmed = TrimBlanks(typed);
    std::optional<Message> message;
    if (trimmed.toUcs4().size() > kFmNameMax)
        message = ChannEntryText::NameTooLong();
    const QString freq = cells.cell(r, FmCol::Freq);
    if (CellIsBlank(cells, r, FmCol::Freq)) {
        FM_Save_Row(r, QString(), QString(), image);
        FM_Show_Row(cells, r, image);
        return message;
    }
    // The frequency the row holds: the cell's, or the bytes as they stand
    // when eight digits cannot hold it (an erased preset).
    Preset p = PresetOf(r, image);
    if (const std::optional<FmDigits> digits = DigitsOfFreqText(freq))
        SetDigits(p, *digits);
    SetName(p, NameCellText(trimmed));
    Store(r, p, image);
    FM_Show_Row(cells, r, image);
    return message;
}

void FM_Recode_Row(int r, MemoryImage& image)
{
    const Preset before = PresetOf(r, image);
    if (ShownEmpty(before)) {
        Store(r, EmptyPreset(), image);
        return;
    }
    // The frequency the row shows, in proper digits: a digit byte above 9
    // counts as it stands. From 1000 MHz up (an erased preset) the row keeps
    // its bytes: eight digits do not hold what it shows.
    const std::optional<FmDigits> digits = DigitsOfFreqText(Cov_Freq(DigitsOf(before)));
    if (!digits)
        return;
    Preset p = before;
    SetDigits(p, *digits);
    ReplaceName(p);
    Store(r, p, image);
}
