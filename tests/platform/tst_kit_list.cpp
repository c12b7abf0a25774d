#include "platform/kit_list.h"
#include "support/kit_driver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <QtTest>

// Counts the handlers of a list and what the list showed while each ran.
struct ListEvents {
    int clicks = 0;
    int changes = 0;
    QList<int> indexAtClick;
    QStringList textAtChange;
    QList<int> keys;

    void attach(KitList& list)
    {
        list.onClick = [this, &list] {
            ++clicks;
            indexAtClick << list.listIndex();
        };
        list.onChange = [this, &list] {
            ++changes;
            textAtChange << list.text();
        };
        list.onKeyPress = [this](int& key) { keys << key; };
    }
};

class TestKitList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void fill_a_list_nothing_is_stored_data();
    void fill_a_list_nothing_is_stored();
    void clear_runs_nothing_and_empties_the_text();
    void set_index_by_code_runs_click_inside_the_setter();
    void setting_the_shown_index_runs_nothing();
    void index_outside_the_list_changes_nothing();
    void no_selection_runs_nothing();
    void set_text_runs_change_not_click();
    void choose_only_set_text_selects_the_item();
    void choose_only_show_text_selects_nothing_and_runs_nothing();
    void user_choice_runs_click_not_change();
    void choosing_the_selected_item_again_is_a_choice();
    void typing_runs_change_not_click_and_drops_the_selection();
    void change_not_typed_on_the_keyboard_is_a_change_data();
    void change_not_typed_on_the_keyboard_is_a_change();
    void leaving_with_an_item_text_typed_is_no_choice();
    void choose_only_list_ignores_typed_letters();
    void key_filter_drops_and_replaces_characters();
    void backspace_is_a_character_delete_is_not();
    void enter_reaches_the_filter_and_nothing_else();
    void change_handler_may_undo_typing();
    void arrow_key_choice_is_a_click();
    void wheel_does_not_choose();
    void list_is_never_narrower_than_its_items_and_its_text();

private:
    QWidget* window_ = nullptr;
    KitList* editable_ = nullptr;
    KitList* chooseOnly_ = nullptr;
    QLineEdit* other_ = nullptr;
};

void TestKitList::init()
{
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    editable_ = new KitList(KitList::Style::Editable);
    chooseOnly_ = new KitList(KitList::Style::ChooseOnly);
    other_ = new QLineEdit;
    layout->addWidget(editable_);
    layout->addWidget(chooseOnly_);
    layout->addWidget(other_);
    QVERIFY(KitDriver::ShowActive(window_));
}

void TestKitList::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestKitList::fill_a_list_nothing_is_stored_data()
{
    QTest::addColumn<bool>("editable");
    QTest::newRow("editable") << true;
    QTest::newRow("choose only") << false;
}

void TestKitList::fill_a_list_nothing_is_stored()
{
    QFETCH(bool, editable);
    KitList& list = editable ? *editable_ : *chooseOnly_;
    if (editable)
        list.setText(QStringLiteral("HIGH"));
    ListEvents events;
    events.attach(list);

    list.addItem(QStringLiteral("HIGH"));
    list.addItems({QStringLiteral("LOW"), QStringLiteral("MID")});

    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.changes, 0);
    QCOMPARE(list.listIndex(), -1);
    QCOMPARE(list.listCount(), 3);
    QCOMPARE(list.items(), QStringList({"HIGH", "LOW", "MID"}));
    QCOMPARE(list.text(), editable ? QStringLiteral("HIGH") : QString());
}

void TestKitList::clear_runs_nothing_and_empties_the_text()
{
    editable_->addItems({QStringLiteral("A"), QStringLiteral("B")});
    editable_->setListIndex(1);
    ListEvents events;
    events.attach(*editable_);

    editable_->clear();

    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.changes, 0);
    QCOMPARE(editable_->listCount(), 0);
    QCOMPARE(editable_->listIndex(), -1);
    QCOMPARE(editable_->text(), QString());
}

void TestKitList::set_index_by_code_runs_click_inside_the_setter()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    editable_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    for (KitList* list : {chooseOnly_, editable_}) {
        QString textInHandler;
        bool returned = false;
        bool ranBeforeReturn = false;
        list->onClick = [&] {
            textInHandler = list->text();
            ranBeforeReturn = !returned;
        };
        list->setListIndex(1);
        returned = true;
        QVERIFY(ranBeforeReturn);
        QCOMPARE(textInHandler, QStringLiteral("ON"));
        QCOMPARE(list->listIndex(), 1);
    }
}

