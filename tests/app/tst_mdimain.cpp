#include "alignment/ui/frm_adj_txp.h"
#include "app/form_setup.h"
#include "app/mdimain.h"
#include "app/startup.h"
#include "app/window_targets.h"
#include "channels/chann_rec.h"
#include "channels/ui/frm_chann.h"
#include "channels/ui/frm_fm.h"
#include "core/language.h"
#include "core/language_texts.h"
#include "core/memory_image.h"
#include "core/model_bands.h"
#include "core/startup_image.h"
#include "core/status_panels.h"
#include "core/two_tone_defaults.h"
#include "core/ui/form_type.h"
#include "core/ui/frm_about.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "options/ui/frm_option.h"
#include "platform/geometry.h"
#include "platform/kit_grid.h"
#include "platform/serial_port.h"
#include "platform/status_bar.h"
#include "platform/tool_bar.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/message_recorder.h"
#include "support/pseudo_terminal.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"
#include "support/virtual_clock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString kPortError = QStringLiteral("Communication Port Open Error ！");
const QString kDisplayWarning = QStringLiteral("Set the display mode of the computer to 1280 * 800 ");

// The visible captions of a menu bar or a menu.
QStringList VisibleCaptions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator())
            captions << action->text();
    }
    return captions;
}

QString Describe(TargetAction action, Target target)
{
    static const char* const names[] = {"frm_chann",       "frm_FM",         "frm_option",      "frm_dtmf",
                                        "frm_2tone",       "frm_5tone",      "frm_Adj_Txp",     "Form_open_chann",
                                        "Form_save_chann", "Form_Comm_Read", "Form_Comm_Write", "Form_Write_PassWord",
                                        "Form_setup",      "Form_type",      "frmAbout"};
    return QString::fromLatin1(action == TargetAction::Load ? "load " : "unload ")
           + QString::fromLatin1(names[static_cast<int>(target)]);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuBarAfterStartUp();
    void titleAndStatusPanels();
    void panelWidthsAreSharesOfTheScreen();
    void noPortGivesOnePortErrorAndTheStartUpCompletes();
    void theScanKeepsTheHighestPortThatOpens();
    void displayCheck_data();
    void displayCheck();
    void languageSwitches();
    void statusBarShowsWhatTheLinkWrites();
    void identificationEnablesTheEditingMenus();
    void aRadioOnTheFoundPortIsIdentifiedAfterStartUp();
    void menuItemsOpenTheirWindows_data();
    void menuItemsOpenTheirWindows();
    void channelWhileOpenDoesNothing();
    void fiveToneLoadsOnceAndASecondChoiceDoesNothing();
    void dtmfWhileOpenDoesNothing();
    void toolbarButtons_data();
    void toolbarButtons();
    void toolbarExitUnloadsEverything();
    void exitLeavesTopLevelWindowsOpen();

    void portSetupOpensWithTheCurrentPortChecked();
    void portSetupConfirmRestartsTheIdentification();
    void portSetupConfirmWhileTheIdentificationHoldsThePort();
    void portSetupConfirmWithAnAbsentPortKeepsTheDialog();
    void portSetupCancelKeepsThePort();
    void aSecondOpenOfAHeldPortFailsWithThePortError();

    void modelSelect();
    void modelSelectUndoesTyping();
    void aboutBoxFindsNoSystemInformation();

private:
    MDImain* startUp();
    void putPty(int portNo);

    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<VirtualClock> clock_;
    std::vector<std::unique_ptr<PseudoTerminal>> ptys_;
    SerialPortFactory factory_;
    QStringList requests_;
    int lastWindowClosed_ = 0;
};

