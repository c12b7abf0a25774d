#include "platform/kit_text.h"
#include "support/kit_driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

class TestKitText : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void set_text_runs_change_inside_the_setter();
    void setting_the_shown_text_runs_nothing();
    void typing_runs_change_per_character();
    void change_not_typed_on_the_keyboard_is_a_change_data();
    void change_not_typed_on_the_keyboard_is_a_change();
    void key_filter_data();
    void key_filter();
    void delete_and_arrows_do_not_reach_the_filter();
    void keys_with_modifiers_reach_the_filter_data();
    void keys_with_modifiers_reach_the_filter();
    void paste_from_the_box_menu_is_not_filtered();
    void enter_reaches_the_filter_only();
    void password_box_shows_stars();
    void back_color_takes_the_colour_of_a_palette_role();
    void labelled_box_is_read_with_its_caption();

private:
    QWidget* window_ = nullptr;
    KitText* text_ = nullptr;
};

void TestKitText::init()
{
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    text_ = new KitText;
    layout->addWidget(text_);
    QVERIFY(KitDriver::ShowActive(window_));
    text_->setFocus();
}

void TestKitText::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestKitText::set_text_runs_change_inside_the_setter()
{
    QStringList seen;
    bool returned = false;
    text_->onChange = [&] { seen << (returned ? QStringLiteral("late") : text_->text()); };
    text_->setText(QStringLiteral("145.00000"));
    returned = true;
    QCOMPARE(seen, QStringList{QStringLiteral("145.00000")});
}

void TestKitText::setting_the_shown_text_runs_nothing()
{
    text_->setText(QStringLiteral("abc"));
    int changes = 0;
    text_->onChange = [&changes] { ++changes; };
    text_->setText(QStringLiteral("abc"));
    QCOMPARE(changes, 0);
}

void TestKitText::typing_runs_change_per_character()
{
    QStringList seen;
    text_->onChange = [&] { seen << text_->text(); };
    KitDriver::TypeText(text_, QStringLiteral("14"));
    KitDriver::PressKey(text_, Qt::Key_Backspace);
    QCOMPARE(seen, QStringList({"1", "14", "1"}));
}

using KitDriver::ChangedBy;

void TestKitText::change_not_typed_on_the_keyboard_is_a_change_data()
{
    QTest::addColumn<ChangedBy>("by");
    QTest::addColumn<QString>("text");
    // The box holds "1234" before each change.
    QTest::newRow("screen reader sets the value") << ChangedBy::AccessibleValue << "583920";
    QTest::newRow("screen reader replaces the text") << ChangedBy::AccessibleReplace << "583920";
    QTest::newRow("on-screen keyboard inserts") << ChangedBy::AccessibleInsert << "12345";
    QTest::newRow("screen reader deletes") << ChangedBy::AccessibleDelete << "12";
    QTest::newRow("input method commits") << ChangedBy::InputMethod << "1234x";
    QTest::newRow("undo") << ChangedBy::Undo << "123";
}

void TestKitText::change_not_typed_on_the_keyboard_is_a_change()
{
    QFETCH(ChangedBy, by);
    QFETCH(QString, text);
    text_->setText(QStringLiteral("123"));
    KitDriver::TypeText(text_, QStringLiteral("4"));  // something to undo
    QStringList seen;
    text_->onChange = [&] { seen << text_->text(); };
    KitDriver::ChangeText(text_, by, text);
    QCOMPARE(text_->text(), text);
    QCOMPARE(seen, QStringList{text});
    // The same text again is no change.
    KitDriver::ChangeText(text_, ChangedBy::AccessibleValue, text);
    QCOMPARE(seen, QStringList{text});
}

void TestKitText::key_filter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int>>("keys");
    // The filter: capitals for small letters, "x" dropped, Backspace dropped.
    QTest::newRow("letters replaced") << "ab1"
                                      << "AB1" << QList<int>{'a', 'b', '1'};
    QTest::newRow("character dropped") << "1x2"
                                       << "12" << QList<int>{'1', 'x', '2'};
    QTest::newRow("blank passes") << "A B"
                                  << "A B" << QList<int>{'A', ' ', 'B'};
    QTest::newRow("backspace is a character") << "12\b"
                                              << "12" << QList<int>{'1', '2', kKeyBackspace};
}

