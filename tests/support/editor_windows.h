#pragma once
// The six editor windows, for tests that hold one rule over every editor as
// one table: a row per editor, and each editor loaded as its own class.

#include "channels/ui/frm_chann.h"
#include "channels/ui/frm_fm.h"
#include "options/ui/frm_option.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "signalling/ui/frm_dtmf.h"

#include <QMetaType>
#include <array>

enum class EditorWindow { Channel, Fm, Options, Dtmf, TwoTone, FiveTone };
Q_DECLARE_METATYPE(EditorWindow)

inline constexpr std::array<EditorWindow, 6> kEditorWindows{EditorWindow::Channel, EditorWindow::Fm,
                                                            EditorWindow::Options, EditorWindow::Dtmf,
                                                            EditorWindow::TwoTone, EditorWindow::FiveTone};

// The column "editor" and a row per editor ("channel", "FM", "options",
// "DTMF", "two-tone", "five-tone").
void AddEditorRows();

// Loads the editor (no effect when it is loaded) and returns what f makes of
// it, f being called with the window as its own class.
template <class F> decltype(auto) WithEditor(EditorWindow editor, F&& f)
{
    switch (editor) {
    case EditorWindow::Channel:
        return f(Windows::Load<frm_chann>());
    case EditorWindow::Fm:
        return f(Windows::Load<frm_FM>());
    case EditorWindow::Options:
        return f(Windows::Load<frm_option>());
    case EditorWindow::Dtmf:
        return f(Windows::Load<frm_dtmf>());
    case EditorWindow::TwoTone:
        return f(Windows::Load<frm_2tone>());
    case EditorWindow::FiveTone:
        break;
    }
    return f(Windows::Load<frm_5tone>());
}

// Loads the editor and returns it.
Window* LoadEditor(EditorWindow editor);