void TestMainWindow::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    clock_ = std::make_unique<VirtualClock>();
    InstallCommPortFactory(&factory_);
    // No port of this machine takes part: every place holds an absent device
    // until a test puts a pseudo-terminal there.
    for (int n = 1; n <= kPortCount; ++n)
        SetPortDevice(n, QStringLiteral("/nonexistent/ttyTEST%1").arg(n));
    SetScreenSize(QSize(1280, 800));
    requests_.clear();
    onTargetAction = [this](TargetAction action, Target target) { requests_ << Describe(action, target); };
    lastWindowClosed_ = 0;
    Windows::SetLastWindowClosedHandler([this] { ++lastWindowClosed_; });
}

void TestMainWindow::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Windows::SetLastWindowClosedHandler(nullptr);
    onTargetAction = nullptr;
    ptys_.clear();
    ResetPortDevices();
    SetScreenSize(QSize());
    InstallCommPortFactory(nullptr);
    LangChinese = 0;
    StatusBar1.clear();
    clock_.reset();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

MDImain* TestMainWindow::startUp()
{
    MDImain* main = Windows::Load<MDImain>();
    requests_.clear();
    return main;
}

void TestMainWindow::putPty(int portNo)
{
    ptys_.push_back(std::make_unique<PseudoTerminal>());
    QVERIFY(ptys_.back()->isValid());
    SetPortDevice(portNo, ptys_.back()->slavePath());
}

void TestMainWindow::menuBarAfterStartUp()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    QCOMPARE(VisibleCaptions(main->menuBar()->actions()),
             (QStringList{"File", "FM-Radio", "Channel", "Option", "Signal", "Other", "Program", "PassWord",
                          "Communication", "Exit"}));
    QCOMPARE(VisibleCaptions(main->File->actions()), (QStringList{"New", "Open", "Save", "Save As", "Exit"}));
    QVERIFY(!main->File_save->isEnabled());
    QCOMPARE(VisibleCaptions(main->Program->actions()), (QStringList{"Read form radio", "Write to radio"}));
    QCOMPARE(VisibleCaptions(main->sig_edit->actions()), (QStringList{"DTMF", "2 TONE", "5 TONE"}));
    // Built, but never reachable.
    QVERIFY(!main->Language_Setup->menuAction()->isEnabled());
    QVERIFY(!main->about->isEnabled());
    QVERIFY(main->Language_eng->isChecked());
    QVERIFY(!main->Language_chn->isChecked());
}

void TestMainWindow::titleAndStatusPanels()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    QCOMPARE(main->windowTitle(), QStringLiteral(" Tarvo UV DualBand  Series Program Software."));
    const QStringList expected{"", "", "S I M:", "", "MCU-Version:", "", "Band-A", "", "Band-B", "", ""};
    for (int panel = 1; panel <= kStatusPanels; ++panel) {
        const QString want = panel == 1 ? QStringLiteral("Model:") : expected[panel - 1];
        QCOMPARE(StatusBar1.text(panel), want);
        QCOMPARE(main->statusBar()->panelText(panel), want);
    }
    QVERIFY(main->isVisible());
    QCOMPARE(main->frameWidget()->frameGeometry(), QRect(0, 0, 1280, 800));
    QCOMPARE(LangChinese, 0);
    QCOMPARE(ChannCount, 200);
}

void TestMainWindow::panelWidthsAreSharesOfTheScreen()
{
    SetScreenSize(QSize(1920, 1080));
    MDImain* main = startUp();
    recorder_->takeTexts();
    const std::array<double, kStatusPanels> twips{1152, 1728, 1440, 4320, 2304, 2016, 1440, 2880, 1440, 2880, 7200};
    double right = 0;
    for (int panel = 1; panel <= kStatusPanels; ++panel) {
        QCOMPARE(main->statusBar()->panelWidth(panel), twips[panel - 1]);
        right += twips[panel - 1];
        QCOMPARE(main->statusBar()->panel(panel)->geometry().right() + 1, TwipsToPixels(right));
    }
    // Fixed at start-up: a narrower window keeps them.
    main->setWidth(PixelsToTwips(1000));
    QCOMPARE(main->statusBar()->panel(11)->width(), 480);
}

