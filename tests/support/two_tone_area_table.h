#pragma once
// A two-tone area for the radio simulator: valid settings that differ from
// the defaults in every entry (15 encode pairs, the durations, 15 decode
// entries of four decoders, 15 tone sets with their period words, the reset
// time), and the simulator's own pattern left in every byte that carries no
// setting (encode bytes 2..7 and 10..15, row 0x2DF0 bytes 3..15, decode
// bytes 12..15, row 0x2EF0, row 0x2FF0 bytes 1..15).

#include <QStringList>

class RadioSimulator;

namespace TwoToneAreaTable {

// Encode entry e (1..15): its two tones in hertz; tone set of decode entry e:
// tone t (0..3).
int EncodeHz(int entry, int tone);
int SetHz(int entry, int tone);
// Decoder k (0..3) of decode entry e: pair code, response, alert number.
int Pair(int entry, int decoder);
int Response(int entry, int decoder);
int Alert(int entry, int decoder);
// The duration items (0..100) and the reset-time item (0..79) stored.
int Duration(int which);
int ResetItem();

// Writes the settings into the radio's two-tone area.
void PutInto(RadioSimulator& radio);

// What the window's bar and label show during a whole read and a whole
// write, one "<bar> <label>" for each label (LinkDisplayLog).
QStringList ReadDisplay();
QStringList WriteDisplay();

}  // namespace TwoToneAreaTable
