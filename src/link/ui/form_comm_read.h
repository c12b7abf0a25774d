#pragma once
// Form_Comm_Read: reads the radio's memory 0x0000..0x313F into image rows
// 0..787 (link/whole_image.h). The main window opens it as a fresh
// instance; closing it ends a running read, and the image is then left as
// it was.

#include "link/ui/whole_image_dialog.h"

class Timer;

class Form_Comm_Read final : public WholeImageDialog {
public:
    Form_Comm_Read();

    KitButton* const Command_read;

    // Busy message while the read runs; otherwise the read starts.
    void Command_read_Click();
    // The close poller (every 200 ms): unloads the dialog once CloseReq is
    // -1, though never while a message box is open.
    void Timer4_Timer();

    int CloseReq = 0;

protected:
    void Form_Load() override;

private:
    Timer* Timer4 = nullptr;
};
