#pragma once
// The windows of the system and their life.
//
// A window is a class derived from Window that names its kind in its
// constructor: a child window lives inside the main window's client area and
// is unloaded with it; a top-level window has no parent and outlives it; the
// main window itself is an MdiFrame. The constructor builds the controls and
// nothing else: the window does its work in its handlers.
//
//   class Form_setup final : public Window {
//   public:
//       Form_setup() : Window(WindowKind::Child) { ...controls... }
//   protected:
//       void Form_Load() override;       // captions, geometry, Show(), values
//       void Form_Activate() override;   // it became the active child window
//       void Form_Unload() override;     // may warn; the unload goes on all the same
//   };
//
// A window that shows rows of the memory image names them once in its
// Form_Load (showsRows) and notes each painting of them (rowsPainted): from
// then until its unload, whatever replaces any of those rows (a read, a
// ".dat" file, Default) has it paint them at once, active or not
// (core/shown_rows.h).
//
// Every window has at most one instance, loaded and unloaded through
// Windows:: (below). Load creates the window, runs Form_Load and shows it if
// Form_Load did not; a child window then becomes the active child and runs
// Form_Activate (after the whole of Form_Load, also when Form_Load showed
// the window itself). Unload runs Form_Unload, which cannot cancel, and the window
// is gone: Find() no longer finds it, what it holds with own() (timers, the
// serial port, a transfer) is destroyed at once, and its widgets are deleted
// when the event loop next runs, so a window may unload itself from its own
// button. Closing a window by its frame is an unload.

#include "core/memory_image.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class ShownRows;

enum class WindowKind {
    Child,     // inside the main window's client area; unloaded with it
    TopLevel,  // a separate window without a parent
    Frame,     // the main window (MdiFrame)
};

class Window : public QWidget {
public:
    explicit Window(WindowKind kind);
    ~Window() override;

    WindowKind kind() const { return kind_; }
    bool isLoaded() const { return state_ == State::Loaded; }

    // Outer geometry in twips, the frame included: a child's position is in
    // the main window's client area, a top-level window's on the screen.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void Move(double left, double top, double width, double height);

    // The inner size in twips (the main window's: its MDI client area).
    virtual double ScaleWidth() const;
    virtual double ScaleHeight() const;

    // Makes the window visible; a child window shows inside the main window.
    void Show();

    // The widget that carries the window's frame: the MDI sub-window of a
    // child, the window itself otherwise.
    QWidget* frameWidget() const;

    // The area that holds the child windows: the main window's, nullptr for
    // every other window.
    virtual QMdiArea* clientArea() const { return nullptr; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    // What goes with the window after Form_Unload, before its widgets go.
    virtual void releaseWindow();

    // The rows of the image the window shows, and its routine that paints
    // them from the image (once, in Form_Load): when something replaces any
    // of them, paint runs at once, until the window unloads. A painting that
    // the window itself starts notes rowsPainted() when it is done, so that
    // the window whose own Read or Default replaced the rows paints them once.
    void showsRows(std::vector<AreaSpan> areas, std::function<void()> paint);
    void rowsPainted();

    // Keeps a part that must stop when the window unloads (a timer, the
    // serial port, a transfer engine) and returns it.
    template <class T> T& own(std::unique_ptr<T> part)
    {
        T& kept = *part;
        parts_.push_back(std::shared_ptr<void>(std::move(part)));
        return kept;
    }

    void closeEvent(QCloseEvent* event) override;

private:
    friend class WindowManager;
    enum class State { NotLoaded, Loaded, Unloading, Unloaded };

    void resizeOuter(int widthPx, int heightPx);

    WindowKind kind_;
    State state_ = State::NotLoaded;
    // Form_Load runs: a Show() inside it makes the child active, but its
    // Form_Activate waits until the load is done.
    bool loading_ = false;
    std::vector<std::shared_ptr<void>> parts_;
    std::unique_ptr<ShownRows> shownRows_;
    QMdiSubWindow* subWindow_ = nullptr;
};

namespace Windows {
namespace detail {
Window* Find(std::type_index type);
Window* LoadNew(std::type_index type, std::unique_ptr<Window> window);
// The loaded main window, or nullptr (Windows::Frame() in platform/mdi_frame.h
// gives it as the MdiFrame it is).
Window* FrameWindow();
// The main window tells that a child window became its active child.
void ChildActivated(Window* window);
}  // namespace detail

// The loaded instance of T, or nullptr.
template <class T> T* Find()
{
    return static_cast<T*>(detail::Find(typeid(T)));
}

// Loads T: no effect when it is loaded already (it is not brought forward).
// A child window cannot load while no main window is loaded (nullptr then).
template <class T> T* Load()
{
    if (Window* loaded = detail::Find(typeid(T)))
        return static_cast<T*>(loaded);
    return static_cast<T*>(detail::LoadNew(typeid(T), std::make_unique<T>()));
}

// Unloads T if it is loaded.
void Unload(Window* window);
template <class T> void Unload()
{
    Unload(detail::Find(typeid(T)));
}

// A fresh instance: unload T if it is loaded, then load it.
template <class T> T* LoadFresh()
{
    Unload<T>();
    return Load<T>();
}

// Brings a loaded window to the front: a child becomes the active child, a
// top-level window is raised and activated.
void BringForward(Window* window);

// Loads T, or brings the loaded instance forward with its contents as they are.
template <class T> T* LoadForward()
{
    if (T* loaded = Find<T>()) {
        BringForward(loaded);
        return loaded;
    }
    return Load<T>();
}

// Every loaded window, in the order they were loaded.
std::vector<Window*> Loaded();

// Unloads every window: the main window (with its children), then the
// top-level windows.
void UnloadAll();

// Runs when the last window has been unloaded (the application ends its
// event loop there).
void SetLastWindowClosedHandler(std::function<void()> handler);
}  // namespace Windows
