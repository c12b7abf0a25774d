#include "core/open_cell.h"

OpenCell::OpenCell(RowsOf rowsOf)
    : rowsOf_(rowsOf)
{
}

void OpenCell::open(int row, int col, const MemoryImage& image)
{
    row_ = row;
    col_ = col;
    seen_ = bytesOf(image);
    touched_ = false;
}

void OpenCell::recordsEdited(const MemoryImage& image)
{
    if (row_ >= 0)
        seen_ = bytesOf(image);
}

void OpenCell::restart(const MemoryImage& image)
{
    recordsEdited(image);
    touched_ = false;
}

bool OpenCell::stale(const MemoryImage& image) const
{
    return row_ >= 0 && bytesOf(image) != seen_;
}

OpenCell::Leave OpenCell::leave(int row, int col, const MemoryImage& image)
{
    if (!isOpen(row, col))
        return Leave::Nothing;
    const bool replaced = stale(image);
    close();
    return replaced ? Leave::Drop : Leave::Commit;
}

std::vector<std::int16_t> OpenCell::bytesOf(const MemoryImage& image) const
{
    std::vector<std::int16_t> bytes;
    for (int r : rowsOf_(row_)) {
        if (r >= 0 && r < kImageRows)
            bytes.insert(bytes.end(), image.row(r).begin(), image.row(r).end());
    }
    return bytes;
}
