#include "signalling/ui/frm_dtmf.h"

#include "core/box_leave.h"
#include "core/char_codes.h"
#include "core/dtmf_defaults.h"
#include "core/painting.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/dtmf_transfer.h"
#include "link/link_texts.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "platform/mdi_frame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

using namespace Dtmf;

namespace {

// Captions.
const BiText kTitle{QStringLiteral("DTMF 编解码参数编辑"), QStringLiteral("DTMF Encode/Decode ")};
const BiText kFrameEncode{QStringLiteral("DTMF 编码"), QStringLiteral("DTMF Encode")};
const BiText kEncodeNumber{QStringLiteral("编码码组"), QStringLiteral("Number")};
const BiText kEncodeCode{QStringLiteral("发送编码"), QStringLiteral(" Code ")};
const BiText kOnTime{QStringLiteral("发码持续时间（MS）"), QStringLiteral("DTMF Speed (On Time)")};
const BiText kOffTime{QStringLiteral("发码间断时间（MS）"), QStringLiteral("DTMF Speed (Off Time)")};
const BiText kFrameState{QStringLiteral("本机状态"), QStringLiteral("State")};
const BiText kRxDisable{QStringLiteral("接收禁止"), QStringLiteral("RX Disable")};
const BiText kTxDisable{QStringLiteral("发射禁止"), QStringLiteral("TX Disable")};
const BiText kFrameDecode{QStringLiteral("DTMF 解码"), QStringLiteral("DTMF Decode")};
const BiText kInspection{QStringLiteral("巡 查 码"), QStringLiteral("Inspection")};
const BiText kMonitor{QStringLiteral("监 听 码"), QStringLiteral("Monitor")};
const BiText kAlarm{QStringLiteral("报 警 码"), QStringLiteral("Alarm")};
const BiText kStun{QStringLiteral("遥 晕 码"), QStringLiteral("Stun")};
const BiText kKill{QStringLiteral("遥 毙 码"), QStringLiteral("Kill")};
const BiText kRevive{QStringLiteral("开 机 码"), QStringLiteral("Revive")};
const BiText kFrameCtrl{QStringLiteral("控制ID码及控制权限"), QStringLiteral("Control ID code and control right")};
// The rights headings, two lines of words spaced out over the five columns:
// in English the lines take turns, in Chinese the lower line holds all five.
const BiText kRightsUpper{QString(), QStringLiteral("      Inspection             Stun                 Revive ")};
const BiText kRightsLower{QStringLiteral("巡查      监听     遥晕     遥毙      开机 "),
                          QStringLiteral("              Monitor                Kill")};
const BiText kCtrlEnable{QStringLiteral("接受主副ID控制"),
                         QStringLiteral("Function Control by master and vice ID code")};
const BiText kMasterId{QStringLiteral("主控ID码"), QStringLiteral("Master Control ID")};
const BiText kViceId{QStringLiteral("副控ID码"), QStringLiteral("Vice Control ID")};
const BiText kGroupCode{QStringLiteral("群呼码"), QStringLiteral("Group Code")};
const BiText kSpaceCode{QStringLiteral("码组间隔码"), QStringLiteral("Space Code")};
const BiText kResetTime{QStringLiteral("复位时间(ms)"), QStringLiteral("Reset Time(ms)")};
const BiText kProcDelay{QStringLiteral("收码结束延迟处理时间(ms)"), QStringLiteral("Delay processing time (ms)")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kDefault{QStringLiteral("默 认"), QStringLiteral("Default")};
const BiText kSave{QStringLiteral("保  存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打  开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关  闭"), QStringLiteral("Close")};
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};

// The window's size as shares of the main window.
constexpr double kWidthDivisor = 1.4;
constexpr double kHeightDivisor = 1.55;
constexpr int kFullBar = 100;
constexpr int kPasswordBoxChars = 10;

template <class T, std::size_t N, class Make> std::array<T*, N> MakeArray(Make make)
{
    std::array<T*, N> controls{};
    for (T*& control : controls)
        control = make();
    return controls;
}

// The words of the two heading lines, column by column: ordered by where they
// stand in their line, the words of both lines name the columns from left to
// right. A line has an empty heading over a column its words leave out.
struct RightsHeadings {
    std::array<QString, kRights> upper;
    std::array<QString, kRights> lower;
};

RightsHeadings SplitRightsHeadings(const QString& upper, const QString& lower)
{
    struct Word {
        double centre;
        bool upper;
        QString text;
    };
    std::vector<Word> words;
    const auto collect = [&words](const QString& line, bool isUpper) {
        static const QRegularExpression kWord(QStringLiteral("\\S+"));
        for (QRegularExpressionMatchIterator it = kWord.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            words.push_back({match.capturedStart() + match.capturedLength() / 2.0, isUpper, match.captured()});
        }
    };
    collect(upper, true);
    collect(lower, false);
    std::stable_sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.centre < b.centre; });
    RightsHeadings headings;
    for (std::size_t i = 0; i < words.size() && i < static_cast<std::size_t>(kRights); ++i)
        (words[i].upper ? headings.upper : headings.lower)[i] = words[i].text;
    return headings;
}