void TestMainWindow::noPortGivesOnePortErrorAndTheStartUpCompletes()
{
    Edata.fill(0);
    MDImain* main = startUp();
    QCOMPARE(recorder_->takeTexts(), QStringList{kPortError});
    QCOMPARE(CommPortNo, 1);
    QCOMPARE(PortError, -1);
    QVERIFY(!main->Identification().portOpen());
    // Steps after the failed open still ran: the image and the channel window.
    const MemoryImage afterStartUp = Edata;
    BuildStartupImage();
    QVERIFY(Edata == afterStartUp);
    QCOMPARE(Edata(0, 0), std::int16_t(0xFF));
    auto* channels = Windows::Find<frm_chann>();
    QVERIFY(channels != nullptr);
    QVERIFY(channels->frameWidget()->isVisible());
    QCOMPARE(main->activeChild(), channels);
    QCOMPARE(channels->windowTitle(), QStringLiteral("Channel Information"));
    // The channel window's load replaces the start-up limits 130, 179, 400, 520.
    QCOMPARE(BandVhfMin, 140.0);
    QCOMPARE(BandVhfMax, 150.0);
    QCOMPARE(BandUhfMin, 440.0);
    QCOMPARE(BandUhfMax, 450.0);
    QCOMPARE(ModelIndex, 0);
    QCOMPARE(TickUnit, 0.000434028);
}

void TestMainWindow::theScanKeepsTheHighestPortThatOpens()
{
    putPty(3);
    putPty(5);
    putPty(9);  // beyond the scan
    MDImain* main = startUp();
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(CommPortNo, 5);
    QCOMPARE(PortError, 0);
    // The identification holds the port it found.
    QVERIFY(main->Identification().portOpen());
}

void TestMainWindow::displayCheck_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("warned");
    QTest::newRow("1280 x 800 is enough") << QSize(1280, 800) << false;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << false;
    QTest::newRow("1280 x 768 is too low") << QSize(1280, 768) << true;
    QTest::newRow("1024 x 800 is too narrow") << QSize(1024, 800) << true;
}

void TestMainWindow::displayCheck()
{
    QFETCH(QSize, screen);
    QFETCH(bool, warned);
    SetScreenSize(screen);
    startUp();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QStringList expected;
    if (warned)
        expected << kDisplayWarning;
    expected << kPortError;  // the display warning comes first
    QStringList texts;
    for (const ShownMessage& message : shown)
        texts << message.text;
    QCOMPARE(texts, expected);
    if (warned) {
        QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
        QCOMPARE(shown.first().message.icon, MessageIcon::Exclamation);
    }
}

