#include "core/language.h"
#include "platform/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { LangChinese = 0; }
    void showsTextTitleAndIconWithOkOnly_data();
    void showsTextTitleAndIconWithOkOnly();
    void aMessageWithoutTitleShowsTheApplicationName();

private:
    SeenBox showAndDismiss(const Message& message);
};

// Shows the message through the sink and dismisses the box it opened.
SeenBox TestMessageBox::showAndDismiss(const Message& message)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxSink sink;
    sink.show(message);
    return seen;
}

void TestMessageBox::showsTextTitleAndIconWithOkOnly_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("English, exclamation") << 0 << int(MessageIcon::Exclamation) << "english"
                                          << "Operate Prompt" << int(QMessageBox::Warning);
    QTest::newRow("Chinese, chosen when shown") << -1 << int(MessageIcon::Exclamation) << "中文"
                                                << "操作提示" << int(QMessageBox::Warning);
    QTest::newRow("information") << 0 << int(MessageIcon::Information) << "english"
                                 << "Operate Prompt" << int(QMessageBox::Information);
    QTest::newRow("no icon") << 0 << int(MessageIcon::None) << "english"
                             << "Operate Prompt" << int(QMessageBox::NoIcon);
}

void TestMessageBox::showsTextTitleAndIconWithOkOnly()
{
    QFETCH(int, lang);
    QFETCH(int, icon);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, boxIcon);
    const Message message{{QStringLiteral("中文"), QStringLiteral("english")},
                          Titles::OperatePromptUpper,
                          static_cast<MessageIcon>(icon)};
    LangChinese = lang;
    const SeenBox seen = showAndDismiss(message);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.title, title);
    QCOMPARE(int(seen.icon), boxIcon);
    QCOMPARE(seen.buttons.size(), 1);
}

void TestMessageBox::aMessageWithoutTitleShowsTheApplicationName()
{
    QApplication::setApplicationDisplayName(QStringLiteral("radioprog"));
    const SeenBox seen = showAndDismiss({SameText(QStringLiteral("此时系统信息不可用")), BiText{}, MessageIcon::None});
    QCOMPARE(seen.title, QStringLiteral("radioprog"));
    QCOMPARE(seen.text, QStringLiteral("此时系统信息不可用"));
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