void TestKitList::setting_the_shown_index_runs_nothing()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    chooseOnly_->setListIndex(0);
    ListEvents events;
    events.attach(*chooseOnly_);
    chooseOnly_->setListIndex(0);
    chooseOnly_->setText(QStringLiteral("OFF"));
    QCOMPARE(events.clicks, 0);
}

void TestKitList::index_outside_the_list_changes_nothing()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    chooseOnly_->setListIndex(1);
    ListEvents events;
    events.attach(*chooseOnly_);
    chooseOnly_->setListIndex(2);
    chooseOnly_->setListIndex(-2);
    QCOMPARE(events.clicks, 0);
    QCOMPARE(chooseOnly_->listIndex(), 1);
}

void TestKitList::no_selection_runs_nothing()
{
    editable_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    editable_->setListIndex(1);
    ListEvents events;
    events.attach(*editable_);
    editable_->setListIndex(-1);
    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.changes, 0);
    QCOMPARE(editable_->text(), QString());
}

void TestKitList::set_text_runs_change_not_click()
{
    editable_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    editable_->setListIndex(0);
    ListEvents events;
    events.attach(*editable_);

    editable_->setText(QStringLiteral("ON"));
    QCOMPARE(events.changes, 1);
    QCOMPARE(events.textAtChange, QStringList{QStringLiteral("ON")});
    QCOMPARE(events.clicks, 0);
    QCOMPARE(editable_->listIndex(), -1);
    // The Qt box marks no item either: its drop-down does not offer "OFF"
    // as the value shown.
    auto* box = editable_->findChild<QComboBox*>();
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QStringLiteral("ON"));

    editable_->setText(QStringLiteral("ON"));
    QCOMPARE(events.changes, 1);

    // The text of the item chosen, set again: the item goes, nothing runs.
    editable_->setListIndex(1);
    QCOMPARE(events.clicks, 1);
    editable_->setText(QStringLiteral("ON"));
    QCOMPARE(events.changes, 1);
    QCOMPARE(editable_->listIndex(), -1);
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QStringLiteral("ON"));
}

void TestKitList::choose_only_set_text_selects_the_item()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    ListEvents events;
    events.attach(*chooseOnly_);
    chooseOnly_->setText(QStringLiteral("ON"));
    QCOMPARE(events.indexAtClick, QList<int>{1});
    chooseOnly_->setText(QStringLiteral("on"));  // no item has this text
    QCOMPARE(chooseOnly_->listIndex(), -1);
    QCOMPARE(events.clicks, 1);
}

void TestKitList::choose_only_show_text_selects_nothing_and_runs_nothing()
{
    chooseOnly_->addItems({QStringLiteral("*"), QStringLiteral("#")});
    chooseOnly_->setListIndex(1);
    ListEvents events;
    events.attach(*chooseOnly_);
    auto* box = chooseOnly_->findChild<QComboBox*>();

    // A text that is no item, none after it, and one that is an item: none
    // selects, on the screen either, and none runs.
    for (const QString& shown : {QStringLiteral("0"), QString(), QStringLiteral("*")}) {
        chooseOnly_->showText(shown);
        QCOMPARE(chooseOnly_->listIndex(), -1);
        QCOMPARE(chooseOnly_->text(), shown);
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->placeholderText(), shown);
    }
    // Drawn as a value, not greyed as a hint.
    QCOMPARE(box->palette().color(QPalette::Active, QPalette::PlaceholderText),
             box->palette().color(QPalette::Active, QPalette::ButtonText));
    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.changes, 0);

    // Typing changes nothing; choosing any item is a choice again.
    KitDriver::TypeText(chooseOnly_, QStringLiteral("#"));
    QCOMPARE(chooseOnly_->text(), QStringLiteral("*"));
    KitDriver::ChooseItem(chooseOnly_, 0);
    QCOMPARE(events.indexAtClick, QList<int>{0});
    QCOMPARE(chooseOnly_->text(), QStringLiteral("*"));

    // No selection by code drops the shown text.
    chooseOnly_->showText(QStringLiteral("0"));
    chooseOnly_->setListIndex(-1);
    QCOMPARE(chooseOnly_->text(), QString());
    QCOMPARE(box->placeholderText(), QString());
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(events.clicks, 1);
}

