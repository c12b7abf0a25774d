// The password dialog in the application, opened from the PassWord menu,
// against the radio simulator in process on virtual time.

#include "app/mdimain.h"
#include "core/status_panels.h"
#include "link/link_state.h"
#include "link/password_change.h"
#include "link/startup_identification.h"
#include "link/ui/form_write_password.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace {

constexpr int kPort = 5;
constexpr int kPassAt = 0x3DF0;
const QString kSuccess = QStringLiteral("PassWord Modify Success ! ");
const QString kFailConnect = QStringLiteral("Fail connect with transceiver.");

}  // namespace

class TestFormWritePassWord : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsCaptionsAndEmptyBoxes();
    void changeClearsTheBoxesThenTheDialogCloses();
    void closePollerWaitsWhileABoxIsOpen();
    void newPasswordsThatDifferSendNothing();
    void oldPasswordRefusedKeepsTheBoxes();
    void empty_old_password_box_is_checked_as_no_password();
    void final_byte_other_than_ack_reports_the_failure_and_keeps_the_dialog();
    void silentRadioFailsAndTheDialogStays();
    void closeRefusedWhileTheExchangeRuns();
    void typingStopsAfterSixCharacters_data();
    void typingStopsAfterSixCharacters();

private:
    Form_Write_PassWord* open();
    // Runs the clock until a message has been shown.
    bool runToMessage(qint64 maxMs = 60000);
    void typeInto(KitText* box, const QString& text);

    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    MDImain* main_ = nullptr;
};

void TestFormWritePassWord::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    clock_ = std::make_unique<VirtualClock>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    radio_->setPasswords("583920", "111111");
    radio_->memory.replace(kPassAt + 12, 4, "\x01\x02\x03\x04");
    ports_->attach(kPort, *radio_);
    SetScreenSize(QSize(1280, 800));
    LangChinese = 0;
    main_ = Windows::Load<MDImain>();
    QVERIFY(main_ != nullptr);
    QVERIFY(clock_->advanceUntil([this] { return !main_->Identification().running(); }, 10000));
    QCOMPARE(CommPortNo, kPort);
    ports_->clearWrites(kPort);
    radio_->heard.clear();
}

void TestFormWritePassWord::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetScreenSize(QSize());
    StatusBar1.clear();
    ports_.reset();
    radio_.reset();
    clock_.reset();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

Form_Write_PassWord* TestFormWritePassWord::open()
{
    main_->PC_PassWord->trigger();
    return Windows::Find<Form_Write_PassWord>();
}

bool TestFormWritePassWord::runToMessage(qint64 maxMs)
{
    return clock_->advanceUntil([this] { return recorder_->count() > 0; }, maxMs);
}

void TestFormWritePassWord::typeInto(KitText* box, const QString& text)
{
    KitDriver::TypeText(box, text);
}

void TestFormWritePassWord::opensWithItsCaptionsAndEmptyBoxes()
{
    Form_Write_PassWord* dialog = open();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Modify PassWord"));
    QCOMPARE(dialog->Label_old_PassWord->text(), QStringLiteral("Old PassWord"));
    QCOMPARE(dialog->Label_New_Password_1->text(), QStringLiteral("New PassWord"));
    QCOMPARE(dialog->Label_New_PassWord_2->text(), QStringLiteral("Confirm PassWord"));
    QCOMPARE(dialog->Command_Write->caption(), QStringLiteral("Modify"));
    QCOMPARE(dialog->Command_Cancel->caption(), QStringLiteral("Close"));
    QCOMPARE(dialog->Label_old_PassWord->buddy(), dialog->Text_Old_PassWord);
    QCOMPARE(dialog->Label_New_Password_1->buddy(), dialog->Text_New_Password_1);
    QCOMPARE(dialog->Label_New_PassWord_2->buddy(), dialog->Text_New_PassWord_2);
    for (KitText* box : {dialog->Text_Old_PassWord, dialog->Text_New_Password_1, dialog->Text_New_PassWord_2})
        QCOMPARE(box->text(), QString());
    QVERIFY(qAbs(dialog->Width() - main_->ScaleWidth() / 4) <= 15);
    QVERIFY(qAbs(dialog->Height() - main_->ScaleHeight() / 3) <= 15);
    QVERIFY(qAbs(dialog->Top() - ((main_->ScaleHeight() - dialog->Height()) / 2 - 500)) <= 15);
    typeInto(dialog->Text_Old_PassWord, QStringLiteral("12"));
    QCOMPARE(dialog->Text_Old_PassWord->displayText(), QStringLiteral("**"));

    LangChinese = 1;
    dialog = open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("修改密码"));
    QCOMPARE(dialog->Label_New_PassWord_2->text(), QStringLiteral("确认新密码"));
    QCOMPARE(dialog->Command_Write->caption(), QStringLiteral("修改"));
    QCOMPARE(dialog->Command_Cancel->caption(), QStringLiteral("关闭"));
    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), nullptr);
}