void TestMainWindow::languageSwitches()
{
    MDImain* main = startUp();
    recorder_->takeTexts();

    main->Language_chn_Click();
    QCOMPARE(LangChinese, -1);
    QCOMPARE(VisibleCaptions(main->menuBar()->actions()),
             (QStringList{"文件", "FM-频道", "信道编辑", "可选参数", "信令编辑", "调整参数", "编程", "密码修改",
                          "端口设置", "退出"}));
    QCOMPARE(VisibleCaptions(main->File->actions()), (QStringList{"新建", "打开", "保存", "另存为", "退出"}));
    QCOMPARE(VisibleCaptions(main->Program->actions()), (QStringList{"从对讲机读取数据", "向对讲机写入数据"}));
    QCOMPARE(main->Language_Setup->menuAction()->text(), QStringLiteral("语言"));
    QCOMPARE(main->about->text(), QStringLiteral("关于"));
    QVERIFY(main->Language_chn->isChecked());
    QVERIFY(!main->Language_eng->isChecked());
    QCOMPARE(StatusBar1.text(1), QStringLiteral("机  型:"));
    QCOMPARE(StatusBar1.text(3), QStringLiteral("序列号:"));
    QCOMPARE(StatusBar1.text(5), QStringLiteral("固体版本:"));
    QCOMPARE(StatusBar1.text(7), QStringLiteral("频段-A"));
    QCOMPARE(StatusBar1.text(9), QStringLiteral("频段-B"));
    QCOMPARE(StatusBar1.text(11), CompanyChn);
    QVERIFY(!CompanyChn.isEmpty());
    QCOMPARE(main->windowTitle(), QStringLiteral("Velk 双段车载电台编程软件"));
    // Still hidden after the switch.
    QVERIFY(!main->Language_Setup->menuAction()->isVisible());
    QVERIFY(!main->about->isVisible());

    main->Language_chn_Click();  // again: nothing changes
    QCOMPARE(LangChinese, -1);

    main->Language_eng_Click();
    QCOMPARE(LangChinese, 0);
    // The English switch has its own captions for two items.
    QCOMPARE(VisibleCaptions(main->menuBar()->actions()),
             (QStringList{"File", "FM-Radio", "Channel", "Option", "Signal", "Adjust", "Program", "PassWord",
                          "Communication", "Exit"}));
    QCOMPARE(VisibleCaptions(main->Program->actions()), (QStringList{"Read from radio", "Write to radio"}));
    QCOMPARE(StatusBar1.text(1), QStringLiteral("Model:"));
    QCOMPARE(StatusBar1.text(11), QString());
    QVERIFY(main->Language_eng->isChecked());
    QVERIFY(!main->Language_chn->isChecked());
    QCOMPARE(main->windowTitle(), TitleEng);
    // The toolbar's buttons are named after their menu items.
    QCOMPARE(main->toolBar()->button(QStringLiteral("read"))->text(), QStringLiteral("Read from radio"));
}

void TestMainWindow::statusBarShowsWhatTheLinkWrites()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    StatusBar1.setText(2, QStringLiteral("UV-50X"));
    StatusBar1.setText(4, QStringLiteral("Communication fault."));
    QCOMPARE(main->statusBar()->panelText(2), QStringLiteral("UV-50X"));
    QCOMPARE(main->statusBar()->panelText(4), QStringLiteral("Communication fault."));
    Windows::Unload(main);
    StatusBar1.setText(2, QStringLiteral("after the main window"));  // nobody follows any more
}

void TestMainWindow::identificationEnablesTheEditingMenus()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    const std::array<QAction*, 4> editing{main->sig_edit->menuAction(), main->sys_edit, main->chann_edit,
                                          main->fm_chann_edit};
    for (QAction* item : editing)
        item->setEnabled(false);
    QVERIFY(main->Identification().onIdentified);
    main->Identification().onIdentified();
    for (QAction* item : editing)
        QVERIFY(item->isEnabled() && item->isVisible());
}

void TestMainWindow::aRadioOnTheFoundPortIsIdentifiedAfterStartUp()
{
    clock_.reset();  // the real clock: the radio answers over a pseudo-terminal
    RadioSimulator radio;
    PtyRadio line(radio);
    QVERIFY(line.isValid());
    SetPortDevice(4, line.slavePath());
    MDImain* main = startUp();
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(CommPortNo, 4);
    // The channel window's limits stand until the radio reports its own.
    QCOMPARE(BandVhfMin, 140.0);
    QTRY_COMPARE_WITH_TIMEOUT(StatusBar1.text(2), QStringLiteral("TR-UV1"), 5000);
    QCOMPARE(main->statusBar()->panelText(2), QStringLiteral("TR-UV1"));
    QCOMPARE(BandVhfMin, 136.0);
    QCOMPARE(BandUhfMax, 470.0);
    QVERIFY(main->chann_edit->isEnabled());
    QVERIFY(!main->Identification().portOpen());
}

