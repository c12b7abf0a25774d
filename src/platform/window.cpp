#include "platform/window.h"

#include "core/shown_rows.h"
#include "platform/accessible_names.h"
#include "platform/geometry.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

// The one place that loads, activates and unloads windows.
class WindowManager {
public:
    struct Entry {
        std::type_index type;
        Window* window;
    };

    static WindowManager& instance()
    {
        static WindowManager manager;
        return manager;
    }

    Window* find(std::type_index type) const
    {
        for (const Entry& entry : loaded_) {
            if (entry.type == type)
                return entry.window;
        }
        return nullptr;
    }

    Window* frame() const
    {
        for (const Entry& entry : loaded_) {
            if (entry.window->kind() == WindowKind::Frame)
                return entry.window;
        }
        return nullptr;
    }

    std::vector<Window*> loaded() const
    {
        std::vector<Window*> all;
        for (const Entry& entry : loaded_)
            all.push_back(entry.window);
        return all;
    }

    Window* loadNew(std::type_index type, std::unique_ptr<Window> owned)
    {
        Window* window = owned.get();
        Window* host = frame();
        if (window->kind() == WindowKind::Child) {
            if (host == nullptr)
                return nullptr;
            window->subWindow_ = host->clientArea()->addSubWindow(window);
            window->subWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
            window->subWindow_->hide();
        } else if (window->kind() == WindowKind::Frame && host != nullptr) {
            return nullptr;  // one main window
        }
        owned.release();  // the manager owns it from here until its unload
        loaded_.push_back({type, window});
        window->state_ = Window::State::Loaded;
        window->loading_ = true;
        window->Form_Load();
        window->loading_ = false;
        if (!window->isLoaded())
            return window;  // unloaded itself while loading
        // The captions are set: screen readers hear the controls by them.
        NameWithinWindow(window);
        if (!window->frameWidget()->isVisible())
            window->Show();
        if (window->kind() == WindowKind::Child)
            activateChild(window);
        return window;
    }

    void activateChild(Window* window)
    {
        Window* host = frame();
        if (host == nullptr || window->subWindow_ == nullptr)
            return;
        host->clientArea()->setActiveSubWindow(window->subWindow_);
        childActivated(window);
    }

    // A child window became the active one: it runs Form_Activate once per
    // change of the active child (not when the application regains focus).
    void childActivated(Window* window)
    {
        if (window == nullptr || !window->isLoaded() || window->loading_ || window == lastActive_ || frameUnloading_)
            return;
        lastActive_ = window;
        window->Form_Activate();
    }

    void unload(Window* window)
    {
        if (window == nullptr || window->state_ != Window::State::Loaded)
            return;
        window->state_ = Window::State::Unloading;
        // An unloading window paints nothing any more.
        window->shownRows_.reset();
        if (window->kind() == WindowKind::Frame) {
            frameUnloading_ = true;
            for (Window* other : loaded()) {
                if (other->kind() == WindowKind::Child)
                    unload(other);
            }
        }
        window->Form_Unload();
        forget(window);
        window->state_ = Window::State::Unloaded;
        if (lastActive_ == window)
            lastActive_ = nullptr;
        window->releaseWindow();
        if (window->subWindow_ != nullptr) {
            QMdiSubWindow* sub = window->subWindow_;
            sub->hide();
            if (QMdiArea* area = sub->mdiArea())
                area->removeSubWindow(sub);
            sub->deleteLater();
        } else {
            window->hide();
            window->deleteLater();
        }
        if (window->kind() == WindowKind::Frame)
            frameUnloading_ = false;
        const bool anyLeft = std::any_of(loaded_.begin(), loaded_.end(),
                                         [](const Entry& entry) { return entry.window->kind() != WindowKind::Child; });
        if (!anyLeft && lastWindowClosed_)
            lastWindowClosed_();
    }

    // A window deleted while loaded (the application ending without an
    // unload) is no longer found.
    void forget(Window* window)
    {
        loaded_.erase(std::remove_if(loaded_.begin(), loaded_.end(),
                                     [window](const Entry& entry) { return entry.window == window; }),
                      loaded_.end());
    }

    void unloadAll()
    {
        if (Window* host = frame())
            unload(host);
        while (!loaded_.empty())
            unload(loaded_.front().window);
    }

    std::function<void()> lastWindowClosed_;

private:
    std::vector<Entry> loaded_;
    QPointer<Window> lastActive_;
    bool frameUnloading_ = false;
};

