#include "options/ui/frm_option.h"

#include "core/box_leave.h"
#include "core/char_codes.h"
#include "core/option_defaults.h"
#include "core/painting.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "core/ui/hand_over_dialogs.h"
#include "link/link_texts.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "options/opt_codes.h"
#include "options/opt_link.h"
#include "options/opt_settings.h"
#include "options/ui/vfo_frame.h"
#include "platform/mdi_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <type_traits>

namespace {

const BiText kTitle{QStringLiteral("可选参数编辑"), QStringLiteral("Optional Features")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kDefault{QStringLiteral("默 认"), QStringLiteral("Default")};
const BiText kSave{QStringLiteral("保  存"), QStringLiteral("Save")};
const BiText kOpen{QStringLiteral("打  开"), QStringLiteral("Open")};
const BiText kClose{QStringLiteral("关  闭"), QStringLiteral("Close")};
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};

// The window's size as shares of the main window.
constexpr double kWidthDivisor = 1.48;
constexpr double kHeightDivisor = 1.16;
constexpr int kFullBar = 100;
// Label and control pairs side by side in the settings grid: the settings,
// then the text fields (the message lines, the ANI and the two PTT-ID codes).
constexpr int kSettingColumns = 3;
constexpr int kTextFields = 4;
// A code box holds a code of up to a row's 16 digits.
constexpr int kCodeChars = kRowBytes;

}  // namespace

