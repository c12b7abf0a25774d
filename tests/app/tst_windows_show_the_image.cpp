// Every open editor shows the image as it is once a whole-image read or a
// ".dat" file replaced it, whether or not it is the active window, and
// moving through its cells and boxes afterwards stores nothing: the image
// keeps what the radio or the file holds. An editor left open over a cell
// whose rows were replaced goes with the old contents. The application as it
// starts, against the radio simulator in process, on virtual time.

#include "app/mdimain.h"
#include "channels/chann_grid.h"
#include "channels/chann_rec.h"
#include "channels/fm_page.h"
#include "core/dat_file.h"
#include "core/dtmf_defaults.h"
#include "core/five_tone_defaults.h"
#include "core/ui/form_open_chann.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_read.h"
#include "options/ui/vfo_frame.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/five_tone_area.h"
#include "signalling/five_tone_edit.h"
#include "signalling/two_tone_area.h"
#include "support/channel_table.h"
#include "support/editor_windows.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/options_area.h"
#include "support/sim_app_fixture.h"
#include "support/two_tone_area_table.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

constexpr qint64 kLongEnough = 600000;
const QString kReadDone = QStringLiteral("Complete reading data from the transceiver.");
const QString kLoaded = QStringLiteral("Succeed fold the parameter from file.");

// The image rows each editor shows.
std::vector<AreaSpan> AreasOf(EditorWindow editor)
{
    switch (editor) {
    case EditorWindow::Channel:
        return {Area::Chann, Area::ChannName};
    case EditorWindow::Fm:
        return {Area::FmPage};
    case EditorWindow::Options:
        return {Area::Opt};
    case EditorWindow::Dtmf:
        return {Area::Dtmf};
    case EditorWindow::TwoTone:
        return {Area::TwoTone};
    case EditorWindow::FiveTone:
        return {Area::FiveTone};
    }
    return {};
}

void CopyRows(const MemoryImage& from, RadioSimulator& radio, AreaSpan area)
{
    for (int r = area.firstRow(); r <= area.lastRow(); ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            radio.memory[r * kRowBytes + c] = static_cast<char>(from(r, c));
    }
}

// Settings other than the start-up contents in every editor's area, each
// as its editor shows it (nothing a painting would store differently).
void PutEveryArea(RadioSimulator& radio)
{
    ChannelTable::PutInto(radio);
    OptionsArea::PutInto(radio, Edata);
    TwoToneAreaTable::PutInto(radio);

    MemoryImage areas;
    for (int preset = 1; preset <= kFmPresets; ++preset)
        FM_Save_Row(preset, preset % 3 == 0 ? QString() : QString::number(88.5 + preset, 'f', 1),
                    QStringLiteral("FM%1").arg(preset), areas);
    CopyRows(areas, radio, Area::FmPage);

    Dtmf_Defaults(areas);
    SetRow(areas, 656, "01 02 03");
    SetRow(areas, 671, "09 0C");
    SetRow(areas, 687, "00 15 0A 01 0D 0E 09 13");
    CopyRows(areas, radio, Area::Dtmf);

    FiveTone_Defaults(areas);
    SetRow(areas, 576, "03 0B 0C");
    SetRow(areas, 593, "09 08 07 06 05 01 01 02 02 03 FF FF FF FF FF 04");
    SetRow(areas, 607, "19 1E 23 04 FF FF FF FF 03 05 02 14");
    CopyRows(areas, radio, Area::FiveTone);
}

// The texts of a grid's cells below its header row.
QStringList CellTexts(const KitGrid& grid)
{
    QStringList texts;
    for (int r = 1; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c)
            texts << grid.textMatrix(r, c);
    }
    return texts;
}

