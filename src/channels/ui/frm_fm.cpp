#include "channels/ui/frm_fm.h"

#include "channels/fm_link.h"
#include "channels/fm_page.h"
#include "core/fm_defaults.h"
#include "core/open_edits.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
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

const BiText kTitle{QStringLiteral("FM 收音机频道编辑"), QStringLiteral("FM Radio Information")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kClear{QStringLiteral("清  除"), QStringLiteral("Clear")};
const BiText kSave{QStringLiteral("保  存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打  开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关  闭"), QStringLiteral("Close")};
const BiText kDefault{QStringLiteral("默认"), QStringLiteral("Default")};
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};
// The blanks set the columns' first widths.
const BiText kGridFormat{QStringLiteral("^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    "),
                         QStringLiteral("^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  ")};

// The window's size as shares of the main window, and the grid's of the window.
constexpr double kWidthDivisor = 1.8;
constexpr double kHeightDivisor = 1.5;
constexpr double kTopDivisor = 1.5;
constexpr double kGridWidthDivisor = 2.25;
constexpr double kGridHeightDivisor = 1.7;
constexpr int kFullBar = 100;

std::vector<int> PresetRows(int gridRow)
{
    if (!IsFmPresetRow(gridRow))
        return {};
    return {FmPresetImageRow(gridRow)};
}

}  // namespace

frm_FM::frm_FM()
    : Window(WindowKind::Child),
      MSF_Chann(new KitGrid(this)),
      Text_Edit(new KitText(this)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Label_PassWord(new QLabel(this)),
      Text_PassWord(new KitText(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      Command_open(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_Clear(new KitButton(this)),
      Command_close(new KitButton(this)),
      cells_(MSF_Chann),
      openCell_(PresetRows)
{
    setObjectName(QStringLiteral("frm_FM"));
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));

    Label_PassWord->setBuddy(Text_PassWord);
    ProgressBar1->setRange(0, kFullBar);
    Label_tr_count->setTextFormat(Qt::PlainText);

    auto* password = new QHBoxLayout;
    password->addWidget(Label_PassWord);
    password->addWidget(Text_PassWord);
    auto* side = new QVBoxLayout;
    for (KitButton* button : {Command_read, Command_Write})
        side->addWidget(button);
    side->addLayout(password);
    side->addWidget(ProgressBar1);
    side->addWidget(Label_tr_count);
    side->addStretch();
    for (KitButton* button : {Command_open, Command_save, Command_def, Command_Clear, Command_close})
        side->addWidget(button);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MSF_Chann, 0, Qt::AlignTop);
    layout->addLayout(side, 1);

    // The editor lies over the grid, outside the layout, and never takes the
    // focus from the tab chain.
    Text_Edit->setTabStop(false);
    Text_Edit->hide();

    MSF_Chann->onClick = [this] { MSF_Chann_Click(); };
    MSF_Chann->onLeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Chann->onScroll = [this] { MSF_Chann_Scroll(); };
    MSF_Chann->nameEditor(*Text_Edit);
    Text_Edit->onChange = [this] { Text_Edit_Change(); };
    SetUpPasswordBox(*Text_PassWord);
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_Clear->onClick = [this] { Command_Clear_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };
}

bool frm_FM::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_FM::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_FM::Form_Load()
{
    // 1.
    FmBaseHi = kFmBaseHi;

    // 2.
    setWindowTitle(kTitle.text());
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_Clear->setCaption(kClear.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    Command_def->setCaption(kDefault.text());
    Label_PassWord->setText(kPassWord.text());
    MSF_Chann->setFormatString(kGridFormat.text());

    // 3. Sized and placed from the main window.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / kTopDivisor, width, height);
    }
    Show();

    // 4.
    MSF_Chann->setDesignSize(ScaleWidth() / kGridWidthDivisor, Height() / kGridHeightDivisor);

    // 5.
    Text_Edit->hide();
    MSF_Chann->setRows(kFmGridRows);
    MSF_Chann->setCol(FmCol::Number);
    for (int r = 1; r <= kFmPresets; ++r)
        MSF_Chann->setTextMatrix(r, FmCol::Number, QString::number(r));

    // 6. A fresh transfer: timers off, not busy, the bar hidden at 0. The
    // box the user sees is the password a transfer starts with.
    link_ = &own(std::make_unique<TransferEngine>(FmTransferParams(FmBaseHi, [this] { FM_FromBlock(); })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count); };
    ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
    Text_PassWord->setText(kPresetPassword);
    // The whole-image write and the ".dat" save commit the open edit too.
    own(std::make_unique<OpenEditCommit>([this] { return CommitOpenEdit(); }));

    // 7.
    FmFreqMin = kFmFreqMin;
    FmFreqMax = kFmFreqMax;

    // 8.
    showsRows({Area::FmPage}, [this] { ShowImage(); });
    FM_Show();
}

void frm_FM::Form_Activate()
{
    ShowImage();
}

void frm_FM::ShowImage()
{
    FM_Show();
    if (openCell_.stale())
        CloseEditor();
}

void frm_FM::Form_Unload()
{
    UnloadLink(link_);
}

void frm_FM::FM_Show()
{
    ::FM_Show(cells_);
    rowsPainted();
}

void frm_FM::FM_FromBlock()
{
    // The engine has put the four replies into the page.
    FM_Show();
    CloseEditor();
}

// ---- Buttons ---------------------------------------------------------------

void frm_FM::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_FM::Command_Write_Click()
{
    if (link_->refuseIfBusy() || !CommitOpenEdit())
        return;
    link_->startWrite(Text_PassWord->text());
}

void frm_FM::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // A fresh ".dat" open dialog: the file it loads replaces the whole image,
    // and the grid shows it at once.
    Windows::LoadFresh<Form_open_chann>();
}

