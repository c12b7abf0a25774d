#include "options/vfo_record.h"

#include "core/box_leave.h"
#include "core/freq_codec.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "core/painting.h"
#include "core/tone_list.h"
#include "options/opt_settings.h"

#include <iterator>

namespace {

constexpr int kVhfMarker = 1;       // byte 0 of a VHF frequency
constexpr int kFreqUnits = 100000;  // 10 Hz steps in a MHz
constexpr int kKhzUnits = 100;      // 10 Hz steps in a kHz
constexpr int kKhzInMhz = 1000;
constexpr int kOffsetStepKhz = 50;
constexpr int kOffsetBytes = 6;
constexpr int kPoint = '.';
constexpr int kNoByte = 0xFF;
constexpr int kBackspace = 8;
constexpr int kSignalCodes = 15;
const QString kLowEnd = QStringLiteral(".02500");
const QString kHighEnd = QStringLiteral(".62500");
const QString kRangeTop = QStringLiteral(".9950");
const BiText kToneOff{QStringLiteral("关"), QStringLiteral("OFF")};

int DigitValue(QChar ch)
{
    return IsDigitChar(ch) ? ch.unicode() - u'0' : 0;
}

QString WholeMhz(double mhz)
{
    return ShortestText(IntFloor(mhz));
}

// The last two digits of a normalised frequency: the 10 Hz steps cut down
// to 250 Hz.
QString QuarterKhz(long long tens)
{
    if (tens < 25)
        return QStringLiteral("00");
    if (tens < 50)
        return QStringLiteral("25");
    if (tens < 75)
        return QStringLiteral("50");
    return QStringLiteral("75");
}

// An offset as the offset list writes it: "10.650MHZ" for 10650 kHz.
QString OffsetText(int khz)
{
    return QStringLiteral("%1.%2MHZ")
        .arg(khz / kKhzInMhz, 2, 10, QLatin1Char('0'))
        .arg(khz % kKhzInMhz, 3, 10, QLatin1Char('0'));
}

}  // namespace

VfoRecord VfoA()
{
    return {kVfoFreqRowA, kVfoParamRowA, &VhfMin, &VhfMax};
}

VfoRecord VfoB()
{
    return {kVfoFreqRowB, kVfoParamRowB, &UhfMin, &UhfMax};
}

// ---- Frequency ----------------------------------------------------------

bool VfoFreq_KeyAccepted(int key, const QString& text)
{
    const QString t = TrimBlanks(text);
    if (key == kPoint)
        return !t.isEmpty();
    if (key == kBackspace)
        return true;
    return key >= '0' && key <= '9' && t.size() <= kVfoFreqDigits;
}

bool VfoFreq_TooLong(const QString& text)
{
    return text.size() > kVfoFreqTextMax;
}

double VfoFreqValue(const QString& text)
{
    QString number;
    bool seenPoint = false;
    for (QChar ch : text) {
        if (IsDigitChar(ch)) {
            number += ch;
        } else if (ch == QLatin1Char('.') && !seenPoint) {
            number += ch;
            seenPoint = true;
        } else {
            break;
        }
    }
    return NumericValue(number);
}

VfoFreqChecked VfoFreq_Check(const QString& text, double lo, double hi)
{
    VfoFreqChecked checked{text, false};
    const double f = VfoFreqValue(text);
    if (f < lo) {
        checked = {WholeMhz(lo) + kLowEnd, true};
    } else if (f > hi) {
        checked = {WholeMhz(hi - 1) + kHighEnd, true};
    }
    const auto units = static_cast<long long>(RoundHalfEven(VfoFreqValue(checked.text) * kFreqUnits));
    checked.text = QString::number(units / kFreqUnits) + QLatin1Char('.')
                   + QStringLiteral("%1").arg(units / kKhzUnits % kKhzInMhz, 3, 10, QLatin1Char('0'))
                   + QuarterKhz(units % kKhzUnits);
    return checked;
}

bool VfoFreq_Store(const VfoRecord& vfo, const QString& normalised, MemoryImage& image)
{
    const std::optional<std::array<int, 8>> digits = DigitsOfFreqText(normalised);
    if (!digits)
        return false;
    for (int b = 0; b < kVfoFreqDigits; ++b)
        image(vfo.freqRow, b) = static_cast<std::int16_t>((*digits)[static_cast<std::size_t>(b)]);
    return true;
}

