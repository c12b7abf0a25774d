// libFuzzer target for what the radio sends. The first byte chooses one of
// the transfers the application has (the identification, the whole-image
// read and write, the password change, and the Read and Write of every
// editor) and how the radio's passwords are set; the rest is a script of
// what comes down the cable, run on a virtual clock through an in-memory
// port: raw bytes, time passing, and the answers a sound radio gives to what
// the program sent (whole, cut into pieces, damaged, misshapen, or many in a
// row), with the cable pulled or the user pressing the button again.
//
// Checked every run, abort() otherwise:
//   - once the script is over and the radio silent, the run ends within a
//     bounded count of timer ticks: no timer running, the port closed,
//     nothing busy (no hang, no endless retry);
//   - a transfer that reports completion sent exactly the frames its
//     parameters name, each fully out before the answer it took;
//   - a completed read put the radio's bytes into its area and changed no
//     image row outside it; anything else leaves the image and the alignment
//     table byte-equal to before;
//   - a refused password is one the radio's block refuses, and a transfer
//     fails only after the attempts its retry count allows.
// The sanitizers of the fuzz build catch the rest.

#include "alignment/adj_link.h"
#include "channels/chann_link.h"
#include "channels/fm_link.h"
#include "core/memory_image.h"
#include "core/prompt.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/frames.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/link_timing.h"
#include "link/password_change.h"
#include "link/password_entry.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "link/whole_image.h"
#include "options/opt_link.h"
#include "signalling/five_tone_link.h"
#include "signalling/two_tone_link.h"
#include "support/cell_table.h"
#include "support/memory_port.h"
#include "support/radio_simulator.h"
#include "support/virtual_clock.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Once the radio is silent, every transfer ends within this many ticks:
// the most is the identification's three attempts of eight byte ticks, a
// time-out and a delay each.
constexpr qint64 kSilentEndTicks = 64;
constexpr qint64 kSilentEndMs = 60000;
// Ticks one step of the script may cause at most (the password dialog sends
// a 21-byte frame one byte a tick).
constexpr qint64 kTicksPerStep = 32;
// How long a sound radio waits for the program's next frame.
constexpr qint64 kAnswerWaitMs = 400;

const QString kTypedPassword = QStringLiteral("583920");
const QString kNewPassword = QStringLiteral("246810");

// ---- the cable --------------------------------------------------------------

// One open-to-close use of the port: what the program wrote, and what the
// radio delivered, each delivery with the count of bytes written before it.
struct Session {
    struct Delivery {
        qsizetype afterWritten;
        QByteArray bytes;
    };
    QByteArray written;
    std::vector<Delivery> deliveries;

    // What came while exactly `written` bytes were out.
    QByteArray heardAfter(qsizetype count) const
    {
        QByteArray heard;
        for (const Delivery& d : deliveries) {
            if (d.afterWritten == count)
                heard += d.bytes;
        }
        return heard;
    }
};

class CablePort;

// The cable with a sound radio at its end. The radio hears every byte the
// program writes and owes the answer to the last frame it heard; the script
// decides what the program gets instead.
class Cable final : public CommPortFactory {
public:
    Cable() { previous_ = InstallCommPortFactory(this); }
    ~Cable() override { InstallCommPortFactory(previous_); }
    Cable(const Cable&) = delete;
    Cable& operator=(const Cable&) = delete;

    std::unique_ptr<CommPort> createPort() override;

    // Hands bytes to the open port as one arrival; lost when none is open.
    void deliver(const QByteArray& bytes);
    // The cable comes out: the open port closes and no port opens until plug().
    void pull();
    void plug() { pulled_ = false; }
    bool pulled() const { return pulled_; }
    bool portOpen() const { return holder_ != nullptr; }

    RadioSimulator radio;
    QByteArray owed;
    bool writesFail = false;
    std::vector<Session> sessions;

private:
    friend class CablePort;
    CablePort* holder_ = nullptr;
    bool pulled_ = false;
    CommPortFactory* previous_ = nullptr;
};

