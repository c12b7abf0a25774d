#include "platform/kit_button.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void FillWith(QWidget* owner, QWidget* inner)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    owner->setFocusProxy(inner);
}

}  // namespace

KitButton::KitButton(QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      button_(new QPushButton(this))
{
    FillWith(this, button_);
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, this, [this] { RaiseEvent(onClick); });
}

QString KitButton::caption() const
{
    return button_->text();
}

void KitButton::setCaption(const QString& caption)
{
    button_->setText(caption);
}

void KitButton::click()
{
    RaiseEvent(onClick);
}

KitCheck::KitCheck(QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      box_(new QCheckBox(this))
{
    FillWith(this, box_);
    // Only the user's toggles come through here; setValue raises its own.
    QObject::connect(box_, &QCheckBox::clicked, this, [this] { RaiseEvent(onClick); });
}

QString KitCheck::caption() const
{
    return box_->text();
}

void KitCheck::setCaption(const QString& caption)
{
    box_->setText(caption);
}

int KitCheck::value() const
{
    return box_->isChecked() ? 1 : 0;
}

void KitCheck::setValue(int value)
{
    if ((value != 0 && value != 1) || value == this->value())
        return;
    box_->setChecked(value == 1);
    RaiseEvent(onClick);
}
