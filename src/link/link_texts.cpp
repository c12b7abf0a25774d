#include "link/link_texts.h"

Message PortErrorMessage(PortErrorVariant variant)
{
    const QString chinese = QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！");
    if (variant == PortErrorVariant::Short)
        return {{chinese, QStringLiteral("Communication Port Open Error ！")}, Titles::OperatePromptUpper};
    return {{chinese, QStringLiteral("Communication port is error, please setting right communication port . ！")},
            Titles::OperatePromptLower};
}
