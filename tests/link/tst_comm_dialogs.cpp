// The whole-image read and write dialogs in the application, opened from
// the main window's menus, against the radio simulator in process on
// virtual time.

#include "app/mdimain.h"
#include "core/five_tone_tables.h"
#include "core/freq_codec.h"
#include "core/memory_image.h"
#include "core/model_bands.h"
#include "core/status_panels.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "link/ui/form_write_password.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"
#include "support/image_rows.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QtTest>
#include <memory>

namespace {

constexpr int kPort = 3;
constexpr qint64 kLongEnough = 600000;
const QString kFailConnect = QStringLiteral("Fail connect with transceiver.");

// What the dialog's bar and label showed, one entry per change.
struct Shown {
    QStringList labels;
    QList<int> bars;
    void take(const WholeImageDialog& dialog)
    {
        const QString label = dialog.Label_tr_count->text();
        if (labels.isEmpty() || labels.last() != label)
            labels << label;
        const int bar = dialog.ProgressBar1->isHidden() ? -1 : dialog.ProgressBar1->value();
        if (bars.isEmpty() || bars.last() != bar)
            bars << bar;
    }
};

int LinkOpens(const RadioSimulator& radio)
{
    return radio.heardCount(RadioSimulator::Heard::LinkOpen);
}

}  // namespace

class TestCommDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readOpensIdleWithItsCaptions();
    void readFillsRowsZeroTo787AndLeavesTheRest();
    void readRefusesReadAndCancelWhileItRuns();
    void readOfASilentRadioFailsAfterFourAttempts();

    void writeSendsRowsZeroTo783WithTheToneTables();
    void writeOfAChannelOutOfBandSendsNothing_data();
    void writeOfAChannelOutOfBandSendsNothing();
    void value_outside_a_byte_that_would_be_sent_stops_the_write_data();
    void value_outside_a_byte_that_would_be_sent_stops_the_write();
    void writeChecksThePasswordItsBoxShows();
    void writeOfASilentRadioHidesTheBarThenShowsTheFault();
    void writeRefusesWriteAndCancelWhileItRuns();
    void writeRefusesCancelUntilItsFailureHasBeenReported();
    void writeToAPortThatDoesNotOpen();

    void freshOpeningEndsARunningTransfer_data();
    void freshOpeningEndsARunningTransfer();
    void toolbarOpensFreshInstances();

private:
    MDImain* startUp();
    // Runs the clock until the dialog's transfer has ended, noting every
    // change of its bar and label.
    bool runTransfer(const WholeImageDialog& dialog, Shown* display = nullptr);

    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    MDImain* main_ = nullptr;
};

void TestCommDialogs::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    clock_ = std::make_unique<VirtualClock>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    radio_->setPasswords("583920", "");
    ports_->attach(kPort, *radio_);
    SetScreenSize(QSize(1280, 800));
    LangChinese = 0;
    main_ = startUp();
    QVERIFY(main_ != nullptr);
    QCOMPARE(CommPortNo, kPort);
}

void TestCommDialogs::cleanup()
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

MDImain* TestCommDialogs::startUp()
{
    MDImain* main = Windows::Load<MDImain>();
    if (main == nullptr)
        return nullptr;
    // The radio on the found port is identified after the start-up.
    if (!clock_->advanceUntil([main] { return !main->Identification().running(); }, 10000))
        return nullptr;
    if (StatusBar1.text(2) != QLatin1String("TR-UV1"))
        return nullptr;
    ports_->clearWrites(kPort);
    radio_->heard.clear();
    return main;
}

bool TestCommDialogs::runTransfer(const WholeImageDialog& dialog, Shown* display)
{
    const QPointer<const WholeImageDialog> alive(&dialog);
    if (display != nullptr)
        display->take(dialog);
    return clock_->advanceUntil(
        [&] {
            if (alive.isNull() || !alive->isLoaded())
                return true;
            if (display != nullptr)
                display->take(*alive);
            return !alive->transfer().busy() && !ports_->isOpen(kPort);
        },
        kLongEnough);
}