frm_option::frm_option()
    : Window(WindowKind::Child),
      Label_Ponmsg_Txt(new QLabel(this)),
      Text_PON_MSG_U(new KitText(this)),
      Text_PON_MSG_D(new KitText(this)),
      Label_ANI(new QLabel(this)),
      Text_ANI(new KitText(this)),
      Label_Send_Begin(new QLabel(this)),
      Text_PttId_Begin(new KitText(this)),
      Label_Send_End(new QLabel(this)),
      Text_PttId_End(new KitText(this)),
      Frame_A(new VfoFrame(
          VfoFrame::Which::A, [this] { Opt_Show(); }, this)),
      Frame_B(new VfoFrame(
          VfoFrame::Which::B, [this] { Opt_Show(); }, this)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_open(new KitButton(this)),
      Command_save(new KitButton(this)),
      Command_close(new KitButton(this)),
      Label_PassWord(new QLabel(this)),
      Text_PassWord(new KitText(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this))
{
    setObjectName(QStringLiteral("frm_option"));

    // The settings and then the text fields, label beside control, in
    // address order down each column.
    auto* settingsGrid = new QGridLayout;
    const int rows = (static_cast<int>(OptSettings().size()) + kTextFields + kSettingColumns - 1) / kSettingColumns;
    int position = 0;
    const auto addPair = [settingsGrid, rows, &position](QLabel* label, auto* control) {
        const int row = position % rows;
        const int col = 2 * (position / rows);
        settingsGrid->addWidget(label, row, col);
        if constexpr (std::is_base_of_v<QLayout, std::remove_pointer_t<decltype(control)>>)
            settingsGrid->addLayout(control, row, col + 1);
        else
            settingsGrid->addWidget(control, row, col + 1);
        ++position;
    };
    for (const OptSetting& setting : OptSettings()) {
        auto* label = new QLabel(this);
        auto* list = new KitList(KitList::Style::ChooseOnly, this);
        label->setObjectName(setting.label);
        list->setObjectName(setting.list);
        label->setBuddy(list);
        addPair(label, list);
        settings_.push_back({&setting, label, list});
    }

    // A message line takes a seventh character before its key filter stops it.
    for (KitText* box : {Text_PON_MSG_U, Text_PON_MSG_D})
        box->setFitText(kPonMsgLineLength + 1, MsgChars());
    for (KitText* box : {Text_ANI, Text_PttId_Begin, Text_PttId_End})
        box->setFitText(kCodeChars, DtmfDigitChars());
    Label_Ponmsg_Txt->setBuddy(Text_PON_MSG_U);
    Text_PON_MSG_D->setCaptionLabel(Label_Ponmsg_Txt);  // one caption over both lines
    Label_ANI->setBuddy(Text_ANI);
    Label_Send_Begin->setBuddy(Text_PttId_Begin);
    Label_Send_End->setBuddy(Text_PttId_End);
    auto* message = new QHBoxLayout;
    message->addWidget(Text_PON_MSG_U);
    message->addWidget(Text_PON_MSG_D);
    addPair(Label_Ponmsg_Txt, message);
    addPair(Label_ANI, Text_ANI);
    addPair(Label_Send_Begin, Text_PttId_Begin);
    addPair(Label_Send_End, Text_PttId_End);
    for (int c = 0; c < kSettingColumns; ++c)
        settingsGrid->setColumnStretch(2 * c + 1, 1);

    auto* vfos = new QHBoxLayout;
    vfos->addWidget(Frame_A);
    vfos->addWidget(Frame_B);

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
    auto* buttons = new QHBoxLayout;
    for (KitButton* button : {Command_def, Command_open, Command_save, Command_close})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settingsGrid);
    layout->addLayout(vfos);
    layout->addStretch();
    layout->addLayout(link);
    layout->addLayout(buttons);

    for (const SettingControls& controls : settings_) {
        controls.list->onClick = [this, &controls] { Combo_Setting_Click(controls); };
        controls.list->onKeyPress = [](int& key) { key = 0; };
    }
    Text_PON_MSG_U->onChange = [this] { Text_PON_MSG_Change(PonLine::Upper, Text_PON_MSG_U); };
    Text_PON_MSG_D->onChange = [this] { Text_PON_MSG_Change(PonLine::Lower, Text_PON_MSG_D); };
    Text_PON_MSG_U->onKeyPress = [this](int& key) { Text_PON_MSG_KeyPress(Text_PON_MSG_U, key); };
    Text_PON_MSG_D->onKeyPress = [this](int& key) { Text_PON_MSG_KeyPress(Text_PON_MSG_D, key); };
    Text_PON_MSG_U->onLostFocus = [this] { Text_PON_MSG_LostFocus(PonLine::Upper, Text_PON_MSG_U); };
    Text_PON_MSG_D->onLostFocus = [this] { Text_PON_MSG_LostFocus(PonLine::Lower, Text_PON_MSG_D); };
    Text_ANI->onChange = [this] { Text_Code_Change(kAniRow, Text_ANI); };
    Text_PttId_Begin->onChange = [this] { Text_Code_Change(kPttIdBeginRow, Text_PttId_Begin); };
    Text_PttId_End->onChange = [this] { Text_Code_Change(kPttIdEndRow, Text_PttId_End); };
    for (KitText* box : {Text_ANI, Text_PttId_Begin, Text_PttId_End})
        box->onKeyPress = [this, box](int& key) { Text_Code_KeyPress(box, key); };
    Text_ANI->onLostFocus = [this] { Text_ANI_LostFocus(); };
    Text_PttId_Begin->onLostFocus = [this] { Text_Code_LostFocus(kPttIdBeginRow, Text_PttId_Begin); };
    Text_PttId_End->onLostFocus = [this] { Text_Code_LostFocus(kPttIdEndRow, Text_PttId_End); };
    SetUpPasswordBox(*Text_PassWord);
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_open->onClick = [this] { Command_open_Click(); };
    Command_save->onClick = [this] { Command_save_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
}

KitList* frm_option::settingList(int index) const
{
    for (const SettingControls& controls : settings_) {
        if (controls.setting->index == index)
            return controls.list;
    }
    return nullptr;
}

QLabel* frm_option::settingLabel(int index) const
{
    for (const SettingControls& controls : settings_) {
        if (controls.setting->index == index)
            return controls.label;
    }
    return nullptr;
}

bool frm_option::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_option::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

void frm_option::Form_Load()
{
    // 1. Captions: the window and the buttons, the setting and text labels,
    // then each frame with its labels.
    setWindowTitle(kTitle.text());
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_def->setCaption(kDefault.text());
    Command_save->setCaption(kSave.text());
    Command_open->setCaption(kOpen.text());
    Command_close->setCaption(kClose.text());
    Label_PassWord->setText(kPassWord.text());
    for (const SettingControls& controls : settings_)
        controls.label->setText(controls.setting->caption.text());
    Label_Ponmsg_Txt->setText(OptCodeText::PonMsgLabel.text());
    Label_ANI->setText(OptCodeText::AniLabel.text());
    Label_Send_Begin->setText(OptCodeText::SendBeginLabel.text());
    Label_Send_End->setText(OptCodeText::SendEndLabel.text());
    Frame_A->setCaptions();
    Frame_B->setCaptions();

    // 2, 3. Sized and centred from the main window, then shown.
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();

    // 4. A fresh transfer: timers off, not busy.
    link_ = &own(std::make_unique<TransferEngine>(OptTransferParams([this] { Opt_ShowImage(); })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };

    // 5, 6.
    Opt_InitControls();
    showsRows({Area::Opt}, [this] { Opt_ShowImage(); });
    Opt_ShowImage();

    // 7. The bar hidden; the label keeps its empty text.
    link_->setProgressVisible(false);
    ShowLinkDisplay();
}

void frm_option::Form_Activate()
{
    Opt_Show();
}

void frm_option::Form_Unload()
{
    // The focus leaving a box of the closing window checks and shows nothing.
    for (KitText* box : {Text_PON_MSG_U, Text_PON_MSG_D, Text_ANI, Text_PttId_Begin, Text_PttId_End, Frame_A->Text_Freq,
                         Frame_B->Text_Freq})
        box->onLostFocus = nullptr;
    UnloadLink(link_);
}

void frm_option::Opt_InitControls()
{
    Frame_A->fillLists();
    Frame_B->fillLists();
    for (const SettingControls& controls : settings_) {
        controls.list->clear();
        controls.list->addItems(controls.setting->items());
    }
}

void frm_option::Opt_Show()
{
    const Painting painting;
    // 1.
    Opt_LoadMirror();
    // 2. A byte past the end of its list shows no item.
    for (const SettingControls& controls : settings_)
        controls.list->setListIndex(ListItemOf(OptData[controls.setting->index], controls.list->listCount()));
    // 3.
    Text_PON_MSG_U->setText(PonMsg_Text(PonLine::Upper));
    Text_PON_MSG_D->setText(PonMsg_Text(PonLine::Lower));
    // 4.
    ShowCode(Text_ANI, OptIdx_Ani);
    ShowCode(Text_PttId_Begin, OptIdx_PttId_Begin);
    ShowCode(Text_PttId_End, OptIdx_PttId_End);
    // 5, 6.
    Frame_A->Vfo_Show();
    Frame_B->Vfo_Show();
    rowsPainted();
}

void frm_option::Opt_ShowImage()
{
    Opt_Show();
    aniPainted_ = Text_ANI->text();
}

void frm_option::ShowCode(KitText* box, int firstEntry)
{
    box->setText(QString());
    for (int i = 0; i < kOptCodeBytes; ++i)
        box->setText(box->text() + DtmfCodeToChar(OptData[firstEntry + i]));
}

void frm_option::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

// ---- Buttons ---------------------------------------------------------------

void frm_option::Command_def_Click()
{
    if (link_->refuseIfBusy())
        return;
    link_->setProgressVisible(false);
    link_->setProgressValue(0);
    link_->setLabel(QString());
    const RowsReplacement replacing({Area::Opt});
    Option_Defaults();
    Opt_ShowImage();
}

void frm_option::Command_open_Click()
{
    if (link_->refuseIfBusy())
        return;
    // The ".dat" open dialog, brought forward when it is open already: the
    // file it loads replaces the whole image, and the window shows it at once.
    Windows::LoadForward<Form_open_chann>();
}

void frm_option::Command_save_Click()
{
    if (link_->refuseIfBusy())
        return;
    Windows::LoadFresh<Form_save_chann>();
}

void frm_option::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::UnloadWhileBusy()))
        return;
    Windows::Unload(this);
    Windows::Unload<Form_open_menu>();
    Windows::Unload<Form_save_menu>();
}

