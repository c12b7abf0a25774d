#pragma once
// Every loaded window shows the image as it is. When rows of the image are
// replaced as a whole (a read from the radio, a ".dat" file, Default), every
// window that shows any of them paints them again at once, whether or not it
// is the active window, before it takes another edit: it never goes on
// showing, and never stores back, what the image no longer holds.
//
// A window that shows rows of the image holds one ShownRows while it is
// loaded (platform/window.h: showsRows, rowsPainted): the rows it shows and
// its painting routine, which notes painted() when it has painted them.
// Whatever replaces rows does it inside a RowsReplacement. When the
// replacement ends, every window over the rows that has not painted since it
// began paints; a window that paints inside it (the window whose own Read or
// Default it is) is not painted twice. Replacements nest: the windows paint
// when the outermost one ends.
//
// A painting changes no byte (core/painting.h). An in-cell editor whose
// rows were replaced is dropped, not stored (core/open_cell.h).

#include "core/memory_image.h"

#include <functional>
#include <vector>

class ShownRows {
public:
    ShownRows(std::vector<AreaSpan> areas, std::function<void()> paint, const MemoryImage& image = Edata);
    ~ShownRows();
    ShownRows(const ShownRows&) = delete;
    ShownRows& operator=(const ShownRows&) = delete;

    // The window has just painted its rows as the image holds them.
    void painted() { replaced_ = false; }

private:
    friend class RowsReplacement;
    bool shows(const MemoryImage& image, const AreaSpan& rows) const;

    std::vector<AreaSpan> areas_;
    std::function<void()> paint_;
    const MemoryImage* image_;
    // Rows it shows were replaced since it last painted.
    bool replaced_ = false;
};

class RowsReplacement {
public:
    // The rows of the areas are being replaced.
    explicit RowsReplacement(const std::vector<AreaSpan>& areas, const MemoryImage& image = Edata);
    // The windows over them that have not painted since paint now (when the
    // outermost replacement ends).
    ~RowsReplacement();
    RowsReplacement(const RowsReplacement&) = delete;
    RowsReplacement& operator=(const RowsReplacement&) = delete;
};
