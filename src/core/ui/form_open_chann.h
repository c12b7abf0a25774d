#pragma once
// The ".dat" open dialog: reads a whole image file into Edata.

#include "core/ui/file_dialog.h"

class Form_open_chann final : public FileDialog {
public:
    Form_open_chann();

protected:
    void accept(const QString& path) override;
};
