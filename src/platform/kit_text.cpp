#include "platform/kit_text.h"

#include "platform/kit_fit.h"

#include <QFontMetricsF>
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
    // Every change of the text is a change, whoever made it: typing,
    // deleting, pasting, undo, setText, an input method, a screen reader or
    // an on-screen keyboard through the accessibility interface. Qt says
    // nothing when a text is set to what the box holds.
    QObject::connect(edit_, &QLineEdit::textChanged, this, [this] { RaiseEvent(onChange); });
}

QString KitText::text() const
{
    return edit_->text();
}

void KitText::setText(const QString& text)
{
    edit_->setText(text);  // onChange runs inside, when the text changes
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

void KitText::setFitText(int count, const QString& chars)
{
    fitCount_ = count;
    fitChars_ = chars;
    fitWidest();
}

void KitText::fitWidest()
{
    if (fitCount_ <= 0 || fitChars_.isEmpty() || isCellEditor())
        return;
    setMinimumWidth(LineEditWidthFor(*edit_, QString(fitCount_, WidestChar(QFontMetricsF(edit_->font()), fitChars_))));
}

void KitText::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitWidest();
}
