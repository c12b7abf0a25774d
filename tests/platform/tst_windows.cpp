#include "core/prompt.h"
#include "platform/geometry.h"
#include "platform/mdi_frame.h"
#include "platform/status_bar.h"
#include "platform/tool_bar.h"
#include "platform/window.h"
#include "support/message_recorder.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

QStringList events;  // what the windows' handlers did, in order

struct Probe {
    explicit Probe(QString n)
        : name(std::move(n))
    {
    }
    ~Probe() { events << name + QStringLiteral(" part released"); }
    QString name;
};

template <WindowKind Kind> class TestWindow : public Window {
public:
    TestWindow()
        : Window(Kind)
    {
    }
    Probe* probe = nullptr;
    std::function<void()> onUnload;

protected:
    void Form_Load() override
    {
        events << name() + QStringLiteral(" load");
        probe = &own(std::make_unique<Probe>(name()));
    }
    void Form_Activate() override { events << name() + QStringLiteral(" activate"); }
    void Form_Unload() override
    {
        events << name() + QStringLiteral(" unload");
        if (onUnload)
            onUnload();
    }
    virtual QString name() const = 0;
};

class Frame final : public MdiFrame {
protected:
    void Form_Load() override
    {
        events << QStringLiteral("frame load");
        Move(0, 0, PixelsToTwips(1000), PixelsToTwips(700));
    }
    void Form_Unload() override { events << QStringLiteral("frame unload"); }
};

class ChildA final : public TestWindow<WindowKind::Child> {
    QString name() const override { return QStringLiteral("A"); }
};
class ChildB final : public TestWindow<WindowKind::Child> {
    QString name() const override { return QStringLiteral("B"); }
};
// Shows itself in the middle of its load, as the editors do.
class ShownInLoad final : public Window {
public:
    ShownInLoad()
        : Window(WindowKind::Child)
    {
    }

protected:
    void Form_Load() override
    {
        events << QStringLiteral("S load");
        Show();
        events << QStringLiteral("S shown");
    }
    void Form_Activate() override { events << QStringLiteral("S activate"); }
};
class Dialog final : public TestWindow<WindowKind::TopLevel> {
    QString name() const override { return QStringLiteral("D"); }
};

const Message kBusyWarning{SameText(QStringLiteral("busy")), Titles::OperatePromptLower};

}  // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aSecondLoadChangesNothing();
    void aFreshInstanceUnloadsTheOldOneFirst();
    void anUnloadHandlerWarnsButTheWindowGoesAllTheSame();
    void whatAWindowOwnsStopsAtUnloadNotLater();
    void theMainWindowUnloadsItsChildrenFirst();
    void aTopLevelWindowOutlivesTheMainWindow();
    void aChildNeedsTheMainWindow();
    void activationRunsOncePerChangeOfActiveChild();
    void activation_waits_for_a_load_that_shows_the_window();
    void theCloseBoxUnloads();
    void geometryIsInTwips();
    void statusBarPanelsKeepTheirWidthsAndFollowTheTexts();
    void toolbarButtonsTellTheirKeys();

private:
    int lastWindowClosed_ = 0;
    std::unique_ptr<MessageRecorder> recorder_;
};

void TestWindows::init()
{
    events.clear();
    lastWindowClosed_ = 0;
    recorder_ = std::make_unique<MessageRecorder>();
    Windows::SetLastWindowClosedHandler([this] { ++lastWindowClosed_; });
}

void TestWindows::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Windows::SetLastWindowClosedHandler(nullptr);
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

void TestWindows::aSecondLoadChangesNothing()
{
    Windows::Load<Frame>();
    ChildA* first = Windows::Load<ChildA>();
    QVERIFY(first != nullptr);
    QCOMPARE(Windows::Load<ChildA>(), first);
    QCOMPARE(events.count(QStringLiteral("A load")), 1);
    QVERIFY(first->frameWidget()->isVisible());
}

