#include "app/mdimain.h"

#include "app/startup.h"
#include "app/window_targets.h"
#include "channels/chann_rec.h"
#include "core/language.h"
#include "core/language_texts.h"
#include "core/model_bands.h"
#include "core/open_edits.h"
#include "core/option_defaults.h"
#include "core/startup_image.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "core/two_tone_defaults.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "platform/geometry.h"
#include "platform/status_bar.h"
#include "platform/tool_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

QString TitleEng;
QString CompanyEng;
QString TitleChn;
QString CompanyChn;

namespace {

const QString kTitleEng = QStringLiteral(" Tarvo UV DualBand  Series Program Software.");
const QString kTitleChn = QStringLiteral("Velk 双段车载电台编程软件");
const QString kCompanyChn = QStringLiteral("双段车载电台编程");

// The labels of status panels 1, 3, 5, 7 and 9.
const std::array<std::pair<int, BiText>, 5> kPanelLabels{{
    {1, {QStringLiteral("机  型:"), QStringLiteral("Model:")}},
    {3, {QStringLiteral("序列号:"), QStringLiteral("S I M:")}},
    {5, {QStringLiteral("固体版本:"), QStringLiteral("MCU-Version:")}},
    {7, {QStringLiteral("频段-A"), QStringLiteral("Band-A")}},
    {9, {QStringLiteral("频段-B"), QStringLiteral("Band-B")}},
}};

constexpr int kCompanyPanel = 11;

QAction* NewItem(QObject* parent, const QString& design)
{
    auto* action = new QAction(design, parent);
    action->setMenuRole(QAction::NoRole);
    return action;
}

void Hide(QAction* item)
{
    item->setVisible(false);
    item->setEnabled(false);
}

}  // namespace

MDImain::MDImain()
    : link_(own(std::make_unique<StartupIdentification>()))
{
    setObjectName(QStringLiteral("MDImain"));
    buildMenus();
    buildToolbar();
    statusBar()->bind(StatusBar1);
    link_.onIdentified = [this] { enableEditingMenus(); };
}

// The menus as the window is built: design captions and states.
void MDImain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto list = [this, bar](const QString& design) {
        auto* menu = new QMenu(design, this);
        bar->addMenu(menu);
        return menu;
    };
    auto command = [this, bar](const QString& design) {
        QAction* item = NewItem(this, design);
        bar->addAction(item);
        return item;
    };
    auto entry = [this](QMenu* menu, const QString& design) {
        QAction* item = NewItem(this, design);
        menu->addAction(item);
        return item;
    };

    File = list(QStringLiteral("File"));
    File_New = entry(File, QStringLiteral("New"));
    File_Open = entry(File, QStringLiteral("Open"));
    File_save = entry(File, QStringLiteral("Save"));
    File_saveas = entry(File, QStringLiteral("Save As"));
    File_exit = entry(File, QStringLiteral("Exit"));
    fm_chann_edit = command(QStringLiteral("FM 频道编辑"));
    chann_edit = command(QStringLiteral("信道编辑"));
    sys_edit = command(QStringLiteral("可选参数"));
    sig_edit = list(QStringLiteral("信令编辑"));
    Sig_dtmf = entry(sig_edit, QStringLiteral("DTMF"));
    Sig_2tone = entry(sig_edit, QStringLiteral("2 TONE"));
    Sig_5tone = entry(sig_edit, QStringLiteral("5 TONE"));
    Sig_spare1 = entry(sig_edit, QString());
    Sig_spare2 = entry(sig_edit, QString());
    frm_adj = command(QStringLiteral("调整参数"));
    Program = list(QStringLiteral("Program"));
    Prog_read = entry(Program, QStringLiteral("Read form radio"));
    Prog_write = entry(Program, QStringLiteral("Write to radio"));
    PC_PassWord = command(QStringLiteral("修改密码"));
    proc_setup = command(QStringLiteral("端口设置"));
    Language_Setup = list(QStringLiteral("语言"));
    Language_chn = entry(Language_Setup, QStringLiteral("中文"));
    Language_eng = entry(Language_Setup, QStringLiteral("English"));
    about = command(QStringLiteral("关于"));
    Menu_Exit = command(QStringLiteral("退出"));

    // Save cannot be chosen: it is shown greyed.
    File_save->setEnabled(false);
    Hide(Sig_spare1);
    Hide(Sig_spare2);
    Hide(Language_Setup->menuAction());
    Hide(about);
    Language_chn->setCheckable(true);
    Language_eng->setCheckable(true);

    const std::vector<std::pair<QAction*, void (MDImain::*)()>> handlers{
        {File_New, &MDImain::File_New_Click},
        {File_Open, &MDImain::File_Open_Click},
        {File_save, &MDImain::File_save_Click},
        {File_saveas, &MDImain::File_saveas_Click},
        {File_exit, &MDImain::File_exit_Click},
        {fm_chann_edit, &MDImain::fm_chann_edit_Click},
        {chann_edit, &MDImain::chann_edit_Click},
        {sys_edit, &MDImain::sys_edit_Click},
        {Sig_dtmf, &MDImain::Sig_dtmf_Click},
        {Sig_2tone, &MDImain::Sig_2tone_Click},
        {Sig_5tone, &MDImain::Sig_5tone_Click},
        {frm_adj, &MDImain::frm_adj_Click},
        {Prog_read, &MDImain::Prog_read_Click},
        {Prog_write, &MDImain::Prog_write_Click},
        {PC_PassWord, &MDImain::PC_PassWord_Click},
        {proc_setup, &MDImain::proc_setup_Click},
        {Language_chn, &MDImain::Language_chn_Click},
        {Language_eng, &MDImain::Language_eng_Click},
        {about, &MDImain::about_Click},
        {Menu_Exit, &MDImain::Menu_Exit_Click},
    };
    for (const auto& [item, handler] : handlers)
        connect(item, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
}

