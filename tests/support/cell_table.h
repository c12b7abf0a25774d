#pragma once
// Grid cells without a window, for driving the channel routines in tests.

#include "channels/chann_grid.h"

#include <QList>
#include <QStringList>

class CellTable final : public ChannCells {
public:
    explicit CellTable(int rows = kChannels + 2, int cols = kChannCols)
        : cells_(rows, QStringList(cols))
    {
    }

    QString cell(int row, int col) const override { return cells_.at(row).at(col); }
    void setCell(int row, int col, const QString& text) override { cells_[row][col] = text; }

    QStringList row(int r) const { return cells_.at(r); }
    void fillRow(int r, const QString& text) { cells_[r].fill(text); }

private:
    QList<QStringList> cells_;
};
