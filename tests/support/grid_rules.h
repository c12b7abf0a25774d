#pragma once
// Rules that every grid the two-tone and five-tone windows edit in place
// holds, each checked on the grid a test gives, over the cases its window's
// test lists:
// - a cell only clicked through stores nothing and keeps its text;
// - a double click on a row number changes neither the grid nor the image;
// - an editor over rows that something else replaced (a read, a ".dat"
//   file, a whole-image read) is dropped: leaving its cell stores nothing.

#include <QStringList>
#include <functional>

class KitGrid;
class MessageRecorder;
class QWidget;

// The texts grid row r shows in columns first..last.
QStringList RowTexts(const KitGrid* grid, int r, int first, int last);

// Clicks cell (row, col), over which an editor opens (opened() tells), then
// leaves it by leave(), nothing typed or chosen: no byte of the image
// changes and the cell shows what it showed.
void CheckClickThroughStoresNothing(KitGrid* grid, int row, int col, const std::function<bool()>& opened,
                                    const std::function<void()>& leave);

// A double click on the number of row r: every cell of the row shows what
// it showed, no byte of the image changes and no message is shown.
void CheckDoubleClickOnRowNumberChangesNothing(KitGrid* grid, int r, const MessageRecorder& recorder);

// With editor open over cell (row, col), replace() replaces the rows under
// it: the editor is gone at once, and leaving the cell by leave() stores
// nothing and leaves the cell showing what the replacement put there.
void CheckEditorDroppedByAReplacement(KitGrid* grid, const QWidget* editor, int row, int col,
                                      const std::function<void()>& replace, const std::function<void()>& leave);