class CablePort final : public MemoryPort {
public:
    explicit CablePort(Cable& cable)
        : cable_(cable)
    {
    }
    ~CablePort() override { close(); }

    bool open(int) override
    {
        close();
        if (cable_.pulled_ || cable_.holder_ != nullptr)
            return false;
        cable_.holder_ = this;
        cable_.sessions.emplace_back();
        discardInput();
        return true;
    }
    void close() override
    {
        if (cable_.holder_ == this)
            cable_.holder_ = nullptr;
        discardInput();
    }
    bool isOpen() const override { return cable_.holder_ == this; }

    bool write(const QByteArray& bytes) override
    {
        if (!isOpen() || cable_.writesFail)
            return false;
        cable_.sessions.back().written += bytes;
        QByteArray answer;
        for (const Answer& a : cable_.radio.receive(bytes))
            answer += a.bytes;
        if (!answer.isEmpty())
            cable_.owed = answer;
        return true;
    }

    // Bytes from the cable, noted in the session.
    void hand(const QByteArray& bytes)
    {
        Session& s = cable_.sessions.back();
        s.deliveries.push_back({s.written.size(), bytes});
        arrive(bytes);
    }

private:
    Cable& cable_;
};

std::unique_ptr<CommPort> Cable::createPort()
{
    return std::make_unique<CablePort>(*this);
}

void Cable::deliver(const QByteArray& bytes)
{
    if (holder_ != nullptr && !bytes.isEmpty())
        holder_->hand(bytes);
}

void Cable::pull()
{
    pulled_ = true;
    if (holder_ != nullptr)
        holder_->close();
}

// ---- what a sound exchange looks like -------------------------------------

enum class Reply { None, Ident, Block, Ack };

// A frame the program sends and the answer it waits for.
struct Frame {
    QByteArray bytes;
    Reply reply = Reply::None;
    int address = 0;
    int length = 0;
};
using Frames = std::vector<Frame>;

QByteArray Bytes(const Frames& frames)
{
    QByteArray bytes;
    for (const Frame& f : frames)
        bytes += f.bytes;
    return bytes;
}

// The session sent exactly these frames, and each answered one got its
// answer after its last byte was out and before the next frame.
void CheckExchanged(const Session& s, const Frames& frames)
{
    Check(s.written == Bytes(frames));
    qsizetype end = 0;
    for (const Frame& f : frames) {
        end += f.bytes.size();
        const QByteArray heard = s.heardAfter(end);
        switch (f.reply) {
        case Reply::None:
            break;
        case Reply::Ident:
            Check(heard.size() >= kIdentReplyBytes);
            break;
        case Reply::Block:
            Check(LocateReadReply(heard, f.address, f.length) >= 0);
            break;
        case Reply::Ack:
            Check(heard.contains(static_cast<char>(kAck)));
            break;
        }
    }
}

// The data of the reply the session heard to a frame that ends `end` bytes
// into what it wrote.
QByteArray ReplyData(const Session& s, qsizetype end, int address, int length)
{
    const QByteArray heard = s.heardAfter(end);
    const int at = LocateReadReply(heard, address, length);
    Check(at >= 0);
    return heard.mid(at, length);
}

