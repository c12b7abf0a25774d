#pragma once
// The cells of a kit grid as the channel routines see them.

#include "channels/chann_grid.h"
#include "platform/kit_grid.h"

class GridCells final : public ChannCells {
public:
    explicit GridCells(KitGrid* grid)
        : grid_(grid)
    {
    }

    QString cell(int row, int col) const override { return grid_->textMatrix(row, col); }
    void setCell(int row, int col, const QString& text) override { grid_->setTextMatrix(row, col, text); }

private:
    KitGrid* grid_;
};