void TestMainWindow::menuItemsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("requests");
    const QStringList none;
    QTest::newRow("New does nothing") << "File_New" << none;
    QTest::newRow("Open") << "File_Open" << QStringList{"unload Form_open_chann", "load Form_open_chann"};
    QTest::newRow("Save As") << "File_saveas" << QStringList{"unload Form_save_chann", "load Form_save_chann"};
    QTest::newRow("FM-Radio closes the channels") << "fm_chann_edit" << QStringList{"unload frm_chann", "load frm_FM"};
    QTest::newRow("Option") << "sys_edit" << QStringList{"load frm_option"};
    QTest::newRow("DTMF") << "Sig_dtmf" << QStringList{"load frm_dtmf"};
    QTest::newRow("2 TONE") << "Sig_2tone" << QStringList{"load frm_2tone"};
    QTest::newRow("5 TONE") << "Sig_5tone" << QStringList{"load frm_5tone"};
    QTest::newRow("Other") << "frm_adj" << QStringList{"load frm_Adj_Txp"};
    QTest::newRow("Read") << "Prog_read" << QStringList{"unload Form_Comm_Read", "load Form_Comm_Read"};
    QTest::newRow("Write") << "Prog_write" << QStringList{"unload Form_Comm_Write", "load Form_Comm_Write"};
    QTest::newRow("PassWord") << "PC_PassWord" << QStringList{"unload Form_Write_PassWord", "load Form_Write_PassWord"};
    QTest::newRow("Communication") << "proc_setup" << QStringList{"load Form_setup"};
}

void TestMainWindow::menuItemsOpenTheirWindows()
{
    QFETCH(QString, item);
    QFETCH(QStringList, requests);
    MDImain* main = startUp();
    recorder_->takeTexts();
    const std::map<QString, QAction*> items{
        {"File_New", main->File_New},           {"File_Open", main->File_Open},   {"File_saveas", main->File_saveas},
        {"fm_chann_edit", main->fm_chann_edit}, {"sys_edit", main->sys_edit},     {"Sig_dtmf", main->Sig_dtmf},
        {"Sig_2tone", main->Sig_2tone},         {"Sig_5tone", main->Sig_5tone},   {"frm_adj", main->frm_adj},
        {"Prog_read", main->Prog_read},         {"Prog_write", main->Prog_write}, {"PC_PassWord", main->PC_PassWord},
        {"proc_setup", main->proc_setup},
    };
    items.at(item)->trigger();
    QCOMPARE(requests_, requests);
    QCOMPARE(Windows::Find<frm_chann>() != nullptr, item != QLatin1String("fm_chann_edit"));
    QCOMPARE(Windows::Find<frm_option>() != nullptr, item == QLatin1String("sys_edit"));
    QCOMPARE(Windows::Find<frm_FM>() != nullptr, item == QLatin1String("fm_chann_edit"));
    QCOMPARE(Windows::Find<Form_setup>() != nullptr, item == QLatin1String("proc_setup"));
    auto* alignment = Windows::Find<frm_Adj_Txp>();
    QCOMPARE(alignment != nullptr, item == QLatin1String("frm_adj"));
    if (alignment != nullptr) {
        items.at(item)->trigger();  // a second choice does nothing
        QCOMPARE(Windows::Find<frm_Adj_Txp>(), alignment);
    }
    QCOMPARE(Windows::Find<frm_2tone>() != nullptr, item == QLatin1String("Sig_2tone"));
    QCOMPARE(Windows::Find<frm_dtmf>() != nullptr, item == QLatin1String("Sig_dtmf"));
}

void TestMainWindow::channelWhileOpenDoesNothing()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    auto* channels = Windows::Find<frm_chann>();
    BandVhfMin = 136;  // as an identification would leave it
    main->chann_edit->trigger();
    QCOMPARE(Windows::Find<frm_chann>(), channels);
    QCOMPARE(BandVhfMin, 136.0);  // no second load
}

void TestMainWindow::fiveToneLoadsOnceAndASecondChoiceDoesNothing()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->Sig_5tone->trigger();
    auto* fiveTone = Windows::Find<frm_5tone>();
    QVERIFY(fiveTone != nullptr);
    QCOMPARE(main->activeChild(), fiveTone);
    Edata(576, 0) = 18;
    main->Sig_5tone->trigger();
    QCOMPARE(Windows::Find<frm_5tone>(), fiveTone);
    // No second load: the grid still shows what the first one painted.
    QCOMPARE(fiveTone->MSF_Chann->textMatrix(1, 1), QStringLiteral("100"));
}

