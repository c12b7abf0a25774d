#include "support/kit_driver.h"

#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>

namespace {

// The Qt widget that takes the user's input for a kit control.
QWidget* InputOf(QWidget* control)
{
    QWidget* input = control;
    while (input->focusProxy() != nullptr)
        input = input->focusProxy();
    return input;
}

QTableWidget* TableOf(KitGrid* grid)
{
    return grid->findChild<QTableWidget*>();
}

QPoint CellCentre(KitGrid* grid, int row, int col)
{
    QTableWidget* table = TableOf(grid);
    const QModelIndex index = table->model()->index(row - 1, col);
    if (!table->viewport()->rect().contains(table->visualRect(index)))
        table->scrollTo(index);
    return table->visualRect(index).center();
}

}  // namespace

namespace KitDriver {

bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    Activate(window);
    return QApplication::activeWindow() == window;
}

void Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
}

void ClickCell(KitGrid* grid, int row, int col)
{
    const QPoint centre = CellCentre(grid, row, col);
    QTest::mouseClick(TableOf(grid)->viewport(), Qt::LeftButton, {}, centre);
}

void DoubleClickCell(KitGrid* grid, int row, int col)
{
    const QPoint centre = CellCentre(grid, row, col);
    QWidget* viewport = TableOf(grid)->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
}

void PressCell(KitGrid* grid, int row, int col)
{
    const QPoint centre = CellCentre(grid, row, col);
    QTest::mousePress(TableOf(grid)->viewport(), Qt::LeftButton, {}, centre);
}

void ReleaseCell(KitGrid* grid, int row, int col)
{
    const QPoint centre = CellCentre(grid, row, col);
    QTest::mouseRelease(TableOf(grid)->viewport(), Qt::LeftButton, {}, centre);
}

void ClickHeader(KitGrid* grid, int col)
{
    QHeaderView* header = TableOf(grid)->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void ClickTab(KitTabStrip* strip, int index)
{
    auto* bar = strip->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index - 1).center());
}

void TurnEveryPage(QWidget* window, const std::function<void(int tab)>& visit)
{
    for (QWidget* child : window->findChildren<QWidget*>()) {
        auto* strip = dynamic_cast<KitTabStrip*>(child);
        for (int tab = 1; strip != nullptr && tab <= strip->tabCount(); ++tab) {
            ClickTab(strip, tab);
            visit(tab);
        }
    }
}

void ClickButton(KitButton* button)
{
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
}

void ChooseItem(KitList* list, int index)
{
    auto* box = list->findChild<QComboBox*>();
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    // Where the item shows: a style may lay items out wider than a narrow
    // drop-down (an editor over a cell), which shows their left part.
    const QRect shown = view->visualRect(item).intersected(view->viewport()->rect());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, shown.center());
}

void ClickCheck(KitCheck* check)
{
    auto* box = check->findChild<QCheckBox*>();
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

void TypeText(QWidget* control, const QString& text)
{
    QTest::keyClicks(InputOf(control), text);
}

void PressKey(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(InputOf(control), static_cast<Qt::Key>(key), modifiers);
}

void PasteFromMenu(QWidget* control, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (edit == nullptr)
        edit = control->findChild<QLineEdit*>();
    QVERIFY(edit != nullptr);
    QGuiApplication::clipboard()->setText(text);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    // The menu's own caption of its Paste item, before the shortcut.
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste"))
            paste = action;
    }
    QVERIFY(paste != nullptr);
    QVERIFY(paste->isEnabled());
    paste->trigger();
}

void ChangeText(QWidget* control, ChangedBy by, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (edit == nullptr)
        edit = control->findChild<QLineEdit*>();
    QVERIFY(edit != nullptr);
    const QString before = edit->text();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(accessible != nullptr);
    QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
    QVERIFY(editable != nullptr);
    switch (by) {
    case ChangedBy::AccessibleValue:
        accessible->setText(QAccessible::Value, text);
        break;
    case ChangedBy::AccessibleReplace:
        editable->replaceText(0, int(before.size()), text);
        break;
    case ChangedBy::AccessibleInsert:
        editable->insertText(int(before.size()), text.mid(before.size()));
        break;
    case ChangedBy::AccessibleDelete:
        editable->deleteText(int(text.size()), int(before.size()));
        break;
    case ChangedBy::InputMethod: {
        edit->setCursorPosition(int(before.size()));
        QInputMethodEvent event;
        event.setCommitString(text.mid(before.size()));
        QCoreApplication::sendEvent(edit, &event);
        break;
    }
    case ChangedBy::Undo:
        QTest::keySequence(edit, QKeySequence::Undo);
        break;
    }
}

}  // namespace KitDriver
