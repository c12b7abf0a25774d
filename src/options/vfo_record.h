#pragma once
// The two VFO records of the options area. Each VFO has a frequency record
// (VfoFreqRec: bytes 0..7 the frequency, one decimal digit a byte from the
// 100 MHz digit down to the 10 Hz digit; bytes 8..13 the repeater offset in
// kHz, six digits, byte 8 always 0) and a parameter record (VfoParamRec:
// the receive and transmit tone words, then one list index a byte). The band
// is not stored: byte 0 = 1 is VHF, anything else UHF. Each VFO is checked
// against its working limits, VhfMin/VhfMax for VFO A and UhfMin/UhfMax for
// VFO B, which a band choice loads from the channel editor's limits
// (BandVhfMin.. BandUhfMax) and every identification overwrites.

#include "core/language.h"
#include "core/memory_image.h"
#include "core/option_defaults.h"
#include "core/painting.h"
#include "core/prompt.h"

#include <QStringList>
#include <vector>

struct VfoRecord {
    int freqRow;   // VfoFreqRec
    int paramRow;  // VfoParamRec
    double* lo;    // the working limits
    double* hi;
};

VfoRecord VfoA();  // rows 240, 241 with VhfMin, VhfMax
VfoRecord VfoB();  // rows 242, 243 with UhfMin, UhfMax

// ---- Frequency ----------------------------------------------------------

inline constexpr int kVfoFreqDigits = 8;  // bytes 0..7
inline constexpr int kVfoPointAfter = 3;  // the point stands after the MHz digit
inline constexpr int kVfoFreqTextMax = 9;

// The frequency box's key filter, with the box's text: the point is refused
// on an empty text (outer blanks aside); the point and Backspace are
// accepted whatever the length; a digit only while the text has at most 8
// characters; anything else is refused.
bool VfoFreq_KeyAccepted(int key, const QString& text);

// The length check on every change: a text (blanks included) of more than
// nine characters is refused with the length message and emptied.
bool VfoFreq_TooLong(const QString& text);

// The number a frequency text holds: its digits up to the first character
// that is neither a digit nor the first point (the empty text is 0).
double VfoFreqValue(const QString& text);

// The check of a typed frequency against the working limits: below lo it
// becomes the whole MHz of lo with ".02500", above hi the whole MHz of
// hi - 1 with ".62500" (both with the range message); the limits
// themselves pass. Then the text is normalised: the whole MHz, a point, the
// kHz in three digits and the rest cut down to a 250 Hz step ("00", "25",
// "50" or "75"), from the frequency in 10 Hz units rounded half to even.
struct VfoFreqChecked {
    QString text;
    bool outOfRange = false;
};
VfoFreqChecked VfoFreq_Check(const QString& text, double lo, double hi);

// Stores a normalised text into bytes 0..7, one digit a byte from the
// 100 MHz digit ("145.01250" is 1 4 5 0 1 2 5 0, "5.02500" 0 0 5 0 2 5 0 0).
// A text eight digits do not hold (1000 MHz and more) or of another form
// stores nothing (false; freq_codec.h).
bool VfoFreq_Store(const VfoRecord& vfo, const QString& normalised, MemoryImage& image = Edata);

// The band a record shows: item 0 (VHF) when byte 0 is 1, else item 1 (UHF).
inline constexpr int kVfoBandVhf = 0;
inline constexpr int kVfoBandUhf = 1;
int VfoBandItem(const VfoRecord& vfo, const MemoryImage& image = Edata);

// What the refresh puts into the frequency box: the digit of each of bytes
// 0..2 below 10, a point, then the digits of bytes 3..7 below 10
// ("145.01250"; a record of 0xFF bytes shows only the point).
QString VfoFreq_Text(const VfoRecord& vfo, const MemoryImage& image = Edata);

// Whether the frequency box shows the frequency the record holds. A box left
// so has nothing to check and stores nothing (core/box_leave.h), also when
// that frequency lies outside the working limits or its digits are not the
// ones the check would give it.
bool VfoFreq_ShowsStored(const VfoRecord& vfo, const QString& text, const MemoryImage& image = Edata);

// ---- Band ---------------------------------------------------------------

