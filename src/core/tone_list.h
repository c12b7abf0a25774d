#pragma once
// The tone list shown by every CTCSS/DCS list, the tone word stored in the
// image, and the model signature.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

inline constexpr int kToneCount = 261;  // "OFF", 50 CTCSS, 105 DCS N, 105 DCS I
inline constexpr int kFirstCtcss = 1;
inline constexpr int kLastCtcss = 50;
inline constexpr int kFirstDcs = 51;  // DCS list number 1
inline constexpr int kLastDcs = 260;  // DCS list number 210
inline constexpr int kDcsNumbers = 210;

// The 261 texts, each with its blanks before and after ("   OFF      ",
// " D754N   "); users trim them before comparing.
extern QStringList ToneList;

// The model signature: elements 0..3 are "VDSQ", 4..9 stay 0.
extern std::array<std::uint8_t, 10> ModelIdent;

// Fills ToneList and ModelIdent. Calling it again gives the same content.
void InitToneTables();

// A tone word: two bytes, low byte first.
struct ToneWord {
    int lo = 0;
    int hi = 0;
    bool operator==(const ToneWord&) const = default;
};

// The word stored for a tone-list position: 0 is 00 00; 1..50 the tone in
// tenths of a hertz; 51..260 the DCS list number 1..210 with a zero high byte.
ToneWord ToneIndexToWord(int index);

// Both bytes 00 or both 0xFF mean off; with singleFfIsOff a single 0xFF byte
// is off too (the options editor's rule).
bool ToneWordIsOff(ToneWord word, bool singleFfIsOff = false);

// The trimmed text a stored word shows: "OFF"; a nonzero high byte is CTCSS,
// the tone in hertz in its shortest form with ".0" added to a whole number
// ("88.5", "100.0", also for tones between the listed ones); a zero high
// byte is DCS list number lo, shown as its list entry ("D754I"). A word
// without a text (a CTCSS word whose high byte is 0x80 or more, a DCS number
// above 210) gives the empty text.
QString ToneWordText(ToneWord word, bool singleFfIsOff = false);

// The text of a CTCSS tone in tenths of a hertz: the tone in hertz in its
// shortest form, ".0" added to a whole number ("88.5", "81.0").
QString ToneTenthsText(int tenths);

// The list position of a word: 0 for off, lo + 50 for DCS, the position of a
// listed CTCSS tone; -1 when the list has no entry for the word.
int ToneWordToIndex(ToneWord word, bool singleFfIsOff = false);
