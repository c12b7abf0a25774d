#include "app/mdimain.h"
#include "core/dat_file.h"
#include "core/file_handover.h"
#include "core/language.h"
#include "core/memory_image.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "core/ui/hand_over_dialogs.h"
#include "link/comm_port.h"
#include "platform/file_browser.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/serial_port.h"
#include "support/editor_windows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/virtual_clock.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOpenBadName = QStringLiteral("Open the file name is nullity ");
const QString kOpenBadExtension = QStringLiteral("Nullity file suffix name.");
const QString kLoaded = QStringLiteral("Succeed fold the parameter from file.");
const QString kSaveBadName = QStringLiteral("Store the file name is nullity. ");
const QString kSaveBadExtension = QStringLiteral("Advice don't modify file suffix name of system default ！");
const QString kSaved = QStringLiteral("Complete storing  parameter.");

// A distinct value in every element. No channel is empty: the channel
// window redraws every channel when it becomes active again (a dialog
// closed), and resets both records of an empty one (first byte 0xFF).
MemoryImage Pattern(int seed)
{
    MemoryImage image;
    for (int r = 0; r < kImageRows; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            image(r, c) = static_cast<std::int16_t>((r * 7 + c * 13 + seed) % 256);
        if (r < Area::Chann.rows && image(r, 0) == kErased)
            image(r, 0) = 0x00;
    }
    return image;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The next control that Tab moves to.
QWidget* NextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

template <class Dialog> void Confirm(Dialog* dialog, const QString& name)
{
    dialog->Text1->setText(name);
    dialog->Command_enter->click();
}

}  // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layoutTabOrderAndBuddies();
    void openNameCheck_data();
    void openNameCheck();
    void saveNameCheck_data();
    void saveNameCheck();
    void saveThenOpenGivesBackEveryByte();
    void aLoadErrorLeavesTheImageAndShowsNoSuccess_data();
    void aLoadErrorLeavesTheImageAndShowsNoSuccess();
    void aSaveErrorIsReported();
    void cancelTouchesNothing();
    void aDialogUnloadedWhileItsBoxIsOpenIsLeftAlone();
    void aClickInTheFileListPutsTheBareName();
    void theChosenDirectoryFormsThePath();
    void theFileMenuOpensFreshInstances();
    void exitLeavesTheSaveDialogOpen();
    void handOver_data();
    void handOver();
    void handOverDialogsRefuseBadNames_data();
    void handOverDialogsRefuseBadNames();
    void aLoadedHandOverDialogIsBroughtForward();
    void anEditorsOpenOrSaveBringsItsDialogForward_data();
    void anEditorsOpenOrSaveBringsItsDialogForward();

private:
    MDImain* main_ = nullptr;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString savedCurrent_;
    int lastWindowClosed_ = 0;
};

void TestFileDialogs::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    clock_ = std::make_unique<VirtualClock>();
    for (int n = 1; n <= kPortCount; ++n)
        SetPortDevice(n, QStringLiteral("/nonexistent/ttyTEST%1").arg(n));
    SetScreenSize(QSize(1280, 800));
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    savedCurrent_ = QDir::currentPath();
    // The dialogs start in the process's current directory.
    QDir::setCurrent(dir_->path());
    lastWindowClosed_ = 0;
    Windows::SetLastWindowClosedHandler([this] { ++lastWindowClosed_; });
    main_ = Windows::Load<MDImain>();
    QVERIFY(main_ != nullptr);
    recorder_->takeTexts();  // the start-up's port error: no port in this test
    FileName.clear();
    FileOpenPending = FileSavePending = SigOpenPending = SigSavePending = MenuOpenPending = MenuSavePending = 0;
}

void TestFileDialogs::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Windows::SetLastWindowClosedHandler(nullptr);
    QDir::setCurrent(savedCurrent_);
    dir_.reset();
    ResetPortDevices();
    SetScreenSize(QSize());
    LangChinese = 0;
    clock_.reset();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

