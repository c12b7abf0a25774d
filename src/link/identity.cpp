#include "link/identity.h"

#include "core/latin1.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "core/status_panels.h"
#include "core/tone_list.h"

namespace {

constexpr int kBandsAt = 1;
constexpr int kSignatureAt = 13;
constexpr int kSignatureBytes = 4;
constexpr int kModelAt = 17;
constexpr int kModelBytes = 6;
constexpr int kVersionAt = 23;
constexpr int kVersionBytes = 6;
constexpr int kSerialAt = 33;
constexpr int kSerialBytes = 16;
constexpr int kTerminatorAt = 49;

int At(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

constexpr int kBandBytes = 12;  // four limits of three digits

int Digits3(const QByteArray& reply, int at)
{
    return 100 * At(reply, at) + 10 * At(reply, at + 1) + At(reply, at + 2);
}

bool BandBytesAreDigits(const QByteArray& reply)
{
    for (int i = kBandsAt; i < kBandsAt + kBandBytes; ++i) {
        if (At(reply, i) > 9)
            return false;
    }
    return true;
}

QString Chars(const QByteArray& reply, int at, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += ByteToChar(At(reply, at + i));
    return text;
}

}  // namespace

bool IdentAccepted(const QByteArray& reply)
{
    if (reply.size() < kIdentReplyBytes)
        return false;
    for (int i = 0; i < kSignatureBytes; ++i) {
        if (At(reply, kSignatureAt + i) != ModelIdent[static_cast<std::size_t>(i)])
            return false;
    }
    return At(reply, kTerminatorAt) == kIdentTerminator;
}

RadioIdentity ParseIdentity(const QByteArray& reply)
{
    RadioIdentity id;
    if (reply.size() < kIdentReplyBytes)
        return id;
    id.bandsValid = BandBytesAreDigits(reply);
    id.vhfMin = Digits3(reply, kBandsAt);
    id.vhfMax = Digits3(reply, kBandsAt + 3);
    id.uhfMin = Digits3(reply, kBandsAt + 6);
    id.uhfMax = Digits3(reply, kBandsAt + 9);
    id.model = Chars(reply, kModelAt, kModelBytes);
    id.version = Chars(reply, kVersionAt, kVersionBytes);
    id.serial = Chars(reply, kSerialAt, kSerialBytes);
    return id;
}

QString BandPanelText(double low, double high)
{
    return SignedText(low) + QStringLiteral("--") + SignedText(high) + QStringLiteral(" MHZ");
}

QString SerialPanelText(const QString& serial)
{
    return serial.mid(0, 6) + QStringLiteral("--") + serial.mid(6, 6) + QStringLiteral("--") + serial.mid(12, 4);
}

QString VersionPanelText(const QString& version)
{
    return version.mid(0, 2) + QLatin1Char('.') + version.mid(2, 2) + QLatin1Char('.') + version.mid(4, 1)
           + QLatin1Char('.') + version.mid(5, 1);
}

void ShowIdentity(const QByteArray& reply)
{
    if (reply.size() < kIdentReplyBytes)
        return;
    const RadioIdentity id = ParseIdentity(reply);
    if (id.bandsValid) {
        VhfMin = id.vhfMin;
        VhfMax = id.vhfMax;
        UhfMin = id.uhfMin;
        UhfMax = id.uhfMax;
        BandVhfMin = VhfMin;
        BandVhfMax = VhfMax;
        BandUhfMin = UhfMin;
        BandUhfMax = UhfMax;
    }
    // The limits the editors check against from now on.
    StatusBar1.setText(IdentPanel::Vhf, BandPanelText(BandVhfMin, BandVhfMax));
    StatusBar1.setText(IdentPanel::Uhf, BandPanelText(BandUhfMin, BandUhfMax));
    StatusBar1.setText(IdentPanel::Model, id.model);
    StatusBar1.setText(IdentPanel::Serial, SerialPanelText(id.serial));
    StatusBar1.setText(IdentPanel::Version, VersionPanelText(id.version));
}