void TestMainWindow::dtmfWhileOpenDoesNothing()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->Sig_dtmf->trigger();
    auto* dtmf = Windows::Find<frm_dtmf>();
    QVERIFY(dtmf != nullptr);
    QCOMPARE(main->activeChild(), dtmf);
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Windows::Find<frm_chann>()->frameWidget()));
    Edata(Area::Dtmf.firstRow(), 0) = 5;
    main->Sig_dtmf->trigger();
    // No second load, no repaint, not brought to the front.
    QCOMPARE(Windows::Find<frm_dtmf>(), dtmf);
    QCOMPARE(dtmf->Text_tx_Encode[0]->text(), QStringLiteral("20202"));
    QCOMPARE(main->activeChild(), Windows::Find<frm_chann>());
}

void TestMainWindow::toolbarButtons_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("channelsOpen");
    QTest::addColumn<bool>("freshChannels");
    QTest::newRow("open") << "open" << QStringList{"unload Form_open_chann", "load Form_open_chann"} << true << false;
    QTest::newRow("save") << "save" << QStringList{"unload Form_save_chann", "load Form_save_chann"} << true << false;
    QTest::newRow("edit_option") << "edit_option" << QStringList{"unload frm_chann", "load frm_option"} << false
                                 << false;
    QTest::newRow("edit_chann") << "edit_chann" << QStringList{"unload frm_chann", "load frm_chann"} << true << true;
    QTest::newRow("edit_dtmf") << "edit_dtmf" << QStringList{"unload frm_chann", "load frm_dtmf"} << false << false;
    QTest::newRow("read") << "read" << QStringList{"unload Form_Comm_Read", "load Form_Comm_Read"} << true << false;
    QTest::newRow("write") << "write" << QStringList{"unload Form_Comm_Write", "load Form_Comm_Write"} << true << false;
}

void TestMainWindow::toolbarButtons()
{
    QFETCH(QString, key);
    QFETCH(QStringList, requests);
    QFETCH(bool, channelsOpen);
    QFETCH(bool, freshChannels);
    MDImain* main = startUp();
    recorder_->takeTexts();
    QCOMPARE(main->toolBar()->keys(),
             (QStringList{"open", "save", "edit_option", "edit_chann", "edit_dtmf", "read", "write", "exit"}));
    QPointer<frm_chann> before = Windows::Find<frm_chann>();
    BandVhfMin = 136;
    main->toolBar()->button(key)->trigger();
    QCOMPARE(requests_, requests);
    frm_chann* after = Windows::Find<frm_chann>();
    QCOMPARE(after != nullptr, channelsOpen);
    QCOMPARE(after != nullptr && after != before.data(), freshChannels);
    QCOMPARE(Windows::Find<frm_option>() != nullptr, key == QLatin1String("edit_option"));
    // Only a fresh channel window sets its limits again.
    QCOMPARE(BandVhfMin, freshChannels ? 140.0 : 136.0);
    QVERIFY(Windows::Find<MDImain>() == main);
}

void TestMainWindow::toolbarExitUnloadsEverything()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->ShowModelSelect();  // a separate window the exit button unloads as well
    main->about_Click();
    QVERIFY(Windows::Find<Form_type>() != nullptr);
    requests_.clear();
    QWidget* exitButton = main->toolBar()->widgetForAction(main->toolBar()->button(QStringLiteral("exit")));
    QTest::mouseClick(exitButton, Qt::LeftButton);
    QCOMPARE(requests_, (QStringList{"unload Form_type", "unload frm_chann", "unload frm_option", "unload frmAbout"}));
    QVERIFY(Windows::Loaded().empty());
    QCOMPARE(lastWindowClosed_, 1);
}

