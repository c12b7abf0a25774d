#include "platform/kit_grid.h"

#include "core/prompt.h"
#include "platform/geometry.h"
#include "platform/kit_fit.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr Qt::Alignment kDefaultAlignment = Qt::AlignLeft;

struct FormatPiece {
    QString text;
    Qt::Alignment alignment;
};

FormatPiece ParsePiece(const QString& piece)
{
    if (piece.startsWith(QLatin1Char('^')))
        return {piece.mid(1), Qt::AlignHCenter};
    if (piece.startsWith(QLatin1Char('<')))
        return {piece.mid(1), Qt::AlignLeft};
    if (piece.startsWith(QLatin1Char('>')))
        return {piece.mid(1), Qt::AlignRight};
    return {piece, kDefaultAlignment};
}

}  // namespace

// The Qt table under the grid. It never moves its current cell on its own:
// every click and arrow key goes through the grid's move.
class KitGrid::Table final : public QTableWidget {
public:
    explicit Table(KitGrid* owner)
        : QTableWidget(owner),
          owner_(owner)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = false;
        refused_ = false;
        if (event->button() != Qt::LeftButton)
            return;
        const QModelIndex index = indexAt(event->position().toPoint());
        if (!index.isValid())
            return;
        pressed_ = true;
        owner_->mouseRow_ = index.row() + 1;
        owner_->mouseCol_ = index.column();
        const int boxes = ShownMessageCount();
        const QPointer<Table> alive(this);
        const bool moved = owner_->moveTo(index.row() + 1, index.column());
        if (alive.isNull())
            return;
        if (!moved) {
            // The leave-cell handler kept its cell: this click did not land.
            pressed_ = false;
            refused_ = true;
            return;
        }
        // A message box opened by the leave-cell handler was modal: the
        // window system may hand the release of this click to the box, or
        // drop it, and the click would never complete. Complete it now; a
        // release that still arrives finds nothing pressed.
        if (pressed_ && ShownMessageCount() != boxes) {
            pressed_ = false;
            RaiseEvent(owner_->onClick);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !pressed_)
            return;
        pressed_ = false;
        RaiseEvent(owner_->onClick);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        pressed_ = false;
        if (std::exchange(refused_, false))
            return;  // the second half of a click that did not land
        if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
            RaiseEvent(owner_->onDblClick);
    }

    void mouseMoveEvent(QMouseEvent*) override {}

    void keyPressEvent(QKeyEvent* event) override
    {
        if (!IsNavigationKey(event->key())) {
            event->ignore();
            return;
        }
        event->accept();
        const QModelIndex target = moveCursor(CursorActionOf(event->key()), event->modifiers());
        if (!target.isValid())
            return;
        if (owner_->moveTo(target.row() + 1, target.column()) && owner_->row_ >= 1)
            scrollTo(model()->index(owner_->row_ - 1, owner_->col_));
    }

    // The move of a navigation key; MoveNext stands for no navigation key.
    static CursorAction CursorActionOf(int key)
    {
        switch (key) {
        case Qt::Key_Up:
            return MoveUp;
        case Qt::Key_Down:
            return MoveDown;
        case Qt::Key_Left:
            return MoveLeft;
        case Qt::Key_Right:
            return MoveRight;
        case Qt::Key_PageUp:
            return MovePageUp;
        case Qt::Key_PageDown:
            return MovePageDown;
        case Qt::Key_Home:
            return MoveHome;
        case Qt::Key_End:
            return MoveEnd;
        default:
            return MoveNext;  // no navigation key
        }
    }

    static bool IsNavigationKey(int key) { return CursorActionOf(key) != MoveNext; }

private:
    KitGrid* owner_;
    bool pressed_ = false;
    bool refused_ = false;  // the last press asked for a move that was refused
};

KitGrid::KitGrid(QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      table_(new Table(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);

    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setAutoScroll(false);  // moving the current cell never scrolls
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionsClickable(false);
    table_->horizontalHeader()->setHighlightSections(false);

    table_->horizontalHeader()->viewport()->installEventFilter(this);

    const auto scrolled = [this] { RaiseEvent(onScroll); };
    QObject::connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    QObject::connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);

    setCols(2);
    setRows(2);
    row_ = 1;
    col_ = 0;
    showCurrent();
}

