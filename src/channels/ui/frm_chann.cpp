#include "channels/ui/frm_chann.h"

#include "channels/chann_link.h"
#include "core/channel_defaults.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "core/open_edits.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "platform/mdi_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

const BiText kTitle{QStringLiteral("信道参数编辑"), QStringLiteral("Channel Information")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写 入"), QStringLiteral("Write")};
const BiText kClear{QStringLiteral("清 除"), QStringLiteral("Clear")};
const BiText kDefault{QStringLiteral("出厂值"), QStringLiteral("Default")};
const BiText kSave{QStringLiteral("保 存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打 开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关 闭"), QStringLiteral("Close")};
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};

// The window's size as shares of the main window, and the grid's of the window.
constexpr double kWidthDivisor = 1.06;
constexpr double kHeightDivisor = 1.26;
constexpr double kGridDivisor = 1.02;
constexpr int kFullBar = 100;

bool IsToneColumn(int col)
{
    return col == ChannCol::RxTone || col == ChannCol::TxTone;
}

}  // namespace

frm_chann::frm_chann()
    : Window(WindowKind::Child),
      MSF_Chann(new KitGrid(this)),
      Text_Edit(new KitText(this)),
      Combo_edit(new KitList(KitList::Style::Editable, this)),
      Command_open(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_Clear(new KitButton(this)),
      Command_close(new KitButton(this)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Label_PassWord(new QLabel(this)),
      Text_PassWord(new KitText(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      cells_(MSF_Chann)
{
    setObjectName(QStringLiteral("frm_chann"));
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));

    Text_PassWord->setText(kPresetPassword);
    Label_PassWord->setBuddy(Text_PassWord);
    ProgressBar1->setRange(0, kFullBar);

    auto* link = new QHBoxLayout;
    link->addWidget(Command_read);
    link->addWidget(Command_Write);
    link->addWidget(Label_PassWord);
    link->addWidget(Text_PassWord);
    link->addWidget(ProgressBar1, 1);
    link->addWidget(Label_tr_count, 1);
    auto* table = new QHBoxLayout;
    for (KitButton* button : {Command_open, Command_save, Command_def, Command_Clear, Command_close})
        table->addWidget(button);
    table->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSF_Chann, 1);
    layout->addLayout(link);
    layout->addLayout(table);

    // The editors lie over the grid, outside the layout, and never take the
    // focus from the tab chain.
    for (KitControl* editor : {static_cast<KitControl*>(Text_Edit), static_cast<KitControl*>(Combo_edit)}) {
        editor->setTabStop(false);
        editor->setCellEditor();
    }
    Text_Edit->hide();
    Combo_edit->hide();

    MSF_Chann->onClick = [this] { MSF_Chann_Click(); };
    MSF_Chann->onLeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Chann->onScroll = [this] { MSF_Chann_Scroll(); };
    MSF_Chann->nameEditor(*Text_Edit);
    Combo_edit->onClick = [this] { Combo_edit_Click(); };
    Combo_edit->onChange = [this] { Combo_edit_Change(); };
    Combo_edit->onGotFocus = [this] { Combo_edit_GotFocus(); };
    Combo_edit->onKeyPress = [this](int& key) { Combo_edit_KeyPress(key); };
    Text_Edit->onKeyPress = [this](int& key) { Text_Edit_KeyPress(key); };
    Text_Edit->onChange = [this] { Text_Edit_Change(); };
    SetUpPasswordBox(*Text_PassWord);
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_Clear->onClick = [this] { Command_Clear_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
}

bool frm_chann::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_chann::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_chann::Form_Load()
{
    // 1. The editor's own limits, until a radio reports its own.
    BandVhfMin = kChannEditorVhfMin;
    BandVhfMax = kChannEditorVhfMax;
    BandUhfMin = kChannEditorUhfMin;
    BandUhfMax = kChannEditorUhfMax;

    // 2.
    setWindowTitle(kTitle.text());
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_Clear->setCaption(kClear.text());
    Command_def->setCaption(kDefault.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    Label_PassWord->setText(kPassWord.text());
    MSF_Chann->setFormatString(ChannGridFormat.text());

    // 3. Sized and centred from the main window.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();
    if (layout() != nullptr)
        layout()->activate();
    MSF_Chann->setDesignWidth(ScaleWidth() / kGridDivisor);
    Text_Edit->hide();

    // 4. One row more than the channels: the load also shows the record that
    // follows the last channel (the activation's redraw drops the row again).
    MSF_Chann->setRows(ChannCount + 2);
    NumberRows(false);

    // 5, 6. A fresh transfer: timers off, not busy, the bar hidden at 0.
    link_ = &own(std::make_unique<TransferEngine>(ChannTransferParams([this] { Chann_FromBlocks(); })));
    // What sends or saves the whole image commits this window's open edit.
    own(std::make_unique<OpenEditCommit>([this] { return Commit_EditedCell(CommitBy::Button); }));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };
    ShowLinkDisplay();

    // 7.
    showsRows({Area::Chann, Area::ChannName}, [this] { ShowImage(); });
    for (int r = 1; r <= ChannCount + 1; ++r)
        Chann_Refresh(cells_, r);
}

void frm_chann::Form_Activate()
{
    RedrawRows();
}

void frm_chann::Form_Unload()
{
    UnloadLink(link_);
}

void frm_chann::RedrawRows()
{
    MSF_Chann->setRows(ChannCount + 1);
    NumberRows(true);
    rowsPainted();
}

void frm_chann::ShowImage()
{
    for (int r = 1; r <= ChannCount; ++r)
        Chann_Refresh(cells_, r);
    rowsPainted();
    if (openCell_.stale())
        CloseEditors();
}

void frm_chann::NumberRows(bool refresh)
{
    MSF_Chann->setCol(ChannCol::Number);
    for (int r = 1; r <= ChannCount; ++r) {
        MSF_Chann->setRow(r);
        MSF_Chann->setText(QString::number(r - 1));
        if (refresh)
            Chann_Refresh(cells_, r);
    }
}

void frm_chann::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

void frm_chann::Chann_FromBlocks()
{
    // The engine has put the received records into the image.
    Chann_ShowReadRows(cells_, RxBlock2);
    rowsPainted();
    // An editor left open over a channel the read replaced holds old text.
    if (openCell_.stale())
        CloseEditors();
}

// ---- Buttons ---------------------------------------------------------------

void frm_chann::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // The ".dat" open dialog, brought forward when it is open already: the
    // file it loads replaces the whole image, and the grid shows it at once.
    Windows::LoadForward<Form_open_chann>();
}

void frm_chann::Command_save_Click()
{
    if (link_->refuseIfBusy())
        return;
    // A button is no leave-cell: the edit still open goes in first.
    if (!Commit_EditedCell(CommitBy::Button))
        return;
    Windows::LoadForward<Form_save_chann>();
}

void frm_chann::Command_def_Click()
{
    // Not refused while a transfer runs: a write then sends the samples.
    // An edit still open goes in first, so that the samples replace it.
    Commit_EditedCell(CommitBy::Button);
    const RowsReplacement replacing({Area::Chann, Area::ChannName});
    Channel_Defaults();
    // The sample channels keep their names; every other channel is deleted,
    // its name with it.
    for (int r = 1; r <= ChannCount; ++r) {
        if (ChannEmpty(r))
            Chann_Delete(cells_, r);
    }
    RedrawRows();
}

void frm_chann::Command_Clear_Click()
{
    if (link_->refuseIfBusy(LinkText::ClearWhileBusy()))
        return;
    // An edit still open goes in first, so that nothing of it survives.
    Commit_EditedCell(CommitBy::Button);
    link_->setProgressValue(0);
    link_->setLabel(QString());
    link_->setProgressVisible(false);
    for (int r = 1; r <= ChannCount; ++r) {
        for (int col : {ChannCol::RxFreq, ChannCol::TxFreq, ChannCol::OptSignal})
            MSF_Chann->setTextMatrix(r, col, QString());
        Chann_Delete(cells_, r);
    }
}

void frm_chann::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::CloseWhileBusy()))
        return;
    Windows::Unload(this);
    Windows::Unload<Form_open_chann>();
    Windows::Unload<Form_save_chann>();
}

