#include "options/ui/vfo_frame.h"

#include "core/language.h"
#include "core/painting.h"
#include "options/opt_settings.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

namespace {

// The two frames' own names of their controls.
struct VfoNames {
    const char* frame;
    BiText caption;
    const char* labelFreq;
    const char* freq;
    const char* freqUnit;
    const char* labelBand;
    const char* band;
    const char* labelRange;
    const char* range;
    const char* labelOffset;
    const char* offset;
    const char* offsetUnit;
    const char* labelRxTone;
    const char* rxTone;
    const char* labelTxTone;
    const char* txTone;
};

const VfoNames& NamesOf(VfoFrame::Which which)
{
    static const VfoNames a{.frame = "Frame_A",
                            .caption = {QStringLiteral("Ａ段频率模式"), QStringLiteral("A Band Frequency Mode")},
                            .labelFreq = "Label_Freq_a",
                            .freq = "Text_Freq_a",
                            .freqUnit = "Label28",
                            .labelBand = "Label_Band_A",
                            .band = "Combo_Band_A",
                            .labelRange = "Label_Range_A",
                            .range = "Text_Range_A",
                            .labelOffset = "Label_Offset_A",
                            .offset = "Combo_Offset_A",
                            .offsetUnit = "Label3",
                            .labelRxTone = "Label_r_ctdcs_a",
                            .rxTone = "Combo_r_ctdcs_a",
                            .labelTxTone = "Label_t_ctdcs_a",
                            .txTone = "Combo_t_ctdcs_a"};
    static const VfoNames b{.frame = "Frame_B",
                            .caption = {QStringLiteral("Ｂ段频率模式"), QStringLiteral("B Band Frequency Mode")},
                            .labelFreq = "Label_Freq_b",
                            .freq = "Text_Freq_b",
                            .freqUnit = "Label33",
                            .labelBand = "Label_Band_B",
                            .band = "Combo_Band_B",
                            .labelRange = "Label_Range_B",
                            .range = "Text_Range_B",
                            .labelOffset = "Label_Offset_B",
                            .offset = "Combo_offset_b",
                            .offsetUnit = "Label4",
                            .labelRxTone = "Label_r_ctdcs_b",
                            .rxTone = "Combo_r_ctdcs_b",
                            .labelTxTone = "Label_t_ctdcs_b",
                            .txTone = "Combo_t_ctdcs_b"};
    return which == VfoFrame::Which::A ? a : b;
}

// The digits the frequency and range boxes show; a band limit has at most
// three whole MHz digits.
const QString kDigits = QStringLiteral("0123456789");
constexpr double kWidestLimitMhz = 999;

// The parameter lists two to a row, by their byte; the two longest captions
// (optional signal, step) share the left column.
constexpr std::array<int, VfoFrame::kParams> kParamPlaces{kVfoSignalCodeByte, kVfoSpeakMuteByte, kVfoOptSignalByte,
                                                          kVfoScramblerByte,  kVfoBandwidthByte, kVfoPowerByte,
                                                          kVfoStepByte,       kVfoShiftByte};

// A band choice runs at most once inside another of the same frame: with
// band limits whose low ends lie in each other's band (a radio reporting
// VHF 200..250 and UHF 100..150), each choice's store would move the band
// list back and the choices would never end.
constexpr int kMaxBandChoices = 2;

void DropKey(int& key)
{
    key = 0;
}

KitList* ChooseOnlyList(QWidget* parent)
{
    auto* list = new KitList(KitList::Style::ChooseOnly, parent);
    list->onKeyPress = DropKey;
    return list;
}

}  // namespace

