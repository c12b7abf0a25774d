#pragma once
// A channel table for the radio simulator: every kind of channel the editor
// shows (VHF and UHF, simplex, duplex and receive-only, the tone kinds, named
// and unnamed, empty), with distinct data in the channel area and in the
// name area, all inside the channel editor's own band limits. An empty
// channel holds an old channel's bytes behind the 0xFF that empties it.

#include <QByteArray>

class MemoryImage;
class RadioSimulator;

namespace ChannelTable {

inline constexpr int kChannels = 200;

// The 16 bytes of channel i's main record and of its name record.
QByteArray MainRecord(int channel);
QByteArray NameRecord(int channel);
// The name the grid shows for channel i ("" for none).
QString Name(int channel);
bool Empty(int channel);

// Puts the table into the radio's channel and name areas; the rows after the
// last channel (0x0C80, 0x1C80), which a write sends from the image, hold 0xFF.
void PutInto(RadioSimulator& radio);
// Puts the table into the image's channel and name rows, as a read, a ".dat"
// file or a whole-image read would leave it.
void PutInto(MemoryImage& image);

}  // namespace ChannelTable
