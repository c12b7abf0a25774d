#pragma once
// The six hand-over file dialogs (".adj", ".sig" and ".menu", open and save).
// Each checks the name like the ".dat" dialogs, leaves the chosen file's path
// in FileName, sets its pending flag and closes; the editor that owns the
// file type does the file work. Each is a separate window centred on the
// screen; the editors load them with Windows::LoadForward, which brings a
// loaded one forward.

#include "core/ui/file_dialog.h"

class HandOverDialog : public FileDialog {
public:
    HandOverDialog(FileDialogSetup setup, int& pendingFlag);

protected:
    void accept(const QString& path) override;

private:
    int& pendingFlag_;
};

class Form_open_adj final : public HandOverDialog {
public:
    Form_open_adj();
};
class Form_save_adj final : public HandOverDialog {
public:
    Form_save_adj();
};
class Form_open_sig final : public HandOverDialog {
public:
    Form_open_sig();
};
class Form_save_sig final : public HandOverDialog {
public:
    Form_save_sig();
};
class Form_open_menu final : public HandOverDialog {
public:
    Form_open_menu();
};
class Form_save_menu final : public HandOverDialog {
public:
    Form_save_menu();
};