void TestCommDialogs::readOpensIdleWithItsCaptions()
{
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Read Data From Radio"));
    QCOMPARE(dialog->Command_read->caption(), QStringLiteral("Read"));
    QCOMPARE(dialog->Command_Cancel->caption(), QStringLiteral("Cancel"));
    QCOMPARE(dialog->Command_Help->caption(), QStringLiteral("Help"));
    QCOMPARE(dialog->Label_PassWord->text(), QStringLiteral("PassWord"));
    QCOMPARE(dialog->Label_PassWord->buddy(), dialog->Text_PassWord);
    QCOMPARE(dialog->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(dialog->Text_PassWord->displayText(), QStringLiteral("******"));
    QVERIFY(!dialog->ProgressBar1->isHidden());
    QCOMPARE(dialog->ProgressBar1->value(), 0);
    QCOMPARE(dialog->Label_tr_count->text(), QString());
    QCOMPARE(dialog->CloseReq, 0);
    // Twips, to the pixel.
    QVERIFY(qAbs(dialog->Width() - main_->Width() / 3) <= 15);
    QVERIFY(qAbs(dialog->Height() - main_->Height() / 3) <= 15);
    QVERIFY(qAbs(dialog->Left() - (main_->Width() - dialog->Width()) / 2) <= 15);
    QVERIFY(qAbs(dialog->Top() - (main_->Height() - dialog->Height()) / 3) <= 15);

    // Help does nothing; the close poller leaves the dialog alone.
    const int opens = ports_->opens(kPort);
    dialog->Command_Help->click();
    clock_->advance(5000);
    QCOMPARE(Windows::Find<Form_Comm_Read>(), dialog);
    QCOMPARE(ports_->opens(kPort), opens);

    LangChinese = 1;
    main_->Prog_read->trigger();
    dialog = Windows::Find<Form_Comm_Read>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("从对讲机读取数据"));
    QCOMPARE(dialog->Command_read->caption(), QStringLiteral("读取"));
    QCOMPARE(dialog->Label_PassWord->text(), QStringLiteral("读写密码"));

    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Comm_Read>(), nullptr);
}

void TestCommDialogs::readFillsRowsZeroTo787AndLeavesTheRest()
{
    radio_->fillRowPattern(1);
    const MemoryImage before = Edata;
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    recorder_->onShow = [&](const ShownMessage&) {
        // The message comes before the label, with the bar where it stopped.
        QCOMPARE(dialog->Label_tr_count->text(), QStringLiteral("Reading 200 Data Block"));
        QCOMPARE(dialog->ProgressBar1->value(), 99);
        QVERIFY(!dialog->transfer().busy());
    };
    dialog->Command_read->click();
    Shown display;
    QVERIFY(runTransfer(*dialog, &display));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete reading data from the transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));

    QStringList expected{QStringLiteral("Connecting with transceiver. ")};
    for (int n = 1; n <= 200; ++n)
        expected << QStringLiteral("Reading %1 Data Block").arg(n);
    expected << QStringLiteral("Read Data is Ok ！");
    QCOMPARE(display.labels, expected);
    QCOMPARE(display.bars.first(), 0);
    QCOMPARE(display.bars.last(), 99);
    QVERIFY(std::is_sorted(display.bars.begin(), display.bars.end()));

    for (int row = 0; row < kImageRows; ++row) {
        for (int c = 0; c < kRowBytes; ++c) {
            const int want = row <= Area::WholeRead.lastRow() ? radio_->memoryByte(row * 16 + c) : before(row, c);
            QCOMPARE(static_cast<int>(Edata(row, c)), want);
        }
    }
    // 201 requests: address 0x0000 twice, the password block, nothing written.
    QList<int> reads;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Read && h.length == kBlockBytes)
            reads << h.address;
    }
    QCOMPARE(reads.size(), 201);
    QCOMPARE(reads.mid(0, 3), (QList<int>{0x0000, 0x0000, 0x0040}));
    QCOMPARE(reads.last(), 0x31C0);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(Windows::Find<Form_Comm_Read>(), dialog);  // stays open
}

void TestCommDialogs::readRefusesReadAndCancelWhileItRuns()
{
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    dialog->Command_read->click();
    QVERIFY(clock_->advanceUntil(
        [&] { return dialog->Label_tr_count->text() == QLatin1String("Reading 20 Data Block"); }, 60000));
    dialog->Command_read->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating with transceiver .")});
    dialog->Command_Cancel->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
    QCOMPARE(Windows::Find<Form_Comm_Read>(), dialog);
    QVERIFY(runTransfer(*dialog));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading data from the transceiver.")});
    QCOMPARE(LinkOpens(*radio_), 1);
    // Idle again: Cancel closes it.
    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Comm_Read>(), nullptr);
}

