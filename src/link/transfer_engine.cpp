#include "link/transfer_engine.h"

#include "core/numbers.h"
#include "core/shown_rows.h"
#include "core/status_panels.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/password_entry.h"

#include <algorithm>

namespace {

// Nothing the radio sends is longer than this; bytes past it can only be
// noise, and the reply time-out decides.
constexpr int kRxBufBytes = 2001;
constexpr int kFullBar = 100;
constexpr int kFailurePanel = 2;

int Percent(int n, int of)
{
    if (of <= 0)
        return 0;
    return static_cast<int>(IntFloor(static_cast<double>(n) / of * 100));
}

}  // namespace

TransferEngine::TransferEngine(TransferParams params, MemoryImage& image)
    : LinkControls(
        {[this] { MSC_OnComm(); }, [this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, [this] { Timer3_Timer(); }}),
      params_(std::move(params)),
      image_(image)
{
}

TransferEngine::~TransferEngine()
{
    abandon();
}

void TransferEngine::startRead(const QString& password)
{
    startTransfer(Direction::Read, password);
}

void TransferEngine::startWrite(const QString& password)
{
    startTransfer(Direction::Write, password);
}

bool TransferEngine::refuseIfBusy(const Message& refusal)
{
    if (!busy())
        return false;
    ShowMessage(refusal);
    return true;
}

bool TransferEngine::writeWaiting() const
{
    // Also in the last delay, before the failure is reported: the radio may
    // be half written, and the user must hear of it.
    return stage_ == Stage::RetryDelay && direction_ == Direction::Write;
}

void TransferEngine::startTransfer(Direction direction, const QString& password)
{
    if (refuseIfBusy())
        return;
    passTyped_ = PasswordCodesOf(password);
    // A start during a read's retry delay, or during the delay before its
    // failure is reported, replaces the pending step (a write's delays are
    // busy).
    Timer3->stop();
    stage_ = Stage::Idle;
    retriesLeft_ = direction == Direction::Read ? params_.readRetries : params_.writeRetries;
    if (!Comm_Start(direction))
        return;
    WritePhase = 0;
    setProgress(true, 0);
    setLabel(LinkText::Connecting.text());
}

// Comm_StartRead / Comm_StartWrite: also the restart after a time-out.
bool TransferEngine::Comm_Start(Direction direction)
{
    if (writing_ || reading_)
        return false;
    if (!port().isOpen() && !Comm_Open())
        return false;
    ++attempt_;
    direction_ = direction;
    stage_ = Stage::Identify;
    secondPhase_ = false;
    count_ = 0;
    const int start = direction == Direction::Read ? params_.readStart : params_.writeStart;
    AddrHi = static_cast<std::uint8_t>(start >> 8);
    AddrLo = static_cast<std::uint8_t>(start & 0xFF);
    writing_ = direction == Direction::Write;
    reading_ = direction == Direction::Read;
    replies_.clear();
    secondReplies_.clear();
    port().discardInput();
    rxBuf_.clear();
    Comm_StartSend(LinkOpenBytes());
    return true;
}

bool TransferEngine::Comm_Open()
{
    PortError = 0;
    if (port().open(CommPortNo))
        return true;
    PortError = -1;
    ShowMessage(PortErrorMessage(params_.portError));
    return false;
}

void TransferEngine::Comm_StartSend(const QByteArray& frame)
{
    frame_ = frame;
    frameSent_ = false;
    Timer1->start(kSendDelayMs);
}

// The sender: the whole frame goes out in one tick.
void TransferEngine::Timer1_Timer()
{
    Timer1->stop();
    // The radio never speaks unasked: whatever waits now is left over from
    // an earlier reply and must not be taken for the answer to this frame.
    port().discardInput();
    rxBuf_.clear();
    frameSent_ = true;
    Timer2->start(kReplyTimeoutMs);
    // A frame that cannot be written is a lost reply: nothing that comes
    // answers it, and the time-out decides.
    if (!port().write(frame_))
        frameSent_ = false;
}

// The reply time-out: acts once, then the retry delay runs.
void TransferEngine::Timer2_Timer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->start(params_.retryDelayMs);
    closePort();
    writing_ = false;
    reading_ = false;
    stage_ = Stage::RetryDelay;
}