// What the window's value controls show, control by control in the order
// the window holds them; an in-cell editor closed (hidden) shows nothing.
QStringList Shown(const Window* window)
{
    QStringList shown;
    // The kit's controls are no QObject classes of their own: they are found
    // among the widgets.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (const auto* grid = dynamic_cast<const KitGrid*>(widget)) {
            shown << CellTexts(*grid);
        } else if (const auto* box = dynamic_cast<const KitText*>(widget)) {
            if (!box->isHidden())
                shown << box->text();
        } else if (const auto* list = dynamic_cast<const KitList*>(widget)) {
            if (list->isHidden())
                continue;
            // What the Qt box itself shows: an editable list its field, a
            // choose-only list its current item or else its placeholder.
            const auto* combo = list->findChild<QComboBox*>();
            shown << list->text() << combo->currentText();
            if (list->style() == KitList::Style::ChooseOnly)
                shown << QString::number(combo->currentIndex()) << combo->placeholderText();
        } else if (const auto* check = dynamic_cast<const KitCheck*>(widget)) {
            shown << QString::number(check->value());
        }
    }
    return shown;
}

QStringList Differences(const QStringList& shown, const QStringList& fresh)
{
    QStringList differences;
    for (qsizetype i = 0; i < std::max(shown.size(), fresh.size()); ++i) {
        const QString a = shown.value(i, QStringLiteral("<none>"));
        const QString b = fresh.value(i, QStringLiteral("<none>"));
        if (a != b)
            differences << QStringLiteral("%1: shown \"%2\", fresh \"%3\"").arg(i).arg(a, b);
    }
    return differences;
}

// The texts of every cell of the window's grids.
QStringList GridTexts(const Window* window)
{
    QStringList texts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (const auto* grid = dynamic_cast<const KitGrid*>(widget))
            texts << CellTexts(*grid);
    }
    return texts;
}

// An in-cell editor of a window, opened over one data cell.
struct CellEditor {
    const char* name;
    EditorWindow window;
    int tab;  // the page it lies on (0: the window has one page)
    std::function<KitGrid*(Window*)> grid;
    std::function<QWidget*(Window*)> editor;
    int row;
    int col;
    std::vector<int> imageRows;  // the rows the cell stands for
    // What the user changes in it once it is open: a key typed, an item
    // chosen (stored at once).
    std::function<void(QWidget* editor)> edit;
};

// Unloads the editor, if loaded, and loads it afresh: it paints the image
// as it is now.
Window* ReloadEditor(EditorWindow editor)
{
    Windows::Unload(LoadEditor(editor));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return LoadEditor(editor);
}

template <class W> W* As(Window* window)
{
    return static_cast<W*>(window);
}

// Chooses the first item other than the one the list shows.
void ChooseAnother(QWidget* editor)
{
    auto* list = static_cast<KitList*>(editor);
    const QStringList items = list->items();
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i) != list->text()) {
            KitDriver::ChooseItem(list, i);
            return;
        }
    }
}

void TypeDigit(QWidget* editor)
{
    KitDriver::TypeText(editor, QStringLiteral("5"));
}

const std::vector<CellEditor>& CellEditors()
{
    static const std::vector<CellEditor> editors{
        {"channel text", EditorWindow::Channel, 0, [](Window* w) { return As<frm_chann>(w)->MSF_Chann; },
         [](Window* w) { return As<frm_chann>(w)->Text_Edit; }, 1, ChannCol::RxFreq,
         {ChannRecRow(1), ChannNameRow(1)}, TypeDigit},
        {"channel list", EditorWindow::Channel, 0, [](Window* w) { return As<frm_chann>(w)->MSF_Chann; },
         [](Window* w) { return As<frm_chann>(w)->Combo_edit; }, 1, ChannCol::Power,
         {ChannRecRow(1), ChannNameRow(1)}, ChooseAnother},
        {"FM text", EditorWindow::Fm, 0, [](Window* w) { return As<frm_FM>(w)->MSF_Chann; },
         [](Window* w) { return As<frm_FM>(w)->Text_Edit; }, 1, FmCol::Freq, {FmPresetImageRow(1)}, TypeDigit},
        {"two-tone encode text", EditorWindow::TwoTone, 1, [](Window* w) { return As<frm_2tone>(w)->MSF_Encode; },
         [](Window* w) { return As<frm_2tone>(w)->Text_Encode; }, 1, 1, {kTwoToneEncRow}, TypeDigit},
        {"two-tone decode list", EditorWindow::TwoTone, 2, [](Window* w) { return As<frm_2tone>(w)->MSF_Decode; },
         [](Window* w) { return As<frm_2tone>(w)->Combo_Decode; }, 1, 1, {kTwoToneDecRow}, ChooseAnother},
        {"five-tone standards list", EditorWindow::FiveTone, 1,
         [](Window* w) { return As<frm_5tone>(w)->MSF_Chann; }, [](Window* w) { return As<frm_5tone>(w)->Combo_edit; },
         1, 1, {FiveToneStdRec(0)}, ChooseAnother},
        {"five-tone digits", EditorWindow::FiveTone, 2, [](Window* w) { return As<frm_5tone>(w)->MSF_Encode; },
         [](Window* w) { return As<frm_5tone>(w)->Text_Encode; }, 1, FiveToneEncCol::Frame1, {FiveToneEncRec(1)},
         [](QWidget* editor) { KitDriver::PressKey(editor, Qt::Key_Backspace); }},
        {"five-tone standard list", EditorWindow::FiveTone, 2, [](Window* w) { return As<frm_5tone>(w)->MSF_Encode; },
         [](Window* w) { return As<frm_5tone>(w)->Combo_Encode; }, 1, FiveToneEncCol::Standard, {FiveToneEncRec(1)},
         ChooseAnother},
    };
    return editors;
}

