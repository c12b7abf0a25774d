#pragma once
// Steps of the start-up that are not windows: the status panel shares, the
// display check, the port scan and the first band limits.

#include "core/prompt.h"
#include "core/status_panels.h"

#include <array>

class StartupIdentification;

// The shares of the screen width (per cent) of status panels 1..11.
inline constexpr std::array<int, kStatusPanels> kStatusPanelShares{4, 6, 5, 15, 8, 7, 5, 10, 5, 10, 25};
// The panel widths in twips for a screen width in twips (single precision,
// as the bar takes them).
std::array<double, kStatusPanels> StatusPanelWidths(double screenWidthTwips);

// The smallest display the windows are laid out for: 1280 x 800 pixels.
inline constexpr double kMinScreenWidthTwips = 19200;
inline constexpr double kMinScreenHeightTwips = 12000;
bool DisplayTooSmall(double screenWidthTwips, double screenHeightTwips);
Message DisplayModeMessage();

// The silent scan of ports 8 down to 1: keeps the first that opens in
// CommPortNo (1 with PortError -1 when none does) and leaves the port closed.
inline constexpr int kFirstScannedPort = 8;
void ScanCommPorts(StartupIdentification& link);

// ModelIndex 0 and the working band limits from row 0 of the band table.
void SetStartupBandLimits();
