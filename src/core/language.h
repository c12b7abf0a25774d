#pragma once
// The language flag and the two-language texts of the system.

#include <QString>

// Nonzero selects the Chinese texts, 0 the English ones. Every start is in
// English; only the (hidden) language switches change it.
extern int LangChinese;

// One text of the system in both its forms. The form shown is chosen by
// LangChinese at the moment the text is shown.
struct BiText {
    QString chn;
    QString eng;

    QString text() const { return LangChinese != 0 ? chn : eng; }
    bool operator==(const BiText&) const = default;
};

// A text that has the same form in both languages (numbers, names, the one
// message that has no English form).
inline BiText SameText(const QString& both)
{
    return BiText{both, both};
}

// Joins pieces into one text form by form: Concat({a, SameText(n), b}).
BiText Concat(std::initializer_list<BiText> pieces);
