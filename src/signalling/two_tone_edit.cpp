#include "signalling/two_tone_edit.h"

#include "core/box_leave.h"
#include "core/numbers.h"
#include "core/two_tone_defaults.h"
#include "signalling/signal_texts.h"
#include "signalling/two_tone_area.h"

namespace TwoToneText {

Message FreqRange()
{
    return {
        {QStringLiteral("频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"), QStringLiteral("Frequency range 300Hz to 3000Hz")},
        SignalText::EntryTitle};
}

}  // namespace TwoToneText

namespace {

constexpr int kEnter = 13;  // the character code of Enter, as the key handlers get it
// A tone box takes no key once it holds 7 characters.
constexpr int kToneBoxFull = 6;

bool InRange(double hz)
{
    return hz >= kTwoToneMinHz && hz <= kTwoToneMaxHz;
}

std::optional<Message> Refused(const QString& text)
{
    if (TrimBlanks(text).isEmpty())
        return std::nullopt;
    return TwoToneText::FreqRange();
}

}  // namespace

int TwoToneEncodeKey(int key)
{
    const bool digit = key >= '0' && key <= '9';
    return digit || key == '.' || key == kEnter ? key : 0;
}

int TwoToneToneKey(int key, const QString& boxText)
{
    if (TrimBlanks(boxText).size() > kToneBoxFull)
        return 0;
    return TwoToneEncodeKey(key);
}

std::optional<Message> TwoTone_EncodeCommit(int r, int c, const QString& text, CellEntry entry, MemoryImage& image)
{
    // The cell shows a tone only within 300..3000 Hz: an erased word (FF FF)
    // or one out of range shows blank, and committed unchanged the blank
    // cell would store 00 00 over it.
    if (entry == CellEntry::ClickedThrough)
        return std::nullopt;
    const int row = kTwoToneEncRow + r - 1;
    const int at = c == 1 ? 0 : kTwoToneSecondToneAt;
    const double v = LeadingDigitsValue(text);
    int hz = 0;
    std::optional<Message> message;
    if (InRange(v))
        hz = static_cast<int>(IntFloor(v + 0.5));
    else
        message = Refused(text);
    image(row, at) = static_cast<std::int16_t>(hz % 256);
    image(row, at + 1) = static_cast<std::int16_t>(hz / 256);
    return message;
}

std::optional<Message> TwoTone_ToneCommit(int x, int t, const QString& text, MemoryImage& image)
{
    // A box left as it shows the tone set holds no edit: a word out of
    // range (8000 Hz), or a blank over 00 00 with a period word, stays.
    if (BoxShowsHeld(text, TwoToneSetText(x, t, image)))
        return std::nullopt;
    const double f = RoundHalfEven(LeadingDigitsValue(text));
    if (InRange(f)) {
        PutTwoToneFreq(kTwoToneSetPage, x, t, static_cast<int>(f), image);
        return std::nullopt;
    }
    const int row = kTwoToneSetRow + x;
    for (int at : {2 * t, 2 * t + 1, kTwoTonePeriodAt + 2 * t, kTwoTonePeriodAt + 2 * t + 1})
        image(row, at) = kErased;
    return Refused(text);
}
