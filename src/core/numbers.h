#pragma once
// Number rules shared by every editor and codec. Each rule lives here once.

#include <QString>
#include <QStringList>

// "0".."9", and no other digit.
inline bool IsDigitChar(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// The numeric value of a text: the decimal number at its start. Blanks
// anywhere are ignored; an optional sign and digits with at most one decimal
// point are read; reading stops at the first character that cannot continue
// the number. A text without a number at its start (the empty text included)
// is 0; a number too large for a double is infinite (with its sign), one too
// small is 0.
double NumericValue(const QString& text);

// The numeric value of a typed text in the signalling editors: its longest
// leading run of digits with at most one decimal point ("12.5.3" is 12.5,
// ".5" is 0.5). Nothing is skipped: a text that starts with a blank, a sign
// or any other character, the empty text and a lone point are 0; "1 7 00" is
// 1. A run too long for a double is infinite.
double LeadingDigitsValue(const QString& text);

// The number NumericValue reads, as the characters it read (blanks left
// out): "+98.5" of "+9 8.5x", "98." of "98..5"; empty when the text has no
// number at its start. For what a double would round.
QString NumericText(const QString& text);

// Int(): the largest whole number not above x.
double IntFloor(double x);

// Rounds to the nearest whole number, a half going to the even neighbour.
double RoundHalfEven(double x);

// The shortest decimal form of x with at most 15 significant digits and no
// blanks: 145.0025 gives "145.0025", 145 gives "145", 0.5 gives "0.5".
QString ShortestText(double x);

// Str(): ShortestText with a sign position in front, a blank for zero and
// positive values and "-" for negative ones: 136 gives " 136".
QString SignedText(double x);

// A text without its leading and trailing blanks (only U+0020 counts).
QString TrimBlanks(const QString& text);

// The items of an index list built by a rule: the decimal texts of count
// values from first in equal steps ("50", "60", ... for 50, 10).
QStringList StepTexts(int first, int step, int count);