int KitGrid::rows() const
{
    return table_->rowCount() + 1;
}

void KitGrid::setRows(int rows)
{
    rows = qMax(1, rows);
    if (row_ > rows - 1)
        moveTo(rows - 1, col_);
    row_ = qMin(row_, rows - 1);  // a cell that goes away is not kept
    table_->setRowCount(rows - 1);
    showCurrent();
    fitSize();
}

int KitGrid::cols() const
{
    return table_->columnCount();
}

void KitGrid::setCols(int cols)
{
    cols = qMax(1, cols);
    if (col_ > cols - 1)
        moveTo(row_, cols - 1);
    col_ = qMin(col_, cols - 1);  // a cell that goes away is not kept
    const int before = table_->columnCount();
    table_->setColumnCount(cols);
    alignments_.resize(cols, kDefaultAlignment);
    for (int c = before; c < cols; ++c) {
        auto* header = new QTableWidgetItem;
        header->setTextAlignment(kDefaultAlignment | Qt::AlignVCenter);
        table_->setHorizontalHeaderItem(c, header);
    }
    showCurrent();
    fitSize();
}

bool KitGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != table_->horizontalHeader()->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int col = table_->horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
        headerPressed_ = mouse->button() == Qt::LeftButton && col >= 0;
        if (headerPressed_) {
            mouseRow_ = 0;
            mouseCol_ = col;
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && headerPressed_) {
            headerPressed_ = false;
            RaiseEvent(onClick);
        }
        return true;
    }
    case QEvent::MouseMove:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void KitGrid::nameEditor(KitControl& editor)
{
    editor.setCellEditor();
    editor.setCaptionSource(
        [grid = QPointer<KitGrid>(this)] { return grid != nullptr ? grid->textMatrix(0, grid->col()) : QString(); });
}

void KitGrid::placeEditor(KitText& editor) const
{
    placeEditor(editor, cellHeight());
}

void KitGrid::placeEditor(KitList& editor) const
{
    placeEditor(editor, editor.sizeHint().height());
}

void KitGrid::placeEditor(QWidget& editor, int height) const
{
    const QPoint at = mapTo(editor.parentWidget(), QPoint(cellLeft(), cellTop()));
    editor.setGeometry(at.x(), at.y(), cellWidth(), height);
    editor.show();
    editor.raise();
}

QString KitGrid::textMatrix(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return {};
    const QTableWidgetItem* item = row == 0 ? table_->horizontalHeaderItem(col) : table_->item(row - 1, col);
    return item != nullptr ? item->text() : QString();
}

void KitGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return;
    if (row == 0) {
        table_->horizontalHeaderItem(col)->setText(text);
    } else if (QTableWidgetItem* item = table_->item(row - 1, col)) {
        item->setText(text);
    } else {
        item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(alignments_[col] | Qt::AlignVCenter);
        table_->setItem(row - 1, col, item);
    }
    fitColumn(row, col, text);
}

void KitGrid::fitColumn(int row, int col, const QString& text)
{
    int needed = 0;
    if (row == 0) {
        needed = table_->horizontalHeader()->sectionSizeHint(col);
    } else if (!text.isEmpty()) {
        // A cell draws its text inside a margin on either side, left of the
        // grid line (Qt's item views).
        const int margin = table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1;
        needed = TextWidth(QFontMetricsF(table_->font()), text) + 2 * margin + (table_->showGrid() ? 1 : 0);
    }
    if (needed <= table_->columnWidth(col))
        return;
    table_->setColumnWidth(col, needed);
    fitSize();
}

void KitGrid::setDesignSize(double widthTwips, double heightTwips)
{
    designWidth_ = widthTwips;
    designHeight_ = heightTwips;
    fitSize();
}

void KitGrid::setDesignWidth(double widthTwips)
{
    setDesignSize(widthTwips, 0);
}

