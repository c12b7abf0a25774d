#include "core/open_edits.h"

#include <QtTest>
#include <memory>

class TestOpenEdits : public QObject {
    Q_OBJECT
private slots:
    void commits_every_window_in_order_until_a_refusal();
    void a_window_gone_is_neither_committed_nor_waited_for();
};

void TestOpenEdits::commits_every_window_in_order_until_a_refusal()
{
    QStringList order;
    bool secondRefuses = false;
    OpenEditCommit first([&] {
        order << "first";
        return true;
    });
    OpenEditCommit second([&] {
        order << "second";
        return !secondRefuses;
    });
    OpenEditCommit third([&] {
        order << "third";
        return true;
    });

    QVERIFY(CommitOpenEdits());
    QCOMPARE(order, QStringList({"first", "second", "third"}));

    order.clear();
    secondRefuses = true;
    QVERIFY(!CommitOpenEdits());
    QCOMPARE(order, QStringList({"first", "second"}));
    QVERIFY(!second.commit());
}

void TestOpenEdits::a_window_gone_is_neither_committed_nor_waited_for()
{
    QStringList order;
    std::unique_ptr<OpenEditCommit> later;
    // The first window's commit showed a box, and while it was open the
    // later window unloaded.
    OpenEditCommit first([&] {
        order << "first";
        later.reset();
        return true;
    });
    later = std::make_unique<OpenEditCommit>([&] {
        order << "later";
        return true;
    });

    QVERIFY(CommitOpenEdits());
    QCOMPARE(order, QStringList{"first"});
}

QTEST_MAIN(TestOpenEdits)
#include "tst_open_edits.moc"
