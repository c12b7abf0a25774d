#pragma once
// The radio's own character codes.

#include <QString>
#include <cstdint>
#include <span>

inline constexpr int kNoDigit = 0xFF;

// DTMF digit code: "D" 0, "1".."9" 1..9, "0" 10, "*" 11, "#" 12, "A".."C"
// 13..15; 0xFF is no digit.
QString DtmfCodeToChar(int code);       // empty for anything outside 0..15
QString DtmfDigitChars();               // the 16 digits, in code order
int DtmfCharToCode(const QString& ch);  // "a".."d" accepted; 255 when none
// A code of DTMF digits as its box shows it: the digit of each code in
// order; a code that is no digit (0xFF after the last, a hole) adds nothing.
QString DtmfCodesText(std::span<const std::int16_t> codes);

// Hex digit of the five-tone encode digits: 0..15, or 255.
int HexCharToCode(const QString& ch);

// Power-on message character code: "0".."9", "A".."Z", "+", "-" and blank as
// their ASCII codes, lower-case letters as upper case, anything else 11.
inline constexpr int kMsgUnknownChar = 11;
QString CodeToMsgChar(int code);  // empty for codes without a character
QString MsgChars();               // every character a message shows
int MsgCharToCode(const QString& ch);

// Five-tone standards, stored as their index 0..14.
inline constexpr int kFiveToneStandards = 15;
inline constexpr int kNoStandard = 0xFF;
// Trims `name` in place, then compares it exactly with the 15 names.
int FiveToneStdIndex(QString& name);
QString FiveToneStdName(int index);  // empty outside 0..14
