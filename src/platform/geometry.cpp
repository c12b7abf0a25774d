#include "platform/geometry.h"

#include "platform/kit_control.h"
#include "platform/kit_tab_strip.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

QSize screenOverride;

// What a widget placed in twips needs to show whole what it holds: a frame
// the controls its layout holds and its title, a label its caption. A kit
// control keeps its own minimum (its values), which setGeometry honours.
QSize NeededSize(QWidget* widget)
{
    if (dynamic_cast<KitControl*>(widget) != nullptr)
        return {};
    QSize needed;
    if (QLayout* layout = widget->layout()) {
        layout->invalidate();  // a hidden frame's layout may not have heard of its controls' sizes
        needed = layout->totalMinimumSize();
    }
    if (qobject_cast<QGroupBox*>(widget) != nullptr || qobject_cast<QLabel*>(widget) != nullptr)
        needed = needed.expandedTo(widget->minimumSizeHint());
    return needed;
}

// Along one axis: a place that starts before the area starts with it; one
// that runs past its end is cut to end with it, and moved back where what it
// holds needs more than is left.
void KeepInside(int& start, int& length, int areaStart, int areaLength, int needed)
{
    const int areaEnd = areaStart + areaLength;
    start = qMax(start, areaStart);
    length = qMax(qMin(length, areaEnd - start), needed);
    if (start + length > areaEnd)
        start = qMax(areaStart, areaEnd - length);
}

}  // namespace

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
    // A control keeps its designed size, or what it needs where that is more.
    const QSize needed = NeededSize(widget);
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), qMax(TwipsToPixels(width), needed.width()),
                        qMax(TwipsToPixels(height), needed.height()));
}

void SetTwipsPageGeometry(QWidget* page, const KitTabStrip& strip, double left, double top, double width, double height)
{
    const QSize needed = NeededSize(page);
    int x = TwipsToPixels(left);
    int y = TwipsToPixels(top);
    int w = qMax(TwipsToPixels(width), needed.width());
    int h = qMax(TwipsToPixels(height), needed.height());
    KeepInside(x, w, TwipsToPixels(strip.ClientLeft()), TwipsToPixels(strip.ClientWidth()), needed.width());
    KeepInside(y, h, TwipsToPixels(strip.ClientTop()), TwipsToPixels(strip.ClientHeight()), needed.height());
    page->setGeometry(x, y, w, h);
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
