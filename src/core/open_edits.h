#pragma once
// The edits still open in the editor windows' in-cell editors. A button
// click is no leave-cell, so an edit typed into a cell and not yet committed
// is not in the image. Whatever sends or saves the image first commits every
// open edit, as leaving its cell would; a commit that refuses (it showed a
// range message) stops the send or the save.
//
// Each editor window whose in-cell editor holds text that reaches the image
// only when its cell is left keeps one OpenEditCommit for its life (with
// own(), so it goes when the window unloads). The window's own Write and Save
// commit through their window only; the whole-image write and the ".dat"
// save commit through CommitOpenEdits().
//
// A window whose edits are already in the image (every change stored as it
// is made) registers nothing and adds no commit step: running its leave
// there could only refuse or clear what the image rightly holds.

#include <functional>

class OpenEditCommit {
public:
    // commit: commits the window's open edit, if any, as a button does
    // (CommitBy::Button in core/open_cell.h): it stores what leaving the cell
    // would and takes no focus, so the dialog whose button runs it stays the
    // active window. Returns false when the commit refused the text (it
    // showed its message).
    explicit OpenEditCommit(std::function<bool()> commit);
    ~OpenEditCommit();
    OpenEditCommit(const OpenEditCommit&) = delete;
    OpenEditCommit& operator=(const OpenEditCommit&) = delete;

    bool commit() const;

private:
    std::function<bool()> commit_;
};

// Commits the open edit of every registered window, in the order they
// registered. Returns false at the first refusal; the windows after it are
// not committed.
bool CommitOpenEdits();
