#pragma once
// The windows the main window's menus and toolbar open, in one table, so that
// each window is wired here once when it is built.

#include <functional>

enum class Target {
    frm_chann,            // channel editor
    frm_FM,               // FM preset editor
    frm_option,           // options editor
    frm_dtmf,             // DTMF editor
    frm_2tone,            // two-tone editor
    frm_5tone,            // five-tone editor
    frm_Adj_Txp,          // alignment editor
    Form_open_chann,      // ".dat" open dialog
    Form_save_chann,      // ".dat" save dialog
    Form_Comm_Read,       // whole-image read dialog
    Form_Comm_Write,      // whole-image write dialog
    Form_Write_PassWord,  // password dialog
    Form_setup,           // port setup
    Form_type,            // model select
    frmAbout,             // about box
};

enum class TargetAction { Load, Unload };

// Loads the window (no effect when it is loaded).
void LoadTarget(Target target);
// Unloads the window if it is loaded.
void UnloadTarget(Target target);
// A fresh instance: unload, then load.
void LoadFreshTarget(Target target);

// Runs before every load and unload asked for, built or not (tests follow
// what the menus ask for with it).
extern std::function<void(TargetAction, Target)> onTargetAction;
