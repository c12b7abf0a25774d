#include "support/radio_simulator.h"

#include "link/frames.h"
#include "link/link_state.h"

namespace {

constexpr int kPassBlockAt = 0x3DF0;
constexpr char kWrongAck = 0x15;
constexpr char kStraggler = 0x00;
constexpr int kDefaultSplitGapMs = 200;
constexpr int kDefaultStragglerMs = 30;
constexpr int kDefaultLateMs = 1200;
constexpr int kDefaultNoiseBytes = 1;

int At(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

QByteArray Padded(const QByteArray& text)
{
    QByteArray padded = text.left(6);
    while (padded.size() < 6)
        padded.append(' ');
    return padded;
}

}  // namespace

RadioSimulator::RadioSimulator()
    : memory(kMemoryBytes, '\0')
{
    for (int a = 0; a < kMemoryBytes; ++a)
        memory[a] = static_cast<char>(patternByte(a));
    setPasswords(QByteArray(), QByteArray());
    for (std::uint8_t b : kLinkOpenFramePlaceholder)
        linkOpen.append(static_cast<char>(b));
}

int RadioSimulator::patternByte(int address)
{
    return (address * 7 + address / 256) & 0xFF;
}

int RadioSimulator::rowPatternByte(int address, int seed)
{
    const int row = address / 16;
    switch (address % 16) {
    case 0:
        return row & 0xFF;
    case 1:
        return (row >> 8) | (seed & 0x0F) << 4;
    default:
        return (row * 37 + (address % 16) * 59 + seed * 101) & 0xFF;
    }
}

void RadioSimulator::fillRowPattern(int seed)
{
    const QByteArray passwords = memory.mid(kPassBlockAt, 16);
    for (int a = 0; a < kMemoryBytes; ++a)
        memory[a] = static_cast<char>(rowPatternByte(a, seed));
    memory.replace(kPassBlockAt, 16, passwords);
}

int RadioSimulator::memoryByte(int address) const
{
    return At(memory, address);
}

QByteArray RadioSimulator::memoryRange(int address, int length) const
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i) {
        const int a = address + i;
        bytes.append(a < kMemoryBytes ? memory.at(a) : static_cast<char>(0xFF));
    }
    return bytes;
}

void RadioSimulator::setPasswords(const QByteArray& first, const QByteArray& second)
{
    memory.replace(kPassBlockAt, 6, Padded(first));
    memory.replace(kPassBlockAt + 6, 6, Padded(second));
}

void RadioSimulator::addFault(Fault fault, ReplyKind kind, int first, int count, int param)
{
    faults_.append({fault, kind, first, count, param});
}

int RadioSimulator::heardCount(Heard::Kind kind) const
{
    int n = 0;
    for (const Heard& h : heard)
        n += h.kind == kind ? 1 : 0;
    return n;
}

int RadioSimulator::answered(ReplyKind kind) const
{
    return answered_[static_cast<std::size_t>(kind)];
}

QByteArray RadioSimulator::identReply() const
{
    QByteArray reply;
    reply.append(static_cast<char>(kAck));
    for (int limit : bands) {
        reply.append(static_cast<char>(limit / 100));
        reply.append(static_cast<char>(limit / 10 % 10));
        reply.append(static_cast<char>(limit % 10));
    }
    reply.append(signature.left(4));
    reply.append(model.left(6));
    reply.append(version.left(6));
    reply.append(QByteArray(4, '\0'));
    reply.append(serial.left(16));
    reply.append(static_cast<char>(0x55));
    return reply;
}

