#include "app/window_targets.h"

#include "alignment/ui/frm_adj_txp.h"
#include "app/form_setup.h"
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
#include "platform/window.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "signalling/ui/frm_dtmf.h"

std::function<void(TargetAction, Target)> onTargetAction;

namespace {

struct Wiring {
    void (*load)() = nullptr;
    void (*unload)() = nullptr;
};

template <class T> Wiring Wired()
{
    return {[] { Windows::Load<T>(); }, [] { Windows::Unload<T>(); }};
}

// Every window is wired; a value outside the targets opens nothing.
const Wiring NotBuilt{};

Wiring WiringOf(Target target)
{
    switch (target) {
    case Target::frm_chann:
        return Wired<frm_chann>();
    case Target::frm_FM:
        return Wired<frm_FM>();
    case Target::Form_setup:
        return Wired<Form_setup>();
    case Target::Form_type:
        return Wired<Form_type>();
    case Target::frmAbout:
        return Wired<frmAbout>();
    case Target::Form_open_chann:
        return Wired<Form_open_chann>();
    case Target::Form_save_chann:
        return Wired<Form_save_chann>();
    case Target::Form_Comm_Read:
        return Wired<Form_Comm_Read>();
    case Target::Form_Comm_Write:
        return Wired<Form_Comm_Write>();
    case Target::Form_Write_PassWord:
        return Wired<Form_Write_PassWord>();
    case Target::frm_Adj_Txp:
        return Wired<frm_Adj_Txp>();
    case Target::frm_2tone:
        return Wired<frm_2tone>();
    case Target::frm_5tone:
        return Wired<frm_5tone>();
    case Target::frm_option:
        return Wired<frm_option>();
    case Target::frm_dtmf:
        return Wired<frm_dtmf>();
    }
    return NotBuilt;
}

}  // namespace

void LoadTarget(Target target)
{
    if (onTargetAction)
        onTargetAction(TargetAction::Load, target);
    if (const Wiring wiring = WiringOf(target); wiring.load != nullptr)
        wiring.load();
}

void UnloadTarget(Target target)
{
    if (onTargetAction)
        onTargetAction(TargetAction::Unload, target);
    if (const Wiring wiring = WiringOf(target); wiring.unload != nullptr)
        wiring.unload();
}

void LoadFreshTarget(Target target)
{
    UnloadTarget(target);
    LoadTarget(target);
}