void frm_chann::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_chann::Command_Write_Click()
{
    if (link_->refuseIfBusy())
        return;
    // A button is no leave-cell: the edit still open goes in first.
    if (!Commit_EditedCell(CommitBy::Button))
        return;
    if (const std::optional<Message> refusal = ChannWriteRefusal()) {
        ShowMessage(*refusal);
        return;
    }
    link_->startWrite(Text_PassWord->text());
}

// ---- The grid and its editors ---------------------------------------------

void frm_chann::MSF_Chann_Click()
{
    if (MSF_Chann->mouseRow() == 0)
        return;  // the header row opens nothing
    Cell_Edit();
}

void frm_chann::Cell_Edit()
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    EditText = MSF_Chann->text();
    const QString cellText = EditText;

    switch (Chann_EditorFor(cells_, EditRow, EditCol)) {
    case ChannEditor::None:
        return;
    case ChannEditor::HideBoth:
        Text_Edit->hide();
        Combo_edit->hide();
        return;
    case ChannEditor::Text:
        Combo_edit->hide();
        MSF_Chann->placeEditor(*Text_Edit);
        Text_Edit->setText(cellText);
        Text_Edit->setFocus();
        openCell_.open(EditRow, EditCol);
        return;
    case ChannEditor::List:
        Text_Edit->hide();
        comboRow_ = EditRow;
        comboCol_ = EditCol;
        MSF_Chann->placeEditor(*Combo_edit);
        Combo_edit->setText(cellText);
        Combo_edit->setFocus();
        Combo_edit->clear();
        Combo_edit->addItems(ChannColumnItems(EditCol));
        // A tone cell's editor opens with an empty field over the whole list.
        if (!IsToneColumn(EditCol))
            Combo_edit->setText(cellText);
        openCell_.open(EditRow, EditCol);
        return;
    }
}