void TestFileDialogs::layoutTabOrderAndBuddies()
{
    auto* open = Windows::LoadFresh<Form_open_chann>();
    QCOMPARE(open->kind(), WindowKind::Child);
    QCOMPARE(open->windowTitle(), QStringLiteral("Open File"));
    QCOMPARE(open->Label_drive->text(), QStringLiteral("Drive:"));
    QCOMPARE(open->Label_name->text(), QStringLiteral("Open File:"));
    QCOMPARE(open->Command_enter->text(), QStringLiteral("Confirm"));
    QCOMPARE(open->Command_close->text(), QStringLiteral("Cancel"));
    QCOMPARE(open->Text1->text(), QStringLiteral("*.dat"));
    QCOMPARE(open->size(), QSize(TwipsToPixels(6195), TwipsToPixels(5145)));
    QCOMPARE(open->Label_drive->buddy(), static_cast<QWidget*>(open->Drive1));
    QCOMPARE(open->Label_name->buddy(), static_cast<QWidget*>(open->Text1));
    QCOMPARE(NextTabStop(open->Dir1), static_cast<QWidget*>(open->File1));
    QCOMPARE(NextTabStop(open->File1), static_cast<QWidget*>(open->Drive1));
    QCOMPARE(NextTabStop(open->Drive1), static_cast<QWidget*>(open->Text1));
    QCOMPARE(NextTabStop(open->Text1), static_cast<QWidget*>(open->Command_enter));
    QCOMPARE(NextTabStop(open->Command_enter), static_cast<QWidget*>(open->Command_close));
    QCOMPARE(open->Dir1->path(), QDir::cleanPath(dir_->path()));

    LangChinese = -1;
    auto* save = Windows::LoadFresh<Form_save_chann>();
    QCOMPARE(save->kind(), WindowKind::TopLevel);
    QVERIFY(save->isWindow());
    QCOMPARE(save->windowTitle(), QStringLiteral("保存文件"));
    QCOMPARE(save->Label_name->text(), QStringLiteral("保存文件名："));
    QCOMPARE(save->Command_enter->text(), QStringLiteral("确  定"));
    QCOMPARE(save->Command_close->text(), QStringLiteral("取  消"));
    QVERIFY(!(save->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(save->windowFlags() & Qt::WindowMinimizeButtonHint));
}

void TestFileDialogs::openNameCheck_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("the initial pattern") << "*.dat" << kOpenBadName;
    QTest::newRow("empty") << "" << kOpenBadExtension;
    QTest::newRow("three characters") << "dat" << kOpenBadExtension;
    QTest::newRow("mixed-case extension") << "radio.Dat" << kOpenBadExtension;
    QTest::newRow("a slash") << "sub/radio.dat" << kOpenBadName;
    QTest::newRow("another extension") << "radio.adj" << kOpenBadExtension;
}

void TestFileDialogs::openNameCheck()
{
    QFETCH(QString, box);
    QFETCH(QString, message);
    const MemoryImage before = Edata;
    FileName = QStringLiteral("before");
    FileOpenPending = kHandOverPending;
    auto* open = Windows::LoadFresh<Form_open_chann>();
    Confirm(open, box);
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QCOMPARE(Windows::Find<Form_open_chann>(), open);
    QCOMPARE(open->Text1->text(), box);
    QCOMPARE(FileName, QStringLiteral("before"));
    QCOMPARE(FileOpenPending, kHandOverPending);
    QVERIFY(Edata == before);
}

void TestFileDialogs::saveNameCheck_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("the initial pattern") << "*.dat" << kSaveBadName;
    QTest::newRow("a hash") << "a#b.dat" << kSaveBadName;
    QTest::newRow("one character") << "x" << kSaveBadExtension;
    QTest::newRow("mixed-case extension") << "radio.dAT" << kSaveBadExtension;
}

