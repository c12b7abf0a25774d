#include "support/virtual_clock.h"

#include <QThread>
#include <QtTest>

class TestTimer : public QObject {
    Q_OBJECT
private slots:
    void intervalZeroNeverFires();
    void firesEveryIntervalWhileEnabled();
    void settingTheIntervalRestartsTheCountdown();
    void enablingAnEnabledTimerChangesNothing();
    void timersFireInDueOrder();
    void aTimerMayStopItselfOrAnotherInItsTick();
    void pauseMovesTimeWithoutFiring();
    void qtTimerWithIntervalZeroNeverFires();
    void qtTimerTicksUntilItStopsItselfInItsTick();
    void qtTimerStoppedAfterItsTimeCameDoesNotTick();
    void qtTimerRestartedBeforeItsTimeTicksOnceForTheNewStart();
    void qtTimerRestartedSoonerTicksAtTheSoonerTime();
};

void TestTimer::intervalZeroNeverFires()
{
    VirtualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->setEnabled(true);
    clock.advance(10000);
    QCOMPARE(ticks, 0);
}

void TestTimer::firesEveryIntervalWhileEnabled()
{
    VirtualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->start(15);
    clock.advance(14);
    QCOMPARE(ticks, 0);
    clock.advance(1);
    QCOMPARE(ticks, 1);
    clock.advance(45);
    QCOMPARE(ticks, 4);
    timer->stop();
    clock.advance(100);
    QCOMPARE(ticks, 4);
}

void TestTimer::settingTheIntervalRestartsTheCountdown()
{
    VirtualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->start(1000);
    clock.advance(900);
    timer->setInterval(1000);
    clock.advance(900);
    QCOMPARE(ticks, 0);
    clock.advance(100);
    QCOMPARE(ticks, 1);
}

void TestTimer::enablingAnEnabledTimerChangesNothing()
{
    VirtualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->start(100);
    clock.advance(60);
    timer->setEnabled(true);
    clock.advance(40);
    QCOMPARE(ticks, 1);
}

void TestTimer::timersFireInDueOrder()
{
    VirtualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    QStringList order;
    a->onTick = [&] {
        order << QStringLiteral("a%1").arg(clock.nowMs());
        a->stop();
    };
    b->onTick = [&] {
        order << QStringLiteral("b%1").arg(clock.nowMs());
        b->stop();
    };
    a->start(30);
    b->start(20);
    clock.advance(100);
    QCOMPARE(order, (QStringList{"b20", "a30"}));
}

void TestTimer::aTimerMayStopItselfOrAnotherInItsTick()
{
    VirtualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    int bTicks = 0;
    a->onTick = [&] { b->stop(); };
    b->onTick = [&] { ++bTicks; };
    a->start(10);
    b->start(10);
    clock.advance(10);
    QCOMPARE(bTicks, 0);
    QVERIFY(clock.advanceUntil([&] { return bTicks > 0; }, 1000) == false);
}

void TestTimer::pauseMovesTimeWithoutFiring()
{
    VirtualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->start(10);
    clock.pause(20);
    QCOMPARE(ticks, 0);
    QCOMPARE(clock.nowMs(), 20);
    QCOMPARE(clock.pausedMs(), 20);
    clock.advance(0);
    QCOMPARE(ticks, 1);
}

void TestTimer::qtTimerWithIntervalZeroNeverFires()
{
    auto timer = SystemClock().createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->setEnabled(true);
    QTest::qWait(50);
    QCOMPARE(ticks, 0);
    timer->start(5);
    QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 2000);
}

void TestTimer::qtTimerTicksUntilItStopsItselfInItsTick()
{
    auto timer = SystemClock().createTimer();
    int ticks = 0;
    timer->onTick = [&] {
        if (++ticks == 3)
            timer->stop();
    };
    timer->start(2);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 3, 2000);
    QTest::qWait(30);
    QCOMPARE(ticks, 3);
    QVERIFY(!timer->enabled());
}

// Its wake had come due, but the event loop had not yet run it when the
// timer was stopped: the stale wake must not tick.
void TestTimer::qtTimerStoppedAfterItsTimeCameDoesNotTick()
{
    auto timer = SystemClock().createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->start(1);
    QThread::msleep(5);  // no event runs meanwhile
    timer->stop();
    QTest::qWait(20);
    QCOMPARE(ticks, 0);
}

void TestTimer::qtTimerRestartedBeforeItsTimeTicksOnceForTheNewStart()
{
    auto timer = SystemClock().createTimer();
    int ticks = 0;
    timer->onTick = [&] {
        ++ticks;
        timer->stop();
    };
    timer->start(1);
    QThread::msleep(5);
    timer->start(500);
    QTest::qWait(10);
    QCOMPARE(ticks, 0);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 5000);
    QTest::qWait(30);
    QCOMPARE(ticks, 1);
}

void TestTimer::qtTimerRestartedSoonerTicksAtTheSoonerTime()
{
    auto timer = SystemClock().createTimer();
    int ticks = 0;
    timer->onTick = [&] {
        ++ticks;
        timer->stop();
    };
    timer->start(60000);
    timer->start(2);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 5000);
}

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
