#include "platform/geometry.h"

#include "platform/kit_control.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
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

void SetTwipsGeometry(QWidget* widget, double left, double top, double width, double height)
{
    // A frame needs what its layout holds; a control keeps its designed size,
    // or its own minimum where setGeometry finds one (a kit control's values).
    QSize needed;
    if (QLayout* layout = widget->layout(); layout != nullptr && dynamic_cast<KitControl*>(widget) == nullptr) {
        layout->invalidate();  // a hidden frame's layout may not have heard of its controls' sizes
        needed = layout->totalMinimumSize();
    }
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), qMax(TwipsToPixels(width), needed.width()),
                        qMax(TwipsToPixels(height), needed.height()));
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

void UseDialogFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(TwipsToPixels(kDialogFontTwips));
    font.setStretch(QFont::Unstretched);
    const double average = QFontMetricsF(font).averageCharWidth();
    const double designed = kDialogCharTwips / kTwipsPerPixel;
    if (average > designed)
        font.setStretch(static_cast<int>(std::floor(int{QFont::Unstretched} * designed / average)));
    QApplication::setFont(font);
}
