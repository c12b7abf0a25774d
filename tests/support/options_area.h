#pragma once
// An options area for the radio simulator that the options window shows as
// it stands: every setting inside its list, centred message lines, codes
// closed up, offsets on the 50 kHz raster, listed tones and VFO frequencies
// inside the simulator's bands (VFO A 145.5 MHz, VFO B 435.125 MHz). Each
// field differs from the image given, and the bytes no control edits
// (0x0E31..0x0EBF, 0x0ECC..0x0ECF, 0x0F40..0x0FFF) keep the radio's own
// pattern.

class MemoryImage;
class RadioSimulator;

namespace OptionsArea {

inline constexpr int kAddress = 0x0E00;
inline constexpr int kBytes = 0x200;  // 0x0E00..0x0FFF

void PutInto(RadioSimulator& radio, const MemoryImage& differFrom);

}  // namespace OptionsArea
