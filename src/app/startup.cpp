#include "app/startup.h"

#include "core/model_bands.h"
#include "link/link_state.h"
#include "link/startup_identification.h"

std::array<double, kStatusPanels> StatusPanelWidths(double screenWidthTwips)
{
    std::array<double, kStatusPanels> widths{};
    for (int i = 0; i < kStatusPanels; ++i)
        widths[i] = static_cast<float>(kStatusPanelShares[i] / 100.0 * screenWidthTwips);
    return widths;
}

bool DisplayTooSmall(double screenWidthTwips, double screenHeightTwips)
{
    return screenHeightTwips < kMinScreenHeightTwips || screenWidthTwips < kMinScreenWidthTwips;
}

Message DisplayModeMessage()
{
    return {{QStringLiteral("请将计算机的显示模式设置为 1280 * 800 "),
             QStringLiteral("Set the display mode of the computer to 1280 * 800 ")},
            Titles::OperatePromptUpper};
}

void ScanCommPorts(StartupIdentification& link)
{
    for (int n = kFirstScannedPort; n >= 1; --n) {
        CommPortNo = n;
        link.TryOpenPort();
        if (PortError == 0)
            break;
    }
    if (link.portOpen())
        link.closePort();
}

void SetStartupBandLimits()
{
    ModelIndex = 0;
    BandVhfMin = BandTable[0];
    BandVhfMax = BandTable[11];
    BandUhfMin = BandTable[22];
    BandUhfMax = BandTable[33];
}