void MDImain::buildToolbar()
{
    ToolBar* bar = toolBar();
    for (const char* key : {"open", "save", "edit_option", "edit_chann", "edit_dtmf", "read", "write", "exit"})
        bar->addButton(QString::fromLatin1(key), ToolIcon(QString::fromLatin1(key)));
    bar->onButtonClick = [this](const QString& key) { Toolbar1_ButtonClick(key); };
}

void MDImain::Form_Load()
{
    // 1. The window texts.
    TitleEng = kTitleEng;
    CompanyEng = QString();
    TitleChn = kTitleChn;
    CompanyChn = kCompanyChn;
    // 2. Every start is in English.
    LangChinese = 0;
    // 3, 4.
    BuildLinkOpenFrame();
    SetLanguageTexts();
    // 5. Panel widths as shares of the screen width, fixed from here on.
    statusBar()->setPanelWidths(StatusPanelWidths(ScreenWidth()));
    // 6.
    StatusBar1.setText(1, QString());
    applyStartupCaptions();
    // 7. The whole screen (its available part), then shown.
    const QRect screen = ScreenAvailablePixels();
    Move(PixelsToTwips(screen.x()), PixelsToTwips(screen.y()), PixelsToTwips(screen.width()),
         PixelsToTwips(screen.height()));
    Show();
    // 8.
    if (DisplayTooSmall(ScreenWidth(), ScreenHeight()))
        ShowMessage(DisplayModeMessage());
    // 9. The silent port scan.
    ScanCommPorts(link_);
    // 10, 11.
    ChannCount = kChannels;
    InitToneTables();
    InitOptionOffsets();
    InitModelBands();
    SetStartupBandLimits();
    TickUnit = kTickUnitMs;
    // 12. Armed here; runs on the timers once the start-up has returned.
    link_.ConnectRadio();
    // 13 to 15. The image with its defaults and the alignment table.
    BuildStartupImage();
    // 16.
    LoadTarget(Target::frm_chann);
}

