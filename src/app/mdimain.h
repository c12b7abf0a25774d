#pragma once
// The main window: the menus, the toolbar and the status bar, the host of
// every child window, and the start-up (its load handler).

#include "platform/mdi_frame.h"

#include "core/language.h"

#include <QString>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class StartupIdentification;

// The four window texts the start-up stores (step 1).
extern QString TitleEng;
extern QString CompanyEng;
extern QString TitleChn;
extern QString CompanyChn;

class MDImain final : public MdiFrame {
public:
    MDImain();

    // The main window's own link: the port scan, the port setup's open and
    // the identification of the radio.
    StartupIdentification& Identification() { return link_; }

    // Menu bar, in its order. Lists are menus; their bar entry is menuAction().
    QMenu* File;
    QAction* File_New;
    QAction* File_Open;
    QAction* File_save;
    QAction* File_saveas;
    QAction* File_exit;
    QAction* fm_chann_edit;
    QAction* chann_edit;
    QAction* sys_edit;
    QMenu* sig_edit;
    QAction* Sig_dtmf;
    QAction* Sig_2tone;
    QAction* Sig_5tone;
    QAction* Sig_spare1;
    QAction* Sig_spare2;
    QAction* frm_adj;
    QMenu* Program;
    QAction* Prog_read;
    QAction* Prog_write;
    QAction* PC_PassWord;
    QAction* proc_setup;
    QMenu* Language_Setup;
    QAction* Language_chn;
    QAction* Language_eng;
    QAction* about;
    QAction* Menu_Exit;

    // Handlers.
    void File_New_Click();
    void File_Open_Click();
    void File_save_Click();
    void File_saveas_Click();
    void File_exit_Click();
    void fm_chann_edit_Click();
    void chann_edit_Click();
    void sys_edit_Click();
    void Sig_dtmf_Click();
    void Sig_2tone_Click();
    void Sig_5tone_Click();
    void frm_adj_Click();
    void Prog_read_Click();
    void Prog_write_Click();
    void PC_PassWord_Click();
    void proc_setup_Click();
    void Language_chn_Click();
    void Language_eng_Click();
    void about_Click();
    void Menu_Exit_Click();
    void Toolbar1_ButtonClick(const QString& key);

    // Loads the model select dialog. Nothing calls it: the dialog is built
    // but cannot be reached.
    void ShowModelSelect();

protected:
    // MDIForm_Load: the start-up.
    void Form_Load() override;

private:
    void buildMenus();
    void buildToolbar();
    void applyStartupCaptions();
    std::vector<std::pair<QAction*, BiText>> switchCaptions() const;
    void applySwitchCaptions(bool chinese);
    void nameToolbarButtons();
    void enableEditingMenus();

    StartupIdentification& link_;
};
