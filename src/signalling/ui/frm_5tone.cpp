#include "signalling/ui/frm_5tone.h"

#include "core/five_tone_tables.h"
#include "core/numbers.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "platform/mdi_frame.h"
#include "signalling/five_tone_area.h"
#include "signalling/five_tone_edit.h"
#include "signalling/five_tone_link.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

const BiText kTitle{QStringLiteral("5音信令编解码参数编辑"), QStringLiteral("5 Tone Encode/Decode ")};
const BiText kTabStandard{QStringLiteral("标准"), QStringLiteral("Standard")};
const BiText kTabEncode{QStringLiteral("编解码"), QStringLiteral("Encode")};
const BiText kFrameStd{QStringLiteral("5 TONE 标准频率"), QStringLiteral("5 TONE Standard Frequency")};
const BiText kStdName{QStringLiteral("标准名称"), QStringLiteral("Standard Name")};
const BiText kFrameEncode{QStringLiteral("5 TONE 编码"), QStringLiteral("5 Tone Encode")};
const std::array<BiText, frm_5tone::kDelayLists> kDelayLabels{{
    {QStringLiteral("发送第1组码前的延迟时间（MS）"), QStringLiteral("Delay 1 (MS) ")},
    {QStringLiteral("发送第2组码前的延迟时间（MS）"), QStringLiteral("Delay 2 (MS) ")},
    {QStringLiteral("发送第3组码前的延迟时间（MS）"), QStringLiteral("Delay 3 (MS) ")},
    {QStringLiteral("各组码第1个音的拓展时长（MS）"), QStringLiteral("First Digit Extend Length (MS)")},
}};
const BiText kDecodeCall{QStringLiteral("5 TONE 解码呼叫帧"), QStringLiteral("5 TONE Decode Call")};
const BiText kDecodeDisp{QStringLiteral("5 TONE 解码显示帧"), QStringLiteral("5 TONE Decode Disp")};
const BiText kDecodeStd{QStringLiteral("5 TONE 解码使用标准"), QStringLiteral("5 TONE Decode Standard ")};
const BiText kResetTime{QStringLiteral("解码复位时间（MS）"), QStringLiteral("Decode Reset Time(ms)")};
const std::array<BiText, frm_5tone::kFrameBoxes> kFrameCaptions{{
    {QStringLiteral("第 1 帧"), QStringLiteral("1 frame")},
    {QStringLiteral("第 2 帧"), QStringLiteral("2 frame")},
    {QStringLiteral("第 3 帧"), QStringLiteral("3 frame")},
}};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kDefault{QStringLiteral("默 认"), QStringLiteral("Default")};
const BiText kSave{QStringLiteral("保  存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打  开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关  闭"), QStringLiteral("Close")};
// The label is built with the Chinese caption; the load sets only the English one.
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};
const BiText kStdGridFormat{QStringLiteral("^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 "),
                            QStringLiteral("^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone ")};
const BiText kEncodeGridFormat{QStringLiteral("^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准"),
                               QStringLiteral("^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard ")};

// The window's size as shares of the main window; the tab strip's of the
// window; the pages over the strip's client area; the grids' of their page.
constexpr double kWidthDivisor = 1.3;
constexpr double kHeightDivisor = 1.25;
constexpr double kTabStripDivisor = 1.03;
constexpr double kPageTopTwips = 200;
constexpr double kPageHeightTwips = 6100;
constexpr double kEncodeNarrowerTwips = 2000;
constexpr double kStdGridDivisor = 1.8;
constexpr double kEncodeGridDivisor = 1.76;
// The space around the strip and under the pages.
constexpr double kMarginTwips = 120;

constexpr int kStandardTab = 1;
constexpr int kFullBar = 100;
// Grid rows: the title row and the 15 standards or codes.
constexpr int kGridRows = 16;
// The standards grid's columns: the name, then period, group and repeat tone.
constexpr int kStdNameCol = 0;
constexpr int kFirstStdCol = 1;
constexpr int kLastStdCol = 3;
// Label_code / Label_freq pairs per column of the frequency table.
constexpr int kFreqRows = 8;

// The image rows a grid row stands for: a code record, a standard record.
std::vector<int> CodeRows(int r)
{
    return {FiveToneEncRec(r)};
}
std::vector<int> StandardRows(int r)
{
    return {FiveToneStdRec(r - 1)};
}

QFrame* BoxFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

