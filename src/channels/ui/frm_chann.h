#pragma once
// frm_chann, the channel editor: a child window of the main window that
// shows the 200 channels of the image in the grid MSF_Chann, edited in place
// through two editors laid over the cell being edited, Text_Edit (frequency
// and name columns) and Combo_edit (band, tone and attribute columns), with
// the buttons that act on the whole channel table and its own transfer of
// the channel and name records. Every edit goes straight into the image;
// the window only moves texts between its controls and the channel
// routines (channels/chann_grid.h, chann_edit.h, chann_entry.h,
// chann_link.h).

#include "channels/chann_edit.h"
#include "channels/chann_entry.h"
#include "channels/ui/grid_cells.h"
#include "core/prompt.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"
#include "platform/window.h"

#include <optional>

class QLabel;
class QProgressBar;
class TransferEngine;

class frm_chann final : public Window {
public:
    frm_chann();

    KitGrid* const MSF_Chann;
    KitText* const Text_Edit;
    KitList* const Combo_edit;
    KitButton* const Command_open;
    KitButton* const Command_save;
    KitButton* const Command_def;
    KitButton* const Command_Clear;
    KitButton* const Command_close;
    KitButton* const Command_read;
    KitButton* const Command_Write;
    QLabel* const Label_PassWord;
    KitText* const Text_PassWord;
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;

    // The window's busy flags: its read or its write runs.
    bool Writing() const;
    bool Reading() const;
    // The window's transfer (while the window is loaded).
    TransferEngine& link() { return *link_; }

    // The redraw of every row from the image on activation and after
    // Default: the rows numbered through the current cell and each redrawn;
    // an editor still open is committed first (dropped when its channel's
    // records were replaced meanwhile).
    void RedrawRows();
    // Rows a ".dat" file or a whole-image read replaced: every row redrawn
    // where it stands. The current cell stays, so an editor still open is
    // not committed by the painting; it is dropped when its channel's
    // records now hold something else.
    void ShowImage();

protected:
    // Band limits, captions, placement, the grid numbered and every record
    // shown (the one after the last channel included), the transfer idle.
    void Form_Load() override;
    void Form_Activate() override;
    // Warns while a transfer runs (and ends it); the window goes all the same.
    void Form_Unload() override;

private:
    // Buttons.
    void Command_open_Click();
    void Command_save_Click();
    void Command_def_Click();
    void Command_Clear_Click();
    void Command_close_Click();
    void Command_read_Click();
    void Command_Write_Click();

    // Grid events.
    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void MSF_Chann_Scroll();
    // Opens the editor of the current cell's column over it.
    void Cell_Edit();
    // List editor events.
    void Combo_edit_Click();
    void Combo_edit_Change();
    void Combo_edit_GotFocus();
    void Combo_edit_KeyPress(int& key);
    // Text editor: Enter prepares the cell and moves on.
    void Text_Edit_KeyPress(int& key);
    void Text_Edit_Change();

    // The commit frame of MSF_Chann_LeaveCell: the current cell, when its
    // editor is open, is committed (or, when its records were replaced
    // meanwhile, its editor dropped). Default and Clear run it first too,
    // and so do Write and Save, the whole-image write and the ".dat" save
    // (OpenEditCommit), each as a button: no leave, nothing takes the focus.
    // Returns false when the commit refused the text: it showed its message
    // (a frequency out of range, a name too long).
    bool Commit_EditedCell(CommitBy by);
    // Both editors hidden and emptied; no cell is open any more.
    void CloseEditors();
    // The commits of the frame, by column; a commit returns the message the
    // frame shows once the cell is done. A text column only clicked through
    // stores nothing.
    void Tone_Commit();
    std::optional<Message> Entry_Commit(CellEntry entry, CommitBy by);

    // After a read: every row redrawn from the image, then the received names;
    // an editor left open over a channel the read replaced is dropped.
    void Chann_FromBlocks();
    // ProgressBar1 and Label_tr_count show what the transfer reports.
    void ShowLinkDisplay();

    // Column 0 gets the channel numbers through the current cell, row by
    // row; with refresh, each row is redrawn after its number.
    void NumberRows(bool refresh);

    GridCells cells_;
    TransferEngine* link_ = nullptr;
    // The cell whose editor is open and not committed yet; it is touched by
    // typing, or by an Enter preparation that changed the row.
    ChannOpenCell openCell_;
    // The cell the list editor was opened for: its choices act there, even
    // when the list stays open after the current cell moved on.
    int comboRow_ = -1;
    int comboCol_ = -1;

    // The cell being edited or committed, and the list editor's last
    // accepted text.
    int EditRow = 0;
    int EditCol = 0;
    QString EditText;
};