const CellEditor& CellEditorNamed(const QByteArray& name)
{
    for (const CellEditor& editor : CellEditors()) {
        if (name == editor.name)
            return editor;
    }
    qFatal("no cell editor %s", name.constData());
}

enum class Replacement { DatFile, WholeImageRead };

}  // namespace

Q_DECLARE_METATYPE(Replacement)

class TestWindowsShowTheImage : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void whole_image_read_shows_in_the_active_editor_data();
    void whole_image_read_shows_in_the_active_editor();
    void dat_file_shows_in_the_open_editor_data();
    void dat_file_shows_in_the_open_editor();
    void stale_cell_editor_is_dropped_data();
    void stale_cell_editor_is_dropped();
    void typed_editor_over_rows_left_as_they_were_stays_open_data();
    void typed_editor_over_rows_left_as_they_were_stays_open();

private:
    // The radio's memory as a ".dat" file in the current directory; false
    // when it could not be written.
    bool writeRadioFile();
    // Opens the file from the File menu; returns the messages it showed.
    QStringList openRadioFile();
    // Runs the whole-image read from the Program menu to its end; returns
    // the messages it showed.
    QStringList readWholeImage();
    // Through cells and boxes of the window without typing a character.
    void clickThrough(EditorWindow editor, Window* window);
    // The rows of the editor's area in the image against the source's bytes.
    static QStringList RowsNotAsIn(EditorWindow editor, const QByteArray& source);
    // After the replacement: the editor's rows hold the radio's bytes before
    // and after a click-through, and what the window showed as the message
    // came (shown) is what a window loaded afresh shows.
    void checkShownAndKept(EditorWindow editor, Window* window, const QStringList& shown);
};

void TestWindowsShowTheImage::init()
{
    QVERIFY(startApp());
    QVERIFY(KitDriver::ShowActive(main_));
    PutEveryArea(*radio_);
}

void TestWindowsShowTheImage::cleanup()
{
    stopApp();
}

