#include "link/ui/form_comm_write.h"

#include "core/open_edits.h"
#include "core/prompt.h"
#include "link/whole_image.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"

namespace {
const BiText kTitle{QStringLiteral("写数据到对讲机"), QStringLiteral("Write Data to Radio")};
const BiText kWrite{QStringLiteral("写入"), QStringLiteral("Write")};
const QString kPresetPassword = QStringLiteral("263958");
}  // namespace

Form_Comm_Write::Form_Comm_Write()
    : Command_Write(startButton_)
{
    Command_Write->onClick = [this] { Command_Write_Click(); };
}

void Form_Comm_Write::Form_Load()
{
    loadDialog(kTitle, kWrite, WholeWriteParams(), kPresetPassword);
}

void Form_Comm_Write::Command_Write_Click()
{
    if (engine().refuseIfBusy())
        return;
    // The radio gets what the editors show: the edits still open in their
    // cells go in first, and a refused one stops the write.
    if (!CommitOpenEdits())
        return;
    if (const std::optional<Message> refusal = PrepareWholeWrite(Edata)) {
        ShowMessage(*refusal);
        return;
    }
    engine().startWrite(Text_PassWord->text());
}
