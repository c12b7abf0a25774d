#pragma once
// frm_option, the options editor: a child window of the main window that
// edits the options area (rows 224..255): 31 setting lists, the two
// power-on message lines, the ANI and PTT-ID codes, the two VFO frames, and
// its own transfer of the area. Every edit goes straight into the image;
// the rules are plain code (options/opt_settings.h, opt_codes.h,
// vfo_record.h, opt_link.h), the window moves texts between them and its
// controls.
//
// The refresh Opt_Show brings every control in line with the image and
// stores nothing (core/painting.h): a byte past the end of its list shows no
// item, the message lines and the codes show closed up while their bytes
// stay as they are, and a VFO shows its record as it stands.

#include "platform/kit_button.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"
#include "platform/window.h"

#include <vector>

class QLabel;
class QProgressBar;
class TransferEngine;
class VfoFrame;
struct OptSetting;
enum class PonLine;

class frm_option final : public Window {
public:
    frm_option();

    // The setting list and its label of an OptIdx_ index (nullptr for a byte
    // without a list).
    KitList* settingList(int index) const;
    QLabel* settingLabel(int index) const;

    QLabel* const Label_Ponmsg_Txt;
    KitText* const Text_PON_MSG_U;
    KitText* const Text_PON_MSG_D;
    QLabel* const Label_ANI;
    KitText* const Text_ANI;
    QLabel* const Label_Send_Begin;
    KitText* const Text_PttId_Begin;
    QLabel* const Label_Send_End;
    KitText* const Text_PttId_End;
    VfoFrame* const Frame_A;
    VfoFrame* const Frame_B;
    KitButton* const Command_read;
    KitButton* const Command_Write;
    KitButton* const Command_def;
    KitButton* const Command_open;
    KitButton* const Command_save;
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

    // The refresh: the mirror loaded from the image, the setting lists, the
    // message lines, the code boxes, VFO A, VFO B. Besides its own points
    // (load, activation, Default, Read, leaving a message or frequency box),
    // it runs as soon as something else replaces rows of the area (a ".dat"
    // file, a whole-image read).
    void Opt_Show();
    // Opt_Show over contents that came from outside the window's boxes (its
    // load, its Read, Default, a file, a whole-image read): the ANI they
    // brought is no edit, and its box left as it shows it is not checked.
    // An ANI typed and refused stays an edit through every other refresh.
    void Opt_ShowImage();

protected:
    // Captions, placement, the transfer idle, the lists filled, the first
    // refresh, the bar hidden.
    void Form_Load() override;
    void Form_Activate() override;
    // Warns while a transfer runs (and ends it); the window goes all the same.
    // The focus leaving one of its boxes then runs no check.
    void Form_Unload() override;

private:
    struct SettingControls {
        const OptSetting* setting;
        QLabel* label;
        KitList* list;
    };

    // Fills every list: the VFO lists of frame A and of frame B, then the
    // setting lists, in the language LangChinese selects now.
    void Opt_InitControls();

    // Buttons.
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();
    void Command_read_Click();
    void Command_Write_Click();

    // Combo_Tdr_Click .. Combo_RPT_DL_Click: the chosen item stored.
    void Combo_Setting_Click(const SettingControls& controls);
    // Text_PON_MSG_U_Change / _KeyPress / _LostFocus, and the same of _D.
    void Text_PON_MSG_Change(PonLine line, const KitText* box);
    void Text_PON_MSG_KeyPress(const KitText* box, int& key);
    // Leaving a message box closes up and centres what was typed, then
    // paints the window.
    void Text_PON_MSG_LostFocus(PonLine line, KitText* box);
    // Text_ANI_Change, Text_PttId_Begin_Change, Text_PttId_End_Change and
    // their key filters.
    void Text_Code_Change(int row, const KitText* box);
    void Text_Code_KeyPress(const KitText* box, int& key);
    // Leaving the ANI box checks it; a code that passes, and a PTT-ID code,
    // is closed up (Text_PttId_Begin_LostFocus, Text_PttId_End_LostFocus).
    void Text_ANI_LostFocus();
    void Text_Code_LostFocus(int row, KitText* box);

    // A code box from its 16 mirror entries: emptied, then one assignment per
    // entry.
    void ShowCode(KitText* box, int firstEntry);
    // ProgressBar1 and Label_tr_count show what the transfer reports.
    void ShowLinkDisplay();

    std::vector<SettingControls> settings_;
    TransferEngine* link_ = nullptr;
    // What Text_ANI showed when the window last painted contents from
    // outside (Opt_ShowImage).
    QString aniPainted_;
};
