#include "support/dtmf_shown.h"

#include "signalling/ui/frm_dtmf.h"

#include <QLabel>
#include <QProgressBar>

namespace {

QString Indexed(const char* name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

DtmfShown ShownBy(const frm_dtmf& w)
{
    DtmfShown shown;
    for (int i = 0; i < Dtmf::kEncodeCodes; ++i)
        shown[Indexed("Text_tx_Encode", i)] = w.Text_tx_Encode[i]->text();
    const std::pair<const char*, const KitText*> boxes[] = {
        {"Text_XC", w.Text_XC}, {"Text_JT", w.Text_JT}, {"Text_BJ", w.Text_BJ},   {"Text_YY", w.Text_YY},
        {"Text_YB", w.Text_YB}, {"Text_KJ", w.Text_KJ}, {"Text_MID", w.Text_MID}, {"Text_SID", w.Text_SID},
    };
    for (const auto& [name, box] : boxes)
        shown[QLatin1String(name)] = box->text();
    const std::pair<const char*, const KitList*> lists[] = {
        {"Combo_Enc_ys1", w.Combo_Enc_ys1},         {"Combo_Enc_ys2", w.Combo_Enc_ys2},
        {"Combo_Dec_qh", w.Combo_Dec_qh},           {"Combo_Dec_Space_Code", w.Combo_Dec_Space_Code},
        {"Combo_Dec_Proc_Ys", w.Combo_Dec_Proc_Ys}, {"Combo_Dec_Res_Time", w.Combo_Dec_Res_Time},
    };
    for (const auto& [name, list] : lists) {
        shown[QLatin1String(name)] = list->text();
        shown[QLatin1String(name) + QStringLiteral(".ListIndex")] = QString::number(list->listIndex());
    }
    shown[QStringLiteral("Check_Ctrl_En")] = QString::number(w.Check_Ctrl_En->value());
    shown[QStringLiteral("Check_RX")] = QString::number(w.Check_RX->value());
    shown[QStringLiteral("Check_Tx")] = QString::number(w.Check_Tx->value());
    for (int i = 0; i < Dtmf::kRights; ++i) {
        shown[Indexed("Check_M", i)] = QString::number(w.Check_M[i]->value());
        shown[Indexed("Check_S", i)] = QString::number(w.Check_S[i]->value());
        shown[Indexed("Check_M", i) + QStringLiteral(".Enabled")] = Flag(w.Check_M[i]->isEnabled());
        shown[Indexed("Check_S", i) + QStringLiteral(".Enabled")] = Flag(w.Check_S[i]->isEnabled());
    }
    shown[QStringLiteral("Text_MID.Enabled")] = Flag(w.Text_MID->isEnabled());
    shown[QStringLiteral("Text_SID.Enabled")] = Flag(w.Text_SID->isEnabled());
    shown[QStringLiteral("ProgressBar1.Visible")] = Flag(!w.ProgressBar1->isHidden());
    shown[QStringLiteral("ProgressBar1")] = QString::number(w.ProgressBar1->value());
    shown[QStringLiteral("Label_tr_count")] = w.Label_tr_count->text();
    return shown;
}

QStringList Mismatches(const DtmfShown& shown, const QStringList& expected)
{
    QStringList wrong;
    for (const QString& entry : expected) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        const QString name = entry.left(eq);
        const QString value = entry.mid(eq + 1);
        if (!shown.contains(name))
            wrong << name + QStringLiteral(": no such control");
        else if (shown.value(name) != value)
            wrong << QStringLiteral("%1: \"%2\", expected \"%3\"").arg(name, shown.value(name), value);
    }
    return wrong;
}
