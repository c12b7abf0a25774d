#pragma once
// frm_5tone, the five-tone editor: a child window of the main window with
// two pages under the tab strip TabStrip1. The standards page shows the
// period, group tone and repeat tone of the 15 standards in MSF_Chann,
// edited through the list Combo_edit laid over a cell, and the tone
// frequencies of the standard chosen in Combo_stxh. The encode page shows
// the 15 encode codes in MSF_Encode, edited through the digit editor
// Text_Encode and the standard list Combo_Encode laid over a cell, and the
// option controls of the decoder and the delays. Its own transfer reads the
// settings (rows 576..607) and writes the whole area with the tone tables.
//
// Every edit goes into the image at once; the window only moves texts
// between its controls and the five-tone routines (signalling/
// five_tone_area.h, five_tone_edit.h, five_tone_link.h). It paints itself
// when it loads, after Default, after its own read and whenever the digit
// editor loses the focus, and as soon as something else replaces its rows
// (a ".dat" file, a whole-image read); never on activation.
//
// Each typed digit is stored as it is typed, so the window has no open edit
// to commit: its Write and Save, and the main window's whole-image write and
// save, send the image as the editors left it.
//
// All lists are choose-only (the kit drops typed keys). The texts a list
// shows when the window, not a choice, gives it one come from EditText,
// the window's one saved text: Combo_edit saves its cell's text when it
// opens, Combo_stxh on getting the focus and on a choice, the delay, reset
// and Combo_Encode lists on getting the focus.

#include "core/open_cell.h"
#include "platform/window.h"

#include <array>

class KitButton;
class KitCheck;
class KitGrid;
class KitList;
class KitTabStrip;
class KitText;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class TransferEngine;
struct FiveTonePainting;

class frm_5tone final : public Window {
public:
    frm_5tone();

    static constexpr int kDigitLabels = 16;  // tone digits 0..F
    static constexpr int kFrameBoxes = 3;    // decode frames 1..3
    static constexpr int kDelayLists = 4;    // delays before frames 1..3, first-digit extension

    KitTabStrip* const TabStrip1;

    // The standards page.
    QGroupBox* const Frame_std;
    KitGrid* const MSF_Chann;
    QLabel* const Label_std_name;
    KitList* const Combo_stxh;
    std::array<QLabel*, kDigitLabels> Label_code{};
    std::array<QLabel*, kDigitLabels> Label_freq{};
    KitList* const Combo_edit;

    // The encode page.
    QGroupBox* const Frame_Encode;
    KitGrid* const MSF_Encode;
    KitText* const Text_Encode;
    KitList* const Combo_Encode;
    QLabel* const Label_enc_ys1;
    KitList* const Combo_Enc_ys1;
    QLabel* const Label_enc_ys2;
    KitList* const Combo_Enc_ys2;
    QLabel* const Label_enc_ys3;
    KitList* const Combo_enc_ys3;
    QLabel* const Label_enc_ys4;
    KitList* const Combo_Enc_ys4;
    QFrame* const Frame1;
    QLabel* const Label_Decode_HJ;
    std::array<KitCheck*, kFrameBoxes> Check_Decode_HJ{};
    QFrame* const Frame2;
    QLabel* const Label_Decode_Disp;
    std::array<KitCheck*, kFrameBoxes> Check_Decode_Disp{};
    QFrame* const Frame3;
    QLabel* const Label_Decode_Std;
    KitList* const Combo_Decode_Std;
    QLabel* const Label_Reset_Time;
    KitList* const Combo_Dec_Res_Time;

    // Outside the pages.
    KitButton* const Command_read;
    KitButton* const Command_Write;
    KitButton* const Command_def;
    KitButton* const Command_save;
    KitButton* const Command_open;
    KitButton* const Command_close;
    QLabel* const Label_PassWord;
    KitText* const Text_PassWord;
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;