void TestMainWindow::exitLeavesTopLevelWindowsOpen()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->ShowModelSelect();
    Windows::Load<Form_setup>();
    main->Menu_Exit->trigger();
    QCOMPARE(Windows::Find<MDImain>(), nullptr);
    QCOMPARE(Windows::Find<frm_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_setup>(), nullptr);
    auto* select = Windows::Find<Form_type>();
    QVERIFY(select != nullptr && select->isVisible());
    QCOMPARE(lastWindowClosed_, 0);
    select->Command_Cancel->click();
    QCOMPARE(lastWindowClosed_, 1);
}

void TestMainWindow::portSetupOpensWithTheCurrentPortChecked()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    CommPortNo = 5;
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    QVERIFY(setup != nullptr);
    QCOMPARE(setup->windowTitle(), QStringLiteral("Communication Port Setup"));
    QCOMPARE(setup->Command_ok->text(), QStringLiteral("Confirm"));
    QCOMPARE(setup->Command1->text(), QStringLiteral("Cancel"));
    for (int n = 1; n <= kPortCount; ++n) {
        QCOMPARE(setup->Option[n - 1]->text(), QStringLiteral("COM%1").arg(n));
        QCOMPARE(setup->Option[n - 1]->isChecked(), n == 5);
        QCOMPARE(setup->DeviceLabel[n - 1]->text(), PortDevice(n));
    }
    // Sized and placed from the main window's client area.
    QCOMPARE(setup->Width(), PixelsToTwips(TwipsToPixels(main->ScaleWidth() / 1.9)));
    QCOMPARE(setup->Top(), PixelsToTwips(TwipsToPixels((main->ScaleHeight() - main->ScaleHeight() / 2) / 2 - 500)));
    // A second load while it is open does nothing.
    setup->Option[2]->setChecked(true);
    main->proc_setup->trigger();
    QCOMPARE(Windows::Find<Form_setup>(), setup);
    QVERIFY(setup->Option[2]->isChecked());
}

void TestMainWindow::portSetupConfirmRestartsTheIdentification()
{
    putPty(11);
    MDImain* main = startUp();
    recorder_->takeTexts();
    for (int panel = 2; panel <= 10; ++panel)
        StatusBar1.setText(panel, QStringLiteral("p%1").arg(panel));
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    setup->Option[10]->setChecked(true);
    setup->Command_ok->click();
    QCOMPARE(CommPortNo, 11);
    QCOMPARE(PortError, 0);
    for (int panel = 2; panel <= 10; ++panel)
        QCOMPARE(StatusBar1.text(panel), panel % 2 == 0 ? QString() : QStringLiteral("p%1").arg(panel));
    QCOMPARE(Windows::Find<Form_setup>(), nullptr);
    QVERIFY(main->Identification().portOpen());
}

void TestMainWindow::portSetupConfirmWhileTheIdentificationHoldsThePort()
{
    putPty(5);
    MDImain* main = startUp();
    QVERIFY(main->Identification().portOpen());
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    QVERIFY(setup->Option[4]->isChecked());
    setup->Command_ok->click();
    // Our own open port is no port error.
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(PortError, 0);
    QCOMPARE(Windows::Find<Form_setup>(), nullptr);
    QVERIFY(main->Identification().portOpen());
}

void TestMainWindow::portSetupConfirmWithAnAbsentPortKeepsTheDialog()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    StatusBar1.setText(2, QStringLiteral("UV-50X"));
    setup->Option[6]->setChecked(true);
    setup->Command_ok->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kPortError});
    setup->Command_ok->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kPortError});  // once per Confirm
    QCOMPARE(CommPortNo, 7);
    QCOMPARE(PortError, -1);
    QCOMPARE(StatusBar1.text(2), QString());
    QCOMPARE(Windows::Find<Form_setup>(), setup);
    QVERIFY(!main->Identification().portOpen());
}

