#include "core/option_defaults.h"

#include <array>

std::array<std::int16_t, kOptDataSize> OptData{};

namespace {

struct Setting {
    int offset;
    int value;
};

// Default list positions of the settings, and the bytes without a control.
constexpr Setting kSettings[] = {
    {OptIdx_Tdr, 1},                                                                   // ON
    {OptIdx_Byte1, 2},    {OptIdx_Sql_le, 5},  {OptIdx_Byte3, 0},    {OptIdx_tot, 5},  // 90 s
    {OptIdx_Toa, 10},                                                                  // 10 s
    {OptIdx_Byte7, 0},    {OptIdx_Abr, 0},                                             // OFF
    {OptIdx_Beep, 1},                                                                  // ON
    {OptIdx_Byte10, 0},   {OptIdx_Byte11, 0},  {OptIdx_Byte12, 0},   {OptIdx_Byte13, 0},
    {OptIdx_Dtmfst, 3},                                             // KB DTMFST + Send ANI DTMFST
    {OptIdx_Bcl, 0},                                                // OFF
    {OptIdx_Sc_rev, 0},                                             // TO
    {OptIdx_Byte20, 0},   {OptIdx_Byte21, 0},  {OptIdx_Ptt_id, 0},  // OFF
    {OptIdx_Ptt_lt, 10},  {OptIdx_Byte24, 0},  {OptIdx_Emc_Tp, 1},  // Transpond
    {OptIdx_Emc_Ch, 199},                                           // channel 199
    {OptIdx_ring, 5},     {OptIdx_MDF_A, 0},                        // Channel+Frequency
    {OptIdx_MDF_B, 1},                                              // Channel
    {OptIdx_Autolk, 0},                                             // OFF
    {OptIdx_PonMsg, 2},                                             // BATT
    {OptIdx_wt_led, 3},                                             // Purple
    {OptIdx_rx_led, 1},                                             // Blue
    {OptIdx_tx_led, 2},                                             // Orange
    {OptIdx_Byte36, 0},   {OptIdx_Byte37, 0},  {OptIdx_Byte38, 0},   {OptIdx_Byte39, 0},
    {OptIdx_Byte40, 0},   {OptIdx_REP_S, 0},   // 1000Hz
    {OptIdx_REP_M, 0},                         // OFF
    {OptIdx_TDR_AB, 10},  {OptIdx_STE, 1},     // ON
    {OptIdx_RP_STE, 5},   {OptIdx_RPT_DL, 0},  // OFF
    {OptIdx_Byte48, 0},   {OptIdx_Byte129, 1}, {OptIdx_Byte132, 31}, {OptIdx_Byte133, 1},
};

constexpr char kPonMsgLine1[] = "WELCOM";
constexpr char kPonMsgLine2[] = "QV6417";
// DTMF digit codes (0 is the digit D).
constexpr std::array<int, 5> kAniCode{8, 0, 8, 0, 8};
constexpr std::array<int, 5> kPttIdBeginCode{1, 2, 3, 4, 5};
constexpr std::array<int, 5> kPttIdEndCode{9, 8, 7, 6, 5};

using Row = std::array<int, kRowBytes>;

// Frequency digits from 100 MHz down to 10 Hz, then the offset in kHz as six
// digits: A 136.02500 MHz with 10.655 MHz, B 470.62500 MHz with 1.625 MHz.
constexpr Row kVfoFreqA{1, 3, 6, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0};
constexpr Row kVfoFreqB{4, 7, 0, 6, 2, 5, 0, 0, 0, 0, 1, 6, 2, 5, 0, 0};
constexpr int kVfoParamBytes = 12;  // bytes 12..15 are not written
constexpr int kVfoSignalCodeByte = 4;
constexpr int kVfoBSignalCode = 14;  // shown as 15

template <std::size_t N> void PutCodes(int first, const std::array<int, N>& codes)
{
    for (std::size_t i = 0; i < N; ++i)
        OptData[first + i] = static_cast<std::int16_t>(codes[i]);
}

void PutText(int first, const char* text)
{
    for (int i = 0; text[i] != '\0'; ++i)
        OptData[first + i] = static_cast<std::int16_t>(text[i]);
}

}  // namespace

void InitOptionOffsets() {}

void Option_Defaults(MemoryImage& image)
{
    for (const Setting& s : kSettings)
        OptData[s.offset] = static_cast<std::int16_t>(s.value);

    for (int i = OptIdx_PON_MSG; i < kOptMirrorBytes; ++i)
        OptData[i] = kErased;
    PutText(OptIdx_PON_MSG, kPonMsgLine1);
    PutText(OptIdx_PON_MSG + kPonMsgLineLength, kPonMsgLine2);
    PutCodes(OptIdx_Ani, kAniCode);
    PutCodes(OptIdx_PttId_Begin, kPttIdBeginCode);
    PutCodes(OptIdx_PttId_End, kPttIdEndCode);

    const int first = Area::OptSettings.firstRow();
    for (int i = 0; i < kOptMirrorBytes; ++i)
        image(first + i / kRowBytes, i % kRowBytes) = OptData[i];

    for (int c = 0; c < kRowBytes; ++c) {
        image(kVfoFreqRowA, c) = static_cast<std::int16_t>(kVfoFreqA[c]);
        image(kVfoFreqRowB, c) = static_cast<std::int16_t>(kVfoFreqB[c]);
    }
    for (int c = 0; c < kVfoParamBytes; ++c) {
        image(kVfoParamRowA, c) = 0;
        image(kVfoParamRowB, c) = 0;
    }
    image(kVfoParamRowB, kVfoSignalCodeByte) = kVfoBSignalCode;
}