void TestWindowsShowTheImage::clickThrough(EditorWindow editor, Window* window)
{
    switch (editor) {
    case EditorWindow::Channel: {
        KitGrid* grid = static_cast<frm_chann*>(window)->MSF_Chann;
        for (int row : {4, 5, 6}) {
            for (int col : {ChannCol::RxFreq, ChannCol::TxFreq, ChannCol::Name})
                KitDriver::ClickCell(grid, row, col);
        }
        KitDriver::ClickCell(grid, 8, ChannCol::Number);
        break;
    }
    case EditorWindow::Fm: {
        KitGrid* grid = static_cast<frm_FM*>(window)->MSF_Chann;
        for (int row : {1, 2, 3})
            for (int col : {FmCol::Freq, FmCol::Name})
                KitDriver::ClickCell(grid, row, col);
        KitDriver::ClickCell(grid, 5, FmCol::Number);
        break;
    }
    case EditorWindow::Options: {
        auto* options = static_cast<frm_option*>(window);
        for (KitText* box : {options->Frame_A->Text_Freq, options->Text_PON_MSG_U, options->Text_ANI,
                             options->Text_PttId_Begin, options->Frame_B->Text_Freq})
            box->setFocus();
        options->Frame_B->Combo_Offset->setFocus();
        break;
    }
    case EditorWindow::Dtmf: {
        auto* dtmf = static_cast<frm_dtmf*>(window);
        for (KitText* box : {dtmf->Text_tx_Encode[0], dtmf->Text_tx_Encode[1], dtmf->Text_XC, dtmf->Text_MID})
            box->setFocus();
        dtmf->Combo_Dec_qh->setFocus();
        break;
    }
    case EditorWindow::TwoTone: {
        auto* twoTone = static_cast<frm_2tone*>(window);
        for (int row : {1, 2})
            for (int col : {1, 2})
                KitDriver::ClickCell(twoTone->MSF_Encode, row, col);
        KitDriver::ClickCell(twoTone->MSF_Encode, 4, 0);
        KitDriver::ClickTab(twoTone->TabStrip1, 2);
        for (KitText* box : {twoTone->Text_A, twoTone->Text_B, twoTone->Text_C})
            box->setFocus();
        twoTone->Combo_Dec_Res_Time->setFocus();
        break;
    }
    case EditorWindow::FiveTone: {
        auto* fiveTone = static_cast<frm_5tone*>(window);
        KitDriver::ClickTab(fiveTone->TabStrip1, 2);
        for (int row : {1, 2, 3})
            KitDriver::ClickCell(fiveTone->MSF_Encode, row, 1);
        KitDriver::ClickCell(fiveTone->MSF_Encode, 5, 0);
        break;
    }
    }
}

QStringList TestWindowsShowTheImage::RowsNotAsIn(EditorWindow editor, const QByteArray& source)
{
    QStringList rows;
    for (const AreaSpan& area : AreasOf(editor)) {
        for (int r = area.firstRow(); r <= area.lastRow(); ++r) {
            const QByteArray expected = source.mid(r * kRowBytes, kRowBytes).toHex(' ').toUpper();
            if (RowHex(Edata, r) != expected)
                rows << QStringLiteral("row %1: %2, not %3").arg(r).arg(RowHex(Edata, r), expected);
        }
    }
    return rows;
}

void TestWindowsShowTheImage::whole_image_read_shows_in_the_active_editor_data()
{
    AddEditorRows();
}

void TestWindowsShowTheImage::whole_image_read_shows_in_the_active_editor()
{
    QFETCH(EditorWindow, editor);
    Window* window = LoadEditor(editor);
    QVERIFY(window != nullptr);
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    QVERIFY(dialog != nullptr);
    dialog->Command_read->click();
    // The user goes back to the editor while the read runs.
    Windows::BringForward(window);
    QStringList shown;
    recorder_->onShow = [&](const ShownMessage&) { shown = Shown(window); };
    const TransferEngine& read = dialog->transfer();
    QVERIFY(clock_->advanceUntil([&] { return !read.busy() && !ports_->isOpen(kAppPort); }, kLongEnough));
    recorder_->onShow = nullptr;
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
    QCOMPARE(main_->activeChild(), window);
    checkShownAndKept(editor, window, shown);
}

void TestWindowsShowTheImage::dat_file_shows_in_the_open_editor_data()
{
    AddEditorRows();
}

void TestWindowsShowTheImage::dat_file_shows_in_the_open_editor()
{
    QFETCH(EditorWindow, editor);
    QVERIFY(writeRadioFile());
    Window* window = LoadEditor(editor);
    QVERIFY(window != nullptr);
    QStringList shown;
    recorder_->onShow = [&](const ShownMessage&) { shown = Shown(window); };
    QCOMPARE(openRadioFile(), QStringList{kLoaded});
    recorder_->onShow = nullptr;
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    Windows::BringForward(window);
    checkShownAndKept(editor, window, shown);
}

