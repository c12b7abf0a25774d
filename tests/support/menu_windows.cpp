#include "support/menu_windows.h"

#include "alignment/ui/frm_adj_txp.h"
#include "app/form_setup.h"
#include "app/mdimain.h"
#include "channels/ui/frm_chann.h"
#include "channels/ui/frm_fm.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "core/ui/form_type.h"
#include "core/ui/frm_about.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "link/ui/form_write_password.h"
#include "options/ui/frm_option.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "signalling/ui/frm_dtmf.h"

#include <QAction>

namespace {

template <class T> Window* Loaded()
{
    return Windows::Find<T>();
}

}  // namespace

std::span<const MenuWindow> MenuWindows()
{
    static const MenuWindow windows[] = {
        {"main window", [](MDImain&) {}, &Loaded<MDImain>},
        {"port setup", [](MDImain& main) { main.proc_setup->trigger(); }, &Loaded<Form_setup>},
        {"model select", [](MDImain& main) { main.ShowModelSelect(); }, &Loaded<Form_type>},
        {"about box", [](MDImain& main) { main.about_Click(); }, &Loaded<frmAbout>},
        {"whole-image read", [](MDImain& main) { main.Prog_read->trigger(); }, &Loaded<Form_Comm_Read>},
        {"whole-image write", [](MDImain& main) { main.Prog_write->trigger(); }, &Loaded<Form_Comm_Write>},
        {"password change", [](MDImain& main) { main.PC_PassWord->trigger(); }, &Loaded<Form_Write_PassWord>},
        {"channel window", [](MDImain& main) { main.chann_edit->trigger(); }, &Loaded<frm_chann>},
        {"FM window", [](MDImain& main) { main.fm_chann_edit->trigger(); }, &Loaded<frm_FM>},
        {".dat open", [](MDImain& main) { main.File_Open->trigger(); }, &Loaded<Form_open_chann>},
        {".dat save", [](MDImain& main) { main.File_saveas->trigger(); }, &Loaded<Form_save_chann>},
        {"two-tone window", [](MDImain& main) { main.Sig_2tone->trigger(); }, &Loaded<frm_2tone>},
        {"five-tone window", [](MDImain& main) { main.Sig_5tone->trigger(); }, &Loaded<frm_5tone>},
        {"alignment window", [](MDImain& main) { main.frm_adj->trigger(); }, &Loaded<frm_Adj_Txp>},
        {"options window", [](MDImain& main) { main.sys_edit->trigger(); }, &Loaded<frm_option>},
        {"DTMF window", [](MDImain& main) { main.Sig_dtmf->trigger(); }, &Loaded<frm_dtmf>},
    };
    return windows;
}