void TestCommDialogs::readOfASilentRadioFailsAfterFourAttempts()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    const MemoryImage before = Edata;
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) { failedAt = clock_->nowMs(); };
    dialog->Command_read->click();
    QVERIFY(clock_->advanceUntil([&] { return recorder_->count() > 0; }, 60000));
    QCOMPARE(recorder_->takeTexts(), QStringList{kFailConnect});
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), 4);
    for (const SimPortFactory::Written& w : log)
        QCOMPARE(w.bytes, LinkOpenBytes());
    QCOMPARE(log.at(1).atMs - log.at(0).atMs, 1000 + 3000 + 15);
    QCOMPARE(failedAt, log.last().atMs + 1000 + 3000);
    QCOMPARE(dialog->ProgressBar1->value(), 0);
    QCOMPARE(dialog->Label_tr_count->text(), QStringLiteral("Communication fault."));
    QVERIFY(Edata == before);
    QVERIFY(!ports_->isOpen(kPort));
    QVERIFY(!dialog->transfer().busy());
}

void TestCommDialogs::writeSendsRowsZeroTo783WithTheToneTables()
{
    radio_->fillRowPattern(1);
    const QByteArray radioBefore = radio_->memory;
    Edata = RowPatternImage(2);
    MemoryImage expected = Edata;
    InitFiveToneTables(expected);
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Write Data to Radio"));
    QCOMPARE(dialog->Command_Write->caption(), QStringLiteral("Write"));
    QCOMPARE(dialog->Text_PassWord->text(), QStringLiteral("263958"));
    dialog->Text_PassWord->setText(QStringLiteral("583920"));
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(dialog->Label_tr_count->text(), QStringLiteral("Writing  783  Data Block"));
        QCOMPARE(dialog->ProgressBar1->value(), 99);
    };
    dialog->Command_Write->click();
    Shown display;
    QVERIFY(runTransfer(*dialog, &display));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete Written the data to transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));

    QCOMPARE(display.labels.at(0), QStringLiteral("Connecting with transceiver. "));
    QCOMPARE(display.labels.at(1), QStringLiteral("Writing  1  Data Block"));
    QCOMPARE(display.labels.at(display.labels.size() - 2), QStringLiteral("Writing  783  Data Block"));
    QCOMPARE(display.labels.last(), QStringLiteral("Data Writed ！"));
    QCOMPARE(display.labels.size(), 1 + 783 + 1);
    QCOMPARE(display.bars.last(), 99);

    QVERIFY(Edata == expected);  // the tone tables were written into the image
    for (int a = 0; a < RadioSimulator::kMemoryBytes; ++a) {
        const int want = a <= 0x30FF ? expected(a / 16, a % 16) : static_cast<std::uint8_t>(radioBefore.at(a));
        QCOMPARE(radio_->memoryByte(a), want);
    }
    QList<int> written;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Write)
            written << h.address;
    }
    QCOMPARE(written.size(), 784);
    for (int k = 0; k < written.size(); ++k)
        QCOMPARE(written.at(k), 16 * k);
    QVERIFY(!ports_->isOpen(kPort));
}

void TestCommDialogs::writeOfAChannelOutOfBandSendsNothing_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("message");
    QTest::newRow("channel 0 receive below VHF")
        << 0 << 0 << "135.99000"
        << "Channel 0that Receiving or transmitting frequency  out of frequency limitation range ";
    QTest::newRow("channel 57 transmit between the bands")
        << 57 << 4 << "300.00000"
        << "Channel 57that Receiving or transmitting frequency  out of frequency limitation range ";
    QTest::newRow("channel 199 above UHF")
        << 199 << 4 << "471.00000"
        << "Channel 199that Receiving or transmitting frequency  out of frequency limitation range ";
}

void TestCommDialogs::writeOfAChannelOutOfBandSendsNothing()
{
    QFETCH(int, channel);
    QFETCH(int, column);
    QFETCH(QString, freq);
    QFETCH(QString, message);
    Edata = RowPatternImage(2);
    PutFreq(freq, channel, column, Edata);
    const MemoryImage before = Edata;
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    const int opens = ports_->opens(kPort);
    dialog->Command_Write->click();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    clock_->advance(20000);
    QCOMPARE(ports_->opens(kPort), opens);
    QVERIFY(ports_->writes(kPort).isEmpty());
    QVERIFY(Edata == before);  // not even the tone tables
    QCOMPARE(dialog->Label_tr_count->text(), QString());
    QVERIFY(!dialog->transfer().busy());
}

