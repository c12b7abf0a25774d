#include "support/pseudo_terminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    slave_ = ::open(slavePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (slave_ >= 0) {
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
    }
    termios masterRaw{};
    tcgetattr(master_, &masterRaw);
    cfmakeraw(&masterRaw);
    tcsetattr(master_, TCSANOW, &masterRaw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        if (onReadable)
            onReadable();
    });
}

PseudoTerminal::~PseudoTerminal()
{
    notifier_.reset();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray all;
    if (master_ < 0)
        return all;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        all.append(buffer, static_cast<qsizetype>(n));
    }
    return all;
}

bool PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

void PseudoTerminal::hangUp()
{
    notifier_.reset();
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}
