#include "link/password_change.h"

#include "core/memory_image.h"
#include "core/numbers.h"
#include "link/frames.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/link_timing.h"

PasswordCodes PassOld{};
PasswordCodes PassNew{};

namespace {

constexpr int kNextByteMs = 10;
constexpr int kFailureDelayMs = 5000;
constexpr int kPassBlockInReply = kBlockBytes - kPassBlockBytes;  // the block is the last 16 of the 64 bytes
constexpr std::uint8_t kAltLead = 0x01;
constexpr std::uint8_t kBlank = 0x20;

int At(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

// The dialog's own rule: no model check.
bool DialogIdentAccepted(const QByteArray& reply)
{
    if (reply.size() < kIdentReplyBytes)
        return false;
    return (At(reply, 0) == kAck && At(reply, 49) == kIdentTerminator)
           || (At(reply, 0) == kAltLead && At(reply, 48) == kIdentTerminator);
}

Message NotConsistent()
{
    return {{QStringLiteral("密码不一致"), QStringLiteral("Password is not consistent .")}, Titles::OperatePromptLower};
}

Message OldPasswordError()
{
    return {{QStringLiteral("原密码错误，禁止写入"), QStringLiteral("Old PassWord Error, Writeing Stop")},
            Titles::OperatePromptUpper};
}

Message ModifySuccess()
{
    return {{QStringLiteral("密码修改成功 "), QStringLiteral("PassWord Modify Success ! ")},
            Titles::OperatePromptUpper};
}

}  // namespace

void Text_Old_PassWord_Change(const QString& text)
{
    PassOld = PasswordCodesOf(text);
}

PasswordChangeLink::PasswordChangeLink()
    : LinkControls(
        {[this] { MSC_OnComm(); }, [this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, [this] { Timer3_Timer(); }})
{
}

PasswordChangeLink::~PasswordChangeLink()
{
    end();
}

void PasswordChangeLink::Command_Write_Click(const QString& newPassword1, const QString& newPassword2)
{
    const QString a = TrimBlanks(newPassword1);
    if (a != TrimBlanks(newPassword2)) {
        ShowMessage(NotConsistent());
        return;
    }
    PassNew = PasswordCodesOf(a);
    Comm_StartSession();
}

void PasswordChangeLink::Comm_StartSession()
{
    if (writing_)
        return;
    // A start during the failure delay replaces the pending failure step.
    Timer3->stop();
    stage_ = Stage::Idle;
    if (!portOpen()) {
        PortError = 0;
        if (!port().open(CommPortNo)) {
            PortError = -1;
            const std::weak_ptr<int> alive = life_;
            ShowMessage(PortErrorMessage(PortErrorVariant::Long));
            if (!alive.expired())
                finish(PasswordChangeEnd::PortFailed);
            return;
        }
    }
    port().discardInput();
    rxBuf_.clear();
    stage_ = Stage::Identify;
    writing_ = true;
    Comm_StartSend(LinkOpenBytes());
}

void PasswordChangeLink::Comm_StartSend(const QByteArray& frame)
{
    frame_ = frame;
    sendPos_ = 0;
    frameSent_ = false;
    Timer1->start(kSendDelayMs);
}

void PasswordChangeLink::Timer1_Timer()
{
    if (sendPos_ == 0) {
        // Nothing waiting now answers the frame that starts.
        port().discardInput();
        rxBuf_.clear();
        Timer1->setInterval(kNextByteMs);
    }
    Timer2->start(kReplyTimeoutMs);
    // A byte that cannot be written loses the frame like an unanswered one:
    // the rest is not sent, nothing that comes answers it, and the time-out
    // decides.
    if (!port().write(frame_.mid(sendPos_, 1))) {
        Timer1->stop();
        return;
    }
    ++sendPos_;
    if (sendPos_ >= frame_.size()) {
        Timer1->stop();
        frameSent_ = true;
    }
}

void PasswordChangeLink::MSC_OnComm()
{
    if (!MSC)
        return;
    const QByteArray bytes = MSC->read(MSC->bytesWaiting());
    // The radio answers a frame once it is out: what comes before answers
    // nothing.
    if (!writing_ || !MSC->isOpen() || bytes.isEmpty() || !frameSent_)
        return;
    if (stage_ == Stage::Final) {
        // The radio's answer to the write frame: the first byte after the
        // frame is out decides.
        const bool changed = At(bytes, 0) == kAck;
        end();
        const std::weak_ptr<int> alive = life_;
        if (!changed) {
            // The radio did not confirm: the change may not have been made,
            // and the dialog stays open for another try.
            ShowMessage(LinkText::FailConnect());
            if (!alive.expired())
                finish(PasswordChangeEnd::NotConfirmed);
            return;
        }
        ShowMessage(ModifySuccess());
        if (alive.expired())
            return;
        PassOld.fill(kBlank);
        PassNew.fill(kBlank);
        finish(PasswordChangeEnd::Changed);
        return;
    }
    rxBuf_.append(bytes);
    if (stage_ == Stage::Identify) {
        if (rxBuf_.size() < kIdentReplyBytes)
            return;
        const QByteArray reply = rxBuf_.left(kIdentReplyBytes);
        rxBuf_.clear();
        if (!DialogIdentAccepted(reply))
            return;
        stage_ = Stage::Block;
        Comm_StartSend(ReadRequest(PassDialogBlockAddr, kBlockBytes, true));
        return;
    }
    if (stage_ != Stage::Block)
        return;
    const int at = LocateReadReply(rxBuf_, PassDialogBlockAddr, kBlockBytes);
    if (at < 0)
        return;
    for (int j = 0; j < kPassBlockBytes; ++j)
        PassBlock[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(rxBuf_.at(at + kPassBlockInReply + j));
    rxBuf_.clear();
    if (!port().write(AckByte())) {
        // Lost like a byte of a frame: the time-out decides.
        frameSent_ = false;
        Timer2->start(kReplyTimeoutMs);
        return;
    }
    SystemClock().pause(kPauseOf80000StepsMs);
    if (!PasswordAccepted(PassBlock, PassOld)) {
        end();
        const std::weak_ptr<int> alive = life_;
        ShowMessage(OldPasswordError());
        if (!alive.expired())
            finish(PasswordChangeEnd::OldRefused);
        return;
    }
    Timer2->stop();
    Timer3->stop();
    // New password 1; password 2 and the block's last four bytes as read.
    FrameData data{};
    for (int j = 0; j < kPassBlockBytes; ++j) {
        data[static_cast<std::size_t>(j)] =
            j < kPasswordLength ? PassNew[static_cast<std::size_t>(j)] : PassBlock[static_cast<std::size_t>(j)];
    }
    stage_ = Stage::Final;
    Comm_StartSend(WriteFrame(PassBlockAddr, data, false));
}

void PasswordChangeLink::Timer2_Timer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->start(kFailureDelayMs);
    closePort();
    writing_ = false;
    stage_ = Stage::FailureDelay;
}

void PasswordChangeLink::Timer3_Timer()
{
    end();
    const std::weak_ptr<int> alive = life_;
    ShowMessage(LinkText::FailConnect());
    if (!alive.expired())
        finish(PasswordChangeEnd::Failed);
}

void PasswordChangeLink::end()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    writing_ = false;
    stage_ = Stage::Idle;
    closePort();
}

void PasswordChangeLink::finish(PasswordChangeEnd how)
{
    if (onFinished)
        onFinished(how);
}
