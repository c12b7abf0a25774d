#include "support/editor_windows.h"

#include <QtTest>

void AddEditorRows()
{
    QTest::addColumn<EditorWindow>("editor");
    QTest::newRow("channel") << EditorWindow::Channel;
    QTest::newRow("FM") << EditorWindow::Fm;
    QTest::newRow("options") << EditorWindow::Options;
    QTest::newRow("DTMF") << EditorWindow::Dtmf;
    QTest::newRow("two-tone") << EditorWindow::TwoTone;
    QTest::newRow("five-tone") << EditorWindow::FiveTone;
}

Window* LoadEditor(EditorWindow editor)
{
    return WithEditor(editor, [](Window* window) { return window; });
}
