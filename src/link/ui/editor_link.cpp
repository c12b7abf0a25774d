#include "link/ui/editor_link.h"

#include "link/link_texts.h"
#include "link/transfer_engine.h"

#include <QLabel>
#include <QProgressBar>

void ShowLinkDisplay(const TransferEngine& link, QProgressBar* bar, QLabel* label)
{
    bar->setValue(link.progressValue());
    bar->setVisible(link.progressVisible());
    label->setText(link.label());
}

bool CloseLink(TransferEngine& link, const Message& refusal)
{
    if (link.refuseIfBusy(refusal))
        return false;
    link.closePort();
    return true;
}

void UnloadLink(TransferEngine* link)
{
    if (link == nullptr)
        return;
    if (link->busy()) {
        link->abandon();
        ShowMessage(LinkText::UnloadWhileBusy());
        return;
    }
    link->closePort();
}