void MDImain::applyStartupCaptions()
{
    if (LangChinese != 0) {
        applySwitchCaptions(true);
        return;
    }
    const std::vector<std::pair<QAction*, QString>> captions{
        {about, QStringLiteral("About")},
        {Menu_Exit, QStringLiteral("Exit")},
        {Language_Setup->menuAction(), QStringLiteral("Language")},
        {proc_setup, QStringLiteral("Communication")},
        {sig_edit->menuAction(), QStringLiteral("Signal")},
        {sys_edit, QStringLiteral("Option")},
        {chann_edit, QStringLiteral("Channel")},
        {fm_chann_edit, QStringLiteral("FM-Radio")},
        {frm_adj, QStringLiteral("Other")},
        {PC_PassWord, QStringLiteral("PassWord")},
    };
    for (const auto& [item, caption] : captions)
        item->setText(caption);
    for (const auto& [panel, label] : kPanelLabels)
        StatusBar1.setText(panel, label.eng);
    StatusBar1.setText(kCompanyPanel, CompanyEng);
    Language_eng->setChecked(true);
    Language_chn->setChecked(false);
    setWindowTitle(TitleEng);
    nameToolbarButtons();
}

// The captions the language switches set, in the order they set them.
std::vector<std::pair<QAction*, BiText>> MDImain::switchCaptions() const
{
    return {
        {about, {QStringLiteral("关于"), QStringLiteral("About")}},
        {Menu_Exit, {QStringLiteral("退出"), QStringLiteral("Exit")}},
        {Language_Setup->menuAction(), {QStringLiteral("语言"), QStringLiteral("Language")}},
        {proc_setup, {QStringLiteral("端口设置"), QStringLiteral("Communication")}},
        {sys_edit, {QStringLiteral("可选参数"), QStringLiteral("Option")}},
        {chann_edit, {QStringLiteral("信道编辑"), QStringLiteral("Channel")}},
        {fm_chann_edit, {QStringLiteral("FM-频道"), QStringLiteral("FM-Radio")}},
        {frm_adj, {QStringLiteral("调整参数"), QStringLiteral("Adjust")}},
        {PC_PassWord, {QStringLiteral("密码修改"), QStringLiteral("PassWord")}},
        {File->menuAction(), {QStringLiteral("文件"), QStringLiteral("File")}},
        {File_New, {QStringLiteral("新建"), QStringLiteral("New")}},
        {File_Open, {QStringLiteral("打开"), QStringLiteral("Open")}},
        {File_save, {QStringLiteral("保存"), QStringLiteral("Save")}},
        {File_saveas, {QStringLiteral("另存为"), QStringLiteral("Save As")}},
        {File_exit, {QStringLiteral("退出"), QStringLiteral("Exit")}},
        {sig_edit->menuAction(), {QStringLiteral("信令编辑"), QStringLiteral("Signal")}},
        {Program->menuAction(), {QStringLiteral("编程"), QStringLiteral("Program")}},
        {Prog_read, {QStringLiteral("从对讲机读取数据"), QStringLiteral("Read from radio")}},
        {Prog_write, {QStringLiteral("向对讲机写入数据"), QStringLiteral("Write to radio")}},
    };
}

void MDImain::applySwitchCaptions(bool chinese)
{
    Language_eng->setChecked(!chinese);
    Language_chn->setChecked(chinese);
    for (const auto& [item, caption] : switchCaptions())
        item->setText(chinese ? caption.chn : caption.eng);
    for (const auto& [panel, label] : kPanelLabels)
        StatusBar1.setText(panel, chinese ? label.chn : label.eng);
    StatusBar1.setText(kCompanyPanel, chinese ? CompanyChn : CompanyEng);
    setWindowTitle(chinese ? TitleChn : TitleEng);
    nameToolbarButtons();
}

// The toolbar's pictures carry no text; each button is named (for its tip
// and for screen readers) after the menu item it does the work of.
void MDImain::nameToolbarButtons()
{
    const std::vector<std::pair<const char*, QAction*>> names{
        {"open", File_Open},     {"save", File_saveas}, {"edit_option", sys_edit}, {"edit_chann", chann_edit},
        {"edit_dtmf", Sig_dtmf}, {"read", Prog_read},   {"write", Prog_write},     {"exit", Menu_Exit},
    };
    for (const auto& [key, item] : names) {
        if (QAction* button = toolBar()->button(QString::fromLatin1(key)))
            button->setText(item->text());
    }
}

