#pragma once
// The about box: the about texts and the system-information button.

#include "platform/system_info.h"
#include "platform/window.h"

#include <QString>

class QLabel;
class QPushButton;

class frmAbout final : public Window {
public:
    frmAbout();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOk;
    QPushButton* cmdSysInfo;

    void cmdOk_Click();
    void cmdSysInfo_Click();

    // Finds the system information tool and starts it, or shows a message.
    void StartSysInfo();

protected:
    void Form_Load() override;
};

// Reads the value SubKeyRef of the key KeyName into KeyVal; false (KeyVal
// empty) when there is none.
bool GetKeyValue(RegistryRoot KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);
