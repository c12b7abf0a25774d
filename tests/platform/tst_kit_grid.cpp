#include "platform/geometry.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

class TestKitGrid : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void rows_and_cols_count_the_header_row();
    void cells_outside_the_grid_read_empty();
    void format_string_data();
    void format_string();
    void format_string_fits_columns_to_their_headers();
    void leave_cell_sees_the_old_cell();
    void setting_the_current_cell_again_runs_nothing();
    void values_outside_the_grid_do_not_move();
    void click_leaves_the_old_cell_then_clicks_the_new();
    void click_on_the_current_cell_only_clicks();
    void double_click_follows_the_click();
    void click_whose_leave_cell_shows_a_box_completes_without_its_release();
    void header_click_raises_click_and_moves_nothing();
    void moving_the_current_cell_from_code_never_scrolls();
    void arrow_key_leaves_the_cell_and_scrolls_it_into_view();
    void scrolling_raises_scroll();
    void cell_position_lies_over_the_current_cell();
    void placed_editor_covers_the_current_cell_data();
    void placed_editor_covers_the_current_cell();
    void full_height_shows_every_row_without_scrolling();
    void columns_widen_to_their_texts_and_the_grid_to_its_columns();
    void designed_height_shows_the_rows_it_was_designed_for_data();
    void designed_height_shows_the_rows_it_was_designed_for();
    void shrinking_past_the_current_cell_leaves_it_first();
    void leave_cell_that_keeps_its_cell_refuses_every_move();
    void shrinking_past_a_kept_cell_moves_it_all_the_same();

private:
    // Records the grid's events with the current cell at the time.
    QStringList events_;
    QWidget* window_ = nullptr;
    KitGrid* grid_ = nullptr;
    QTableWidget* table() const { return grid_->findChild<QTableWidget*>(); }
};

void TestKitGrid::init()
{
    window_ = new QWidget;
    window_->resize(600, 300);
    auto* layout = new QVBoxLayout(window_);
    grid_ = new KitGrid;
    layout->addWidget(grid_);
    grid_->setCols(16);
    grid_->setRows(201);
    events_.clear();
    const auto cell = [this] { return QStringLiteral("%1,%2").arg(grid_->row()).arg(grid_->col()); };
    grid_->onLeaveCell = [this, cell] { events_ << QStringLiteral("leave ") + cell(); };
    grid_->onClick = [this, cell] { events_ << QStringLiteral("click ") + cell(); };
    grid_->onDblClick = [this, cell] { events_ << QStringLiteral("dblclick ") + cell(); };
    grid_->onScroll = [this] { events_ << QStringLiteral("scroll"); };
    QVERIFY(KitDriver::ShowActive(window_));
}

void TestKitGrid::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestKitGrid::rows_and_cols_count_the_header_row()
{
    QCOMPARE(grid_->rows(), 201);
    QCOMPARE(grid_->cols(), 16);
    QCOMPARE(table()->rowCount(), 200);
    grid_->setTextMatrix(0, 3, QStringLiteral("TX Frequency"));
    grid_->setTextMatrix(200, 15, QStringLiteral("ABC"));
    QCOMPARE(grid_->textMatrix(0, 3), QStringLiteral("TX Frequency"));
    QCOMPARE(table()->horizontalHeaderItem(3)->text(), QStringLiteral("TX Frequency"));
    QCOMPARE(grid_->textMatrix(200, 15), QStringLiteral("ABC"));
    QCOMPARE(table()->item(199, 15)->text(), QStringLiteral("ABC"));

    grid_->setRow(200);
    grid_->setCol(15);
    QCOMPARE(grid_->text(), QStringLiteral("ABC"));
    grid_->setText(QStringLiteral("XYZ"));
    QCOMPARE(grid_->textMatrix(200, 15), QStringLiteral("XYZ"));
}

void TestKitGrid::cells_outside_the_grid_read_empty()
{
    grid_->setTextMatrix(201, 0, QStringLiteral("x"));
    grid_->setTextMatrix(1, 16, QStringLiteral("x"));
    QCOMPARE(grid_->textMatrix(201, 0), QString());
    QCOMPARE(grid_->textMatrix(-1, 0), QString());
    QCOMPARE(grid_->textMatrix(1, 16), QString());
    QCOMPARE(grid_->textMatrix(1, 1), QString());  // a cell never written
}

