// The FM preset window as a child of the main window, driven through the
// kit's event paths: its load, captions and placement, the grid and its
// editor, the buttons and their refusals while a transfer runs, the open
// edit committed by Write and Save, editors dropped when their preset is
// replaced, and its closing; its transfer against the radio simulator in
// process, on virtual time.

#include "channels/fm_page.h"
#include "channels/ui/frm_fm.h"
#include "core/dat_file.h"
#include "core/fm_defaults.h"
#include "core/open_edits.h"
#include "core/startup_image.h"
#include "core/tone_list.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/kit_grid.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/test_frame.h"
#include "support/virtual_clock.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kPort = 6;
constexpr qint64 kLongEnough = 600000;
constexpr int kSeed = 5;
constexpr int kFirstRow = 768;  // preset 1

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kRangeMessage = QStringLiteral("Over the range of receive frequency .");

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

}  // namespace

class TestFrmFm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placement_follows_the_main_window();
    void captions_data();
    void captions();
    void password_box_holds_the_preset_password();
    void load_activation_and_show_change_no_byte_data();
    void load_activation_and_show_change_no_byte();

    void no_editor_opens_in_column_0_or_the_spare_row();
    void typed_cells_are_stored_when_left();
    void clicks_through_an_erased_preset_change_nothing();
    void leaving_column_0_of_a_default_preset_moves_its_name();
    void scroll_hides_the_editor_and_its_edit_stays_pending();

    void write_commits_the_open_edit_first();
    void refused_commit_stops_write_and_save_data();
    void refused_commit_stops_write_and_save();
    void whole_image_commit_reaches_the_open_edit();
    void editor_open_when_its_preset_is_replaced_is_dropped_data();
    void editor_open_when_its_preset_is_replaced_is_dropped();

    void read_redraws_the_grid_before_its_message();
    void default_writes_the_stations();
    void clear_zeroes_the_page_and_a_write_sends_the_zeros();
    void typed_into_the_editor_clear_left_open_is_stored_data();
    void typed_into_the_editor_clear_left_open_is_stored();
    void open_save_and_close_when_idle();
    void dat_file_opened_from_the_window_shows_once_it_is_active();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void close_box_during_a_transfer_warns_and_closes();

private:
    bool runUntil(const std::function<bool()>& done) { return clock_->advanceUntil(done, kLongEnough); }
    bool runToEnd()
    {
        return runUntil([this] { return !ends_.isEmpty(); });
    }
    void readUnderWay();
    void click(int row, int col) { KitDriver::ClickCell(window_->MSF_Chann, row, col); }
    // Replaces the editor's text by typing.
    void retype(const QString& text);
    QString cell(int row, int col) const { return window_->MSF_Chann->textMatrix(row, col); }
    void activateAgain();
    frm_FM* reload();

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    TestFrame* frame_ = nullptr;
    frm_FM* window_ = nullptr;
    QList<TransferEnd> ends_;
};

void TestFrmFm::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrmFm::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    radio_->fillRowPattern(kSeed);
    ports_->attach(kPort, *radio_);
    CommPortNo = kPort;
    PortError = 0;
    LangChinese = 0;
    Edata.fill(kErased);
    FM_Defaults();
    ends_.clear();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    reload();
    QVERIFY(window_ != nullptr);
}

void TestFrmFm::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    LangChinese = 0;
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
    ports_.reset();
    radio_.reset();
    clock_.reset();
}

frm_FM* TestFrmFm::reload()
{
    Windows::Unload<frm_FM>();
    window_ = Windows::Load<frm_FM>();
    if (window_ != nullptr)
        window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
    return window_;
}

void TestFrmFm::readUnderWay()
{
    window_->Command_read->click();
    QVERIFY(runUntil([this] { return radio_->answered(ReplyKind::Block) >= 2; }));
    QVERIFY(window_->Reading());
}

void TestFrmFm::retype(const QString& text)
{
    QVERIFY(window_->Text_Edit->isVisible());
    window_->Text_Edit->setText(QString());
    KitDriver::TypeText(window_->Text_Edit, text);
}

void TestFrmFm::activateAgain()
{
    Windows::Load<OtherChild>();
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(frame_->activeChild(), window_);
}

