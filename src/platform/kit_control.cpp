#include "platform/kit_control.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

// The editing keys that change a box's text without typing a character, as
// the platform binds them (Ctrl+V, Shift+Insert, Ctrl+Backspace, ...), each
// with the control character a keyboard gives with Ctrl for it.
struct EditKey {
    QKeySequence::StandardKey action;
    int code;
};
constexpr EditKey kEditKeys[] = {
    {QKeySequence::Paste, 0x16},               // Ctrl+V
    {QKeySequence::Cut, 0x18},                 // Ctrl+X
    {QKeySequence::Undo, 0x1A},                // Ctrl+Z
    {QKeySequence::Redo, 0x19},                // Ctrl+Y
    {QKeySequence::DeleteStartOfWord, 0x7F},   // Ctrl+Backspace
    {QKeySequence::DeleteEndOfWord, 0x7F},     // Ctrl+Delete
    {QKeySequence::DeleteEndOfLine, 0x0B},     // Ctrl+K
    {QKeySequence::DeleteCompleteLine, 0x15},  // Ctrl+U
};

}  // namespace

int KeyCharOf(const QKeyEvent& event)
{
    for (const EditKey& edit : kEditKeys) {
        if (event.matches(edit.action))
            return edit.code;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
        return kKeyBackspace;  // also with Shift or Alt: it deletes one character
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    // A character is typed whatever modifiers it carries (Shift, Alt, AltGr,
    // which some platforms send as Ctrl+Alt, Meta), except Ctrl alone or with
    // Shift: such a key is a shortcut and types nothing.
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return -1;
    const QString text = event.text();
    if (text.size() != 1)
        return -1;
    const char16_t code = text.at(0).unicode();
    if (code < 0x20 || code == 0x7F)
        return -1;
    return code;
}

QString WithoutMnemonics(const QString& caption)
{
    QString plain;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

namespace {

// The Qt key of a character code, as a keyboard would send it.
int QtKeyOf(int code)
{
    switch (code) {
    case kKeyBackspace:
        return Qt::Key_Backspace;
    case kKeyEnter:
        return Qt::Key_Return;
    case kKeyEscape:
        return Qt::Key_Escape;
    default:
        break;
    }
    if (code >= 'a' && code <= 'z')
        return Qt::Key_A + (code - 'a');
    if (code >= 0x20 && code < 0x7F)
        return code;  // Qt's keys for printable ASCII are their (capital) codes
    return Qt::Key_unknown;
}

}  // namespace

bool FilterCharKey(QKeyEvent* event, const std::function<void(int&)>& onKeyPress,
                   const std::function<void(QKeyEvent*)>& deliver)
{
    const int original = KeyCharOf(*event);
    if (original < 0)
        return false;
    event->accept();
    int key = original;
    RaiseKeyEvent(onKeyPress, key);
    if (key <= 0 || key > 0xFFFF || key == kKeyEnter)
        return true;
    if (key == original) {
        deliver(event);
        return true;
    }
    QKeyEvent replacement(QEvent::KeyPress, QtKeyOf(key), Qt::NoModifier, QString(QChar(static_cast<char16_t>(key))));
    deliver(&replacement);
    return true;
}
