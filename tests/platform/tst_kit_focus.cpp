#include "platform/kit_focus.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_text.h"
#include "support/kit_driver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMessageBox>
#include <QVBoxLayout>
#include <QtTest>

class TestKitFocus : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void move_between_controls_runs_lost_then_got();
    void every_kind_of_control_hears_its_focus();
    void message_box_opening_and_closing_runs_nothing();
    void another_application_taking_the_focus_runs_nothing();
    void coming_back_to_another_control_is_a_move();
    void dropping_a_list_down_runs_nothing();
    void moving_to_another_window_of_the_application_is_a_move();
    void hidden_control_hands_the_focus_past_controls_without_tab_stop();
    void control_the_focus_passed_through_hears_nothing();
    void refusal_takes_the_focus_back_only_within_its_window_data();
    void refusal_takes_the_focus_back_only_within_its_window();
    void lost_focus_handler_never_runs_inside_itself();

private:
    void watch(KitControl* control, const QString& name);

    QStringList events_;
    QWidget* window_ = nullptr;
    KitText* first_ = nullptr;
    KitText* second_ = nullptr;
    KitList* list_ = nullptr;
    KitGrid* grid_ = nullptr;
};

void TestKitFocus::watch(KitControl* control, const QString& name)
{
    control->onGotFocus = [this, name] { events_ << QStringLiteral("got ") + name; };
    control->onLostFocus = [this, name] { events_ << QStringLiteral("lost ") + name; };
}

void TestKitFocus::init()
{
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    first_ = new KitText;
    second_ = new KitText;
    list_ = new KitList(KitList::Style::Editable);
    list_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    grid_ = new KitGrid;
    for (QWidget* w : {static_cast<QWidget*>(first_), static_cast<QWidget*>(second_), static_cast<QWidget*>(list_),
                       static_cast<QWidget*>(grid_)})
        layout->addWidget(w);
    watch(first_, QStringLiteral("first"));
    watch(second_, QStringLiteral("second"));
    watch(list_, QStringLiteral("list"));
    watch(grid_, QStringLiteral("grid"));
    QVERIFY(KitDriver::ShowActive(window_));
    first_->setFocus();
    events_.clear();
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(first_));
}

void TestKitFocus::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestKitFocus::move_between_controls_runs_lost_then_got()
{
    second_->setFocus();
    QCOMPARE(events_, QStringList({"lost first", "got second"}));
}

void TestKitFocus::every_kind_of_control_hears_its_focus()
{
    list_->setFocus();
    grid_->setFocus();
    KitDriver::ClickCell(grid_, 1, 1);  // the grid already has the focus
    QCOMPARE(events_, QStringList({"lost first", "got list", "lost list", "got grid"}));
}

void TestKitFocus::message_box_opening_and_closing_runs_nothing()
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Operate prompt"), QStringLiteral("text"),
                                QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QVERIFY(KitDriver::ShowActive(box));
    QVERIFY(box->isAncestorOf(QApplication::focusWidget()));
    box->close();
    KitDriver::Activate(window_);
    QCOMPARE(QApplication::focusWidget(), first_->focusProxy());
    QCOMPARE(events_, QStringList{});

    second_->setFocus();
    QCOMPARE(events_, QStringList({"lost first", "got second"}));
}

void TestKitFocus::another_application_taking_the_focus_runs_nothing()
{
    KitDriver::Activate(nullptr);
    QCOMPARE(QApplication::focusWidget(), nullptr);
    KitDriver::Activate(window_);
    QCOMPARE(QApplication::focusWidget(), first_->focusProxy());
    QCOMPARE(events_, QStringList{});
}

void TestKitFocus::coming_back_to_another_control_is_a_move()
{
    KitDriver::Activate(nullptr);
    second_->setFocus();  // the user clicks it to come back
    KitDriver::Activate(window_);
    QCOMPARE(events_, QStringList({"lost first", "got second"}));
}

