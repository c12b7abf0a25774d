#include "core/ui/hand_over_dialogs.h"

#include "core/file_handover.h"

namespace {

FileNameRule RuleFor(const QString& extension)
{
    return {static_cast<int>(extension.size()), {extension, extension.toUpper()}};
}

const BiText kOpenFile{QStringLiteral("打开文件名："), QStringLiteral("Open File:")};
const BiText kSaveFile{QStringLiteral("保存文件名："), QStringLiteral("Save File:")};
const BiText kKeepDefaultSuffix{QStringLiteral("建议不要修改系统默认的文件后缀名！"),
                                QStringLiteral("Advice don't modify file suffix name of system default.")};

FileDialogSetup AdjOpen()
{
    return {QStringLiteral("*.adj"),
            RuleFor(QStringLiteral(".adj")),
            {{QStringLiteral("打开调整参数文件"), QStringLiteral("Open Adjust File")},
             kOpenFile,
             {QStringLiteral("打开信道参数文件名无效 "),
              QStringLiteral("Open the file name of channel parameter is nullity ")},
             {QStringLiteral("无效的调整参数文件后缀名！"),
              QStringLiteral("Nullity file suffix name of adjust parameter.")}}};
}

FileDialogSetup AdjSave()
{
    return {QStringLiteral("*.adj"),
            RuleFor(QStringLiteral(".adj")),
            {{QStringLiteral("保存调整参数文件"), QStringLiteral("Save Adjust File")},
             kSaveFile,
             {QStringLiteral("保存调整参数所需要的文件名无效 "),
              QStringLiteral("Store the file name of adjust parameter need is nullity. ")},
             {QStringLiteral("建议不要修改系统默认的文件后缀名！"),
              QStringLiteral("Advice don't modify file suffix name of system default ！")}}};
}

FileDialogSetup SigOpen()
{
    return {QStringLiteral("*.sig"),
            RuleFor(QStringLiteral(".sig")),
            {{QStringLiteral("打开信令参数文件"), QStringLiteral("Open Signal File")},
             kOpenFile,
             {QStringLiteral("打开信令参数文件名无效 "),
              QStringLiteral("Open the file name of Signal parameter is nullity. ")},
             {QStringLiteral("无效的信令参数文件后缀名！"),
              QStringLiteral("Nullity file suffix name of Signal parameter.")}}};
}

FileDialogSetup SigSave()
{
    return {QStringLiteral("*.sig"),
            RuleFor(QStringLiteral(".sig")),
            {{QStringLiteral("保存信令参数文件"), QStringLiteral("Save Signal File ")},
             kSaveFile,
             {QStringLiteral("保存信令参数所需要的文件名无效 "),
              QStringLiteral("Store the file name of Signal parameter need is nullity.")},
             kKeepDefaultSuffix}};
}

FileDialogSetup MenuOpen()
{
    return {QStringLiteral("*.menu"),
            RuleFor(QStringLiteral(".menu")),
            {{QStringLiteral("打开可选参数文件"), QStringLiteral("Open Optional File")},
             kOpenFile,
             {QStringLiteral("打开系统参数文件名无效 "),
              QStringLiteral("Open the file name of system parameter is nullity. ")},
             {QStringLiteral("无效的系统参数文件后缀名！"),
              QStringLiteral("Nullity file suffix name of system parameter.")}}};
}

FileDialogSetup MenuSave()
{
    return {QStringLiteral("*.menu"),
            RuleFor(QStringLiteral(".menu")),
            {{QStringLiteral("保存可选参数文件"), QStringLiteral("Save Optional File ")},
             kSaveFile,
             {QStringLiteral("保存系统参数所需要的文件名无效 "),
              QStringLiteral("Store the file name of system parameter need is nullity.")},
             kKeepDefaultSuffix}};
}

}  // namespace

HandOverDialog::HandOverDialog(FileDialogSetup setup, int& pendingFlag)
    : FileDialog(WindowKind::TopLevel, std::move(setup)),
      pendingFlag_(pendingFlag)
{
}

void HandOverDialog::accept(const QString&)
{
    pendingFlag_ = kHandOverPending;
    Windows::Unload(this);
}

Form_open_adj::Form_open_adj()
    : HandOverDialog(AdjOpen(), FileOpenPending)
{
}
Form_save_adj::Form_save_adj()
    : HandOverDialog(AdjSave(), FileSavePending)
{
}
Form_open_sig::Form_open_sig()
    : HandOverDialog(SigOpen(), SigOpenPending)
{
}
Form_save_sig::Form_save_sig()
    : HandOverDialog(SigSave(), SigSavePending)
{
}
Form_open_menu::Form_open_menu()
    : HandOverDialog(MenuOpen(), MenuOpenPending)
{
}
Form_save_menu::Form_save_menu()
    : HandOverDialog(MenuSave(), MenuSavePending)
{
}
