#pragma once
// A tab strip (TabStrip controls) with the kit's rules (kit_control.h).
//
// Tabs are numbered from 1, as the windows name them, and may carry a key.
// The strip only shows the tabs and reports the choice: the pages are frames
// of the window, laid over the strip's client area, which the window's
// handler shows and hides. So the selected tab may differ from the page
// shown.
// - A click on a tab takes the focus first (the control that had it gets its
//   onLostFocus), then selects the tab and raises onClick, also when the tab
//   was selected already. Choosing a tab with the arrow keys is a click.
// - setSelectedIndex() by code raises onClick when the selection changes;
//   selecting the selected tab runs nothing.
// - Adding and clearing tabs run nothing; the first tab added is selected.

#include "platform/kit_control.h"

#include <QString>
#include <QWidget>

class QFrame;
class QTabBar;

class KitTabStrip final : public QWidget, public KitControl {
public:
    explicit KitTabStrip(QWidget* parent = nullptr);

    void clearTabs();
    void addTab(const QString& caption, const QString& key = {});
    int tabCount() const;
    QString tabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    QString tabKey(int index) const;

    // The selected tab (1..tabCount(), 0 while there is none) and its key.
    int selectedIndex() const;
    QString selectedKey() const;
    void setSelectedIndex(int index);
    void setSelectedKey(const QString& key);

    // The area under the tabs where the pages lie, in twips, in the
    // coordinates of the strip's parent (the window the pages belong to).
    double ClientLeft() const;
    double ClientTop() const;
    double ClientWidth() const;
    double ClientHeight() const;

    // A tab was clicked or chosen with the keys, or selected by code.
    std::function<void()> onClick;

private:
    QRect clientRect() const;  // pixels, in the parent's coordinates

    QTabBar* bar_;
    QFrame* client_;
    bool filling_ = false;
};