void TestFileDialogs::saveNameCheck()
{
    QFETCH(QString, box);
    QFETCH(QString, message);
    auto* save = Windows::LoadFresh<Form_save_chann>();
    Confirm(save, box);
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QCOMPARE(Windows::Find<Form_save_chann>(), save);
    QCOMPARE(save->Text1->text(), box);
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
}

void TestFileDialogs::saveThenOpenGivesBackEveryByte()
{
    const MemoryImage saved = Pattern(1);
    Edata = saved;
    FileSavePending = kHandOverPending;
    auto* save = Windows::LoadFresh<Form_save_chann>();
    Confirm(save, QStringLiteral("  my radio.dat "));
    QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    const QString path = QDir(dir_->path()).filePath(QStringLiteral("my radio.dat"));
    QCOMPARE(FileName, path);
    QCOMPARE(FileSavePending, 0);
    QVERIFY(QFileInfo::exists(path));

    Edata = Pattern(2);
    FileOpenPending = kHandOverPending;
    main_->File_Open->trigger();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    QVERIFY(open->File1->fileNames().contains(QStringLiteral("my radio.dat")));
    Confirm(open, QStringLiteral("my radio.dat"));
    QCOMPARE(recorder_->takeTexts(), QStringList{kLoaded});
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QVERIFY(Edata == saved);
    QCOMPARE(FileName, path);
    QCOMPARE(FileOpenPending, 0);
}

void TestFileDialogs::aLoadErrorLeavesTheImageAndShowsNoSuccess_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("truncated") << DatFileText(Pattern(3)).left(5000) << true;
    QTest::newRow("a value of 256") << QByteArray(" 0  0  0  256 ") + DatFileText(Pattern(3)).mid(13) << true;
    QTest::newRow("not numbers") << QByteArray("hello world\r\n") << true;
}

void TestFileDialogs::aLoadErrorLeavesTheImageAndShowsNoSuccess()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    if (create)
        WriteFile(QDir(dir_->path()).filePath(QStringLiteral("bad.dat")), content);
    const MemoryImage before = Pattern(4);
    Edata = before;
    auto* open = Windows::LoadFresh<Form_open_chann>();
    Confirm(open, QStringLiteral("bad.dat"));
    QCOMPARE(recorder_->takeTexts(), QStringList{DatTexts::LoadFailed.eng});
    QVERIFY(Edata == before);
    QCOMPARE(Windows::Find<Form_open_chann>(), open);
}

void TestFileDialogs::aSaveErrorIsReported()
{
    // A directory of the same name stands where the file would go.
    QDir(dir_->path()).mkdir(QStringLiteral("taken.dat"));
    auto* save = Windows::LoadFresh<Form_save_chann>();
    Confirm(save, QStringLiteral("taken.dat"));
    QCOMPARE(recorder_->takeTexts(), QStringList{DatTexts::SaveFailed.eng});
    QCOMPARE(Windows::Find<Form_save_chann>(), save);
}

void TestFileDialogs::cancelTouchesNothing()
{
    const MemoryImage before = Pattern(5);
    Edata = before;
    FileName = QStringLiteral("kept");
    FileOpenPending = kHandOverPending;
    FileSavePending = kHandOverPending;
    auto* open = Windows::LoadFresh<Form_open_chann>();
    open->Text1->setText(QStringLiteral("x.dat"));
    open->Command_close->click();
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    auto* save = Windows::LoadFresh<Form_save_chann>();
    save->Text1->setText(QStringLiteral("x.dat"));
    save->Command_close->click();
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(FileName, QStringLiteral("kept"));
    QCOMPARE(FileOpenPending, kHandOverPending);
    QCOMPARE(FileSavePending, kHandOverPending);
    QVERIFY(Edata == before);
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
}