QLabel* NewLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

frm_dtmf::frm_dtmf()
    : Window(WindowKind::Child),
      Frame_Encode(new QGroupBox(this)),
      Label_encode_xh(NewLabel(this)),
      Label_tx_encode(NewLabel(this)),
      Label_xh(MakeArray<QLabel, kEncodeCodes>([this] { return NewLabel(this); })),
      Text_tx_Encode(MakeArray<KitText, kEncodeCodes>([this] { return new KitText(this); })),
      Label_dtmf_ontime(NewLabel(this)),
      Combo_Enc_ys1(new KitList(KitList::Style::ChooseOnly, this)),
      Label_dtmf_offtime(NewLabel(this)),
      Combo_Enc_ys2(new KitList(KitList::Style::ChooseOnly, this)),
      Frame_State(new QGroupBox(this)),
      Check_RX(new KitCheck(this)),
      Check_Tx(new KitCheck(this)),
      Frame_Decode(new QGroupBox(this)),
      Frame_Ctrl(new QGroupBox(this)),
      Check_Ctrl_En(new KitCheck(this)),
      Label_xcjtyyybkj_2(MakeArray<QLabel, kRights>([this] { return NewLabel(this); })),
      Label_xcjtyyybkj_1(MakeArray<QLabel, kRights>([this] { return NewLabel(this); })),
      Label_PID(NewLabel(this)),
      Text_MID(new KitText(this)),
      Check_M(MakeArray<KitCheck, kRights>([this] { return new KitCheck(this); })),
      Label_SID(NewLabel(this)),
      Text_SID(new KitText(this)),
      Check_S(MakeArray<KitCheck, kRights>([this] { return new KitCheck(this); })),
      Frame_jm(new QGroupBox(this)),
      Label_xc(NewLabel(this)),
      Text_XC(new KitText(this)),
      Label_jt(NewLabel(this)),
      Text_JT(new KitText(this)),
      Label_bj(NewLabel(this)),
      Text_BJ(new KitText(this)),
      Label_yy(NewLabel(this)),
      Text_YY(new KitText(this)),
      Label_yb(NewLabel(this)),
      Text_YB(new KitText(this)),
      Label_kj(NewLabel(this)),
      Text_KJ(new KitText(this)),
      Label_Group_code(NewLabel(this)),
      Combo_Dec_qh(new KitList(KitList::Style::ChooseOnly, this)),
      Label_Reset_Time(NewLabel(this)),
      Combo_Dec_Res_Time(new KitList(KitList::Style::ChooseOnly, this)),
      Label_Dec_Space_Code(NewLabel(this)),
      Combo_Dec_Space_Code(new KitList(KitList::Style::ChooseOnly, this)),
      Label_Rece_End_ProcDelay(NewLabel(this)),
      Combo_Dec_Proc_Ys(new KitList(KitList::Style::ChooseOnly, this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(NewLabel(this)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_open(new KitButton(this)),
      Command_close(new KitButton(this)),
      Label_PassWord(NewLabel(this)),
      Text_PassWord(new KitText(this))
{
    setObjectName(QStringLiteral("frm_dtmf"));

    // Each label that names a box is its buddy.
    for (int i = 0; i < kEncodeCodes; ++i)
        Label_xh[i]->setBuddy(Text_tx_Encode[i]);
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {Label_dtmf_ontime, Combo_Enc_ys1},
        {Label_dtmf_offtime, Combo_Enc_ys2},
        {Label_PID, Text_MID},
        {Label_SID, Text_SID},
        {Label_xc, Text_XC},
        {Label_jt, Text_JT},
        {Label_bj, Text_BJ},
        {Label_yy, Text_YY},
        {Label_yb, Text_YB},
        {Label_kj, Text_KJ},
        {Label_Group_code, Combo_Dec_qh},
        {Label_Reset_Time, Combo_Dec_Res_Time},
        {Label_Dec_Space_Code, Combo_Dec_Space_Code},
        {Label_Rece_End_ProcDelay, Combo_Dec_Proc_Ys},
        {Label_PassWord, Text_PassWord},
    };
    for (const auto& [label, box] : buddies)
        label->setBuddy(box);
    Label_PID->setAlignment(Qt::AlignCenter);
    Label_SID->setAlignment(Qt::AlignCenter);
    ProgressBar1->setRange(0, kFullBar);

    // Frame_Encode: the fifteen codes, and to their right the speeds over
    // the state frame.
    auto* codes = new QGridLayout;
    codes->setVerticalSpacing(1);
    codes->addWidget(Label_encode_xh, 0, 0);
    codes->addWidget(Label_tx_encode, 0, 1);
    for (int i = 0; i < kEncodeCodes; ++i) {
        Label_xh[i]->setAlignment(Qt::AlignCenter);
        codes->addWidget(Label_xh[i], i + 1, 0);
        codes->addWidget(Text_tx_Encode[i], i + 1, 1);
    }
    auto* state = new QVBoxLayout(Frame_State);
    state->addWidget(Check_RX);
    state->addWidget(Check_Tx);
    auto* speeds = new QVBoxLayout;
    speeds->addWidget(Label_dtmf_ontime);
    speeds->addWidget(Combo_Enc_ys1);
    speeds->addWidget(Label_dtmf_offtime);
    speeds->addWidget(Combo_Enc_ys2);
    speeds->addSpacing(12);
    speeds->addWidget(Frame_State);
    speeds->addStretch();
    auto* encode = new QHBoxLayout(Frame_Encode);
    encode->addLayout(codes, 3);
    encode->addLayout(speeds, 2);

    // Frame_Ctrl: the rights headings, each over its column of rights boxes.
    auto* ctrl = new QGridLayout(Frame_Ctrl);
    ctrl->setVerticalSpacing(2);
    ctrl->addWidget(Check_Ctrl_En, 1, 0, 1, 2);
    for (int i = 0; i < kRights; ++i) {
        ctrl->addWidget(Label_xcjtyyybkj_2[i], 0, 2 + i, Qt::AlignHCenter);
        ctrl->addWidget(Label_xcjtyyybkj_1[i], 1, 2 + i, Qt::AlignHCenter);
    }
    ctrl->addWidget(Label_PID, 2, 0);
    ctrl->addWidget(Text_MID, 2, 1);
    ctrl->addWidget(Label_SID, 3, 0);
    ctrl->addWidget(Text_SID, 3, 1);
    for (int i = 0; i < kRights; ++i) {
        ctrl->addWidget(Check_M[i], 2, 2 + i, Qt::AlignCenter);
        ctrl->addWidget(Check_S[i], 3, 2 + i, Qt::AlignCenter);
        ctrl->setColumnStretch(2 + i, 1);
    }
    // Frame_jm: the function codes in three rows of two.
    auto* functions = new QGridLayout(Frame_jm);
    functions->setVerticalSpacing(2);
    const std::pair<QLabel*, KitText*> codeRows[] = {{Label_xc, Text_XC}, {Label_jt, Text_JT}, {Label_bj, Text_BJ},
                                                     {Label_yy, Text_YY}, {Label_yb, Text_YB}, {Label_kj, Text_KJ}};
    for (int k = 0; k < 6; ++k) {
        functions->addWidget(codeRows[k].first, k / 2, 2 * (k % 2));
        functions->addWidget(codeRows[k].second, k / 2, 2 * (k % 2) + 1);
    }
    auto* lists = new QGridLayout;
    lists->addWidget(Label_Group_code, 0, 0);
    lists->addWidget(Combo_Dec_qh, 0, 1);
    lists->addWidget(Label_Reset_Time, 0, 2);
    lists->addWidget(Combo_Dec_Res_Time, 0, 3);
    lists->addWidget(Label_Dec_Space_Code, 1, 0);
    lists->addWidget(Combo_Dec_Space_Code, 1, 1);
    lists->addWidget(Label_Rece_End_ProcDelay, 1, 2);
    lists->addWidget(Combo_Dec_Proc_Ys, 1, 3);
    auto* decode = new QVBoxLayout(Frame_Decode);
    decode->addWidget(Frame_Ctrl);
    decode->addWidget(Frame_jm);
    decode->addStretch();
    decode->addLayout(lists);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame_Encode);
    frames->addWidget(Frame_Decode, 1);
    auto* progress = new QHBoxLayout;
    progress->addWidget(ProgressBar1, 1);
    progress->addWidget(Label_tr_count, 1);
    auto* buttons = new QHBoxLayout;
    for (KitButton* button : {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    buttons->addSpacing(12);
    buttons->addWidget(Label_PassWord);
    buttons->addWidget(Text_PassWord);
    buttons->addStretch();
    Text_PassWord->setMaximumWidth(Text_PassWord->fontMetrics().averageCharWidth() * kPasswordBoxChars);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(progress);
    layout->addLayout(buttons);

    // Handlers.
    for (int i = 0; i < kEncodeCodes; ++i)
        SetUpCodeBox(Text_tx_Encode[i], [this, i] { return EncodeRow(EncBaseHi, i); });
    for (const auto& [box, code] : DecodeBoxes())
        SetUpCodeBox(box, [this, code = code] { return CodeRow(CodeBaseHi, code); });

    Check_Ctrl_En->onClick = [this] { Check_Ctrl_En_Click(); };
    for (int i = 0; i < kRights; ++i) {
        Check_M[i]->onClick = [this, i] { Check_M_Click(i); };
        Check_S[i]->onClick = [this, i] { Check_S_Click(i); };
    }
    Check_RX->onClick = [this] { Check_RX_Click(); };
    Check_Tx->onClick = [this] { Check_Tx_Click(); };

    Combo_Enc_ys1->onClick = [this] { Combo_Enc_ys1_Click(); };
    Combo_Enc_ys2->onClick = [this] { Combo_Enc_ys2_Click(); };
    Combo_Dec_qh->onClick = [this] { Combo_Dec_qh_Click(); };
    Combo_Dec_Space_Code->onClick = [this] { Combo_Dec_Space_Code_Click(); };
    Combo_Dec_Proc_Ys->onClick = [this] { Combo_Dec_Proc_Ys_Click(); };
    Combo_Dec_Res_Time->onClick = [this] { Combo_Dec_Res_Time_Click(); };
    for (KitList* list : Lists())
        list->onKeyPress = [](int& key) { Combo_KeyPress(key); };

    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };

    Text_PassWord->setText(kPresetPassword);
    SetUpPasswordBox(*Text_PassWord);
}

std::array<std::pair<KitText*, Code>, 8> frm_dtmf::DecodeBoxes() const
{
    return {{{Text_XC, Code::Inspection},
             {Text_JT, Code::Monitor},
             {Text_BJ, Code::Alarm},
             {Text_YY, Code::Stun},
             {Text_YB, Code::Kill},
             {Text_KJ, Code::Revive},
             {Text_MID, Code::MasterId},
             {Text_SID, Code::ViceId}}};
}

std::array<KitList*, 6> frm_dtmf::Lists() const
{
    return {Combo_Enc_ys1, Combo_Enc_ys2, Combo_Dec_qh, Combo_Dec_Space_Code, Combo_Dec_Proc_Ys, Combo_Dec_Res_Time};
}

bool frm_dtmf::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_dtmf::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_dtmf::Form_Load()
{
    // 1.
    EncBaseHi = Dtmf::EncBaseHi;
    CodeBaseHi = Dtmf::CodeBaseHi;

    // 2, 3. Sized from the main window and centred in its client area.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    // 4.
    Show();
    Frame_Encode->setVisible(true);

    // 5.
    setWindowTitle(kTitle.text());
    Frame_Encode->setTitle(kFrameEncode.text());
    Label_encode_xh->setText(kEncodeNumber.text());
    Label_tx_encode->setText(kEncodeCode.text());
    Label_dtmf_ontime->setText(kOnTime.text());
    Label_dtmf_offtime->setText(kOffTime.text());
    Frame_State->setTitle(kFrameState.text());
    Check_RX->setCaption(kRxDisable.text());
    Check_Tx->setCaption(kTxDisable.text());
    Frame_Decode->setTitle(kFrameDecode.text());
    Label_xc->setText(kInspection.text());
    Label_jt->setText(kMonitor.text());
    Label_bj->setText(kAlarm.text());
    Label_yy->setText(kStun.text());
    Label_yb->setText(kKill.text());
    Label_kj->setText(kRevive.text());
    Frame_Ctrl->setTitle(kFrameCtrl.text());
    const RightsHeadings headings = SplitRightsHeadings(kRightsUpper.text(), kRightsLower.text());
    for (int i = 0; i < kRights; ++i) {
        Label_xcjtyyybkj_2[i]->setText(headings.upper[static_cast<std::size_t>(i)]);
        Label_xcjtyyybkj_1[i]->setText(headings.lower[static_cast<std::size_t>(i)]);
    }
    Check_Ctrl_En->setCaption(kCtrlEnable.text());
    Label_PID->setText(kMasterId.text());
    Label_SID->setText(kViceId.text());
    Label_Group_code->setText(kGroupCode.text());
    Label_Dec_Space_Code->setText(kSpaceCode.text());
    Label_Reset_Time->setText(kResetTime.text());
    Label_Rece_End_ProcDelay->setText(kProcDelay.text());
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_def->setCaption(kDefault.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    Label_PassWord->setText(kPassWord.text());

    // 6. A fresh transfer: timers off, not busy, the bar hidden.
    link_ = &own(std::make_unique<TransferEngine>(DtmfTransferParams([this] { Dtmf_Show(); })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };
    ShowLinkDisplay();

    // 7, 8.
    Dtmf_InitControls();
    showsRows({Area::Dtmf}, [this] { Dtmf_Show(); });
    Dtmf_Show();
}

void frm_dtmf::Form_Activate()
{
    Dtmf_Show();
}

void frm_dtmf::Form_Unload()
{
    UnloadLink(link_);
}

void frm_dtmf::Dtmf_InitControls()
{
    for (KitList* list : Lists())
        list->clear();
    // The two speed lists in one pass.
    for (const QString& item : SpeedItems()) {
        Combo_Enc_ys1->addItem(item);
        Combo_Enc_ys2->addItem(item);
    }
    Combo_Dec_qh->addItems(DigitItems());
    Combo_Dec_Space_Code->addItems(DigitItems());
    Combo_Dec_Proc_Ys->addItems(DelayItems());
    Combo_Dec_Res_Time->addItems(ResetTimeItems());
    for (int i = 0; i < kEncodeCodes; ++i)
        Label_xh[i]->setText(QString::number(i + 1));
}

void frm_dtmf::Dtmf_Show()
{
    // Every control set here runs its own handler when its value changes;
    // none of them stores while the window paints (core/painting.h).
    const Painting painting;
    const MemoryImage& image = Edata;

    // 1. Encode codes.
    for (int i = 0; i < kEncodeCodes; ++i)
        Text_tx_Encode[i]->setText(CodeText(image, EncodeRow(EncBaseHi, i)));

    // 2. Speeds.
    const int speedRow = SpeedRow(EncBaseHi);
    Combo_Enc_ys1->setListIndex(ListItemOf(image(speedRow, Speed::OnTimeIndex), Combo_Enc_ys1->listCount()));
    Combo_Enc_ys2->setListIndex(ListItemOf(image(speedRow, Speed::OffTimeIndex), Combo_Enc_ys2->listCount()));

    // 3. Function codes and IDs.
    for (const auto& [box, code] : DecodeBoxes())
        box->setText(CodeText(image, CodeRow(CodeBaseHi, code)));

    // 4. The control row.
    const int ctrlRow = CtrlRow(CodeBaseHi);
    Check_Ctrl_En->setValue(image(ctrlRow, Ctrl::CtrlById) != 0 ? 1 : 0);
    for (const auto& [boxes, col] : {std::pair{&Check_M, Ctrl::MasterRights}, std::pair{&Check_S, Ctrl::ViceRights}}) {
        const int rights = image(ctrlRow, col);
        for (KitCheck* box : *boxes)
            box->setValue(0);
        for (int i = 0; i < kRights; ++i) {
            if ((rights & RightMask(i)) != 0)
                (*boxes)[i]->setValue(1);
        }
    }
    const int inhibit = image(ctrlRow, Ctrl::InhibitBits);
    Check_RX->setValue((inhibit & kRxInhibitMask) != 0 ? 1 : 0);
    Check_Tx->setValue((inhibit & kTxInhibitMask) != 0 ? 1 : 0);
    // The digit lists show the digit, an item or not, and store nothing.
    Combo_Dec_qh->showText(DtmfCodeToChar(image(ctrlRow, Ctrl::GroupDigit)));
    Combo_Dec_Space_Code->showText(DtmfCodeToChar(image(ctrlRow, Ctrl::SeparatorDigit)));
    Combo_Dec_Proc_Ys->setListIndex(
        ListItemOf(image(ctrlRow, Ctrl::DecodeEndDelayIndex), Combo_Dec_Proc_Ys->listCount()));
    Combo_Dec_Res_Time->setListIndex(ListItemOf(image(ctrlRow, Ctrl::ResetTimeIndex), Combo_Dec_Res_Time->listCount()));

    // 5.
    EnableIdControls(Check_Ctrl_En->value() == 1);
    rowsPainted();
}

void frm_dtmf::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

// ---- Buttons ---------------------------------------------------------------

void frm_dtmf::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_dtmf::Command_Write_Click()
{
    link_->startWrite(Text_PassWord->text());
}

void frm_dtmf::Command_def_Click()
{
    if (link_->refuseIfBusy())
        return;
    // What the bar and the label said of the last transfer no longer holds.
    link_->setProgressVisible(false);
    link_->setProgressValue(0);
    link_->setLabel(QString());
    const RowsReplacement replacing({Area::Dtmf});
    Dtmf_Defaults();
    Dtmf_Show();
}

void frm_dtmf::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // The ".dat" open dialog, brought forward when it is open already: the
    // file it loads replaces the whole image, and the window shows it at once.
    Windows::LoadForward<Form_open_chann>();
}

void frm_dtmf::Command_save_Click()
{
    if (link_->refuseIfBusy())
        return;
    Windows::LoadForward<Form_save_chann>();
}

void frm_dtmf::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::Busy()))
        return;
    Windows::Unload(this);
}

