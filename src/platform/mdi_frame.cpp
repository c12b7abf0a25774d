#include "platform/mdi_frame.h"

#include "platform/geometry.h"
#include "platform/status_bar.h"
#include "platform/tool_bar.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

MdiFrame::MdiFrame()
    : Window(WindowKind::Frame),
      menuBar_(new QMenuBar(this)),
      toolBar_(new ToolBar(this)),
      mdiArea_(new QMdiArea(this)),
      statusBar_(new StatusBar(this))
{
    UseDialogFont();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window keeps the size it is given (the screen's), whatever its
    // menus and panels would ask for.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setMenuBar(menuBar_);
    layout->addWidget(toolBar_);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(statusBar_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (sub != nullptr)
            Windows::detail::ChildActivated(dynamic_cast<Window*>(sub->widget()));
    });
}

double MdiFrame::ScaleWidth() const
{
    layout()->activate();
    return PixelsToTwips(mdiArea_->viewport()->width());
}

double MdiFrame::ScaleHeight() const
{
    layout()->activate();
    return PixelsToTwips(mdiArea_->viewport()->height());
}

Window* MdiFrame::activeChild() const
{
    QMdiSubWindow* sub = mdiArea_->activeSubWindow();
    return sub != nullptr ? dynamic_cast<Window*>(sub->widget()) : nullptr;
}

void MdiFrame::releaseWindow()
{
    statusBar_->unbind();
    Window::releaseWindow();
}

MdiFrame* Windows::Frame()
{
    return static_cast<MdiFrame*>(detail::FrameWindow());
}
