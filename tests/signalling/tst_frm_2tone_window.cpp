// The two-tone window as a child of the main window: its placement and
// captions, its buttons and their refusals while a transfer runs, its
// closing, and its own transfer against the radio simulator in process, on
// virtual time, the failures included. What it does alike with the
// five-tone window is checked over the same cases (support/
// tone_window_link.h).

#include "core/language_texts.h"
#include "core/open_edits.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "core/two_tone_defaults.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "signalling/ui/frm_2tone.h"
#include "support/grid_rules.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/link_display_log.h"
#include "support/test_frame.h"
#include "support/tone_window_link.h"
#include "support/two_tone_area_table.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

constexpr int kArea = 0x2D00;
constexpr int kAreaEnd = 0x3000;

const QString kWriteDone = QStringLiteral("Complete Written Signal parameters to the transceiver.");
const QString kFailConnect = QStringLiteral("Fail connect with transceiver.");

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

QByteArray ImageRow(int row)
{
    QByteArray bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes.append(static_cast<char>(Edata(row, c)));
    return bytes;
}

// The writes after the last link-open frame.
QList<QByteArray> LastAttempt(const QList<QByteArray>& writes)
{
    const qsizetype last = writes.lastIndexOf(LinkOpenBytes());
    return last < 0 ? writes : writes.mid(last);
}

// The header row as the format string it came from.
QString HeaderFormat(const KitGrid* grid)
{
    QStringList pieces;
    for (int c = 0; c < grid->cols(); ++c)
        pieces << QLatin1Char('^') + grid->textMatrix(0, c);
    return pieces.join(QLatin1Char('|'));
}

}  // namespace

class TestFrm2ToneWindow : public QObject, private ToneWindowLink {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placement_follows_the_main_window();
    void captions_data();
    void captions();
    void password_box_holds_the_preset_password();

    void read_shows_the_radio_area_before_its_message();
    void write_sends_48_frames_and_nothing_after_the_last_ack();
    void failed_transfer_ends_idle_and_leaves_the_image_data();
    void failed_transfer_ends_idle_and_leaves_the_image();
    void failed_read_leaves_the_area_and_the_window_unchanged();

    void default_resets_the_area_only();
    void open_save_and_close_when_idle();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void close_box_during_a_transfer_ends_it_with_the_window();

    void read_drops_an_encode_edit_left_open_over_the_old_settings();
    void write_with_a_refused_open_edit_does_nothing_more();
    void whole_image_commit_with_a_refused_open_edit_stops();

private:
    bool runToEnd() { return ToneWindowLink::runToEnd(*window_); }
    void editEncode(int row, int col, const QString& text);
    QString encodeCell(int row, int col) const { return window_->MSF_Encode->textMatrix(row, col); }
    QString decodeCell(int row, int col) const { return window_->MSF_Decode->textMatrix(row, col); }

    TestFrame* frame_ = nullptr;
    frm_2tone* window_ = nullptr;
};

void TestFrm2ToneWindow::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrm2ToneWindow::init()
{
    setUpRadio(kPort);
    TwoToneAreaTable::PutInto(*radio_);
    radio_->setPasswords("583920", "");
    LangChinese = 0;
    SetLanguageTexts();
    StatusBar1.clear();
    Edata.fill(kErased);
    TwoTone_Defaults();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_ = Windows::Load<frm_2tone>();
    QVERIFY(window_ != nullptr);
}

void TestFrm2ToneWindow::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    tearDownRadio();
}

void TestFrm2ToneWindow::editEncode(int row, int col, const QString& text)
{
    KitDriver::ClickCell(window_->MSF_Encode, row, col);
    QVERIFY(window_->Text_Encode->isVisible());
    window_->Text_Encode->setText(QString());
    KitDriver::TypeText(window_->Text_Encode, text);
}

void TestFrm2ToneWindow::placement_follows_the_main_window()
{
    const double width = frame_->Width() / 1.2;
    const double height = frame_->Height() / 1.25;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 2)));
    QCOMPARE(window_->TabStrip1->width(), TwipsToPixels(window_->ScaleWidth() / 1.02));
    // The pages lie in the strip's client area, below its tabs.
    for (QGroupBox* page : {window_->Frame_Encode, window_->Frame_Decode}) {
        QCOMPARE(page->x(), TwipsToPixels(window_->TabStrip1->ClientLeft()));
        QCOMPARE(page->y(), TwipsToPixels(window_->TabStrip1->ClientTop() + 200));
        QCOMPARE(page->width(), TwipsToPixels(window_->TabStrip1->ClientWidth()));
        QVERIFY(page->geometry().bottom() <= window_->TabStrip1->geometry().bottom());
    }
    QCOMPARE(window_->MSF_Encode->width(), TwipsToPixels(PixelsToTwips(window_->Frame_Encode->width()) / 3.08));
    QCOMPARE(window_->MSF_Decode->width(), TwipsToPixels(PixelsToTwips(window_->Frame_Decode->width()) / 1.02));
    QCOMPARE(frame_->activeChild(), window_);
    QVERIFY(window_->Frame_Encode->isVisible());
    QVERIFY(window_->Frame_Decode->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QCOMPARE(window_->TabStrip1->selectedIndex(), 1);
}

