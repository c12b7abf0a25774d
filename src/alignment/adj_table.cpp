#include "alignment/adj_table.h"

#include "core/adjust_defaults.h"
#include "core/numbers.h"
#include "core/painting.h"

namespace {

constexpr int kDigitWeights[kAdjDigitsPerLimit] = {100, 10, 1};

}  // namespace

QString AdjPointCaption(int mhz)
{
    return QString::number(mhz) + QStringLiteral("MHZ");
}

int AdjBoxCount(AdjBox box)
{
    return box == AdjBox::Text_SQ_VHF || box == AdjBox::Text_SQ_UHF ? kAdjSqlLevels : kAdjPoints;
}

int AdjBoxMax(AdjBox box)
{
    switch (box) {
    case AdjBox::Text1:
    case AdjBox::Text2:
        return 15;
    case AdjBox::Text_SQ_VHF:
    case AdjBox::Text_SQ_UHF:
        return 100;
    case AdjBox::Text_Sq_Offset_VHF:
    case AdjBox::Text_Sq_Offset_UHF:
        return 10;
    }
    return 0;
}

std::optional<AdjCell> AdjBoxCell(AdjBox box, int index, int page)
{
    if (index < 0 || index >= AdjBoxCount(box))
        return std::nullopt;
    switch (box) {
    case AdjBox::Text1:
    case AdjBox::Text2:
        // The power boxes stand for rows only on the two power pages.
        if (page != AdjPage::TxpHigh && page != AdjPage::TxpLow)
            return std::nullopt;
        return AdjCell{2 * page + (box == AdjBox::Text2 ? 1 : 0), index};
    case AdjBox::Text_SQ_VHF:
        return AdjCell{AdjRow::SqlVhf, index};
    case AdjBox::Text_Sq_Offset_VHF:
        return AdjCell{AdjRow::SqlOffsetVhf, index};
    case AdjBox::Text_SQ_UHF:
        return AdjCell{AdjRow::SqlUhf, index};
    case AdjBox::Text_Sq_Offset_UHF:
        return AdjCell{AdjRow::SqlOffsetUhf, index};
    }
    return std::nullopt;
}

QString AdjPointText(int value)
{
    return QString::number(value);
}

const std::array<AdjSetting, 13>& AdjSettings()
{
    static const std::array<AdjSetting, 13> settings{{
        {0, 127, QStringLiteral("话音调制度")},
        {1, 63, QStringLiteral("模拟哑音调制度")},
        {2, 63, QStringLiteral("数字哑音调制度")},
        {3, 15, QStringLiteral("宽带接收音量粗调")},
        {4, 15, QStringLiteral("宽带接收音量细调")},
        {5, 15, QStringLiteral("窄带接收音量粗调")},
        {6, 15, QStringLiteral("窄带接收音量细调")},
        {7, 15, QStringLiteral("提示音音量粗调")},
        {8, 15, QStringLiteral("提示音音量细调")},
        {9, 15, QStringLiteral(" VHF 段驱动功率选择")},
        {10, 15, QStringLiteral("UHF 段驱动功率选择")},
        {11, 255, QStringLiteral("功率管控制温度")},
        {12, 127, QStringLiteral("信令调制度")},
    }};
    return settings;
}

QStringList AdjListItems(int lastValue)
{
    QStringList items;
    items.reserve(lastValue + 1);
    for (int v = 0; v <= lastValue; ++v)
        items << QLatin1Char(' ') + QString::number(v);
    return items;
}

int AdjListIndexOf(int value, int lastValue)
{
    return ListItemOf(value, lastValue + 1);
}

int AdjLimitValue(AdjLimit limit, const AdjTable& table)
{
    int value = 0;
    for (int d = 0; d < kAdjDigitsPerLimit; ++d)
        value += kDigitWeights[d] * table(AdjLimitRow, AdjLimitFirstCol(limit) + d);
    return value;
}

QString AdjLimitText(AdjLimit limit, const AdjTable& table)
{
    return SignedText(AdjLimitValue(limit, table));
}

const std::array<AdjPageInfo, 5>& AdjPages()
{
    static const std::array<AdjPageInfo, 5> pages{{
        {AdjPage::TxpHigh, QStringLiteral("Adj_Txp_High"), QStringLiteral("发射功率（高）"),
         QStringLiteral("发射功率调整（高功率）"), QStringLiteral("发射功率调整（高功率）")},
        {AdjPage::TxpLow, QStringLiteral("Adj_Txp_Low"), QStringLiteral("发射功率（低）"),
         QStringLiteral("发射功率调整（低功率）"), QStringLiteral("发射功率调整（低功率）")},
        {AdjPage::Squelch, QStringLiteral("Adj_Sql_Leve"), QStringLiteral("静噪等级"), QStringLiteral("静噪等级调整"),
         QString()},
        {AdjPage::Settings, QStringLiteral("Adj_Dev_Leve"), QStringLiteral("调制、音量"),
         QStringLiteral("调制度、输出音量调整"), QString()},
        {AdjPage::Limits, QStringLiteral("Adj_Other"), QStringLiteral("频率范围"), QStringLiteral("频率范围"),
         QString()},
    }};
    return pages;
}

std::optional<int> AdjPageOfKey(const QString& key)
{
    for (const AdjPageInfo& info : AdjPages()) {
        if (info.key == key)
            return info.page;
    }
    return std::nullopt;
}

void Adj_CopyDefaults(AdjTable& table, const AdjTable& defaults)
{
    CopyAdjDefaults(table, defaults, AdjRow::LastDefault + 1);
}
