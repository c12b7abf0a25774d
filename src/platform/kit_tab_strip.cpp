#include "platform/kit_tab_strip.h"

#include "platform/geometry.h"

#include <QFrame>
#include <QTabBar>
#include <QVBoxLayout>

KitTabStrip::KitTabStrip(QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      bar_(new QTabBar(this)),
      client_(new QFrame(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(client_, 1);
    client_->setFrameShape(QFrame::StyledPanel);
    setFocusProxy(bar_);
    bar_->setFocusPolicy(Qt::StrongFocus);  // a click takes the focus
    bar_->setDrawBase(false);
    bar_->setExpanding(false);

    // A click on the selected tab changes nothing in the bar.
    QObject::connect(bar_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == bar_->currentIndex())
            RaiseEvent(onClick);
    });
    QObject::connect(bar_, &QTabBar::currentChanged, this, [this](int) {
        if (!filling_)
            RaiseEvent(onClick);
    });
}

void KitTabStrip::clearTabs()
{
    filling_ = true;
    while (bar_->count() > 0)
        bar_->removeTab(bar_->count() - 1);
    filling_ = false;
}

void KitTabStrip::addTab(const QString& caption, const QString& key)
{
    filling_ = true;
    const int at = bar_->addTab(caption);
    bar_->setTabData(at, key);
    filling_ = false;
}

int KitTabStrip::tabCount() const
{
    return bar_->count();
}

QString KitTabStrip::tabCaption(int index) const
{
    return bar_->tabText(index - 1);
}

void KitTabStrip::setTabCaption(int index, const QString& caption)
{
    bar_->setTabText(index - 1, caption);
}

QString KitTabStrip::tabKey(int index) const
{
    return bar_->tabData(index - 1).toString();
}

int KitTabStrip::selectedIndex() const
{
    return bar_->currentIndex() + 1;
}

QString KitTabStrip::selectedKey() const
{
    return tabKey(selectedIndex());
}

void KitTabStrip::setSelectedIndex(int index)
{
    if (index < 1 || index > bar_->count())
        return;
    bar_->setCurrentIndex(index - 1);  // raises onClick when it changes
}

void KitTabStrip::setSelectedKey(const QString& key)
{
    for (int i = 1; i <= bar_->count(); ++i) {
        if (tabKey(i) == key) {
            setSelectedIndex(i);
            return;
        }
    }
}

QRect KitTabStrip::clientRect() const
{
    layout()->activate();  // the geometry the strip was given last
    const QRect inner = client_->geometry();
    return {mapToParent(inner.topLeft()), inner.size()};
}

double KitTabStrip::ClientLeft() const
{
    return PixelsToTwips(clientRect().left());
}

double KitTabStrip::ClientTop() const
{
    return PixelsToTwips(clientRect().top());
}

double KitTabStrip::ClientWidth() const
{
    return PixelsToTwips(clientRect().width());
}

double KitTabStrip::ClientHeight() const
{
    return PixelsToTwips(clientRect().height());
}
