#include "core/char_codes.h"

#include "core/numbers.h"

#include <array>

namespace {

// DTMF digits in code order 0..15.
constexpr char kDtmfDigits[] = "D1234567890*#ABC";

constexpr std::array<const char*, kFiveToneStandards> kStandardNames{"CCIR1", "CCIR2", "PCCIR", "ZVEI1",  "ZVEI2",
                                                                     "ZVEI3", "PZVEI", "DZVEI", "PDZVEI", "EEA",
                                                                     "EIA",   "EURO",  "CCITT", "NATEL",  "MODAT"};

// The single character of a one-character text, or 0.
char16_t SingleChar(const QString& ch)
{
    return ch.size() == 1 ? ch[0].unicode() : u'\0';
}

bool IsMsgChar(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'+' || c == u'-' || c == u' ';
}

}  // namespace

QString DtmfDigitChars()
{
    return QString::fromLatin1(kDtmfDigits);
}

QString DtmfCodeToChar(int code)
{
    if (code < 0 || code > 15)
        return {};
    return QString(QLatin1Char(kDtmfDigits[code]));
}

QString DtmfCodesText(std::span<const std::int16_t> codes)
{
    QString text;
    for (const std::int16_t code : codes)
        text += DtmfCodeToChar(code);
    return text;
}

int DtmfCharToCode(const QString& ch)
{
    char16_t c = SingleChar(ch);
    if (c >= u'a' && c <= u'd')
        c = static_cast<char16_t>(c - u'a' + u'A');
    for (int code = 0; code < 16; ++code) {
        if (c != u'\0' && c == static_cast<char16_t>(kDtmfDigits[code]))
            return code;
    }
    return kNoDigit;
}

int HexCharToCode(const QString& ch)
{
    const char16_t c = SingleChar(ch);
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return 0xFF;
}

QString CodeToMsgChar(int code)
{
    if (code < 0 || code > 0xFF || !IsMsgChar(static_cast<char16_t>(code)))
        return {};
    return QString(QChar(static_cast<char16_t>(code)));
}

QString MsgChars()
{
    QString chars;
    for (char16_t c = u' '; c <= u'Z'; ++c) {
        if (IsMsgChar(c))
            chars += QChar(c);
    }
    return chars;
}

int MsgCharToCode(const QString& ch)
{
    char16_t c = SingleChar(ch);
    if (c >= u'a' && c <= u'z')
        c = static_cast<char16_t>(c - u'a' + u'A');
    return c != u'\0' && IsMsgChar(c) ? c : kMsgUnknownChar;
}

int FiveToneStdIndex(QString& name)
{
    name = TrimBlanks(name);
    for (int i = 0; i < kFiveToneStandards; ++i) {
        if (name == QLatin1String(kStandardNames[i]))
            return i;
    }
    return kNoStandard;
}

QString FiveToneStdName(int index)
{
    if (index < 0 || index >= kFiveToneStandards)
        return {};
    return QLatin1String(kStandardNames[index]);
}
