#include "platform/kit_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

class KitText::Edit final : public QLineEdit {
public:
    explicit Edit(KitText* owner)
        : QLineEdit(owner),
          owner_(owner)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!FilterCharKey(event, owner_->onKeyPress, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); }))
            QLineEdit::keyPressEvent(event);
    }

private:
    KitText* owner_;
};

KitText::KitText(QWidget* parent)
    : QWidget(parent),
      KitControl(this),
      edit_(new Edit(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    setFocusProxy(edit_);
    // Every change the user makes (typing, deleting, pasting) is a change.
    QObject::connect(edit_, &QLineEdit::textEdited, this, [this] { RaiseEvent(onChange); });
}

QString KitText::text() const
{
    return edit_->text();
}

void KitText::setText(const QString& text)
{
    if (text == edit_->text())
        return;
    edit_->setText(text);
    RaiseEvent(onChange);
}

void KitText::setPasswordChar(QChar ch)
{
    if (ch.isNull()) {
        edit_->setEchoMode(QLineEdit::Normal);
        edit_->setStyleSheet(QString());
        return;
    }
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(int(ch.unicode())));
}

QString KitText::displayText() const
{
    return edit_->displayText();
}

void KitText::setBackColor(QPalette::ColorRole role)
{
    backColor_ = role;
    QPalette shown = edit_->palette();
    shown.setColor(QPalette::Base, palette().color(role));
    edit_->setPalette(shown);
}
