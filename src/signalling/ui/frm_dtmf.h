#pragma once
// frm_dtmf, the DTMF editor: a child window of the main window that shows
// and edits the DTMF area of the image (signalling/dtmf_area.h) in 23 code
// boxes, 13 check boxes and six lists, with its own transfer of the area.
// Every edit goes straight into the image; Dtmf_Show paints every control
// from the image and stores nothing (core/painting.h): a code row with gaps
// shows closed up, an index past its list shows no item, a control byte
// other than 0 and 1 shows ticked, and the bytes stay as they are.

#include "platform/kit_button.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"
#include "platform/window.h"
#include "signalling/dtmf_area.h"

#include <array>
#include <functional>
#include <utility>

class QGroupBox;
class QLabel;
class QProgressBar;
class TransferEngine;

class frm_dtmf final : public Window {
public:
    frm_dtmf();

    // Frame_Encode, the left half.
    QGroupBox* const Frame_Encode;
    QLabel* const Label_encode_xh;
    QLabel* const Label_tx_encode;
    const std::array<QLabel*, Dtmf::kEncodeCodes> Label_xh;
    const std::array<KitText*, Dtmf::kEncodeCodes> Text_tx_Encode;
    QLabel* const Label_dtmf_ontime;
    KitList* const Combo_Enc_ys1;
    QLabel* const Label_dtmf_offtime;
    KitList* const Combo_Enc_ys2;
    QGroupBox* const Frame_State;
    KitCheck* const Check_RX;
    KitCheck* const Check_Tx;

    // Frame_Decode, the right half.
    QGroupBox* const Frame_Decode;
    QGroupBox* const Frame_Ctrl;
    KitCheck* const Check_Ctrl_En;
    // The rights headings, upper and lower line, one label over each column
    // of rights boxes (empty where the line has no word over that column).
    const std::array<QLabel*, Dtmf::kRights> Label_xcjtyyybkj_2;
    const std::array<QLabel*, Dtmf::kRights> Label_xcjtyyybkj_1;
    QLabel* const Label_PID;
    KitText* const Text_MID;
    const std::array<KitCheck*, Dtmf::kRights> Check_M;
    QLabel* const Label_SID;
    KitText* const Text_SID;
    const std::array<KitCheck*, Dtmf::kRights> Check_S;
    QGroupBox* const Frame_jm;
    QLabel* const Label_xc;
    KitText* const Text_XC;
    QLabel* const Label_jt;
    KitText* const Text_JT;
    QLabel* const Label_bj;
    KitText* const Text_BJ;
    QLabel* const Label_yy;
    KitText* const Text_YY;
    QLabel* const Label_yb;
    KitText* const Text_YB;
    QLabel* const Label_kj;
    KitText* const Text_KJ;
    QLabel* const Label_Group_code;
    KitList* const Combo_Dec_qh;
    QLabel* const Label_Reset_Time;
    KitList* const Combo_Dec_Res_Time;
    QLabel* const Label_Dec_Space_Code;
    KitList* const Combo_Dec_Space_Code;
    QLabel* const Label_Rece_End_ProcDelay;
    KitList* const Combo_Dec_Proc_Ys;

    // Below the frames.
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;
    KitButton* const Command_read;
    KitButton* const Command_Write;
    KitButton* const Command_def;
    KitButton* const Command_save;
    KitButton* const Command_open;
    KitButton* const Command_close;
    QLabel* const Label_PassWord;
    KitText* const Text_PassWord;

    // The window's busy flags: its read or its write runs.
    bool Writing() const;
    bool Reading() const;
    // The window's transfer (while the window is loaded).
    TransferEngine& link() { return *link_; }

    // Paints every value control from the image, in this order: the encode
    // codes, the speeds, the function codes and IDs, the control row, then
    // the enabled states of the ID controls. Besides its own points (load,
    // activation, Default, Read, leaving a code box), it runs as soon as
    // something else replaces rows of the area (a ".dat" file, a
    // whole-image read).
    void Dtmf_Show();

protected:
    // Row bases, placement, captions, the transfer idle, the lists filled,
    // then the area painted.
    void Form_Load() override;
    // Every activation paints what the image holds now.
    void Form_Activate() override;
    // During a transfer: the transfer ends first, then the warning; the
    // window goes all the same.
    void Form_Unload() override;

private:
    // The six lists emptied and filled, the number labels.
    void Dtmf_InitControls();

    // Buttons.
    void Command_read_Click();
    void Command_Write_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

    // The 23 code boxes, Text_tx_Encode(0..14), Text_XC, Text_JT, Text_BJ,
    // Text_YY, Text_YB, Text_KJ, Text_MID and Text_SID, share their handlers
    // (Text_tx_Encode_KeyPress, Text_XC_Change, Text_MID_LostFocus, ...):
    // the key filter, the rewrite of the box's row, and when the box is left
    // what was typed closed up, then a repaint.
    void Code_KeyPress(const KitText* box, int& key);
    void Code_Change(KitText* box, int row);
    void Code_LostFocus(KitText* box, int row);
    void SetUpCodeBox(KitText* box, std::function<int()> row);

    // Check boxes.
    void Check_Ctrl_En_Click();
    void Check_M_Click(int Index);
    void Check_S_Click(int Index);
    void Check_RX_Click();
    void Check_Tx_Click();
    // Text_MID, Check_M(0..4), Text_SID, Check_S(0..4) enabled or disabled.
    void EnableIdControls(bool enabled);

    // Lists: a choice stores the index, or the digit code of the item.
    void Combo_Enc_ys1_Click();
    void Combo_Enc_ys2_Click();
    void Combo_Dec_qh_Click();
    void Combo_Dec_Space_Code_Click();
    void Combo_Dec_Proc_Ys_Click();
    void Combo_Dec_Res_Time_Click();
    // The KeyPress handler of all six lists (Combo_Enc_ys1_KeyPress, ...):
    // every key is dropped.
    static void Combo_KeyPress(int& key);

    // ProgressBar1 and Label_tr_count show what the transfer reports.
    void ShowLinkDisplay();

    // The eight code boxes of the decode half, with the codes they show, in
    // the order Dtmf_Show paints them; the six lists.
    std::array<std::pair<KitText*, Dtmf::Code>, 8> DecodeBoxes() const;
    std::array<KitList*, 6> Lists() const;

    TransferEngine* link_ = nullptr;

    // The row bases of the encode and the decode half, set at load.
    int EncBaseHi = 0;
    int CodeBaseHi = 0;
};
