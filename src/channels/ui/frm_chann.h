#pragma once
// frm_chann, the channel editor: the 200 channels of the image in the grid
// MSF_Chann, edited in place through two editors laid over the cell being
// edited, Text_Edit (frequency and name columns) and Combo_edit (band, tone
// and attribute columns). Every edit goes straight into the image; the
// window only moves texts between its controls and the channel routines
// (channels/chann_grid.h, channels/chann_edit.h).

#include "channels/chann_edit.h"
#include "channels/ui/grid_cells.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"

#include <QWidget>

class frm_chann : public QWidget {
public:
    explicit frm_chann(QWidget* parent = nullptr);

    // The window's load: band limits, captions in the current language, the
    // grid numbered and every record shown (the record after the last
    // channel included).
    void Form_Load();
    // The redraw of every row from the image, run whenever the window is
    // activated; an editor still open is committed first.
    void Form_Activate();

    KitGrid* const MSF_Chann;
    KitText* const Text_Edit;
    KitList* const Combo_edit;

private:
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

    // The commits of MSF_Chann_LeaveCell, by column.
    void Tone_Commit();
    void Entry_Commit();

    // Column 0 gets the channel numbers through the current cell, row by
    // row; with refresh, each row is redrawn after its number.
    void NumberRows(bool refresh);
    void PlaceOverCell(QWidget* editor, int height);

    GridCells cells_;
    // The cell whose editor is open and not committed yet.
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