bool TestWindowsShowTheImage::writeRadioFile()
{
    MemoryImage file;
    for (int r = 0; r < kImageRows; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            file(r, c) = static_cast<std::uint8_t>(radio_->memory.at(r * kRowBytes + c));
    }
    QFile out(dir_->filePath(QStringLiteral("radio.dat")));
    const QByteArray text = DatFileText(file);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

QStringList TestWindowsShowTheImage::openRadioFile()
{
    main_->File_Open->trigger();
    auto* dialog = Windows::Find<Form_open_chann>();
    if (dialog == nullptr)
        return {QStringLiteral("<no open dialog>")};
    dialog->Text1->setText(QStringLiteral("radio.dat"));
    dialog->Command_enter->click();
    return recorder_->takeTexts();
}

QStringList TestWindowsShowTheImage::readWholeImage()
{
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    if (dialog == nullptr)
        return {QStringLiteral("<no read dialog>")};
    dialog->Command_read->click();
    const TransferEngine& read = dialog->transfer();
    if (!clock_->advanceUntil([&] { return !read.busy() && !ports_->isOpen(kAppPort); }, kLongEnough))
        return {QStringLiteral("<the read did not end>")};
    return recorder_->takeTexts();
}

void TestWindowsShowTheImage::stale_cell_editor_is_dropped_data()
{
    QTest::addColumn<int>("editorIndex");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<Replacement>("replacement");
    const std::pair<const char*, Replacement> replacements[]{
        {"\".dat\" file", Replacement::DatFile},
        {"whole-image read", Replacement::WholeImageRead},
    };
    for (int i = 0; i < static_cast<int>(CellEditors().size()); ++i) {
        for (const bool edited : {false, true}) {
            for (const auto& [replacementName, replacement] : replacements) {
                QTest::addRow("%s, %s, %s", CellEditors().at(i).name, edited ? "edited" : "opened", replacementName)
                    << i << edited << replacement;
            }
        }
    }
}

void TestWindowsShowTheImage::stale_cell_editor_is_dropped()
{
    // An editor open over a cell (only opened, or typed into or chosen from)
    // while a ".dat" file or a whole-image read replaces the rows of its
    // cell: it goes with the old text, stores nothing over the new rows, and
    // after the next click the grid shows what the image holds.
    QFETCH(int, editorIndex);
    QFETCH(bool, edited);
    QFETCH(Replacement, replacement);
    const CellEditor& cell = CellEditors().at(static_cast<std::size_t>(editorIndex));

    // The image holds what the radio holds, except the cell's own rows,
    // which hold those of the next grid row: the replacement changes them.
    for (const AreaSpan& area : AreasOf(cell.window)) {
        for (int r = area.firstRow(); r <= area.lastRow(); ++r) {
            for (int c = 0; c < kRowBytes; ++c)
                Edata(r, c) = static_cast<std::uint8_t>(radio_->memory.at(r * kRowBytes + c));
        }
    }
    for (const int r : cell.imageRows)
        Edata.row(r) = Edata.row(r + 1);
    QVERIFY(writeRadioFile());

    Window* window = ReloadEditor(cell.window);
    QVERIFY(window != nullptr);
    if (cell.tab > 0)
        KitDriver::ClickTab(window->findChild<KitTabStrip*>(), cell.tab);
    KitGrid* grid = cell.grid(window);
    QWidget* editor = cell.editor(window);
    KitDriver::ClickCell(grid, cell.row, cell.col);
    QVERIFY(!editor->isHidden());
    if (edited)
        cell.edit(editor);
    QCOMPARE(recorder_->takeTexts(), QStringList());
    for (const int r : cell.imageRows)
        QVERIFY(RowHex(Edata, r) != radio_->memoryRange(r * kRowBytes, kRowBytes).toHex(' ').toUpper());

    if (replacement == Replacement::DatFile)
        QCOMPARE(openRadioFile(), QStringList{kLoaded});
    else
        QCOMPARE(readWholeImage(), QStringList{kReadDone});
    QVERIFY(editor->isHidden());

    Windows::BringForward(window);
    KitDriver::ClickCell(grid, cell.row + 1, cell.col);
    QCOMPARE(recorder_->takeTexts(), QStringList());
    const QStringList stored = RowsNotAsIn(cell.window, radio_->memory);
    QVERIFY2(stored.isEmpty(), qPrintable(stored.join(QStringLiteral("; "))));
    const QStringList shown = GridTexts(window);
    Window* fresh = ReloadEditor(cell.window);
    QVERIFY(fresh != nullptr);
    const QStringList stale = Differences(shown, GridTexts(fresh));
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QStringLiteral("; "))));
}