void TestFrmFm::placement_follows_the_main_window()
{
    const double width = frame_->Width() / 1.8;
    const double height = frame_->Height() / 1.5;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 1.5)));
    QCOMPARE(window_->MSF_Chann->width(), TwipsToPixels(window_->ScaleWidth() / 2.25));
    QCOMPARE(window_->MSF_Chann->height(), TwipsToPixels(window_->Height() / 1.7));
    QCOMPARE(frame_->activeChild(), window_);
    QVERIFY(window_->Text_Edit->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QCOMPARE(window_->MSF_Chann->rows(), 18);
    QCOMPARE(window_->MSF_Chann->col(), FmCol::Number);
    for (int r = 1; r <= 16; ++r)
        QCOMPARE(cell(r, FmCol::Number), QString::number(r));
    QCOMPARE(cell(17, FmCol::Number), QString());
}

void TestFrmFm::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
                             << QStringList{"FM Radio Information",
                                            "Read",
                                            "Write",
                                            "Clear",
                                            "Save",
                                            "Open",
                                            "Close",
                                            "Default",
                                            "PassWord",
                                            "FM  Channel",
                                            " Receive Frequency (MHZ)",
                                            " FM Station Name  "};
    QTest::newRow("Chinese") << -1
                             << QStringList{"FM 收音机频道编辑",
                                            "读 取",
                                            "写  入",
                                            "清  除",
                                            "保  存",
                                            "打  开",
                                            "关  闭",
                                            "默认",
                                            "读写密码",
                                            "FM 频 道 号",
                                            "  接  收  频  率 (MHZ)  ",
                                            "     电    台    名    称    "};
}

void TestFrmFm::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    LangChinese = chinese;
    reload();
    LangChinese = 0;
    const QStringList shown{window_->windowTitle(),
                            window_->Command_read->caption(),
                            window_->Command_Write->caption(),
                            window_->Command_Clear->caption(),
                            window_->Command_save->caption(),
                            window_->Command_open->caption(),
                            window_->Command_close->caption(),
                            window_->Command_def->caption(),
                            window_->Label_PassWord->text(),
                            cell(0, FmCol::Number),
                            cell(0, FmCol::Freq),
                            cell(0, FmCol::Name)};
    QCOMPARE(shown, captions);
    QCOMPARE(window_->MSF_Chann->colAlignment(FmCol::Name), Qt::AlignHCenter);
    QCOMPARE(window_->Label_PassWord->buddy(), window_->Text_PassWord);
}

void TestFrmFm::password_box_holds_the_preset_password()
{
    reload();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
}

void TestFrmFm::load_activation_and_show_change_no_byte_data()
{
    QTest::addColumn<bool>("erasedPage");
    QTest::newRow("start-up image") << false;
    QTest::newRow("erased page") << true;
}

void TestFrmFm::load_activation_and_show_change_no_byte()
{
    QFETCH(bool, erasedPage);
    Windows::Unload<frm_FM>();
    BuildStartupImage();
    if (erasedPage)
        Edata.fillRows(Area::FmPage.firstRow(), Area::FmPage.lastRow(), kErased);
    const MemoryImage before = Edata;
    reload();
    activateAgain();
    QVERIFY(Edata == before);
    QCOMPARE(cell(1, FmCol::Freq), erasedPage ? QStringLiteral("28333.33305") : QStringLiteral("88.90000"));
    QCOMPARE(cell(1, FmCol::Name), erasedPage ? QString() : QStringLiteral("MBNEW"));
    QCOMPARE(cell(3, FmCol::Freq), erasedPage ? QStringLiteral("28333.33305") : QString());
}

void TestFrmFm::no_editor_opens_in_column_0_or_the_spare_row()
{
    const MemoryImage before = Edata;
    for (const auto& [row, col] : {std::pair{3, FmCol::Number}, {17, FmCol::Freq}, {17, FmCol::Name}}) {
        click(row, col);
        QVERIFY2(window_->Text_Edit->isHidden(), qPrintable(QStringLiteral("%1, %2").arg(row).arg(col)));
    }
    // Typed into the spare row's cell, nothing lands anywhere.
    window_->MSF_Chann->setTextMatrix(17, FmCol::Freq, QStringLiteral("99.5"));
    click(17, FmCol::Freq);
    click(16, FmCol::Number);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(RowHex(Edata, 784), RowHex(before, 784));
    QCOMPARE(RowHex(Edata, 767), RowHex(before, 767));
}