void TestFrm2ToneWindow::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("encodeFormat");
    QTest::addColumn<QString>("decodeFormat");
    QTest::newRow("English") << 0
                             << QStringList{"2 TONE",
                                            "Encode",
                                            "Decode",
                                            "2 TONE Encode",
                                            "1st Tone Duration(MS)",
                                            "2nd Tone Duration(MS)",
                                            "Gap of Tone (MS)",
                                            "2 TONE Decode",
                                            "A Tone( HZ )",
                                            "B Tone( HZ )",
                                            "C Tone( HZ )",
                                            "D Tone( HZ )",
                                            "Reset_Time (MS)",
                                            " 1 Decode 2 Tone Frequency",
                                            "Read",
                                            "Write",
                                            "Default",
                                            "Save",
                                            "Open",
                                            "Close",
                                            "PassWord"}
                             << "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)"
                             << "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   "
                                "Response   |^Alert|^Dec_4|^   Response   |^Alert";
    QTest::newRow("Chinese") << -1
                             << QStringList{"2 TONE 编解码参数编辑",
                                            "编码",
                                            "解码",
                                            "2 TONE 编码",
                                            "发送第 1 个频率时间长度（MS）",
                                            "发送第 2 个频率时间长度（MS）",
                                            "前后两个频率的间隔时长 （MS）",
                                            "2 TONE 解码",
                                            "A 音（HZ）",
                                            "B 音（HZ）",
                                            "C 音（HZ）",
                                            "D 音（HZ）",
                                            "复位时间（MS）",
                                            " 1 解码信息两音频率",
                                            "读 取",
                                            "写  入",
                                            "默 认",
                                            "保  存",
                                            "打  开",
                                            "关  闭",
                                            "读写密码"}
                             << "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) "
                             << "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 "
                                "应 方 式  |^提示|^解码4|^   响 应 方 式  |^提示";
}

void TestFrm2ToneWindow::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    QFETCH(QString, encodeFormat);
    QFETCH(QString, decodeFormat);
    LangChinese = chinese;
    Windows::Unload(window_);
    window_ = Windows::Load<frm_2tone>();
    LangChinese = 0;
    const frm_2tone& w = *window_;
    const QStringList shown{
        w.windowTitle(),          w.TabStrip1->tabCaption(1), w.TabStrip1->tabCaption(2), w.Frame_Encode->title(),
        w.Label_1st->text(),      w.Label_2nd->text(),        w.Label_gap->text(),        w.Frame_Decode->title(),
        w.Label_A_tone->text(),   w.Label_B_Tone->text(),     w.Label_C_Tone->text(),     w.Label_D_Tone->text(),
        w.Label_Reset->text(),    w.Frame_Dec_xx->title(),    w.Command_read->caption(),  w.Command_Write->caption(),
        w.Command_def->caption(), w.Command_save->caption(),  w.Command_open->caption(),  w.Command_close->caption(),
        w.Label_PassWord->text()};
    QCOMPARE(shown, captions);
    QCOMPARE(w.TabStrip1->tabCount(), 2);
    QCOMPARE(HeaderFormat(w.MSF_Encode), encodeFormat);
    QCOMPARE(HeaderFormat(w.MSF_Decode), decodeFormat);
    // Every label names its box.
    QCOMPARE(w.Label_1st->buddy(), w.Combo_Enc_ys1);
    QCOMPARE(w.Label_2nd->buddy(), w.Combo_Enc_ys2);
    QCOMPARE(w.Label_gap->buddy(), w.Combo_enc_ys3);
    QCOMPARE(w.Label_A_tone->buddy(), w.Text_A);
    QCOMPARE(w.Label_B_Tone->buddy(), w.Text_B);
    QCOMPARE(w.Label_C_Tone->buddy(), w.Text_C);
    QCOMPARE(w.Label_D_Tone->buddy(), w.Text_D);
    QCOMPARE(w.Label_Reset->buddy(), w.Combo_Dec_Res_Time);
    QCOMPARE(w.Label_PassWord->buddy(), w.Text_PassWord);
}

