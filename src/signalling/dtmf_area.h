#pragma once
// The DTMF signalling area, radio 0x2900..0x2AFF (image rows 656..687):
// where its rows lie, what its bytes mean, and the stores the DTMF editor's
// controls make. Every edit goes straight into the image.
//
// The area has two halves of 16 rows, each addressed from its row base (the
// high byte of its first address):
//   encode half, EncBaseHi 0x29: rows base * 16 + 0..14 the encode codes 1 to
//     15, base * 16 + 15 the send speeds (DtmfSpeedRec);
//   decode half, CodeBaseHi 0x2A: rows base * 16 + 0..5 the function codes
//     (inspection, monitor, alarm, stun, kill, revive), + 6..12 not used by
//     the editor, + 13 the master control ID, + 14 the vice control ID, + 15
//     the control row (DtmfCtrlRec).
// A code row holds up to 16 DTMF digit codes (core/char_codes.h) from byte
// 0, 0xFF after the last one.

#include "core/memory_image.h"

#include <QString>
#include <QStringList>

namespace Dtmf {

inline constexpr int EncBaseHi = Area::Dtmf.baseHi();  // 0x29
inline constexpr int CodeBaseHi = EncBaseHi + 1;       // 0x2A
inline constexpr int kRowsPerBase = 16;

inline constexpr int kEncodeCodes = 15;  // encode codes 1..15
inline constexpr int kCodeDigits = kRowBytes;
inline constexpr int kSpeedRowIndex = 15;  // of the encode half
inline constexpr int kCtrlRowIndex = 15;   // of the decode half

// The codes of the decode half, by their row within it.
enum class Code {
    Inspection = 0,
    Monitor = 1,
    Alarm = 2,
    Stun = 3,
    Kill = 4,
    Revive = 5,
    MasterId = 13,
    ViceId = 14,
};

constexpr int EncodeRow(int encBaseHi, int index)  // index 0..14: code index + 1
{
    return encBaseHi * kRowsPerBase + index;
}
constexpr int SpeedRow(int encBaseHi)
{
    return encBaseHi * kRowsPerBase + kSpeedRowIndex;
}
constexpr int CodeRow(int codeBaseHi, Code code)
{
    return codeBaseHi * kRowsPerBase + static_cast<int>(code);
}
constexpr int CtrlRow(int codeBaseHi)
{
    return codeBaseHi * kRowsPerBase + kCtrlRowIndex;
}

// DtmfSpeedRec: the list indexes of the tone-on and tone-off times.
namespace Speed {
inline constexpr int OnTimeIndex = 0;
inline constexpr int OffTimeIndex = 1;
}  // namespace Speed

// DtmfCtrlRec.
namespace Ctrl {
inline constexpr int CtrlById = 0;             // 1: functions controlled by the master and vice IDs
inline constexpr int MasterRights = 1;         // bit DtmfRightBit: the master ID may trigger it
inline constexpr int ViceRights = 2;           // the same for the vice ID
inline constexpr int InhibitBits = 3;          // bit 0 receive inhibit, bit 1 transmit inhibit
inline constexpr int GroupDigit = 4;           // a DTMF digit code
inline constexpr int SeparatorDigit = 5;       // a DTMF digit code
inline constexpr int DecodeEndDelayIndex = 6;  // list index
inline constexpr int ResetTimeIndex = 7;       // list index
}  // namespace Ctrl

// DtmfRightBit: the bit of a function in MasterRights and ViceRights (the
// alarm has none).
enum DtmfRightBit { RightInspection = 0, RightMonitor = 1, RightStun = 2, RightKill = 3, RightRevive = 4 };
inline constexpr int kRights = 5;

inline constexpr int kRxInhibitMask = 1;
inline constexpr int kTxInhibitMask = 2;

constexpr int RightMask(int bit)
{
    return 1 << bit;
}

// The index lists of the times, and what an index means.
inline constexpr int kSpeedItems = 196;     // 50..2000 ms
inline constexpr int kDelayItems = 40;      // 100..4000 ms
inline constexpr int kResetTimeItems = 80;  // 100..8000 ms
constexpr int SpeedMs(int index)            // tone on and tone off
{
    return 50 + 10 * index;
}
constexpr int DecoderMs(int index)  // decode-end delay and reset time
{
    return 100 * (index + 1);
}
QStringList SpeedItems();
QStringList DelayItems();
QStringList ResetTimeItems();
// The digits the group and separator lists offer: "*", "#", "A" .. "D".
QStringList DigitItems();

// The text of a code row: the character of each byte in byte order; a byte
// that is no digit code adds nothing and the bytes after it still count.
QString CodeText(const MemoryImage& image, int row);

// The row rewrite of a code box: every byte 0xFF, then the code of each of
// the first 16 characters of the text without its leading and trailing
// blanks (0xFF for a character outside the DTMF digits).
void StoreCode(const QString& text, int row, MemoryImage& image = Edata);

// What a code box keeps of a text reaching it: a text of more than 16
// characters between its blanks is cut to its first 16.
QString CodeBoxText(const QString& text);

// The key filter of a code box holding text: the digits, "a".."d",
// "A".."D", "*", "#" and Enter pass while the box holds fewer than 16
// characters between its blanks; every other key and every key at 16 is
// dropped (0).
int CodeKey(int key, const QString& text);

// A rights or inhibit box: its bits set (ticked) or cleared, no other bit
// of the byte touched.
void StoreBits(bool ticked, int mask, int row, int col, MemoryImage& image = Edata);

}  // namespace Dtmf
