#include "options/opt_codes.h"

#include "core/box_leave.h"
#include "core/char_codes.h"
#include "core/numbers.h"

#include <algorithm>

namespace {

constexpr int kBlank = 0x20;
constexpr int kMsgKeyLimit = kPonMsgLineLength;   // refused past six characters
constexpr int kCodeKeyLimit = kOptCodeBytes - 1;  // refused past fifteen characters
constexpr int kAniShortest = 3;
constexpr int kAniLongest = 5;
const QString kAniLowest = QStringLiteral("00000");
const QString kAniHighest = QStringLiteral("99999");

QString TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

}  // namespace

void PonMsg_Store(PonLine line, const QString& text, MemoryImage& image)
{
    const int first = static_cast<int>(line);
    for (int i = 0; i < kPonMsgLineLength; ++i)
        image(kPonMsgRow, first + i) = kBlank;
    const QString s = TrimBlanks(text);
    int n = static_cast<int>(s.size());
    int pad = 0;
    if (n > kPonMsgLineLength - 1)
        n = kPonMsgLineLength;
    else
        pad = (kPonMsgLineLength - n) / 2;
    for (int i = 0; i < n; ++i) {
        QString ch(s[i]);
        ch.remove(QLatin1Char(' '));
        image(kPonMsgRow, first + pad + i) = static_cast<std::int16_t>(MsgCharToCode(ch));
    }
}

QString PonMsg_Text(PonLine line, const MemoryImage& image)
{
    const int first = static_cast<int>(line);
    QString t;
    for (int i = 0; i < kPonMsgLineLength; ++i)
        t = TrimBlanks(t) + CodeToMsgChar(image(kPonMsgRow, first + i));
    return line == PonLine::Lower ? TrimTrailingBlanks(t) : t;
}

bool PonMsg_KeyRefused(const QString& text)
{
    return TrimBlanks(text).size() > kMsgKeyLimit;
}

void DtmfCode_Store(int row, const QString& text, MemoryImage& image)
{
    for (int c = 0; c < kOptCodeBytes; ++c)
        image(row, c) = kNoDigit;
    const QString s = TrimBlanks(text);
    const int n = std::min(static_cast<int>(s.size()), kOptCodeBytes);
    for (int i = 0; i < n; ++i)
        image(row, i) = static_cast<std::int16_t>(DtmfCharToCode(QString(s[i])));
}

bool DtmfCode_KeyRefused(const QString& text)
{
    return text.size() > kCodeKeyLimit;
}

std::optional<Message> AniCheck(const QString& text, const QString& painted)
{
    if (BoxShowsHeld(text, painted))
        return std::nullopt;
    const QString s = TrimBlanks(text);
    if (s.size() < kAniShortest || s.size() > kAniLongest)
        return OptCodeText::AniLength();
    if (s < kAniLowest || s > kAniHighest)
        return OptCodeText::AniRange();
    return std::nullopt;
}

namespace OptCodeText {

const BiText PonMsgLabel{QStringLiteral("开机显示字符"), QStringLiteral("Power-On Message")};
const BiText AniLabel{QStringLiteral("身份码"), QStringLiteral("ANI")};
const BiText SendBeginLabel{QStringLiteral("按下发码"), QStringLiteral("Press PTT to Send")};
const BiText SendEndLabel{QStringLiteral("松开发码"), QStringLiteral("Release PTT to Send")};

Message AniLength()
{
    return {{QStringLiteral("身份码长度为 3 - 5 位 ！"), QStringLiteral("ANI ID code length is 3 to 5 digit.")},
            Titles::OperatePromptUpper};
}

Message AniRange()
{
    return {{QStringLiteral(" 身份码的有效数字为 00000 - 99999 "),
             QStringLiteral(" Available ANI ID code from 00000 to 99999. ")},
            Titles::OperatePromptUpper};
}

}  // namespace OptCodeText
