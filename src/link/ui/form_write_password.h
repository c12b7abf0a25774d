#pragma once
// Form_Write_PassWord: replaces password 1 of the radio's password block
// through its own exchange (link/password_change.h). The user types the old
// password once and the new one twice. The main window opens it as a fresh
// instance: PassOld starts as six blanks, like the empty box it shows.
// After a confirmed change the boxes are emptied and the close poller
// unloads the dialog; any other ending leaves it open.

#include "link/password_change.h"
#include "platform/window.h"

class KitButton;
class KitText;
class QLabel;
class Timer;

class Form_Write_PassWord final : public Window {
public:
    Form_Write_PassWord();

    // In tab order.
    KitButton* const Command_Write;
    KitButton* const Command_Cancel;
    QLabel* const Label_old_PassWord;
    KitText* const Text_Old_PassWord;
    QLabel* const Label_New_Password_1;
    KitText* const Text_New_Password_1;
    QLabel* const Label_New_PassWord_2;
    KitText* const Text_New_PassWord_2;

    // Modify: the two new passwords must match; then the exchange starts
    // (a running one takes the new password if its frame is not built yet).
    void Command_Write_Click();
    // Close: refused with the close warning while the exchange runs or
    // waits to report that the radio did not answer.
    void Command_Cancel_Click();
    // The close poller (every 500 ms once enabled): unloads the dialog once
    // CloseReq is -1, though never while a message box is open.
    void Timer4_Timer();

    const PasswordChangeLink& link() const { return *link_; }
    int CloseReq = 0;

protected:
    void Form_Load() override;

private:
    void Text_Old_PassWord_KeyPress(int& key);
    void Text_New_Password_1_KeyPress(int& key);
    void Text_New_PassWord_2_KeyPress(int& key);
    void finished(PasswordChangeEnd end);

    PasswordChangeLink* link_ = nullptr;
    Timer* Timer4 = nullptr;
};
