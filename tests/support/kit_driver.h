#pragma once
// Drives kit controls the way a user does: real mouse clicks and key
// presses on the Qt widgets under them, so that tests go through the same
// event paths as the user.

#include <QString>
#include <Qt>
#include <functional>

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

// Turns to every page of every tab strip of a window, as the user does,
// and visits each (tab 1..tabCount()).
void TurnEveryPage(QWidget* window, const std::function<void(int tab)>& visit);

// Clicks the button with the mouse.
void ClickButton(KitButton* button);

// Opens the drop-down of the list and clicks item index in it.
void ChooseItem(KitList* list, int index);

// Clicks the check box's indicator.
void ClickCheck(KitCheck* check);

// Types the characters into the control (its Qt widget), one key each.
void TypeText(QWidget* control, const QString& text);
// Presses one key (Qt::Key_...) on the control's Qt widget, with the
// modifiers held; a key of a character carries it ("9" for Qt::Key_9,
// also with Alt).
void PressKey(QWidget* control, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Puts the text on the clipboard and chooses Paste in the text field's own
// context menu (its QLineEdit's).
void PasteFromMenu(QWidget* control, const QString& text);

// How a text field's text can change besides the keyboard's characters.
enum class ChangedBy {
    AccessibleValue,    // a screen reader sets the value
    AccessibleReplace,  // a screen reader replaces the whole text
    AccessibleInsert,   // an on-screen keyboard inserts at the end
    AccessibleDelete,   // a screen reader deletes the end
    InputMethod,        // an input method commits at the cursor (the end)
    Undo,               // the undo shortcut
};
// Changes the text of the control's field (its QLineEdit) to `text` in that
// way: for an insertion or a commit `text` continues the field's text, for a
// deletion it begins it, for undo it is what undo gives back.
void ChangeText(QWidget* control, ChangedBy by, const QString& text);

}  // namespace KitDriver
