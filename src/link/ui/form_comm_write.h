#pragma once
// Form_Comm_Write: writes image rows 0..783 to the radio's 0x0000..0x30FF
// (link/whole_image.h), after the band check, the five-tone tables and the
// byte check. The main window opens it as a fresh instance; closing it ends
// a running write.

#include "link/ui/whole_image_dialog.h"

class Form_Comm_Write final : public WholeImageDialog {
public:
    Form_Comm_Write();

    KitButton* const Command_Write;

    // Busy message while the write runs; otherwise the editors' open cell
    // edits committed (core/open_edits.h), the checks, then the write.
    void Command_Write_Click();

protected:
    void Form_Load() override;
};