void TestKitList::user_choice_runs_click_not_change()
{
    editable_->addItems({QStringLiteral("HIGH"), QStringLiteral("LOW")});
    editable_->setText(QStringLiteral("HIGH"));
    ListEvents events;
    events.attach(*editable_);

    KitDriver::ChooseItem(editable_, 1);

    QCOMPARE(events.indexAtClick, QList<int>{1});
    QCOMPARE(events.changes, 0);
    QCOMPARE(editable_->text(), QStringLiteral("LOW"));
}

void TestKitList::choosing_the_selected_item_again_is_a_choice()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    chooseOnly_->setListIndex(1);
    ListEvents events;
    events.attach(*chooseOnly_);
    KitDriver::ChooseItem(chooseOnly_, 1);
    QCOMPARE(events.indexAtClick, QList<int>{1});
}

void TestKitList::typing_runs_change_not_click_and_drops_the_selection()
{
    editable_->addItems({QStringLiteral("88.5"), QStringLiteral("D023N")});
    editable_->setListIndex(0);
    editable_->setText(QString());
    editable_->setFocus();
    ListEvents events;
    events.attach(*editable_);

    KitDriver::TypeText(editable_, QStringLiteral("88.5"));

    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.textAtChange, QStringList({"8", "88", "88.", "88.5"}));
    QCOMPARE(editable_->listIndex(), -1);
}

using KitDriver::ChangedBy;

void TestKitList::change_not_typed_on_the_keyboard_is_a_change_data()
{
    QTest::addColumn<ChangedBy>("by");
    QTest::addColumn<QString>("text");
    // The field holds the chosen item "88.5" and a typed "0" before each change.
    QTest::newRow("screen reader sets the value") << ChangedBy::AccessibleValue << "D023N";
    QTest::newRow("screen reader replaces the text") << ChangedBy::AccessibleReplace << "67.0";
    QTest::newRow("input method commits") << ChangedBy::InputMethod << "88.50x";
    QTest::newRow("undo") << ChangedBy::Undo << "88.5";
}

void TestKitList::change_not_typed_on_the_keyboard_is_a_change()
{
    QFETCH(ChangedBy, by);
    QFETCH(QString, text);
    editable_->addItems({QStringLiteral("67.0"), QStringLiteral("88.5"), QStringLiteral("D023N")});
    editable_->setFocus();
    KitDriver::ChooseItem(editable_, 1);
    KitDriver::TypeText(editable_, QStringLiteral("0"));  // something to undo
    ListEvents events;
    events.attach(*editable_);
    KitDriver::ChangeText(editable_, by, text);
    QCOMPARE(editable_->text(), text);
    QCOMPARE(events.textAtChange, QStringList{text});
    QCOMPARE(events.clicks, 0);
    // A text equal to an item's is still no choice.
    QCOMPARE(editable_->listIndex(), -1);

    // Choosing afterwards is a choice again, and typing a change again.
    KitDriver::ChooseItem(editable_, 0);
    KitDriver::TypeText(editable_, QStringLiteral("1"));
    QCOMPARE(events.indexAtClick, QList<int>{0});
    QCOMPARE(events.textAtChange, QStringList({text, QStringLiteral("67.01")}));
}

void TestKitList::leaving_with_an_item_text_typed_is_no_choice()
{
    // Qt turns a typed text that matches an item into a choice when the
    // field loses the focus; the kit must not.
    editable_->addItems({QStringLiteral("67.0"), QStringLiteral("88.5")});
    editable_->setFocus();
    KitDriver::TypeText(editable_, QStringLiteral("88.5"));
    ListEvents events;
    events.attach(*editable_);

    other_->setFocus();

    QCOMPARE(events.clicks, 0);
    QCOMPARE(editable_->listIndex(), -1);
    QCOMPARE(editable_->text(), QStringLiteral("88.5"));
}

void TestKitList::choose_only_list_ignores_typed_letters()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("OR")});
    chooseOnly_->setListIndex(0);
    chooseOnly_->setFocus();
    ListEvents events;
    events.attach(*chooseOnly_);

    KitDriver::TypeText(chooseOnly_, QStringLiteral("OR "));

    QCOMPARE(events.keys, QList<int>({'O', 'R', ' '}));
    QCOMPARE(events.clicks, 0);
    QCOMPARE(chooseOnly_->listIndex(), 0);
    QCOMPARE(chooseOnly_->text(), QStringLiteral("OFF"));
}

void TestKitList::key_filter_drops_and_replaces_characters()
{
    editable_->setFocus();
    editable_->onKeyPress = [](int& key) {
        if (key >= 'a' && key <= 'z')
            key = key - 'a' + 'A';
        else if (key == 'O')
            key = 0;
    };
    KitDriver::TypeText(editable_, QStringLiteral("dO7n"));
    QCOMPARE(editable_->text(), QStringLiteral("D7N"));
}

