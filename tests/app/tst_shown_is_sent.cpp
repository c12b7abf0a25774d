// A write or a save takes what the windows show: the frequency still open
// in a cell of the channel window (a button is no leave-cell), a password
// put into its box by a screen reader rather than typed, and in every
// window the password its own box shows, whatever other windows opened
// since with theirs. The application as it starts, against the radio
// simulator in process, on virtual time.

#include "app/mdimain.h"
#include "channels/chann_grid.h"
#include "channels/ui/frm_chann.h"
#include "core/dat_file.h"
#include "core/ui/form_save_chann.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"
#include "support/editor_windows.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Typed into the RX cell of channel 0, an empty row: RX and TX 145.125 MHz.
const QString kTyped = QStringLiteral("145.125");
const QByteArray kTypedRecord = "00 25 51 14 00 25 51 14";
// Out of every band: refused, and replaced by the VHF low limit.
const QString kOutOfBand = QStringLiteral("300");
const QString kRxMessage = QStringLiteral("Over the range of receive frequency .");

const QString kWriteDone = QStringLiteral("Complete Written the data to transceiver.");
const QString kSaved = QStringLiteral("Complete storing  parameter.");

// The ways to send the image to the radio, and to save it.
enum class Send { ChannelWrite, WholeImageWrite };
enum class Save { ChannelSave, FileSaveAs, DialogAlreadyOpen };

// The first bytes of a record in hex, as RowHex shows them.
QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

// A window's password box, its Read button and its transfer.
struct ReadControls {
    KitText* password = nullptr;
    KitButton* read = nullptr;
    const TransferEngine* link = nullptr;
};

// Loads the editor (no effect when it is loaded) and gives its controls.
ReadControls LoadReader(EditorWindow editor)
{
    return WithEditor(editor, [](auto* window) {
        return ReadControls{window->Text_PassWord, window->Command_read, &window->link()};
    });
}

}  // namespace

class TestShownIsSent : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void write_sends_the_frequency_open_in_its_cell_data();
    void write_sends_the_frequency_open_in_its_cell();
    void refused_frequency_open_in_its_cell_stops_the_write_data();
    void refused_frequency_open_in_its_cell_stops_the_write();
    void save_keeps_the_frequency_open_in_its_cell_data();
    void save_keeps_the_frequency_open_in_its_cell();
    void refused_frequency_open_in_its_cell_stops_the_save_data();
    void refused_frequency_open_in_its_cell_stops_the_save();

    void password_set_by_a_screen_reader_is_the_one_checked();
    void each_editors_read_checks_the_password_its_own_box_shows_data();
    void each_editors_read_checks_the_password_its_own_box_shows();
    void whole_image_read_checks_the_password_its_own_box_shows();

private:
    // Types text into the RX cell of channel 0 and leaves the editor open.
    void typeIntoTheRxCell(const QString& text);
    // Presses the button that sends the image; returns what is sending it.
    const TransferEngine* pressWrite(Send send);
    // Opens the save dialog the way the row says (the one opened before the
    // edit is already open); nullptr when none opened.
    Form_save_chann* openSaveDialog(Save save);
    QString savedPath() const { return dir_->filePath(QStringLiteral("shown.dat")); }
    QByteArray savedRecord() const;
    // The radio's password typed into the window's box, every other window
    // opened with its own preset password: the window's Read completes.
    void readWithTheRadiosPasswordTypedIn(const ReadControls& window);

    frm_chann* channels_ = nullptr;
};

void TestShownIsSent::init()
{
    QVERIFY(startApp());
    channels_ = Windows::Find<frm_chann>();
    QVERIFY(channels_ != nullptr);
}

void TestShownIsSent::cleanup()
{
    stopApp();
    channels_ = nullptr;
}

void TestShownIsSent::typeIntoTheRxCell(const QString& text)
{
    KitDriver::ClickCell(channels_->MSF_Chann, 1, ChannCol::RxFreq);
    QVERIFY(channels_->Text_Edit->isVisible());
    KitDriver::TypeText(channels_->Text_Edit, text);
}

const TransferEngine* TestShownIsSent::pressWrite(Send send)
{
    if (send == Send::ChannelWrite) {
        channels_->Command_Write->click();
        return &channels_->link();
    }
    return pressWholeImageWrite();
}

Form_save_chann* TestShownIsSent::openSaveDialog(Save save)
{
    switch (save) {
    case Save::ChannelSave:
        channels_->Command_save->click();
        break;
    case Save::FileSaveAs:
        main_->File_saveas->trigger();
        break;
    case Save::DialogAlreadyOpen:
        break;
    }
    return Windows::Find<Form_save_chann>();
}