void frm_chann::Combo_edit_Click()
{
    EditText = Combo_edit->text();
    EditRow = comboRow_;
    EditCol = comboCol_;
    if (EditCol == ChannCol::Band)
        Chann_BandCommit(cells_, EditRow, EditText);
    else
        Chann_StoreChoice(cells_, EditRow, EditCol, Combo_edit->listIndex());
    openCell_.recordsEdited();
}

void frm_chann::Combo_edit_Change()
{
    // Outside the tone columns typing is undone at once: the list works as a
    // plain list.
    if (Combo_edit->isHidden() || IsToneColumn(comboCol_))
        return;
    Combo_edit->setFocus();
    Combo_edit->setText(EditText);
}

void frm_chann::Combo_edit_GotFocus()
{
    EditText = Combo_edit->text();
}

void frm_chann::Combo_edit_KeyPress(int& key)
{
    if (IsToneColumn(comboCol_))
        key = ChannToneKey(key);
    if (key == kKeyEnter && comboCol_ >= ChannCol::RxTone && comboCol_ <= ChannCol::Scrambler) {
        // Moving on commits this cell first.
        MSF_Chann->setCol(MSF_Chann->col() + 1);
        Cell_Edit();
    }
}

void frm_chann::Text_Edit_KeyPress(int& key)
{
    if (key != kKeyEnter)
        return;
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    // Only the cell the editor was opened for is prepared and moved on from.
    if (!openCell_.isOpen(EditRow, EditCol))
        return;
    // The editor stays open over the cell for its commit.
    Text_Edit->hide();

    std::optional<Message> message;
    if (EditCol == ChannCol::RxFreq) {
        const EntryOutcome out = Chann_RxEnter(cells_, EditRow, Text_Edit->text());
        openCell_.recordsEdited();
        Text_Edit->setText(out.editorText);
        if (out.prepared)
            openCell_.touch();
        message = out.message;
        MSF_Chann->setCol(ChannCol::TxFreq);  // commits the RX cell
        Cell_Edit();
    } else if (EditCol == ChannCol::TxFreq) {
        const EntryOutcome out = Chann_TxEnter(cells_, EditRow, Text_Edit->text());
        openCell_.recordsEdited();
        Text_Edit->setText(out.editorText);
        if (out.prepared)
            openCell_.touch();
        message = out.message;
        const int row = EditRow;
        if (CellIsBlank(cells_, row, ChannCol::RxFreq) && CellIsBlank(cells_, row, ChannCol::TxFreq)) {
            // No channel here: on to the band cell of the next row.
            MSF_Chann->setCol(ChannCol::Band);  // commits the TX cell
            if (row < ChannCount)
                MSF_Chann->setRow(row + 1);
        } else {
            MSF_Chann->setCol(ChannCol::TxFreq + 1);
        }
        Cell_Edit();
    }
    // The name column is committed when its cell is left.

    // Shown once the cells, the record and the editors are all done.
    if (message)
        ShowMessage(*message);
}

