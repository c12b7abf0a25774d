#include "platform/kit_focus.h"

#include "platform/accessible_names.h"
#include "platform/kit_control.h"
#include "platform/window.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QMessageBox>
#include <QSet>
#include <QWidget>

namespace {

struct Tracker {
    QHash<QWidget*, KitControl*> controls;  // every live kit control by its widget
    KitControl* current = nullptr;
    // The control the focus is moving to while the one it left hears of it.
    KitControl* arriving = nullptr;
    // The controls whose lost-focus handler runs.
    QSet<KitControl*> leaving;
    bool installed = false;
};

Tracker& TheTracker()
{
    static Tracker tracker;
    return tracker;
}

// Focus that lands here is no move between the application's controls.
bool OutsideTheControls(QWidget* now)
{
    if (now == nullptr)
        return true;  // another application, or the focus was cleared
    QWidget* window = now->window();
    if (window->windowType() == Qt::Popup)
        return true;  // a drop-down list or a menu
    return qobject_cast<QMessageBox*>(window) != nullptr;
}

// The window a widget belongs to: the nearest Window (a child window is one
// of its own inside the main window), else its top-level widget.
QWidget* OwnerWindow(QWidget* widget)
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->isWindow() || dynamic_cast<Window*>(w) != nullptr)
            return w;
    }
    return nullptr;
}

// Names a control's Qt widget whenever the control is shown.
class ShowWatcher final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            NameInputAfterCaption(static_cast<QWidget*>(watched));
        return false;
    }
};

ShowWatcher& TheShowWatcher()
{
    static ShowWatcher watcher;
    return watcher;
}

void FocusChanged(QWidget* /*old*/, QWidget* now)
{
    Tracker& tracker = TheTracker();
    if (OutsideTheControls(now))
        return;
    if (QWidget* control = KitFocus::ControlWidgetOf(now))
        NameInputAfterCaption(control);
    KitControl* next = KitFocus::ControlOf(now);
    if (next == tracker.current)
        return;
    KitControl* previous = tracker.current;
    tracker.current = next;
    // A lost-focus handler that sends the focus on (back to its own box after
    // a message) takes it from a control that never heard it arrive: that
    // control hears nothing, so two boxes cannot hand a check to and fro.
    if (previous != nullptr && previous != tracker.arriving && !tracker.leaving.contains(previous)) {
        KitControl* const outer = tracker.arriving;
        tracker.arriving = next;
        tracker.leaving.insert(previous);
        RaiseEvent(previous->onLostFocus);
        tracker.leaving.remove(previous);
        tracker.arriving = outer;
    }
    // The lost-focus handler may have moved the focus on; the new control
    // hears of it only if it still holds the focus.
    if (next != nullptr && tracker.current == next)
        RaiseEvent(next->onGotFocus);
}

}  // namespace

namespace KitFocus {

void Install()
{
    Tracker& tracker = TheTracker();
    if (tracker.installed || qApp == nullptr)
        return;
    tracker.installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FocusChanged);
}

KitControl* Current()
{
    return TheTracker().current;
}

QWidget* ControlWidgetOf(QWidget* widget)
{
    const Tracker& tracker = TheTracker();
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (tracker.controls.contains(w))
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

KitControl* ControlOf(QWidget* widget)
{
    QWidget* control = ControlWidgetOf(widget);
    return control != nullptr ? TheTracker().controls.value(control) : nullptr;
}

}  // namespace KitFocus

KitControl::KitControl(QWidget* widget)
    : widget_(widget)
{
    KitFocus::Install();
    TheTracker().controls.insert(widget, this);
    widget->installEventFilter(&TheShowWatcher());
}

KitControl::~KitControl()
{
    Tracker& tracker = TheTracker();
    tracker.controls.remove(widget_);
    if (tracker.current == this)
        tracker.current = nullptr;
    if (tracker.arriving == this)
        tracker.arriving = nullptr;
    tracker.leaving.remove(this);
}

void KitControl::returnFocusAfterRefusal()
{
    QWidget* const now = QApplication::focusWidget();
    if (now == nullptr || KitFocus::ControlWidgetOf(now) == widget_)
        return;  // nowhere to come back from, or back already
    if (!widget_->isVisible() || !widget_->isEnabled())
        return;  // being hidden: the focus goes on
    if (OwnerWindow(now) != OwnerWindow(widget_))
        return;  // left for another window: the user goes there
    widget_->setFocus();
}

void KitControl::setCaptionLabel(QLabel* label)
{
    captionLabel_ = label;
    NameInputAfterCaption(widget_);
}

QLabel* KitControl::captionLabel() const
{
    return captionLabel_;
}

void KitControl::setCaptionSource(std::function<QString()> caption)
{
    captionSource_ = std::move(caption);
    NameInputAfterCaption(widget_);
}

QString KitControl::captionFromSource() const
{
    return captionSource_ ? captionSource_() : QString();
}

void KitControl::setCellEditor()
{
    cellEditor_ = true;
    widget_->setMinimumWidth(0);
}

void KitControl::setTabStop(bool stop)
{
    QWidget* input = widget_;
    while (input->focusProxy() != nullptr)
        input = input->focusProxy();
    input->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}
