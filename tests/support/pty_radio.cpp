#include "support/pty_radio.h"

PtyRadio::PtyRadio(RadioSimulator& radio, double byteUs)
    : line_(
        radio,
        [this](const QByteArray& bytes) {
            // Stamped before the write, the turnaround after it cannot come
            // out shorter than it was.
            const double now = SteadyNowUs();
            crossings_.push_back({now, false, !line_.answering(), now - line_.deliveredDueUs(), bytes});
            sent_ += bytes.size();
            pty_.write(bytes);
        },
        byteUs, LineTime::RealMicroseconds)
{
    pty_.onReadable = [this] {
        const QByteArray bytes = pty_.readAvailable();
        if (bytes.isEmpty())
            return;
        crossings_.push_back({SteadyNowUs(), true, false, 0, bytes});
        received_.append(bytes);
        line_.fromProgram(bytes);
    };
}
