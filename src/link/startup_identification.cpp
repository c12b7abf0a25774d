#include "link/startup_identification.h"

#include "link/link_state.h"
#include "link/link_texts.h"

namespace {
constexpr int kIdentifyRetries = 2;
}

StartupIdentification::StartupIdentification() : MSC(CreateCommPort()) {}

StartupIdentification::~StartupIdentification()
{
    closePort();
}

bool StartupIdentification::openPort()
{
    PortError = 0;
    if (!MSC->open(CommPortNo)) {
        PortError = -1;
        return false;
    }
    return true;
}

void StartupIdentification::TryOpenPort()
{
    openPort();
}

void StartupIdentification::OpenCommPort()
{
    if (!openPort())
        ShowMessage(PortErrorMessage(PortErrorVariant::Short));
}

void StartupIdentification::ConnectRadio()
{
    closePort();
    Writing = 0;
    Reading = 0;
    RetriesLeft = kIdentifyRetries;
    StartIdentify();
}

void StartupIdentification::StartIdentify()
{
    if (Writing != 0 || Reading != 0)
        return;
    if (!MSC->isOpen())
        OpenCommPort();
    if (PortError != 0)
        return;
    // The identification exchange itself is armed here.
}

void StartupIdentification::Stop()
{
    Writing = 0;
    Reading = 0;
    closePort();
}

bool StartupIdentification::portOpen() const
{
    return MSC->isOpen();
}

void StartupIdentification::closePort()
{
    if (MSC->isOpen())
        MSC->close();
}
