#pragma once
// The radio's identification reply and what a window shows of it.
//
// The reply, 50 bytes: 0 leading byte; 1..12 the four band limits in MHz as
// three digit values each (VHF low, VHF high, UHF low, UHF high); 13..16 the
// model signature; 17..22 model text; 23..28 firmware version; 29..32 not
// used; 33..48 serial text; 49 the terminator 0x55.

#include <QByteArray>
#include <QString>
#include <cstdint>

inline constexpr int kIdentReplyBytes = 50;
inline constexpr std::uint8_t kIdentTerminator = 0x55;  // "U"

// The status-bar panels the identification writes.
namespace IdentPanel {
inline constexpr int Model = 2;
inline constexpr int Stat = 3;
inline constexpr int Serial = 4;
inline constexpr int Version = 6;
inline constexpr int Vhf = 8;
inline constexpr int Uhf = 10;
}  // namespace IdentPanel

struct RadioIdentity {
    // Whether all twelve band bytes are digit values 0..9. A byte above 9
    // (0xFF, an ASCII digit) would make a limit of 1000 MHz or more, which no
    // frequency code of the radio holds.
    bool bandsValid = false;
    int vhfMin = 0;
    int vhfMax = 0;
    int uhfMin = 0;
    int uhfMax = 0;
    QString model;    // 6 characters
    QString version;  // 6 characters
    QString serial;   // 16 characters
};

// The reply's bytes 13..16 equal ModelIdent and its byte 49 is 0x55; nothing
// else is tested. False for fewer than 50 bytes.
bool IdentAccepted(const QByteArray& reply);

// The fields of a 50-byte reply. Band digits are combined as they stand
// (digit bytes 0x0A, 0, 0 give 1000; bandsValid tells); one byte is one
// character.
RadioIdentity ParseIdentity(const QByteArray& reply);

// " 136-- 174 MHZ"
QString BandPanelText(double low, double high);
// "ABCDEF--GHIJKL--MNOP"
QString SerialPanelText(const QString& serial);
// "12.34.5.6"
QString VersionPanelText(const QString& version);

// What every identifying window shows of an accepted reply: VhfMin..UhfMax
// and the working limits BandVhfMin..BandUhfMax take the reply's band limits
// when its twelve band bytes are all digits, and stay as they were
// otherwise; panels 8 and 10 show the working limits then in force; panels
// 2, 4 and 6 the model, serial and version.
void ShowIdentity(const QByteArray& reply);
