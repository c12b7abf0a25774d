#pragma once
// Every value fits its control: how wide a control must be, by its font and
// its style, to show a text whole. The kit keeps each of its controls at
// least that wide, wherever a window places it (a layout, or a size in
// twips): a text box the widest text the window says it holds, a list its
// widest item and the text it shows, a grid its columns (kit_text.h,
// kit_list.h, kit_grid.h).

#include <QChar>
#include <QString>

class QComboBox;
class QFontMetricsF;
class QLineEdit;

// The width a text takes in a font, whole pixels.
int TextWidth(const QFontMetricsF& metrics, const QString& text);

// The widest of some characters in a font.
QChar WidestChar(const QFontMetricsF& metrics, const QString& chars);

// The outer width of a line edit that shows `text` without scrolling it,
// the caret after its last character included.
int LineEditWidthFor(const QLineEdit& edit, const QString& text);

// The outer width of a drop-down list whose field shows a text of
// `textWidth` pixels whole (in its line edit, when the list is editable).
int ComboWidthFor(const QComboBox& box, int textWidth);
