// An edit still open in a window's cell goes into the image before the
// whole-image write sends it and before File > Save As saves it; that commit
// is no leave of the cell: the dialog the user works in stays the active
// window and keeps the focus. One table over every window whose open edit
// reaches the image only when its cell is left. The application as it
// starts, against the radio simulator in process, on virtual time.

#include "app/mdimain.h"
#include "channels/chann_grid.h"
#include "channels/fm_page.h"
#include "core/ui/form_save_chann.h"
#include "link/ui/form_comm_write.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_text.h"
#include "support/editor_windows.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kWriteDone = QStringLiteral("Complete Written the data to transceiver.");
const QString kSaved = QStringLiteral("Complete storing  parameter.");

enum class Send { WholeImageWrite, FileSaveAs };

// What the user types into a cell of the window, and what it stores.
struct OpenEdit {
    KitGrid* grid;
    KitText* editor;
    int row;
    int col;
    QString typed;
    int imageRow;
    QByteArray stored;  // the first bytes of the image row once committed
};

OpenEdit EditOf(EditorWindow editor)
{
    switch (editor) {
    case EditorWindow::Channel: {
        // A new channel in an empty row: its TX cell takes the RX frequency.
        auto* w = Windows::Load<frm_chann>();
        return {w->MSF_Chann, w->Text_Edit, 150, ChannCol::RxFreq, QStringLiteral("145.5"), 149,
                "00 00 55 14 00 00 55 14"};
    }
    case EditorWindow::Fm: {
        auto* w = Windows::Load<frm_FM>();
        return {w->MSF_Chann, w->Text_Edit, 2, FmCol::Freq, QStringLiteral("100.5"), FmPresetImageRow(2),
                "01 00 00 05"};
    }
    case EditorWindow::TwoTone:
    default: {
        auto* w = Windows::Load<frm_2tone>();
        return {w->MSF_Encode, w->Text_Encode, 1, 1, QStringLiteral("1500"), kTwoToneEncRow, "DC 05"};
    }
    }
}

// The window holds the focus, as the application sees it.
bool HasFocus(const QWidget* window)
{
    return window->isAncestorOf(QApplication::focusWidget());
}

}  // namespace

Q_DECLARE_METATYPE(Send)

class TestOpenEditCommitKeepsTheFocus : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dialog_stays_active_through_the_commit_data();
    void dialog_stays_active_through_the_commit();
};

void TestOpenEditCommitKeepsTheFocus::init()
{
    QVERIFY(startApp());
    QVERIFY(KitDriver::ShowActive(main_));
}

void TestOpenEditCommitKeepsTheFocus::cleanup()
{
    stopApp();
}

void TestOpenEditCommitKeepsTheFocus::dialog_stays_active_through_the_commit_data()
{
    QTest::addColumn<EditorWindow>("editor");
    QTest::addColumn<Send>("send");
    const std::pair<const char*, EditorWindow> editors[]{
        {"channel", EditorWindow::Channel},
        {"FM", EditorWindow::Fm},
        {"two-tone", EditorWindow::TwoTone},
    };
    for (const auto& [editorName, editor] : editors) {
        QTest::addRow("%s, whole-image Write", editorName) << editor << Send::WholeImageWrite;
        QTest::addRow("%s, File > Save As", editorName) << editor << Send::FileSaveAs;
    }
}

void TestOpenEditCommitKeepsTheFocus::dialog_stays_active_through_the_commit()
{
    QFETCH(EditorWindow, editor);
    QFETCH(Send, send);
    const OpenEdit edit = EditOf(editor);
    KitDriver::ClickCell(edit.grid, edit.row, edit.col);
    QVERIFY(edit.editor->isVisible());
    edit.editor->setText(QString());
    KitDriver::TypeText(edit.editor, edit.typed);

    switch (send) {
    case Send::WholeImageWrite: {
        main_->Prog_write->trigger();
        auto* dialog = Windows::Find<Form_Comm_Write>();
        QVERIFY(dialog != nullptr);
        KitDriver::ClickButton(dialog->Command_Write);
        QCOMPARE(main_->activeChild(), static_cast<Window*>(dialog));
        QVERIFY(HasFocus(dialog));
        QVERIFY(runTransfer(&dialog->transfer()));
        QCOMPARE(recorder_->takeTexts(), QStringList{kWriteDone});
        QCOMPARE(main_->activeChild(), static_cast<Window*>(dialog));
        QVERIFY(HasFocus(dialog));
        break;
    }
    case Send::FileSaveAs: {
        main_->File_saveas->trigger();
        auto* dialog = Windows::Find<Form_save_chann>();
        QVERIFY(dialog != nullptr);
        // A window of its own: the window system activates it.
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(HasFocus(dialog));
        dialog->Text1->setText(QStringLiteral("open.dat"));
        QTest::mouseClick(dialog->Command_enter, Qt::LeftButton);
        QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
        break;
    }
    }
    QVERIFY(edit.editor->isHidden());
    QCOMPARE(RowHex(Edata, edit.imageRow).left(edit.stored.size()), edit.stored);
}

QTEST_MAIN(TestOpenEditCommitKeepsTheFocus)
#include "tst_open_edit_commit_keeps_the_focus.moc"