QList<Answer> RadioSimulator::receive(const QByteArray& bytes)
{
    in_.append(bytes);
    QList<Answer> answers;
    while (!in_.isEmpty()) {
        const int n = static_cast<int>(std::min(in_.size(), linkOpen.size()));
        if (in_.left(n) == linkOpen.left(n)) {
            if (in_.size() < linkOpen.size())
                break;
            in_.remove(0, linkOpen.size());
            heard.append({Heard::LinkOpen, 0, 0});
            programming_ = true;
            answers += answer(ReplyKind::Ident, identOverride.isEmpty() ? identReply() : identOverride);
            continue;
        }
        const int first = At(in_, 0);
        if (first == kAck) {
            in_.remove(0, 1);
            heard.append({Heard::Ack, 0, 0});
            continue;
        }
        if (programming_ && first == kReadCommand) {
            if (in_.size() < 4)
                break;
            const int address = At(in_, 1) << 8 | At(in_, 2);
            const int length = At(in_, 3);
            in_.remove(0, 4);
            heard.append({Heard::Read, address, length});
            QByteArray reply;
            reply.append(static_cast<char>(kAck));
            reply.append(static_cast<char>(kWriteCommand));
            reply.append(static_cast<char>(address >> 8));
            reply.append(static_cast<char>(address));
            reply.append(static_cast<char>(length));
            reply.append(memoryRange(address, length));
            answers += answer(ReplyKind::Block, reply);
            continue;
        }
        if (programming_ && first == kWriteCommand) {
            if (in_.size() < 4 || in_.size() < 4 + At(in_, 3))
                break;
            const int address = At(in_, 1) << 8 | At(in_, 2);
            const int length = At(in_, 3);
            for (int i = 0; i < length; ++i) {
                if (address + i < kMemoryBytes)
                    memory[address + i] = in_.at(4 + i);
            }
            in_.remove(0, 4 + length);
            heard.append({Heard::Write, address, length});
            answers += answer(ReplyKind::WriteAck, AckByte());
            continue;
        }
        in_.remove(0, 1);
        heard.append({Heard::Noise, first, 1});
    }
    return answers;
}

QList<Answer> RadioSimulator::answer(ReplyKind kind, QByteArray bytes)
{
    const FaultRule* rule = nullptr;
    for (const FaultRule& f : faults_) {
        const int index = answered_[static_cast<std::size_t>(f.kind)];
        if (f.kind != ReplyKind::Any && f.kind != kind)
            continue;
        if (index >= f.first && (f.count == kForever || index < f.first + f.count)) {
            rule = &f;
            break;
        }
    }
    ++answered_[static_cast<std::size_t>(ReplyKind::Any)];
    ++answered_[static_cast<std::size_t>(kind)];

    QList<Answer> answers;
    if (rule == nullptr) {
        answers.append({0, bytes});
        return answers;
    }
    switch (rule->fault) {
    case Fault::Silent:
        break;
    case Fault::WrongSignature:
        if (bytes.size() > 16)
            bytes.replace(13, 4, "XXXX");
        answers.append({0, bytes});
        break;
    case Fault::WrongTerminator:
        if (bytes.size() > 49)
            bytes[49] = 0x00;
        answers.append({0, bytes});
        break;
    case Fault::SplitReply: {
        const int half = static_cast<int>(bytes.size() / 2);
        answers.append({0, bytes.left(half)});
        answers.append({rule->param > 0 ? rule->param : kDefaultSplitGapMs, bytes.mid(half)});
        break;
    }
    case Fault::StragglingByte:
        answers.append({0, bytes});
        answers.append({rule->param > 0 ? rule->param : kDefaultStragglerMs, QByteArray(1, kStraggler)});
        break;
    case Fault::NoLeadingByte:
        answers.append({0, bytes.mid(1)});
        break;
    case Fault::WrongAck:
        answers.append({0, QByteArray(1, kWrongAck)});
        break;
    case Fault::LateReply:
        answers.append({rule->param > 0 ? rule->param : kDefaultLateMs, bytes});
        break;
    case Fault::LeadingNoise:
        answers.append({0, QByteArray(rule->param > 0 ? rule->param : kDefaultNoiseBytes, '\0') + bytes});
        break;
    }
    return answers;
}
