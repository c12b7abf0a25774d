#pragma once
// The cell of a grid over which Cell_Edit opened an in-place editor that has
// not been committed yet. Only that cell is committed when it is left;
// leaving any other cell (one reached with the arrow keys, or passed by code
// moving the current cell), or the same cell again after its commit,
// commits nothing.
//
// The image rows the cell's text stands for are noted when the editor opens
// and whenever the editor itself changes them. When something else has
// changed them in the meantime (a read, Default, a ".dat" file or a
// whole-image read, whose painting leaves the cell), the editor's text is
// stale: leaving the cell drops the editor instead of writing that text over
// the new bytes.
//
// Whether the user typed into the editor or chose from it since it opened
// is noted here too: a cell only clicked through holds no edit, whatever
// its text, and its column's commit stores nothing.

#include "core/memory_image.h"

#include <cstdint>
#include <vector>

// How the editor over a cell was left: only clicked through, or typed into
// or chosen from. A commit stores nothing for a cell only clicked through.
enum class CellEntry { ClickedThrough, Typed };

// What commits the editor over a cell: the leave of the cell (the grid's
// current cell moves on), or a button before it sends, saves or replaces
// the image (the window's own Write, Save, Default, Clear; the whole-image
// write and the ".dat" save, core/open_edits.h). A button is no leave: its
// commit stores what the leave would, but no control takes the focus, so the
// window the user clicked in stays the active one.
enum class CommitBy { Leave, Button };

class OpenCell {
public:
    enum class Leave {
        Nothing,  // no editor is open over the cell
        Commit,   // the editor is closed for its commit
        Drop,     // the editor is closed; its rows changed under it
    };

    // The image rows the cells of a grid row stand for.
    using RowsOf = std::vector<int> (*)(int gridRow);
    explicit OpenCell(RowsOf rowsOf);

    void open(int row, int col, const MemoryImage& image = Edata);
    void close()
    {
        row_ = col_ = -1;
        touched_ = false;
    }
    bool isOpen(int row, int col) const { return row >= 0 && row == row_ && col == col_; }
    // The cell the editor is open over; -1 when none is.
    int row() const { return row_; }
    int col() const { return col_; }
    // The editor itself changed the rows of its cell.
    void recordsEdited(const MemoryImage& image = Edata);
    // The editor was emptied over its cell by a change of its rows and stays
    // open: the rows noted anew, nothing typed into it yet.
    void restart(const MemoryImage& image = Edata);
    // The user typed into the open editor or chose from it (its window
    // tells); ignored while no editor is open.
    void touch()
    {
        if (row_ >= 0)
            touched_ = true;
    }
    // Something was typed or chosen since the editor opened.
    bool touched() const { return touched_; }
    CellEntry entry() const { return touched_ ? CellEntry::Typed : CellEntry::ClickedThrough; }
    // An editor is open and its rows are no longer what it saw.
    bool stale(const MemoryImage& image = Edata) const;
    // Leaving cell (row, col): what becomes of its editor.
    Leave leave(int row, int col, const MemoryImage& image = Edata);

private:
    std::vector<std::int16_t> bytesOf(const MemoryImage& image) const;

    RowsOf rowsOf_;
    int row_ = -1;
    int col_ = -1;
    std::vector<std::int16_t> seen_;
    bool touched_ = false;
};
