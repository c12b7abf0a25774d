#include "core/ui/frm_about.h"

#include "core/language_texts.h"
#include "core/prompt.h"
#include "platform/mdi_frame.h"
#include "platform/system_info.h"
#include "platform/tool_bar.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The box keeps its design size (twips).
constexpr double kDesignWidth = 5730;
constexpr double kDesignHeight = 3900;
constexpr double kRaiseTwips = 500;

const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoValue = QStringLiteral("PATH");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoLocationValue = QStringLiteral("MSINFO");
const QString kSysInfoProgram = QStringLiteral("\\MSINFO32.EXE");

// No English form; no icon and the application's own title.
Message SysInfoUnavailable()
{
    return {SameText(QStringLiteral("此时系统信息不可用")), BiText{}, MessageIcon::None};
}

enum AboutText { Title, Version, Description, Disclaimer, OkCaption, SysInfoCaption };
}  // namespace

frmAbout::frmAbout()
    : Window(WindowKind::Child),
      picIcon(new QLabel(this)),
      lblTitle(new QLabel(this)),
      lblVersion(new QLabel(this)),
      lblDescription(new QLabel(this)),
      lblDisclaimer(new QLabel(this)),
      cmdOk(new QPushButton(this)),
      cmdSysInfo(new QPushButton(this))
{
    picIcon->setPixmap(ToolIcon(QStringLiteral("radio")).pixmap(32, 32));
    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(bottom);

    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load()
{
    SetLanguageTexts();
    setWidth(kDesignWidth);
    setHeight(kDesignHeight);
    if (MdiFrame* main = Windows::Frame()) {
        setTop((main->ScaleHeight() - Height()) / 2 - kRaiseTwips);
        setLeft((main->ScaleWidth() - Width()) / 2);
    }
    setWindowTitle(AboutTexts[Title]);
    lblTitle->setText(AboutTexts[Title]);
    lblVersion->setText(AboutTexts[Version]);
    lblDescription->setText(AboutTexts[Description]);
    lblDisclaimer->setText(AboutTexts[Disclaimer]);
    cmdOk->setText(AboutTexts[OkCaption]);
    cmdSysInfo->setText(AboutTexts[SysInfoCaption]);
}

void frmAbout::cmdOk_Click()
{
    Windows::Unload(this);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString path;
    bool found = GetKeyValue(RegistryRoot::LocalMachine, kSysInfoKey, kSysInfoValue, path);
    if (!found && GetKeyValue(RegistryRoot::LocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, path)) {
        if (QFileInfo::exists(path + kSysInfoProgram)) {
            path += kSysInfoProgram;
            found = true;
        }
    }
    if (found && StartProgram(path))
        return;
    ShowMessage(SysInfoUnavailable());
}

bool GetKeyValue(RegistryRoot KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    return ReadRegistryValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}
