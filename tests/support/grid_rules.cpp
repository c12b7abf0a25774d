#include "support/grid_rules.h"

#include "core/memory_image.h"
#include "platform/kit_grid.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"

#include <QWidget>
#include <QtTest>

QStringList RowTexts(const KitGrid* grid, int r, int first, int last)
{
    QStringList texts;
    for (int c = first; c <= last; ++c)
        texts << grid->textMatrix(r, c);
    return texts;
}

void CheckClickThroughStoresNothing(KitGrid* grid, int row, int col, const std::function<bool()>& opened,
                                    const std::function<void()>& leave)
{
    const MemoryImage before = Edata;
    const QString shown = grid->textMatrix(row, col);
    KitDriver::ClickCell(grid, row, col);
    QVERIFY(opened());
    leave();
    QVERIFY(Edata == before);
    QCOMPARE(grid->textMatrix(row, col), shown);
}

void CheckDoubleClickOnRowNumberChangesNothing(KitGrid* grid, int r, const MessageRecorder& recorder)
{
    const MemoryImage before = Edata;
    const QStringList shown = RowTexts(grid, r, 0, grid->cols() - 1);
    KitDriver::DoubleClickCell(grid, r, 0);
    QCOMPARE(RowTexts(grid, r, 0, grid->cols() - 1), shown);
    QVERIFY(Edata == before);
    QCOMPARE(recorder.count(), 0);
}

void CheckEditorDroppedByAReplacement(KitGrid* grid, const QWidget* editor, int row, int col,
                                      const std::function<void()>& replace, const std::function<void()>& leave)
{
    QVERIFY(editor->isVisible());
    replace();
    QVERIFY(editor->isHidden());
    const MemoryImage replaced = Edata;
    const QString shown = grid->textMatrix(row, col);
    leave();
    QVERIFY(Edata == replaced);
    QCOMPARE(grid->textMatrix(row, col), shown);
}