void TestFrmFm::typed_cells_are_stored_when_left()
{
    click(5, FmCol::Freq);
    QVERIFY(window_->Text_Edit->isVisible());
    QCOMPARE(window_->Text_Edit->text(), QString());
    retype(QStringLiteral("99.5"));
    click(5, FmCol::Name);
    QCOMPARE(cell(5, FmCol::Freq), QStringLiteral("99.50000"));
    retype(QStringLiteral("rock"));
    click(5, FmCol::Number);
    QVERIFY(window_->Text_Edit->isHidden());
    QCOMPARE(cell(5, FmCol::Name), QStringLiteral("ROCK"));
    QCOMPARE(RowHex(Edata, kFirstRow + 4), QByteArray("00 09 09 05 00 00 00 00 FF FF 52 4F 43 4B FF FF"));

    // Out of range: the message once the cell is done, and the lower limit.
    click(5, FmCol::Freq);
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("99.50000"));
    retype(QStringLiteral("120"));
    click(6, FmCol::Freq);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRangeMessage});
    QCOMPARE(cell(5, FmCol::Freq), QStringLiteral("87.00000"));
    QCOMPARE(cell(5, FmCol::Name), QStringLiteral("ROCK"));
    QCOMPARE(RowHex(Edata, kFirstRow + 4), QByteArray("00 08 07 00 00 00 00 00 FF FF 52 4F 43 4B FF FF"));
    // The click that showed the box still opened its cell.
    QVERIFY(window_->Text_Edit->isVisible());
}

void TestFrmFm::clicks_through_an_erased_preset_change_nothing()
{
    Edata.fillRows(Area::FmPage.firstRow(), Area::FmPage.lastRow(), kErased);
    activateAgain();
    const MemoryImage before = Edata;
    click(2, FmCol::Freq);
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("28333.33305"));
    click(2, FmCol::Name);
    click(2, FmCol::Number);
    click(3, FmCol::Freq);
    click(4, FmCol::Name);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(Edata == before);
}

void TestFrmFm::leaving_column_0_of_a_default_preset_moves_its_name()
{
    QCOMPARE(RowHex(Edata, kFirstRow), QByteArray("00 08 08 09 00 00 00 00 4D 42 4E 45 57 FF FF FF"));
    click(1, FmCol::Number);
    click(2, FmCol::Number);
    QCOMPARE(RowHex(Edata, kFirstRow), QByteArray("00 08 08 09 00 00 00 00 FF 4D 42 4E 45 57 FF FF"));
    QCOMPARE(cell(1, FmCol::Name), QStringLiteral("MBNEW"));
    activateAgain();
    QCOMPARE(cell(1, FmCol::Name), QStringLiteral("MBNEW"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmFm::scroll_hides_the_editor_and_its_edit_stays_pending()
{
    // A grid sized for fewer rows than it holds scrolls.
    window_->MSF_Chann->setDesignSize(PixelsToTwips(window_->MSF_Chann->width()), 6 * KitGrid::kDesignRowTwips);
    click(3, FmCol::Freq);
    retype(QStringLiteral("101.1"));
    window_->MSF_Chann->setTopRow(4);
    QVERIFY(window_->Text_Edit->isHidden());
    window_->MSF_Chann->setTopRow(1);
    // Back over its cell, the edit is where it was.
    click(3, FmCol::Freq);
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("101.1"));
    click(4, FmCol::Freq);
    QCOMPARE(RowHex(Edata, kFirstRow + 2).left(23), QByteArray("01 00 01 01 00 00 00 00"));
}

void TestFrmFm::write_commits_the_open_edit_first()
{
    click(3, FmCol::Freq);
    retype(QStringLiteral("101.1"));
    window_->Command_Write->click();
    QVERIFY(window_->Text_Edit->isHidden());
    QCOMPARE(cell(3, FmCol::Freq), QStringLiteral("101.10000"));
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::WriteDone);
    recorder_->takeAll();
    QCOMPARE(radio_->memoryRange(0x3020, 8), QByteArray("\x01\x00\x01\x01\x00\x00\x00\x00", 8));
}

void TestFrmFm::refused_commit_stops_write_and_save_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("Write, frequency") << false << FmCol::Freq << "120" << kRangeMessage;
    QTest::newRow("Save, frequency") << true << FmCol::Freq << "abc" << kRangeMessage;
    QTest::newRow("Write, name") << false << FmCol::Name << "abcdefg"
                                 << "The letter of channel name max 6 bit . ";
}