void TestKitGrid::format_string_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<int>>("alignments");
    const int centre = Qt::AlignHCenter;
    const int left = Qt::AlignLeft;
    const int right = Qt::AlignRight;
    QTest::newRow("centred") << "^Channel|^  Band  " << QStringList{"Channel", "  Band  "}
                             << QList<int>{centre, centre};
    QTest::newRow("last without mark") << "^扰频|信 道 名 称" << QStringList{"扰频", "信 道 名 称"}
                                       << QList<int>{centre, left};
    QTest::newRow("left and right") << "<Name|>Freq|" << QStringList{"Name", "Freq", ""}
                                    << QList<int>{left, right, left};
}

void TestKitGrid::format_string()
{
    QFETCH(QString, format);
    QFETCH(QStringList, headers);
    QFETCH(QList<int>, alignments);
    grid_->setFormatString(format);
    QCOMPARE(grid_->cols(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        QCOMPARE(grid_->textMatrix(0, c), headers[c]);
        QCOMPARE(int(grid_->colAlignment(c)), alignments[c]);
        QCOMPARE(int(table()->horizontalHeaderItem(c)->textAlignment() & Qt::AlignHorizontal_Mask), alignments[c]);
    }
    grid_->setTextMatrix(1, 0, QStringLiteral("7"));
    QCOMPARE(int(table()->item(0, 0)->textAlignment() & Qt::AlignHorizontal_Mask), alignments[0]);
}

void TestKitGrid::format_string_fits_columns_to_their_headers()
{
    grid_->setFormatString(QStringLiteral("^Channel|^CTCSS/DCS Dec|^SCR"));
    const QFontMetrics metrics = table()->horizontalHeader()->fontMetrics();
    for (int c = 0; c < grid_->cols(); ++c)
        QVERIFY(grid_->colWidth(c) >= metrics.horizontalAdvance(grid_->textMatrix(0, c)));
    QVERIFY(grid_->colWidth(1) > grid_->colWidth(2));
}

void TestKitGrid::leave_cell_sees_the_old_cell()
{
    QCOMPARE(grid_->row(), 1);
    QCOMPARE(grid_->col(), 0);
    grid_->setRow(5);
    QCOMPARE(events_, QStringList{"leave 1,0"});
    QCOMPARE(grid_->row(), 5);
    grid_->setCol(3);
    QCOMPARE(events_, QStringList({"leave 1,0", "leave 5,0"}));
    QCOMPARE(grid_->col(), 3);
    QCOMPARE(table()->currentRow(), 4);
    QCOMPARE(table()->currentColumn(), 3);
}

void TestKitGrid::setting_the_current_cell_again_runs_nothing()
{
    grid_->setRow(1);
    grid_->setCol(0);
    QCOMPARE(events_, QStringList{});
}

void TestKitGrid::values_outside_the_grid_do_not_move()
{
    grid_->setRow(201);
    grid_->setRow(-1);
    grid_->setCol(16);
    QCOMPARE(events_, QStringList{});
    QCOMPARE(grid_->row(), 1);
    QCOMPARE(grid_->col(), 0);
}

void TestKitGrid::click_leaves_the_old_cell_then_clicks_the_new()
{
    grid_->setRow(2);
    grid_->setCol(4);
    events_.clear();
    KitDriver::ClickCell(grid_, 3, 1);
    QCOMPARE(events_, QStringList({"leave 2,4", "click 3,1"}));
}

void TestKitGrid::click_on_the_current_cell_only_clicks()
{
    KitDriver::ClickCell(grid_, 1, 0);
    QCOMPARE(events_, QStringList{"click 1,0"});
}

void TestKitGrid::double_click_follows_the_click()
{
    KitDriver::DoubleClickCell(grid_, 4, 0);
    QCOMPARE(events_, QStringList({"leave 1,0", "click 4,0", "dblclick 4,0"}));
}

void TestKitGrid::click_whose_leave_cell_shows_a_box_completes_without_its_release()
{
    // A modal box opened on the press takes the release of the click: the
    // click must complete all the same, and only once.
    MessageRecorder recorder;
    const auto leave = grid_->onLeaveCell;
    grid_->onLeaveCell = [&] {
        leave();
        ShowMessage({SameText(QStringLiteral("out of range")), Titles::OperatePromptLower});
        events_ << QStringLiteral("box");
    };
    QWidget* viewport = table()->viewport();
    const QPoint centre = table()->visualRect(table()->model()->index(2, 1)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, centre);
    QCOMPARE(events_, QStringList({"leave 1,0", "box", "click 3,1"}));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre);
    QCOMPARE(events_, QStringList({"leave 1,0", "box", "click 3,1"}));
    QCOMPARE(recorder.takeTexts(), QStringList{"out of range"});

    // Without a box the click still waits for its release.
    events_.clear();
    grid_->onLeaveCell = leave;
    const QPoint other = table()->visualRect(table()->model()->index(4, 2)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, other);
    QCOMPARE(events_, QStringList{"leave 3,1"});
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, other);
    QCOMPARE(events_, QStringList({"leave 3,1", "click 5,2"}));
}