std::array<std::uint8_t, kPassBlockBytes> PassBlockOf(const QByteArray& bytes)
{
    std::array<std::uint8_t, kPassBlockBytes> block{};
    for (int j = 0; j < kPassBlockBytes; ++j)
        block[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(bytes.at(j));
    return block;
}

// The blocks a read asks for, in order: the range (both ranges of the
// channel editor, alternately), with block 0 asked for once more first for
// every reply row below row 2.
std::vector<int> ReadAddresses(const TransferParams& p)
{
    std::vector<int> addresses;
    if (p.secondRangeOffset != 0) {
        for (int k = 0; k < p.readBlocks; ++k) {
            addresses.push_back(ReadBlockAddress(p.readStart, k));
            addresses.push_back(ReadBlockAddress(p.readStart + p.secondRangeOffset, k));
        }
        return addresses;
    }
    for (int row = p.firstReplyRow; row < 2; ++row)
        addresses.push_back(p.readStart);
    for (int k = 0; k < p.readBlocks; ++k)
        addresses.push_back(ReadBlockAddress(p.readStart, k));
    return addresses;
}

// The frames a write sends, in order (the channel editor's lines 0..count,
// a main and a name frame each).
std::vector<int> WriteAddresses(const TransferParams& p)
{
    std::vector<int> addresses;
    if (p.secondRangeOffset != 0) {
        for (int line = 0; line <= p.writeFrames; ++line) {
            addresses.push_back(WriteFrameAddress(p.writeStart, line));
            addresses.push_back(WriteFrameAddress(p.writeStart + p.secondRangeOffset, line));
        }
        return addresses;
    }
    for (int k = 0; k < p.writeFrames; ++k)
        addresses.push_back(WriteFrameAddress(p.writeStart, k));
    return addresses;
}

FrameData DataAt(const TransferParams& p, const MemoryImage& image, int address)
{
    if (p.writeData)
        return p.writeData(address);
    FrameData data{};
    for (int c = 0; c < kWriteBytes; ++c)
        data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(image(RowOf(address), c));
    return data;
}

// Link-open, identification, and the password stage when there is one.
Frames HandshakeFrames(const TransferParams& p)
{
    Frames f{{LinkOpenBytes(), Reply::Ident}};
    if (p.passwordStage) {
        f.push_back({AckByte()});
        f.push_back({ReadRequest(PassBlockAddr, kPassBlockBytes, false), Reply::Block, PassBlockAddr, kPassBlockBytes});
    }
    return f;
}

// Every frame of a transfer the radio answered soundly throughout.
Frames EngineFrames(const TransferParams& p, bool read, const MemoryImage& image)
{
    Frames f = HandshakeFrames(p);
    // The next frame carries the acknowledgement of the reply before it.
    bool ack = true;
    if (p.passwordStage && p.ackPasswordAlone) {
        f.push_back({AckByte()});
        ack = false;
    }
    if (read) {
        for (int address : ReadAddresses(p)) {
            f.push_back({ReadRequest(address, kBlockBytes, ack), Reply::Block, address, kBlockBytes});
            f.push_back({AckByte()});
            ack = false;
        }
        return f;
    }
    for (int address : WriteAddresses(p)) {
        f.push_back({WriteFrame(address, DataAt(p, image, address), ack), Reply::Ack});
        ack = true;
    }
    return f;
}

// ---- what the runs share ----------------------------------------------------

MemoryImage PatternImage()
{
    MemoryImage m;
    for (int r = 0; r < kImageRows; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            m(r, c) = static_cast<std::int16_t>((31 * r + 7 * c) % 256);
    }
    return m;
}

AdjTable PatternTable()
{
    AdjTable t;
    for (int r = 0; r < kAdjRows; ++r) {
        for (int c = 0; c < kAdjCols; ++c)
            t(r, c) = static_cast<std::int16_t>((13 * r + 5 * c) % 256);
    }
    return t;
}

struct World {
    Cable cable;
    MemoryImage image = PatternImage();
    AdjTable adj = PatternTable();
    // What the image and the table must hold: as before, until a read
    // completes.
    MemoryImage imageExpected = image;
    AdjTable adjExpected = adj;
    // The session the running transfer started with.
    std::size_t startSession = 0;
    // The channel window's grid, which its read's after-read step paints.
    CellTable grid;

    // The user's button: runs press, and notes where a transfer it started
    // begins.
    void started(const std::function<void()>& press)
    {
        const std::size_t before = cable.sessions.size();
        press();
        if (cable.sessions.size() > before)
            startSession = before;
    }
    std::size_t attempts() const { return cable.sessions.size() - startSession; }
};

class Run {
public:
    virtual ~Run() = default;
    virtual void press() = 0;
    virtual bool busy() const = 0;
    // A message box was shown.
    virtual void shown(const Message&) {}
};

// ---- the transfers ----------------------------------------------------------

class EngineRun final : public Run {
public:
    EngineRun(World& w, TransferParams params, bool read, std::vector<AreaSpan> areas, bool alignment = false)
        : w_(w),
          params_(std::move(params)),
          read_(read),
          areas_(std::move(areas)),
          alignment_(alignment),
          engine_(params_, w.image)
    {
        engine_.onFinished = [this](TransferEnd end) { finished(end); };
    }

    void press() override
    {
        w_.started([this] { read_ ? engine_.startRead(kTypedPassword) : engine_.startWrite(kTypedPassword); });
    }
    bool busy() const override { return engine_.busy(); }

private:
    bool inArea(int row) const
    {
        for (const AreaSpan& a : areas_) {
            if (row >= a.firstRow() && row <= a.lastRow())
                return true;
        }
        return false;
    }

    void finished(TransferEnd end)
    {
        const Session& s = w_.cable.sessions.back();
        switch (end) {
        case TransferEnd::ReadDone:
            Check(read_);
            readDone(s);
            break;
        case TransferEnd::WriteDone:
            Check(!read_);
            CheckExchanged(s, EngineFrames(params_, false, w_.image));
            break;
        case TransferEnd::PasswordRefused: {
            Check(params_.passwordStage);
            const QByteArray sent = Bytes(HandshakeFrames(params_));
            Check(s.written.startsWith(sent));
            const QByteArray block = ReplyData(s, sent.size(), PassBlockAddr, kPassBlockBytes);
            Check(!PasswordAccepted(PassBlockOf(block), PasswordCodesOf(kTypedPassword)));
            break;
        }
        case TransferEnd::Failed:
            Check(w_.attempts() == static_cast<std::size_t>(read_ ? params_.readRetries : params_.writeRetries) + 1);
            break;
        case TransferEnd::PortFailed:
            Check(w_.cable.pulled());
            break;
        }
    }

    // The read got every block it asks for; its area now holds their bytes
    // and nothing else changed.
    void readDone(const Session& s)
    {
        const Frames frames = EngineFrames(params_, true, w_.image);
        CheckExchanged(s, frames);
        qsizetype end = 0;
        for (const Frame& f : frames) {
            end += f.bytes.size();
            if (f.reply != Reply::Block || f.length != kBlockBytes)
                continue;
            const QByteArray data = ReplyData(s, end, f.address, f.length);
            if (alignment_) {
                for (int c = 0; c < kAdjCellsRead; ++c)
                    w_.adjExpected(AdjLimitRow, c) = static_cast<std::uint8_t>(data.at(kAdjLimitsInBlock + c));
                continue;
            }
            for (int i = 0; i < kBlockBytes; ++i) {
                const int row = RowOf(f.address) + i / kRowBytes;
                if (inArea(row))
                    w_.imageExpected(row, i % kRowBytes) = static_cast<std::uint8_t>(data.at(i));
            }
        }
        Check(w_.image == w_.imageExpected);
        Check(w_.adj == w_.adjExpected);
    }

    World& w_;
    TransferParams params_;
    bool read_;
    std::vector<AreaSpan> areas_;
    bool alignment_;
    TransferEngine engine_;
};

class IdentifyRun final : public Run {
public:
    explicit IdentifyRun(World& w)
        : w_(w)
    {
        link_.onIdentified = [this] { CheckExchanged(w_.cable.sessions.back(), {{LinkOpenBytes(), Reply::Ident}}); };
    }

    void press() override
    {
        w_.started([this] { link_.ConnectRadio(); });
    }
    bool busy() const override { return link_.running(); }
    void shown(const Message& m) override
    {
        if (m.text == LinkText::StartupFailConnect().text)
            Check(w_.attempts() == kIdentifyRetries + 1);
    }

private:
    World& w_;
    StartupIdentification link_;
};

class PasswordRun final : public Run {
public:
    explicit PasswordRun(World& w)
        : w_(w)
    {
        link_.onFinished = [this](PasswordChangeEnd end) { finished(end); };
    }

    void press() override
    {
        Text_Old_PassWord_Change(kTypedPassword);
        w_.started([this] { link_.Command_Write_Click(kNewPassword, kNewPassword); });
    }
    bool busy() const override { return link_.Writing(); }

private:
    static constexpr int kPassBlockInReply = kBlockBytes - kPassBlockBytes;

    void finished(PasswordChangeEnd end)
    {
        const Session& s = w_.cable.sessions.back();
        const Frames handshake{
            {LinkOpenBytes(), Reply::Ident},
            {ReadRequest(PassDialogBlockAddr, kBlockBytes, true), Reply::Block, PassDialogBlockAddr, kBlockBytes}};
        switch (end) {
        case PasswordChangeEnd::Changed:
        case PasswordChangeEnd::NotConfirmed: {
            const QByteArray block =
                ReplyData(s, Bytes(handshake).size(), PassDialogBlockAddr, kBlockBytes).mid(kPassBlockInReply);
            // New password 1; password 2 and the rest of the block as read.
            const PasswordCodes codes = PasswordCodesOf(kNewPassword);
            FrameData data{};
            for (int j = 0; j < kWriteBytes; ++j)
                data[static_cast<std::size_t>(j)] =
                    j < kPasswordLength ? codes[static_cast<std::size_t>(j)] : static_cast<std::uint8_t>(block.at(j));
            Frames frames = handshake;
            frames.push_back({AckByte()});
            frames.push_back(
                {WriteFrame(PassBlockAddr, data, false), end == PasswordChangeEnd::Changed ? Reply::Ack : Reply::None});
            CheckExchanged(s, frames);
            // The first byte after the write frame decides.
            const QByteArray heard = s.heardAfter(Bytes(frames).size());
            Check(!heard.isEmpty() && (heard.at(0) == static_cast<char>(kAck)) == (end == PasswordChangeEnd::Changed));
            break;
        }
        case PasswordChangeEnd::OldRefused: {
            Check(s.written.startsWith(Bytes(handshake)));
            const QByteArray block =
                ReplyData(s, Bytes(handshake).size(), PassDialogBlockAddr, kBlockBytes).mid(kPassBlockInReply);
            Check(!PasswordAccepted(PassBlockOf(block), PasswordCodesOf(kTypedPassword)));
            break;
        }
        case PasswordChangeEnd::Failed:
            Check(w_.attempts() == 1);
            break;
        case PasswordChangeEnd::PortFailed:
            Check(w_.cable.pulled());
            break;
        }
    }

    World& w_;
    PasswordChangeLink link_;
};

// ---- choosing the transfer ----------------------------------------------------

constexpr int kTransfers = 18;

std::unique_ptr<Run> MakeRun(int choice, World& w)
{
    const bool read = choice % 2 == 0;
    const auto engine = [&](TransferParams p, std::vector<AreaSpan> areas) {
        return std::make_unique<EngineRun>(w, std::move(p), read, std::move(areas));
    };
    switch (choice) {
    case 0:
        return std::make_unique<IdentifyRun>(w);
    case 1:
        return std::make_unique<PasswordRun>(w);
    case 2:
        return engine(WholeReadParams(), {Area::WholeRead});
    case 3:
        return engine(WholeWriteParams(), {});
    case 4:
    case 5:
        return engine(ChannTransferParams([&w] { Chann_ShowReadRows(w.grid, RxBlock2, w.image); }),
                      {Area::Chann, Area::ChannName});
    case 6:
    case 7:
        return engine(FmTransferParams(Area::FmPage.baseHi()), {Area::FmPage});
    case 8:
    case 9:
        return engine(OptTransferParams(), {Area::OptSettings, Area::Vfo});
    case 10:
    case 11:
        return engine(DtmfTransferParams(), {Area::Dtmf});
    case 12:
    case 13:
        return engine(TwoToneTransferParams(), {Area::TwoTone});
    case 14:
    case 15:
        return engine(FiveToneTransferParams(), {Area::FiveToneSettings});
    default:
        return std::make_unique<EngineRun>(
            w, AdjTransferParams([&w] { Adj_FromBlock(RxBlock.row(kAdjReplyRow), w.adj); }, w.adj), read,
            std::vector<AreaSpan>{}, true);
    }
}

// Every third channel of the radio is empty by its first byte alone, an old
// channel's bytes behind it: the channel read's after-read step paints it as
// an empty row and must leave it as the radio sent it.
void EmptySomeChannels(RadioSimulator& radio)
{
    for (int channel = 0; channel < kChannels; channel += 3)
        radio.memory[channel * kRowBytes] = '\xFF';
}

// The radio's passwords: none, the typed one as password 1 or as password
// 2, or two others.
void SetPasswords(RadioSimulator& radio, int variant)
{
    const QByteArray typed = kTypedPassword.toLatin1();
    switch (variant) {
    case 0:
        radio.setPasswords(QByteArray(), QByteArray());
        break;
    case 1:
        radio.setPasswords(typed, "111111");
        break;
    case 2:
        radio.setPasswords("111111", typed);
        break;
    default:
        radio.setPasswords("111111", "222222");
        break;
    }
}

// ---- the script ---------------------------------------------------------------

class Script {
public:
    Script(const std::uint8_t* data, std::size_t size)
        : data_(data),
          size_(size)
    {
    }
    bool atEnd() const { return pos_ >= size_; }
    int next() { return atEnd() ? 0 : data_[pos_++]; }
    QByteArray take(int n)
    {
        const std::size_t count = std::min(size_ - pos_, static_cast<std::size_t>(n));
        QByteArray bytes(reinterpret_cast<const char*>(data_ + pos_), static_cast<qsizetype>(count));
        pos_ += count;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Each step is a byte: what happens in its low three bits, an argument 0..31
// in the high five.
enum Step {
    RawBytes,       // argument + 1 bytes of the script arrive at once
    TimePasses,     // 0..15 ms, or 400..6400 ms in steps of 400
    SoundAnswer,    // the radio's answer, in pieces of argument + 1 bytes
    Conversation,   // (argument + 1)^2 sound answers in a row, each once the program has asked
    DamagedAnswer,  // the answer with the byte at (next) % length set to (next), in pieces
    Misshapen,      // the answer cut at, without, or with a doubled byte at (next), or twice
    CableEvent,     // writes fail, writes work, the cable comes out, the cable goes back in
    PressAgain,     // the user presses the transfer's button again
};

int WaitMs(int argument)
{
    constexpr int kFineSteps = 16;
    constexpr int kCoarseMs = 400;
    return argument < kFineSteps ? argument : (argument - kFineSteps + 1) * kCoarseMs;
}

void DeliverInPieces(Cable& cable, const QByteArray& bytes, int piece)
{
    for (qsizetype i = 0; i < bytes.size(); i += piece)
        cable.deliver(bytes.mid(i, piece));
}

QByteArray TakeOwed(Cable& cable)
{
    QByteArray owed;
    owed.swap(cable.owed);
    return owed;
}

QByteArray Misshape(QByteArray answer, int mode, int at)
{
    if (answer.isEmpty())
        return answer;
    const qsizetype i = at % answer.size();
    switch (mode) {
    case 0:
        return answer.left(i);
    case 1:
        return answer.remove(i, 1);
    case 2:
        return answer.insert(i, answer.at(i));
    default:
        return answer + answer;
    }
}

// Runs the script; returns the number of steps taken.
qint64 Play(Script& script, World& w, Run& run, VirtualClock& clock)
{
    qint64 steps = 0;
    while (!script.atEnd()) {
        const int step = script.next();
        const int argument = step >> 3;
        ++steps;
        switch (step & 7) {
        case RawBytes:
            w.cable.deliver(script.take(argument + 1));
            break;
        case TimePasses:
            clock.advance(WaitMs(argument));
            break;
        case SoundAnswer:
            DeliverInPieces(w.cable, TakeOwed(w.cable), argument + 1);
            break;
        case Conversation:
            for (int i = 0; i < (argument + 1) * (argument + 1); ++i) {
                if (w.cable.owed.isEmpty())
                    clock.advanceUntil([&w] { return !w.cable.owed.isEmpty(); }, kAnswerWaitMs);
                if (w.cable.owed.isEmpty())
                    break;
                ++steps;
                w.cable.deliver(TakeOwed(w.cable));
            }
            break;
        case DamagedAnswer: {
            QByteArray answer = TakeOwed(w.cable);
            const int at = script.next();
            const int value = script.next();
            if (!answer.isEmpty())
                answer[at % answer.size()] = static_cast<char>(value);
            DeliverInPieces(w.cable, answer, argument + 1);
            break;
        }
        case Misshapen: {
            const int at = script.next();
            DeliverInPieces(w.cable, Misshape(TakeOwed(w.cable), argument & 3, at), (argument >> 2) + 1);
            break;
        }
        case CableEvent:
            switch (argument & 3) {
            case 0:
                w.cable.writesFail = true;
                break;
            case 1:
                w.cable.writesFail = false;
                break;
            case 2:
                w.cable.pull();
                break;
            default:
                w.cable.plug();
                break;
            }
            break;
        case PressAgain:
            run.press();
            break;
        }
    }
    return steps;
}

class Messages final : public MessageSink {
public:
    void show(const Message& message) override
    {
        if (run != nullptr)
            run->shown(message);
    }
    Run* run = nullptr;
};

// What one run could have left behind for the next.
void ResetLinkState()
{
    CommPortNo = 1;
    PortError = 0;
    PassBlock.fill(0);
    Text_Old_PassWord_Change(QString());
    PassNew.fill(0x20);
    WritePhase = 0;
    RxBlock.clear();
    RxBlock2.clear();
    StatusBar1.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool tablesBuilt = [] {
        InitToneTables();
        BuildLinkOpenFrame();
        return true;
    }();
    Check(tablesBuilt);
    if (size == 0)
        return 0;
    ResetLinkState();
    const MemoryImage edataBefore = Edata;
    const AdjTable adjDataBefore = AdjData;

    VirtualClock clock;
    Messages messages;
    MessageSink* previousSink = InstallMessageSink(&messages);
    Script script(data, size);
    const int first = script.next();
    {
        World w;
        SetPasswords(w.cable.radio, first / kTransfers % 4);
        EmptySomeChannels(w.cable.radio);
        std::unique_ptr<Run> run = MakeRun(first % kTransfers, w);
        messages.run = run.get();
        run->press();

        const qint64 steps = Play(script, w, *run, clock);

        // The radio falls silent: whatever runs ends, and soon.
        const qint64 ticksBefore = clock.ticks();
        clock.advanceUntil([&clock] { return !clock.anyTimerRunning(); }, kSilentEndMs);
        Check(!clock.anyTimerRunning());
        Check(clock.ticks() - ticksBefore <= kSilentEndTicks);
        Check(clock.ticks() <= kSilentEndTicks + kTicksPerStep * (steps + 1));
        Check(!run->busy());
        Check(!w.cable.portOpen());

        Check(w.image == w.imageExpected);
        Check(w.adj == w.adjExpected);
        messages.run = nullptr;
        run.reset();
    }
    Check(Edata == edataBefore);
    Check(AdjData == adjDataBefore);
    InstallMessageSink(previousSink);
    return 0;
}
