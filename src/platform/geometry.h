#pragma once
// Window geometry in twips, the unit every window of the system sizes itself
// in: 15 twips are one logical pixel (1440 twips an inch at 96 dpi).

#include <QRect>
#include <QSize>

class KitTabStrip;
class QWidget;

inline constexpr int kTwipsPerPixel = 15;

// The font the windows' placement in twips was designed for: a small dialog
// font, 8 points (160 twips) high, its characters 75 twips wide on average.
inline constexpr double kDialogFontTwips = 160;
inline constexpr double kDialogCharTwips = 75;

// Makes the dialog font the application's font: the platform's own family
// at the dialog font's height, narrowed where its characters are wider on
// average than the dialog font's. The main window does it as it is built,
// so that every window shows its texts at the scale its twips assume.
void UseDialogFont();

// Whole logical pixels of a length in twips (rounded to the nearest pixel).
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);

// Places a widget in its parent at a rectangle given in twips, widened and
// lengthened where what it holds needs more: a frame is never smaller than
// the controls its layout holds and its title, a label than its caption, nor
// a kit control than its values.
void SetTwipsGeometry(QWidget* widget, double left, double top, double width, double height);

// Places a page of a tab strip (a frame laid over the strip, in the same
// parent) as SetTwipsGeometry does, then inside the strip's page area, under
// the tabs: a place that starts before the area starts with it, one that
// runs past it is cut to it, and moved back where what the frame holds needs
// more than is left. The strip is placed first.
void SetTwipsPageGeometry(QWidget* page, const KitTabStrip& strip, double left, double top, double width,
                          double height);

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