void TestKitGrid::header_click_raises_click_and_moves_nothing()
{
    QHeaderView* header = table()->horizontalHeader();
    int clickedRow = -1;
    int clickedCol = -1;
    grid_->onClick = [&] {
        events_ << QStringLiteral("click");
        clickedRow = grid_->mouseRow();
        clickedCol = grid_->mouseCol();
    };
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 3, header->height() / 2));
    QCOMPARE(events_, QStringList{QStringLiteral("click")});
    QCOMPARE(clickedRow, 0);
    QCOMPARE(clickedCol, 2);
    QCOMPARE(grid_->row(), 1);

    // The handler may make the header cell current: the leave runs as usual.
    grid_->onClick = [&] { grid_->setRow(0); };
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 3, header->height() / 2));
    QCOMPARE(grid_->row(), 0);
    QCOMPARE(events_.filter(QStringLiteral("leave ")), QStringList{QStringLiteral("leave 1,0")});

    // A data cell's click names its own cell.
    grid_->onClick = [&] {
        clickedRow = grid_->mouseRow();
        clickedCol = grid_->mouseCol();
    };
    KitDriver::ClickCell(grid_, 3, 1);
    QCOMPARE(clickedRow, 3);
    QCOMPARE(clickedCol, 1);
}

void TestKitGrid::moving_the_current_cell_from_code_never_scrolls()
{
    // The channel redraw walks the current cell through every row.
    grid_->setCol(0);
    for (int r = 1; r < grid_->rows(); ++r)
        grid_->setRow(r);
    QCOMPARE(grid_->row(), 200);
    QCOMPARE(grid_->topRow(), 1);
    QVERIFY(!events_.contains(QStringLiteral("scroll")));

    grid_->setCol(15);
    QCOMPARE(table()->horizontalScrollBar()->value(), 0);
    QVERIFY(!events_.contains(QStringLiteral("scroll")));
}

void TestKitGrid::arrow_key_leaves_the_cell_and_scrolls_it_into_view()
{
    grid_->setRow(150);
    grid_->setFocus();
    events_.clear();
    KitDriver::PressKey(grid_, Qt::Key_Down);
    QCOMPARE(events_.first(), QStringLiteral("leave 150,0"));
    QVERIFY(events_.contains(QStringLiteral("scroll")));
    QCOMPARE(grid_->row(), 151);
    const QRect visible = table()->viewport()->rect();
    QVERIFY(visible.contains(table()->visualRect(table()->model()->index(150, 0))));
}

void TestKitGrid::scrolling_raises_scroll()
{
    grid_->setTopRow(50);
    QCOMPARE(grid_->topRow(), 50);
    QCOMPARE(events_, QStringList{"scroll"});
    QCOMPARE(grid_->row(), 1);  // the current cell stays
}

