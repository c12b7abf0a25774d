#pragma once
// A grid of text cells (MSF_ controls) over QTableWidget, with the kit's
// rules (kit_control.h).
//
// Cells are addressed by (row, column). Row 0 is the fixed header row; rows
// 1..rows() - 1 hold the data. The grid keeps a current cell of its own:
// - setRow() / setCol() by code and the user's clicks and arrow keys move it.
//   Before it moves, onLeaveCell runs while row() and col() still name the
//   cell being left; setting the cell that is already current runs nothing.
// - Moving it from code never scrolls the grid; the user's arrow keys scroll
//   the new cell into view.
// - A click on a data cell first makes that cell current (onLeaveCell on
//   the way), then raises onClick when the button is released; a double
//   click raises onDblClick after the click. A click on the header row
//   raises onClick too, with mouseRow() 0, and moves nothing: the handler
//   makes that cell current when it wants it.
//   When onLeaveCell showed a message box, the release may never come (the
//   box was modal): onClick is raised as soon as onLeaveCell returns.
// - onLeaveCell may refuse the move with keepCell(): the current cell stays,
//   and a click that asked for the move raises neither onClick nor onDblClick.
// - Every scroll of the grid, by the user or by setTopRow(), raises onScroll.
// The grid never edits a cell itself: a window lays its editors over the
// current cell with placeEditor().
//
// Every value fits the grid: a column is never narrower than its heading
// and the widest text it has held, and the grid never narrower than its
// columns (with room for its scroll bar when not all its rows show),
// wherever the window places it. A window that sizes the grid gives the
// size it designed (setDesignSize): the grid takes it, widened to its
// columns and lengthened to show every row that height was meant to show.

#include "platform/kit_control.h"

#include <QList>
#include <QString>
#include <QWidget>

class KitList;
class KitText;

class KitGrid final : public QWidget, public KitControl {
public:
    explicit KitGrid(QWidget* parent = nullptr);

    // Rows including the header row (at least 1); columns (at least 1).
    // Shrinking the grid past the current cell first moves it to the last
    // row or column that stays (onLeaveCell on the way).
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // The text of a cell; row 0 is the header. Out-of-range cells read empty
    // and ignore writes.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell and its text. setRow and setCol ignore values outside
    // the grid.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    QString text() const { return textMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // The cell under the pointer at the last click (row 0: the header row).
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }

    // Called inside onLeaveCell: the move that raised it does not happen (by
    // click, key or code alike). A cell that goes away as the grid shrinks
    // cannot be kept.
    void keepCell() { keepCell_ = true; }

    // The header texts and alignments, one column per "|"-separated piece:
    // a leading "^" centres the column, "<" aligns it left, ">" right. Sets
    // the column count and fits each column to its header text.
    void setFormatString(const QString& format);

    // The alignment a column got from the format string.
    Qt::Alignment colAlignment(int col) const;
    int colWidth(int col) const;

    // The height in pixels that shows the header row and every data row
    // without scrolling (when the columns fit the width).
    int fullHeight() const;

    // The size the window designed for the grid, in twips. The grid takes
    // it, no narrower than its columns, and tall enough to show as many rows
    // as the height holds at the designed row height (kDesignRowTwips), up to
    // all of them. setDesignWidth leaves the height to the window's layout.
    static constexpr double kDesignRowTwips = 240;
    void setDesignSize(double widthTwips, double heightTwips);
    void setDesignWidth(double widthTwips);

    // The first data row shown at the top; setting it scrolls.
    int topRow() const;
    void setTopRow(int row);

    // Where the current cell lies, in this widget's coordinates (pixels).
    int cellLeft() const;
    int cellTop() const;
    int cellWidth() const;
    int cellHeight() const;

    // An editor laid over this grid's cells is heard by screen readers under
    // the heading of the current cell's column.
    void nameEditor(KitControl& editor);

    // Lays an editor over the current cell, shows it and raises it above the
    // grid. The editor is a child of the grid's parent (or of a widget that
    // holds the grid); it takes the cell's place and width, and a text box
    // the cell's height, while a list keeps the height of its field.
    void placeEditor(KitText& editor) const;
    void placeEditor(KitList& editor) const;

    std::function<void()> onLeaveCell;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onScroll;

protected:
    // Clicks on the header row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Table;
    friend class Table;

    // A move of the current cell by the user or by code; false when the
    // leave-cell handler kept the cell.
    bool moveTo(int row, int col);
    void showCurrent();
    // Widens a column to show a text (a heading when row is 0); refits.
    void fitColumn(int row, int col, const QString& text);
    // The grid's size from its columns, rows and designed size.
    void fitSize();
    QRect currentRect() const;
    void placeEditor(QWidget& editor, int height) const;

    Table* table_;
    int row_ = 0;
    int col_ = 0;
    int mouseRow_ = 0;
    int mouseCol_ = 0;
    bool headerPressed_ = false;
    bool keepCell_ = false;
    QList<Qt::Alignment> alignments_;
    double designWidth_ = 0;   // twips; 0: none
    double designHeight_ = 0;  // twips; 0: the layout's
};
