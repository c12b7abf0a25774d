#include "signalling/ui/frm_2tone.h"

#include "core/open_edits.h"
#include "core/shown_rows.h"
#include "core/two_tone_defaults.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "platform/geometry.h"
#include "platform/mdi_frame.h"
#include "signalling/two_tone_edit.h"
#include "signalling/two_tone_link.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace {

const BiText kTitle{QStringLiteral("2 TONE 编解码参数编辑"), QStringLiteral("2 TONE")};
const BiText kEncodeTab{QStringLiteral("编码"), QStringLiteral("Encode")};
const BiText kDecodeTab{QStringLiteral("解码"), QStringLiteral("Decode")};
const BiText kFrameEncode{QStringLiteral("2 TONE 编码"), QStringLiteral("2 TONE Encode")};
const BiText kFirst{QStringLiteral("发送第 1 个频率时间长度（MS）"), QStringLiteral("1st Tone Duration(MS)")};
const BiText kSecond{QStringLiteral("发送第 2 个频率时间长度（MS）"), QStringLiteral("2nd Tone Duration(MS)")};
const BiText kGapLabel{QStringLiteral("前后两个频率的间隔时长 （MS）"), QStringLiteral("Gap of Tone (MS)")};
const BiText kFrameDecode{QStringLiteral("2 TONE 解码"), QStringLiteral("2 TONE Decode")};
const BiText kToneA{QStringLiteral("A 音（HZ）"), QStringLiteral("A Tone( HZ )")};
const BiText kToneB{QStringLiteral("B 音（HZ）"), QStringLiteral("B Tone( HZ )")};
const BiText kToneC{QStringLiteral("C 音（HZ）"), QStringLiteral("C Tone( HZ )")};
const BiText kToneD{QStringLiteral("D 音（HZ）"), QStringLiteral("D Tone( HZ )")};
const BiText kReset{QStringLiteral("复位时间（MS）"), QStringLiteral("Reset_Time (MS)")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kDefault{QStringLiteral("默 认"), QStringLiteral("Default")};
const BiText kSave{QStringLiteral("保  存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打  开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关  闭"), QStringLiteral("Close")};
const QString kDesignedPassWord = QStringLiteral("读写密码");
const QString kPassWord = QStringLiteral("PassWord");

constexpr int kEncodePage = 1;
constexpr int kDecodePage = 2;

// The window's size as shares of the main window.
constexpr double kWidthDivisor = 1.2;
constexpr double kHeightDivisor = 1.25;
// The pages: the tab strip's share of the window, the frames below the tabs.
constexpr double kStripDivisor = 1.02;
constexpr double kFrameBelowTabs = 200;
constexpr double kFrameHeight = 6100;
constexpr double kEncodeGridDivisor = 3.08;
constexpr double kDecodeGridDivisor = 1.02;
constexpr double kDecodeGridHeight = 4000;
// The design of what the layout leaves open, in twips.
constexpr double kEdge = 120;
constexpr double kFrameTitle = 300;
constexpr double kSpace = 150;
constexpr double kOptionLabelWidth = 3600;
constexpr double kOptionListWidth = 1200;
constexpr double kOptionPitch = 700;
constexpr double kSetFrameWidth = 8400;
constexpr double kSetFrameHeight = 900;
constexpr double kResetLabelWidth = 2000;
constexpr double kPanelHeight = 1000;
constexpr int kFullBar = 100;
constexpr int kEncodeCols = 3;

// The image row an encode or decode grid row stands for.
std::vector<int> EncodeRows(int r)
{
    return {kTwoToneEncRow + r - 1};
}

std::vector<int> DecodeRows(int r)
{
    return {kTwoToneDecRow + r - 1};
}

double Tw(int pixels)
{
    return PixelsToTwips(pixels);
}

}  // namespace