void TestKitGrid::full_height_shows_every_row_without_scrolling()
{
    grid_->setCols(3);
    grid_->setRows(16);
    grid_->setFixedHeight(grid_->fullHeight());
    window_->layout()->activate();
    QCOMPARE(table()->verticalScrollBar()->maximum(), 0);
    const QRect last = table()->visualRect(table()->model()->index(14, 2));
    QVERIFY(table()->viewport()->rect().contains(last));
    // One row more no longer fits.
    grid_->setRows(17);
    const QRect extra = table()->visualRect(table()->model()->index(15, 2));
    QVERIFY(!table()->viewport()->rect().contains(extra));
}

void TestKitGrid::cell_position_lies_over_the_current_cell()
{
    grid_->setRow(3);
    grid_->setCol(2);
    const QPoint centre(grid_->cellLeft() + grid_->cellWidth() / 2, grid_->cellTop() + grid_->cellHeight() / 2);
    const QModelIndex under = table()->indexAt(table()->viewport()->mapFrom(grid_, centre));
    QCOMPARE(under.row(), 2);
    QCOMPARE(under.column(), 2);
    // The cell inside its grid lines.
    QVERIFY(qAbs(grid_->cellWidth() - table()->columnWidth(2)) <= 1);
    QVERIFY(qAbs(grid_->cellHeight() - table()->rowHeight(2)) <= 1);
    // Below the header row.
    QVERIFY(grid_->cellTop() >= table()->horizontalHeader()->height());

    const int top = grid_->cellTop();
    grid_->setTopRow(2);
    QCOMPARE(grid_->cellTop(), top - table()->rowHeight(0));
}

void TestKitGrid::placed_editor_covers_the_current_cell_data()
{
    QTest::addColumn<bool>("list");
    QTest::addColumn<bool>("inFrame");  // the grid in a frame, the editor beside the frame
    QTest::newRow("text box beside the grid") << false << false;
    QTest::newRow("list beside the grid") << true << false;
    QTest::newRow("text box above the grid's frame") << false << true;
}

void TestKitGrid::placed_editor_covers_the_current_cell()
{
    QFETCH(bool, list);
    QFETCH(bool, inFrame);
    if (inFrame) {
        auto* frame = new QWidget;
        auto* inner = new QVBoxLayout(frame);
        inner->setContentsMargins(17, 23, 0, 0);
        inner->addWidget(grid_);
        window_->layout()->addWidget(frame);
        window_->layout()->activate();
        frame->layout()->activate();
    }
    KitText* text = list ? nullptr : new KitText(window_);
    KitList* choices = list ? new KitList(KitList::Style::ChooseOnly, window_) : nullptr;
    QWidget* editor = list ? static_cast<QWidget*>(choices) : text;
    editor->hide();
    grid_->nameEditor(list ? static_cast<KitControl&>(*choices) : *text);
    grid_->setRow(4);
    grid_->setCol(3);
    if (list)
        grid_->placeEditor(*choices);
    else
        grid_->placeEditor(*text);

    QVERIFY(editor->isVisible());
    const QPoint cell = grid_->mapTo(window_, QPoint(grid_->cellLeft(), grid_->cellTop()));
    QCOMPARE(editor->pos(), cell);
    QCOMPARE(editor->width(), grid_->cellWidth());
    QCOMPARE(editor->height(), list ? editor->sizeHint().height() : grid_->cellHeight());
    // Above the grid: the editor is what a click on the cell reaches.
    QWidget* hit = window_->childAt(cell + QPoint(2, 2));
    QVERIFY(hit == editor || editor->isAncestorOf(hit));
}

void TestKitGrid::columns_widen_to_their_texts_and_the_grid_to_its_columns()
{
    // Whatever the window gives it, a column shows every text it was given
    // whole, and the grid shows every column.
    grid_->setFormatString(QStringLiteral("^No|^Name"));
    const int before = grid_->colWidth(1);
    const QString wide = QStringLiteral("3.Alert+Transpond, a response longer than its heading");
    grid_->setTextMatrix(5, 1, wide);
    const int margin = table()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table()) + 1;
    QVERIFY(grid_->colWidth(1) > before);
    QVERIFY(grid_->colWidth(1) - 1 - 2 * margin >= table()->fontMetrics().horizontalAdvance(wide));
    // A shorter text later keeps the column as it is.
    const int widened = grid_->colWidth(1);
    grid_->setTextMatrix(5, 1, QStringLiteral("x"));
    QCOMPARE(grid_->colWidth(1), widened);
    // Placed narrower than its columns, the grid keeps them all in view.
    grid_->setGeometry(0, 0, 50, 100);
    window_->layout()->activate();
    QVERIFY(table()->viewport()->width() >= grid_->colWidth(0) + grid_->colWidth(1));
    QCOMPARE(table()->horizontalScrollBar()->maximum(), 0);
}

