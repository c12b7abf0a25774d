#pragma once
// Editing the channel grid in place: which editor a cell gets, the items of
// every list column and what choosing each stores, the band and tone
// commits, the key filter of the tone columns, and the guard that lets only
// a cell with an open editor be committed.

#include "channels/chann_grid.h"
#include "core/open_cell.h"
#include "core/tone_list.h"

#include <QStringList>

// The editor Cell_Edit lays over a cell.
enum class ChannEditor {
    None,      // no editor opens
    List,      // the list editor Combo_edit (band, tone and attribute columns)
    Text,      // the text editor Text_Edit (frequency and name columns)
    HideBoth,  // both editors are hidden (TX tone of a channel without RX frequency)
};

// Column 0 and rows outside 1..ChannCount get none; the band column and the
// text columns always get theirs; columns 4..14 only when the band cell is
// not blank, and column 5 only when the RX cell is not blank either.
ChannEditor Chann_EditorFor(const ChannCells& cells, int r, int col);

// The items of the list editor of a column, in order: "VHF/UHF" for the band
// column, the 261 tone-list entries without their blanks for the tone
// columns, the attribute texts for columns 6..14; empty for other columns.
QStringList ChannColumnItems(int col);

// The tone word of tone item i: 00 00 for "OFF", the tone in tenths of a
// hertz for the CTCSS items, DCS number i - 50 with a zero high byte.
ToneWord ChannToneItemWord(int item);

// Stores the choice of item `item` of column col (4..14) into the main
// record of row r; only the column's own bits change. A tone chosen in the RX
// column is copied to the TX tone and the row redrawn; other columns leave
// the cell's text to the commit. An item outside the column's list stores
// nothing.
void Chann_StoreChoice(ChannCells& cells, int r, int col, int item, MemoryImage& image = Edata);

// The band choice and the band commit: when the band cell and the editor's
// text differ (both without blanks at either end) the channel is erased
// (Chann_Erase); then the band cell takes the editor's text.
void Chann_BandCommit(ChannCells& cells, int r, const QString& editorText, MemoryImage& image = Edata);

// The tone commit of a typed CTCSS tone. When the numeric value f of `text`
// lies in 60..259.9, the cell shows f (with ".0" for a whole number), the
// column's tone word gets f in tenths of a hertz (the RX column copies it to
// TX), the row is redrawn, and the result is true. Otherwise nothing changes
// and the result is false: the window then looks for the list item.
bool Chann_StoreTypedTone(ChannCells& cells, int r, int col, const QString& text, MemoryImage& image = Edata);

// The first item that, without blanks at either end, equals `text` exactly;
// -1 when there is none.
int ChannItemIndex(const QStringList& items, const QString& text);

// The key filter of the tone columns: "0".."9", ".", "D", "N", "I" and Enter
// pass, "d", "n", "i" become capitals, every other key (Backspace included)
// becomes 0 (dropped).
int ChannToneKey(int key);

// The open cell of the channel grid: its editor's text stands for the
// channel's two records (open_cell.h).
class ChannOpenCell final : public OpenCell {
public:
    ChannOpenCell();
};