frm_2tone::frm_2tone()
    : Window(WindowKind::Child),
      TabStrip1(new KitTabStrip(this)),
      Frame_Encode(new QGroupBox(this)),
      MSF_Encode(new KitGrid(Frame_Encode)),
      Text_Encode(new KitText(Frame_Encode)),
      Label_1st(new QLabel(Frame_Encode)),
      Label_2nd(new QLabel(Frame_Encode)),
      Label_gap(new QLabel(Frame_Encode)),
      Combo_Enc_ys1(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Combo_Enc_ys2(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Combo_enc_ys3(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Frame_Decode(new QGroupBox(this)),
      MSF_Decode(new KitGrid(Frame_Decode)),
      Combo_Decode(new KitList(KitList::Style::Editable, Frame_Decode)),
      Frame_Dec_xx(new QGroupBox(Frame_Decode)),
      Label_A_tone(new QLabel(Frame_Dec_xx)),
      Label_B_Tone(new QLabel(Frame_Dec_xx)),
      Label_C_Tone(new QLabel(Frame_Dec_xx)),
      Label_D_Tone(new QLabel(Frame_Dec_xx)),
      Text_A(new KitText(Frame_Dec_xx)),
      Text_B(new KitText(Frame_Dec_xx)),
      Text_C(new KitText(Frame_Dec_xx)),
      Text_D(new KitText(Frame_Dec_xx)),
      Label_Reset(new QLabel(Frame_Decode)),
      Combo_Dec_Res_Time(new KitList(KitList::Style::ChooseOnly, Frame_Decode)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_open(new KitButton(this)),
      Command_close(new KitButton(this)),
      Label_PassWord(new QLabel(kDesignedPassWord, this)),
      Text_PassWord(new KitText(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      linkPanel_(new QWidget(this)),
      decodeCell_(DecodeRows),
      encodeCell_(EncodeRows)
{
    setObjectName(QStringLiteral("frm_2tone"));

    Label_1st->setBuddy(Combo_Enc_ys1);
    Label_2nd->setBuddy(Combo_Enc_ys2);
    Label_gap->setBuddy(Combo_enc_ys3);
    Label_Reset->setBuddy(Combo_Dec_Res_Time);
    Label_PassWord->setBuddy(Text_PassWord);
    const std::array<QLabel*, kTwoToneTones> toneLabels{Label_A_tone, Label_B_Tone, Label_C_Tone, Label_D_Tone};
    auto* tones = new QHBoxLayout(Frame_Dec_xx);
    for (int t = 0; t < kTwoToneTones; ++t) {
        KitText* box = toneBoxes()[t];
        toneLabels[t]->setBuddy(box);
        tones->addWidget(toneLabels[t]);
        tones->addWidget(box, 1);
        box->onKeyPress = [this, t](int& key) { Text_Tone_KeyPress(t, key); };
        box->onLostFocus = [this, t] { Text_Tone_LostFocus(t); };
    }

    // The in-cell editors lie over their grids and never take the focus
    // from the tab chain.
    Text_Encode->setTabStop(false);
    Combo_Decode->setTabStop(false);
    Combo_Decode->setCellEditor();
    Text_Encode->hide();
    Combo_Decode->hide();

    ProgressBar1->setRange(0, kFullBar);
    SetUpPasswordBox(*Text_PassWord);

    // Below the pages: the buttons, then the password and the progress.
    auto* buttons = new QHBoxLayout;
    for (KitButton* button : {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* link = new QHBoxLayout;
    link->addWidget(Label_PassWord);
    link->addWidget(Text_PassWord);
    link->addWidget(ProgressBar1, 1);
    link->addWidget(Label_tr_count, 1);
    auto* rows = new QVBoxLayout(linkPanel_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(buttons);
    rows->addLayout(link);

    TabStrip1->onClick = [this] { TabStrip1_Click(); };
    for (const auto& [option, list] : optionLists()) {
        list->onClick = [this, option, list] { Option_Click(option, list); };
        list->onKeyPress = [](int& key) { key = 0; };
    }
    MSF_Encode->onClick = [this] { MSF_Encode_Click(); };
    MSF_Encode->onLeaveCell = [this] { MSF_Encode_LeaveCell(); };
    MSF_Encode->nameEditor(*Text_Encode);
    Text_Encode->onKeyPress = [this](int& key) { Text_Encode_KeyPress(key); };
    Text_Encode->onChange = [this] { Text_Encode_Change(); };
    MSF_Decode->onClick = [this] { MSF_Decode_Click(); };
    MSF_Decode->onLeaveCell = [this] { MSF_Decode_LeaveCell(); };
    Combo_Decode->onClick = [this] { Combo_Decode_Click(); };
    Combo_Decode->onGotFocus = [this] { Combo_Decode_GotFocus(); };
    Combo_Decode->onChange = [this] { Combo_Decode_Change(); };
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };
}

std::array<std::pair<TwoToneOption, KitList*>, 4> frm_2tone::optionLists() const
{
    return {{
        {TwoToneOption::FirstDuration, Combo_Enc_ys1},
        {TwoToneOption::SecondDuration, Combo_Enc_ys2},
        {TwoToneOption::Gap, Combo_enc_ys3},
        {TwoToneOption::ResetTime, Combo_Dec_Res_Time},
    }};
}

bool frm_2tone::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_2tone::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_2tone::Form_Load()
{
    // 1. Sized and centred from the main window.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();

    // 2.
    Frame_Encode->show();
    Frame_Decode->hide();

    // 4. Captions (before the layout, which fits the grids to their headers).
    setWindowTitle(kTitle.text());
    TabStrip1->clearTabs();
    TabStrip1->addTab(kEncodeTab.text());
    TabStrip1->addTab(kDecodeTab.text());
    Frame_Encode->setTitle(kFrameEncode.text());
    Label_1st->setText(kFirst.text());
    Label_2nd->setText(kSecond.text());
    Label_gap->setText(kGapLabel.text());
    Frame_Decode->setTitle(kFrameDecode.text());
    Label_A_tone->setText(kToneA.text());
    Label_B_Tone->setText(kToneB.text());
    Label_C_Tone->setText(kToneC.text());
    Label_D_Tone->setText(kToneD.text());
    Label_Reset->setText(kReset.text());
    Frame_Dec_xx->setTitle(TwoToneFirstSetCaption.text());
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_def->setCaption(kDefault.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    MSF_Encode->setFormatString(TwoToneEncodeFormat.text());
    MSF_Decode->setFormatString(TwoToneDecodeFormat.text());
    if (LangChinese == 0)
        Label_PassWord->setText(kPassWord);
    MSF_Encode->setRows(kTwoToneEntries + 1);
    MSF_Decode->setRows(kTwoToneEntries + 1);

    // 3.
    LayOut();

    // 5. A fresh transfer: timers off, not busy, the bar hidden.
    link_ = &own(std::make_unique<TransferEngine>(TwoToneTransferParams([this] { TwoTone_FromBlocks(); })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };
    // The main window's whole-image write and ".dat" save commit an open
    // encode edit as Write and Save do.
    own(std::make_unique<OpenEditCommit>([this] { return Commit_EncodeEdit(); }));
    Text_PassWord->setText(kPresetPassword);

    // 6, 8. Filling a list runs nothing.
    for (const auto& [option, list] : optionLists()) {
        list->clear();
        list->addItems(TwoToneOptionItems(option));
    }

    // 7.
    for (int r = 1; r <= kTwoToneEntries; ++r) {
        MSF_Encode->setTextMatrix(r, 0, QString::number(r));
        MSF_Decode->setTextMatrix(r, 0, QString::number(r));
    }

    // 9.
    ShowLinkDisplay();

    // 10.
    DecEntry = 0;
    showsRows({Area::TwoTone}, [this] { ShowImage(); });
    TwoTone_Show();
}

void frm_2tone::LayOut()
{
    const double stripTop = kEdge;
    SetTwipsGeometry(TabStrip1, kEdge, stripTop, ScaleWidth() / kStripDivisor, kFrameHeight);
    const double frameWidth = TabStrip1->ClientWidth();

    // Both grids show all their rows, so an editor laid over a cell stays on it.
    const double encodeGridHeight = Tw(MSF_Encode->fullHeight());
    const double decodeGridHeight = std::max(kDecodeGridHeight, Tw(MSF_Decode->fullHeight()));
    const double setTop = kFrameTitle + decodeGridHeight + kSpace;
    const double frameHeight =
        std::max({kFrameHeight, kFrameTitle + encodeGridHeight + kSpace, setTop + kSetFrameHeight + kSpace});

    const double frameTop = TabStrip1->ClientTop() + kFrameBelowTabs;
    SetTwipsGeometry(TabStrip1, kEdge, stripTop, ScaleWidth() / kStripDivisor,
                     frameTop - stripTop + frameHeight + kEdge);
    for (QGroupBox* frame : {Frame_Encode, Frame_Decode}) {
        SetTwipsGeometry(frame, TabStrip1->ClientLeft(), frameTop, frameWidth, frameHeight);
        frame->raise();
    }

    // Encode page: the grid, the three duration lists beside it.
    const double encodeGridWidth = frameWidth / kEncodeGridDivisor;
    SetTwipsGeometry(MSF_Encode, kEdge, kFrameTitle, encodeGridWidth, encodeGridHeight);
    const double optionLeft = kEdge + encodeGridWidth + 4 * kEdge;
    const double listHeight = Tw(Combo_Enc_ys1->sizeHint().height());
    double top = kFrameTitle + kOptionPitch;
    for (const auto& [label, list] : {std::pair{Label_1st, Combo_Enc_ys1}, std::pair{Label_2nd, Combo_Enc_ys2},
                                      std::pair{Label_gap, Combo_enc_ys3}}) {
        SetTwipsGeometry(label, optionLeft, top, kOptionLabelWidth, listHeight);
        SetTwipsGeometry(list, optionLeft + kOptionLabelWidth + kEdge, top, kOptionListWidth, listHeight);
        top += kOptionPitch;
    }

    // Decode page: the grid, the tone set and the reset time below it.
    SetTwipsGeometry(MSF_Decode, kEdge, kFrameTitle, frameWidth / kDecodeGridDivisor, decodeGridHeight);
    SetTwipsGeometry(Frame_Dec_xx, kEdge, setTop, kSetFrameWidth, kSetFrameHeight);
    const double resetLeft = kEdge + kSetFrameWidth + 2 * kEdge;
    const double resetTop = setTop + (kSetFrameHeight - listHeight) / 2;
    SetTwipsGeometry(Label_Reset, resetLeft, resetTop, kResetLabelWidth, listHeight);
    SetTwipsGeometry(Combo_Dec_Res_Time, resetLeft + kResetLabelWidth + kEdge, resetTop, kOptionListWidth, listHeight);

    // Below the pages: the buttons, the password and the progress.
    const double panelTop = Tw(TabStrip1->geometry().bottom()) + kEdge;
    SetTwipsGeometry(linkPanel_, kEdge, panelTop, ScaleWidth() - 2 * kEdge, kPanelHeight);
}

void frm_2tone::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

// ---- Display ----------------------------------------------------------------

void frm_2tone::TwoTone_Show()
{
    // 1.
    for (int r = 1; r <= kTwoToneEntries; ++r) {
        for (int c = 1; c < kEncodeCols; ++c)
            MSF_Encode->setTextMatrix(r, c, TwoToneEncodeText(r, c));
    }
    // 2. A byte past its list shows no item and is kept.
    Combo_Enc_ys1->setListIndex(TwoToneOptionItem(TwoToneOption::FirstDuration));
    Combo_Enc_ys2->setListIndex(TwoToneOptionItem(TwoToneOption::SecondDuration));
    Combo_enc_ys3->setListIndex(TwoToneOptionItem(TwoToneOption::Gap));
    // 3.
    for (int r = 1; r <= kTwoToneEntries; ++r) {
        for (int c = 1; c < MSF_Decode->cols(); ++c)
            MSF_Decode->setTextMatrix(r, c, TwoToneDecodeText(r, c));
    }
    // 4.
    Edata_Load(DecEntry);
    // 5.
    Combo_Dec_Res_Time->setListIndex(TwoToneOptionItem(TwoToneOption::ResetTime));
    rowsPainted();
}

void frm_2tone::ShowImage()
{
    if (encodeCell_.stale())
        CloseEncodeEditor();
    if (decodeCell_.stale())
        CloseDecodeList();
    TwoTone_Show();
}

void frm_2tone::Edata_Load(int x)
{
    for (int t = 0; t < kTwoToneTones; ++t)
        toneBoxes()[t]->setText(TwoToneSetText(x, t));
}

void frm_2tone::TwoTone_FromBlocks()
{
    // The engine has put the received area into the image.
    CloseEditors();
    TwoTone_Show();
}

// ---- Pages and buttons -------------------------------------------------------

void frm_2tone::TabStrip1_Click()
{
    if (TabStrip1->selectedIndex() == kEncodePage) {
        Frame_Decode->hide();
        Frame_Encode->show();
    } else if (TabStrip1->selectedIndex() == kDecodePage) {
        Frame_Encode->hide();
        Frame_Decode->show();
        DecEntry = 0;
        Frame_Dec_xx->setTitle(TwoToneFirstSetCaption.text());
        Edata_Load(0);
    }
    // An encode edit not committed is dropped.
    CloseEncodeEditor();
}

void frm_2tone::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_2tone::Command_Write_Click()
{
    if (link_->refuseIfBusy())
        return;
    if (!Commit_EncodeEdit())
        return;
    link_->startWrite(Text_PassWord->text());
}

void frm_2tone::Command_def_Click()
{
    if (link_->refuseIfBusy())
        return;
    link_->setProgressVisible(false);
    link_->setProgressValue(0);
    link_->setLabel(QString());
    CloseEditors();
    const RowsReplacement replacing({Area::TwoTone});
    TwoTone_Defaults();
    TwoTone_Show();
}

void frm_2tone::Command_save_Click()
{
    if (link_->refuseIfBusy())
        return;
    if (!Commit_EncodeEdit())
        return;
    Windows::LoadForward<Form_save_chann>();
}

void frm_2tone::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // The ".dat" open dialog, brought forward when it is open already: the
    // file it loads replaces the whole image, and the window shows it at once.
    Windows::LoadForward<Form_open_chann>();
}

void frm_2tone::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::Busy()))
        return;
    Windows::Unload(this);
}

void frm_2tone::Option_Click(TwoToneOption option, const KitList* list)
{
    TwoTone_StoreOption(option, list->listIndex());
}

// ---- Encode grid -------------------------------------------------------------

void frm_2tone::MSF_Encode_Click()
{
    Cell_EditEncode();
}

void frm_2tone::Cell_EditEncode()
{
    // 1. The cell under the pointer becomes current, whatever it is: leaving
    // the old one commits an open edit.
    MSF_Encode->setRow(MSF_Encode->mouseRow());
    MSF_Encode->setCol(MSF_Encode->mouseCol());
    const int r = MSF_Encode->row();
    const int c = MSF_Encode->col();
    // 3. Header and row-number cells open nothing.
    if (r < 1 || c < 1)
        return;
    // 2.
    MSF_Encode->placeEditor(*Text_Encode);
    Text_Encode->setFocus();
    Text_Encode->setText(MSF_Encode->text());
    encodeCell_.open(r, c);
}

void frm_2tone::Text_Encode_KeyPress(int& key)
{
    key = TwoToneEncodeKey(key);
}

void frm_2tone::Text_Encode_Change()
{
    // The text the editor opens with is set before its cell counts as open.
    encodeCell_.touch();
}

void frm_2tone::MSF_Encode_LeaveCell()
{
    Commit_EncodeEdit();
}

bool frm_2tone::Commit_EncodeEdit()
{
    const int r = encodeCell_.row();
    const int c = encodeCell_.col();
    if (r < 1)
        return true;  // no editor open: nothing to store
    const QString text = Text_Encode->text();
    const CellEntry entry = encodeCell_.entry();
    const bool replaced = encodeCell_.stale();
    CloseEncodeEditor();
    if (replaced)
        return true;  // the text belongs to an entry that is gone
    const std::optional<Message> refused = TwoTone_EncodeCommit(r, c, text, entry);
    TwoTone_Show();
    // The cell is done: a box now runs other events over a finished commit.
    if (refused) {
        ShowMessage(*refused);
        return false;
    }
    return true;
}

void frm_2tone::CloseEncodeEditor()
{
    encodeCell_.close();
    Text_Encode->hide();
    Text_Encode->setText(QString());
}

// ---- Decode grid -------------------------------------------------------------

void frm_2tone::MSF_Decode_Click()
{
    Cell_EditDecode();
}

void frm_2tone::Cell_EditDecode()
{
    // 1. Leaving the old cell closes an open list.
    MSF_Decode->setRow(MSF_Decode->mouseRow());
    MSF_Decode->setCol(MSF_Decode->mouseCol());
    const int r = MSF_Decode->row();
    const int c = MSF_Decode->col();
    // 2.
    if (r < 1)
        return;
    // 3.
    DecEntry = r - 1;
    Frame_Dec_xx->setTitle(TwoToneSetCaption(r).text());
    Edata_Load(DecEntry);
    // 4.
    if (c < 1)
        return;
    // 5. Clearing runs nothing. A list still open over this very cell (a
    // second click on it) is closed first: its opening item is no choice.
    decodeCell_.close();
    Combo_Decode->clear();
    MSF_Decode->placeEditor(*Combo_Decode);
    Combo_Decode->setFocus();
    Combo_Decode->addItems(TwoToneDecItems(c));
    // 6. The list opens on the item the cell shows, if any. That is no
    // choice: the cell counts as open only after it, so only what is chosen
    // from here on touches the cell and is stored.
    Combo_Decode->setListIndex(TwoToneDecOpeningItem(r, c));
    EditText = Combo_Decode->text();
    decodeCell_.open(r, c);
}

void frm_2tone::Combo_Decode_Click()
{
    // Only a list open over its cell stores: its opening item and a late
    // choice reach nothing.
    decodeCell_.touch();
    TwoTone_StoreDecodeChoice(decodeCell_.row(), decodeCell_.col(), Combo_Decode->listIndex(), decodeCell_.entry());
    // The user's own choice leaves the list current over its entry.
    decodeCell_.recordsEdited();
    EditText = Combo_Decode->text();
}

void frm_2tone::Combo_Decode_GotFocus()
{
    EditText = Combo_Decode->text();
}

void frm_2tone::Combo_Decode_Change()
{
    // Typing is undone at once: the list works as a plain list.
    if (decodeCell_.row() < 1)
        return;
    Combo_Decode->setText(EditText);
}

void frm_2tone::MSF_Decode_LeaveCell()
{
    const int r = MSF_Decode->row();
    const int c = MSF_Decode->col();
    // 1. A choice shows in its cell; a cell only clicked through keeps what
    // it showed (its list may have opened on no item).
    if (decodeCell_.touched())
        MSF_Decode->setTextMatrix(decodeCell_.row(), decodeCell_.col(), Combo_Decode->text());
    // 2. Beside an empty pair the response and alert show nothing (on the
    // screen only).
    if (IsTwoToneDecodeCell(r, c) && TwoToneDecFieldOf(c) != TwoToneDecField::Pair) {
        if (MSF_Decode->textMatrix(r, TwoTonePairColOf(c)).isEmpty())
            MSF_Decode->setTextMatrix(r, c, QString());
    }
    // 3.
    CloseDecodeList();
}

void frm_2tone::CloseDecodeList()
{
    decodeCell_.close();
    Combo_Decode->hide();
}

// ---- Tone boxes --------------------------------------------------------------

void frm_2tone::Text_Tone_KeyPress(int t, int& key)
{
    key = TwoToneToneKey(key, toneBoxes()[t]->text());
}

void frm_2tone::Text_Tone_LostFocus(int t)
{
    // The focus also leaves as the window goes: nothing is stored then.
    if (!isLoaded())
        return;
    KitText* box = toneBoxes()[t];
    const std::optional<Message> refused = TwoTone_ToneCommit(DecEntry, t, box->text());
    TwoTone_Show();
    if (refused) {
        // The box shows nothing now; the user is back in it.
        box->returnFocusAfterRefusal();
        ShowMessage(*refused);
    }
}

void frm_2tone::CloseEditors()
{
    CloseEncodeEditor();
    CloseDecodeList();
}