Window::Window(WindowKind kind)
    : kind_(kind)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window()
{
    shownRows_.reset();
    if (state_ == State::Loaded || state_ == State::Unloading)
        WindowManager::instance().forget(this);
    while (!parts_.empty())
        parts_.pop_back();
}

void Window::showsRows(std::vector<AreaSpan> areas, std::function<void()> paint)
{
    shownRows_ = std::make_unique<ShownRows>(std::move(areas), std::move(paint));
}

void Window::rowsPainted()
{
    if (shownRows_)
        shownRows_->painted();
}

void Window::releaseWindow()
{
    // The last part kept goes first, as members go in reverse order.
    while (!parts_.empty())
        parts_.pop_back();
}

QWidget* Window::frameWidget() const
{
    if (subWindow_ != nullptr)
        return subWindow_;
    return const_cast<Window*>(this);
}

double Window::Left() const
{
    return PixelsToTwips(frameWidget()->x());
}

double Window::Top() const
{
    return PixelsToTwips(frameWidget()->y());
}

double Window::Width() const
{
    const QWidget* frame = frameWidget();
    return PixelsToTwips(frame->isWindow() ? frame->frameGeometry().width() : frame->width());
}

double Window::Height() const
{
    const QWidget* frame = frameWidget();
    return PixelsToTwips(frame->isWindow() ? frame->frameGeometry().height() : frame->height());
}

void Window::setLeft(double twips)
{
    QWidget* frame = frameWidget();
    frame->move(TwipsToPixels(twips), frame->y());
}

void Window::setTop(double twips)
{
    QWidget* frame = frameWidget();
    frame->move(frame->x(), TwipsToPixels(twips));
}

void Window::setWidth(double twips)
{
    resizeOuter(TwipsToPixels(twips), TwipsToPixels(Height()));
}

void Window::setHeight(double twips)
{
    resizeOuter(TwipsToPixels(Width()), TwipsToPixels(twips));
}

void Window::Move(double left, double top, double width, double height)
{
    frameWidget()->move(TwipsToPixels(left), TwipsToPixels(top));
    resizeOuter(TwipsToPixels(width), TwipsToPixels(height));
}

void Window::resizeOuter(int widthPx, int heightPx)
{
    QWidget* frame = frameWidget();
    if (!frame->isWindow()) {
        frame->resize(widthPx, heightPx);
        return;
    }
    // A top-level window's frame is drawn around it: the window itself gets
    // what is left inside.
    const QRect outer = frame->frameGeometry();
    const QRect inner = frame->geometry();
    frame->resize(std::max(0, widthPx - (outer.width() - inner.width())),
                  std::max(0, heightPx - (outer.height() - inner.height())));
}

double Window::ScaleWidth() const
{
    return PixelsToTwips(width());
}

double Window::ScaleHeight() const
{
    return PixelsToTwips(height());
}

void Window::Show()
{
    QWidget* frame = frameWidget();
    if (!frame->isWindow() || frame->isVisible()) {
        frame->show();
        return;
    }
    // A top-level window learns its frame when it is shown: the outer size
    // it was given before is kept by shrinking what is inside.
    const QRect outer = frame->frameGeometry();
    frame->show();
    if (frame->frameGeometry().size() != outer.size()) {
        frame->move(outer.topLeft());
        resizeOuter(outer.width(), outer.height());
    }
}

void Window::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window; the manager hides and deletes it.
    if (state_ == State::Loaded) {
        event->ignore();
        WindowManager::instance().unload(this);
        return;
    }
    event->accept();
}

namespace Windows {

Window* detail::Find(std::type_index type)
{
    return WindowManager::instance().find(type);
}

Window* detail::LoadNew(std::type_index type, std::unique_ptr<Window> window)
{
    return WindowManager::instance().loadNew(type, std::move(window));
}

void detail::ChildActivated(Window* window)
{
    WindowManager::instance().childActivated(window);
}

void Unload(Window* window)
{
    WindowManager::instance().unload(window);
}

void BringForward(Window* window)
{
    if (window == nullptr || !window->isLoaded())
        return;
    if (window->kind() == WindowKind::Child) {
        WindowManager::instance().activateChild(window);
        return;
    }
    window->raise();
    window->activateWindow();
}

Window* detail::FrameWindow()
{
    return WindowManager::instance().frame();
}

std::vector<Window*> Loaded()
{
    return WindowManager::instance().loaded();
}

void UnloadAll()
{
    WindowManager::instance().unloadAll();
}

void SetLastWindowClosedHandler(std::function<void()> handler)
{
    WindowManager::instance().lastWindowClosed_ = std::move(handler);
}

}  // namespace Windows
