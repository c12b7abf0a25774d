#include "core/language_texts.h"

std::array<QString, 6> AboutTexts;
std::array<QString, 4> TwoToneResp;
std::array<QString, 9> DecodeFuncNames;

const std::array<BiText, 6> kAboutTexts{{
    {QStringLiteral("双段车载电台编程软件"), QStringLiteral("Dual-band mobile radio programming software")},
    {QStringLiteral("车载电台编程软件开发组 2008-2011"),
     QStringLiteral("Mobile radio programming software group 2008-2011")},
    {QStringLiteral("本软件由车载电台编程软件开发组设计"),
     QStringLiteral("This software is designed by the mobile radio programming software group.")},
    {QStringLiteral("警告：本程序受著作权保护。未经许可，不得复制或传播本程序的全部或部分。"),
     QStringLiteral("Warning: this program is protected by copyright. Copying or passing on the program or any "
                    "part of it without permission is not allowed.")},
    {QStringLiteral("确定"), QStringLiteral("Confirm")},
    {QStringLiteral("系统信息(&S)..."), QStringLiteral("System Information(&S)...")},
}};

const std::array<BiText, 4> kTwoToneResp{{
    {QStringLiteral("0.无"), QStringLiteral("0.None")},
    {QStringLiteral("1.提醒"), QStringLiteral("1.Alert")},
    {QStringLiteral("2.回复"), QStringLiteral("2.Transpond")},
    {QStringLiteral("3.提醒并回"), QStringLiteral("3.Alert+Transpond")},
}};

const std::array<BiText, 9> kDecodeFuncNames{{
    {QStringLiteral("0.通话"), QStringLiteral("0.Open Speak")},
    {QStringLiteral("1.主叫"), QStringLiteral("1.Primary Caller ID")},
    {QStringLiteral("2.被叫"), QStringLiteral("2.Secondary Caller ID")},
    {QStringLiteral("3.监听"), QStringLiteral("3.Monitor")},
    {QStringLiteral("4.巡查"), QStringLiteral("4.Inspection ")},
    {QStringLiteral("5.报警"), QStringLiteral("5.Emergency")},
    {QStringLiteral("6.遥晕"), QStringLiteral("6.Stun")},
    {QStringLiteral("7.遥毙"), QStringLiteral("7.Kill")},
    {QStringLiteral("8.开机"), QStringLiteral("8.Revive")},
}};

namespace {

template <std::size_t N> void Choose(std::array<QString, N>& target, const std::array<BiText, N>& texts)
{
    for (std::size_t i = 0; i < N; ++i)
        target[i] = texts[i].text();
}

}  // namespace

void SetLanguageTexts()
{
    Choose(AboutTexts, kAboutTexts);
    Choose(TwoToneResp, kTwoToneResp);
    Choose(DecodeFuncNames, kDecodeFuncNames);
}