void MDImain::Language_chn_Click()
{
    if (LangChinese == 0) {
        LangChinese = -1;
        SetLanguageTexts();
    }
    applySwitchCaptions(true);
}

void MDImain::Language_eng_Click()
{
    if (LangChinese == -1) {
        LangChinese = 0;
        SetLanguageTexts();
    }
    applySwitchCaptions(false);
}

void MDImain::enableEditingMenus()
{
    for (QAction* item : {sig_edit->menuAction(), sys_edit, chann_edit, fm_chann_edit}) {
        item->setVisible(true);
        item->setEnabled(true);
    }
}

void MDImain::File_New_Click() {}

void MDImain::File_Open_Click()
{
    LoadFreshTarget(Target::Form_open_chann);
}

void MDImain::File_save_Click()
{
    // The edits still open in the editors' cells go into the image first.
    if (!CommitOpenEdits())
        return;
    LoadFreshTarget(Target::Form_save_chann);
}

void MDImain::File_saveas_Click()
{
    // The edits still open in the editors' cells go into the image first.
    if (!CommitOpenEdits())
        return;
    LoadFreshTarget(Target::Form_save_chann);
}

void MDImain::File_exit_Click()
{
    Windows::Unload(this);
}

void MDImain::fm_chann_edit_Click()
{
    UnloadTarget(Target::frm_chann);
    LoadTarget(Target::frm_FM);
}

void MDImain::chann_edit_Click()
{
    LoadTarget(Target::frm_chann);
}

void MDImain::sys_edit_Click()
{
    LoadTarget(Target::frm_option);
}

void MDImain::Sig_dtmf_Click()
{
    LoadTarget(Target::frm_dtmf);
}

void MDImain::Sig_2tone_Click()
{
    LoadTarget(Target::frm_2tone);
}

void MDImain::Sig_5tone_Click()
{
    LoadTarget(Target::frm_5tone);
}

void MDImain::frm_adj_Click()
{
    LoadTarget(Target::frm_Adj_Txp);
}

void MDImain::Prog_read_Click()
{
    LoadFreshTarget(Target::Form_Comm_Read);
}

void MDImain::Prog_write_Click()
{
    LoadFreshTarget(Target::Form_Comm_Write);
}

void MDImain::PC_PassWord_Click()
{
    LoadFreshTarget(Target::Form_Write_PassWord);
}

void MDImain::proc_setup_Click()
{
    LoadTarget(Target::Form_setup);
}

void MDImain::about_Click()
{
    LoadTarget(Target::frmAbout);
}

void MDImain::Menu_Exit_Click()
{
    Windows::Unload(this);
}

void MDImain::ShowModelSelect()
{
    LoadTarget(Target::Form_type);
}

void MDImain::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("open")) {
        File_Open_Click();
    } else if (key == QLatin1String("save")) {
        File_saveas_Click();
    } else if (key == QLatin1String("edit_option")) {
        UnloadTarget(Target::frm_chann);
        LoadTarget(Target::frm_option);
    } else if (key == QLatin1String("edit_chann")) {
        UnloadTarget(Target::frm_chann);
        LoadTarget(Target::frm_chann);
    } else if (key == QLatin1String("edit_dtmf")) {
        UnloadTarget(Target::frm_chann);
        LoadTarget(Target::frm_dtmf);
    } else if (key == QLatin1String("read")) {
        Prog_read_Click();
    } else if (key == QLatin1String("write")) {
        Prog_write_Click();
    } else if (key == QLatin1String("exit")) {
        UnloadTarget(Target::Form_type);
        UnloadTarget(Target::frm_chann);
        UnloadTarget(Target::frm_option);
        UnloadTarget(Target::frmAbout);
        Windows::Unload(this);
    }
}