void TestMainWindow::portSetupCancelKeepsThePort()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    setup->Option[8]->setChecked(true);
    StatusBar1.setText(2, QStringLiteral("UV-50X"));
    // A real click: the dialog unloads itself from its own button.
    QTest::mouseClick(setup->Command1, Qt::LeftButton);
    QCOMPARE(Windows::Find<Form_setup>(), nullptr);
    QCOMPARE(CommPortNo, 1);
    QCOMPARE(StatusBar1.text(2), QStringLiteral("UV-50X"));
}

void TestMainWindow::aSecondOpenOfAHeldPortFailsWithThePortError()
{
    putPty(5);
    putPty(3);
    MDImain* main = startUp();
    QVERIFY(main->Identification().portOpen());  // port 5

    // Another window's link cannot open the port the main window holds.
    StartupIdentification other;
    other.OpenCommPort();
    QCOMPARE(recorder_->takeTexts(), QStringList{kPortError});
    QCOMPARE(PortError, -1);

    // Nor can the port setup take a port another window holds.
    auto held = CreateCommPort();
    QVERIFY(held->open(3));
    main->proc_setup->trigger();
    auto* setup = Windows::Find<Form_setup>();
    setup->Option[2]->setChecked(true);
    setup->Command_ok->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kPortError});
    QCOMPARE(Windows::Find<Form_setup>(), setup);
    held->close();
    setup->Command_ok->click();
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(Windows::Find<Form_setup>(), nullptr);
}

void TestMainWindow::modelSelect()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->ShowModelSelect();
    auto* select = Windows::Find<Form_type>();
    QVERIFY(select != nullptr);
    QVERIFY(select->isWindow());
    QCOMPARE(select->windowTitle(), QStringLiteral("Model Select"));
    QCOMPARE(select->Label1->text(), QStringLiteral("Model"));
    QCOMPARE(select->Label2->text(), QStringLiteral("Band"));
    QCOMPARE(select->Combo_type->count(), 7);
    QCOMPARE(select->Combo_type->itemText(3), QString());
    QCOMPARE(select->Combo_type->currentIndex(), 0);
    QCOMPARE(select->Label_band->text(), QStringLiteral("  130 --  179"));
    QCOMPARE(BandVhfMin, 130.0);
    QCOMPARE(BandVhfMax, 179.0);

    const double uhfMin = BandUhfMin;
    select->Combo_type->setCurrentIndex(4);  // an empty line
    select->Command_enter->click();
    QCOMPARE(ModelIndex, 4);
    QCOMPARE(BandVhfMin, double(BandTableCell(4, 0)));
    QCOMPARE(BandVhfMax, double(BandTableCell(4, 1)));
    QCOMPARE(BandUhfMin, uhfMin);
    QCOMPARE(Windows::Find<Form_type>(), nullptr);
}

void TestMainWindow::modelSelectUndoesTyping()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->ShowModelSelect();
    auto* select = Windows::Find<Form_type>();
    const QString shown = select->Combo_type->currentText();
    QTest::keyClicks(select->Combo_type->lineEdit(), QStringLiteral("xy"));
    QCOMPARE(select->Combo_type->currentText(), shown);
    select->Command_Cancel->click();
    QCOMPARE(ModelIndex, 0);
}

void TestMainWindow::aboutBoxFindsNoSystemInformation()
{
    MDImain* main = startUp();
    recorder_->takeTexts();
    main->about_Click();
    auto* box = Windows::Find<frmAbout>();
    QVERIFY(box != nullptr);
    QVERIFY(!box->isWindow());  // a child of the main window
    QCOMPARE(box->lblTitle->text(), AboutTexts[0]);
    QVERIFY(!AboutTexts[0].isEmpty());
    QCOMPARE(box->cmdOk->text(), QStringLiteral("Confirm"));
    QCOMPARE(box->cmdSysInfo->text(), QStringLiteral("System Information(&S)..."));
    box->cmdSysInfo->click();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("此时系统信息不可用"));
    QCOMPARE(shown.first().message.icon, MessageIcon::None);
    box->cmdOk->click();
    QCOMPARE(Windows::Find<frmAbout>(), nullptr);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mdimain.moc"
