#pragma once
// What the whole-image read and write dialogs share: the progress bar and
// the status label the transfer engine drives, the button that starts the
// transfer (Read or Write), Cancel, Help (no action), the password box, and
// the dialog's own transfer engine, which ends with the dialog.

#include "core/language.h"
#include "link/transfer_engine.h"
#include "platform/window.h"

class KitButton;
class KitText;
class QLabel;
class QProgressBar;

class WholeImageDialog : public Window {
public:
    // Refused with the close warning while the transfer runs, a write's
    // wait before its failure message included (TransferEngine::busy());
    // otherwise the port is closed and the dialog unloads.
    void Command_Cancel_Click();

    // The dialog's transfer (there is one from the dialog's load on).
    const TransferEngine& transfer() const { return *engine_; }

    // The controls, in their tab order (the start button first).
    QProgressBar* const ProgressBar1;
    QLabel* const Label_tr_count;

protected:
    // Command_read or Command_Write.
    KitButton* const startButton_;

public:
    KitButton* const Command_Cancel;
    KitButton* const Command_Help;
    QLabel* const Label_PassWord;
    KitText* const Text_PassWord;

protected:
    WholeImageDialog();

    // The part of Form_Load they share: the dialog sized and placed over the
    // main window, its captions, the engine built with the bar visible at 0,
    // and the password box preset (the password the transfer starts with).
    void loadDialog(const BiText& title, const BiText& start, TransferParams params, const QString& password);
    TransferEngine& engine() { return *engine_; }

private:
    void showTransfer();

    TransferEngine* engine_ = nullptr;
};
