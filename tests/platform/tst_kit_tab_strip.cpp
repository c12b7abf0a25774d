#include "platform/geometry.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "support/kit_driver.h"

#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

class TestKitTabStrip : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adding_tabs_runs_nothing_and_selects_the_first();
    void click_takes_the_focus_before_the_click_runs();
    void click_on_the_selected_tab_is_a_click();
    void selection_by_code_runs_click_only_when_it_changes();
    void arrow_key_choice_is_a_click();
    void tabs_by_key();
    void client_area_lies_under_the_tabs();

private:
    QStringList events_;
    QWidget* window_ = nullptr;
    KitText* box_ = nullptr;
    KitTabStrip* strip_ = nullptr;
};

void TestKitTabStrip::init()
{
    window_ = new QWidget;
    window_->resize(400, 300);
    auto* layout = new QVBoxLayout(window_);
    box_ = new KitText;
    strip_ = new KitTabStrip;
    layout->addWidget(box_);
    layout->addWidget(strip_, 1);
    events_.clear();
    strip_->onClick = [this] { events_ << QStringLiteral("click %1").arg(strip_->selectedIndex()); };
    box_->onLostFocus = [this] { events_ << QStringLiteral("box lost"); };
    strip_->addTab(QStringLiteral("Encode"), QStringLiteral("enc"));
    strip_->addTab(QStringLiteral("Decode"), QStringLiteral("dec"));
    strip_->addTab(QStringLiteral("Other"), QStringLiteral("other"));
    QVERIFY(KitDriver::ShowActive(window_));
}

void TestKitTabStrip::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestKitTabStrip::adding_tabs_runs_nothing_and_selects_the_first()
{
    QCOMPARE(events_, QStringList{});
    QCOMPARE(strip_->tabCount(), 3);
    QCOMPARE(strip_->selectedIndex(), 1);
    QCOMPARE(strip_->tabCaption(2), QStringLiteral("Decode"));
    strip_->setTabCaption(2, QStringLiteral("解码"));
    QCOMPARE(strip_->tabCaption(2), QStringLiteral("解码"));

    strip_->clearTabs();
    QCOMPARE(strip_->tabCount(), 0);
    QCOMPARE(strip_->selectedIndex(), 0);
    strip_->addTab(QStringLiteral("Encode"));
    QCOMPARE(strip_->selectedIndex(), 1);
    QCOMPARE(events_, QStringList{});
}

void TestKitTabStrip::click_takes_the_focus_before_the_click_runs()
{
    box_->setFocus();
    QTRY_VERIFY(box_->hasFocus());
    KitDriver::ClickTab(strip_, 2);
    QCOMPARE(events_, QStringList({"box lost", "click 2"}));
    QVERIFY(strip_->hasFocus() || strip_->findChild<QTabBar*>()->hasFocus());
}

void TestKitTabStrip::click_on_the_selected_tab_is_a_click()
{
    KitDriver::ClickTab(strip_, 1);
    KitDriver::ClickTab(strip_, 1);
    QCOMPARE(events_.filter(QStringLiteral("click")), QStringList({"click 1", "click 1"}));
}

void TestKitTabStrip::selection_by_code_runs_click_only_when_it_changes()
{
    bool returned = false;
    bool ranInside = false;
    strip_->onClick = [&] {
        ranInside = !returned;
        events_ << QStringLiteral("click");
    };
    strip_->setSelectedIndex(3);
    returned = true;
    QVERIFY(ranInside);
    strip_->setSelectedIndex(3);
    strip_->setSelectedIndex(0);  // no such tab
    strip_->setSelectedIndex(4);
    QCOMPARE(events_, QStringList{"click"});
    QCOMPARE(strip_->selectedIndex(), 3);
}

void TestKitTabStrip::arrow_key_choice_is_a_click()
{
    KitDriver::ClickTab(strip_, 1);
    events_.clear();
    QTest::keyClick(strip_->findChild<QTabBar*>(), Qt::Key_Right);
    QCOMPARE(events_, QStringList{"click 2"});
}

void TestKitTabStrip::tabs_by_key()
{
    QCOMPARE(strip_->tabKey(3), QStringLiteral("other"));
    strip_->setSelectedKey(QStringLiteral("dec"));
    QCOMPARE(strip_->selectedIndex(), 2);
    QCOMPARE(strip_->selectedKey(), QStringLiteral("dec"));
    strip_->setSelectedKey(QStringLiteral("none"));
    QCOMPARE(strip_->selectedIndex(), 2);
    QCOMPARE(events_, QStringList{"click 2"});
}

void TestKitTabStrip::client_area_lies_under_the_tabs()
{
    const QRect bar = strip_->findChild<QTabBar*>()->geometry();
    const QPoint stripAt = strip_->pos();
    QVERIFY(strip_->ClientTop() >= PixelsToTwips(stripAt.y() + bar.bottom()));
    QCOMPARE(strip_->ClientLeft(), PixelsToTwips(stripAt.x()));
    QCOMPARE(strip_->ClientWidth(), PixelsToTwips(strip_->width()));
    QVERIFY(strip_->ClientHeight() > 0);
    QVERIFY(strip_->ClientTop() + strip_->ClientHeight() <= PixelsToTwips(stripAt.y() + strip_->height()));

    // A new size is seen at once, before any event has run.
    strip_->setGeometry(strip_->x(), strip_->y(), 300, 200);
    QCOMPARE(strip_->ClientWidth(), PixelsToTwips(300));
}

QTEST_MAIN(TestKitTabStrip)
#include "tst_kit_tab_strip.moc"
