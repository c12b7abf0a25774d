#include "platform/kit_button.h"
#include "support/kit_driver.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestKitButton : public QObject {
    Q_OBJECT
private slots:
    void button_click_by_user_and_by_code();
    void check_value_by_code_runs_click_inside_the_setter();
    void check_value_already_shown_runs_nothing();
    void check_toggled_by_the_user_runs_click();
};

void TestKitButton::button_click_by_user_and_by_code()
{
    KitButton button;
    button.setCaption(QStringLiteral("Read"));
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };
    button.click();
    QCOMPARE(clicks, 1);
    QTest::mouseClick(button.findChild<QPushButton*>(), Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(button.caption(), QStringLiteral("Read"));
}

void TestKitButton::check_value_by_code_runs_click_inside_the_setter()
{
    KitCheck check;
    QList<int> seen;
    check.onClick = [&] { seen << check.value(); };
    check.setValue(1);
    QCOMPARE(seen, QList<int>{1});
    check.setValue(0);
    QCOMPARE(seen, QList<int>({1, 0}));
}

void TestKitButton::check_value_already_shown_runs_nothing()
{
    KitCheck check;
    int clicks = 0;
    check.onClick = [&clicks] { ++clicks; };
    check.setValue(0);
    check.setValue(2);
    QCOMPARE(clicks, 0);
    QCOMPARE(check.value(), 0);
}

void TestKitButton::check_toggled_by_the_user_runs_click()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* check = new KitCheck;
    layout->addWidget(check);
    check->setCaption(QStringLiteral("RX"));
    QVERIFY(KitDriver::ShowActive(&window));
    QList<int> seen;
    check->onClick = [&] { seen << check->value(); };
    QTest::mouseClick(check->findChild<QCheckBox*>(), Qt::LeftButton);
    QCOMPARE(seen, QList<int>{1});
}

QTEST_MAIN(TestKitButton)
#include "tst_kit_button.moc"
