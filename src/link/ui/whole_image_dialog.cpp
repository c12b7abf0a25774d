#include "link/ui/whole_image_dialog.h"

#include "link/link_texts.h"
#include "link/ui/editor_link.h"
#include "link/ui/password_box.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"
#include "platform/mdi_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
const BiText kCancel{QStringLiteral("取消"), QStringLiteral("Cancel")};
const BiText kHelp{QStringLiteral("帮助"), QStringLiteral("Help")};
const BiText kPassWord{QStringLiteral("读写密码"), QStringLiteral("PassWord")};
constexpr double kSizeDivisor = 3;
constexpr int kBarMaximum = 100;
}  // namespace

WholeImageDialog::WholeImageDialog()
    : Window(WindowKind::Child),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      startButton_(new KitButton(this)),
      Command_Cancel(new KitButton(this)),
      Command_Help(new KitButton(this)),
      Label_PassWord(new QLabel(this)),
      Text_PassWord(new KitText(this))
{
    ProgressBar1->setRange(0, kBarMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Label_tr_count->setTextFormat(Qt::PlainText);
    Label_PassWord->setBuddy(Text_PassWord);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addStretch();
    buttons->addWidget(Command_Cancel);
    buttons->addStretch();
    buttons->addWidget(Command_Help);
    buttons->addStretch();
    auto* password = new QHBoxLayout;
    password->addStretch();
    password->addWidget(Label_PassWord);
    password->addWidget(Text_PassWord);
    password->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    layout->addWidget(Label_tr_count);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    layout->addLayout(password);

    Command_Cancel->onClick = [this] { Command_Cancel_Click(); };
    // Command_Help has no action.
    SetUpPasswordBox(*Text_PassWord);
}

void WholeImageDialog::loadDialog(const BiText& title, const BiText& start, TransferParams params,
                                  const QString& password)
{
    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->Width() / kSizeDivisor;
        const double height = main->Height() / kSizeDivisor;
        Move((main->Width() - width) / 2, (main->Height() - height) / kSizeDivisor, width, height);
    }
    setWindowTitle(title.text());
    startButton_->setCaption(start.text());
    Command_Cancel->setCaption(kCancel.text());
    Command_Help->setCaption(kHelp.text());
    Label_PassWord->setText(kPassWord.text());

    engine_ = &own(std::make_unique<TransferEngine>(std::move(params)));
    engine_->onDisplayChanged = [this] { showTransfer(); };
    engine_->setProgressVisible(true);
    showTransfer();
    // The box the user sees is the password the transfer starts with.
    Text_PassWord->setText(password);
}

void WholeImageDialog::showTransfer()
{
    ProgressBar1->setVisible(engine_->progressVisible());
    ProgressBar1->setValue(engine_->progressValue());
    Label_tr_count->setText(engine_->label());
}

void WholeImageDialog::Command_Cancel_Click()
{
    if (CloseLink(*engine_, LinkText::CloseWhileBusy()))
        Windows::Unload(this);
}
