#include "support/pty_app_fixture.h"

#include "core/status_panels.h"
#include "link/comm_port.h"
#include "platform/geometry.h"
#include "platform/window.h"

#include <QtTest>

void PtyAppFixture::startSerial()
{
    recorder_ = std::make_unique<MessageRecorder>();
    InstallCommPortFactory(&serial_);
    for (int n = 1; n <= kPortCount; ++n)
        SetPortDevice(n, QStringLiteral("/nonexistent/ttyTEST%1").arg(n));
    SetScreenSize(QSize(1280, 800));
}

void PtyAppFixture::stopSerial()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetPortDevices();
    SetScreenSize(QSize());
    InstallCommPortFactory(nullptr);
    StatusBar1.clear();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}