void TestFrmFm::refused_commit_stops_write_and_save()
{
    QFETCH(bool, save);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    click(1, col);
    retype(typed);
    (save ? window_->Command_save : window_->Command_Write)->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QCOMPARE(ports_->opens(kPort), 0);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    // The commit itself was made; pressed again, the button goes on.
    (save ? window_->Command_save : window_->Command_Write)->click();
    QCOMPARE(save ? Windows::Find<Form_save_chann>() != nullptr : window_->Writing(), true);
    if (!save) {
        QVERIFY(runToEnd());
        recorder_->takeAll();
    }
}

void TestFrmFm::whole_image_commit_reaches_the_open_edit()
{
    click(2, FmCol::Name);
    retype(QStringLiteral("jazz"));
    QVERIFY(CommitOpenEdits());
    QCOMPARE(RowHex(Edata, kFirstRow + 1).right(23), QByteArray("FF FF 4A 41 5A 5A FF FF"));
    // Nothing is open any more.
    QVERIFY(CommitOpenEdits());
    click(3, FmCol::Freq);
    retype(QStringLiteral("50"));
    QVERIFY(!CommitOpenEdits());
    QCOMPARE(recorder_->takeTexts(), QStringList{kRangeMessage});
}

void TestFrmFm::editor_open_when_its_preset_is_replaced_is_dropped_data()
{
    QTest::addColumn<QString>("by");
    QTest::newRow("Default") << "Default";
    QTest::newRow("a read") << "read";
    QTest::newRow("a .dat file, before the activation") << "file";
}