// ---- Code boxes ------------------------------------------------------------

void frm_dtmf::SetUpCodeBox(KitText* box, std::function<int()> row)
{
    box->setFitText(kCodeDigits, DtmfDigitChars());
    box->onKeyPress = [this, box](int& key) { Code_KeyPress(box, key); };
    box->onChange = [this, box, row] { Code_Change(box, row()); };
    box->onLostFocus = [this, box, row = std::move(row)] { Code_LostFocus(box, row()); };
}

void frm_dtmf::Code_KeyPress(const KitText* box, int& key)
{
    key = CodeKey(key, box->text());
}

void frm_dtmf::Code_Change(KitText* box, int row)
{
    // The painting shows the code closed up; the bytes stay as they are.
    if (Painting::underWay())
        return;
    // A pasted text longer than a code keeps its first 16 characters, so the
    // box never shows a digit its row does not hold.
    const QString kept = CodeBoxText(box->text());
    if (kept != box->text()) {
        box->setText(kept);  // runs this handler again with the kept text
        return;
    }
    StoreCode(kept, row);
}

void frm_dtmf::Code_LostFocus(KitText* box, int row)
{
    // What was typed is closed up as the box is left: a hole or a character
    // of no digit goes (the change handler stores the text shown). A box
    // that shows its row as the painting shows it stores nothing.
    const QString held = CodeText(Edata, row);
    if (!BoxShowsHeld(box->text(), held))
        box->setText(held);
    Dtmf_Show();
}