void TestFileDialogs::aDialogUnloadedWhileItsBoxIsOpenIsLeftAlone()
{
    WriteFile(QDir(dir_->path()).filePath(QStringLiteral("ok.dat")), DatFileText(Pattern(8)));
    auto* open = Windows::LoadFresh<Form_open_chann>();
    // Other events run while the success box is open: here the main window
    // is closed, and the dialog with it.
    recorder_->onShow = [this](const ShownMessage&) { main_->File_exit->trigger(); };
    Confirm(open, QStringLiteral("ok.dat"));
    recorder_->onShow = nullptr;
    QCOMPARE(recorder_->takeTexts(), QStringList{kLoaded});
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QVERIFY(Edata == Pattern(8));
}

void TestFileDialogs::aClickInTheFileListPutsTheBareName()
{
    WriteFile(QDir(dir_->path()).filePath(QStringLiteral("UPPER.DAT")), DatFileText(Pattern(6)));
    WriteFile(QDir(dir_->path()).filePath(QStringLiteral("notes.txt")), "x");
    auto* open = Windows::LoadFresh<Form_open_chann>();
    QCOMPARE(open->File1->fileNames(), QStringList{"UPPER.DAT"});
    open->File1->onClick(QStringLiteral("UPPER.DAT"));
    QCOMPARE(open->Text1->text(), QStringLiteral("UPPER.DAT"));
    open->Command_enter->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kLoaded});
    QVERIFY(Edata == Pattern(6));
}

void TestFileDialogs::theChosenDirectoryFormsThePath()
{
    QDir(dir_->path()).mkdir(QStringLiteral("sub"));
    const QString sub = QDir(dir_->path()).filePath(QStringLiteral("sub"));
    WriteFile(QDir(sub).filePath(QStringLiteral("inner.dat")), DatFileText(Pattern(7)));
    auto* open = Windows::LoadFresh<Form_open_chann>();
    QVERIFY(open->File1->fileNames().isEmpty());
    open->Dir1->setPath(sub);
    QCOMPARE(open->File1->path(), sub);
    QCOMPARE(open->File1->fileNames(), QStringList{"inner.dat"});
    Confirm(open, QStringLiteral("inner.dat"));
    QCOMPARE(recorder_->takeTexts(), QStringList{kLoaded});
    QCOMPARE(FileName, QDir(sub).filePath(QStringLiteral("inner.dat")));
    QVERIFY(Edata == Pattern(7));
    QCOMPARE(QDir::currentPath(), QDir(dir_->path()).canonicalPath());
}

void TestFileDialogs::theFileMenuOpensFreshInstances()
{
    main_->File_Open->trigger();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    open->Text1->setText(QStringLiteral("typed.dat"));
    main_->File_Open->trigger();
    QCOMPARE(Windows::Find<Form_open_chann>()->Text1->text(), QStringLiteral("*.dat"));

    main_->File_saveas->trigger();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    Windows::Unload<Form_save_chann>();
    main_->Toolbar1_ButtonClick(QStringLiteral("save"));
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    Windows::Unload<Form_open_chann>();
    main_->Toolbar1_ButtonClick(QStringLiteral("open"));
    QVERIFY(Windows::Find<Form_open_chann>() != nullptr);
}

void TestFileDialogs::exitLeavesTheSaveDialogOpen()
{
    main_->File_Open->trigger();
    main_->File_saveas->trigger();
    auto* save = Windows::Find<Form_save_chann>();
    QVERIFY(save != nullptr);
    main_->File_exit->trigger();
    QCOMPARE(Windows::Find<MDImain>(), nullptr);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), save);
    QVERIFY(save->isVisible());
    QCOMPARE(lastWindowClosed_, 0);
    // It still saves on its own.
    Confirm(save, QStringLiteral("late.dat"));
    QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
    QCOMPARE(lastWindowClosed_, 1);
}