    // The window's busy flags: its read or its write runs.
    bool Writing() const;
    bool Reading() const;
    // The window's transfer (while the window is loaded).
    TransferEngine& link() { return *link_; }

protected:
    // Placement, layout, captions, the transfer idle, the lists filled and
    // the window painted.
    void Form_Load() override;

private:
    // Layout of step 2 of the load: the tab strip, the pages over its client
    // area and the grids' widths.
    void LayOut();
    void SetCaptions();
    // The link display and the buttons under the strip, once they have their
    // captions.
    void PlaceLinkPanel();
    // The lists filled and the grids' row labels written; only Combo_stxh
    // gets a selection.
    void FiveTone_InitLists();
    // Paints both grids and the option controls from the image (the option
    // controls' handlers store back what they were given) and hides the bar.
    void FiveTone_Show();
    // Encode row r shows code r as painting p has it.
    void FiveTone_ShowEncRow(int r, const FiveTonePainting& p);
    // Label_freq shows the tones of the standard chosen in Combo_stxh.
    void FiveTone_ShowFreqs();
    // The end of a completed read: the editors left open over the old
    // settings are dropped, then the painting.
    void FiveTone_ShowRead();
    // Something else replaced rows of the area (a ".dat" file, a whole-image
    // read): the editors over replaced records are dropped, then the
    // painting.
    void ShowImage();
    // The three in-cell editors hidden without storing anything.
    void HideEditors();
    // The encode editors hidden and done with: nothing they hold goes into
    // a cell or the image any more.
    void DropEncodeEditors();
    // An editor opened over a record that something else (a ".dat" file, a
    // whole-image read) replaced meanwhile is dropped. It stays open from its
    // opening until the leave of its cell, also while a page switch hides it.
    void DropStaleEditors();

    void TabStrip1_Click();

    // Buttons.
    void Command_read_Click();
    void Command_Write_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    // The standards page.
    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void FiveTone_EditStdCell();
    void Combo_edit_Click();
    void Combo_stxh_Click();

    // The option controls.
    void Option_Click(KitList* list, int byte);
    void Check_Decode_HJ_Click(int index);
    void Check_Decode_Disp_Click(int index);
    void Combo_Decode_Std_KeyPress(int& key);

    // The encode page.
    void MSF_Encode_Click();
    // A frame of other than five digits shows the five-digit message. Its
    // cell is kept, with the editor and the focus, only when the editor's
    // text changed since it opened (the open-cell guard's note); a frame
    // only clicked through lets the cell move on and the editor go, storing
    // nothing.
    void MSF_Encode_LeaveCell();
    void FiveTone_EditEncCell();
    // A code left with an empty frame 1: the digit editor is emptied, which
    // stores an empty frame when its own cell is current, and the row then
    // shows what the image holds (its other frames and standard stay there
    // and go out with Write), never blanks.
    void FiveTone_ClearEncRow(int r);
    void Text_Encode_KeyPress(int& key);
    void Text_Encode_Change();
    // The window paints itself.
    void Text_Encode_LostFocus();
    void Combo_Encode_Click();

    // Steps 1 to 4 of leaving the current encode cell. False when the digit
    // editor over it holds neither five digits nor none: then nothing is done.
    bool Encode_CommitCell();

    // ProgressBar1 and Label_tr_count show what the transfer reports.
    void ShowLinkDisplay();

    std::array<KitList*, kDelayLists> delayLists() const;
    std::array<QLabel*, kDelayLists> delayLabels() const;

    // Holds the link display and the buttons.
    QWidget* const linkPanel_;
    TransferEngine* link_ = nullptr;
    // The text the choose-only lists fall back to (see the header comment).
    QString EditText;
    // The digit editor's own cell: it stores only while that cell is current.
    int encRow_ = 0;
    int encCol_ = 0;
    // The digit editor is being given its cell's text: opening stores nothing.
    bool openingDigits_ = false;
    // The records under the open editors as they last saw them: the code
    // record of Text_Encode or Combo_Encode, the standard record of Combo_edit.
    // encOpen_ also notes whether the digit editor's text changed since it
    // opened (typed, pasted, set by a screen reader).
    OpenCell encOpen_;
    OpenCell stdOpen_;
};
