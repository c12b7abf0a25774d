#pragma once
// The options area: the OptData mirror, the option index table and the defaults.
//
// Settings bytes sit at 0x0E00 + offset (image rows 224..239); each setting's
// OptIdx_ constant is its offset, which is also its index in OptData. The
// names follow the options editor's lists (Combo_Tdr -> OptIdx_Tdr).

#include "core/memory_image.h"

#include <array>
#include <cstdint>

// 513 small integers, all 0 when the process starts. Entries 0..255 mirror
// the options bytes 0x0E00..0x0EFF; 256..512 are never used.
inline constexpr int kOptDataSize = 513;
inline constexpr int kOptMirrorBytes = 256;
extern std::array<std::int16_t, kOptDataSize> OptData;

// Settings with a list in the options editor.
inline constexpr int OptIdx_Tdr = 0;
inline constexpr int OptIdx_Sql_le = 2;
inline constexpr int OptIdx_tot = 5;
inline constexpr int OptIdx_Toa = 6;
inline constexpr int OptIdx_Abr = 8;
inline constexpr int OptIdx_Beep = 9;
inline constexpr int OptIdx_Dtmfst = 14;
inline constexpr int OptIdx_Bcl = 15;
inline constexpr int OptIdx_Sc_Add = 16;
inline constexpr int OptIdx_Pri_Sc = 17;
inline constexpr int OptIdx_Pri_Ch = 18;
inline constexpr int OptIdx_Sc_rev = 19;
inline constexpr int OptIdx_Ptt_id = 22;
inline constexpr int OptIdx_Ptt_lt = 23;
inline constexpr int OptIdx_Emc_Tp = 25;
inline constexpr int OptIdx_Emc_Ch = 26;
inline constexpr int OptIdx_ring = 27;
inline constexpr int OptIdx_MDF_A = 29;
inline constexpr int OptIdx_MDF_B = 30;
inline constexpr int OptIdx_Autolk = 31;
inline constexpr int OptIdx_PonMsg = 32;
inline constexpr int OptIdx_wt_led = 33;
inline constexpr int OptIdx_rx_led = 34;
inline constexpr int OptIdx_tx_led = 35;
inline constexpr int OptIdx_ANI_L = 41;
inline constexpr int OptIdx_REP_S = 42;
inline constexpr int OptIdx_REP_M = 43;
inline constexpr int OptIdx_TDR_AB = 44;
inline constexpr int OptIdx_STE = 45;
inline constexpr int OptIdx_RP_STE = 46;
inline constexpr int OptIdx_RPT_DL = 47;

// The four text-box settings: the power-on message (line 1 at 192, line 2 at
// 198, six characters each), the ANI code and the two PTT-ID codes (16 code
// bytes each).
inline constexpr int OptIdx_PON_MSG = 192;
inline constexpr int OptIdx_Ani = 208;
inline constexpr int OptIdx_PttId_Begin = 224;
inline constexpr int OptIdx_PttId_End = 240;
inline constexpr int kPonMsgLineLength = 6;
inline constexpr int kOptCodeBytes = 16;

// Settings bytes that no control shows or edits.
inline constexpr int OptIdx_Byte1 = 1;
inline constexpr int OptIdx_Byte3 = 3;
inline constexpr int OptIdx_Byte4 = 4;
inline constexpr int OptIdx_Byte7 = 7;
inline constexpr int OptIdx_Byte10 = 10;
inline constexpr int OptIdx_Byte11 = 11;
inline constexpr int OptIdx_Byte12 = 12;
inline constexpr int OptIdx_Byte13 = 13;
inline constexpr int OptIdx_Byte20 = 20;
inline constexpr int OptIdx_Byte21 = 21;
inline constexpr int OptIdx_Byte24 = 24;
inline constexpr int OptIdx_Byte28 = 28;
inline constexpr int OptIdx_Byte36 = 36;
inline constexpr int OptIdx_Byte37 = 37;
inline constexpr int OptIdx_Byte38 = 38;
inline constexpr int OptIdx_Byte39 = 39;
inline constexpr int OptIdx_Byte40 = 40;
inline constexpr int OptIdx_Byte48 = 48;
inline constexpr int OptIdx_Byte129 = 129;
inline constexpr int OptIdx_Byte132 = 132;
inline constexpr int OptIdx_Byte133 = 133;

// The VFO records, written straight into the image (rows 240..243).
inline constexpr int kVfoFreqRowA = 240;   // 0x0F00 VfoFreqRec A
inline constexpr int kVfoParamRowA = 241;  // 0x0F10 VfoParamRec A
inline constexpr int kVfoFreqRowB = 242;   // 0x0F20 VfoFreqRec B
inline constexpr int kVfoParamRowB = 243;  // 0x0F30 VfoParamRec B

// The option index table is made of compile-time constants, so there is
// nothing left to set; the start-up calls this at its place in the sequence.
void InitOptionOffsets();

// Writes the settings defaults into OptData (offsets it does not name keep
// what OptData holds: 0 before the options editor first loads it), sets
// OptData 192..255 to 0xFF and then the power-on message, ANI and PTT-ID
// codes, copies OptData 0..255 into image rows 224..239, and writes both VFO
// records into rows 240..243 (bytes 12..15 of each VfoParamRec kept).
void Option_Defaults(MemoryImage& image = Edata);
