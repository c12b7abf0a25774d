#pragma once
// The focus rule of the kit. One tracker per process watches Qt's focus
// changes and keeps the control that holds the focus as the windows see it.
// It also names the Qt widget inside a control that takes the focus or is
// shown after the control's caption, for screen readers (accessible_names.h).
//
// A move counts only when the focus lands on a widget of this application
// that is not inside a message box or a popup (a drop-down list, a menu).
// Then the control that had the focus gets onLostFocus and the new one
// onGotFocus, in that order. When the focus leaves for a message box, a
// popup or another application, nothing runs, and nothing runs either when it
// comes back to the same control. A control the focus only passes through
// (the lost-focus handler of the one it left sends the focus on before the
// new one heard onGotFocus) hears neither onGotFocus nor onLostFocus. A
// control whose onLostFocus runs does not hear it again until it returns.
//
// A refusal gives the focus back only within the refusing control's own
// window, and only to a control that is shown (KitControl::
// returnFocusAfterRefusal).

class KitControl;
class QWidget;

namespace KitFocus {

// Starts the tracker (the first kit control does it; a QApplication must exist).
void Install();

// The kit control that holds the focus by the rule above, or nullptr.
KitControl* Current();

// The kit control a widget belongs to (the widget itself or the nearest
// parent that is a kit control), or nullptr.
KitControl* ControlOf(QWidget* widget);
// The same control's own widget (the kit class), or nullptr.
QWidget* ControlWidgetOf(QWidget* widget);

}  // namespace KitFocus
