#pragma once
// The texts shared by several windows, set for the current language.

#include "core/language.h"

#include <QString>
#include <array>

extern std::array<QString, 6> AboutTexts;       // title, maker, designer, warning, OK, system info
extern std::array<QString, 4> TwoToneResp;      // two-tone decode responses 0..3
extern std::array<QString, 9> DecodeFuncNames;  // five-tone decode functions 0..8

// The same texts in both forms.
extern const std::array<BiText, 6> kAboutTexts;
extern const std::array<BiText, 4> kTwoToneResp;
extern const std::array<BiText, 9> kDecodeFuncNames;

// Overwrites all 19 strings in the language LangChinese selects.
void SetLanguageTexts();