void TestWindowsShowTheImage::typed_editor_over_rows_left_as_they_were_stays_open_data()
{
    // The editors whose typed text waits in the editor for its commit.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<Replacement>("replacement");
    for (const char* name : {"channel text", "FM text", "two-tone encode text"}) {
        QTest::addRow("%s, \".dat\" file", name) << QByteArray(name) << Replacement::DatFile;
        QTest::addRow("%s, whole-image read", name) << QByteArray(name) << Replacement::WholeImageRead;
    }
}

void TestWindowsShowTheImage::typed_editor_over_rows_left_as_they_were_stays_open()
{
    // A ".dat" file or a whole-image read brings the very bytes the cell's
    // rows hold, while the user is typing into the cell: the painting
    // commits nothing (no message of its own, no byte, no focus taken), and
    // as the replacement's message shows the editor is still open with what
    // was typed.
    QFETCH(QByteArray, name);
    QFETCH(Replacement, replacement);
    const CellEditor& cell = CellEditorNamed(name);
    for (const AreaSpan& area : AreasOf(cell.window)) {
        for (int r = area.firstRow(); r <= area.lastRow(); ++r) {
            for (int c = 0; c < kRowBytes; ++c)
                Edata(r, c) = static_cast<std::uint8_t>(radio_->memory.at(r * kRowBytes + c));
        }
    }
    QVERIFY(writeRadioFile());

    Window* window = ReloadEditor(cell.window);
    QVERIFY(window != nullptr);
    if (cell.tab > 0)
        KitDriver::ClickTab(window->findChild<KitTabStrip*>(), cell.tab);
    auto* editor = static_cast<KitText*>(cell.editor(window));
    KitDriver::ClickCell(cell.grid(window), cell.row, cell.col);
    cell.edit(editor);
    const QString typed = editor->text();
    bool open = false;
    QString shown;
    recorder_->onShow = [&](const ShownMessage&) {
        open = !editor->isHidden();
        shown = editor->text();
    };

    if (replacement == Replacement::DatFile) {
        QCOMPARE(openRadioFile(), QStringList{kLoaded});
    } else {
        QCOMPARE(readWholeImage(), QStringList{kReadDone});
        QCOMPARE(main_->activeChild(), Windows::Find<Form_Comm_Read>());
    }
    recorder_->onShow = nullptr;
    QVERIFY(open);
    QCOMPARE(shown, typed);
    const QStringList stored = RowsNotAsIn(cell.window, radio_->memory);
    QVERIFY2(stored.isEmpty(), qPrintable(stored.join(QStringLiteral("; "))));
}

void TestWindowsShowTheImage::checkShownAndKept(EditorWindow editor, Window* window, const QStringList& shown)
{
    const QStringList replaced = RowsNotAsIn(editor, radio_->memory);
    QVERIFY2(replaced.isEmpty(), qPrintable(replaced.join(QStringLiteral("; "))));
    clickThrough(editor, window);
    QCOMPARE(recorder_->takeTexts(), QStringList());
    const QStringList stored = RowsNotAsIn(editor, radio_->memory);
    QVERIFY2(stored.isEmpty(), qPrintable(stored.join(QStringLiteral("; "))));
    // What it showed as the message came is what a window loaded now shows.
    Window* fresh = ReloadEditor(editor);
    QVERIFY(fresh != nullptr);
    const QStringList stale = Differences(shown, Shown(fresh));
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestWindowsShowTheImage)
#include "tst_windows_show_the_image.moc"
