#pragma once
// The windows the main window's menus open: how to open each and how to
// find it once open. A window built later is one more line.

#include <functional>
#include <span>

class MDImain;
class Window;

struct MenuWindow {
    const char* name;
    std::function<void(MDImain&)> open;
    std::function<Window*()> find;
};

std::span<const MenuWindow> MenuWindows();
