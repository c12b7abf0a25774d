#include "platform/kit_list.h"

#include "platform/kit_fit.h"

#include <QComboBox>
#include <QFontMetricsF>
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
        // Every change of the field's text is a change, whoever made it: the
        // keyboard, an input method, undo or a screen reader. Two kinds are
        // not: the list's own writes (a choice, filling, clearing), and the
        // item's text Qt shows when its current item moves (a choice, whose
        // onClick follows).
        QObject::connect(box_->lineEdit(), &QLineEdit::textChanged, this, [this] {
            fitShown();
            if (writingField_)
                return;
            if (box_->currentIndex() != comboIndex_) {
                comboIndex_ = box_->currentIndex();
                return;
            }
            index_ = -1;
            RaiseEvent(onChange);
        });
        QObject::connect(box_, &QComboBox::currentIndexChanged, this, [this](int index) { comboIndex_ = index; });
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
    fitItems();
}

void KitList::userChose(int index)
{
    if (index < 0 || index >= box_->count())
        return;
    index_ = index;
    shownText_.clear();
    box_->setPlaceholderText(QString());
    if (style_ == Style::Editable)
        writeField(box_->itemText(index));
    RaiseEvent(onClick);
}

// The list writing its own field: no change for onChange.
class KitList::FieldWrite {
public:
    explicit FieldWrite(KitList& list)
        : list_(list),
          was_(list.writingField_)
    {
        list_.writingField_ = true;
    }
    ~FieldWrite()
    {
        list_.writingField_ = was_;
        list_.comboIndex_ = list_.box_->currentIndex();
    }
    FieldWrite(const FieldWrite&) = delete;
    FieldWrite& operator=(const FieldWrite&) = delete;

private:
    KitList& list_;
    bool was_;
};

void KitList::writeField(const QString& text)
{
    const FieldWrite write(*this);
    box_->lineEdit()->setText(text);
}

void KitList::addItem(const QString& text)
{
    addItems({text});
}

void KitList::addItems(const QStringList& texts)
{
    // Qt selects the first item added to an empty list and shows its text.
    const QString kept = text();
    const FieldWrite write(*this);
    box_->addItems(texts);
    box_->setCurrentIndex(index_);
    if (style_ == Style::Editable)
        box_->lineEdit()->setText(kept);
    fitItems();
}

void KitList::clear()
{
    const FieldWrite write(*this);
    box_->clear();
    index_ = -1;
    shownText_.clear();
    box_->setPlaceholderText(QString());
    if (style_ == Style::Editable)
        box_->lineEdit()->clear();
    fitItems();
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
    const FieldWrite write(*this);
    box_->setCurrentIndex(index);
    // With an item current, emptying the placeholder selects nothing.
    box_->setPlaceholderText(QString());
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
    const bool changed = text != box_->lineEdit()->text();
    if (!changed && index_ == -1 && box_->currentIndex() == -1)
        return;
    // The Qt box's current item goes too: its drop-down marks no item as the
    // one the field shows.
    index_ = -1;
    {
        const FieldWrite write(*this);
        box_->setCurrentIndex(-1);
        box_->lineEdit()->setText(text);
    }
    if (changed)
        RaiseEvent(onChange);
}

void KitList::showText(const QString& text)
{
    if (style_ == Style::Editable) {
        setText(text);
        return;
    }
    // With no item selected, the box shows its placeholder text. Qt selects
    // the first item when the placeholder empties while no item is current,
    // so the placeholder changes first and the selection goes after it.
    index_ = -1;
    shownText_ = text;
    box_->setPlaceholderText(text);
    box_->setCurrentIndex(-1);
    box_->update();
    fitShown();
}

void KitList::fitItems()
{
    const QFontMetricsF metrics(box_->font());
    itemsWidth_ = 0;
    for (int i = 0; i < box_->count(); ++i)
        itemsWidth_ = qMax(itemsWidth_, TextWidth(metrics, box_->itemText(i)));
    fitShown();
}

void KitList::fitShown()
{
    if (isCellEditor())
        return;
    const int shown = TextWidth(QFontMetricsF(box_->font()), text());
    setMinimumWidth(ComboWidthFor(*box_, qMax(itemsWidth_, shown)));
}

void KitList::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitItems();
}
