// The two ".dat" dialogs: they do the file work themselves.

#include "core/dat_file.h"
#include "core/file_handover.h"
#include "core/open_edits.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"

#include <QPointer>

namespace {

const FileNameRule kDatRule{4, {QStringLiteral(".dat"), QStringLiteral(".DAT")}};
const QString kDatPattern = QStringLiteral("*.dat");

const FileDialogTexts kOpenTexts{
    {QStringLiteral("打开文件"), QStringLiteral("Open File")},
    {QStringLiteral("打开文件名："), QStringLiteral("Open File:")},
    {QStringLiteral("打开文件名无效 "), QStringLiteral("Open the file name is nullity ")},
    {QStringLiteral("无效的文件后缀名！"), QStringLiteral("Nullity file suffix name.")},
};
const BiText kLoaded{QStringLiteral("参数从文件调入成功 ！"), QStringLiteral("Succeed fold the parameter from file.")};

const FileDialogTexts kSaveTexts{
    {QStringLiteral("保存文件"), QStringLiteral("Save File")},
    {QStringLiteral("保存文件名："), QStringLiteral("Save File:")},
    {QStringLiteral("保存文件所需要的文件名无效 "), QStringLiteral("Store the file name is nullity. ")},
    {QStringLiteral("建议不要修改系统默认的文件后缀名！"),
     QStringLiteral("Advice don't modify file suffix name of system default ！")},
};
const BiText kSaved{QStringLiteral("参数保存完毕 ！"), QStringLiteral("Complete storing  parameter.")};

// Shows the outcome of the file work: the success text and then the dialog
// closes, or the error and the dialog stays open for another name.
void Report(FileDialog* dialog, const DatResult& result, const BiText& success)
{
    if (!result.ok()) {
        ShowMessage(*result.error);
        return;
    }
    QPointer<FileDialog> guard(dialog);
    ShowMessage({success, FileDialogTitle(), MessageIcon::Exclamation});
    // Other events ran while the box was open: the dialog may be gone.
    if (guard != nullptr && guard->isLoaded())
        Windows::Unload(guard.data());
}

}  // namespace

Form_open_chann::Form_open_chann()
    : FileDialog(WindowKind::Child, {kDatPattern, kDatRule, kOpenTexts})
{
}

void Form_open_chann::accept(const QString& path)
{
    FileOpenPending = 0;
    Report(this, LoadDatFile(path), kLoaded);
}

Form_save_chann::Form_save_chann()
    : FileDialog(WindowKind::TopLevel, {kDatPattern, kDatRule, kSaveTexts})
{
}

void Form_save_chann::accept(const QString& path)
{
    // The file holds what the editors show: the edits still open in their
    // cells go in first, and a refused one saves nothing.
    if (!CommitOpenEdits())
        return;
    FileSavePending = 0;
    Report(this, SaveDatFile(path), kSaved);
}
