#pragma once
// A push button (Command_ controls) and a check box (Check_ controls) with
// the kit's rules (kit_control.h).

#include "platform/kit_control.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QPushButton;

class KitButton final : public QWidget, public KitControl {
public:
    explicit KitButton(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

    // Presses the button from code: onClick runs at once.
    void click();

    // The user pressed the button (mouse, Space) or code called click().
    std::function<void()> onClick;

private:
    QPushButton* button_;
};

class KitCheck final : public QWidget, public KitControl {
public:
    explicit KitCheck(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

    // 0 unchecked, 1 checked. Setting another value runs onClick; setting
    // the value the box shows runs nothing. Other values are ignored.
    int value() const;
    void setValue(int value);

    // The value changed, by the user or by setValue.
    std::function<void()> onClick;

private:
    QCheckBox* box_;
};
