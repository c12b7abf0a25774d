#pragma once
// A drop-down list (Combo_ controls) with the kit's rules (kit_control.h).
//
// Two styles:
// - ChooseOnly: the user can only choose an item; typed characters reach
//   onKeyPress and are then dropped (no jumping to a matching item).
// - Editable: a text field over the list. Typing changes the text (onChange)
//   and leaves no item selected; choosing an item selects it and shows its
//   text (onClick). The two are told apart: a choice runs no onChange, typing
//   runs no onClick, and leaving the field never turns its text into a choice.
//   Every other change of the field's text (an input method, undo, a screen
//   reader) is a change as typing is.
//
// Filling and clearing run nothing and leave no item selected; filling keeps
// the text of an editable list, clear() empties list and text. The mouse
// wheel does not change the choice.
//
// The list is never narrower than its widest item and the text it shows,
// wherever the window places it; its drop-down is as wide as its widest item.

#include "platform/kit_control.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class KitList final : public QWidget, public KitControl {
public:
    enum class Style { ChooseOnly, Editable };

    explicit KitList(Style style, QWidget* parent = nullptr);
    Style style() const { return style_; }

    void addItem(const QString& text);
    void addItems(const QStringList& texts);
    void clear();
    int listCount() const;
    QString list(int index) const;  // the text of item index
    QStringList items() const;

    // The selected item, -1 for none. Setting an item (0..listCount() - 1)
    // selects it, shows its text and runs onClick when the selection changes;
    // -1 removes the selection (an editable list's text empties) and runs
    // nothing. An index outside the list changes nothing.
    int listIndex() const { return index_; }
    void setListIndex(int index);

    // Editable: the text of the field; setting it runs onChange when it
    // changes and leaves no item selected, in the Qt box too. ChooseOnly:
    // the selected item's text; setting it selects the first item with
    // exactly that text (as setListIndex does), or removes the selection
    // when there is none.
    QString text() const;
    void setText(const QString& text);

    // ChooseOnly: shows a text, an item's or not, with no item selected, in
    // the colour of an item's text; it runs nothing (no choice, no change). The text stays until an item is
    // chosen or selected, the selection is set to -1, or the list is cleared;
    // text() returns it meanwhile. Editable: setText.
    void showText(const QString& text);

    // An item was chosen, by the user or by setListIndex.
    std::function<void()> onClick;
    // The text of an editable list changed, by typing, setText or any other
    // way but a choice.
    std::function<void()> onChange;
    // A typed character (kit_control.h); set the key to 0 to drop it.
    std::function<void(int& key)> onKeyPress;

protected:
    void changeEvent(QEvent* event) override;

private:
    class Box;
    class FieldWrite;
    // The minimum width from the items' widest text (measured when the items
    // change) and the text shown.
    void fitItems();
    void fitShown();
    void userChose(int index);
    void writeField(const QString& text);  // Editable

    Style style_;
    Box* box_;
    int index_ = -1;
    QString shownText_;          // ChooseOnly: what showText() shows with no item selected
    bool writingField_ = false;  // Editable: the list itself is writing its field
    int comboIndex_ = -1;        // Editable: the Qt box's current item as last seen
    int itemsWidth_ = 0;         // the widest item's text, pixels
};