void TestCommDialogs::value_outside_a_byte_that_would_be_sent_stops_the_write_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("refused");
    QTest::newRow("-1 in a tone of channel 0") << 0 << 9 << -1 << true;
    QTest::newRow("256 in the last row sent") << 783 << 15 << 256 << true;
    QTest::newRow("300 in the 16th row of a tone page") << 527 << 0 << 300 << true;
    QTest::newRow("999 in a tone table row, written over") << 520 << 3 << 999 << false;
    QTest::newRow("256 in a row not sent") << 784 << 0 << 256 << false;
}

void TestCommDialogs::value_outside_a_byte_that_would_be_sent_stops_the_write()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, value);
    QFETCH(bool, refused);
    Edata = RowPatternImage(2);
    Edata(row, col) = static_cast<std::int16_t>(value);
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Text_PassWord->setText(QStringLiteral("583920"));
    const int opens = ports_->opens(kPort);
    dialog->Command_Write->click();
    if (refused) {
        const QList<ShownMessage> shown = recorder_->takeAll();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(
            shown.first().text,
            QStringLiteral("Row %1 of the data holds a value out of 0..255, nothing is written to the transceiver.")
                .arg(row));
        clock_->advance(20000);
        QCOMPARE(ports_->opens(kPort), opens);
        QVERIFY(ports_->writes(kPort).isEmpty());
        QVERIFY(!dialog->transfer().busy());
        return;
    }
    QVERIFY(runTransfer(*dialog));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete Written the data to transceiver.")});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 784);
}

void TestCommDialogs::writeChecksThePasswordItsBoxShows()
{
    // The box opens with 263958, and that is what is checked.
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Command_Write->click();
    QVERIFY(runTransfer(*dialog));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("PassWord Error, Reading Stop"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    QCOMPARE(dialog->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));

    // A radio without password takes any.
    radio_->setPasswords("", "");
    dialog->Command_Write->click();
    QVERIFY(runTransfer(*dialog));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete Written the data to transceiver.")});
}

void TestCommDialogs::writeOfASilentRadioHidesTheBarThenShowsTheFault()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) {
        failedAt = clock_->nowMs();
        QVERIFY(dialog->ProgressBar1->isHidden());
        QCOMPARE(dialog->ProgressBar1->value(), 0);
        QCOMPARE(dialog->Label_tr_count->text(), QString());
    };
    dialog->Command_Write->click();
    QVERIFY(clock_->advanceUntil([&] { return recorder_->count() > 0; }, 60000));
    QCOMPARE(recorder_->takeTexts(), QStringList{kFailConnect});
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), 1);  // no retry
    QCOMPARE(failedAt, log.last().atMs + 1000 + 5000);
    QCOMPARE(dialog->Label_tr_count->text(), QStringLiteral("Communication fault."));
    clock_->advance(30000);
    QCOMPARE(ports_->writeLog(kPort).size(), 1);
    QVERIFY(!ports_->isOpen(kPort));
}

void TestCommDialogs::writeRefusesWriteAndCancelWhileItRuns()
{
    radio_->setPasswords("", "");
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Command_Write->click();
    QVERIFY(clock_->advanceUntil(
        [&] { return dialog->Label_tr_count->text() == QLatin1String("Writing  100  Data Block"); }, 60000));
    dialog->Command_Write->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating with transceiver .")});
    dialog->Command_Cancel->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
    QVERIFY(runTransfer(*dialog));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete Written the data to transceiver.")});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 784);
}

void TestCommDialogs::writeRefusesCancelUntilItsFailureHasBeenReported()
{
    // Cancel pressed every half second, through the reply time-out and the
    // wait before the failure message: every press is refused, so a write
    // that may have left the radio half written is always reported.
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Command_Write->click();
    int presses = 0;
    for (;;) {
        clock_->advance(500);
        if (recorder_->count() > 0)
            break;
        dialog->Command_Cancel->click();
        QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window. ,")});
        QCOMPARE(Windows::Find<Form_Comm_Write>(), dialog);
        QVERIFY(++presses < 200);
    }
    QVERIFY(presses >= 10);  // the last ones inside the 5 s wait
    QCOMPARE(recorder_->takeTexts(), QStringList{kFailConnect});
    dialog->Command_Cancel->click();
    QCOMPARE(Windows::Find<Form_Comm_Write>(), nullptr);
}

