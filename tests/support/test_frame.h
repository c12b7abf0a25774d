#pragma once
// A main window for window tests: the frame alone, 1500 x 900 pixels,
// without the application's start-up; and another child window, to take the
// activation from the window under test.

#include "platform/geometry.h"
#include "platform/mdi_frame.h"
#include "platform/window.h"

class TestFrame final : public MdiFrame {
protected:
    void Form_Load() override { Move(0, 0, PixelsToTwips(1500), PixelsToTwips(900)); }
};

class OtherChild final : public Window {
public:
    OtherChild()
        : Window(WindowKind::Child)
    {
    }
};
