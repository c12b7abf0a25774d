#include "core/fm_defaults.h"

#include "core/freq_codec.h"
#include "core/latin1.h"
#include "core/numbers.h"

#include <algorithm>
#include <array>

namespace {

struct Station {
    int preset;
    double mhz;
    const char* name;
};

constexpr std::array<Station, 9> kStations{{
    {0, 88.9, "MBNEW"},
    {1, 90.4, "CCTV1"},
    {3, 92.3, "JTZS2"},
    {5, 95.5, "MBBBC"},
    {7, 96.9, "CCTV4"},
    {9, 98.3, "TRQX"},
    {11, 103.9, "CCTV6"},
    {13, 100.7, "DNZS3"},
    {15, 105.9, "CCTV9"},
}};

}  // namespace

void FM_Defaults(MemoryImage& image)
{
    const int first = Area::FmPage.firstRow();
    for (int p = 0; p < kFmPresets; ++p) {
        for (int c = 0; c < kRowBytes; ++c)
            image(first + p, c) = c < kFmNameFirstByte ? 0x00 : kErased;
    }
    for (const Station& s : kStations)
        PutFMFreq(s.mhz, s.preset, image);
    for (const Station& s : kStations) {
        QString name = QLatin1String(s.name);
        PutFMName(name, s.preset, image);
    }
}

void PutFMName(QString& name, int preset, MemoryImage& image)
{
    name = TrimBlanks(name);
    if (preset < 0 || preset >= kFmPresets)
        return;
    const int row = Area::FmPage.firstRow() + preset;
    const int length = std::min(static_cast<int>(name.size()), kFmNameLength);
    for (int i = 0; i < length; ++i) {
        const int code = CharToByte(name[i]);
        image(row, kFmNameFirstByte + i) = static_cast<std::int16_t>(code < 0 ? kErased : code);
    }
}
