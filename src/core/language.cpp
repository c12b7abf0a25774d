#include "core/language.h"

int LangChinese = 0;

BiText Concat(std::initializer_list<BiText> pieces)
{
    BiText joined;
    for (const BiText& piece : pieces) {
        joined.chn += piece.chn;
        joined.eng += piece.eng;
    }
    return joined;
}
