#include "platform/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
QSize screenOverride;
}

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double PixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

QSize ScreenPixels()
{
    if (!screenOverride.isEmpty())
        return screenOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

QRect ScreenAvailablePixels()
{
    if (!screenOverride.isEmpty())
        return QRect(QPoint(0, 0), screenOverride);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

double ScreenWidth()
{
    return PixelsToTwips(ScreenPixels().width());
}

double ScreenHeight()
{
    return PixelsToTwips(ScreenPixels().height());
}

void SetScreenSize(const QSize& pixels)
{
    screenOverride = pixels;
}
