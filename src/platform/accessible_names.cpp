#include "platform/accessible_names.h"

#include "platform/kit_control.h"
#include "platform/kit_focus.h"

#include <QGroupBox>
#include <QLabel>

namespace {

// The caption Qt gives a widget that has no name of its own: the label
// whose buddy it is (for a kit control, else its caption label), else the
// title of the frame it stands in.
QString CaptionOf(QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr)
        return QString();
    for (const QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == widget)
            return WithoutMnemonics(label->text());
    }
    if (const KitControl* control = KitFocus::ControlOf(widget); control != nullptr) {
        if (control->captionLabel() != nullptr)
            return WithoutMnemonics(control->captionLabel()->text());
        if (const QString caption = control->captionFromSource(); !caption.isEmpty())
            return WithoutMnemonics(caption);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent))
        return WithoutMnemonics(frame->title());
    return QString();
}

}  // namespace

void NameInputAfterCaption(QWidget* control)
{
    QWidget* input = control;
    while (input->focusProxy() != nullptr)
        input = input->focusProxy();
    if (input != control)
        input->setAccessibleName(CaptionOf(control));
}

void NameWithinWindow(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (KitFocus::ControlWidgetOf(widget) == widget)
            NameInputAfterCaption(widget);
        auto* frame = qobject_cast<QGroupBox*>(widget);
        if (frame != nullptr && !frame->title().isEmpty() && qobject_cast<QGroupBox*>(frame->parentWidget()) != nullptr)
            frame->setAccessibleName(WithoutMnemonics(frame->title()));
    }
}