void TestFormWritePassWord::changeClearsTheBoxesThenTheDialogCloses()
{
    QPointer<Form_Write_PassWord> dialog = open();
    typeInto(dialog->Text_Old_PassWord, QStringLiteral("583920"));
    typeInto(dialog->Text_New_Password_1, QStringLiteral(" abc"));
    typeInto(dialog->Text_New_PassWord_2, QStringLiteral("abc "));
    recorder_->onShow = [&](const ShownMessage&) {
        // While the box is open, time goes by: the dialog stays, boxes and all.
        clock_->advance(3000);
        QVERIFY(dialog && dialog->isLoaded());
        QCOMPARE(dialog->Text_Old_PassWord->text(), QStringLiteral("583920"));
    };
    dialog->Command_Write->click();
    QVERIFY(dialog->link().Writing());
    QVERIFY(runToMessage());
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kSuccess);
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(radio_->memoryRange(kPassAt, 16), QByteArray("abc   111111\x01\x02\x03\x04"));

    for (KitText* box : {dialog->Text_Old_PassWord, dialog->Text_New_Password_1, dialog->Text_New_PassWord_2})
        QCOMPARE(box->text(), QString());
    QCOMPARE(PassOld, PasswordCodesOf(QString()));
    QCOMPARE(PassNew, PasswordCodesOf(QString()));
    QCOMPARE(dialog->CloseReq, -1);
    QVERIFY(!ports_->isOpen(kPort));
    clock_->advance(500);
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

void TestFormWritePassWord::closePollerWaitsWhileABoxIsOpen()
{
    radio_->setPasswords("", "");
    Form_Write_PassWord* dialog = open();
    dialog->Command_Write->click();
    QVERIFY(runToMessage());
    QCOMPARE(recorder_->takeTexts(), QStringList{kSuccess});
    QCOMPARE(dialog->CloseReq, -1);
    // Another window's box opens before the poller's next tick and stays
    // open across several of its ticks.
    bool stayedWhileOpen = false;
    recorder_->onShow = [&](const ShownMessage&) {
        clock_->advance(2000);
        stayedWhileOpen = Windows::Find<Form_Write_PassWord>() == dialog;
    };
    ShowMessage({SameText(QStringLiteral("another window")), Titles::OperatePromptLower});
    recorder_->takeAll();
    QVERIFY(stayedWhileOpen);
    clock_->advance(500);
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), nullptr);
}

void TestFormWritePassWord::newPasswordsThatDifferSendNothing()
{
    Form_Write_PassWord* dialog = open();
    const int opens = ports_->opens(kPort);
    typeInto(dialog->Text_New_Password_1, QStringLiteral("abc"));
    typeInto(dialog->Text_New_PassWord_2, QStringLiteral("ABC"));
    dialog->Command_Write->click();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Password is not consistent ."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    clock_->advance(10000);
    QCOMPARE(ports_->opens(kPort), opens);
    QVERIFY(ports_->writes(kPort).isEmpty());
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
}

void TestFormWritePassWord::oldPasswordRefusedKeepsTheBoxes()
{
    Form_Write_PassWord* dialog = open();
    typeInto(dialog->Text_Old_PassWord, QStringLiteral("583921"));
    typeInto(dialog->Text_New_Password_1, QStringLiteral("abc"));
    typeInto(dialog->Text_New_PassWord_2, QStringLiteral("abc"));
    dialog->Command_Write->click();
    QVERIFY(runToMessage());
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Old PassWord Error, Writeing Stop"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    QCOMPARE(radio_->memoryRange(kPassAt, 12), QByteArray("583920111111"));
    clock_->advance(10000);
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
    QCOMPARE(dialog->Text_Old_PassWord->text(), QStringLiteral("583921"));
    QCOMPARE(dialog->Text_New_Password_1->text(), QStringLiteral("abc"));

    // Mended at once: the old password is password 2; password 2 stays.
    dialog->Text_Old_PassWord->setText(QStringLiteral("111111"));
    dialog->Command_Write->click();
    QVERIFY(runToMessage());
    QCOMPARE(recorder_->takeTexts(), QStringList{kSuccess});
    QCOMPARE(radio_->memoryRange(kPassAt, 12), QByteArray("abc   111111"));
}