void TestFrmFm::editor_open_when_its_preset_is_replaced_is_dropped()
{
    QFETCH(QString, by);
    click(3, FmCol::Freq);
    retype(QStringLiteral("101.1"));
    MemoryImage replaced = Edata;
    if (by == QLatin1String("Default")) {
        FM_Defaults(replaced);
        window_->Command_def->click();
    } else if (by == QLatin1String("read")) {
        window_->Command_read->click();
        QVERIFY(runToEnd());
        recorder_->takeAll();
        replaced = Edata;
    } else {
        SetRow(Edata, kFirstRow + 2, "00 09 02 00 00 00 00 00 FF FF 46 49 4C 45 FF FF");
        replaced = Edata;
        activateAgain();
    }
    // Preset 3's row shows the new bytes, not the old edit, and leaving the
    // cell stores nothing.
    QVERIFY(window_->Text_Edit->isHidden());
    click(4, FmCol::Number);
    QCOMPARE(RowHex(Edata, kFirstRow + 2), RowHex(replaced, kFirstRow + 2));
    QVERIFY(cell(3, FmCol::Freq) != QStringLiteral("101.10000"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmFm::read_redraws_the_grid_before_its_message()
{
    recorder_->onShow = [this](const ShownMessage&) {
        QCOMPARE(cell(1, FmCol::Freq),
                 Cov_Freq({radio_->memoryByte(0x3000), radio_->memoryByte(0x3001), radio_->memoryByte(0x3002),
                           radio_->memoryByte(0x3003), radio_->memoryByte(0x3004), radio_->memoryByte(0x3005),
                           radio_->memoryByte(0x3006), radio_->memoryByte(0x3007)}));
        QCOMPARE(window_->ProgressBar1->value(), 100);
        QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Read FM Radio parameters in gear. "));
    };
    window_->Command_read->click();
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    for (int i = 0; i < 16; ++i)
        QCOMPARE(QByteArray(RowHex(Edata, kFirstRow + i)),
                 radio_->memoryRange(0x3000 + 16 * i, 16).toHex(' ').toUpper());
}

void TestFrmFm::default_writes_the_stations()
{
    Edata.fillRows(Area::FmPage.firstRow(), Area::FmPage.lastRow(), 0x11);
    window_->Command_def->click();
    const QStringList names{"MBNEW", "CCTV1", "", "JTZS2", "", "MBBBC", "", "CCTV4",
                            "",      "TRQX",  "", "CCTV6", "", "DNZS3", "", "CCTV9"};
    for (int r = 1; r <= 16; ++r) {
        QCOMPARE(cell(r, FmCol::Name), names.at(r - 1));
        QCOMPARE(cell(r, FmCol::Freq).isEmpty(), names.at(r - 1).isEmpty());
    }
    QCOMPARE(cell(14, FmCol::Freq), QStringLiteral("100.70000"));
    QCOMPARE(RowHex(Edata, kFirstRow + 2), QByteArray("00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmFm::clear_zeroes_the_page_and_a_write_sends_the_zeros()
{
    // A read leaves the bar and its label showing.
    window_->Command_read->click();
    QVERIFY(runToEnd());
    recorder_->takeAll();
    ends_.clear();
    QVERIFY(window_->ProgressBar1->isVisible());
    click(2, FmCol::Name);
    retype(QStringLiteral("jazz"));
    window_->Command_Clear->click();
    QVERIFY(RowsHold(Edata, Area::FmPage.firstRow(), Area::FmPage.lastRow(), 0x00));
    for (int r = 1; r <= 16; ++r) {
        QCOMPARE(cell(r, FmCol::Freq), QString());
        QCOMPARE(cell(r, FmCol::Name), QString());
        QCOMPARE(cell(r, FmCol::Number), QString::number(r));
    }
    // The editor stays, emptied; its edit is gone.
    QVERIFY(window_->Text_Edit->isVisible());
    QCOMPARE(window_->Text_Edit->text(), QString());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());

    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::WriteDone);
    recorder_->takeAll();
    QCOMPARE(radio_->memoryRange(0x3000, 0x100), QByteArray(0x100, '\0'));
    int frames = 0;
    for (const QByteArray& w : ports_->writes(kPort)) {
        if (w.size() < 20)
            continue;
        const int at = w.size() - 20;
        QCOMPARE(Byte(w, at), 0x58);
        QCOMPARE(w.mid(at + 4), QByteArray(16, '\0'));
        ++frames;
    }
    QCOMPARE(frames, 16);
}

void TestFrmFm::typed_into_the_editor_clear_left_open_is_stored_data()
{
    QTest::addColumn<bool>("byWrite");
    QTest::newRow("the cell left") << false;
    QTest::newRow("Write") << true;
}

void TestFrmFm::typed_into_the_editor_clear_left_open_is_stored()
{
    QFETCH(bool, byWrite);
    click(2, FmCol::Freq);
    window_->Command_Clear->click();
    // The editor Clear left over its cell takes the keys: what it shows goes in.
    QVERIFY(window_->Text_Edit->isVisible());
    KitDriver::TypeText(window_->Text_Edit, QStringLiteral("99.5"));
    const QByteArray preset2("00 09 09 05 00 00 00 00 FF FF FF FF FF FF FF FF");
    if (byWrite) {
        window_->Command_Write->click();
        QVERIFY(runToEnd());
        QCOMPARE(ends_.last(), TransferEnd::WriteDone);
        recorder_->takeAll();
        QCOMPARE(radio_->memoryRange(0x3010, 16).toHex(' ').toUpper(), preset2);
    } else {
        click(2, FmCol::Number);
    }
    QCOMPARE(RowHex(Edata, kFirstRow + 1), preset2);
    QCOMPARE(cell(2, FmCol::Freq), QStringLiteral("99.50000"));
    QCOMPARE(RowHex(Edata, kFirstRow), QByteArray("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmFm::open_save_and_close_when_idle()
{
    window_->Command_open->click();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    QCOMPARE(frame_->activeChild(), open);
    // A second press opens a fresh dialog.
    open->Text1->setText(QStringLiteral("typed.dat"));
    window_->Command_open->click();
    QVERIFY(Windows::Find<Form_open_chann>() != nullptr);
    QVERIFY(Windows::Find<Form_open_chann>()->Text1->text() != QStringLiteral("typed.dat"));
    window_->Command_save->click();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);

    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_FM>(), nullptr);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

void TestFrmFm::dat_file_opened_from_the_window_shows_once_it_is_active()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MemoryImage file = Edata;
    SetRow(file, kFirstRow + 2, "00 09 02 00 00 00 00 00 FF FF 46 49 4C 45 FF FF");
    QVERIFY(SaveDatFile(dir.filePath(QStringLiteral("fm.dat")), file).ok());
    const QString current = QDir::currentPath();
    QDir::setCurrent(dir.path());  // where the dialog starts
    window_->Command_open->click();
    QDir::setCurrent(current);
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    open->Text1->setText(QStringLiteral("fm.dat"));
    QTest::mouseClick(open->Command_enter, Qt::LeftButton);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Succeed fold the parameter from file.")});
    QCOMPARE(frame_->activeChild(), window_);
    QCOMPARE(cell(3, FmCol::Freq), QStringLiteral("92.00000"));
    QCOMPARE(cell(3, FmCol::Name), QStringLiteral("FILE"));
}

void TestFrmFm::buttons_while_a_transfer_runs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::newRow("Clear") << "Clear" << 0 << "Read-write operating，don't clear operate .,";
    QTest::newRow("Clear in Chinese") << "Clear" << -1 << "正在进行读写操作,请勿进行清除操作 ！,";
    QTest::newRow("Open") << "Open" << 0 << kBusy;
    QTest::newRow("Save") << "Save" << 0 << kBusy;
    QTest::newRow("Read") << "Read" << 0 << kBusy;
    QTest::newRow("Write") << "Write" << 0 << kBusy;
    QTest::newRow("Close") << "Close" << 0 << "Read-write operating，don't close the window. ,";
    QTest::newRow("Close in Chinese") << "Close" << -1 << "正在进行读写操作,请勿关窗口 ！,";
    QTest::newRow("Default is done at once") << "Default" << 0 << "";
}

void TestFrmFm::buttons_while_a_transfer_runs()
{
    QFETCH(QString, button);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    Edata.fillRows(Area::FmPage.firstRow(), Area::FmPage.lastRow(), 0x00);
    readUnderWay();
    const MemoryImage before = Edata;
    const std::map<QString, KitButton*> buttons{
        {"Clear", window_->Command_Clear}, {"Open", window_->Command_open},   {"Save", window_->Command_save},
        {"Read", window_->Command_read},   {"Write", window_->Command_Write}, {"Close", window_->Command_close},
        {"Default", window_->Command_def},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    if (message.isEmpty()) {
        QCOMPARE(recorder_->count(), 0);
        QCOMPARE(cell(1, FmCol::Name), QStringLiteral("MBNEW"));
        MemoryImage defaults = before;
        FM_Defaults(defaults);
        QVERIFY(Edata == defaults);
    } else {
        QCOMPARE(recorder_->takeTexts(), QStringList{message});
        QVERIFY(Edata == before);
    }
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(Windows::Find<frm_FM>(), window_);
    // The transfer goes on to its end, and the read replaces the page.
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    recorder_->takeAll();
    QCOMPARE(RowHex(Edata, kFirstRow), radio_->memoryRange(0x3000, 16).toHex(' ').toUpper());
}

void TestFrmFm::close_box_during_a_transfer_warns_and_closes()
{
    readUnderWay();
    QVERIFY(ports_->isOpen(kPort));
    const MemoryImage before = Edata;
    const int heard = static_cast<int>(radio_->heard.size());
    window_->frameWidget()->close();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window.,")});
    QCOMPARE(Windows::Find<frm_FM>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    // Nothing of the transfer runs on, and nothing of it was kept.
    clock_->advance(10000);
    QCOMPARE(radio_->heard.size(), heard);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(Edata == before);
    window_ = nullptr;
}

QTEST_MAIN(TestFrmFm)
#include "tst_frm_fm.moc"
