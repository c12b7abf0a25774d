#pragma once
// What screen readers hear is what the windows show. Qt names a widget
// after the label whose buddy it is, or, with none, after the frame (group
// box) it stands in. Two places need help, and get it here:
// - A kit control (kit_control.h) is a widget around the Qt widget that
//   takes the focus; a label names the control, so Qt finds no label for
//   the Qt widget inside. That widget is given the control's caption.
// - A frame with a title inside a frame would be named after the outer
//   frame's title; it is given its own.
// - An editor laid over a grid's cell has no label: it takes the heading of
//   the column it stands in (KitGrid::nameEditor).
// No other name is ever set.

class QWidget;

// The Qt widget inside a kit control (the end of its focus proxies) takes
// the caption of the label that names the control, or the title of the
// frame the control stands in. The kit runs it whenever a control is shown
// or takes the focus.
void NameInputAfterCaption(QWidget* control);

// Every kit control and frame within a window, as above. The window base runs
// it after each window's load, once the window has set its captions.
void NameWithinWindow(QWidget* window);
