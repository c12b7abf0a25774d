#include "platform/kit_control.h"

#include <QKeyEvent>

int KeyCharOf(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;  // shortcuts
    switch (event.key()) {
    case Qt::Key_Backspace:
        return kKeyBackspace;
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
