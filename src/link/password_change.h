#pragma once
// The password dialog's own exchange with the radio: it replaces password 1
// of the radio's password block when the old password typed matches either
// stored password (or the radio has none).
//
//   link-open frame              -> identification reply (byte 0 0x06 and
//                                   byte 49 0x55, or byte 0 0x01 and byte 48
//                                   0x55; no model check, nothing shown)
//   06 53 3D C0 40               -> the 64 bytes at 0x3DC0, whose last 16 are
//                                   the password block
//   06 alone, a pause of 40 ms
//   58 3D F0 10 + 16 bytes       -> 0x06: changed
//
// Frames go out one byte per tick (the first 15 ms after the frame starts,
// then every 10 ms). No retry: a time-out is followed, 5000 ms later, by the
// failure message. Replies are framed as the transfer engine frames them
// (input discarded before each frame, nothing taken before the frame is
// out, the 64-byte reply taken only whole, with its 0x58 at index 0 or 1 and
// the request's address and length).
//
// The radio's final byte 0x06 is the success message; any other byte is the
// failure message "Fail connect with transceiver." and the dialog stays open.
//
// Hosting it: the dialog's load calls Text_Old_PassWord_Change with the old
// password box's (empty) text, so the box the user sees is the one checked;
// the box calls it on every change; the Modify button calls
// Command_Write_Click with the two new-password texts; Close refuses while
// busy(); onFinished tells the dialog how the exchange ended, after its
// message (Changed: the boxes are to be emptied and the dialog closes).

#include "core/timer.h"
#include "link/link_controls.h"
#include "link/password_entry.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// The old password as typed and the new password confirmed last, six codes
// each, blank padded; both back to blanks after a successful change.
extern PasswordCodes PassOld;
extern PasswordCodes PassNew;

// The old-password box's change handler.
void Text_Old_PassWord_Change(const QString& text);

enum class PasswordChangeEnd {
    Changed,       // the radio answered the write frame with 0x06
    NotConfirmed,  // the radio answered the write frame with another byte: the failure message
    OldRefused,    // the old password matched neither stored password
    Failed,        // no answer in time
    PortFailed,    // the port did not open
};

class PasswordChangeLink : private LinkControls {
public:
    PasswordChangeLink();
    ~PasswordChangeLink();
    PasswordChangeLink(const PasswordChangeLink&) = delete;
    PasswordChangeLink& operator=(const PasswordChangeLink&) = delete;

    // The Modify button: "Password is not consistent ." when the two new
    // texts (trimmed) differ; otherwise PassNew := the new password and the
    // exchange starts, unless one already runs (then the new password counts
    // if its write frame has not been built yet). A start during the failure
    // delay replaces the pending failure step.
    void Command_Write_Click(const QString& newPassword1, const QString& newPassword2);

    bool Writing() const { return writing_; }
    bool Reading() const { return false; }
    // The exchange runs, or waits to report that the radio did not answer.
    bool busy() const { return writing_ || stage_ == Stage::FailureDelay; }
    using LinkControls::closePort;
    using LinkControls::portOpen;

    std::function<void(PasswordChangeEnd)> onFinished;

private:
    enum class Stage { Idle, Identify, Block, Final, FailureDelay };

    void Comm_StartSession();
    void Comm_StartSend(const QByteArray& frame);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void MSC_OnComm();
    void end();
    void finish(PasswordChangeEnd how);

    Stage stage_ = Stage::Idle;
    bool writing_ = false;
    bool frameSent_ = false;
    QByteArray frame_;
    int sendPos_ = 0;
    QByteArray rxBuf_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