frm_5tone::frm_5tone()
    : Window(WindowKind::Child),
      TabStrip1(new KitTabStrip(this)),
      Frame_std(new QGroupBox(this)),
      MSF_Chann(new KitGrid(Frame_std)),
      Label_std_name(new QLabel(Frame_std)),
      Combo_stxh(new KitList(KitList::Style::ChooseOnly, Frame_std)),
      Combo_edit(new KitList(KitList::Style::ChooseOnly, Frame_std)),
      Frame_Encode(new QGroupBox(this)),
      MSF_Encode(new KitGrid(Frame_Encode)),
      Text_Encode(new KitText(Frame_Encode)),
      Combo_Encode(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Label_enc_ys1(new QLabel(Frame_Encode)),
      Combo_Enc_ys1(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Label_enc_ys2(new QLabel(Frame_Encode)),
      Combo_Enc_ys2(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Label_enc_ys3(new QLabel(Frame_Encode)),
      Combo_enc_ys3(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Label_enc_ys4(new QLabel(Frame_Encode)),
      Combo_Enc_ys4(new KitList(KitList::Style::ChooseOnly, Frame_Encode)),
      Frame1(BoxFrame(Frame_Encode)),
      Label_Decode_HJ(new QLabel(Frame1)),
      Frame2(BoxFrame(Frame_Encode)),
      Label_Decode_Disp(new QLabel(Frame2)),
      Frame3(BoxFrame(Frame_Encode)),
      Label_Decode_Std(new QLabel(Frame3)),
      Combo_Decode_Std(new KitList(KitList::Style::ChooseOnly, Frame3)),
      Label_Reset_Time(new QLabel(Frame3)),
      Combo_Dec_Res_Time(new KitList(KitList::Style::ChooseOnly, Frame3)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_open(new KitButton(this)),
      Command_close(new KitButton(this)),
      Label_PassWord(new QLabel(kPassWord.chn, this)),
      Text_PassWord(new KitText(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      linkPanel_(new QWidget(this)),
      encOpen_(CodeRows),
      stdOpen_(StandardRows)
{
    setObjectName(QStringLiteral("frm_5tone"));
    // The strip has its two tabs from the start; the load gives them their
    // captions.
    TabStrip1->addTab(QString());
    TabStrip1->addTab(QString());
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    MSF_Encode->setObjectName(QStringLiteral("MSF_Encode"));
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
    Text_Encode->setObjectName(QStringLiteral("Text_Encode"));
    Combo_Encode->setObjectName(QStringLiteral("Combo_Encode"));

    // The standards page: the grid, and the tones of the chosen standard.
    auto* freqs = new QGridLayout;
    freqs->addWidget(Label_std_name, 0, 0, 1, 2);
    freqs->addWidget(Combo_stxh, 0, 2, 1, 2);
    Label_std_name->setBuddy(Combo_stxh);
    for (int t = 0; t < kDigitLabels; ++t) {
        Label_code[t] = new QLabel(HexValToChar(t), Frame_std);
        Label_freq[t] = new QLabel(Frame_std);
        freqs->addWidget(Label_code[t], 1 + t % kFreqRows, 2 * (t / kFreqRows));
        freqs->addWidget(Label_freq[t], 1 + t % kFreqRows, 2 * (t / kFreqRows) + 1);
    }
    freqs->setRowStretch(kFreqRows + 1, 1);
    auto* stdPage = new QHBoxLayout(Frame_std);
    stdPage->addWidget(MSF_Chann);
    stdPage->addLayout(freqs, 1);

    // The encode page: the grid, the delays and the decoder.
    auto* options = new QGridLayout;
    for (int i = 0; i < kDelayLists; ++i) {
        options->addWidget(delayLabels()[i], i, 0);
        options->addWidget(delayLists()[i], i, 1);
        delayLabels()[i]->setBuddy(delayLists()[i]);
    }
    const auto boxes = [](QFrame* frame, QLabel* label, std::array<KitCheck*, kFrameBoxes>& checks) {
        auto* row = new QHBoxLayout;
        for (KitCheck*& check : checks) {
            check = new KitCheck(frame);
            row->addWidget(check);
        }
        auto* layout = new QVBoxLayout(frame);
        layout->addWidget(label);
        layout->addLayout(row);
    };
    boxes(Frame1, Label_Decode_HJ, Check_Decode_HJ);
    boxes(Frame2, Label_Decode_Disp, Check_Decode_Disp);
    auto* decode = new QGridLayout(Frame3);
    decode->addWidget(Label_Decode_Std, 0, 0);
    decode->addWidget(Combo_Decode_Std, 0, 1);
    decode->addWidget(Label_Reset_Time, 1, 0);
    decode->addWidget(Combo_Dec_Res_Time, 1, 1);
    Label_Decode_Std->setBuddy(Combo_Decode_Std);
    Label_Reset_Time->setBuddy(Combo_Dec_Res_Time);
    auto* side = new QVBoxLayout;
    side->addLayout(options);
    side->addWidget(Frame1);
    side->addWidget(Frame2);
    side->addWidget(Frame3);
    side->addStretch();
    auto* encodePage = new QHBoxLayout(Frame_Encode);
    encodePage->addWidget(MSF_Encode);
    encodePage->addLayout(side, 1);
    Frame_Encode->hide();

    // The in-cell editors lie over their grid, outside the layouts, and never
    // take the focus from the tab chain.
    for (KitControl* editor : {static_cast<KitControl*>(Combo_edit), static_cast<KitControl*>(Text_Encode),
                               static_cast<KitControl*>(Combo_Encode)}) {
        editor->setTabStop(false);
        editor->setCellEditor();
    }
    Combo_edit->hide();
    Text_Encode->hide();
    Combo_Encode->hide();

    // The link display and the buttons, under the tab strip.
    auto* link = new QHBoxLayout;
    link->addWidget(Command_read);
    link->addWidget(Command_Write);
    link->addWidget(Label_PassWord);
    link->addWidget(Text_PassWord);
    link->addWidget(ProgressBar1, 1);
    link->addWidget(Label_tr_count, 1);
    auto* buttons = new QHBoxLayout;
    for (KitButton* button : {Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* panel = new QVBoxLayout(linkPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(link);
    panel->addLayout(buttons);

    Text_PassWord->setText(kPresetPassword);
    SetUpPasswordBox(*Text_PassWord);
    Label_PassWord->setBuddy(Text_PassWord);
    ProgressBar1->setRange(0, kFullBar);

    TabStrip1->onClick = [this] { TabStrip1_Click(); };
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };

    MSF_Chann->onClick = [this] { MSF_Chann_Click(); };
    MSF_Chann->onLeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Encode->nameEditor(*Text_Encode);
    Combo_edit->onClick = [this] { Combo_edit_Click(); };
    Combo_stxh->onClick = [this] { Combo_stxh_Click(); };

    const auto saveText = [this](KitList* list) { return [this, list] { EditText = list->text(); }; };
    Combo_stxh->onGotFocus = saveText(Combo_stxh);
    const std::array<int, kDelayLists> delayBytes{FiveToneOptByte::Delay1, FiveToneOptByte::Delay2,
                                                  FiveToneOptByte::Delay3, FiveToneOptByte::FirstDigitExtend};
    for (int i = 0; i < kDelayLists; ++i) {
        KitList* list = delayLists()[i];
        list->onClick = [this, list, byte = delayBytes[i]] { Option_Click(list, byte); };
        list->onGotFocus = saveText(list);
    }
    Combo_Dec_Res_Time->onClick = [this] { Option_Click(Combo_Dec_Res_Time, FiveToneOptByte::ResetTime); };
    Combo_Dec_Res_Time->onGotFocus = saveText(Combo_Dec_Res_Time);
    Combo_Decode_Std->onClick = [this] { Option_Click(Combo_Decode_Std, FiveToneOptByte::DecodeStd); };
    Combo_Decode_Std->onKeyPress = [this](int& key) { Combo_Decode_Std_KeyPress(key); };
    for (int i = 0; i < kFrameBoxes; ++i) {
        Check_Decode_HJ[i]->onClick = [this, i] { Check_Decode_HJ_Click(i); };
        Check_Decode_Disp[i]->onClick = [this, i] { Check_Decode_Disp_Click(i); };
    }

    MSF_Encode->onClick = [this] { MSF_Encode_Click(); };
    MSF_Encode->onLeaveCell = [this] { MSF_Encode_LeaveCell(); };
    Text_Encode->onKeyPress = [this](int& key) { Text_Encode_KeyPress(key); };
    Text_Encode->onChange = [this] { Text_Encode_Change(); };
    Text_Encode->onLostFocus = [this] { Text_Encode_LostFocus(); };
    Combo_Encode->onClick = [this] { Combo_Encode_Click(); };
    Combo_Encode->onGotFocus = saveText(Combo_Encode);
}

std::array<KitList*, frm_5tone::kDelayLists> frm_5tone::delayLists() const
{
    return {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4};
}

std::array<QLabel*, frm_5tone::kDelayLists> frm_5tone::delayLabels() const
{
    return {Label_enc_ys1, Label_enc_ys2, Label_enc_ys3, Label_enc_ys4};
}

bool frm_5tone::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_5tone::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_5tone::Form_Load()
{
    // 1. Sized and centred from the main window.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();
    // 2, 3.
    LayOut();
    SetCaptions();
    PlaceLinkPanel();

    // 4. A fresh transfer: timers off, not busy. Every edit of this window is
    // in the image the moment it is made: nothing is left to commit before
    // whatever sends or saves the image.
    link_ = &own(std::make_unique<TransferEngine>(FiveToneTransferParams([this] { FiveTone_ShowRead(); })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };
    ShowLinkDisplay();

    // 5, 6.
    FiveTone_InitLists();
    showsRows({Area::FiveToneSettings}, [this] { ShowImage(); });
    FiveTone_Show();
}

void frm_5tone::LayOut()
{
    const double stripWidth = ScaleWidth() / kTabStripDivisor;
    SetTwipsGeometry(TabStrip1, (ScaleWidth() - stripWidth) / 2, kMarginTwips, stripWidth,
                     kPageTopTwips + kPageHeightTwips);
    const double left = TabStrip1->ClientLeft();
    const double top = TabStrip1->ClientTop() + kPageTopTwips;
    const double width = TabStrip1->ClientWidth();
    SetTwipsGeometry(Frame_std, left, top, width, kPageHeightTwips);
    SetTwipsGeometry(Frame_Encode, left, top, width - kEncodeNarrowerTwips, kPageHeightTwips);
    MSF_Chann->setDesignWidth(width / kStdGridDivisor);
    MSF_Encode->setDesignWidth((width - kEncodeNarrowerTwips) / kEncodeGridDivisor);
    // The strip reaches just below the pages.
    const double bottom = top + kPageHeightTwips + kMarginTwips;
    TabStrip1->resize(TabStrip1->width(), TwipsToPixels(bottom) - TabStrip1->y());
}

void frm_5tone::PlaceLinkPanel()
{
    linkPanel_->layout()->activate();  // sized for the captions just set
    linkPanel_->setGeometry(TabStrip1->x(), TabStrip1->geometry().bottom() + 1 + TwipsToPixels(kMarginTwips),
                            TabStrip1->width(), linkPanel_->sizeHint().height());
}

void frm_5tone::SetCaptions()
{
    setWindowTitle(kTitle.text());
    TabStrip1->clearTabs();
    TabStrip1->addTab(kTabStandard.text());
    TabStrip1->addTab(kTabEncode.text());
    Frame_std->setTitle(kFrameStd.text());
    Label_std_name->setText(kStdName.text());
    Frame_Encode->setTitle(kFrameEncode.text());
    for (int i = 0; i < kDelayLists; ++i)
        delayLabels()[i]->setText(kDelayLabels[i].text());
    Label_Decode_HJ->setText(kDecodeCall.text());
    Label_Decode_Disp->setText(kDecodeDisp.text());
    Label_Decode_Std->setText(kDecodeStd.text());
    Label_Reset_Time->setText(kResetTime.text());
    for (int i = 0; i < kFrameBoxes; ++i) {
        Check_Decode_HJ[i]->setCaption(kFrameCaptions[i].text());
        Check_Decode_Disp[i]->setCaption(kFrameCaptions[i].text());
    }
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_def->setCaption(kDefault.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    MSF_Chann->setFormatString(kStdGridFormat.text());
    MSF_Encode->setFormatString(kEncodeGridFormat.text());
    if (LangChinese == 0)
        Label_PassWord->setText(kPassWord.eng);
}

void frm_5tone::FiveTone_InitLists()
{
    MSF_Chann->setRows(kGridRows);
    MSF_Encode->setRows(kGridRows);
    const QStringList names = FiveToneStdNames();
    // 1.
    Combo_stxh->clear();
    Combo_stxh->addItems(names);
    Combo_stxh->setListIndex(0);  // shows its tones (Combo_stxh_Click)
    FiveTone_ShowFreqs();
    // 2.
    for (int r = 1; r < kGridRows; ++r)
        MSF_Chann->setTextMatrix(r, kStdNameCol, names.at(r - 1));
    // 3.
    Combo_Encode->clear();
    Combo_Encode->addItems(names);
    // 4.
    for (KitList* list : delayLists()) {
        list->clear();
        list->addItems(FiveToneDelayItems());
    }
    // 5.
    Combo_Decode_Std->clear();
    Combo_Decode_Std->addItems(names);
    // 6.
    Combo_Dec_Res_Time->clear();
    Combo_Dec_Res_Time->addItems(FiveToneResetItems());
    // 7.
    for (int r = 1; r < kGridRows; ++r)
        MSF_Encode->setTextMatrix(r, FiveToneEncCol::Code, QString::number(r));
}

void frm_5tone::FiveTone_Show()
{
    // Everything is read before any control changes: the option controls'
    // handlers store what they are given, so every byte ends as it began.
    const FiveTonePainting p = FiveTone_Paint();
    // 1..3.
    for (int r = 1; r < kGridRows; ++r) {
        for (int c = kFirstStdCol; c <= kLastStdCol; ++c)
            MSF_Chann->setTextMatrix(r, c, p.stdCell(r, c));
    }
    // 4.
    for (int r = 1; r < kGridRows; ++r)
        FiveTone_ShowEncRow(r, p);
    // 5. A byte outside its list shows no item and is kept.
    for (int i = 0; i < kDelayLists; ++i)
        delayLists()[i]->setListIndex(p.delays[i]);
    Combo_Decode_Std->setListIndex(p.decodeStd);
    // 6, 7. Cleared, then ticked again from the masks read above.
    const auto paintBoxes = [](const std::array<KitCheck*, kFrameBoxes>& checks,
                               const std::array<bool, kFrameBoxes>& ticked) {
        for (KitCheck* check : checks)
            check->setValue(0);
        for (int i = 0; i < kFrameBoxes; ++i) {
            if (ticked[i])
                checks[i]->setValue(1);
        }
    };
    paintBoxes(Check_Decode_HJ, p.callFrames);
    paintBoxes(Check_Decode_Disp, p.dispFrames);
    // 8.
    Combo_Dec_Res_Time->setListIndex(p.resetTime);
    // 9.
    link_->setProgressVisible(false);
    rowsPainted();
}

void frm_5tone::FiveTone_ShowEncRow(int r, const FiveTonePainting& p)
{
    for (int c = FiveToneEncCol::Frame1; c <= FiveToneEncCol::Standard; ++c)
        MSF_Encode->setTextMatrix(r, c, p.encCell(r, c));
}

void frm_5tone::FiveTone_ShowFreqs()
{
    const int standard = Combo_stxh->listIndex();
    if (standard < 0)
        return;
    for (int t = 0; t < kDigitLabels; ++t)
        Label_freq[t]->setText(TrimBlanks(ToneFreqText[standard][t]));
}

void frm_5tone::FiveTone_ShowRead()
{
    HideEditors();
    FiveTone_Show();
}

void frm_5tone::ShowImage()
{
    DropStaleEditors();
    FiveTone_Show();
}

void frm_5tone::HideEditors()
{
    DropEncodeEditors();
    Combo_edit->hide();
    stdOpen_.close();
}

void frm_5tone::DropEncodeEditors()
{
    Text_Encode->hide();
    Combo_Encode->hide();
    encOpen_.close();
    // The digit editor has no cell of its own any more: emptying it (on a
    // later leave of a code whose frame 1 is empty) stores nothing.
    encRow_ = encCol_ = 0;
}

void frm_5tone::DropStaleEditors()
{
    if (encOpen_.stale())
        DropEncodeEditors();
    if (stdOpen_.stale()) {
        Combo_edit->hide();
        stdOpen_.close();
    }
}

void frm_5tone::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

void frm_5tone::TabStrip1_Click()
{
    const bool standards = TabStrip1->selectedIndex() == kStandardTab;
    Frame_Encode->setVisible(!standards);
    Frame_std->setVisible(standards);
    // The encode editors go without their text going into a cell; the
    // standards list stays as it is.
    Combo_Encode->hide();
    Text_Encode->hide();
}

// ---- Buttons ---------------------------------------------------------------

void frm_5tone::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_5tone::Command_Write_Click()
{
    // A click is no leave: the open digit editor's frame is in the image
    // already and goes out as typed.
    if (link_->refuseIfBusy())
        return;
    link_->startWrite(Text_PassWord->text());
}

void frm_5tone::Command_def_Click()
{
    if (link_->refuseIfBusy())
        return;
    // An editor left open would hold text of the settings replaced here.
    HideEditors();
    link_->setProgressValue(0);
    link_->setLabel(QString());
    link_->setProgressVisible(false);
    const RowsReplacement replacing({Area::FiveTone});
    FiveTone_Defaults();
    FiveTone_Show();
}

void frm_5tone::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // The ".dat" open dialog, brought forward when it is open already: the
    // file it loads replaces the whole image, and the window shows it at once.
    Windows::LoadForward<Form_open_chann>();
}

void frm_5tone::Command_save_Click()
{
    if (link_->refuseIfBusy())
        return;
    Windows::LoadForward<Form_save_chann>();
}

void frm_5tone::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::Busy()))
        return;
    Windows::Unload(this);
}

// ---- The standards page ----------------------------------------------------

void frm_5tone::MSF_Chann_Click()
{
    const int r = MSF_Chann->mouseRow();
    const int c = MSF_Chann->mouseCol();
    if (r >= 1)
        Combo_stxh->setListIndex(r - 1);  // shows its tones (Combo_stxh_Click)
    if (r >= 1 && c >= kFirstStdCol && c <= kLastStdCol)
        FiveTone_EditStdCell();
    if (c == kStdNameCol)
        Combo_edit->hide();
}

void frm_5tone::FiveTone_EditStdCell()
{
    // The click made the cell current.
    EditText = MSF_Chann->text();
    MSF_Chann->placeEditor(*Combo_edit);
    Combo_edit->setFocus();
    Combo_edit->clear();
    Combo_edit->addItems(FiveToneStdColumnItems(MSF_Chann->col()));
    // No item is selected, so opening stores nothing.
    Combo_edit->showText(EditText);
    stdOpen_.open(MSF_Chann->row(), MSF_Chann->col());
}

void frm_5tone::Combo_edit_Click()
{
    FiveTone_StoreStdChoice(MSF_Chann->row(), MSF_Chann->col(), Combo_edit->listIndex());
    stdOpen_.recordsEdited();
    // The cell under the list shows the choice at once: a click that opens
    // the list again shows it, and the cell never shows an older value.
    MSF_Chann->setText(Combo_edit->text());
}

void frm_5tone::MSF_Chann_LeaveCell()
{
    DropStaleEditors();
    if (!Combo_edit->isHidden())
        MSF_Chann->setText(Combo_edit->text());
    Combo_edit->hide();
    stdOpen_.close();
}

void frm_5tone::Combo_stxh_Click()
{
    EditText = Combo_stxh->text();
    FiveTone_ShowFreqs();
}

// ---- The option controls ---------------------------------------------------

void frm_5tone::Option_Click(KitList* list, int byte)
{
    FiveTone_StoreOptChoice(byte, list->listIndex());
}

void frm_5tone::Check_Decode_HJ_Click(int index)
{
    FiveTone_StoreFrameBox(FiveToneOptByte::DecodeCall, index, Check_Decode_HJ[index]->value());
}

void frm_5tone::Check_Decode_Disp_Click(int index)
{
    FiveTone_StoreFrameBox(FiveToneOptByte::DecodeDisp, index, Check_Decode_Disp[index]->value());
}

void frm_5tone::Combo_Decode_Std_KeyPress(int& key)
{
    key = 0;
}

// ---- The encode page -------------------------------------------------------

void frm_5tone::MSF_Encode_Click()
{
    if (MSF_Encode->mouseRow() == 0)
        return;  // the title row opens nothing
    FiveTone_EditEncCell();
}

void frm_5tone::FiveTone_EditEncCell()
{
    const int r = MSF_Encode->row();
    const int c = MSF_Encode->col();
    switch (FiveTone_EncEditorFor(r, c, MSF_Encode->textMatrix(r, FiveToneEncCol::Frame1))) {
    case FiveToneEncEditor::None:
        return;
    case FiveToneEncEditor::Standard:
        MSF_Encode->placeEditor(*Combo_Encode);
        Combo_Encode->setFocus();
        if (const int standard = FiveToneEncStd(r); standard >= 0)
            Combo_Encode->setListIndex(standard);  // stores it again (Combo_Encode_Click)
        else
            Combo_Encode->showText(QString());  // no standard: nothing selected, nothing stored
        encOpen_.open(r, c);
        return;
    case FiveToneEncEditor::Digits:
        MSF_Encode->placeEditor(*Text_Encode);
        Text_Encode->setFocus();
        encRow_ = r;
        encCol_ = c;
        // Opening stores nothing: a frame the radio or a file holds stays as
        // it is until the user edits it.
        openingDigits_ = true;
        Text_Encode->setText(MSF_Encode->text());
        openingDigits_ = false;
        // Open from here on: what changes its text now is the user's.
        encOpen_.open(r, c);
        return;
    }
}

void frm_5tone::Text_Encode_KeyPress(int& key)
{
    key = FiveToneEncodeKey(key, Text_Encode->text());
}

void frm_5tone::Text_Encode_Change()
{
    if (openingDigits_)
        return;
    encOpen_.touch();
    if (MSF_Encode->row() != encRow_ || MSF_Encode->col() != encCol_)
        return;
    FiveTone_StoreFrame(encRow_, encCol_, Text_Encode->text());
    encOpen_.recordsEdited();
}

void frm_5tone::Text_Encode_LostFocus()
{
    // The focus also leaves as the window unloads, when its transfer has
    // gone already: nothing is painted then.
    if (isLoaded())
        FiveTone_Show();
}

void frm_5tone::Combo_Encode_Click()
{
    FiveTone_StoreEncStd(MSF_Encode->row(), Combo_Encode->listIndex());
    encOpen_.recordsEdited();
    // As in the standards grid: the cell shows the choice at once.
    MSF_Encode->setText(Combo_Encode->text());
}

void frm_5tone::MSF_Encode_LeaveCell()
{
    if (Encode_CommitCell())
        return;
    if (encOpen_.touched()) {
        // The user is typing this frame: the current cell stays the
        // editor's own, so that what is typed next is stored.
        MSF_Encode->keepCell();
        Text_Encode->returnFocusAfterRefusal();
    } else {
        // A frame only clicked through, as the radio or a file left it: the
        // cell moves on and the editor goes, storing nothing.
        DropEncodeEditors();
    }
    ShowMessage(FiveToneText::DigitCount());
}

bool frm_5tone::Encode_CommitCell()
{
    // An editor over a code that something else replaced is dropped and
    // commits nothing: the frame it would empty holds the new code (the
    // grid shows it at the next painting).
    if (encOpen_.stale()) {
        DropEncodeEditors();
        return true;
    }
    const int r = MSF_Encode->row();
    const int c = MSF_Encode->col();
    // 1.
    if (c == FiveToneEncCol::Standard && !Combo_Encode->isHidden())
        MSF_Encode->setText(Combo_Encode->text());
    // 2.
    if (c >= FiveToneEncCol::Frame1 && c <= FiveToneEncCol::Frame3 && !Text_Encode->isHidden() && r == encRow_
        && c == encCol_) {
        switch (FiveTone_FrameLeave(Text_Encode->text())) {
        case FiveToneFrameLeave::TakeText:
            MSF_Encode->setText(Text_Encode->text());
            break;
        case FiveToneFrameLeave::KeepCell:
            break;
        case FiveToneFrameLeave::Refuse:
            return false;
        }
        Text_Encode->hide();
    }
    // 3.
    if (TrimBlanks(MSF_Encode->textMatrix(r, FiveToneEncCol::Frame1)).isEmpty())
        FiveTone_ClearEncRow(r);
    // 4.
    Combo_Encode->hide();
    Text_Encode->hide();
    encOpen_.close();
    return true;
}

void frm_5tone::FiveTone_ClearEncRow(int r)
{
    // Emptied, the digit editor stores an empty frame when its own cell is
    // current (Text_Encode_Change).
    Text_Encode->setText(QString());
    // The standard list takes no text but a choice: the empty text it is
    // given gives way to EditText at once.
    Combo_Encode->showText(EditText);
    // The row shows the code as the image now holds it: blank cells would
    // show a code erased while its frames and standard stay in the image and
    // go out with Write. Frame 1 shows five blanks, as after any painting,
    // so the code's other cells open as usual.
    FiveTone_ShowEncRow(r, FiveTone_Paint());
}
