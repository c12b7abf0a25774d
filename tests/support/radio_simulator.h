#pragma once
// A radio for tests. It answers the program's frames as the radio does, over
// a memory of 0x4010 bytes: the identification reply to the link-open frame,
// read replies (a leading 0x06, 0x58 hi lo n and n bytes), 0x06 for each
// write frame. Faults are made on demand. It only turns bytes into answers;
// a SimLine carries them on the clock, in process (sim_port.h) or over a
// pseudo-terminal (pty_radio.h).

#include <QByteArray>
#include <QList>
#include <array>

enum class Fault {
    Silent,           // no answer at all
    WrongSignature,   // identification reply with another model signature
    WrongTerminator,  // identification reply whose byte 49 is not 0x55
    SplitReply,       // the answer in two halves, param ms apart (default 200)
    StragglingByte,   // one extra byte param ms after the answer (default 30)
    NoLeadingByte,    // the answer without its leading byte (read replies start with 0x58)
    WrongAck,         // a write frame answered with 0x15 instead of 0x06
    LateReply,        // the answer starts param ms late (default 1200, past the time-out)
    LeadingNoise,     // param bytes 0x00 in front of the answer (default 1): a read reply's 0x58 moves on by param
};

// What an answer is an answer to; faults count answers of one kind.
enum class ReplyKind { Any, Ident, Block, WriteAck };

// Bytes the radio sends: they start delayMs after the end of what it sent before.
struct Answer {
    int delayMs = 0;
    QByteArray bytes;
};

class RadioSimulator {
public:
    static constexpr int kMemoryBytes = 0x4010;
    static constexpr int kForever = -1;

    RadioSimulator();

    // The radio's memory; the password block is at 0x3DF0. Filled with a
    // pattern (byte at address a: (a * 7 + a / 256) mod 256), no password.
    QByteArray memory;
    int memoryByte(int address) const;
    QByteArray memoryRange(int address, int length) const;
    static int patternByte(int address);
    // Another pattern, in which every 16-byte row differs from every other
    // row and from the rows of another seed (0..15): bytes 0 and 1 hold the
    // row number, byte 1 also the seed.
    static int rowPatternByte(int address, int seed);
    // Fills the memory with rowPatternByte; the password block stays.
    void fillRowPattern(int seed);

    // The identity it reports.
    std::array<int, 4> bands{136, 174, 400, 470};
    QByteArray signature{"VDSQ"};
    QByteArray model{"TR-UV1"};
    QByteArray version{"123456"};
    QByteArray serial{"ABCDEFGHIJKLMNOP"};
    QByteArray linkOpen;       // the frame it waits for (LinkOpenFrame's placeholder)
    QByteArray identOverride;  // when set, sent instead of the identification reply

    // Password 1 and 2 of the password block, blank padded to six.
    void setPasswords(const QByteArray& first, const QByteArray& second);

    // Answers number first .. first + count - 1 of the kind (counted from 0
    // since the radio was made) get the fault.
    void addFault(Fault fault, ReplyKind kind = ReplyKind::Any, int first = 0, int count = 1, int param = 0);

    // The bytes the program sent, as they arrive; returns the radio's answers.
    QList<Answer> receive(const QByteArray& bytes);

    // What the radio heard.
    struct Heard {
        enum Kind { LinkOpen, Ack, Read, Write, Noise };
        Kind kind = Noise;
        int address = 0;
        int length = 0;
    };
    QList<Heard> heard;
    int heardCount(Heard::Kind kind) const;
    // Answers of a kind given so far (faulty and silent ones included).
    int answered(ReplyKind kind) const;

    QByteArray identReply() const;

private:
    struct FaultRule {
        Fault fault;
        ReplyKind kind;
        int first;
        int count;
        int param;
    };
    QList<Answer> answer(ReplyKind kind, QByteArray bytes);

    QByteArray in_;
    bool programming_ = false;
    QList<FaultRule> faults_;
    std::array<int, 4> answered_{};  // by ReplyKind
};
