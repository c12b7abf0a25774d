// What a screen reader hears: the application as it starts, with a radio
// identified on the simulator in process, walked through the accessibility
// interface of every window its menus open. Every control is named by the
// text it shows or by the caption of the label that names it, never by a
// name of its own, and every window by its title.

#include "app/mdimain.h"
#include "channels/chann_grid.h"
#include "channels/ui/frm_chann.h"
#include "channels/ui/frm_fm.h"
#include "core/status_panels.h"
#include "platform/kit_control.h"
#include "platform/kit_focus.h"
#include "platform/kit_tab_strip.h"
#include "platform/status_bar.h"
#include "signalling/five_tone_edit.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "support/kit_driver.h"
#include "support/menu_windows.h"
#include "support/sim_app_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <functional>

namespace {

template <class T> Window* Loaded()
{
    return Windows::Find<T>();
}

// The in-cell text editors: the window, the page of its tab strip (0: none),
// the grid, the cell clicked and the editor it opens. (A list is heard under
// the text it shows, as every list is.)
struct EditorCase {
    const char* name;
    std::function<void(MDImain&)> open;
    std::function<Window*()> find;
    int tab;
    std::function<KitGrid*(Window*)> grid;
    int row;
    int col;
    std::function<QWidget*(Window*)> editor;
};

template <class T> T* As(Window* window)
{
    return static_cast<T*>(window);
}

const EditorCase kEditors[] = {
    {"channel frequency", [](MDImain& main) { main.chann_edit->trigger(); }, &Loaded<frm_chann>, 0,
     [](Window* w) { return As<frm_chann>(w)->MSF_Chann; }, 1, ChannCol::RxFreq,
     [](Window* w) -> QWidget* { return As<frm_chann>(w)->Text_Edit; }},
    {"FM preset", [](MDImain& main) { main.fm_chann_edit->trigger(); }, &Loaded<frm_FM>, 0,
     [](Window* w) { return As<frm_FM>(w)->MSF_Chann; }, 1, 1,
     [](Window* w) -> QWidget* { return As<frm_FM>(w)->Text_Edit; }},
    {"two-tone encode", [](MDImain& main) { main.Sig_2tone->trigger(); }, &Loaded<frm_2tone>, 1,
     [](Window* w) { return As<frm_2tone>(w)->MSF_Encode; }, 1, 1,
     [](Window* w) -> QWidget* { return As<frm_2tone>(w)->Text_Encode; }},
    {"five-tone frame", [](MDImain& main) { main.Sig_5tone->trigger(); }, &Loaded<frm_5tone>, 2,
     [](Window* w) { return As<frm_5tone>(w)->MSF_Encode; }, 1, FiveToneEncCol::Frame1,
     [](Window* w) -> QWidget* { return As<frm_5tone>(w)->Text_Encode; }},
};

// The caption that names a widget without a name of its own, as Qt takes
// it: the label whose buddy is the widget (or the kit control the widget is
// part of), else the kit control's caption label, else the title of the
// frame it stands in; a frame with a title of its own is named by that.
QString CaptionOf(QWidget* widget)
{
    QWidget* control = KitFocus::ControlWidgetOf(widget);
    QWidget* named = control != nullptr ? control : widget;
    const QWidget* parent = named->parentWidget();
    if (parent == nullptr || named->isWindow())
        return QString();
    for (const QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == named)
            return WithoutMnemonics(label->text());
    }
    if (const KitControl* kit = KitFocus::ControlOf(named); kit != nullptr) {
        if (kit->captionLabel() != nullptr)
            return WithoutMnemonics(kit->captionLabel()->text());
        // An editor over a cell: the Qt widget inside it takes its column's heading.
        if (widget != named && !kit->captionFromSource().isEmpty())
            return WithoutMnemonics(kit->captionFromSource());
    }
    const auto* frame = qobject_cast<const QGroupBox*>(parent);
    const auto* own = qobject_cast<const QGroupBox*>(named);
    if (frame != nullptr && (own == nullptr || own->title().isEmpty()))
        return WithoutMnemonics(frame->title());
    return QString();
}