void TestCommDialogs::writeToAPortThatDoesNotOpen()
{
    ports_->pullCable(kPort);
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Command_Write->click();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text,
             QStringLiteral("Communication port is error, please setting right communication port . ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(PortError, -1);
    QVERIFY(!dialog->transfer().busy());
    QCOMPARE(dialog->Label_tr_count->text(), QString());
    QCOMPARE(dialog->ProgressBar1->value(), 0);
}

void TestCommDialogs::freshOpeningEndsARunningTransfer_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("Read") << 0;
    QTest::newRow("Write") << 1;
    QTest::newRow("PassWord") << 2;
}

void TestCommDialogs::freshOpeningEndsARunningTransfer()
{
    QFETCH(int, which);
    radio_->setPasswords("", "");
    QAction* item = which == 0 ? main_->Prog_read : which == 1 ? main_->Prog_write : main_->PC_PassWord;
    auto find = [which]() -> Window* {
        if (which == 0)
            return Windows::Find<Form_Comm_Read>();
        if (which == 1)
            return Windows::Find<Form_Comm_Write>();
        return Windows::Find<Form_Write_PassWord>();
    };
    auto start = [which](Window* window) {
        if (which == 0)
            static_cast<Form_Comm_Read*>(window)->Command_read->click();
        else if (which == 1)
            static_cast<Form_Comm_Write*>(window)->Command_Write->click();
        else
            static_cast<Form_Write_PassWord*>(window)->Command_Write->click();
    };

    item->trigger();
    QPointer<Window> old = find();
    start(old);
    // Midway, between two frames (the password dialog sends a byte per write:
    // the link-open frame and its block request), the port held.
    QVERIFY(clock_->advanceUntil([&] { return ports_->writes(kPort).size() >= (which == 2 ? 13 : 6); }, 60000));
    QVERIFY(ports_->isOpen(kPort));

    item->trigger();
    Window* fresh = find();
    QVERIFY(fresh != nullptr);
    QVERIFY(fresh != old.data());
    QVERIFY(!old->isLoaded());
    QVERIFY(!ports_->isOpen(kPort));  // closed and given back
    const int sent = static_cast<int>(ports_->writes(kPort).size());
    clock_->advance(30000);
    QCOMPARE(static_cast<int>(ports_->writes(kPort).size()), sent);  // no timer of the old one acts
    QCOMPARE(recorder_->count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());

    // The fresh one opens the same port and runs to the end.
    const int opens = ports_->opens(kPort);
    start(fresh);
    QCOMPARE(ports_->opens(kPort), opens + 1);
    QVERIFY(clock_->advanceUntil([&] { return recorder_->count() > 0; }, kLongEnough));
    const QStringList done{QStringLiteral("Complete reading data from the transceiver."),
                           QStringLiteral("Complete Written the data to transceiver."),
                           QStringLiteral("PassWord Modify Success ! ")};
    QCOMPARE(recorder_->takeTexts(), QStringList{done.at(which)});
}

void TestCommDialogs::toolbarOpensFreshInstances()
{
    main_->Toolbar1_ButtonClick(QStringLiteral("read"));
    QPointer<Form_Comm_Read> read = Windows::Find<Form_Comm_Read>();
    QVERIFY(read);
    main_->Toolbar1_ButtonClick(QStringLiteral("read"));
    QVERIFY(Windows::Find<Form_Comm_Read>() != nullptr);
    QVERIFY(Windows::Find<Form_Comm_Read>() != read.data());
    main_->Toolbar1_ButtonClick(QStringLiteral("write"));
    QPointer<Form_Comm_Write> write = Windows::Find<Form_Comm_Write>();
    QVERIFY(write);
    main_->Toolbar1_ButtonClick(QStringLiteral("write"));
    QVERIFY(Windows::Find<Form_Comm_Write>() != write.data());
    QVERIFY(Windows::Find<Form_Comm_Read>() != nullptr);  // the read dialog stays
}

QTEST_MAIN(TestCommDialogs)
#include "tst_comm_dialogs.moc"