void frm_FM::Command_save_Click()
{
    if (link_->refuseIfBusy() || !CommitOpenEdit())
        return;
    Windows::LoadFresh<Form_save_chann>();
}

void frm_FM::Command_def_Click()
{
    // Not refused while a transfer runs: a write then sends the defaults.
    const RowsReplacement replacing({Area::FmPage});
    FM_Defaults();
    FM_Show();
    // The defaults replaced every preset: an edit still open is dropped.
    CloseEditor();
}

void frm_FM::Command_Clear_Click()
{
    if (link_->refuseIfBusy(LinkText::ClearWhileBusy()))
        return;
    link_->setProgressValue(0);
    link_->setLabel(QString());
    link_->setProgressVisible(false);
    Edata.fillRows(Area::FmPage.firstRow(), Area::FmPage.lastRow(), 0x00);
    // The editor stays where it is, emptied and still open for its cell:
    // what is typed into it next goes into the cleared preset.
    Text_Edit->setText(QString());
    openCell_.restart();
    for (int r = 1; r <= kFmPresets; ++r) {
        MSF_Chann->setTextMatrix(r, FmCol::Freq, QString());
        MSF_Chann->setTextMatrix(r, FmCol::Name, QString());
    }
}

void frm_FM::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::CloseWhileBusy()))
        return;
    Windows::Unload(this);
    Windows::Unload<Form_open_chann>();
    Windows::Unload<Form_save_chann>();
}

// ---- The grid and its editor ----------------------------------------------

void frm_FM::MSF_Chann_Click()
{
    if (MSF_Chann->mouseRow() == 0)
        return;  // the header row opens nothing
    Cell_Edit();
}

void frm_FM::Cell_Edit()
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    if (!IsFmPresetRow(EditRow) || (EditCol != FmCol::Freq && EditCol != FmCol::Name))
        return;
    if (openCell_.stale())
        CloseEditor();
    // The editor hidden by a scroll comes back over its cell with its text.
    if (!openCell_.isOpen(EditRow, EditCol)) {
        Text_Edit->setText(MSF_Chann->text());
        openCell_.open(EditRow, EditCol);
    }
    MSF_Chann->placeEditor(*Text_Edit);
    Text_Edit->setFocus();
}

void frm_FM::Text_Edit_Change()
{
    openCell_.touch();
}

void frm_FM::MSF_Chann_LeaveCell()
{
    Commit_EditedCell();
}

bool frm_FM::Commit_EditedCell()
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    Text_Edit->hide();
    // Row 0 and the spare row hold no preset.
    if (!IsFmPresetRow(EditRow))
        return true;

    std::optional<Message> message;
    const bool typed = openCell_.touched();
    switch (openCell_.leave(EditRow, EditCol)) {
    case OpenCell::Leave::Drop:
        CloseEditor();
        return true;
    case OpenCell::Leave::Commit:
        // A cell only clicked through stores nothing of its editor: its text
        // is what the preset shows.
        if (typed && EditCol == FmCol::Freq)
            message = FM_FreqCommit(cells_, EditRow, Text_Edit->text(), FmFreqMin, FmFreqMax);
        else if (typed)
            message = FM_NameCommit(cells_, EditRow, Text_Edit->text());
        else
            FM_Recode_Row(EditRow);
        CloseEditor();
        break;
    case OpenCell::Leave::Nothing:
        FM_Recode_Row(EditRow);
        break;
    }
    // The cell is done: a box now runs other events over a finished commit.
    if (message)
        ShowMessage(*message);
    return !message;
}

bool frm_FM::CommitOpenEdit()
{
    // An editor nothing was typed into holds no edit: it stays open, and
    // its preset keeps its bytes (a page Clear zeroed goes out as zeros).
    if (!openCell_.isOpen(MSF_Chann->row(), MSF_Chann->col()) || !openCell_.touched())
        return true;
    return Commit_EditedCell();
}

void frm_FM::CloseEditor()
{
    openCell_.close();
    Text_Edit->hide();
    Text_Edit->setText(QString());
}

void frm_FM::MSF_Chann_Scroll()
{
    Text_Edit->hide();
}