void TestKitText::key_filter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QList<int>, keys);
    QList<int> seen;
    text_->onKeyPress = [&seen](int& key) {
        seen << key;
        if (key == 'x' || key == kKeyBackspace)
            key = 0;
        else if (key >= 'a' && key <= 'z')
            key = key - 'a' + 'A';
    };
    for (QChar ch : typed) {
        if (ch == QLatin1Char('\b'))
            KitDriver::PressKey(text_, Qt::Key_Backspace);
        else
            KitDriver::TypeText(text_, QString(ch));
    }
    QCOMPARE(text_->text(), shown);
    QCOMPARE(seen, keys);
}

void TestKitText::delete_and_arrows_do_not_reach_the_filter()
{
    text_->setText(QStringLiteral("123"));
    QList<int> seen;
    text_->onKeyPress = [&seen](int& key) { seen << key; };
    for (int key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Right, Qt::Key_Left, Qt::Key_End, Qt::Key_F4})
        KitDriver::PressKey(text_, key);
    QCOMPARE(seen, QList<int>{});
    QCOMPARE(text_->text(), QStringLiteral("23"));
}

void TestKitText::keys_with_modifiers_reach_the_filter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("selected");   // the whole text selected first
    QTest::addColumn<int>("seen");        // what the filter sees; -1: nothing
    QTest::addColumn<QString>("passed");  // the text when the filter lets it pass
    const int alt = Qt::AltModifier;
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    // The box holds "12 34", then a typed "5" (something to undo), the
    // cursor at the end; the clipboard holds "x".
    QTest::newRow("Alt+9 types 9") << int(Qt::Key_9) << alt << false << int('9') << "12 3459";
    QTest::newRow("AltGr sent as Ctrl+Alt types #")
        << int(Qt::Key_NumberSign) << (ctrl | alt) << false << int('#') << "12 345#";
    QTest::newRow("AltGr sent as a group switch types #")
        << int(Qt::Key_NumberSign) << int(Qt::GroupSwitchModifier) << false << int('#') << "12 345#";
    QTest::newRow("Shift+Backspace is Backspace")
        << int(Qt::Key_Backspace) << shift << false << kKeyBackspace << "12 34";
    QTest::newRow("Ctrl+Backspace deletes a word") << int(Qt::Key_Backspace) << ctrl << false << 0x7F << "12 ";
    QTest::newRow("Ctrl+V pastes") << int(Qt::Key_V) << ctrl << false << 0x16 << "12 345x";
    QTest::newRow("Shift+Insert pastes") << int(Qt::Key_Insert) << shift << false << 0x16 << "12 345x";
    QTest::newRow("Ctrl+X cuts") << int(Qt::Key_X) << ctrl << true << 0x18 << "";
    QTest::newRow("Ctrl+Z undoes") << int(Qt::Key_Z) << ctrl << false << 0x1A << "12 34";
    QTest::newRow("Ctrl+Enter is Enter, which edits nothing")
        << int(Qt::Key_Return) << ctrl << false << kKeyEnter << "12 345";
    QTest::newRow("Ctrl+C edits nothing") << int(Qt::Key_C) << ctrl << true << -1 << "12 345";
    QTest::newRow("Ctrl+9 types nothing") << int(Qt::Key_9) << ctrl << false << -1 << "12 345";
}

