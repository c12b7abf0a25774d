#include "platform/tool_bar.h"

#include <QAction>

ToolBar::ToolBar(QWidget* parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction* ToolBar::addButton(const QString& key, const QIcon& icon)
{
    QAction* action = addAction(icon, key);
    action->setData(key);
    connect(action, &QAction::triggered, this, [this, key] {
        if (onButtonClick)
            onButtonClick(key);
    });
    return action;
}

QAction* ToolBar::button(const QString& key) const
{
    for (QAction* action : actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

QStringList ToolBar::keys() const
{
    QStringList all;
    for (QAction* action : actions())
        all << action->data().toString();
    return all;
}

QIcon ToolIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.png").arg(name));
}