void TestWindows::aFreshInstanceUnloadsTheOldOneFirst()
{
    Windows::Load<Frame>();
    ChildA* first = Windows::Load<ChildA>();
    events.clear();
    ChildA* fresh = Windows::LoadFresh<ChildA>();
    QVERIFY(fresh != first);
    QCOMPARE(Windows::Find<ChildA>(), fresh);
    QCOMPARE(events.mid(0, 3), (QStringList{"A unload", "A part released", "A load"}));
}

void TestWindows::anUnloadHandlerWarnsButTheWindowGoesAllTheSame()
{
    Windows::Load<Frame>();
    ChildA* child = Windows::Load<ChildA>();
    child->onUnload = [] { ShowMessage(kBusyWarning); };
    Windows::Unload<ChildA>();
    QCOMPARE(recorder_->takeTexts(), QStringList{"busy"});
    QCOMPARE(Windows::Find<ChildA>(), nullptr);
}

void TestWindows::whatAWindowOwnsStopsAtUnloadNotLater()
{
    Windows::Load<Frame>();
    QPointer<ChildA> child = Windows::Load<ChildA>();
    Windows::Unload<ChildA>();
    // The widget waits for the event loop; its parts are gone already.
    QVERIFY(child != nullptr);
    QVERIFY(events.contains(QStringLiteral("A part released")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(child == nullptr);
}

void TestWindows::theMainWindowUnloadsItsChildrenFirst()
{
    Frame* frame = Windows::Load<Frame>();
    Windows::Load<ChildA>();
    Windows::Load<ChildB>();
    events.clear();
    Windows::Unload(frame);
    QCOMPARE(events, (QStringList{"A unload", "A part released", "B unload", "B part released", "frame unload"}));
    QVERIFY(Windows::Loaded().empty());
    QCOMPARE(lastWindowClosed_, 1);
}

void TestWindows::aTopLevelWindowOutlivesTheMainWindow()
{
    Windows::Load<Frame>();
    Windows::Load<ChildA>();
    Dialog* dialog = Windows::Load<Dialog>();
    QVERIFY(dialog->isWindow());
    Windows::Unload<Frame>();
    QCOMPARE(Windows::Find<ChildA>(), nullptr);
    QCOMPARE(Windows::Find<Dialog>(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(lastWindowClosed_, 0);
    Windows::Unload(dialog);
    QCOMPARE(lastWindowClosed_, 1);
}

void TestWindows::aChildNeedsTheMainWindow()
{
    QCOMPARE(Windows::Load<ChildA>(), nullptr);
    QVERIFY(events.isEmpty());
}

void TestWindows::activationRunsOncePerChangeOfActiveChild()
{
    Frame* frame = Windows::Load<Frame>();
    frame->Show();
    ChildA* a = Windows::Load<ChildA>();
    ChildB* b = Windows::Load<ChildB>();
    QCOMPARE(events, (QStringList{"frame load", "A load", "A activate", "B load", "B activate"}));
    events.clear();
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->frameWidget()));
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->frameWidget()));
    QCOMPARE(events, QStringList{"A activate"});
    QCOMPARE(frame->activeChild(), a);
    events.clear();
    Windows::Unload(a);
    // The other child becomes the active one.
    QCOMPARE(events, (QStringList{"A unload", "A part released", "B activate"}));
    QCOMPARE(frame->activeChild(), b);
}

void TestWindows::activation_waits_for_a_load_that_shows_the_window()
{
    Windows::Load<Frame>()->Show();
    Windows::Load<ShownInLoad>();
    QCOMPARE(events, (QStringList{"frame load", "S load", "S shown", "S activate"}));
}

