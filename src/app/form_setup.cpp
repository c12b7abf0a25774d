#include "app/form_setup.h"

#include "app/mdimain.h"
#include "core/language.h"
#include "core/status_panels.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "platform/serial_port.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const BiText kCaption{QStringLiteral("通讯端口设置"), QStringLiteral("Communication Port Setup")};
const BiText kFrame1{QStringLiteral("端口设置"), QStringLiteral("Port Setup")};
const BiText kConfirm{QStringLiteral("确 定"), QStringLiteral("Confirm")};
const BiText kCancel{QStringLiteral("取 消"), QStringLiteral("Cancel")};
// The status panels that show what the radio reported.
constexpr std::array<int, 5> kIdentityPanels{2, 4, 6, 8, 10};
constexpr double kWidthDivisor = 1.9;
constexpr double kHeightDivisor = 2;
constexpr double kRaiseTwips = 500;
constexpr int kColumns = 2;
}  // namespace

Form_setup::Form_setup()
    : Window(WindowKind::Child),
      Frame1(new QGroupBox(this)),
      Command_ok(new QPushButton(this)),
      Command1(new QPushButton(this)),
      group_(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(Frame1);
    for (int i = 0; i < kPortCount; ++i) {
        const int n = i + 1;
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), Frame1);
        auto* device = new QLabel(PortDevice(n), Frame1);
        device->setEnabled(false);  // shown greyed: it describes, it is not chosen
        option->setAccessibleDescription(PortDevice(n));
        group_->addButton(option, n);
        const int row = i / kColumns;
        const int col = (i % kColumns) * 2;
        grid->addWidget(option, row, col);
        grid->addWidget(device, row, col + 1);
        Option[i] = option;
        DeviceLabel[i] = device;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_ok);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);

    Command_ok->setDefault(true);
    connect(Command_ok, &QPushButton::clicked, this, [this] { Command_ok_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form_setup::Form_Load()
{
    setWindowTitle(kCaption.text());
    Frame1->setTitle(kFrame1.text());
    Command_ok->setText(kConfirm.text());
    Command1->setText(kCancel.text());

    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->ScaleWidth() / kWidthDivisor;
        const double height = main->ScaleHeight() / kHeightDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2 - kRaiseTwips, width, height);
    }
    Show();

    group_->setExclusive(false);
    for (QRadioButton* option : Option)
        option->setChecked(false);
    group_->setExclusive(true);
    if (CommPortNo >= 1 && CommPortNo <= kPortCount)
        Option[CommPortNo - 1]->setChecked(true);
}

void Form_setup::Command_ok_Click()
{
    for (int n = 1; n <= kPortCount; ++n) {
        if (Option[n - 1]->isChecked())
            CommPortNo = n;
    }
    for (int panel : kIdentityPanels)
        StatusBar1.setText(panel, QString());

    auto* main = Windows::Find<MDImain>();
    if (main == nullptr)
        return;
    StartupIdentification& link = main->Identification();
    // The identification may still hold the port (or wait to retry on it):
    // end it first, so that the test below does not fail on our own port.
    link.Stop();
    link.OpenCommPort();
    if (PortError == 0) {
        link.ConnectRadio();
        Windows::Unload(this);
    }
}

void Form_setup::Command1_Click()
{
    Windows::Unload(this);
}
