#include "core/language_texts.h"

std::array<QString, 6> AboutTexts;
std::array<QString, 4> TwoToneResp;
std::array<QString, 9> DecodeFuncNames;

void SetLanguageTexts()
{
}
