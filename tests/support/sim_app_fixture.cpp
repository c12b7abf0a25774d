#include "support/sim_app_fixture.h"

#include "app/mdimain.h"
#include "core/language.h"
#include "core/status_panels.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_write.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/window.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

namespace {
constexpr qint64 kIdentificationMs = 10000;
}

bool SimAppFixture::startApp()
{
    recorder_ = std::make_unique<MessageRecorder>();
    clock_ = std::make_unique<VirtualClock>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    ports_->attach(kAppPort, *radio_);
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return false;
    savedCurrent_ = QDir::currentPath();
    QDir::setCurrent(dir_->path());
    SetScreenSize(QSize(1280, 800));
    LangChinese = 0;
    main_ = Windows::Load<MDImain>();
    if (main_ == nullptr)
        return false;
    if (!clock_->advanceUntil([this] { return !main_->Identification().running(); }, kIdentificationMs))
        return false;
    if (StatusBar1.text(2) != QString::fromLatin1(radio_->model))
        return false;
    radio_->heard.clear();
    ports_->clearWrites(kAppPort);
    return true;
}

void SimAppFixture::stopApp()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main_ = nullptr;
    if (!savedCurrent_.isEmpty())
        QDir::setCurrent(savedCurrent_);
    SetScreenSize(QSize());
    StatusBar1.clear();
    ports_.reset();
    radio_.reset();
    clock_.reset();
    dir_.reset();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

const TransferEngine* SimAppFixture::pressWholeImageWrite()
{
    main_->Prog_write->trigger();
    auto* dialog = Windows::Find<Form_Comm_Write>();
    dialog->Command_Write->click();
    return &dialog->transfer();
}

bool SimAppFixture::runTransfer(const TransferEngine* link, qint64 maxMs)
{
    return clock_->advanceUntil([&] { return !link->busy() && !ports_->isOpen(kAppPort); }, maxMs);
}
