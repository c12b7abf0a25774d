#pragma once
// frm_Adj_Txp, the alignment editor: a child window of the main window that
// shows the alignment table AdjData one page at a time under the tab strip
// TabStrip1 (transmit power high and low, squelch, the settings of row 8,
// the band limits of row 9), resets it to its defaults and reads and writes
// the band-limit row from and to the radio with its own transfer. Every edit
// goes into the table at once: the point boxes on every change of their
// text, the lists when an item is chosen, the limit boxes when one loses the
// focus. The window only moves texts between its controls and the plain
// code of the table (alignment/adj_table.h, adj_entry.h, adj_link.h).
//
// The window offers no file commands. Closing it by its frame is never
// refused and ends a running transfer; the table stays as it is.

#include "alignment/adj_table.h"
#include "platform/kit_button.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "platform/window.h"

#include <array>
#include <optional>
#include <span>

class QGroupBox;
class QLabel;
class QProgressBar;
class TransferEngine;

class frm_Adj_Txp final : public Window {
public:
    frm_Adj_Txp();

    KitTabStrip* const TabStrip1;

    // Pages 0 and 1: the power of each frequency point.
    QGroupBox* const Frame_Frame;
    std::array<QGroupBox*, 2> Frame_B0{};
    std::array<QLabel*, kAdjPoints> Label1{};
    std::array<KitText*, kAdjPoints> Text1{};
    std::array<QLabel*, kAdjPoints> Label_UHF{};
    std::array<KitText*, kAdjPoints> Text2{};

    // Page 2: squelch open values per level and compensation per point.
    QGroupBox* const Frame_Sql;
    QGroupBox* const Frame1;
    QGroupBox* const Frame_Sql_UHF;
    std::array<QLabel*, kAdjSqlLevels> Label_Sql_VHF{};
    std::array<KitText*, kAdjSqlLevels> Text_SQ_VHF{};
    std::array<QLabel*, kAdjPoints> Label_Sq_Offset_Vhf{};
    std::array<KitText*, kAdjPoints> Text_Sq_Offset_VHF{};
    std::array<QLabel*, kAdjSqlLevels> Label_Sql_UHF{};
    std::array<KitText*, kAdjSqlLevels> Text_SQ_UHF{};
    std::array<QLabel*, kAdjPoints> Label_Sq_Offset_UHF{};
    std::array<KitText*, kAdjPoints> Text_Sq_Offset_UHF{};
    // The column headings of both squelch groups.
    QLabel *Label18, *Label19, *Label20, *Label21, *Label22, *Label23, *Label24, *Label25;

    // Page 3: one list per setting of row 8.
    QGroupBox* const Frame_Dev;
    QGroupBox* const Frame_Dev_1;
    QGroupBox* const Frame2;
    KitList *Combo_Voice_Dev, *Combo_CT_Dev, *Combo_DCS_Dev, *Combo_Wide_C, *Combo_Wide_F, *Combo_Narror_C,
        *Combo_Narror_F, *Combo_Beep_C, *Combo_Beep_F, *Combo_VHF_Drive, *Combo_UHF_Drive, *Combo_TXP_Temp,
        *Combo_Tone_Dev;
    // The lists by the column of row 8 they write, and their captions.
    std::array<KitList*, 13> Combo_Setting{};
    std::array<QLabel*, 13> Label_Setting{};

    // Page 4: the band limits, index 0 VHF, 1 UHF.
    QGroupBox* const Frame_Other;
    QLabel *Label2, *Label3, *Label4, *Label8, *Label_F0, *Label_F1;
    std::array<QLabel*, 2> Label9{};
    std::array<QLabel*, 2> Label10{};
    std::array<KitText*, 2> Text_Freq_L{};
    std::array<KitText*, 2> Text_Freq_H{};
    std::array<KitCheck*, 2> Check_Tx{};

    KitButton* const Command_read;
    KitButton* const Command_Write;
    KitButton* const Command_def;
    KitButton* const Command_close;
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;

    // The page shown (AdjPage) and the fixed bounds of each band.
    int Page = AdjPage::Limits;
    std::array<int, 2> FreqMin{};
    std::array<int, 2> FreqMax{};

    // The window's busy flags: its read or its write runs.
    bool Writing() const;
    bool Reading() const;
    // The window's transfer (while the window is loaded).
    TransferEngine& link() { return *link_; }

    // The point labels, the squelch labels and the thirteen lists.
    void Adj_InitControls();
    // The cells of the current page into its controls, each as the table
    // holds it; it stores nothing (core/painting.h): a value past its box's
    // range shows as it is, one past its list shows no item.
    void Adj_Show();

protected:
    // Bounds, geometry, captions, the transfer idle, then page 4 shown while
    // the tab strip stays on its first tab.
    void Form_Load() override;
    // The window itself, not a control of it, took the focus: Adj_Show.
    void focusInEvent(QFocusEvent* event) override;

private:
    void Form_GotFocus();
    void TabStrip1_Click();
    void Command_read_Click();
    void Command_Write_Click();
    void Command_def_Click();
    void Command_close_Click();

    // The change handler of every point box (Text1_Change ... Text_Sq_Offset_UHF_Change).
    void Point_Change(AdjBox box, int index);
    // The click handler of every list (Combo_Voice_Dev_Click ...).
    void Combo_Setting_Click(int column);
    // Text_Freq_L_KeyPress, Text_Freq_H_KeyPress.
    void Limit_KeyPress(AdjLimit limit, int& key);
    // Text_Freq_L_LostFocus, Text_Freq_H_LostFocus: the rule of
    // Adj_LimitLeave (alignment/adj_entry.h) for a box the user leaves.
    void Limit_LostFocus(AdjLimit limit);
    // Text_Freq_L_Change, Text_Freq_H_Change: a refused box typed into
    // again is refused no more.
    void Limit_Change(AdjLimit limit);
    // The box whose limit was refused as the focus left it holds the focus
    // again, as refused: the press that took the focus from it was turned
    // away.
    bool RefusedLimitHasFocus() const;

    // The layout, page by page, then the handlers.
    void LayPowerPages();
    void LaySquelchPage();
    void LaySettingsPage();
    void LayLimitsPage();
    void ConnectHandlers();

    std::span<KitText* const> Boxes(AdjBox box) const;
    KitText* LimitBox(AdjLimit limit) const;
    QGroupBox* PageFrame(int page) const;
    void ShowLinkDisplay();
    void SetCaptions();
    void PlaceControls(double width, double height);

    TransferEngine* link_ = nullptr;
    // The limit box whose last leave was refused; none once a box is left
    // without a refusal or the refused box is typed into again.
    std::optional<AdjLimit> refusedLimit_;
};