// The retry delay has run out: start again, or report the failure.
void TransferEngine::Timer3_Timer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    stage_ = Stage::Idle;
    if (retriesLeft_ > 0) {
        --retriesLeft_;
        const std::weak_ptr<int> alive = life_;
        if (!Comm_Start(direction_) && !alive.expired())
            finish(TransferEnd::PortFailed);
        return;
    }
    reportFailure();
}

void TransferEngine::MSC_OnComm()
{
    if (!MSC)
        return;
    // Everything that arrived is taken off the port now, so no byte is left
    // waiting for an event that does not come.
    const QByteArray bytes = MSC->read(MSC->bytesWaiting());
    if (!(writing_ || reading_) || !MSC->isOpen() || bytes.isEmpty())
        return;
    // The radio answers a frame once it is out: what comes before is left
    // over from an earlier exchange, or noise, and answers nothing.
    if (!frameSent_)
        return;
    if (stage_ == Stage::Data && direction_ == Direction::Write) {
        // A write frame is answered by 0x06; other bytes are consumed and
        // ignored.
        if (bytes.contains(static_cast<char>(kAck)))
            writeAckReceived();
        return;
    }
    rxBuf_.append(bytes.left(std::max<qsizetype>(0, kRxBufBytes - rxBuf_.size())));
    switch (stage_) {
    case Stage::Identify:
        identifyReceived();
        break;
    case Stage::Password:
        passwordReceived();
        break;
    case Stage::Data:
        readReplyReceived();
        break;
    case Stage::Idle:
    case Stage::RetryDelay:
        break;
    }
}

void TransferEngine::identifyReceived()
{
    if (rxBuf_.size() < kIdentReplyBytes)
        return;
    // The first 50 bytes are the reply; the rest is consumed with it.
    const QByteArray reply = rxBuf_.left(kIdentReplyBytes);
    rxBuf_.clear();
    if (!IdentAccepted(reply))
        return;
    if (!params_.passwordStage) {
        Timer2->stop();
        Timer3->stop();
        ShowIdentity(reply);
        beginData(true);
        return;
    }
    if (!sendAck())
        return;
    if (params_.identPauseMs > 0)
        SystemClock().pause(params_.identPauseMs);
    stage_ = Stage::Password;
    count_ = 0;
    // The reply time-out keeps running; the next frame re-arms it. Here and
    // after every reply the next frame is handed to the sender before the
    // display is updated, so that its 15 ms run from the reply.
    Comm_StartSend(ReadRequest(PassBlockAddr, kPassBlockBytes, false));
    ShowIdentity(reply);
}