void TestKitFocus::dropping_a_list_down_runs_nothing()
{
    list_->setFocus();
    events_.clear();
    auto* box = list_->findChild<QComboBox*>();
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    box->hidePopup();
    QCOMPARE(events_, QStringList{});
}

void TestKitFocus::moving_to_another_window_of_the_application_is_a_move()
{
    QWidget other;
    auto* layout = new QVBoxLayout(&other);
    auto* text = new KitText;
    layout->addWidget(text);
    watch(text, QStringLiteral("other"));
    QVERIFY(KitDriver::ShowActive(&other));
    text->setFocus();
    QCOMPARE(events_, QStringList({"lost first", "got other"}));
}

void TestKitFocus::hidden_control_hands_the_focus_past_controls_without_tab_stop()
{
    // An editor laid over a grid must not catch the focus when the one that
    // had it is hidden.
    second_->setTabStop(false);
    list_->setTabStop(false);
    first_->hide();
    QCOMPARE(events_, QStringList({"lost first", "got grid"}));

    second_->setFocus();  // a click still gives it the focus
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(second_));
}

void TestKitFocus::control_the_focus_passed_through_hears_nothing()
{
    // A box whose check sends the focus back to it after a message: the box
    // the user went to never had the focus, so its own check must not run
    // (two such boxes would hand the focus to and fro for ever).
    first_->onLostFocus = [this] {
        events_ << QStringLiteral("lost first");
        first_->setFocus();
    };
    second_->setFocus();
    QCOMPARE(events_, QStringList({"lost first", "got first"}));
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(first_));

    // Sent on to a third control, the focus leaves nothing behind either.
    events_.clear();
    first_->onLostFocus = [this] {
        events_ << QStringLiteral("lost first");
        list_->setFocus();
    };
    second_->setFocus();
    QCOMPARE(events_, QStringList({"lost first", "got list"}));
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(list_));
}

namespace {
// Where the focus goes from a box that refuses what it holds.
enum class Away { OtherControl, BoxHidden, OtherWindow };
}  // namespace
Q_DECLARE_METATYPE(Away)

void TestKitFocus::refusal_takes_the_focus_back_only_within_its_window_data()
{
    QTest::addColumn<Away>("away");
    QTest::addColumn<bool>("back");
    QTest::newRow("another control of its window: back in the box") << Away::OtherControl << true;
    QTest::newRow("the box is hidden: the focus goes on") << Away::BoxHidden << false;
    QTest::newRow("another window: the focus stays there") << Away::OtherWindow << false;
}

void TestKitFocus::refusal_takes_the_focus_back_only_within_its_window()
{
    QFETCH(Away, away);
    QFETCH(bool, back);
    int refusals = 0;
    first_->onLostFocus = [&] {
        ++refusals;
        first_->returnFocusAfterRefusal();
    };
    QWidget other;
    auto* layout = new QVBoxLayout(&other);
    auto* text = new KitText;
    layout->addWidget(text);
    switch (away) {
    case Away::OtherControl:
        second_->setFocus();
        break;
    case Away::BoxHidden:
        first_->hide();
        break;
    case Away::OtherWindow:
        QVERIFY(KitDriver::ShowActive(&other));
        text->setFocus();
        break;
    }
    QCOMPARE(refusals, 1);
    QCOMPARE(first_->focusProxy()->hasFocus(), back);
    QCOMPARE(KitFocus::Current() == first_, back);
    if (away == Away::OtherWindow)
        QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(text));
}

void TestKitFocus::lost_focus_handler_never_runs_inside_itself()
{
    // A handler that takes the focus back and sends it elsewhere again would
    // hear its own loss inside itself, without end.
    int runs = 0;
    first_->onLostFocus = [&] {
        ++runs;
        first_->setFocus();
        list_->setFocus();
    };
    second_->setFocus();
    QCOMPARE(runs, 1);
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(list_));
}

QTEST_MAIN(TestKitFocus)
#include "tst_kit_focus.moc"
