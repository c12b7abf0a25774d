#pragma once
// The main window's toolbar: buttons identified by their keys, with the
// pictures of our own icon set (Qt resources under ":/icons").

#include <QIcon>
#include <QToolBar>
#include <functional>

class ToolBar : public QToolBar {
public:
    explicit ToolBar(QWidget* parent = nullptr);

    // Adds a button at the end; its key names it for the click handler.
    QAction* addButton(const QString& key, const QIcon& icon);
    // The button of a key, or nullptr.
    QAction* button(const QString& key) const;
    QStringList keys() const;

    // Runs with the key of the clicked button.
    std::function<void(const QString& key)> onButtonClick;
};

// A picture of the icon set, by name (":/icons/<name>.png").
QIcon ToolIcon(const QString& name);