void KitGrid::fitSize()
{
    const int frames = 2 * table_->frameWidth();
    const int header = table_->horizontalHeader()->sizeHint().height();
    const int rowHeight = table_->verticalHeader()->defaultSectionSize();
    const int designedRows = static_cast<int>(designHeight_ / kDesignRowTwips);
    const int shownRows = qMin(rows(), designedRows);  // the header row included
    const bool allRowsShown = designedRows >= rows();
    int columns = 0;
    for (int c = 0; c < cols(); ++c)
        columns += table_->columnWidth(c);
    const int scrollBar = allRowsShown ? 0 : table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    const int width = frames + columns + scrollBar;
    if (designWidth_ <= 0) {
        setMinimumWidth(width);
        return;
    }
    const int designedWidth = qMax(width, TwipsToPixels(designWidth_));
    if (designHeight_ <= 0) {
        setFixedWidth(designedWidth);
        return;
    }
    const int rowsHeight = frames + header + qMax(0, shownRows - 1) * rowHeight;
    setFixedSize(designedWidth, qMax(rowsHeight, TwipsToPixels(designHeight_)));
}

void KitGrid::setRow(int row)
{
    if (row < 0 || row >= rows())
        return;
    moveTo(row, col_);
}

void KitGrid::setCol(int col)
{
    if (col < 0 || col >= cols())
        return;
    moveTo(row_, col);
}

bool KitGrid::moveTo(int row, int col)
{
    if (row == row_ && col == col_)
        return true;
    keepCell_ = false;
    RaiseEvent(onLeaveCell);
    if (std::exchange(keepCell_, false)) {
        showCurrent();
        return false;
    }
    // The handler may have shrunk the grid.
    row_ = qBound(0, row, rows() - 1);
    col_ = qBound(0, col, cols() - 1);
    showCurrent();
    return true;
}

void KitGrid::showCurrent()
{
    if (row_ >= 1 && row_ < rows() && col_ < cols()) {
        table_->setCurrentCell(row_ - 1, col_);
    } else {
        table_->setCurrentIndex(QModelIndex());
        table_->clearSelection();
    }
}

void KitGrid::setFormatString(const QString& format)
{
    const QStringList pieces = format.split(QLatin1Char('|'));
    setCols(static_cast<int>(pieces.size()));
    for (int c = 0; c < pieces.size(); ++c) {
        const FormatPiece piece = ParsePiece(pieces[c]);
        alignments_[c] = piece.alignment;
        QTableWidgetItem* header = table_->horizontalHeaderItem(c);
        header->setText(piece.text);
        header->setTextAlignment(piece.alignment | Qt::AlignVCenter);
        for (int r = 0; r < table_->rowCount(); ++r) {
            if (QTableWidgetItem* item = table_->item(r, c))
                item->setTextAlignment(piece.alignment | Qt::AlignVCenter);
        }
        table_->resizeColumnToContents(c);
    }
    fitSize();
}

Qt::Alignment KitGrid::colAlignment(int col) const
{
    return col >= 0 && col < alignments_.size() ? alignments_[col] : kDefaultAlignment;
}

int KitGrid::colWidth(int col) const
{
    return table_->columnWidth(col);
}

int KitGrid::fullHeight() const
{
    return 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height()
           + table_->verticalHeader()->length();
}

int KitGrid::topRow() const
{
    const int first = table_->rowAt(0);
    return first < 0 ? 1 : first + 1;
}

void KitGrid::setTopRow(int row)
{
    if (row < 1 || row >= rows())
        return;
    table_->scrollTo(table_->model()->index(row - 1, qMax(0, table_->columnAt(0))), QAbstractItemView::PositionAtTop);
}

QRect KitGrid::currentRect() const
{
    if (row_ == 0) {
        const QHeaderView* header = table_->horizontalHeader();
        const QPoint topLeft = header->mapTo(this, QPoint(header->sectionViewportPosition(col_), 0));
        return {topLeft, QSize(header->sectionSize(col_), header->height())};
    }
    const QRect rect = table_->visualRect(table_->model()->index(row_ - 1, col_));
    return {table_->viewport()->mapTo(this, rect.topLeft()), rect.size()};
}

int KitGrid::cellLeft() const
{
    return currentRect().left();
}

int KitGrid::cellTop() const
{
    return currentRect().top();
}

int KitGrid::cellWidth() const
{
    return currentRect().width();
}

int KitGrid::cellHeight() const
{
    return currentRect().height();
}
