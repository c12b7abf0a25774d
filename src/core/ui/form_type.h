#pragma once
// The model select: chooses a row of the model band table and with it the
// band A limits. Nothing opens it (MDImain::ShowModelSelect is never called).

#include "platform/window.h"

class QComboBox;
class QLabel;
class QPushButton;

class Form_type final : public Window {
public:
    Form_type();

    QComboBox* Combo_type;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label_band;
    QPushButton* Command_enter;
    QPushButton* Command_Cancel;

    void Combo_type_Click();
    void Combo_type_Change();
    void Command_enter_Click();
    void Command_Cancel_Click();

protected:
    void Form_Load() override;

private:
    void showBand(int row);

    QString TypeText;  // the list text at the last selection, to undo typing
};
