#pragma once
// Frame_A and Frame_B of the options window: the controls of one VFO record
// (frequency box, range box, band, offset and tone lists, eight parameter
// lists) and their handlers. Every choice and every accepted frequency goes
// straight into the image (options/vfo_record.h has the rules); a checked
// frequency ends with the window's whole refresh, which the frame gets as
// `refresh`.

#include "options/vfo_record.h"

#include <QGroupBox>
#include <array>
#include <functional>

class KitList;
class KitText;
class QLabel;

class VfoFrame final : public QGroupBox {
public:
    enum class Which { A, B };
    VfoFrame(Which which, std::function<void()> refresh, QWidget* parent);

    QLabel* const Label_Freq;
    KitText* const Text_Freq;
    QLabel* const Label_FreqUnit;  // Label28 (A), Label33 (B)
    QLabel* const Label_Band;
    KitList* const Combo_Band;
    QLabel* const Label_Range;
    KitText* const Text_Range;
    QLabel* const Label_Offset;
    KitList* const Combo_Offset;
    QLabel* const Label_OffsetUnit;  // Label3 (A), Label4 (B)
    QLabel* const Label_r_ctdcs;
    KitList* const Combo_r_ctdcs;
    QLabel* const Label_t_ctdcs;
    KitList* const Combo_t_ctdcs;
    // The parameter lists and their labels, in the order of VfoParams().
    static constexpr int kParams = 8;
    std::array<QLabel*, kParams> paramLabels{};
    std::array<KitList*, kParams> paramLists{};
    // The parameter list of a VfoParamRec byte (4..11).
    KitList* paramList(int byte) const;

    // The frame's caption and its labels, by LangChinese.
    void setCaptions();
    // Fills every list in the language LangChinese selects now; no item is
    // selected afterwards.
    void fillLists();
    // The refresh of the record: the frequency box emptied and extended digit
    // by digit, the band (a change runs the band choice: the working limits
    // and the range box of the band), the offset, the two tones, the
    // parameters, each as the record holds it; it stores nothing (the window
    // paints, core/painting.h).
    void Vfo_Show();

private:
    void Text_Freq_KeyPress(int& key);
    void Text_Freq_Change();
    void Text_Freq_LostFocus();
    void Combo_Band_Click();
    void Combo_Offset_Click();
    void Combo_Tone_Click(KitList* list, int firstByte);
    void Combo_Param_Click(KitList* list, int byte);

    // The frequency check and store: the box's text checked against the
    // working limits and normalised, stored, the band list set from byte 0
    // (a change runs the band choice, nested), then the window's refresh.
    // A frequency out of range is replaced before the range message shows,
    // with the focus given back to the box while it stays in this window.
    void Freq_CheckAndStore();
    // An item, or a text with no item selected.
    static void Show(KitList* list, const VfoShown& shown);
    void ShowTone(KitList* list, int firstByte);

    Which which_;
    VfoRecord record_;
    std::function<void()> refresh_;
    // Band choices of this frame running, one inside another.
    int bandChoices_ = 0;
};
