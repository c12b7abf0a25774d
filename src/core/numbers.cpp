#include "core/numbers.h"

#include <charconv>
#include <cmath>

namespace {

// How a number is read at the start of a text: NumericValue's way, blanks
// anywhere dropped and a sign first, or as a bare run of digits.
enum class Reading { BlanksAndSign, DigitsOnly };

// The longest prefix of the text that reads as [sign] digits [. digits];
// empty when it holds no digit.
QByteArray NumberPrefix(const QString& text, Reading reading = Reading::BlanksAndSign)
{
    const bool blanksAndSign = reading == Reading::BlanksAndSign;
    QByteArray number;
    bool seenPoint = false;
    bool seenDigit = false;
    for (QChar ch : text) {
        if (blanksAndSign && ch == QLatin1Char(' '))
            continue;
        const bool isSign = ch == QLatin1Char('+') || ch == QLatin1Char('-');
        if (blanksAndSign && isSign && number.isEmpty()) {
            number.append(char(ch.unicode()));
        } else if (IsDigitChar(ch)) {
            number.append(char(ch.unicode()));
            seenDigit = true;
        } else if (ch == QLatin1Char('.') && !seenPoint) {
            number.append('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    return seenDigit ? number : QByteArray();
}

// The value of [sign] digits [. digits], converted to the correctly rounded
// double, the same value a compiler would give the literal; 0 for the empty
// text.
double ValueOf(const QByteArray& number)
{
    if (number.isEmpty())
        return 0.0;
    // from_chars takes no leading '+' and is independent of the C locale.
    const char* first = number.constData();
    const char* last = first + number.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first;
    double value = 0.0;
    if (std::from_chars(first, last, value, std::chars_format::fixed).ec == std::errc::result_out_of_range) {
        // Beyond a double: too large when a digit before the point is not 0,
        // else too small.
        const char* digit = first;
        while (digit != last && *digit == '0')
            ++digit;
        value = digit != last && *digit != '.' ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double NumericValue(const QString& text)
{
    return ValueOf(NumberPrefix(text));
}

double LeadingDigitsValue(const QString& text)
{
    return ValueOf(NumberPrefix(text, Reading::DigitsOnly));
}

QString NumericText(const QString& text)
{
    return QString::fromLatin1(NumberPrefix(text));
}

double IntFloor(double x)
{
    return std::floor(x);
}

double RoundHalfEven(double x)
{
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

QString ShortestText(double x)
{
    if (x == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString SignedText(double x)
{
    if (x < 0.0)
        return ShortestText(x);
    return QLatin1Char(' ') + ShortestText(x);
}

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QStringList StepTexts(int first, int step, int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts << QString::number(first + step * i);
    return texts;
}
