#pragma once
// The main window's frame: a menu bar, the toolbar, the MDI client area that
// holds the child windows, and the status bar.

#include "platform/window.h"

class QMdiArea;
class QMenuBar;
class StatusBar;
class ToolBar;

class MdiFrame : public Window {
public:
    MdiFrame();

    QMenuBar* menuBar() const { return menuBar_; }
    ToolBar* toolBar() const { return toolBar_; }
    StatusBar* statusBar() const { return statusBar_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    QMdiArea* clientArea() const override { return mdiArea_; }

    // The MDI client area, from which the child windows size themselves.
    double ScaleWidth() const override;
    double ScaleHeight() const override;

    // The active child window, or nullptr.
    Window* activeChild() const;

protected:
    void releaseWindow() override;

private:
    QMenuBar* menuBar_;
    ToolBar* toolBar_;
    QMdiArea* mdiArea_;
    StatusBar* statusBar_;
};

namespace Windows {
// The loaded main window, or nullptr.
MdiFrame* Frame();
}  // namespace Windows