void TestKitList::backspace_is_a_character_delete_is_not()
{
    editable_->setText(QStringLiteral("123"));
    editable_->setFocus();
    QList<int> keys;
    editable_->onKeyPress = [&keys](int& key) {
        keys << key;
        key = 0;
    };
    KitDriver::PressKey(editable_, Qt::Key_End);
    KitDriver::PressKey(editable_, Qt::Key_Backspace);
    QCOMPARE(keys, QList<int>{kKeyBackspace});
    QCOMPARE(editable_->text(), QStringLiteral("123"));  // dropped

    KitDriver::PressKey(editable_, Qt::Key_Home);
    KitDriver::PressKey(editable_, Qt::Key_Delete);
    KitDriver::PressKey(editable_, Qt::Key_Right);
    QCOMPARE(keys, QList<int>{kKeyBackspace});
    QCOMPARE(editable_->text(), QStringLiteral("23"));
}

void TestKitList::enter_reaches_the_filter_and_nothing_else()
{
    editable_->addItems({QStringLiteral("67.0"), QStringLiteral("88.5")});
    editable_->setFocus();
    KitDriver::TypeText(editable_, QStringLiteral("88.5"));
    ListEvents events;
    events.attach(*editable_);

    KitDriver::PressKey(editable_, Qt::Key_Return);

    QCOMPARE(events.keys, QList<int>{kKeyEnter});
    QCOMPARE(events.clicks, 0);
    QCOMPARE(events.changes, 0);
    QCOMPARE(editable_->listIndex(), -1);
    QCOMPARE(editable_->listCount(), 2);
}

void TestKitList::change_handler_may_undo_typing()
{
    // An attribute list of the channel editor: typing is undone at once.
    editable_->addItems({QStringLiteral("HIGH"), QStringLiteral("LOW")});
    editable_->setText(QStringLiteral("HIGH"));
    editable_->setFocus();
    int changes = 0;
    editable_->onChange = [this, &changes] {
        ++changes;
        editable_->setText(QStringLiteral("HIGH"));
    };
    KitDriver::TypeText(editable_, QStringLiteral("xy"));
    QCOMPARE(editable_->text(), QStringLiteral("HIGH"));
    QCOMPARE(changes, 4);  // each key, then its undoing
}

void TestKitList::arrow_key_choice_is_a_click()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    chooseOnly_->setListIndex(0);
    chooseOnly_->setFocus();
    ListEvents events;
    events.attach(*chooseOnly_);
    KitDriver::PressKey(chooseOnly_, Qt::Key_Down);
    QCOMPARE(events.indexAtClick, QList<int>{1});
    QCOMPARE(events.keys, QList<int>{});
}

void TestKitList::wheel_does_not_choose()
{
    chooseOnly_->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
    chooseOnly_->setListIndex(0);
    ListEvents events;
    events.attach(*chooseOnly_);
    QWidget* box = chooseOnly_->focusProxy();
    const QPointF centre = QPointF(box->rect().center());
    QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    QCOMPARE(events.clicks, 0);
    QCOMPARE(chooseOnly_->listIndex(), 0);
}

void TestKitList::list_is_never_narrower_than_its_items_and_its_text()
{
    // Placed in a window far too narrow, each list still shows its widest
    // item and the text it shows whole in its field; an editor laid over a
    // grid's cell takes the cell's width instead.
    const auto fieldWidth = [](KitList* list) {
        auto* box = list->findChild<QComboBox*>();
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    };
    const QString item = QStringLiteral("KB DTMFST + Send ANI DTMFST");
    const QString shown = QStringLiteral("a text that is no item, wider than every item");
    chooseOnly_->addItems({QStringLiteral("OFF"), item});
    editable_->addItems({QStringLiteral("OFF"), item});
    window_->resize(40, window_->height());
    window_->layout()->activate();
    for (KitList* list : {chooseOnly_, editable_})
        QVERIFY(fieldWidth(list) > list->fontMetrics().horizontalAdvance(item));
    chooseOnly_->showText(shown);
    window_->layout()->activate();
    QVERIFY(fieldWidth(chooseOnly_) > chooseOnly_->fontMetrics().horizontalAdvance(shown));
    editable_->setCellEditor();
    editable_->setGeometry(0, 0, 30, 20);
    QCOMPARE(editable_->width(), 30);
}

QTEST_MAIN(TestKitList)
#include "tst_kit_list.moc"