void TestKitGrid::designed_height_shows_the_rows_it_was_designed_for_data()
{
    QTest::addColumn<int>("designedRows");
    QTest::addColumn<bool>("allShown");
    QTest::newRow("every row") << 18 << true;
    QTest::newRow("more rows than it has") << 25 << true;
    QTest::newRow("six of them") << 6 << false;
}

void TestKitGrid::designed_height_shows_the_rows_it_was_designed_for()
{
    // A window designs a grid's height in twips for rows of 240 twips; the
    // grid shows that many of its rows, whatever the height of its own rows.
    QFETCH(int, designedRows);
    QFETCH(bool, allShown);
    delete window_;
    window_ = new QWidget;
    grid_ = new KitGrid(window_);
    grid_->setFormatString(QStringLiteral("^No|^Frequency|^Name"));
    grid_->setRows(18);
    grid_->setDesignSize(3000, designedRows * KitGrid::kDesignRowTwips);
    window_->show();
    const int shown = qMin(designedRows, 18) - 1;  // data rows, below the header row
    const QRect last = table()->visualRect(table()->model()->index(shown - 1, 0));
    QVERIFY(last.bottom() < table()->viewport()->height());
    QCOMPARE(table()->verticalScrollBar()->maximum() == 0, allShown);
    QVERIFY(grid_->width() >= TwipsToPixels(3000));
    QVERIFY(table()->viewport()->width() >= grid_->colWidth(0) + grid_->colWidth(1) + grid_->colWidth(2));
}

void TestKitGrid::shrinking_past_the_current_cell_leaves_it_first()
{
    grid_->setRow(200);
    events_.clear();
    grid_->setRows(101);
    QCOMPARE(events_, QStringList{"leave 200,0"});
    QCOMPARE(grid_->row(), 100);
    QCOMPARE(grid_->rows(), 101);
}

void TestKitGrid::leave_cell_that_keeps_its_cell_refuses_every_move()
{
    grid_->setRow(2);
    grid_->setCol(3);
    const auto leave = grid_->onLeaveCell;
    grid_->onLeaveCell = [&] {
        leave();
        grid_->keepCell();
    };
    events_.clear();

    // A click (and a double click) on another cell: the leave runs, nothing
    // moves and the click does not land.
    KitDriver::ClickCell(grid_, 5, 1);
    KitDriver::DoubleClickCell(grid_, 6, 0);
    QCOMPARE(events_, QStringList({"leave 2,3", "leave 2,3"}));
    QCOMPARE(grid_->row(), 2);
    QCOMPARE(grid_->col(), 3);
    QCOMPARE(table()->currentRow(), 1);
    QCOMPARE(table()->currentColumn(), 3);

    // An arrow key and a move from code.
    events_.clear();
    grid_->setFocus();
    KitDriver::PressKey(grid_, Qt::Key_Down);
    grid_->setRow(7);
    QCOMPARE(events_, QStringList({"leave 2,3", "leave 2,3"}));
    QCOMPARE(grid_->row(), 2);

    // Once the handler lets it go, the cell moves again.
    grid_->onLeaveCell = leave;
    events_.clear();
    KitDriver::ClickCell(grid_, 5, 1);
    QCOMPARE(events_, QStringList({"leave 2,3", "click 5,1"}));
}

void TestKitGrid::shrinking_past_a_kept_cell_moves_it_all_the_same()
{
    grid_->setRow(200);
    grid_->onLeaveCell = [this] { grid_->keepCell(); };
    grid_->setRows(101);
    QCOMPARE(grid_->row(), 100);
    QCOMPARE(table()->currentRow(), 99);
    QCOMPARE(grid_->text(), QString());
}

QTEST_MAIN(TestKitGrid)
#include "tst_kit_grid.moc"
