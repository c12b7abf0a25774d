#pragma once
// One byte is one character: the radio's texts are single-byte Latin-1.

#include <QString>

// The character of one byte value (0..255).
inline QString ByteToChar(int byte)
{
    return QString(QChar(static_cast<char16_t>(byte & 0xFF)));
}

// The byte of a character, or -1 when the character has no single-byte code.
inline int CharToByte(QChar ch)
{
    return ch.unicode() <= 0xFF ? ch.unicode() : -1;
}
