#include "core/painted_area.h"

void PaintedArea::painted(const MemoryImage& image)
{
    painted_ = rowsOf(image);
}

bool PaintedArea::changed(const MemoryImage& image) const
{
    return painted_ != rowsOf(image);
}

std::vector<MemoryImage::Row> PaintedArea::rowsOf(const MemoryImage& image) const
{
    std::vector<MemoryImage::Row> rows;
    rows.reserve(area_.rows);
    for (int r = area_.firstRow(); r <= area_.lastRow(); ++r)
        rows.push_back(image.row(r));
    return rows;
}
