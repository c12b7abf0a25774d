#pragma once
// The port setup: chooses CommPortNo among COM1..COM12 and restarts the
// identification of the radio on it.

#include "platform/window.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Form_setup final : public Window {
public:
    Form_setup();

    QGroupBox* Frame1;
    std::array<QRadioButton*, 12> Option{};  // Option1..Option12 (Option[0] is Option1)
    std::array<QLabel*, 12> DeviceLabel{};   // the device beside each port
    QPushButton* Command_ok;
    QPushButton* Command1;

    void Command_ok_Click();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    QButtonGroup* group_;
};