void frm_option::Command_read_Click()
{
    link_->startRead(Text_PassWord->text());
}

void frm_option::Command_Write_Click()
{
    link_->startWrite(Text_PassWord->text());
}

// ---- Settings and text boxes -------------------------------------------------

void frm_option::Combo_Setting_Click(const SettingControls& controls)
{
    Opt_StoreSetting(controls.setting->index, controls.list->listIndex());
}

void frm_option::Text_PON_MSG_Change(PonLine line, const KitText* box)
{
    // The painting shows the line closed up; the bytes stay as they are.
    if (Painting::underWay())
        return;
    PonMsg_Store(line, box->text());
}

void frm_option::Text_PON_MSG_KeyPress(const KitText* box, int& key)
{
    if (PonMsg_KeyRefused(box->text()))
        key = 0;
}

void frm_option::Text_PON_MSG_LostFocus(PonLine line, KitText* box)
{
    // What was typed is closed up and centred as the box is left (its change
    // handler stores the line shown); a line left as the painting shows its
    // bytes stores nothing.
    const QString held = PonMsg_Text(line);
    if (!BoxShowsHeld(box->text(), held))
        box->setText(held);
    Opt_Show();
}

void frm_option::Text_Code_Change(int row, const KitText* box)
{
    // The painting shows the code closed up; the bytes stay as they are.
    if (Painting::underWay())
        return;
    DtmfCode_Store(row, box->text());
}

void frm_option::Text_Code_KeyPress(const KitText* box, int& key)
{
    if (DtmfCode_KeyRefused(box->text()))
        key = 0;
}

void frm_option::Text_ANI_LostFocus()
{
    if (const std::optional<Message> message = AniCheck(Text_ANI->text(), aniPainted_)) {
        Text_ANI->returnFocusAfterRefusal();
        ShowMessage(*message);
        return;
    }
    Text_Code_LostFocus(kAniRow, Text_ANI);
}

void frm_option::Text_Code_LostFocus(int row, KitText* box)
{
    // What was typed is closed up as the box is left: a hole or a character
    // of no digit goes (the change handler stores the code shown). A code
    // left as the painting shows its bytes stores nothing.
    const QString held = DtmfCodesText(Edata.row(row));
    if (!BoxShowsHeld(box->text(), held))
        box->setText(held);
}