void frm_chann::Text_Edit_Change()
{
    openCell_.touch();
}

void frm_chann::MSF_Chann_LeaveCell()
{
    Commit_EditedCell(CommitBy::Leave);
}

bool frm_chann::Commit_EditedCell(CommitBy by)
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    Text_Edit->hide();
    // Only a cell with an open editor is committed: a cell reached with the
    // arrow keys or passed by a redraw keeps its text and its bytes.
    const CellEntry entry = openCell_.entry();
    switch (openCell_.leave(EditRow, EditCol)) {
    case ChannOpenCell::Leave::Nothing:
        return true;
    case ChannOpenCell::Leave::Drop:
        CloseEditors();
        return true;
    case ChannOpenCell::Leave::Commit:
        break;
    }

    std::optional<Message> message;
    switch (EditCol) {
    case ChannCol::Band:
        Chann_BandCommit(cells_, EditRow, Combo_edit->text());
        return true;  // the list stays where it is; the next Cell_Edit places the editors
    case ChannCol::RxFreq:
    case ChannCol::TxFreq:
    case ChannCol::Name:
        message = Entry_Commit(entry, by);
        break;
    case ChannCol::RxTone:
    case ChannCol::TxTone:
        Tone_Commit();
        break;
    default:
        // The choice was stored when it was made.
        MSF_Chann->setTextMatrix(EditRow, EditCol, Combo_edit->text());
        break;
    }
    CloseEditors();
    // The cell is done: a box now runs other events over a finished commit.
    if (!message)
        return true;
    ShowMessage(*message);
    return false;
}

void frm_chann::CloseEditors()
{
    openCell_.close();
    Text_Edit->hide();
    Combo_edit->hide();
    Text_Edit->setText(QString());
    Combo_edit->setText(QString());
}

void frm_chann::Tone_Commit()
{
    const QString tone = TrimBlanks(Combo_edit->text());
    if (Chann_StoreTypedTone(cells_, EditRow, EditCol, tone))
        return;
    const int item = ChannItemIndex(Combo_edit->items(), tone);
    if (item < 0)
        return;                      // neither a tone nor an item: nothing changes
    Combo_edit->setListIndex(item);  // stores it (Combo_edit_Click)
    MSF_Chann->setTextMatrix(EditRow, EditCol, Combo_edit->text());
}

std::optional<Message> frm_chann::Entry_Commit(CellEntry entry, CommitBy by)
{
    const QString typed = Text_Edit->text();
    EntryOutcome out;
    if (EditCol == ChannCol::RxFreq)
        out = Chann_RxCommit(cells_, EditRow, typed, entry);
    else if (EditCol == ChannCol::TxFreq)
        out = Chann_TxCommit(cells_, EditRow, typed, entry);
    else
        out = Chann_NameCommit(cells_, EditRow, typed, entry);
    Text_Edit->setText(out.editorText);
    // Only a leave moves on into the grid: a button's commit leaves the
    // focus, and the activation, where the user put them.
    if (out.gridFocus && by == CommitBy::Leave)
        MSF_Chann->setFocus();
    return out.message;
}

void frm_chann::MSF_Chann_Scroll()
{
    Text_Edit->hide();
}
