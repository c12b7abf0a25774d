#include "core/ui/channel_placeholder.h"

#include "core/language.h"
#include "core/model_bands.h"
#include "platform/mdi_frame.h"

#include <QVBoxLayout>

namespace {
const BiText kCaption{QStringLiteral("信道参数编辑"), QStringLiteral("Channel Information")};
// The channel editor's size as shares of the main window.
constexpr double kWidthDivisor = 1.06;
constexpr double kHeightDivisor = 1.26;
}

ChannelPlaceholder::ChannelPlaceholder() : Window(WindowKind::Child)
{
    new QVBoxLayout(this);
}

void ChannelPlaceholder::Form_Load()
{
    BandVhfMin = kChannEditorVhfMin;
    BandVhfMax = kChannEditorVhfMax;
    BandUhfMin = kChannEditorUhfMin;
    BandUhfMax = kChannEditorUhfMax;

    setWindowTitle(kCaption.text());
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kWidthDivisor;
        const double height = main->Height() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();
}
