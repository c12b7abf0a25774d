#include "signalling/five_tone_edit.h"

#include "core/char_codes.h"
#include "core/numbers.h"
#include "signalling/five_tone_area.h"
#include "signalling/signal_texts.h"

namespace {
// The character codes of the two control keys the filter names.
constexpr int kBackspaceKey = 8;
constexpr int kEnterKey = 13;
}  // namespace

FiveToneEncEditor FiveTone_EncEditorFor(int r, int c, const QString& frame1Cell)
{
    if (r < 1 || r > kFiveToneCodes || c <= FiveToneEncCol::Code || c > FiveToneEncCol::Standard)
        return FiveToneEncEditor::None;
    if (c > FiveToneEncCol::Frame1 && frame1Cell.isEmpty())
        return FiveToneEncEditor::None;
    return c == FiveToneEncCol::Standard ? FiveToneEncEditor::Standard : FiveToneEncEditor::Digits;
}

int FiveToneEncodeKey(int key, const QString& editorText)
{
    if (key == kBackspaceKey)
        return key;
    const bool digit = key > 0 && key <= 0xFFFF && HexCharToCode(QString(QChar(static_cast<char16_t>(key)))) != 0xFF;
    if ((digit || key == kEnterKey) && TrimBlanks(editorText).size() <= kFiveToneFrameDigits)
        return key;
    return 0;
}

FiveToneFrameLeave FiveTone_FrameLeave(const QString& editorText)
{
    const qsizetype n = TrimBlanks(editorText).size();
    if (n == kFiveToneFrameDigits)
        return FiveToneFrameLeave::TakeText;
    if (n == 0)
        return FiveToneFrameLeave::KeepCell;
    return FiveToneFrameLeave::Refuse;
}

namespace FiveToneText {

Message DigitCount()
{
    return {{QStringLiteral("编码位数为 5 位 ！"), QStringLiteral("Encode Digit is 5 Bits.")}, SignalText::EntryTitle};
}

}  // namespace FiveToneText