void TestFormWritePassWord::empty_old_password_box_is_checked_as_no_password()
{
    Form_Write_PassWord* dialog = open();
    typeInto(dialog->Text_Old_PassWord, QStringLiteral("583920"));
    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), nullptr);

    // Opened again, the old box left empty: that is no password, which
    // this radio does not accept.
    dialog = open();
    QCOMPARE(PassOld, PasswordCodesOf(QString()));
    typeInto(dialog->Text_New_Password_1, QStringLiteral("abc"));
    typeInto(dialog->Text_New_PassWord_2, QStringLiteral("abc"));
    dialog->Command_Write->click();
    QVERIFY(runToMessage());
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Old PassWord Error, Writeing Stop")});
    QCOMPARE(radio_->memoryRange(kPassAt, 6), QByteArray("583920"));
}

void TestFormWritePassWord::final_byte_other_than_ack_reports_the_failure_and_keeps_the_dialog()
{
    radio_->addFault(Fault::WrongAck, ReplyKind::WriteAck, 0, 1);
    Form_Write_PassWord* dialog = open();
    typeInto(dialog->Text_Old_PassWord, QStringLiteral("583920"));
    typeInto(dialog->Text_New_Password_1, QStringLiteral("abc"));
    typeInto(dialog->Text_New_PassWord_2, QStringLiteral("abc"));
    dialog->Command_Write->click();
    QVERIFY(runToMessage());
    QCOMPARE(recorder_->takeTexts(), QStringList{kFailConnect});
    clock_->advance(5000);
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
    QCOMPARE(dialog->CloseReq, 0);
    QCOMPARE(dialog->Text_Old_PassWord->text(), QStringLiteral("583920"));
    QVERIFY(!dialog->link().Writing());
    QVERIFY(!ports_->isOpen(kPort));
}

void TestFormWritePassWord::silentRadioFailsAndTheDialogStays()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    Form_Write_PassWord* dialog = open();
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) { failedAt = clock_->nowMs(); };
    dialog->Command_Write->click();
    // Close is refused while the radio's silence is timed and through the
    // wait before the failure message, so the failure is always reported.
    QVERIFY(clock_->advanceUntil([this] { return ports_->writeLog(kPort).size() == 8; }, 1000));
    for (const qint64 into : {500, 3000}) {
        clock_->advance(into);
        dialog->Command_Cancel->click();
        QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
        QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
    }
    QVERIFY(runToMessage());
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kFailConnect);
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), 8);  // the link-open frame, a byte at a time, once
    QCOMPARE(failedAt, log.last().atMs + 1000 + 5000);
    clock_->advance(20000);
    QCOMPARE(ports_->writeLog(kPort).size(), 8);
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), nullptr);
}

void TestFormWritePassWord::closeRefusedWhileTheExchangeRuns()
{
    radio_->setPasswords("", "");
    Form_Write_PassWord* dialog = open();
    dialog->Command_Write->click();
    clock_->advance(100);
    dialog->Command_Cancel->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
    QCOMPARE(Windows::Find<Form_Write_PassWord>(), dialog);
    QVERIFY(runToMessage());
    QCOMPARE(recorder_->takeTexts(), QStringList{kSuccess});
}

void TestFormWritePassWord::typingStopsAfterSixCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("seventh character dropped") << "1234567"
                                               << "123456";
    QTest::newRow("leading blanks do not count") << "   1234567"
                                                 << "   123456";
    QTest::newRow("a short one") << "ab"
                                 << "ab";
}

void TestFormWritePassWord::typingStopsAfterSixCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Form_Write_PassWord* dialog = open();
    for (KitText* box : {dialog->Text_Old_PassWord, dialog->Text_New_Password_1, dialog->Text_New_PassWord_2}) {
        typeInto(box, typed);
        QCOMPARE(box->text(), kept);
    }
    QCOMPARE(PassOld, PasswordCodesOf(kept));
    // Backspace always passes.
    KitDriver::PressKey(dialog->Text_New_Password_1, Qt::Key_Backspace);
    QCOMPARE(dialog->Text_New_Password_1->text(), kept.chopped(1));
}

QTEST_MAIN(TestFormWritePassWord)
#include "tst_form_write_password.moc"