QByteArray TestShownIsSent::savedRecord() const
{
    QFile file(savedPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    DatReader reader;
    reader.feed(file.readAll());
    reader.finish();
    return reader.done() ? RowHex(reader.image(), 0).left(kTypedRecord.size()) : QByteArray();
}

void TestShownIsSent::write_sends_the_frequency_open_in_its_cell_data()
{
    QTest::addColumn<Send>("send");
    QTest::newRow("channel window's Write") << Send::ChannelWrite;
    QTest::newRow("whole-image Write") << Send::WholeImageWrite;
}

void TestShownIsSent::write_sends_the_frequency_open_in_its_cell()
{
    QFETCH(Send, send);
    typeIntoTheRxCell(kTyped);
    QVERIFY(runTransfer(pressWrite(send)));
    QCOMPARE(recorder_->takeTexts(), QStringList{kWriteDone});
    QCOMPARE(Hex(radio_->memoryRange(0, 8)), kTypedRecord);
    QCOMPARE(channels_->MSF_Chann->textMatrix(1, ChannCol::RxFreq), QStringLiteral("145.12500"));
    QCOMPARE(channels_->MSF_Chann->textMatrix(1, ChannCol::TxFreq), QStringLiteral("145.12500"));
    QVERIFY(channels_->Text_Edit->isHidden());
}

void TestShownIsSent::refused_frequency_open_in_its_cell_stops_the_write_data()
{
    write_sends_the_frequency_open_in_its_cell_data();
}

void TestShownIsSent::refused_frequency_open_in_its_cell_stops_the_write()
{
    QFETCH(Send, send);
    const int opens = ports_->opens(kAppPort);
    typeIntoTheRxCell(kOutOfBand);
    const TransferEngine* link = pressWrite(send);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRxMessage});
    clock_->advance(20000);
    QVERIFY(!link->busy());
    QCOMPARE(ports_->opens(kAppPort), opens);
    QVERIFY(radio_->heard.isEmpty());
    // The cell was committed as leaving it would: the replacement stands.
    QCOMPARE(channels_->MSF_Chann->textMatrix(1, ChannCol::RxFreq), QStringLiteral("136.00000"));
    QCOMPARE(RowHex(Edata, 0).left(11), QByteArray("00 00 60 13"));
}

void TestShownIsSent::save_keeps_the_frequency_open_in_its_cell_data()
{
    QTest::addColumn<Save>("save");
    QTest::newRow("channel window's Save") << Save::ChannelSave;
    QTest::newRow("File > Save As") << Save::FileSaveAs;
    QTest::newRow("save dialog opened before the edit") << Save::DialogAlreadyOpen;
}

void TestShownIsSent::save_keeps_the_frequency_open_in_its_cell()
{
    QFETCH(Save, save);
    if (save == Save::DialogAlreadyOpen)
        main_->File_saveas->trigger();
    typeIntoTheRxCell(kTyped);
    Form_save_chann* dialog = openSaveDialog(save);
    QVERIFY(dialog != nullptr);
    dialog->Text1->setText(QFileInfo(savedPath()).fileName());
    dialog->Command_enter->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
    QCOMPARE(savedRecord(), kTypedRecord);
}

void TestShownIsSent::refused_frequency_open_in_its_cell_stops_the_save_data()
{
    save_keeps_the_frequency_open_in_its_cell_data();
}

void TestShownIsSent::refused_frequency_open_in_its_cell_stops_the_save()
{
    QFETCH(Save, save);
    if (save == Save::DialogAlreadyOpen)
        main_->File_saveas->trigger();
    typeIntoTheRxCell(kOutOfBand);
    Form_save_chann* dialog = openSaveDialog(save);
    if (save == Save::DialogAlreadyOpen) {
        QVERIFY(dialog != nullptr);
        dialog->Text1->setText(QFileInfo(savedPath()).fileName());
        dialog->Command_enter->click();
        // The dialog stays for another try.
        QCOMPARE(Windows::Find<Form_save_chann>(), dialog);
    } else {
        QCOMPARE(dialog, nullptr);
    }
    QCOMPARE(recorder_->takeTexts(), QStringList{kRxMessage});
    QVERIFY(!QFile::exists(savedPath()));
}

void TestShownIsSent::password_set_by_a_screen_reader_is_the_one_checked()
{
    radio_->setPasswords("583920", "");
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    auto* box = dialog->Text_PassWord->findChild<QLineEdit*>();
    QVERIFY(box != nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible != nullptr);
    QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
    QVERIFY(editable != nullptr);
    editable->replaceText(0, box->text().size(), QStringLiteral("583920"));
    QCOMPARE(dialog->Text_PassWord->text(), QStringLiteral("583920"));
    dialog->Command_Write->click();
    QVERIFY(runTransfer(&dialog->transfer()));
    QCOMPARE(recorder_->takeTexts(), QStringList{kWriteDone});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 784);
}

void TestShownIsSent::each_editors_read_checks_the_password_its_own_box_shows_data()
{
    AddEditorRows();
}

void TestShownIsSent::each_editors_read_checks_the_password_its_own_box_shows()
{
    QFETCH(EditorWindow, editor);
    readWithTheRadiosPasswordTypedIn(LoadReader(editor));
}

void TestShownIsSent::whole_image_read_checks_the_password_its_own_box_shows()
{
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    QVERIFY(dialog != nullptr);
    readWithTheRadiosPasswordTypedIn({dialog->Text_PassWord, dialog->Command_read, &dialog->transfer()});
}

void TestShownIsSent::readWithTheRadiosPasswordTypedIn(const ReadControls& window)
{
    radio_->setPasswords("246810", "");
    window.password->setText(QString());
    KitDriver::TypeText(window.password, QStringLiteral("246810"));
    QCOMPARE(window.password->text(), QStringLiteral("246810"));
    // Every other window opens with its own preset password: the editors,
    // then the whole-image dialogs, the write dialog's the last.
    for (EditorWindow other : kEditorWindows)
        LoadEditor(other);
    Windows::Load<Form_Comm_Read>();
    main_->Prog_write->trigger();
    QVERIFY(Windows::Find<Form_Comm_Write>() != nullptr);

    window.read->click();
    QVERIFY(runTransfer(window.link));
    const QStringList texts = recorder_->takeTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first() != QStringLiteral("PassWord Error, Reading Stop"), qPrintable(texts.first()));
    QVERIFY(radio_->heardCount(RadioSimulator::Heard::Read) > 1);  // blocks after the password block
}

QTEST_MAIN(TestShownIsSent)
#include "tst_shown_is_sent.moc"
