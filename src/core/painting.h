#pragma once
// A painting stores nothing. A window paints its controls from the image
// (the alignment window from its table) by setting each one, and a control
// set by code runs its handler as a change by the user would
// (platform/kit_control.h). What a painting shows is what the image holds:
// - a list shows the item of its byte, and a byte that is no item of the
//   list (ListItemOf below) shows no item, or the list's text for that
//   value, and selects nothing (KitList::showText); choosing the item shown
//   would store the very byte it was shown from;
// - a box or a check box shows the value as the image holds it, even where
//   its store would write it otherwise (a row closed up, a line centred, a
//   byte read as ticked written as 1, a frequency moved into its band): the
//   painting routine holds a Painting while it runs, and such a handler
//   stores nothing while one is under way. The rest of what it does (the
//   controls it enables, the working limits of a band) goes on as usual.
// The user's edits store as ever: no typing reaches a handler while a
// painting runs, since it shows no message (a modal box would run other
// events). Paintings nest.

class Painting {
public:
    Painting();
    ~Painting();
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    // Whether a window is painting its controls now.
    static bool underWay();
};

inline constexpr int kNoItem = -1;

// The item a byte selects in a list that stores the index of its chosen
// item: the byte itself, or kNoItem for a byte that is no index of the
// list's itemCount items.
constexpr int ListItemOf(int byte, int itemCount)
{
    return byte >= 0 && byte < itemCount ? byte : kNoItem;
}
