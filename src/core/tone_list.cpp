#include "core/tone_list.h"

#include "core/numbers.h"

QStringList ToneList;
std::array<std::uint8_t, 10> ModelIdent{};

namespace {

// CTCSS tones in tenths of a hertz, list positions 1..50.
constexpr std::array<int, 50> kCtcssTenths{670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
                                           1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
                                           1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
                                           1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// The 105 DCS codes (octal digits), in list order.
constexpr std::array<const char*, 105> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

QString Padded(int before, const QString& value, int after)
{
    return QString(before, QLatin1Char(' ')) + value + QString(after, QLatin1Char(' '));
}

// The stored form of each entry: blanks before and after by index range.
QString StoredForm(int index, const QString& value)
{
    if (index == 0)
        return Padded(3, value, 6);
    if (index <= 9)
        return Padded(3, value, 4);
    if (index <= 12)
        return Padded(2, value, 4);
    if (index <= 99)
        return Padded(2, value, 3);
    return Padded(1, value, 3);
}

QString CtcssText(int tenths)
{
    QString text = ShortestText(tenths / 10.0);
    if (!text.contains(QLatin1Char('.')))
        text += QStringLiteral(".0");
    return text;
}

}  // namespace

void InitToneTables()
{
    QStringList values;
    values.reserve(kToneCount);
    values << QStringLiteral("OFF");
    for (int tenths : kCtcssTenths)
        values << CtcssText(tenths);
    for (const char* code : kDcsCodes)
        values << QStringLiteral("D") + QLatin1String(code) + QStringLiteral("N");
    for (const char* code : kDcsCodes)
        values << QStringLiteral("D") + QLatin1String(code) + QStringLiteral("I");

    ToneList.clear();
    for (int i = 0; i < values.size(); ++i)
        ToneList << StoredForm(i, values[i]);

    ModelIdent.fill(0);
    const char signature[] = "VDSQ";
    for (int i = 0; i < 4; ++i)
        ModelIdent[i] = static_cast<std::uint8_t>(signature[i]);
}

QString ToneTenthsText(int tenths)
{
    return CtcssText(tenths);
}

ToneWord ToneIndexToWord(int index)
{
    if (index >= kFirstCtcss && index <= kLastCtcss) {
        const int w = kCtcssTenths[index - kFirstCtcss];
        return {w % 256, w / 256};
    }
    if (index >= kFirstDcs && index <= kLastDcs)
        return {index - 50, 0};
    return {0, 0};
}

bool ToneWordIsOff(ToneWord word, bool singleFfIsOff)
{
    if (word.lo == 0 && word.hi == 0)
        return true;
    if (word.lo == 0xFF && word.hi == 0xFF)
        return true;
    return singleFfIsOff && (word.lo == 0xFF || word.hi == 0xFF);
}

QString ToneWordText(ToneWord word, bool singleFfIsOff)
{
    if (ToneWordIsOff(word, singleFfIsOff))
        return QStringLiteral("OFF");
    if (word.hi != 0) {
        if (word.hi >= 0x80)
            return {};
        return CtcssText(word.hi * 256 + word.lo);
    }
    if (word.lo >= 1 && word.lo <= kDcsNumbers)
        return TrimBlanks(ToneList.value(word.lo + 50));
    return {};
}

int ToneWordToIndex(ToneWord word, bool singleFfIsOff)
{
    if (ToneWordIsOff(word, singleFfIsOff))
        return 0;
    if (word.hi == 0)
        return word.lo >= 1 && word.lo <= kDcsNumbers ? word.lo + 50 : -1;
    const int w = word.hi * 256 + word.lo;
    for (int i = 0; i < static_cast<int>(kCtcssTenths.size()); ++i) {
        if (kCtcssTenths[i] == w)
            return kFirstCtcss + i;
    }
    return -1;
}
