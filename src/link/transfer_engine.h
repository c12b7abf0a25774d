#pragma once
// The one transfer engine: moves one address range between the memory image
// and the radio. Every window that reads or writes the radio owns one
// instance, configured by its TransferParams, and shows what it reports.
//
// A transfer: open the window's port, send the link-open frame, accept the
// identification reply (status bar and band limits), acknowledge, read the
// password block and check the password the transfer started with against
// it, then read 64-byte blocks or write 16-byte frames over the range, close
// the port and report. A silent radio costs a reply time-out and a delayed
// restart from the link-open frame, as many times as the window's retry
// count allows. A completed read replaces its rows of the image as one
// replacement (core/shown_rows.h): the window's display routine paints them,
// and so does every other window that shows any of them.
//
// Replies are framed strictly: the input is discarded right before each
// frame goes out, nothing that arrives before it is out counts, and a reply
// counts only when it is whole, its 0x58 stands at index 0 or 1 and its
// address and length are the request's. Anything else is consumed and
// ignored, and the reply time-out decides; so it does when a frame or an
// acknowledgement cannot be written. A read is unpacked into the image only
// when every block has arrived.
//
// Hosting it in a window:
//   - build the params (the window's range, counts, texts, after-read
//     routine), construct the engine in the window's load;
//   - Command_read_Click / Command_Write_Click call startRead() / startWrite()
//     with the text of the window's password box (a window with its own
//     check before the transfer calls refuseIfBusy() first, then its check,
//     then the start);
//   - onDisplayChanged: copy progressVisible(), progressValue() and label()
//     into ProgressBar1 and Label_tr_count;
//   - the window's other buttons refuse with refuseIfBusy() (editor windows
//     close and unload through link/ui/editor_link.h);
//   - the Close button calls closePort(); destroying the engine (window
//     unload) ends a running transfer.

#include "core/language.h"
#include "core/memory_image.h"
#include "core/prompt.h"
#include "core/timer.h"
#include "link/frames.h"
#include "link/link_controls.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/link_timing.h"
#include "link/reply_store.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Block replies a completed read moves into the image.
struct KeptBlocks {
    bool secondRange = false;  // from the second range's replies (RxBlock2)
    int firstStoreRow = 2;     // reply store row of the first block kept
    int blocks = 0;            // number of 64-byte blocks kept
    int firstImageRow = 0;     // image row of the first block's first 16 bytes
};

// How a window reports that the radio did not answer after its last retry.
enum class FailureReport {
    MessageBarLabel,         // the message, then the bar at 0 and the label "Communication fault."
    MessagePanel,            // the message, then status panel 2 "Communication fault."; bar and label kept
    ClearedBarMessageLabel,  // bar hidden at 0 and label emptied, the message, then the label "Communication fault."
    PanelOnly,               // status panel 2 "Communication fault." only, no message
    MessageBarLabelPanel,    // as MessageBarLabel, then status panel 2 "Communication fault." too
};

struct TransferParams {
    // --- the range -------------------------------------------------------
    int readStart = 0;    // radio address of read block 0 (AddrHi, AddrLo of a read)
    int writeStart = 0;   // radio address of write frame 0 (AddrHi, AddrLo of a write)
    int readBlocks = 0;   // LastReadBlock: the read ends after the reply stored in row readBlocks + 1
    int writeFrames = 0;  // WriteBlocks: frames 0..writeFrames-1 carry image rows writeStart/16 + k
    // Reply store row of the first block's reply; each reply stored in row r
    // is followed by the request for block r - 1. 2 for the editors (block k
    // in row k + 2); 1 for the whole-image read (block 0 is asked for twice)
    // and the channel editor.
    int firstReplyRow = 2;
    // The channel editor's two ranges: when nonzero, every block read (and
    // every line written) is followed by the one this far above it; their
    // replies go to the second store (RxBlock2, block k in row k + 2), and a
    // write sends lines 0..writeFrames (writeFrames + 1 lines of two frames).
    int secondRangeOffset = 0;
    // The blocks a completed read moves into the image, before afterRead.
    std::vector<KeptBlocks> kept;
    // The 16 data bytes of the write frame for a radio address; empty: the
    // image row of that address.
    std::function<FrameData(int address)> writeData;

    // --- the handshake ---------------------------------------------------
    // False: no password stage; the first data frame follows the accepted
    // identification at once and carries its 0x06 (alignment editor).
    bool passwordStage = true;
    // False: no lone 0x06 and no pause after the password reply; the first
    // data frame carries the 0x06 (whole-image read).
    bool ackPasswordAlone = true;
    int identPauseMs = kPauseOf40000StepsMs;
    int passwordPauseMs = kPauseOf4000StepsMs;

    // --- retry -------------------------------------------------------------
    int readRetries = kEditorRetries;  // restarts after a time-out (RetriesLeft)
    int writeRetries = kEditorRetries;
    int retryDelayMs = kEditorRetryDelayMs;

    // --- progress ----------------------------------------------------------
    // Added to the number a read shows (the bar uses it too): -1 shows the
    // block counter before its increase (whole-image read).
    int readLabelOffset = 0;
    // Added to the number in the write label only: -1 in the two-tone,
    // five-tone and channel editors.
    int writeLabelOffset = 0;
    // The write progress text for a number; empty: LinkText::WritingBlock.
    std::function<BiText(int n)> writeLabel;
    // The bar goes to 100 as the first write frame is handed to the sender
    // (alignment editor).
    bool writeFillsBarAtFirstFrame = false;