// The text a widget shows of its own (empty for one that shows none).
QString ShownText(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return WithoutMnemonics(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return WithoutMnemonics(group->title());
    if (const auto* box = qobject_cast<const QComboBox*>(widget))
        return box->currentText();
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        return tabs->tabText(tabs->currentIndex());
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        return list->currentItem() != nullptr ? list->currentItem()->text().trimmed() : QString();
    if (widget->isWindow() || qobject_cast<const QMdiSubWindow*>(widget) != nullptr)
        return widget->windowTitle();
    return QString();
}

// What the walk found wrong, one line per control.
class Walk {
public:
    QStringList faults;

    // A control hidden now (an editor over a cell, the bar of a transfer)
    // may lack a name, but never has one that differs from what it shows.
    void visit(QAccessibleInterface* node, const QString& path)
    {
        if (node == nullptr)
            return;
        const QAccessible::Role role = node->role();
        if (role == QAccessible::MenuBar || role == QAccessible::Cell || role == QAccessible::RowHeader)
            return;  // menus are named by their items; cells by what they hold
        const QString name = node->text(QAccessible::Name);
        auto* widget = qobject_cast<QWidget*>(node->object());
        const QString here = path + QLatin1Char('/') + describe(node, widget);
        if (widget != nullptr && !partOfAQtControl(widget))
            checkWidget(role, name, widget, here, !node->state().invisible);
        // A grid's column headers come in the order of its columns.
        int column = 0;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child != nullptr && child->role() == QAccessible::ColumnHeader)
                checkHeader(child, qobject_cast<QTableWidget*>(widget), column++, here);
            else
                visit(child, here);
        }
    }

private:
    static QString describe(QAccessibleInterface* node, const QWidget* widget)
    {
        if (widget == nullptr)
            return node->text(QAccessible::Name);
        const QString object = widget->objectName();
        return QString::fromLatin1(widget->metaObject()->className())
               + (object.isEmpty() ? QString() : QStringLiteral("(%1)").arg(object));
    }

    // An editable list's field and its drop-down belong to the list, a tab
    // strip's scroll buttons to the strip: Qt names them.
    static bool partOfAQtControl(const QWidget* widget)
    {
        for (const QWidget* up = widget->parentWidget(); up != nullptr && up != widget->window();
             up = up->parentWidget()) {
            if (qobject_cast<const QComboBox*>(up) != nullptr || qobject_cast<const QTabBar*>(up) != nullptr)
                return true;
        }
        return false;
    }

    void checkWidget(QAccessible::Role role, const QString& name, QWidget* widget, const QString& here, bool shownNow)
    {
        const QString caption = CaptionOf(widget);
        const QString shown = ShownText(widget);
        if (!name.isEmpty() && name != caption && name != shown) {
            faults << QStringLiteral("%1: named \"%2\", shows \"%3\", labelled \"%4\"").arg(here, name, shown, caption);
            return;
        }
        if (!name.isEmpty() || !shownNow)
            return;
        const bool control = role == QAccessible::Button || role == QAccessible::PushButton
                             || role == QAccessible::CheckBox || role == QAccessible::RadioButton
                             || role == QAccessible::ComboBox || role == QAccessible::List
                             || role == QAccessible::EditableText;
        // A text box is always named; any other control unless it shows
        // nothing (an empty list, nothing chosen).
        if (control && (role == QAccessible::EditableText || !shown.isEmpty() || !caption.isEmpty()))
            faults << QStringLiteral("%1: no name (shows \"%2\", labelled \"%3\")").arg(here, shown, caption);
    }

    void checkHeader(QAccessibleInterface* header, const QTableWidget* grid, int column, const QString& here)
    {
        const QString name = header->text(QAccessible::Name);
        const QString shown =
            grid != nullptr ? grid->model()->headerData(column, Qt::Horizontal).toString() : QString();
        if (name.isEmpty() || name != shown)
            faults << QStringLiteral("%1/header %2: named \"%3\", shows \"%4\"").arg(here).arg(column).arg(name, shown);
    }
};

}  // namespace