int VfoBandItem(const VfoRecord& vfo, const MemoryImage& image)
{
    return image(vfo.freqRow, 0) == kVhfMarker ? kVfoBandVhf : kVfoBandUhf;
}

QString VfoFreq_Text(const VfoRecord& vfo, const MemoryImage& image)
{
    QString text;
    for (int b = 0; b < kVfoFreqDigits; ++b) {
        if (b == kVfoPointAfter)
            text += QLatin1Char('.');
        const int value = image(vfo.freqRow, b);
        if (value >= 0 && value <= 9)
            text += QString::number(value);
    }
    return text;
}

bool VfoFreq_ShowsStored(const VfoRecord& vfo, const QString& text, const MemoryImage& image)
{
    return BoxShowsHeld(text, VfoFreq_Text(vfo, image));
}

// ---- Band ---------------------------------------------------------------

VfoLimits VfoBandLimits(int bandItem)
{
    if (bandItem == kVfoBandVhf)
        return {BandVhfMin, BandVhfMax};
    return {BandUhfMin, BandUhfMax};
}

QString VfoBand_FreqText(const QString& text, VfoLimits limits)
{
    const double m = IntFloor(VfoFreqValue(text));
    if (limits.lo <= m && m < limits.hi)
        return text;
    return WholeMhz(limits.lo) + kLowEnd;
}

QString VfoRangeText(VfoLimits limits)
{
    return ShortestText(limits.lo) + QStringLiteral(" - ") + ShortestText(limits.hi) + kRangeTop;
}

// ---- Offset -------------------------------------------------------------

QStringList VfoOffsetItems()
{
    QStringList items;
    items.reserve(kVfoOffsetItems);
    for (int i = 0; i < kVfoOffsetItems; ++i)
        items << OffsetText(kOffsetStepKhz * i);
    return items;
}

void VfoOffset_Store(const VfoRecord& vfo, const QString& item, MemoryImage& image)
{
    // Characters 1, 2, 4, 5 and 6 of "10.650MHZ": the point is skipped.
    constexpr int kDigitAt[] = {0, 1, 3, 4, 5};
    image(vfo.freqRow, kVfoOffsetFirst) = 0;
    for (int i = 0; i < static_cast<int>(std::size(kDigitAt)); ++i) {
        const int at = kDigitAt[i];
        image(vfo.freqRow, kVfoOffsetFirst + 1 + i) =
            static_cast<std::int16_t>(at < item.size() ? DigitValue(item[at]) : 0);
    }
}

VfoShown VfoOffset_Shown(const VfoRecord& vfo, const MemoryImage& image)
{
    int khz = 0;
    for (int i = 0; i < kOffsetBytes; ++i) {
        const int digit = image(vfo.freqRow, kVfoOffsetFirst + i);
        if (digit < 0 || digit > 9)
            return {kNoItem, {}};
        khz = 10 * khz + digit;
    }
    const int item = khz / kOffsetStepKhz;
    if (khz % kOffsetStepKhz == 0 && item < kVfoOffsetItems)
        return {item, {}};
    return {kNoItem, OffsetText(khz)};
}

// ---- Tones --------------------------------------------------------------

QStringList VfoToneItems()
{
    QStringList items{kToneOff.text()};
    for (int i = kFirstCtcss; i <= kLastDcs; ++i)
        items << TrimBlanks(ToneList.value(i));
    return items;
}

void VfoTone_Store(const VfoRecord& vfo, int firstByte, int item, MemoryImage& image)
{
    const ToneWord word = ToneIndexToWord(item);
    image(vfo.paramRow, firstByte) = static_cast<std::int16_t>(word.lo);
    image(vfo.paramRow, firstByte + 1) = static_cast<std::int16_t>(word.hi);
}

VfoShown VfoTone_Shown(const VfoRecord& vfo, int firstByte, const MemoryImage& image)
{
    const int lo = image(vfo.paramRow, firstByte);
    const int hi = image(vfo.paramRow, firstByte + 1);
    if (lo == 0 && hi == 0)
        return {0, {}};
    if (lo == kNoByte || hi == kNoByte)
        return {kNoItem, kToneOff.text()};  // off, in bytes the choice of "OFF" does not write
    if (hi == 0) {
        if (lo + kFirstDcs - 1 <= kLastDcs)
            return {lo + kFirstDcs - 1, {}};
        return {kNoItem, {}};  // a DCS number past the list
    }
    return {kNoItem, ToneTenthsText(hi * 256 + lo)};
}

