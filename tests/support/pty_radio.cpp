#include "support/pty_radio.h"

PtyRadio::PtyRadio(RadioSimulator& radio, double byteUs)
    : line_(
        radio,
        [this](const QByteArray& bytes) {
            sent_ += bytes.size();
            pty_.write(bytes);
        },
        byteUs)
{
    pty_.onReadable = [this] {
        const QByteArray bytes = pty_.readAvailable();
        received_.append(bytes);
        line_.fromProgram(bytes);
    };
}
