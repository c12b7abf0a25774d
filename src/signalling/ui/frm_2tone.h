#pragma once
// frm_2tone, the two-tone editor: a child window of the main window with two
// pages on a tab strip. The encode page shows the 15 encode entries in the
// grid MSF_Encode, edited in place through Text_Encode, and the three
// duration lists; the decode page shows the 15 decode entries in MSF_Decode,
// edited in place through the list Combo_Decode, the four tones of one
// entry's tone set in Text_A..Text_D and the reset-time list. Every edit
// goes straight into the image (signalling/two_tone_area.h,
// two_tone_edit.h); the window has its own transfer of the area
// (two_tone_link.h).
//
// What becomes of an edit that is not finished:
// - Text_Encode stores when its cell is left, and only what was typed into
//   it: a cell only clicked through keeps its bytes, blank or not. Write
//   and Save commit it first (a refused value stops the button), and so
//   does the main window's whole-image write or ".dat" save. A tab click or
//   Close drops it.
// - Combo_Decode stores each choice at once; the item it opens on is no
//   choice.
// - A tone box stores when it loses the focus, which every button, the tab
//   strip and the grids take when clicked, and only a text that differs
//   from what the tone set holds: a box only passed through keeps its bytes,
//   whatever tone they show.
// - Default and a completed read close both in-cell editors without
//   storing: what they held belongs to contents that are gone. So does
//   something else (a ".dat" file, a whole-image read) that replaces the
//   entry under an open editor, and the commit of such a Text_Encode.
//
// The window paints the area at its load, after Default, its own read and
// an encode or tone commit, and as soon as something else replaces it (a
// ".dat" file, a whole-image read), so the grids never go on showing what the
// image no longer holds; never on activation.
//
// A double click on the decode grid does nothing beyond the click it follows
// (a click on a row number shows that entry's tone set): the grid never
// blanks a row that the image still holds and Write still sends.

#include "core/open_cell.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "platform/window.h"
#include "signalling/two_tone_area.h"

#include <QString>
#include <array>
#include <utility>

class QGroupBox;
class QLabel;
class QProgressBar;
class TransferEngine;

class frm_2tone final : public Window {
public:
    frm_2tone();

    KitTabStrip* const TabStrip1;
    QGroupBox* const Frame_Encode;
    KitGrid* const MSF_Encode;
    KitText* const Text_Encode;
    QLabel* const Label_1st;
    QLabel* const Label_2nd;
    QLabel* const Label_gap;
    KitList* const Combo_Enc_ys1;
    KitList* const Combo_Enc_ys2;
    KitList* const Combo_enc_ys3;
    QGroupBox* const Frame_Decode;
    KitGrid* const MSF_Decode;
    KitList* const Combo_Decode;
    QGroupBox* const Frame_Dec_xx;
    QLabel* const Label_A_tone;
    QLabel* const Label_B_Tone;
    QLabel* const Label_C_Tone;
    QLabel* const Label_D_Tone;
    KitText* const Text_A;
    KitText* const Text_B;
    KitText* const Text_C;
    KitText* const Text_D;
    QLabel* const Label_Reset;
    KitList* const Combo_Dec_Res_Time;
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
    // The decode entry (0..14) whose tone set the tone boxes show and edit.
    int decodeEntry() const { return DecEntry; }

    // Repaints every control of the area from the image and stores nothing:
    // a byte beyond an option list shows no item. Cell texts are set without
    // moving a grid's current cell.
    void TwoTone_Show();
    // The tone boxes show the tone set of decode entry x (0..14).
    void Edata_Load(int x);

protected:
    // Placement, captions, the transfer idle, the lists filled, the grids
    // numbered, decode entry 1, then the whole area painted.
    void Form_Load() override;

private:
    void LayOut();
    void ShowLinkDisplay();
    std::array<KitText*, kTwoToneTones> toneBoxes() const { return {Text_A, Text_B, Text_C, Text_D}; }
    std::array<std::pair<TwoToneOption, KitList*>, 4> optionLists() const;

    void TabStrip1_Click();

    // Buttons.
    void Command_read_Click();
    void Command_Write_Click();
    void Command_def_Click();
    void Command_save_Click();
    void Command_open_Click();
    void Command_close_Click();

    // The option lists: a choice stores its index; no key is taken.
    void Option_Click(TwoToneOption option, const KitList* list);

    // Encode grid and its editor.
    void MSF_Encode_Click();
    void Cell_EditEncode();
    void Text_Encode_KeyPress(int& key);
    void Text_Encode_Change();
    void MSF_Encode_LeaveCell();
    // The commit of MSF_Encode_LeaveCell when Text_Encode is open over its
    // cell: the tone stored, the area painted, the editor closed, then the
    // range message. False when the text was refused (the message shown).
    // When nothing was typed into it, or the entry under it changed
    // meanwhile, the editor closes and stores nothing.
    bool Commit_EncodeEdit();
    void CloseEncodeEditor();

    // Decode grid and its list.
    void MSF_Decode_Click();
    void Cell_EditDecode();
    void Combo_Decode_Click();
    void Combo_Decode_GotFocus();
    void Combo_Decode_Change();
    void MSF_Decode_LeaveCell();
    void CloseDecodeList();

    // Tone boxes A..D (tone t = 0..3).
    void Text_Tone_KeyPress(int t, int& key);
    void Text_Tone_LostFocus(int t);

    // Both in-cell editors closed without storing.
    void CloseEditors();
    // After a completed read: the editors dropped, the area painted.
    void TwoTone_FromBlocks();
    // Something else replaced rows of the area (a ".dat" file, a whole-image
    // read): an in-cell editor whose entry it replaced is dropped, then the
    // area is painted.
    void ShowImage();

    QWidget* const linkPanel_;  // the buttons, the password and the progress
    TransferEngine* link_ = nullptr;
    int DecEntry = 0;
    // The decode list's text when it last got the focus or had an item chosen.
    QString EditText;
    // The cell Combo_Decode is open over, and its entry as the list found it
    // or last stored it; touched by a choice made there.
    OpenCell decodeCell_;
    // The cell Text_Encode is open over, and its entry as the editor found
    // it; touched by any change of the editor's text since it opened.
    OpenCell encodeCell_;
};