void TestFrm2ToneWindow::password_box_holds_the_preset_password()
{
    Windows::Unload(window_);
    window_ = Windows::Load<frm_2tone>();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
}

// ---- Transfers -----------------------------------------------------------------

void TestFrm2ToneWindow::read_shows_the_radio_area_before_its_message()
{
    const LinkDisplayLog display(window_->link(), window_->ProgressBar1, window_->Label_tr_count);
    QStringList shownAtMessage;
    recorder_->onShow = [&](const ShownMessage&) {
        shownAtMessage = {encodeCell(15, 2), decodeCell(15, 12), window_->Text_A->text(),
                          window_->Combo_Dec_Res_Time->text(), window_->Label_tr_count->text()};
    };
    const MemoryImage before = Edata;
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, kReadDone);
    QCOMPARE(shown[0].title, QStringLiteral("Operate Prompt"));
    QCOMPARE(shownAtMessage, (QStringList{"1050.0", QString::number(TwoToneAreaTable::Alert(15, 3)), "500.0", "4200",
                                          "Read Signal parameters in gear. "}));

    for (int a = kArea; a < kAreaEnd; ++a)
        QCOMPARE(int(Edata(a / 16, a % 16)), radio_->memoryByte(a));
    for (int r = 0; r < kImageRows; ++r) {
        if (r < 720 || r > 767)
            QCOMPARE(RowHex(Edata, r), RowHex(before, r));
    }
    // Block requests at 0x2D00, 0x2D40 .. 0x2FC0.
    QList<int> reads;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Read && h.address != PassBlockAddr) {
            QCOMPARE(h.length, 0x40);
            reads << h.address;
        }
    }
    QCOMPARE(reads.size(), 12);
    for (int k = 0; k < 12; ++k)
        QCOMPARE(reads[k], kArea + 0x40 * k);

    QCOMPARE(display.entries(), TwoToneAreaTable::ReadDisplay());
    QVERIFY(!window_->Reading());
    for (int e = 1; e <= 15; ++e) {
        QCOMPARE(encodeCell(e, 1), QString::number(TwoToneAreaTable::EncodeHz(e, 0)) + ".0");
        QCOMPARE(decodeCell(e, 1), Dec_PairText(TwoToneAreaTable::Pair(e, 0)));
        QCOMPARE(decodeCell(e, 5), Dec_RespText(TwoToneAreaTable::Response(e, 1)));
    }
    QCOMPARE(window_->Combo_Enc_ys2->text(), QString::number(10 * TwoToneAreaTable::Duration(1)));
}

void TestFrm2ToneWindow::write_sends_48_frames_and_nothing_after_the_last_ack()
{
    const LinkDisplayLog display(window_->link(), window_->ProgressBar1, window_->Label_tr_count);
    int barAtMessage = -1;
    recorder_->onShow = [&](const ShownMessage&) { barAtMessage = window_->ProgressBar1->value(); };
    for (int r = 720; r <= 767; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            Edata(r, c) = static_cast<std::int16_t>((r * 11 + c * 5) & 0xFF);
    }
    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::WriteDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{kWriteDone});
    QCOMPARE(barAtMessage, 97);
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Complete Written Signal parameters "));

    // Link open, its acknowledgement, the password request and its lone
    // acknowledgement, then the 48 frames.
    const QList<QByteArray> writes = LastAttempt(ports_->writes(kPort));
    QCOMPARE(writes.size(), 4 + 48);
    for (int k = 0; k < 48; ++k) {
        const QByteArray frame = writes[4 + k];
        const int lead = k == 0 ? 0 : 1;
        QCOMPARE(frame.size(), 20 + lead);
        if (lead == 1)
            QCOMPARE(Byte(frame, 0), 0x06);
        QCOMPARE(frame.mid(lead, 4),
                 QByteArray::fromHex("58") + char((kArea + 16 * k) >> 8) + char((kArea + 16 * k) & 0xFF) + char(0x10));
        QCOMPARE(frame.mid(lead + 4), ImageRow(720 + k));
    }
    for (int a = kArea; a < kAreaEnd; ++a)
        QCOMPARE(radio_->memoryByte(a), int(Edata(a / 16, a % 16)));

    QCOMPARE(display.entries(), TwoToneAreaTable::WriteDisplay());
    QVERIFY(!ports_->isOpen(kPort));
}

