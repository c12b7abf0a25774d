#pragma once
// The text fields of the options area: the two power-on message lines (row
// 236, bytes 0..5 and 6..11, one character code each, centred and blank
// filled) and the ANI and two PTT-ID codes (rows 237, 238, 239, one DTMF
// digit code a byte, 0xFF after the last). The boxes store into the image
// only; the refresh builds their texts again.

#include "core/memory_image.h"
#include "core/option_defaults.h"
#include "core/prompt.h"

#include <QString>
#include <optional>

inline constexpr int kPonMsgRow = RowOf(Area::OptSettings.address + OptIdx_PON_MSG);  // 236
inline constexpr int kAniRow = RowOf(Area::OptSettings.address + OptIdx_Ani);         // 237
inline constexpr int kPttIdBeginRow = RowOf(Area::OptSettings.address + OptIdx_PttId_Begin);
inline constexpr int kPttIdEndRow = RowOf(Area::OptSettings.address + OptIdx_PttId_End);

// The two message lines by their first byte in row 236.
enum class PonLine { Upper = 0, Lower = kPonMsgLineLength };

// Store a message line (every change of its box): the six bytes := blanks
// (32), then the text without its outer blanks, its first six characters
// when it has more than five (pad 0), otherwise centred with
// pad = (6 - n) / 2 rounded down; each character through MsgCharToCode with
// its blanks removed, so an inner blank is stored as 11.
void PonMsg_Store(PonLine line, const QString& text, MemoryImage& image = Edata);

// The text a message line shows, built code by code: at each step the text
// so far loses its outer blanks and gets the next byte's character (codes
// without one add nothing); line 2 also loses its trailing blanks. Line 1
// keeps one trailing blank when its last byte is a blank.
QString PonMsg_Text(PonLine line, const MemoryImage& image = Edata);

// A message box refuses every key (Backspace too) once its text without the
// outer blanks has more than six characters.
bool PonMsg_KeyRefused(const QString& text);

// Store a code (every change of its box): the row's 16 bytes := 0xFF, then
// DtmfCharToCode of each character of the text without its outer blanks (an
// inner blank is 0xFF). At most 16 characters are stored: a longer text (it
// can only be pasted) keeps its first 16, and no byte outside the row is
// written.
void DtmfCode_Store(int row, const QString& text, MemoryImage& image = Edata);

// A code box refuses every key (Backspace too) once its text, blanks
// included, has more than 15 characters.
bool DtmfCode_KeyRefused(const QString& text);

// The ANI check when the focus leaves its box, on the text without its outer
// blanks: fewer than 3 or more than 5 characters is the length message;
// otherwise a text that sorts before "00000" or after "99999" (character
// codes, a beginning of the other sorting first) is the range message.
// The box stores at every change, so it is measured against `painted`, the
// text it showed when its window last painted it from the image: a box left
// showing that holds no edit and is not checked, whatever ANI a read or a
// file brought (core/box_leave.h).
std::optional<Message> AniCheck(const QString& text, const QString& painted);

namespace OptCodeText {
extern const BiText PonMsgLabel;     // Label_Ponmsg_Txt, for both lines
extern const BiText AniLabel;        // Label_ANI
extern const BiText SendBeginLabel;  // Label_Send_Begin
extern const BiText SendEndLabel;    // Label_Send_End
Message AniLength();
Message AniRange();
}  // namespace OptCodeText
