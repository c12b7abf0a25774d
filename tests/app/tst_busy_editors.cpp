// An editor's write is busy from its press to its end, through the delay
// before a retry too: in that delay every editor's Close and Clear refuse,
// each with its window's message, the window and the image stay as they
// are, and the retry completes the write; unloading the window instead ends
// the write with the warning, and nothing more goes to the radio. The
// application as it starts, against the radio simulator in process, on
// virtual time.

#include "alignment/ui/frm_adj_txp.h"
#include "link/transfer_engine.h"
#include "platform/kit_button.h"
#include "support/editor_windows.h"
#include "support/sim_app_fixture.h"

#include <QtTest>
#include <functional>

namespace {

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kCloseWhileBusy = QStringLiteral("Read-write operating，don't close the window. ,");
const QString kUnloadWhileBusy = QStringLiteral("Read-write operating，don't close the window.,");
const QString kClearWhileBusy = QStringLiteral("Read-write operating，don't clear operate .,");

// Past the reply time-out of the first attempt, inside every editor's delay
// before its retry (1500 ms in the channel editor, more elsewhere).
constexpr qint64 kIntoTheRetryDelayMs = 1200;

enum class Button { Close, Clear };

// What a row presses in an editor, found once the editor is loaded.
struct EditorControls {
    Window* window = nullptr;
    TransferEngine* link = nullptr;
    KitButton* write = nullptr;
    KitButton* close = nullptr;
    KitButton* clear = nullptr;  // only the channel and FM editors have one
};

using LoadControls = std::function<EditorControls()>;

LoadControls Editor(EditorWindow editor)
{
    return [editor] {
        return WithEditor(editor, [](auto* window) {
            EditorControls controls{window, &window->link(), window->Command_Write, window->Command_close};
            if constexpr (requires { window->Command_Clear; })
                controls.clear = window->Command_Clear;
            return controls;
        });
    };
}

LoadControls Alignment()
{
    return [] {
        auto* window = Windows::Load<frm_Adj_Txp>();
        return EditorControls{window, &window->link(), window->Command_Write, window->Command_close};
    };
}

}  // namespace

Q_DECLARE_METATYPE(LoadControls)
Q_DECLARE_METATYPE(Button)

class TestBusyEditors : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void close_and_clear_refuse_in_a_writes_retry_delay_data();
    void close_and_clear_refuse_in_a_writes_retry_delay();
    void unload_in_a_writes_retry_delay_ends_the_write_with_the_warning_data();
    void unload_in_a_writes_retry_delay_ends_the_write_with_the_warning();

private:
    // Presses the editor's Write with the radio silent to the first
    // attempt, and lets the clock run into the delay before the retry.
    void writeIntoTheRetryDelay(const EditorControls& editor);

    QList<TransferEnd> ends_;
};

void TestBusyEditors::init()
{
    QVERIFY(startApp());
    ends_.clear();
}

void TestBusyEditors::cleanup()
{
    stopApp();
}

void TestBusyEditors::writeIntoTheRetryDelay(const EditorControls& editor)
{
    radio_->addFault(Fault::Silent, ReplyKind::Ident, radio_->answered(ReplyKind::Ident), 1);
    editor.link->onFinished = [this](TransferEnd end) { ends_ << end; };
    editor.write->click();
    QVERIFY(editor.link->Writing());
    clock_->advance(kIntoTheRetryDelayMs);
    QVERIFY(!editor.link->Writing());
    QVERIFY(editor.link->busy());
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
}

void TestBusyEditors::close_and_clear_refuse_in_a_writes_retry_delay_data()
{
    QTest::addColumn<LoadControls>("load");
    QTest::addColumn<Button>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("channel: Close") << Editor(EditorWindow::Channel) << Button::Close << kCloseWhileBusy;
    QTest::newRow("channel: Clear") << Editor(EditorWindow::Channel) << Button::Clear << kClearWhileBusy;
    QTest::newRow("FM: Close") << Editor(EditorWindow::Fm) << Button::Close << kCloseWhileBusy;
    QTest::newRow("FM: Clear") << Editor(EditorWindow::Fm) << Button::Clear << kClearWhileBusy;
    QTest::newRow("options: Close") << Editor(EditorWindow::Options) << Button::Close << kUnloadWhileBusy;
    QTest::newRow("DTMF: Close") << Editor(EditorWindow::Dtmf) << Button::Close << kBusy;
    QTest::newRow("two-tone: Close") << Editor(EditorWindow::TwoTone) << Button::Close << kBusy;
    QTest::newRow("five-tone: Close") << Editor(EditorWindow::FiveTone) << Button::Close << kBusy;
    QTest::newRow("alignment: Close") << Alignment() << Button::Close << kUnloadWhileBusy;
}

void TestBusyEditors::close_and_clear_refuse_in_a_writes_retry_delay()
{
    QFETCH(LoadControls, load);
    QFETCH(Button, button);
    QFETCH(QString, message);
    const EditorControls editor = load();
    KitButton* pressed = button == Button::Close ? editor.close : editor.clear;
    QVERIFY(pressed != nullptr);
    writeIntoTheRetryDelay(editor);
    const MemoryImage pressedImage = Edata;

    pressed->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QVERIFY(Edata == pressedImage);
    QVERIFY(editor.window->isLoaded());
    QVERIFY(editor.link->busy());

    // The retry goes out and the write ends with its own word.
    QVERIFY(runTransfer(editor.link));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts().size(), 1);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 2);
}

void TestBusyEditors::unload_in_a_writes_retry_delay_ends_the_write_with_the_warning_data()
{
    // The editors whose unload warns of a transfer it ends.
    QTest::addColumn<LoadControls>("load");
    QTest::newRow("channel") << Editor(EditorWindow::Channel);
    QTest::newRow("FM") << Editor(EditorWindow::Fm);
    QTest::newRow("options") << Editor(EditorWindow::Options);
    QTest::newRow("DTMF") << Editor(EditorWindow::Dtmf);
}

void TestBusyEditors::unload_in_a_writes_retry_delay_ends_the_write_with_the_warning()
{
    QFETCH(LoadControls, load);
    const EditorControls editor = load();
    writeIntoTheRetryDelay(editor);

    Windows::Unload(editor.window);
    QCOMPARE(recorder_->takeTexts(), QStringList{kUnloadWhileBusy});
    clock_->advance(20000);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
    QVERIFY(!ports_->isOpen(kAppPort));
    QVERIFY(ends_.isEmpty());
}

QTEST_MAIN(TestBusyEditors)
#include "tst_busy_editors.moc"