class TestAccessibleNames : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { stopApp(); }

    void status_panels_are_read_as_their_texts();
    void every_window_names_its_controls_as_shown_data();
    void every_window_names_its_controls_as_shown();
    void editor_over_a_cell_is_named_after_its_column_data();
    void editor_over_a_cell_is_named_after_its_column();
};

void TestAccessibleNames::init()
{
    QVERIFY(startApp());
    // What the file dialogs show: one folder, one image file.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("images")));
    QFile image(dir_->filePath(QStringLiteral("radio.dat")));
    QVERIFY(image.open(QIODevice::WriteOnly));
}

void TestAccessibleNames::status_panels_are_read_as_their_texts()
{
    StatusBar* bar = main_->statusBar();
    for (int panel : {2, 4, 6, 8, 10}) {
        QVERIFY2(!bar->panelText(panel).isEmpty(), qPrintable(QString::number(panel)));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar->panel(panel));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), bar->panelText(panel));
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Status bar panel %1").arg(panel));
    }
    QCOMPARE(bar->panelText(2), QStringLiteral("TR-UV1"));
    // A panel's name follows its text.
    StatusBar1.setText(2, QStringLiteral("Communication fault."));
    QCOMPARE(QAccessible::queryAccessibleInterface(bar->panel(2))->text(QAccessible::Name),
             QStringLiteral("Communication fault."));
}

void TestAccessibleNames::every_window_names_its_controls_as_shown_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(MenuWindows().size()); ++i)
        QTest::newRow(MenuWindows()[static_cast<std::size_t>(i)].name) << i;
}

void TestAccessibleNames::every_window_names_its_controls_as_shown()
{
    QFETCH(int, index);
    const MenuWindow& shown = MenuWindows()[static_cast<std::size_t>(index)];
    shown.open(*main_);
    Window* window = shown.find();
    QVERIFY(window != nullptr);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window->frameWidget());
    QVERIFY(frame != nullptr);
    QVERIFY(!window->windowTitle().isEmpty());
    QCOMPARE(frame->text(QAccessible::Name), window->windowTitle());

    Walk walk;
    walk.visit(frame, QString::fromLatin1(shown.name));
    // Every page of a tab strip, as the user turns to it.
    KitDriver::TurnEveryPage(window, [&](int tab) {
        walk.visit(frame, QStringLiteral("%1, tab %2").arg(QString::fromLatin1(shown.name)).arg(tab));
    });
    for (const QString& fault : walk.faults)
        qWarning().noquote() << fault;
    QVERIFY2(walk.faults.isEmpty(), "controls named other than they show (listed above)");
    recorder_->takeAll();  // the about box may have found no system information
}

void TestAccessibleNames::editor_over_a_cell_is_named_after_its_column_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kEditors)); ++i)
        QTest::newRow(kEditors[i].name) << i;
}

void TestAccessibleNames::editor_over_a_cell_is_named_after_its_column()
{
    // A screen reader hears the editor under the heading of its column.
    QFETCH(int, index);
    const EditorCase& shown = kEditors[index];
    shown.open(*main_);
    Window* window = shown.find();
    QVERIFY(window != nullptr);
    if (shown.tab > 0) {
        auto* strip = window->findChild<KitTabStrip*>();
        QVERIFY(strip != nullptr);
        KitDriver::ClickTab(strip, shown.tab);
    }
    KitGrid* grid = shown.grid(window);
    KitDriver::ClickCell(grid, shown.row, shown.col);
    QWidget* editor = shown.editor(window);
    QVERIFY(editor->isVisible());
    QWidget* input = editor;
    while (input->focusProxy() != nullptr)
        input = input->focusProxy();
    const QString heading = grid->textMatrix(0, shown.col).trimmed();
    QVERIFY(!heading.isEmpty());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name).trimmed(), heading);
    recorder_->takeAll();
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
