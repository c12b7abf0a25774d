#include "platform/kit_fit.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <cmath>

namespace {

// A line edit keeps this many pixels free on either side of its text, and
// one more for the caret after the last character (Qt's QLineEdit).
constexpr int kLineEditMargin = 2;
constexpr int kCaret = 1;
// A list's field draws its text one pixel inside the field.
constexpr int kComboLabelMargin = 1;
// Any size serves to measure what a style takes around the contents.
constexpr int kProbeWidth = 200;
constexpr int kProbeHeight = 24;

int LineEditTextRoom(const QLineEdit& edit, const QString& text)
{
    const QMargins margins = edit.textMargins();
    return TextWidth(QFontMetricsF(edit.font()), text) + margins.left() + margins.right() + 2 * kLineEditMargin
           + kCaret;
}

}  // namespace

int TextWidth(const QFontMetricsF& metrics, const QString& text)
{
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

QChar WidestChar(const QFontMetricsF& metrics, const QString& chars)
{
    QChar widest;
    double width = -1;
    for (const QChar ch : chars) {
        if (metrics.horizontalAdvance(ch) > width) {
            width = metrics.horizontalAdvance(ch);
            widest = ch;
        }
    }
    return widest;
}

int LineEditWidthFor(const QLineEdit& edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = QRect(0, 0, kProbeWidth, kProbeHeight);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return kProbeWidth - contents.width() + LineEditTextRoom(edit, text);
}

int ComboWidthFor(const QComboBox& box, int textWidth)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    option.rect = QRect(0, 0, kProbeWidth, kProbeHeight);
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
    const int room = box.isEditable() && box.lineEdit() != nullptr ? textWidth + 2 * kLineEditMargin + kCaret
                                                                   : textWidth + 2 * kComboLabelMargin;
    return kProbeWidth - field.width() + room;
}
