#include "core/ui/window_targets.h"

#include "core/ui/channel_placeholder.h"
#include "core/ui/form_setup.h"
#include "core/ui/form_type.h"
#include "core/ui/frm_about.h"
#include "platform/window.h"

std::function<void(TargetAction, Target)> onTargetAction;

namespace {

// One loaded/load/unload triple per window type.
template <class T>
bool Run(TargetAction action)
{
    if (action == TargetAction::Load)
        Windows::Load<T>();
    else
        Windows::Unload<T>();
    return Windows::Find<T>() != nullptr;
}

template <class T>
bool IsLoaded()
{
    return Windows::Find<T>() != nullptr;
}

// Returns whether the window is loaded after the action; windows that are not
// built yet are never loaded.
bool Dispatch(Target target, TargetAction action, bool queryOnly)
{
    switch (target) {
    case Target::frm_chann:
        // The channel editor is not built yet: its placeholder stands in.
        return queryOnly ? IsLoaded<ChannelPlaceholder>() : Run<ChannelPlaceholder>(action);
    case Target::Form_setup:
        return queryOnly ? IsLoaded<Form_setup>() : Run<Form_setup>(action);
    case Target::Form_type:
        return queryOnly ? IsLoaded<Form_type>() : Run<Form_type>(action);
    case Target::frmAbout:
        return queryOnly ? IsLoaded<frmAbout>() : Run<frmAbout>(action);

    // ---- Windows not built yet: they open nothing for now. Wire each one
    // ---- here (as the lines above) when its window exists.
    case Target::frm_FM:
    case Target::frm_option:
    case Target::frm_dtmf:
    case Target::frm_2tone:
    case Target::frm_5tone:
    case Target::frm_Adj_Txp:
    case Target::Form_open_chann:
    case Target::Form_save_chann:
    case Target::Form_Comm_Read:
    case Target::Form_Comm_Write:
    case Target::Form_Write_PassWord:
        return false;
    }
    return false;
}

void Request(TargetAction action, Target target)
{
    if (onTargetAction)
        onTargetAction(action, target);
    Dispatch(target, action, false);
}

}  // namespace

void LoadTarget(Target target)
{
    Request(TargetAction::Load, target);
}

void UnloadTarget(Target target)
{
    Request(TargetAction::Unload, target);
}

void LoadFreshTarget(Target target)
{
    UnloadTarget(target);
    LoadTarget(target);
}

bool TargetLoaded(Target target)
{
    return Dispatch(target, TargetAction::Load, true);
}
