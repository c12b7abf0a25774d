// A five-tone frame typed into the encode grid is in the image digit by
// digit: whatever sends or saves the image while the digit editor is still
// open takes the frame as typed, stops at no five-digit message and leaves
// the editor where it is. The application as it starts, against the radio
// simulator in process, on virtual time.

#include "app/mdimain.h"
#include "core/dat_file.h"
#include "core/ui/form_save_chann.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_write.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/ui/frm_5tone.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kEncodeTab = 2;
// The image row of five-tone code 1; code n is n - 1 rows further.
constexpr int kCode1Row = 592;

const QString kWindowWriteDone = QStringLiteral("Complete Written Signal parameters to the transceiver.");
const QString kWholeWriteDone = QStringLiteral("Complete Written the data to transceiver.");
const QString kSaved = QStringLiteral("Complete storing  parameter.");

// The ways to send the image to the radio, and to save it.
enum class Send { WindowWrite, WindowSave, WholeImageWrite, FileSaveAs };

struct Typed {
    const char* name;
    int code;
    int frame;
    QString digits;
    QByteArray record;  // the code's record, as RowHex shows it
};

const Typed kTwoDigits{"two digits in frame 1", 3, 1, QStringLiteral("12"),
                       "01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF"};
// Leaving this cell would blank the code (its frame 1 is empty); a button
// is no leave.
const Typed kBehindEmptyFrame1{"frame 2 behind an empty frame 1", 6, 2, QStringLiteral("12345"),
                               "FF FF FF FF FF 01 02 03 04 05 FF FF FF FF FF FF"};

}  // namespace

Q_DECLARE_METATYPE(Send)
Q_DECLARE_METATYPE(Typed)

class TestFrm5ToneSendsTyped : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void open_frame_goes_out_as_typed_data();
    void open_frame_goes_out_as_typed();
    void write_whose_port_does_not_open_leaves_the_frame_as_typed_data();
    void write_whose_port_does_not_open_leaves_the_frame_as_typed();

private:
    void type(const Typed& typed);
    // Presses the button that sends the image; returns what is sending it.
    const TransferEngine* pressWrite(Send send);
    // Opens the save dialog the way the row says and saves into the test's
    // file.
    void save(Send send);
    QByteArray savedRecord(int code) const;
    QString savedPath() const { return dir_->filePath(QStringLiteral("typed.dat")); }

    frm_5tone* window_ = nullptr;
};

void TestFrm5ToneSendsTyped::init()
{
    QVERIFY(startApp());
    main_->Sig_5tone->trigger();
    window_ = Windows::Find<frm_5tone>();
    QVERIFY(window_ != nullptr);
    KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
}

void TestFrm5ToneSendsTyped::cleanup()
{
    stopApp();
    window_ = nullptr;
}

void TestFrm5ToneSendsTyped::type(const Typed& typed)
{
    KitDriver::ClickCell(window_->MSF_Encode, typed.code, typed.frame);
    QVERIFY(window_->Text_Encode->isVisible());
    KitDriver::TypeText(window_->Text_Encode, typed.digits);
    QCOMPARE(RowHex(Edata, kCode1Row + typed.code - 1), typed.record);
}

const TransferEngine* TestFrm5ToneSendsTyped::pressWrite(Send send)
{
    if (send == Send::WindowWrite) {
        window_->Command_Write->click();
        return &window_->link();
    }
    return pressWholeImageWrite();
}

void TestFrm5ToneSendsTyped::save(Send send)
{
    if (send == Send::WindowSave)
        window_->Command_save->click();
    else
        main_->File_saveas->trigger();
    auto* dialog = Windows::Find<Form_save_chann>();
    QVERIFY(dialog != nullptr);
    dialog->Text1->setText(QFileInfo(savedPath()).fileName());
    dialog->Command_enter->click();
}

QByteArray TestFrm5ToneSendsTyped::savedRecord(int code) const
{
    MemoryImage saved;
    return LoadDatFile(savedPath(), saved).ok() ? RowHex(saved, kCode1Row + code - 1) : QByteArray();
}

void TestFrm5ToneSendsTyped::open_frame_goes_out_as_typed_data()
{
    QTest::addColumn<Send>("send");
    QTest::addColumn<Typed>("typed");
    const std::pair<const char*, Send> sends[]{
        {"window's Write", Send::WindowWrite},
        {"window's Save", Send::WindowSave},
        {"whole-image Write", Send::WholeImageWrite},
        {"File > Save As", Send::FileSaveAs},
    };
    for (const auto& [sendName, send] : sends) {
        for (const Typed& typed : {kTwoDigits, kBehindEmptyFrame1})
            QTest::addRow("%s, %s", sendName, typed.name) << send << typed;
    }
}

void TestFrm5ToneSendsTyped::open_frame_goes_out_as_typed()
{
    QFETCH(Send, send);
    QFETCH(Typed, typed);
    type(typed);
    const int row = kCode1Row + typed.code - 1;
    switch (send) {
    case Send::WindowWrite:
    case Send::WholeImageWrite: {
        const TransferEngine* link = pressWrite(send);
        // The write dialog keeps the activation.
        if (send == Send::WholeImageWrite)
            QCOMPARE(main_->activeChild(), Windows::Find<Form_Comm_Write>());
        QVERIFY(runTransfer(link));
        QCOMPARE(recorder_->takeTexts(), QStringList{send == Send::WindowWrite ? kWindowWriteDone : kWholeWriteDone});
        QCOMPARE(radio_->memoryRange(16 * row, kRowBytes).toHex(' ').toUpper(), typed.record);
        break;
    }
    case Send::WindowSave:
    case Send::FileSaveAs:
        save(send);
        QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
        QCOMPARE(savedRecord(typed.code), typed.record);
        break;
    }
    QCOMPARE(RowHex(Edata, row), typed.record);
    // The editor stays over its cell with the digits.
    QVERIFY(window_->Text_Encode->isVisible());
    QCOMPARE(window_->Text_Encode->text().trimmed(), typed.digits);
    QCOMPARE(window_->MSF_Encode->row(), typed.code);
    QCOMPARE(window_->MSF_Encode->col(), typed.frame);
}

void TestFrm5ToneSendsTyped::write_whose_port_does_not_open_leaves_the_frame_as_typed_data()
{
    QTest::addColumn<Send>("send");
    QTest::addColumn<QString>("portError");
    QTest::newRow("window's Write") << Send::WindowWrite << "Communication Port Open Error ！";
    QTest::newRow("whole-image Write") << Send::WholeImageWrite
                                       << "Communication port is error, please setting right communication port . ！";
}

void TestFrm5ToneSendsTyped::write_whose_port_does_not_open_leaves_the_frame_as_typed()
{
    QFETCH(Send, send);
    QFETCH(QString, portError);
    type(kBehindEmptyFrame1);
    ports_->pullCable(kAppPort);
    const MemoryImage typed = Edata;
    const TransferEngine* link = pressWrite(send);
    QCOMPARE(recorder_->takeTexts(), QStringList{portError});
    QVERIFY(!link->busy());
    QVERIFY(radio_->heard.isEmpty());
    QVERIFY(Edata == typed);
}

QTEST_MAIN(TestFrm5ToneSendsTyped)
#include "tst_frm_5tone_sends_typed.moc"