void TestFileDialogs::handOver_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("flag");
    QTest::newRow("open .adj") << 0 << "table.ADJ"
                               << "Open Adjust File"
                               << "FileOpenPending";
    QTest::newRow("save .adj") << 1 << "table.adj"
                               << "Save Adjust File"
                               << "FileSavePending";
    QTest::newRow("open .sig") << 2 << "calls.sig"
                               << "Open Signal File"
                               << "SigOpenPending";
    QTest::newRow("save .sig") << 3 << "calls.SIG"
                               << "Save Signal File "
                               << "SigSavePending";
    QTest::newRow("open .menu sets its own flag") << 4 << "opts.menu"
                                                  << "Open Optional File"
                                                  << "MenuOpenPending";
    QTest::newRow("save .menu sets its own flag") << 5 << "opts.MENU"
                                                  << "Save Optional File "
                                                  << "MenuSavePending";
}

namespace {

HandOverDialog* LoadHandOver(int dialog)
{
    switch (dialog) {
    case 0:
        return Windows::LoadForward<Form_open_adj>();
    case 1:
        return Windows::LoadForward<Form_save_adj>();
    case 2:
        return Windows::LoadForward<Form_open_sig>();
    case 3:
        return Windows::LoadForward<Form_save_sig>();
    case 4:
        return Windows::LoadForward<Form_open_menu>();
    default:
        return Windows::LoadForward<Form_save_menu>();
    }
}

QMap<QString, int> Flags()
{
    return {{"FileOpenPending", FileOpenPending}, {"FileSavePending", FileSavePending},
            {"SigOpenPending", SigOpenPending},   {"SigSavePending", SigSavePending},
            {"MenuOpenPending", MenuOpenPending}, {"MenuSavePending", MenuSavePending}};
}

}  // namespace

void TestFileDialogs::handOver()
{
    QFETCH(int, dialog);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, flag);
    const MemoryImage before = Edata;
    HandOverDialog* handOver = LoadHandOver(dialog);
    QCOMPARE(handOver->kind(), WindowKind::TopLevel);
    QCOMPARE(handOver->windowTitle(), caption);
    Confirm(handOver, name);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(FileName, QDir(dir_->path()).filePath(name));
    QMap<QString, int> expected{{"FileOpenPending", 0}, {"FileSavePending", 0}, {"SigOpenPending", 0},
                                {"SigSavePending", 0},  {"MenuOpenPending", 0}, {"MenuSavePending", 0}};
    expected[flag] = kHandOverPending;
    QCOMPARE(Flags(), expected);
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());  // no file is touched
    QVERIFY(Edata == before);
}

void TestFileDialogs::handOverDialogsRefuseBadNames_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("open .adj, mixed case") << 0 << "t.Adj"
                                           << "Nullity file suffix name of adjust parameter.";
    QTest::newRow("open .adj, hash") << 0 << "t#.adj"
                                     << "Open the file name of channel parameter is nullity ";
    QTest::newRow("save .adj, empty") << 1 << ""
                                      << "Advice don't modify file suffix name of system default ！";
    QTest::newRow("save .adj, dollar") << 1 << "$.adj"
                                       << "Store the file name of adjust parameter need is nullity. ";
    QTest::newRow("open .sig, wrong") << 2 << "x.dat"
                                      << "Nullity file suffix name of Signal parameter.";
    QTest::newRow("save .sig, star") << 3 << "*.sig"
                                     << "Store the file name of Signal parameter need is nullity.";
    QTest::newRow("save .sig, wrong") << 3 << "x.si"
                                      << "Advice don't modify file suffix name of system default.";
    QTest::newRow("open .menu checks five characters") << 4 << "x.enu"
                                                       << "Nullity file suffix name of system parameter.";
    QTest::newRow("open .menu, backslash") << 4 << "a\\b.menu"
                                           << "Open the file name of system parameter is nullity. ";
    QTest::newRow("save .menu, four characters") << 5 << "menu"
                                                 << "Advice don't modify file suffix name of system default.";
    QTest::newRow("save .menu, slash") << 5 << "/x.menu"
                                       << "Store the file name of system parameter need is nullity.";
}

