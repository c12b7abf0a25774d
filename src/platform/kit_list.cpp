#include "platform/kit_list.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

class KitList::Box final : public QComboBox {
public:
    explicit Box(KitList* owner)
        : QComboBox(owner),
          owner_(owner)
    {
    }

    // Qt chooses the item that matches the text when the field loses the
    // focus; that is no choice of the user's.
    bool leaving = false;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool editable = owner_->style_ == Style::Editable;
        const auto deliver = [this, editable](QKeyEvent* key) {
            if (editable)
                QComboBox::keyPressEvent(key);
        };
        if (!FilterCharKey(event, owner_->onKeyPress, deliver))
            QComboBox::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        leaving = true;
        QComboBox::focusOutEvent(event);
        leaving = false;
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    KitList* owner_;
};

KitList::KitList(Style style, QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      style_(style),
      box_(new Box(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    setFocusProxy(box_);
    box_->setMaxVisibleItems(16);
    if (style_ == Style::Editable) {
        box_->setEditable(true);
        box_->setCompleter(nullptr);
        box_->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(box_->lineEdit(), &QLineEdit::textEdited, this, [this] {
            index_ = -1;
            RaiseEvent(onChange);
        });
    }
    if (style_ == Style::ChooseOnly) {
        // A text showText() shows is the list's value, not a hint: it is
        // drawn as an item's text is.
        QPalette palette = box_->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::PlaceholderText, palette.color(group, QPalette::ButtonText));
        box_->setPalette(palette);
    }
    QObject::connect(box_, &QComboBox::activated, this, [this](int index) {
        if (!box_->leaving)
            userChose(index);
    });
}

void KitList::userChose(int index)
{
    if (index < 0 || index >= box_->count())
        return;
    index_ = index;
    shownText_.clear();
    box_->setPlaceholderText(QString());
    if (style_ == Style::Editable)
        box_->lineEdit()->setText(box_->itemText(index));
    RaiseEvent(onClick);
}

void KitList::addItem(const QString& text)
{
    addItems({text});
}

void KitList::addItems(const QStringList& texts)
{
    // Qt selects the first item added to an empty list and shows its text.
    const QString kept = text();
    box_->addItems(texts);
    box_->setCurrentIndex(index_);
    if (style_ == Style::Editable)
        box_->lineEdit()->setText(kept);
}

void KitList::clear()
{
    box_->clear();
    index_ = -1;
    shownText_.clear();
    box_->setPlaceholderText(QString());
    if (style_ == Style::Editable)
        box_->lineEdit()->clear();
}

int KitList::listCount() const
{
    return box_->count();
}

QString KitList::list(int index) const
{
    return box_->itemText(index);
}

QStringList KitList::items() const
{
    QStringList texts;
    texts.reserve(box_->count());
    for (int i = 0; i < box_->count(); ++i)
        texts << box_->itemText(i);
    return texts;
}

void KitList::setListIndex(int index)
{
    if (index == -1 && !shownText_.isEmpty())
        showText(QString());
    if (index < -1 || index >= box_->count() || index == index_)
        return;
    index_ = index;
    shownText_.clear();
    box_->setPlaceholderText(QString());
    box_->setCurrentIndex(index);
    if (style_ == Style::Editable)
        box_->lineEdit()->setText(index >= 0 ? box_->itemText(index) : QString());
    if (index >= 0)
        RaiseEvent(onClick);
}

QString KitList::text() const
{
    if (style_ == Style::Editable)
        return box_->lineEdit()->text();
    return index_ >= 0 ? box_->itemText(index_) : shownText_;
}

void KitList::setText(const QString& text)
{
    if (style_ == Style::ChooseOnly) {
        setListIndex(box_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    if (text == box_->lineEdit()->text())
        return;
    index_ = -1;
    box_->lineEdit()->setText(text);
    RaiseEvent(onChange);
}

void KitList::showText(const QString& text)
{
    if (style_ == Style::Editable) {
        setText(text);
        return;
    }
    // With no item selected, the box shows its placeholder text.
    index_ = -1;
    shownText_ = text;
    box_->setCurrentIndex(-1);
    box_->setPlaceholderText(text);
    box_->update();
}
