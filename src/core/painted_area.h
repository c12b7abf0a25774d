#pragma once
// What a window last painted of its area of the image. A window that paints
// only at its own events (its load, Read, Default, an edit) notes the area
// whenever it paints; when it becomes the active window again and the area
// has changed meanwhile (a ".dat" file or a whole-image read replaced it),
// it paints again, so that it never goes on showing what the image no longer
// holds.

#include "core/memory_image.h"

#include <vector>

class PaintedArea {
public:
    explicit PaintedArea(AreaSpan area)
        : area_(area)
    {
    }

    // The window has just painted the area as the image holds it.
    void painted(const MemoryImage& image = Edata);
    // The area differs from what was last painted (also when nothing was).
    bool changed(const MemoryImage& image = Edata) const;

private:
    std::vector<MemoryImage::Row> rowsOf(const MemoryImage& image) const;

    AreaSpan area_;
    std::vector<MemoryImage::Row> painted_;
};