void TransferEngine::passwordReceived()
{
    const int at = LocateReadReply(rxBuf_, PassBlockAddr, kPassBlockBytes);
    if (at < 0)
        return;
    for (int j = 0; j < kPassBlockBytes; ++j)
        PassBlock[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(rxBuf_.at(at + j));
    rxBuf_.clear();
    if (params_.ackPasswordAlone) {
        if (!sendAck())
            return;
        if (params_.passwordPauseMs > 0)
            SystemClock().pause(params_.passwordPauseMs);
    }
    if (!PasswordAccepted(PassBlock, passTyped_)) {
        endTransfer();
        const std::weak_ptr<int> alive = life_;
        ShowMessage(LinkText::PasswordError());
        if (!alive.expired())
            finish(TransferEnd::PasswordRefused);
        return;
    }
    Timer2->stop();
    Timer3->stop();
    beginData(!params_.ackPasswordAlone);
}

void TransferEngine::beginData(bool withAck)
{
    stage_ = Stage::Data;
    secondPhase_ = false;
    WritePhase = 0;
    if (direction_ == Direction::Read) {
        count_ = params_.firstReplyRow;
        requestBlock(ReadBlockAddress(params_.readStart, 0), withAck);
        return;
    }
    count_ = 0;
    sendWriteFrame(WriteFrameAddress(params_.writeStart, 0), withAck);
    if (params_.secondRangeOffset == 0)
        count_ = 1;
    if (params_.writeFillsBarAtFirstFrame)
        setProgress(true, kFullBar);
}

void TransferEngine::requestBlock(int address, bool withAck)
{
    requestAddress_ = address;
    Comm_StartSend(ReadRequest(address, kBlockBytes, withAck));
}

void TransferEngine::sendWriteFrame(int address, bool withAck)
{
    FrameData data;
    if (params_.writeData) {
        data = params_.writeData(address);
    } else {
        const int row = RowOf(address);
        for (int c = 0; c < kWriteBytes; ++c)
            data[static_cast<std::size_t>(c)] =
                static_cast<std::uint8_t>(row < kImageRows ? image_(row, c) & 0xFF : kErased);
    }
    Comm_StartSend(WriteFrame(address, data, withAck));
}

void TransferEngine::readReplyReceived()
{
    const int at = LocateReadReply(rxBuf_, requestAddress_, kBlockBytes);
    if (at < 0)
        return;
    Timer2->stop();
    StoredReply reply;
    reply.raw = rxBuf_.left(at + kBlockBytes);
    reply.dataStart = at;
    reply.address = requestAddress_;
    rxBuf_.clear();
    (secondPhase_ ? secondReplies_ : replies_).set(count_, reply);

    // The reply's 0x06 goes out at once, right after the next request is
    // handed to the sender.
    const bool twoRanges = params_.secondRangeOffset != 0;
    if (twoRanges && !secondPhase_) {
        requestBlock(ReadBlockAddress(params_.readStart + params_.secondRangeOffset, count_ - 1), false);
        if (!sendAck())
            return;
        ++count_;
        secondPhase_ = true;
        WritePhase = -1;
        showReadProgress(count_);
        return;
    }
    if (twoRanges) {
        secondPhase_ = false;
        WritePhase = 0;
    }
    if (count_ > params_.readBlocks) {
        if (sendAck())
            readDone();
        return;
    }
    requestBlock(ReadBlockAddress(params_.readStart, count_ - 1), false);
    if (!sendAck())
        return;
    if (!twoRanges)
        ++count_;
    showReadProgress(count_);
}

void TransferEngine::writeAckReceived()
{
    Timer2->stop();
    const bool twoRanges = params_.secondRangeOffset != 0;
    if (twoRanges && !secondPhase_) {
        sendWriteFrame(WriteFrameAddress(params_.writeStart + params_.secondRangeOffset, count_), true);
        ++count_;
        secondPhase_ = true;
        WritePhase = -1;
        return;
    }
    if (twoRanges) {
        secondPhase_ = false;
        WritePhase = 0;
        if (count_ > params_.writeFrames) {
            writeDone();
            return;
        }
        sendWriteFrame(WriteFrameAddress(params_.writeStart, count_), true);
        showWriteProgress(count_);
        return;
    }
    if (count_ >= params_.writeFrames) {
        writeDone();
        return;
    }
    sendWriteFrame(WriteFrameAddress(params_.writeStart, count_), true);
    showWriteProgress(count_);
    ++count_;
}

void TransferEngine::showReadProgress(int count)
{
    const int n = count + params_.readLabelOffset;
    setProgress(true, Percent(n, params_.readBlocks + 1));
    setLabel(LinkText::ReadingBlock(n).text());
}

void TransferEngine::showWriteProgress(int count)
{
    setProgress(true, Percent(count, params_.writeFrames));
    const int n = count + params_.writeLabelOffset;
    setLabel((params_.writeLabel ? params_.writeLabel(n) : LinkText::WritingBlock(n)).text());
}

void TransferEngine::readDone()
{
    endTransfer();
    const unsigned attempt = attempt_;
    RxBlock = replies_;
    RxBlock2 = secondReplies_;
    const std::weak_ptr<int> alive = life_;
    {
        // The window's own display routine paints the rows first; every
        // other window that shows any of them paints as the replacement ends.
        std::vector<AreaSpan> replaced;
        for (const KeptBlocks& kept : params_.kept)
            replaced.push_back({kept.firstImageRow * kRowBytes, kept.blocks * (kBlockBytes / kRowBytes)});
        const RowsReplacement replacing(replaced, image_);
        for (const KeptBlocks& kept : params_.kept) {
            const ReplyStore& store = kept.secondRange ? secondReplies_ : replies_;
            for (int b = 0; b < kept.blocks; ++b) {
                const QByteArray data = store.row(kept.firstStoreRow + b).data();
                for (int i = 0; i < std::min<int>(static_cast<int>(data.size()), kBlockBytes); ++i) {
                    const int row = kept.firstImageRow + b * (kBlockBytes / kRowBytes) + i / kRowBytes;
                    if (row >= 0 && row < kImageRows)
                        image_(row, i % kRowBytes) = static_cast<std::uint8_t>(data.at(i));
                }
            }
        }
        if (params_.afterRead)
            params_.afterRead();
    }
    if (alive.expired())
        return;
    if (params_.readDoneFillsBar)
        setProgress(true, kFullBar);
    if (params_.readDoneLabelFirst) {
        setLabel(params_.readDoneLabel.text());
        ShowMessage(params_.readDoneMessage);
    } else {
        ShowMessage(params_.readDoneMessage);
        // Another transfer may have started while the box was open.
        if (!alive.expired() && attempt_ == attempt)
            setLabel(params_.readDoneLabel.text());
    }
    if (!alive.expired())
        finish(TransferEnd::ReadDone);
}

void TransferEngine::writeDone()
{
    endTransfer();
    const unsigned attempt = attempt_;
    const std::weak_ptr<int> alive = life_;
    ShowMessage(params_.writeDoneMessage);
    if (alive.expired())
        return;
    if (attempt_ == attempt)
        setLabel(params_.writeDoneLabel.text());
    finish(TransferEnd::WriteDone);
}

void TransferEngine::reportFailure()
{
    const unsigned attempt = attempt_;
    const std::weak_ptr<int> alive = life_;
    switch (params_.failure) {
    case FailureReport::MessageBarLabel:
    case FailureReport::MessageBarLabelPanel:
        ShowMessage(LinkText::FailConnect());
        if (alive.expired())
            return;
        if (attempt_ == attempt) {
            setProgressValue(0);
            setLabel(LinkText::CommFaultLabel.text());
        }
        if (params_.failure == FailureReport::MessageBarLabelPanel)
            StatusBar1.setText(kFailurePanel, LinkText::CommFaultPanel.text());
        break;
    case FailureReport::MessagePanel:
        ShowMessage(LinkText::FailConnect());
        if (alive.expired())
            return;
        StatusBar1.setText(kFailurePanel, LinkText::CommFaultPanel.text());
        break;
    case FailureReport::ClearedBarMessageLabel:
        setProgress(false, 0);
        setLabel(QString());
        ShowMessage(LinkText::FailConnect());
        if (alive.expired())
            return;
        if (attempt_ == attempt)
            setLabel(LinkText::CommFaultLabel.text());
        break;
    case FailureReport::PanelOnly:
        StatusBar1.setText(kFailurePanel, LinkText::CommFaultPanel.text());
        break;
    }
    finish(TransferEnd::Failed);
}

void TransferEngine::endTransfer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    writing_ = false;
    reading_ = false;
    stage_ = Stage::Idle;
    closePort();
}

bool TransferEngine::sendAck()
{
    if (port().write(AckByte()))
        return true;
    // Lost like a frame that cannot be written: nothing more goes out,
    // nothing that comes counts, and the reply time-out decides.
    Timer1->stop();
    frameSent_ = false;
    Timer2->start(kReplyTimeoutMs);
    return false;
}

void TransferEngine::abandon()
{
    endTransfer();
    ++attempt_;
}

void TransferEngine::finish(TransferEnd end)
{
    if (onFinished)
        onFinished(end);
}

void TransferEngine::setProgress(bool visible, int value)
{
    if (visible == progressVisible_ && value == progressValue_)
        return;
    progressVisible_ = visible;
    progressValue_ = value;
    changed();
}

void TransferEngine::setProgressVisible(bool visible)
{
    setProgress(visible, progressValue_);
}

void TransferEngine::setProgressValue(int value)
{
    setProgress(progressVisible_, value);
}

void TransferEngine::setLabel(const QString& text)
{
    if (text == label_)
        return;
    label_ = text;
    changed();
}

void TransferEngine::changed()
{
    if (onDisplayChanged)
        onDisplayChanged();
}