// ---- Check boxes -----------------------------------------------------------

void frm_dtmf::EnableIdControls(bool enabled)
{
    Text_MID->setEnabled(enabled);
    for (KitCheck* box : Check_M)
        box->setEnabled(enabled);
    Text_SID->setEnabled(enabled);
    for (KitCheck* box : Check_S)
        box->setEnabled(enabled);
}

// A painting ticks the boxes of the bits set and clears the others: the
// bytes stay as they are (a control byte of 0xFF shows ticked and is kept).

void frm_dtmf::Check_Ctrl_En_Click()
{
    const bool ticked = Check_Ctrl_En->value() == 1;
    EnableIdControls(ticked);
    if (!Painting::underWay())
        Edata(CtrlRow(CodeBaseHi), Ctrl::CtrlById) = ticked ? 1 : 0;
}

void frm_dtmf::Check_M_Click(int Index)
{
    if (!Painting::underWay())
        StoreBits(Check_M[Index]->value() == 1, RightMask(Index), CtrlRow(CodeBaseHi), Ctrl::MasterRights);
}

void frm_dtmf::Check_S_Click(int Index)
{
    if (!Painting::underWay())
        StoreBits(Check_S[Index]->value() == 1, RightMask(Index), CtrlRow(CodeBaseHi), Ctrl::ViceRights);
}

