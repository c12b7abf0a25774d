#pragma once
// The texts shared by several windows, set for the current language.

#include <QString>
#include <array>

extern std::array<QString, 6> AboutTexts;      // title, version, description, disclaimer, OK, system info
extern std::array<QString, 4> TwoToneResp;     // two-tone decode responses 0..3
extern std::array<QString, 9> DecodeFuncNames; // five-tone decode functions 0..8

// Overwrites all 19 strings in the language LangChinese selects.
void SetLanguageTexts();
