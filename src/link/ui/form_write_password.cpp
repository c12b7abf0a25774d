#include "link/ui/form_write_password.h"

#include "core/language.h"
#include "core/numbers.h"
#include "core/prompt.h"
#include "core/timer.h"
#include "link/link_texts.h"
#include "link/ui/password_box.h"
#include "platform/kit_button.h"
#include "platform/kit_control.h"
#include "platform/kit_text.h"
#include "platform/mdi_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const BiText kTitle{QStringLiteral("修改密码"), QStringLiteral("Modify PassWord")};
const BiText kOld{QStringLiteral("原密码"), QStringLiteral("Old PassWord")};
const BiText kNew1{QStringLiteral("新密码"), QStringLiteral("New PassWord")};
const BiText kNew2{QStringLiteral("确认新密码"), QStringLiteral("Confirm PassWord")};
const BiText kModify{QStringLiteral("修改"), QStringLiteral("Modify")};
const BiText kClose{QStringLiteral("关闭"), QStringLiteral("Close")};
constexpr double kWidthDivisor = 4;
constexpr double kHeightDivisor = 3;
constexpr double kRaiseTwips = 500;
constexpr int kCloseRequested = -1;
constexpr int kPollMs = 500;
constexpr int kFullLength = 5;  // a box whose trimmed text is longer takes no more keys

// The typing limit of the three boxes.
void LimitKey(const KitText& box, int& key)
{
    if (key != kKeyBackspace && TrimBlanks(box.text()).size() > kFullLength)
        key = 0;
}
}  // namespace

Form_Write_PassWord::Form_Write_PassWord()
    : Window(WindowKind::Child),
      Command_Write(new KitButton(this)),
      Command_Cancel(new KitButton(this)),
      Label_old_PassWord(new QLabel(this)),
      Text_Old_PassWord(new KitText(this)),
      Label_New_Password_1(new QLabel(this)),
      Text_New_Password_1(new KitText(this)),
      Label_New_PassWord_2(new QLabel(this)),
      Text_New_PassWord_2(new KitText(this))
{
    auto* boxes = new QGridLayout;
    const std::array<std::pair<QLabel*, KitText*>, 3> rows{{{Label_old_PassWord, Text_Old_PassWord},
                                                            {Label_New_Password_1, Text_New_Password_1},
                                                            {Label_New_PassWord_2, Text_New_PassWord_2}}};
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        QLabel* label = rows[static_cast<std::size_t>(r)].first;
        label->setBuddy(rows[static_cast<std::size_t>(r)].second);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes->addWidget(label, r, 0);
        boxes->addWidget(rows[static_cast<std::size_t>(r)].second, r, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_Write);
    buttons->addStretch();
    buttons->addWidget(Command_Cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addStretch();
    layout->addLayout(buttons);

    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_Cancel->onClick = [this] { Command_Cancel_Click(); };
    SetUpPasswordBox(*Text_Old_PassWord, [](const QString& text) { Text_Old_PassWord_Change(text); });
    SetUpPasswordBox(*Text_New_Password_1, nullptr);
    SetUpPasswordBox(*Text_New_PassWord_2, nullptr);
    Text_Old_PassWord->onKeyPress = [this](int& key) { Text_Old_PassWord_KeyPress(key); };
    Text_New_Password_1->onKeyPress = [this](int& key) { Text_New_Password_1_KeyPress(key); };
    Text_New_PassWord_2->onKeyPress = [this](int& key) { Text_New_PassWord_2_KeyPress(key); };
}

void Form_Write_PassWord::Form_Load()
{
    CloseReq = 0;
    setWindowTitle(kTitle.text());
    Label_old_PassWord->setText(kOld.text());
    Label_New_Password_1->setText(kNew1.text());
    Label_New_PassWord_2->setText(kNew2.text());
    Command_Write->setCaption(kModify.text());
    Command_Cancel->setCaption(kClose.text());

    if (MdiFrame* main = Windows::Frame()) {
        const double sw = main->ScaleWidth();
        const double sh = main->ScaleHeight();
        const double width = sw / kWidthDivisor;
        const double height = sh / kHeightDivisor;
        Move((sw - width) / 2, (sh - height) / 2 - kRaiseTwips, width, height);
    }

    link_ = &own(std::make_unique<PasswordChangeLink>());
    link_->onFinished = [this](PasswordChangeEnd end) { finished(end); };
    Timer4 = &own(SystemClock().createTimer());
    Timer4->onTick = [this] { Timer4_Timer(); };
    Timer4->setInterval(kPollMs);

    Show();
    for (KitText* box : {Text_Old_PassWord, Text_New_Password_1, Text_New_PassWord_2})
        box->setText(QString());
    // An untouched empty box is an empty old password, whatever an earlier
    // opening left in PassOld.
    Text_Old_PassWord_Change(Text_Old_PassWord->text());
}

void Form_Write_PassWord::Text_Old_PassWord_KeyPress(int& key)
{
    LimitKey(*Text_Old_PassWord, key);
}

void Form_Write_PassWord::Text_New_Password_1_KeyPress(int& key)
{
    LimitKey(*Text_New_Password_1, key);
}

void Form_Write_PassWord::Text_New_PassWord_2_KeyPress(int& key)
{
    LimitKey(*Text_New_PassWord_2, key);
}

void Form_Write_PassWord::Command_Write_Click()
{
    link_->Command_Write_Click(Text_New_Password_1->text(), Text_New_PassWord_2->text());
}

void Form_Write_PassWord::Command_Cancel_Click()
{
    if (link_->busy()) {
        ShowMessage(LinkText::CloseWhileBusy());
        return;
    }
    link_->closePort();
    Windows::Unload(this);
}

void Form_Write_PassWord::finished(PasswordChangeEnd end)
{
    if (end != PasswordChangeEnd::Changed)
        return;
    // The success message has been dismissed: PassOld and PassNew are
    // blanks again, and so are the boxes.
    for (KitText* box : {Text_Old_PassWord, Text_New_Password_1, Text_New_PassWord_2})
        box->setText(QString());
    CloseReq = kCloseRequested;
    Timer4->setEnabled(true);
}

void Form_Write_PassWord::Timer4_Timer()
{
    if (CloseReq == kCloseRequested && !MessageBoxOpen())
        Windows::Unload(this);
}