void TestFileDialogs::handOverDialogsRefuseBadNames()
{
    QFETCH(int, dialog);
    QFETCH(QString, name);
    QFETCH(QString, message);
    FileName = QStringLiteral("kept");
    HandOverDialog* handOver = LoadHandOver(dialog);
    Confirm(handOver, name);
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QVERIFY(handOver->isLoaded());
    QCOMPARE(handOver->Text1->text(), name);
    QCOMPARE(FileName, QStringLiteral("kept"));
    for (int value : Flags())
        QCOMPARE(value, 0);
}

void TestFileDialogs::aLoadedHandOverDialogIsBroughtForward()
{
    auto* first = Windows::LoadForward<Form_open_adj>();
    first->Text1->setText(QStringLiteral("typed.adj"));
    auto* again = Windows::LoadForward<Form_open_adj>();
    QCOMPARE(again, first);
    QCOMPARE(again->Text1->text(), QStringLiteral("typed.adj"));
    again->Command_close->click();
    QCOMPARE(Windows::Find<Form_open_adj>(), nullptr);
    QCOMPARE(FileOpenPending, 0);
}

namespace {

// Loads the editor (the channel window is loaded at start-up) and gives its
// Open or Save button.
std::pair<Window*, KitButton*> EditorButton(EditorWindow editor, bool save)
{
    return WithEditor(editor, [save](auto* window) {
        return std::pair<Window*, KitButton*>{window, save ? window->Command_save : window->Command_open};
    });
}

}  // namespace

void TestFileDialogs::anEditorsOpenOrSaveBringsItsDialogForward_data()
{
    QTest::addColumn<EditorWindow>("editor");
    QTest::addColumn<bool>("save");
    QTest::newRow("channel, Open") << EditorWindow::Channel << false;
    QTest::newRow("channel, Save") << EditorWindow::Channel << true;
    QTest::newRow("options, Open") << EditorWindow::Options << false;
    QTest::newRow("DTMF, Open") << EditorWindow::Dtmf << false;
    QTest::newRow("DTMF, Save") << EditorWindow::Dtmf << true;
    QTest::newRow("two-tone, Open") << EditorWindow::TwoTone << false;
    QTest::newRow("two-tone, Save") << EditorWindow::TwoTone << true;
    QTest::newRow("five-tone, Open") << EditorWindow::FiveTone << false;
    QTest::newRow("five-tone, Save") << EditorWindow::FiveTone << true;
}

void TestFileDialogs::anEditorsOpenOrSaveBringsItsDialogForward()
{
    QFETCH(EditorWindow, editor);
    QFETCH(bool, save);
    QVERIFY(KitDriver::ShowActive(main_));
    const auto [window, button] = EditorButton(editor, save);
    QVERIFY(window != nullptr);
    const auto loaded = [save]() -> FileDialog* {
        if (save)
            return Windows::Find<Form_save_chann>();
        return Windows::Find<Form_open_chann>();
    };
    button->click();
    FileDialog* dialog = loaded();
    QVERIFY(dialog != nullptr);
    dialog->Text1->setText(QStringLiteral("typed.dat"));

    // The editor comes back in front of the dialog; the user presses the
    // button again.
    KitDriver::Activate(main_);
    Windows::BringForward(window);
    QCOMPARE(main_->activeChild(), window);
    button->click();
    QCoreApplication::processEvents();
    QCOMPARE(loaded(), dialog);
    QCOMPARE(dialog->Text1->text(), QStringLiteral("typed.dat"));
    if (save)
        QCOMPARE(QApplication::activeWindow(), dialog);
    else
        QCOMPARE(main_->activeChild(), dialog);
    QCOMPARE(recorder_->count(), 0);
}

QTEST_MAIN(TestFileDialogs)
#include "tst_file_dialogs.moc"
