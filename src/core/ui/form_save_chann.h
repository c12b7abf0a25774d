#pragma once
// The ".dat" save dialog: writes the whole of Edata to an image file. A
// separate window, not a child of the main window: it stays open when the
// main window closes.

#include "core/ui/file_dialog.h"

class Form_save_chann final : public FileDialog {
public:
    Form_save_chann();

protected:
    void accept(const QString& path) override;
};