    // --- completion --------------------------------------------------------
    // The window's display routine, run after the kept blocks are in the
    // image (the port is closed and the busy flags are clear by then).
    std::function<void()> afterRead;
    // Editors: the bar at 100, the label, then the message. Otherwise (the
    // whole-image read, the channel editor) the message, then the label.
    bool readDoneFillsBar = true;
    bool readDoneLabelFirst = true;
    BiText readDoneLabel;
    Message readDoneMessage;
    // Every write: the message, then the label.
    Message writeDoneMessage;
    BiText writeDoneLabel;

    // --- failure -----------------------------------------------------------
    PortErrorVariant portError = PortErrorVariant::Short;
    FailureReport failure = FailureReport::MessageBarLabel;
};

enum class TransferEnd {
    ReadDone,
    WriteDone,
    PasswordRefused,
    Failed,      // no answer after the last retry
    PortFailed,  // the port did not open at a retry
};

class TransferEngine : private LinkControls {
public:
    explicit TransferEngine(TransferParams params, MemoryImage& image = Edata);
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // The Read and Write buttons: refused with the busy message while busy()
    // (below); otherwise the retry count is loaded and the transfer starts
    // (a read's pending retry or pending failure report is cancelled). When
    // the port opened, the bar shows 0 and the label the connecting text.
    // Return at once; the transfer runs on timer ticks and receive events.
    //
    // password: what the window's password box shows as the transfer starts.
    // Its password stage, and that of every restart, checks it: no other
    // window's box changes what this transfer sends. A transfer without a
    // password stage takes none.
    void startRead(const QString& password = QString());
    void startWrite(const QString& password = QString());
    // Every refusal of a window's button while its transfer runs: shows the
    // refusal (the busy message unless the window has its own for that
    // button) and returns true while busy().
    bool refuseIfBusy(const Message& refusal = LinkText::Busy());

    // The window's Close button: closes the port if it is open.
    using LinkControls::closePort;
    // Ends whatever runs (the window unloads): timers stop, the port closes,
    // the busy flags clear. Nothing is sent to the radio.
    void abandon();

    // The busy flags: a read or a write runs. Both are clear during a retry
    // delay, while the port is closed.
    bool Writing() const { return writing_; }
    bool Reading() const { return reading_; }
    // What the window's buttons refuse for: a transfer runs, or a write
    // waits in a retry delay, for its next attempt or for the report of its
    // failure. A write is busy from its press until it has ended or its
    // failure has been reported, so nothing the window's buttons do can
    // change what its retries send, and nothing drops it without a word. A
    // read's delays give way to a new Read or Write: its failure changes
    // nothing.
    bool busy() const { return writing_ || reading_ || writeWaiting(); }
    using LinkControls::portOpen;

    // What ProgressBar1 and Label_tr_count show.
    bool progressVisible() const { return progressVisible_; }
    int progressValue() const { return progressValue_; }
    QString label() const { return label_; }
    // The window changes the bar itself (its load, a display routine that
    // hides it).
    void setProgressVisible(bool visible);
    void setProgressValue(int value);
    void setLabel(const QString& text);

    // Runs after the bar or the label changed.
    std::function<void()> onDisplayChanged;
    // Runs when a transfer has ended, after its messages.
    std::function<void(TransferEnd)> onFinished;

private:
    enum class Stage { Idle, Identify, Password, Data, RetryDelay };
    enum class Direction { Read, Write };

    bool writeWaiting() const;
    void startTransfer(Direction direction, const QString& password);
    bool Comm_Start(Direction direction);
    bool Comm_Open();
    void Comm_StartSend(const QByteArray& frame);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void MSC_OnComm();

    void identifyReceived();
    void passwordReceived();
    void readReplyReceived();
    void writeAckReceived();
    void beginData(bool withAck);
    void requestBlock(int address, bool withAck);
    void sendWriteFrame(int address, bool withAck);
    void showReadProgress(int count);
    void showWriteProgress(int count);
    void readDone();
    void writeDone();
    void reportFailure();
    void endTransfer();
    // The acknowledgement of the reply just taken; false when it could not
    // be written (the time-out then decides).
    bool sendAck();
    void finish(TransferEnd end);
    void setProgress(bool visible, int value);
    void changed();

    TransferParams params_;
    MemoryImage& image_;

    Stage stage_ = Stage::Idle;
    Direction direction_ = Direction::Read;
    bool writing_ = false;
    bool reading_ = false;
    bool frameSent_ = false;
    bool secondPhase_ = false;  // the channel editor's name block or frame is awaited
    int count_ = 0;
    int retriesLeft_ = 0;
    int requestAddress_ = 0;  // address of the block request awaiting its reply
    unsigned attempt_ = 0;    // grows with every start, so a late step can tell it is stale
    std::array<std::uint8_t, kPasswordLength> passTyped_{};  // the password the transfer started with
    QByteArray frame_;
    QByteArray rxBuf_;
    ReplyStore replies_;
    ReplyStore secondReplies_;

    bool progressVisible_ = false;
    int progressValue_ = 0;
    QString label_;

    // Expires with the engine: a message box runs other events, and a step
    // that follows one must not act on an engine whose window went away.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
