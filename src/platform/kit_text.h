#pragma once
// A text box (Text_ controls): one line of text with the kit's rules
// (kit_control.h).

#include "platform/kit_control.h"

#include <QPalette>
#include <QString>
#include <QWidget>

class QLineEdit;

class KitText final : public QWidget, public KitControl {
public:
    explicit KitText(QWidget* parent = nullptr);

    QString text() const;
    // Runs onChange when the text changes.
    void setText(const QString& text);

    // Shows this character for every character of the text (password boxes);
    // a null character shows the text itself.
    void setPasswordChar(QChar ch);
    // What the box shows (the password characters of a password box).
    QString displayText() const;

    // The box holds at most `count` of the characters `chars` (its longest
    // value): it is never narrower than it takes to show that many of the
    // widest of them whole, wherever the window places it.
    void setFitText(int count, const QString& chars);

    // The box's background: the colour of a role of its palette (the system
    // colours by role: Base, the usual one; HighlightedText; Button).
    void setBackColor(QPalette::ColorRole role);
    QPalette::ColorRole backColor() const { return backColor_; }

    // The text changed, whoever changed it: typing, setText, an input
    // method, the accessibility interface. Once per change; never for a
    // text set to the one shown.
    std::function<void()> onChange;
    // A typed character (kit_control.h); set the key to 0 to drop it.
    std::function<void(int& key)> onKeyPress;

protected:
    void changeEvent(QEvent* event) override;

private:
    class Edit;
    void fitWidest();

    Edit* edit_;
    QPalette::ColorRole backColor_ = QPalette::Base;
    int fitCount_ = 0;
    QString fitChars_;
};
