#include "core/shown_rows.h"

#include <algorithm>

namespace {

std::vector<ShownRows*>& Registered()
{
    static std::vector<ShownRows*> registered;
    return registered;
}

int Depth = 0;  // replacements under way

bool Overlap(const AreaSpan& a, const AreaSpan& b)
{
    return a.firstRow() <= b.lastRow() && b.firstRow() <= a.lastRow();
}

}  // namespace

ShownRows::ShownRows(std::vector<AreaSpan> areas, std::function<void()> paint, const MemoryImage& image)
    : areas_(std::move(areas)),
      paint_(std::move(paint)),
      image_(&image)
{
    Registered().push_back(this);
}

ShownRows::~ShownRows()
{
    std::erase(Registered(), this);
}

bool ShownRows::shows(const MemoryImage& image, const AreaSpan& rows) const
{
    return &image == image_
           && std::any_of(areas_.begin(), areas_.end(), [&rows](const AreaSpan& area) { return Overlap(area, rows); });
}

RowsReplacement::RowsReplacement(const std::vector<AreaSpan>& areas, const MemoryImage& image)
{
    ++Depth;
    for (ShownRows* shown : Registered()) {
        if (std::any_of(areas.begin(), areas.end(), [&](const AreaSpan& rows) { return shown->shows(image, rows); }))
            shown->replaced_ = true;
    }
}

RowsReplacement::~RowsReplacement()
{
    if (--Depth > 0)
        return;
    // A painting shows no message, yet it is code of the windows: should
    // one unload another meanwhile, the unloaded one must not paint. Each is
    // looked up again before it paints.
    const std::vector<ShownRows*> order = Registered();
    for (ShownRows* shown : order) {
        if (std::find(Registered().begin(), Registered().end(), shown) == Registered().end() || !shown->replaced_)
            continue;
        shown->replaced_ = false;
        if (shown->paint_)
            shown->paint_();
    }
}