void TestWindows::theCloseBoxUnloads()
{
    Windows::Load<Frame>();
    ChildA* child = Windows::Load<ChildA>();
    Dialog* dialog = Windows::Load<Dialog>();
    child->frameWidget()->close();
    dialog->close();
    QCOMPARE(Windows::Find<ChildA>(), nullptr);
    QCOMPARE(Windows::Find<Dialog>(), nullptr);
    QVERIFY(events.contains(QStringLiteral("A unload")));
    QVERIFY(events.contains(QStringLiteral("D unload")));
}

void TestWindows::geometryIsInTwips()
{
    QCOMPARE(TwipsToPixels(19200), 1280);
    QCOMPARE(TwipsToPixels(22), 1);  // nearest pixel
    QCOMPARE(PixelsToTwips(800), 12000.0);

    Frame* frame = Windows::Load<Frame>();
    QCOMPARE(frame->Width(), 15000.0);
    QCOMPARE(frame->Height(), 10500.0);
    const QWidget* client = frame->mdiArea()->viewport();
    QCOMPARE(frame->ScaleWidth(), PixelsToTwips(client->width()));
    QCOMPARE(frame->ScaleHeight(), PixelsToTwips(client->height()));
    QVERIFY(frame->ScaleHeight() < frame->Height());

    ChildA* child = Windows::Load<ChildA>();
    child->Move(1500, 750, 6000, 4500);
    QCOMPARE(child->frameWidget()->geometry(), QRect(100, 50, 400, 300));
    QCOMPARE(child->Left(), 1500.0);
    QCOMPARE(child->Width(), 6000.0);
    // The inner size is what the frame leaves.
    QVERIFY(child->ScaleWidth() < child->Width());
    QVERIFY(child->ScaleHeight() < child->Height());

    SetScreenSize(QSize(1280, 768));
    QCOMPARE(ScreenWidth(), 19200.0);
    QCOMPARE(ScreenHeight(), 11520.0);
    QCOMPARE(ScreenAvailablePixels(), QRect(0, 0, 1280, 768));
    SetScreenSize(QSize());
    QVERIFY(ScreenPixels() != QSize(1280, 768));
}

void TestWindows::statusBarPanelsKeepTheirWidthsAndFollowTheTexts()
{
    StatusPanels panels;
    panels.setText(3, QStringLiteral("before"));
    {
        StatusBar bar;
        std::array<double, kStatusPanels> widths{};
        widths.fill(100.5);  // 6.7 pixels each: the rounding must not add up
        bar.setPanelWidths(widths);
        bar.resize(2000, 20);
        bar.bind(panels);
        QCOMPARE(bar.panelText(3), QStringLiteral("before"));
        panels.setText(2, QStringLiteral("VX-A"));
        QCOMPARE(bar.panelText(2), QStringLiteral("VX-A"));
        QCOMPARE(bar.panelWidth(4), 100.5);
        QCOMPARE(bar.panel(11)->geometry().right() + 1, TwipsToPixels(100.5 * 11));
        bar.resize(500, 20);
        QCOMPARE(bar.panel(11)->geometry().right() + 1, TwipsToPixels(100.5 * 11));
    }
    // A bar that is gone no longer follows.
    QVERIFY(!panels.onChanged);
    panels.setText(2, QStringLiteral("after"));
}

void TestWindows::toolbarButtonsTellTheirKeys()
{
    ToolBar bar;
    QStringList clicked;
    bar.onButtonClick = [&](const QString& key) { clicked << key; };
    bar.addButton(QStringLiteral("open"), ToolIcon(QStringLiteral("open")));
    bar.addButton(QStringLiteral("exit"), ToolIcon(QStringLiteral("exit")));
    QCOMPARE(bar.keys(), (QStringList{"open", "exit"}));
    QVERIFY(!bar.button(QStringLiteral("open"))->icon().isNull());
    QVERIFY(bar.button(QStringLiteral("none")) == nullptr);
    bar.button(QStringLiteral("exit"))->trigger();
    QCOMPARE(clicked, QStringList{"exit"});
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