void frm_dtmf::Check_RX_Click()
{
    if (!Painting::underWay())
        StoreBits(Check_RX->value() == 1, kRxInhibitMask, CtrlRow(CodeBaseHi), Ctrl::InhibitBits);
}

void frm_dtmf::Check_Tx_Click()
{
    if (!Painting::underWay())
        StoreBits(Check_Tx->value() == 1, kTxInhibitMask, CtrlRow(CodeBaseHi), Ctrl::InhibitBits);
}

// ---- Lists -----------------------------------------------------------------

void frm_dtmf::Combo_Enc_ys1_Click()
{
    Edata(SpeedRow(EncBaseHi), Speed::OnTimeIndex) = static_cast<std::int16_t>(Combo_Enc_ys1->listIndex());
}

void frm_dtmf::Combo_Enc_ys2_Click()
{
    Edata(SpeedRow(EncBaseHi), Speed::OffTimeIndex) = static_cast<std::int16_t>(Combo_Enc_ys2->listIndex());
}

void frm_dtmf::Combo_Dec_qh_Click()
{
    Edata(CtrlRow(CodeBaseHi), Ctrl::GroupDigit) = static_cast<std::int16_t>(DtmfCharToCode(Combo_Dec_qh->text()));
}

void frm_dtmf::Combo_Dec_Space_Code_Click()
{
    Edata(CtrlRow(CodeBaseHi), Ctrl::SeparatorDigit) =
        static_cast<std::int16_t>(DtmfCharToCode(Combo_Dec_Space_Code->text()));
}

void frm_dtmf::Combo_Dec_Proc_Ys_Click()
{
    Edata(CtrlRow(CodeBaseHi), Ctrl::DecodeEndDelayIndex) = static_cast<std::int16_t>(Combo_Dec_Proc_Ys->listIndex());
}

void frm_dtmf::Combo_Dec_Res_Time_Click()
{
    Edata(CtrlRow(CodeBaseHi), Ctrl::ResetTimeIndex) = static_cast<std::int16_t>(Combo_Dec_Res_Time->listIndex());
}

void frm_dtmf::Combo_KeyPress(int& key)
{
    key = 0;
}