// ---- Parameters -----------------------------------------------------------

QStringList VfoParam::items() const
{
    return LangChinese != 0 && !chn.isEmpty() ? chn : eng;
}

const std::vector<VfoParam>& VfoParams()
{
    static const std::vector<VfoParam> params{
        {kVfoSignalCodeByte,
         "Combo_S_info_a",
         "Combo_S_info_b",
         "Label_S_info_a",
         "Label_S_info_b",
         BiText{"信令编码", "Signal Code"},
         NumberItems(1, kSignalCodes),
         {}},
        {kVfoSpeakMuteByte,
         "Combo_Spmute_a",
         "Combo_Spmute_b",
         "Label_Spmute_a",
         "Label_Spmute_b",
         BiText{"信令关系", "Speak Mute"},
         {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"},
         {"哑音", "哑音与可选信令", "哑音或可选信令"}},
        {kVfoOptSignalByte,
         "Combo_Optsig_a",
         "Combo_OptSig_b",
         "Label_Optsig_a",
         "Label_OptSig_b",
         BiText{"可选信令", "Optional Signal"},
         {"OFF", "DTMF", "2TONE", "5TONE"},
         {"关", "DTMF", "2TONE", "5TONE"}},
        {kVfoScramblerByte,
         "Combo_Scr_a",
         "Combo_Scr_b",
         "Label_scr_a",
         "Label_Scr_b",
         BiText{"扰频", "SCR"},
         {"OFF", "ON"},
         {"关闭", "开启"}},
        {kVfoBandwidthByte,
         "Combo_wn_a",
         "Combo_wn_b",
         "Label_wn_a",
         "Label_wn_b",
         BiText{"信道带宽", "W/N"},
         {"WIDE", "NARROW"},
         {"宽带", "窄带"}},
        {kVfoPowerByte,
         "Combo_txp_a",
         "Combo_txp_b",
         "Label_Txp_a",
         "Label_txp_b",
         BiText{"发射功率", "TX Power"},
         {"HIGH", "LOW"},
         {"高功率", "低功率"}},
        {kVfoShiftByte,
         "Combo_sft_d_a",
         "Combo_sft_d_b",
         "Label_sft_d_a",
         "Label_sft_d_b",
         BiText{"频差方向", "SFT_D"},
         {"OFF", "+", "-"},
         {"关", "加频", "减频"}},
        {kVfoStepByte,
         "Combo_step_a",
         "Combo_step_b",
         "Label_step_a",
         "Label_step_b",
         BiText{"步进频率", "Step Frequency"},
         {"5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"},
         {}},
    };
    return params;
}

void VfoParam_Store(const VfoRecord& vfo, int byte, int item, MemoryImage& image)
{
    image(vfo.paramRow, byte) = static_cast<std::int16_t>(item);
}

// ---- Texts ----------------------------------------------------------------

namespace VfoText {

const BiText FreqLabel{QStringLiteral("当前频率"), QStringLiteral("Frequency")};
const BiText BandLabel{QStringLiteral("频段"), QStringLiteral("Band")};
const BiText RangeLabel{QStringLiteral("频率范围"), QStringLiteral("Freq Range")};
const BiText OffsetLabel{QStringLiteral("频差频率"), QStringLiteral("Offset")};
const BiText RxToneLabel{QStringLiteral("接收哑音"), QStringLiteral("RX QT/DQT")};
const BiText TxToneLabel{QStringLiteral("发射哑音"), QStringLiteral("TX QT/DQT")};
const QString MhzUnit = QStringLiteral("MHZ");
const QStringList BandItems{QStringLiteral("VHF"), QStringLiteral("UHF")};

Message Length()
{
    return {{QStringLiteral("频率超出范围 ！"), QStringLiteral("Over the range of  frequency .")},
            Titles::OperatePromptLower};
}

Message Range()
{
    return {SameText(QStringLiteral("当前工作频率超出范围 ！")), SameText(QStringLiteral("操作提示"))};
}

}  // namespace VfoText