struct VfoLimits {
    double lo;
    double hi;
};
// The channel editor's limits of a band item, as they stand now.
VfoLimits VfoBandLimits(int bandItem);
// A band choice keeps a frequency whose whole MHz m lies in [lo, hi);
// another becomes the whole MHz of lo with ".02500".
QString VfoBand_FreqText(const QString& text, VfoLimits limits);
// The range box: "140 - 150.9950" for the limits 140 and 150.
QString VfoRangeText(VfoLimits limits);

// What a list of a VFO frame shows for its bytes: the item whose choice
// writes those very bytes, or, with item kNoItem (core/painting.h), a text
// that is no item (or nothing) for bytes no choice writes.
struct VfoShown {
    int item = kNoItem;
    QString text;
};

// ---- Offset -------------------------------------------------------------

inline constexpr int kVfoOffsetFirst = 8;  // bytes 8..13
inline constexpr int kVfoOffsetItems = 2000;
// Item i reads 50 i kHz: "00.000MHZ", "00.050MHZ" .. "99.950MHZ".
QStringList VfoOffsetItems();
// The offset choice: byte 8 := 0, bytes 9..13 := the digits of the item
// (the tens and units of MHz, the three kHz digits).
void VfoOffset_Store(const VfoRecord& vfo, const QString& item, MemoryImage& image = Edata);
// What the offset list shows for bytes 8..13: the item of six digits that
// hold a multiple of 50 kHz up to 99.950 MHz; the text of any other six
// digits, as the items write it ("00.137MHZ", "100.000MHZ"); nothing for
// bytes that are not all digits.
VfoShown VfoOffset_Shown(const VfoRecord& vfo, const MemoryImage& image = Edata);

// ---- Tones --------------------------------------------------------------

inline constexpr int kVfoRxToneByte = 0;  // VfoParamRec bytes 0, 1
inline constexpr int kVfoTxToneByte = 2;  // bytes 2, 3
// "OFF" ("关"), then the 260 tone list texts without their blanks.
QStringList VfoToneItems();
// The tone choice of item i: 00 00 for off, the CTCSS word, or the DCS
// number i - 50 with a zero high byte.
void VfoTone_Store(const VfoRecord& vfo, int firstByte, int item, MemoryImage& image = Edata);
// What a tone list shows for the stored word: the item "OFF" for 00 00,
// item low + 50 for a zero high byte; or the text of a word that is no item:
// "OFF" for either byte 0xFF (which choosing "OFF" would write as 00 00), a
// CTCSS word as w / 10 ("81.0"), nothing for a DCS number past the list
// (211..254).
VfoShown VfoTone_Shown(const VfoRecord& vfo, int firstByte, const MemoryImage& image = Edata);

// ---- Parameters -----------------------------------------------------------

inline constexpr int kVfoSignalCodeByte = 4;
inline constexpr int kVfoSpeakMuteByte = 5;
inline constexpr int kVfoOptSignalByte = 6;
inline constexpr int kVfoScramblerByte = 7;
inline constexpr int kVfoBandwidthByte = 8;
inline constexpr int kVfoPowerByte = 9;
inline constexpr int kVfoShiftByte = 10;
inline constexpr int kVfoStepByte = 11;

// The eight parameter lists of VfoParamRec, in the order the refresh shows
// them; each byte is the index of its list's item.
struct VfoParam {
    int byte;
    QString listA, listB;    // the Combo_ names
    QString labelA, labelB;  // the Label_ names
    BiText caption;
    QStringList eng;
    QStringList chn;  // empty when the same as English
    QStringList items() const;
};
const std::vector<VfoParam>& VfoParams();
// The parameter choice: the byte := the item's index.
void VfoParam_Store(const VfoRecord& vfo, int byte, int item, MemoryImage& image = Edata);

// ---- Texts ----------------------------------------------------------------

namespace VfoText {
extern const BiText FreqLabel;
extern const BiText BandLabel;
extern const BiText RangeLabel;
extern const BiText OffsetLabel;
extern const BiText RxToneLabel;
extern const BiText TxToneLabel;
extern const QString MhzUnit;  // the unit labels, the same in both languages
extern const QStringList BandItems;
// More than nine characters in the frequency box.
Message Length();
// The frequency check found the frequency outside the working limits (the
// Chinese text in both languages).
Message Range();
}  // namespace VfoText
