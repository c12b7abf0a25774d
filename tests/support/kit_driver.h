#pragma once
// Drives kit controls the way a user does: real mouse clicks and key
// presses on the Qt widgets under them, so that tests go through the same
// event paths as the user.

#include <QString>

class KitButton;
class KitCheck;
class KitGrid;
class KitList;
class KitTabStrip;
class QWidget;

namespace KitDriver {

// Shows the window and makes it the active one, so that focus moves are
// delivered (and the kit's focus rule can be watched).
bool ShowActive(QWidget* window);
// Makes a shown window the active one at once, as the window system does
// when the user comes back from another application; nullptr makes no window
// of this application active (another application took the focus).
void Activate(QWidget* window);

// Clicks a data cell of the grid (row 1..rows() - 1). A cell out of view is
// scrolled into view first, as a user would.
void ClickCell(KitGrid* grid, int row, int col);
void DoubleClickCell(KitGrid* grid, int row, int col);
// The two halves of a click on a cell, for what happens between them.
void PressCell(KitGrid* grid, int row, int col);
void ReleaseCell(KitGrid* grid, int row, int col);

// Clicks the header cell of a column.
void ClickHeader(KitGrid* grid, int col);

// Clicks tab index (1..tabCount()) of the strip.
void ClickTab(KitTabStrip* strip, int index);

// Clicks the button with the mouse.
void ClickButton(KitButton* button);

// Opens the drop-down of the list and clicks item index in it.
void ChooseItem(KitList* list, int index);

// Clicks the check box's indicator.
void ClickCheck(KitCheck* check);

// Types the characters into the control (its Qt widget), one key each.
void TypeText(QWidget* control, const QString& text);
// Presses one key (Qt::Key_...) on the control's Qt widget.
void PressKey(QWidget* control, int key);

}  // namespace KitDriver
