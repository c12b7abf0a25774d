#pragma once
// frm_FM, the FM preset editor: a child window of the main window that shows
// the 16 broadcast presets of the image in the grid MSF_Chann, edited in
// place through the text editor Text_Edit laid over the frequency or name
// cell being edited, with the buttons that act on the whole page and its own
// transfer of the page. Every edit goes straight into the image; the window
// only moves texts between its controls and the page routines
// (channels/fm_page.h, fm_link.h).

#include "channels/ui/grid_cells.h"
#include "core/open_cell.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_text.h"
#include "platform/window.h"

class QLabel;
class QProgressBar;
class TransferEngine;

class frm_FM final : public Window {
public:
    frm_FM();

    KitGrid* const MSF_Chann;
    KitText* const Text_Edit;
    KitButton* const Command_read;
    KitButton* const Command_Write;
    QLabel* const Label_PassWord;
    KitText* const Text_PassWord;
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;
    KitButton* const Command_open;
    KitButton* const Command_save;
    KitButton* const Command_def;
    KitButton* const Command_Clear;
    KitButton* const Command_close;

    // The window's busy flags: its read or its write runs.
    bool Writing() const;
    bool Reading() const;
    // The window's transfer (while the window is loaded).
    TransferEngine& link() { return *link_; }

protected:
    // Captions, placement, the grid numbered and every preset shown, the
    // transfer idle.
    void Form_Load() override;
    // Every activation shows the image as it is now (ShowImage).
    void Form_Activate() override;
    // Warns while a transfer runs (and ends it); the window goes all the same.
    void Form_Unload() override;

private:
    // Buttons.
    void Command_read_Click();
    void Command_Write_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_def_Click();
    void Command_Clear_Click();
    void Command_close_Click();

    // Grid events.
    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void MSF_Chann_Scroll();
    // Opens the editor over the current cell of a preset's frequency or name.
    void Cell_Edit();
    void Text_Edit_Change();

    // The frame of MSF_Chann_LeaveCell: a preset row left with its editor
    // open and typed into is committed (dropped when its preset was replaced
    // meanwhile); any other leave of a preset row encodes the row again as
    // it shows. Returns false when the commit showed its message.
    bool Commit_EditedCell();
    // The open edit committed as leaving its cell would (Write, Save, the
    // whole-image write and save); false when the commit refused it. An
    // editor nothing was typed into is left open as it is.
    bool CommitOpenEdit();
    // The editor hidden and emptied; no cell is open any more.
    void CloseEditor();
    // After a read: every row redrawn; an editor left open is dropped, its
    // preset having been replaced.
    void FM_FromBlock();
    void FM_Show();
    // The grid shows what the image holds now; an editor whose preset was
    // replaced meanwhile (a ".dat" file, a whole-image read) is dropped. At
    // every activation, and as soon as something replaces the page.
    void ShowImage();

    GridCells cells_;
    TransferEngine* link_ = nullptr;
    // The cell whose editor is open and not committed yet, with its preset;
    // touched by any change of the editor's text since it opened.
    OpenCell openCell_;

    // Window variables: the page's address high byte, the accepted
    // frequency range, the cell being edited or committed.
    int FmBaseHi = 0;
    double FmFreqMin = 0;
    double FmFreqMax = 0;
    int EditRow = 0;
    int EditCol = 0;
};
