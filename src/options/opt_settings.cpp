#include "options/opt_settings.h"

#include "core/option_defaults.h"

namespace {

constexpr int kChannelItems = 200;
constexpr int kTotItems = 40;  // 15 to 600 seconds
constexpr int kTotStep = 15;

QStringList Prefixed(const QString& first, const QStringList& rest)
{
    return QStringList{first} + rest;
}

QStringList TotItems()
{
    QStringList items;
    for (int i = 0; i < kTotItems; ++i)
        items << QString::number(kTotStep * (i + 1));
    return items;
}

std::vector<OptSetting> BuildSettings()
{
    const QString off = QStringLiteral("OFF");
    const QStringList offOn{off, QStringLiteral("ON")};
    const QStringList offOnChn{QStringLiteral("关闭"), QStringLiteral("开启")};
    const QStringList offTo10 = Prefixed(off, NumberItems(1, 10));
    const QStringList offTo10Short = Prefixed(QStringLiteral("关"), NumberItems(1, 10));
    const QStringList offTo10Long = Prefixed(QStringLiteral("关闭"), NumberItems(1, 10));
    const QStringList offTo50 = Prefixed(off, NumberItems(1, 50));
    const QStringList offTo50Chn = Prefixed(QStringLiteral("关"), NumberItems(1, 50));
    const QStringList channels = ChannelItems();
    const QStringList dispWay{QStringLiteral("Channel+Frequency"), QStringLiteral("Channel"),
                              QStringLiteral("Channel+Name")};
    const QStringList dispWayChn{QStringLiteral("频率+信道号"), QStringLiteral("信道号"),
                                 QStringLiteral("信道名称+信道号")};
    const QStringList led{off, QStringLiteral("Blue"), QStringLiteral("Orange"), QStringLiteral("Purple")};
    const QStringList ledChn{QStringLiteral("关"), QStringLiteral("蓝色"), QStringLiteral("橙色"),
                             QStringLiteral("紫色")};

    return {
        {OptIdx_Tdr, "Combo_Tdr", "Label_Tdr", {"双频守侯", "TDR"}, offOn, offOnChn},
        {OptIdx_Sql_le, "Combo_Sql_le", "Label_Sql", {"静噪电平", "Squelch Level"}, NumberItems(0, 9), {}},
        {OptIdx_tot, "Combo_tot", "Label_Tot", {"发射超时定时器（秒）", "Time Out Timer(TOT)[S]"}, TotItems(), {}},
        {OptIdx_Toa, "Combo_Toa", "Label_Toa", {"发射结束预警（秒）", "TOT Pre-Alart[S]"}, offTo10, offTo10Long},
        {OptIdx_Abr, "Combo_Abr", "Label_Abr", {"自动背光", "ABR"}, offTo50, offTo50Chn},
        {OptIdx_Beep, "Combo_Beep", "Label_Beep", {"操作提示音", "Beep"}, offOn, offOnChn},
        {OptIdx_Dtmfst,
         "Combo_Dtmfst",
         "Label_Stdtmf",
         {"DTMF侧音", "DTMF-ST"},
         {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"},
         {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"}},
        {OptIdx_Bcl, "Combo_Bcl", "Label_Bcl", {"遇忙禁发", "BCL"}, offOn, offOnChn},
        {OptIdx_Sc_Add, "Combo_Sc_Add", "Label_Sc_Add", {"扫描添加", "Scan Add"}, offOn, offOnChn},
        {OptIdx_Pri_Sc, "Combo_Pri_Sc", "Label_Pri_Sc", {"优先扫描", "Moni Priority Channel"}, offOn, offOnChn},
        {OptIdx_Pri_Ch, "Combo_Pri_Ch", "Label_Pri_CH", {"优先信道", "Priority Channel"}, channels, {}},
        {OptIdx_Sc_rev,
         "Combo_Sc_rev",
         "Label_Scan_rev",
         {"扫描方式", "Scan_Rev"},
         {"TO", "CO", "SE"},
         {"时间", "载波", "搜索"}},
        {OptIdx_Ptt_id,
         "Combo_Ptt_id",
         "Label_ptt_id",
         {"PTT_ID", "PTT_ID"},
         {"OFF", "BOT", "EOT", "BOTH"},
         {"关", "按下发码", "松开发码", "两者均发"}},
        {OptIdx_Ptt_lt, "Combo_Ptt_lt", "Label_Ptt_Lt", {"发ID延迟", "PTT_Delay"}, NumberItems(0, 30), {}},
        {OptIdx_Emc_Tp,
         "Combo_Emc_Tp",
         "Label_Emc_tp",
         {"报警模式", "Alarm Type"},
         {"Alarm", "Transpond", "Both"},
         {"现场", "远程", "现场+远程"}},
        {OptIdx_Emc_Ch, "Combo_Emc_Ch", "Label_Emc_ch", {"报警信道", "Alarm Channel"}, channels, {}},
        {OptIdx_ring, "Combo_ring", "Label_Ring", {"振铃时间", "Ring_Time"}, offTo10, offTo10Short},
        {OptIdx_MDF_A, "Combo_MDF_A", "Label_MDF_A", {"A 段信道显示方式", "A Channel Disp Way"}, dispWay, dispWayChn},
        {OptIdx_MDF_B, "Combo_MDF_B", "Label_MDF_B", {"B 段信道显示方式", "B Channel Disp Way"}, dispWay, dispWayChn},
        {OptIdx_Autolk, "Combo_Autolk", "Label_Autolk", {"自动锁", "Auto Lock"}, offOn, offOnChn},
        {OptIdx_PonMsg,
         "Combo_PonMsg",
         "Label_Ponmsg",
         {"开机显示", "Power-On Message"},
         {"Full", "MSG", "BATT"},
         {"满屏", "显示字符", "电池电压"}},
        {OptIdx_wt_led, "Combo_wt_led", "Label_WT_LED", {"守侯背光", "Wait Back Light"}, led, ledChn},
        {OptIdx_rx_led, "Combo_rx_led", "Label_RX_LED", {"接收背光", "RX Back Light"}, led, ledChn},
        {OptIdx_tx_led, "Combo_tx_led", "Label_TX_LED", {"发射背光", "TX Back Light"}, led, ledChn},
        {OptIdx_ANI_L, "Combo_ANI_L", "Label_ANI_L", {"身份码长", "Lang"}, NumberItems(3, 5), {}},
        {OptIdx_REP_S,
         "Combo_REP_S",
         "Label_REP_S",
         {"中继激活信令", "Relay Signal "},
         {"1000Hz", "1450Hz", "1750Hz", "2100Hz"},
         {}},
        {OptIdx_REP_M,
         "Combo_REP_M",
         "Label_REP_M",
         {"中继转发条件", "Relay Condition "},
         {"OFF", "CARRI", "CTDCS", "TONE", "DTMF"},
         {"关", "CARRI", "CTDCS", "TONE", "DTMF"}},
        {OptIdx_TDR_AB, "Combo_TDR_AB", "Label_Tdr_AB", {"双守返回主频", "TDR Return AB "}, offTo50, offTo50Chn},
        {OptIdx_STE, "Combo_STE", "Label_STE", {"尾音消除", "Tail noise Clear "}, offOn, offOnChn},
        {OptIdx_RP_STE, "Combo_RP_STE", "Label_RP_STE", {"过中继消尾音", "RPT noise Clear"}, offTo10, offTo10Long},
        {OptIdx_RPT_DL, "Combo_RPT_DL", "Label_RPT_DL", {"过中继证实音", "RPT noise"}, offTo10, offTo10Long},
    };
}

}  // namespace

QStringList OptSetting::items() const
{
    return LangChinese != 0 && !chn.isEmpty() ? chn : eng;
}

const std::vector<OptSetting>& OptSettings()
{
    static const std::vector<OptSetting> settings = BuildSettings();
    return settings;
}

void Opt_LoadMirror(const MemoryImage& image)
{
    const int first = Area::OptSettings.firstRow();
    for (int i = 0; i < kOptMirrorBytes; ++i)
        OptData[i] = image(first + i / kRowBytes, i % kRowBytes);
}

void Opt_StoreSetting(int index, int item, MemoryImage& image)
{
    OptData[index] = static_cast<std::int16_t>(item);
    const int first = Area::OptSettings.firstRow();
    for (int i = 0; i < kOptChoiceBytes; ++i)
        image(first + i / kRowBytes, i % kRowBytes) = OptData[i];
}

QStringList NumberItems(int from, int to)
{
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    return items;
}

QStringList ChannelItems()
{
    QStringList items;
    for (int i = 0; i < kChannelItems; ++i)
        items << QStringLiteral("CH-%1").arg(i, 3, 10, QLatin1Char('0'));
    return items;
}
