#pragma once
// Window geometry in twips, the unit every window of the system sizes itself
// in: 15 twips are one logical pixel (1440 twips an inch at 96 dpi).

#include <QRect>
#include <QSize>

inline constexpr int kTwipsPerPixel = 15;

// Whole logical pixels of a length in twips (rounded to the nearest pixel).
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);

// The screen the windows open on: its full size decides the display check,
// its available area (without the desktop's panels) is what the main window
// takes.
double ScreenWidth();   // twips
double ScreenHeight();  // twips
QSize ScreenPixels();   // logical pixels
QRect ScreenAvailablePixels();

// Puts a screen of the given logical size in place of the real one (tests of
// the display check; the whole of it counts as available). An empty size
// restores the real screen.
void SetScreenSize(const QSize& pixels);