void TestFrm2ToneWindow::failed_transfer_ends_idle_and_leaves_the_image_data()
{
    addFailedTransferRows();
}

void TestFrm2ToneWindow::failed_transfer_ends_idle_and_leaves_the_image()
{
    checkFailedTransfer(*window_, Area::TwoTone);
}

void TestFrm2ToneWindow::failed_read_leaves_the_area_and_the_window_unchanged()
{
    radio_->addFault(Fault::Silent, ReplyKind::Block, 6, RadioSimulator::kForever);
    const MemoryImage before = Edata;
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::Failed);
    QCOMPARE(recorder_->takeTexts(), QStringList{kFailConnect});
    QVERIFY(Edata == before);
    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
    QCOMPARE(decodeCell(15, 1), QStringLiteral("D-A"));
    QCOMPARE(window_->Text_A->text(), QStringLiteral("1981.0"));
    QVERIFY(!window_->Reading() && !window_->Writing());
    QVERIFY(window_->Text_Encode->isHidden());
    QVERIFY(window_->Combo_Decode->isHidden());
    // The window is not left busy: Default acts.
    window_->Command_def->click();
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(window_->ProgressBar1->isHidden());
}

// ---- Buttons -------------------------------------------------------------------

void TestFrm2ToneWindow::default_resets_the_area_only()
{
    Edata.fill(0x5A);
    window_->TwoTone_Show();
    window_->Command_read->click();
    QVERIFY(runToEnd());
    recorder_->takeAll();
    QVERIFY(window_->ProgressBar1->isVisible());
    window_->Command_def->click();
    MemoryImage expected = FilledImage(0x5A);
    TwoTone_Defaults(expected);
    QVERIFY(Edata == expected);
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
    QCOMPARE(window_->Combo_Dec_Res_Time->text(), QStringLiteral("6000"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2ToneWindow::open_save_and_close_when_idle()
{
    window_->Command_open->click();
    QVERIFY(Windows::Find<Form_open_chann>() != nullptr);
    window_->Command_save->click();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_2tone>(), nullptr);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

void TestFrm2ToneWindow::buttons_while_a_transfer_runs_data()
{
    addBusyButtonRows();
}

void TestFrm2ToneWindow::buttons_while_a_transfer_runs()
{
    checkButtonWhileATransferRuns(*window_, [this] { editEncode(3, 1, QStringLiteral("1500")); });
}

void TestFrm2ToneWindow::close_box_during_a_transfer_ends_it_with_the_window()
{
    checkCloseBoxDuringATransfer(window_);
}

// ---- Edits left open -----------------------------------------------------------

void TestFrm2ToneWindow::read_drops_an_encode_edit_left_open_over_the_old_settings()
{
    editEncode(2, 1, QStringLiteral("1500"));
    CheckEditorDroppedByAReplacement(
        window_->MSF_Encode, window_->Text_Encode, 2, 1,
        [this] {
            window_->Command_read->click();
            QVERIFY(runToEnd());
            recorder_->takeAll();
        },
        [this] { KitDriver::ClickCell(window_->MSF_Encode, 5, 0); });
    QCOMPARE(int(Edata(721, 0)) + 256 * Edata(721, 1), TwoToneAreaTable::EncodeHz(2, 0));
    QCOMPARE(encodeCell(2, 1), QString::number(TwoToneAreaTable::EncodeHz(2, 0)) + ".0");
}

void TestFrm2ToneWindow::write_with_a_refused_open_edit_does_nothing_more()
{
    editEncode(2, 2, QStringLiteral("4000"));
    window_->Command_Write->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Frequency range 300Hz to 3000Hz")});
    QCOMPARE(ports_->opens(kPort), 0);
    QVERIFY(!window_->Writing());
    QCOMPARE(RowHex(Edata, 721).mid(24, 5), QByteArray("00 00"));
    QVERIFY(window_->ProgressBar1->isHidden());
}

// (A tone typed and not yet committed goes out as typed with every Write and
// Save: tst_frm_2tone_sends_typed.)
void TestFrm2ToneWindow::whole_image_commit_with_a_refused_open_edit_stops()
{
    editEncode(4, 2, QStringLiteral("7"));
    QVERIFY(!CommitOpenEdits());
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Frequency range 300Hz to 3000Hz")});
    QCOMPARE(RowHex(Edata, 723).mid(24, 5), QByteArray("00 00"));
}

QTEST_MAIN(TestFrm2ToneWindow)
#include "tst_frm_2tone_window.moc"