// Every key that would type or delete goes through the filter, whatever
// modifiers it carries; a filter that drops it leaves the text as it was,
// one that lets it pass lets it do what it does.
void TestKitText::keys_with_modifiers_reach_the_filter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, selected);
    QFETCH(int, seen);
    QFETCH(QString, passed);
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    for (const bool drop : {true, false}) {
        text_->onKeyPress = nullptr;
        text_->setText(QStringLiteral("12 34"));
        KitDriver::TypeText(text_, QStringLiteral("5"));
        auto* edit = text_->findChild<QLineEdit*>();
        if (selected)
            edit->selectAll();
        QList<int> keys;
        text_->onKeyPress = [&keys, drop](int& k) {
            keys << k;
            if (drop)
                k = 0;
        };
        KitDriver::PressKey(text_, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(keys, seen < 0 ? QList<int>{} : QList<int>{seen});
        QCOMPARE(text_->text(), drop && seen >= 0 ? QStringLiteral("12 345") : passed);
    }
}

// What no key brings reaches the change handler only: the box's own menu
// pastes past the filter.
void TestKitText::paste_from_the_box_menu_is_not_filtered()
{
    text_->setText(QStringLiteral("12"));
    QList<int> seen;
    text_->onKeyPress = [&seen](int& key) {
        seen << key;
        key = 0;
    };
    KitDriver::PasteFromMenu(text_, QStringLiteral("+x"));
    QCOMPARE(text_->text(), QStringLiteral("12+x"));
    QCOMPARE(seen, QList<int>{});
}

void TestKitText::enter_reaches_the_filter_only()
{
    text_->setText(QStringLiteral("145"));
    QList<int> seen;
    int changes = 0;
    text_->onKeyPress = [&seen](int& key) { seen << key; };
    text_->onChange = [&changes] { ++changes; };
    KitDriver::PressKey(text_, Qt::Key_Return);
    KitDriver::PressKey(text_, Qt::Key_Enter);
    QCOMPARE(seen, QList<int>({kKeyEnter, kKeyEnter}));
    QCOMPARE(changes, 0);
    QCOMPARE(text_->text(), QStringLiteral("145"));
}

void TestKitText::password_box_shows_stars()
{
    text_->setPasswordChar(QLatin1Char('*'));
    KitDriver::TypeText(text_, QStringLiteral("5839"));
    QCOMPARE(text_->text(), QStringLiteral("5839"));
    QCOMPARE(text_->displayText(), QStringLiteral("****"));
}

void TestKitText::back_color_takes_the_colour_of_a_palette_role()
{
    QPalette palette = text_->palette();
    palette.setColor(QPalette::HighlightedText, QColor(1, 2, 3));
    text_->setPalette(palette);
    auto* edit = text_->findChild<QLineEdit*>();
    const QColor usual = edit->palette().color(QPalette::Base);
    QCOMPARE(text_->backColor(), QPalette::Base);

    text_->setBackColor(QPalette::HighlightedText);
    QCOMPARE(text_->backColor(), QPalette::HighlightedText);
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(1, 2, 3));
    text_->setBackColor(QPalette::Base);
    QCOMPARE(edit->palette().color(QPalette::Base), usual);
}

void TestKitText::labelled_box_is_read_with_its_caption()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Pass&Word"));
    auto* box = new KitText;
    auto* secondLine = new KitText;  // the label's caption stands over both boxes
    auto* unlabelled = new KitText;
    label->setBuddy(box);
    secondLine->setCaptionLabel(label);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(box), static_cast<QWidget*>(secondLine),
                       static_cast<QWidget*>(unlabelled)})
        layout->addWidget(w);
    const auto nameOf = [](KitText* text) {
        return QAccessible::queryAccessibleInterface(text->findChild<QLineEdit*>())->text(QAccessible::Name);
    };
    QVERIFY(KitDriver::ShowActive(&window));
    QCOMPARE(nameOf(box), QStringLiteral("PassWord"));
    QCOMPARE(nameOf(secondLine), QStringLiteral("PassWord"));
    QCOMPARE(nameOf(unlabelled), QString());
    // A caption changed later is read once the box takes the focus again.
    unlabelled->setFocus();
    label->setText(QStringLiteral("Old PassWord"));
    box->setFocus();
    QCOMPARE(nameOf(box), QStringLiteral("Old PassWord"));
}

QTEST_MAIN(TestKitText)
#include "tst_kit_text.moc"