VfoFrame::VfoFrame(Which which, std::function<void()> refresh, QWidget* parent)
    : QGroupBox(parent),
      Label_Freq(new QLabel(this)),
      Text_Freq(new KitText(this)),
      Label_FreqUnit(new QLabel(this)),
      Label_Band(new QLabel(this)),
      Combo_Band(ChooseOnlyList(this)),
      Label_Range(new QLabel(this)),
      Text_Range(new KitText(this)),
      Label_Offset(new QLabel(this)),
      Combo_Offset(ChooseOnlyList(this)),
      Label_OffsetUnit(new QLabel(this)),
      Label_r_ctdcs(new QLabel(this)),
      // The tone lists also show a tone that is no item ("81.0"): a text field
      // over the list, into which nothing can be typed.
      Combo_r_ctdcs(new KitList(KitList::Style::Editable, this)),
      Label_t_ctdcs(new QLabel(this)),
      Combo_t_ctdcs(new KitList(KitList::Style::Editable, this)),
      which_(which),
      record_(which == Which::A ? VfoA() : VfoB()),
      refresh_(std::move(refresh))
{
    const VfoNames& names = NamesOf(which);
    const bool a = which == Which::A;
    setObjectName(QLatin1String(names.frame));
    Label_Freq->setObjectName(QLatin1String(names.labelFreq));
    Text_Freq->setObjectName(QLatin1String(names.freq));
    Label_FreqUnit->setObjectName(QLatin1String(names.freqUnit));
    Label_Band->setObjectName(QLatin1String(names.labelBand));
    Combo_Band->setObjectName(QLatin1String(names.band));
    Label_Range->setObjectName(QLatin1String(names.labelRange));
    Text_Range->setObjectName(QLatin1String(names.range));
    Label_Offset->setObjectName(QLatin1String(names.labelOffset));
    Combo_Offset->setObjectName(QLatin1String(names.offset));
    Label_OffsetUnit->setObjectName(QLatin1String(names.offsetUnit));
    Label_r_ctdcs->setObjectName(QLatin1String(names.labelRxTone));
    Combo_r_ctdcs->setObjectName(QLatin1String(names.rxTone));
    Label_t_ctdcs->setObjectName(QLatin1String(names.labelTxTone));
    Combo_t_ctdcs->setObjectName(QLatin1String(names.txTone));
    for (int i = 0; i < kParams; ++i) {
        const VfoParam& param = VfoParams()[static_cast<std::size_t>(i)];
        paramLabels[i] = new QLabel(this);
        paramLists[i] = ChooseOnlyList(this);
        paramLabels[i]->setObjectName(a ? param.labelA : param.labelB);
        paramLists[i]->setObjectName(a ? param.listA : param.listB);
        paramLabels[i]->setBuddy(paramLists[i]);
        KitList* list = paramLists[i];
        list->onClick = [this, list, byte = param.byte] { Combo_Param_Click(list, byte); };
    }
    Label_Freq->setBuddy(Text_Freq);
    Label_Band->setBuddy(Combo_Band);
    Label_Range->setBuddy(Text_Range);
    Label_Offset->setBuddy(Combo_Offset);
    Label_r_ctdcs->setBuddy(Combo_r_ctdcs);
    Label_t_ctdcs->setBuddy(Combo_t_ctdcs);
    Text_Freq->setFitText(kVfoFreqTextMax, kDigits);
    Text_Range->setFitText(static_cast<int>(VfoRangeText({kWidestLimitMhz, kWidestLimitMhz}).size()), kDigits);
    // The units never change.
    Label_FreqUnit->setText(VfoText::MhzUnit);
    Label_OffsetUnit->setText(VfoText::MhzUnit);

    auto* layout = new QGridLayout(this);
    const auto withUnit = [](QWidget* control, QLabel* unit) {
        auto* row = new QHBoxLayout;
        row->addWidget(control, 1);
        row->addWidget(unit);
        return row;
    };
    layout->addWidget(Label_Freq, 0, 0);
    layout->addLayout(withUnit(Text_Freq, Label_FreqUnit), 0, 1);
    layout->addWidget(Label_Band, 0, 2);
    layout->addWidget(Combo_Band, 0, 3);
    layout->addWidget(Label_Range, 1, 0);
    layout->addWidget(Text_Range, 1, 1);
    layout->addWidget(Label_Offset, 1, 2);
    layout->addLayout(withUnit(Combo_Offset, Label_OffsetUnit), 1, 3);
    layout->addWidget(Label_r_ctdcs, 2, 0);
    layout->addWidget(Combo_r_ctdcs, 2, 1);
    layout->addWidget(Label_t_ctdcs, 2, 2);
    layout->addWidget(Combo_t_ctdcs, 2, 3);
    for (int i = 0; i < kParams; ++i) {
        const int byte = VfoParams()[static_cast<std::size_t>(i)].byte;
        const auto place = static_cast<int>(std::ranges::find(kParamPlaces, byte) - kParamPlaces.begin());
        const int row = 3 + place / 2;
        const int col = 2 * (place % 2);
        layout->addWidget(paramLabels[i], row, col);
        layout->addWidget(paramLists[i], row, col + 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);

    Text_Freq->onKeyPress = [this](int& key) { Text_Freq_KeyPress(key); };
    Text_Freq->onChange = [this] { Text_Freq_Change(); };
    Text_Freq->onLostFocus = [this] { Text_Freq_LostFocus(); };
    Combo_Band->onClick = [this] { Combo_Band_Click(); };
    Combo_Offset->onClick = [this] { Combo_Offset_Click(); };
    Combo_r_ctdcs->onKeyPress = DropKey;
    Combo_t_ctdcs->onKeyPress = DropKey;
    Combo_r_ctdcs->onClick = [this] { Combo_Tone_Click(Combo_r_ctdcs, kVfoRxToneByte); };
    Combo_t_ctdcs->onClick = [this] { Combo_Tone_Click(Combo_t_ctdcs, kVfoTxToneByte); };
    // A tone is stored only by a choice: a field edited otherwise (Delete,
    // cut, undo) shows the stored tone again.
    Combo_r_ctdcs->onChange = [this] { ShowTone(Combo_r_ctdcs, kVfoRxToneByte); };
    Combo_t_ctdcs->onChange = [this] { ShowTone(Combo_t_ctdcs, kVfoTxToneByte); };
}

KitList* VfoFrame::paramList(int byte) const
{
    for (int i = 0; i < kParams; ++i) {
        if (VfoParams()[static_cast<std::size_t>(i)].byte == byte)
            return paramLists[i];
    }
    return nullptr;
}

void VfoFrame::setCaptions()
{
    setTitle(NamesOf(which_).caption.text());
    const auto caption = [this](int byte) {
        for (int i = 0; i < kParams; ++i) {
            const VfoParam& param = VfoParams()[static_cast<std::size_t>(i)];
            if (param.byte == byte)
                paramLabels[i]->setText(param.caption.text());
        }
    };
    // In the order frequency, band, range, power, tones, bandwidth, shift,
    // step, offset, optional signal, signal code, speak mute, scrambler.
    Label_Freq->setText(VfoText::FreqLabel.text());
    Label_Band->setText(VfoText::BandLabel.text());
    Label_Range->setText(VfoText::RangeLabel.text());
    caption(kVfoPowerByte);
    Label_r_ctdcs->setText(VfoText::RxToneLabel.text());
    Label_t_ctdcs->setText(VfoText::TxToneLabel.text());
    for (int byte : {kVfoBandwidthByte, kVfoShiftByte, kVfoStepByte})
        caption(byte);
    Label_Offset->setText(VfoText::OffsetLabel.text());
    for (int byte : {kVfoOptSignalByte, kVfoSignalCodeByte, kVfoSpeakMuteByte, kVfoScramblerByte})
        caption(byte);
}

void VfoFrame::fillLists()
{
    Combo_Band->clear();
    Combo_Band->addItems(VfoText::BandItems);
    Combo_Offset->clear();
    Combo_Offset->addItems(VfoOffsetItems());
    const QStringList tones = VfoToneItems();
    for (KitList* list : {Combo_r_ctdcs, Combo_t_ctdcs}) {
        list->clear();
        list->addItems(tones);
    }
    for (int i = 0; i < kParams; ++i) {
        paramLists[i]->clear();
        paramLists[i]->addItems(VfoParams()[static_cast<std::size_t>(i)].items());
    }
}

void VfoFrame::Vfo_Show()
{
    // The frequency box emptied, then extended a character at a time.
    const QString freq = VfoFreq_Text(record_);
    Text_Freq->setText(QString());
    for (qsizetype n = 1; n <= freq.size(); ++n)
        Text_Freq->setText(freq.left(n));
    Combo_Band->setListIndex(VfoBandItem(record_));
    Show(Combo_Offset, VfoOffset_Shown(record_));
    ShowTone(Combo_r_ctdcs, kVfoRxToneByte);
    ShowTone(Combo_t_ctdcs, kVfoTxToneByte);
    for (int i = 0; i < kParams; ++i) {
        const int byte = VfoParams()[static_cast<std::size_t>(i)].byte;
        paramLists[i]->setListIndex(ListItemOf(Edata(record_.paramRow, byte), paramLists[i]->listCount()));
    }
}

void VfoFrame::Show(KitList* list, const VfoShown& shown)
{
    if (shown.item != kNoItem)
        list->setListIndex(shown.item);
    else
        list->showText(shown.text);  // no item: nothing is stored
}

void VfoFrame::ShowTone(KitList* list, int firstByte)
{
    Show(list, VfoTone_Shown(record_, firstByte));
}

void VfoFrame::Text_Freq_KeyPress(int& key)
{
    if (!VfoFreq_KeyAccepted(key, Text_Freq->text()))
        key = 0;
}

void VfoFrame::Text_Freq_Change()
{
    if (!VfoFreq_TooLong(Text_Freq->text()))
        return;
    Text_Freq->setText(QString());
    Text_Freq->returnFocusAfterRefusal();
    ShowMessage(VfoText::Length());
}

void VfoFrame::Text_Freq_LostFocus()
{
    // Only a frequency that differs from the record's is checked and stored:
    // one a read brought outside the working limits, or in digits the check
    // would write otherwise, stays as it is.
    if (VfoFreq_ShowsStored(record_, Text_Freq->text()))
        return;
    Freq_CheckAndStore();
}

void VfoFrame::Freq_CheckAndStore()
{
    const VfoFreqChecked checked = VfoFreq_Check(Text_Freq->text(), *record_.lo, *record_.hi);
    Text_Freq->setText(checked.text);
    VfoFreq_Store(record_, checked.text);
    Combo_Band->setListIndex(VfoBandItem(record_));
    if (refresh_)
        refresh_();
    if (checked.outOfRange) {
        Text_Freq->returnFocusAfterRefusal();
        ShowMessage(VfoText::Range());
    }
}

void VfoFrame::Combo_Band_Click()
{
    if (bandChoices_ >= kMaxBandChoices)
        return;
    ++bandChoices_;
    const VfoLimits limits = VfoBandLimits(Combo_Band->listIndex());
    *record_.lo = limits.lo;
    *record_.hi = limits.hi;
    // A painting shows the band of the stored frequency and leaves the
    // frequency as the record holds it, in the band or not.
    const bool painting = Painting::underWay();
    if (!painting)
        Text_Freq->setText(VfoBand_FreqText(Text_Freq->text(), limits));
    Text_Range->setText(VfoRangeText(limits));
    if (!painting)
        Freq_CheckAndStore();
    --bandChoices_;
}

void VfoFrame::Combo_Offset_Click()
{
    VfoOffset_Store(record_, Combo_Offset->text());
}

void VfoFrame::Combo_Tone_Click(KitList* list, int firstByte)
{
    VfoTone_Store(record_, firstByte, list->listIndex());
}

void VfoFrame::Combo_Param_Click(KitList* list, int byte)
{
    VfoParam_Store(record_, byte, list->listIndex());
}
