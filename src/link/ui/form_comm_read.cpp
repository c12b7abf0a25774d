#include "link/ui/form_comm_read.h"

#include "core/prompt.h"
#include "core/timer.h"
#include "link/password_entry.h"
#include "link/whole_image.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"

namespace {
const BiText kTitle{QStringLiteral("从对讲机读取数据"), QStringLiteral("Read Data From Radio")};
const BiText kRead{QStringLiteral("读取"), QStringLiteral("Read")};
constexpr int kCloseRequested = -1;
constexpr int kPollMs = 200;
}  // namespace

Form_Comm_Read::Form_Comm_Read()
    : Command_read(startButton_)
{
    Command_read->onClick = [this] { Command_read_Click(); };
}

void Form_Comm_Read::Form_Load()
{
    CloseReq = 0;
    loadDialog(kTitle, kRead, WholeReadParams(), kPresetPassword);
    Timer4 = &own(SystemClock().createTimer());
    Timer4->onTick = [this] { Timer4_Timer(); };
    Timer4->start(kPollMs);
}

void Form_Comm_Read::Command_read_Click()
{
    engine().startRead(Text_PassWord->text());
}

void Form_Comm_Read::Timer4_Timer()
{
    if (CloseReq == kCloseRequested && !MessageBoxOpen())
        Windows::Unload(this);
}
