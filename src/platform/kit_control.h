#pragma once
// The widget kit: the controls every editor window is built from, with the
// event rules the editors rely on (Qt's own defaults differ).
//
// Rules shared by every control of the kit:
// - Handlers are plain function members (onClick, onChange, onKeyPress, ...),
//   assigned by the window once it has built its controls. An unset handler
//   does nothing.
// - A value set by code runs the control's handler at once, inside the
//   setter, exactly as the user's action would; setting the value a control
//   already shows runs nothing. Handlers are never silenced: a handler may
//   change controls itself, and the nested handlers run to their end before
//   the outer one goes on.
// - Every key that would insert or delete text reaches onKeyPress(key)
//   first, whatever modifiers it carries, key being its character code:
//   printable characters their code (also typed with Alt, AltGr or Meta),
//   Backspace 8, Enter 13, Escape 27, and the editing keys their Ctrl
//   character (paste 22, cut 24, undo 26, redo 25, delete a word 127, delete
//   to the end 11, the whole line 21). The handler may replace the key or set
//   it to 0 to drop it; an editing key it leaves as it is does its edit.
//   Keys that neither type nor edit (arrows, Ctrl+C, Ctrl+A, function keys)
//   and Delete alone never reach it. Enter is never handed on to Qt (no
//   default buttons, no matching of a list's text). What no key brings (the
//   box's own menu, an input method, a screen reader) is not filtered; the
//   change handler sees it.
// - onGotFocus and onLostFocus run only for focus moves inside the
//   application: not when a message box or a drop-down list opens, not when
//   another application takes the focus, and not when the focus comes back
//   to the control that had it (see kit_focus.h). A control's onLostFocus
//   never runs again inside itself.
// - A handler that refuses a control's value gives the focus back through
//   returnFocusAfterRefusal(), never setFocus(): the user stays free to
//   leave the window, switch its page or close it.
// - A control that a label names (QLabel::setBuddy on the control) is read
//   by screen readers under the label's caption, as a plain Qt widget is
//   (accessible_names.h).

#include <QLabel>
#include <QPointer>
#include <QString>
#include <functional>

class QKeyEvent;
class QWidget;

class KitControl {
public:
    KitControl(const KitControl&) = delete;
    KitControl& operator=(const KitControl&) = delete;

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // A handler of this control refused its value and wants the user back
    // in it (its message follows). The focus comes back only when it went
    // to another control of this control's own window and this control is
    // still shown and enabled. A control being hidden, or left for another
    // window, takes nothing back: the focus stays where the user sent it,
    // and a refusal can never start a round of refusals.
    void returnFocusAfterRefusal();

    // Whether Tab (and the focus moving on from a control that is hidden)
    // stops at this control; a click still gives it the focus. On by default.
    void setTabStop(bool stop);

    // A label that names this control although its buddy is another one
    // (one caption over two boxes): screen readers hear this control under
    // the label's caption too, when no label has it as its buddy.
    void setCaptionLabel(QLabel* label);
    QLabel* captionLabel() const;

    // An editor laid over a grid's cell takes the cell's size: the grid's
    // column fits the values, so the editor keeps no width of its own for
    // them (kit_fit.h).
    void setCellEditor();
    bool isCellEditor() const { return cellEditor_; }

    // A control no label names (an editor laid over a grid's cell): screen
    // readers hear it under the caption this gives, asked anew whenever the
    // control is shown or takes the focus (KitGrid::nameEditor).
    void setCaptionSource(std::function<QString()> caption);
    QString captionFromSource() const;

protected:
    // `widget` is the control's own widget (the kit class itself).
    explicit KitControl(QWidget* widget);
    ~KitControl();

private:
    QWidget* widget_;
    bool cellEditor_ = false;
    QPointer<QLabel> captionLabel_;
    std::function<QString()> captionSource_;
};

// Runs a handler through a copy, so that a handler may replace itself.
inline void RaiseEvent(const std::function<void()>& handler)
{
    if (handler) {
        const auto run = handler;
        run();
    }
}

inline void RaiseKeyEvent(const std::function<void(int&)>& handler, int& key)
{
    if (handler) {
        const auto run = handler;
        run(key);
    }
}

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

// The character code a key filter judges for a key event (above), or -1
// when the key reaches no filter.
int KeyCharOf(const QKeyEvent& event);

// A caption as screen readers read it: its mnemonic marks dropped ("&&"
// stands for "&").
QString WithoutMnemonics(const QString& caption);

// Runs the character of a key event through onKeyPress. Returns false when
// the key reaches no filter: the caller handles it as usual. Otherwise the
// event is taken: unless the handler dropped the key, and unless it is
// Enter, `deliver` gets the key (the original event, or one for the
// replacement character) to hand on to Qt.
bool FilterCharKey(QKeyEvent* event, const std::function<void(int&)>& onKeyPress,
                   const std::function<void(QKeyEvent*)>& deliver);
