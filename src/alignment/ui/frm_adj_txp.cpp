#include "alignment/ui/frm_adj_txp.h"

#include "alignment/adj_entry.h"
#include "alignment/adj_link.h"
#include "core/adjust_defaults.h"
#include "core/painting.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transfer_engine.h"
#include "link/ui/editor_link.h"
#include "platform/geometry.h"
#include "platform/kit_focus.h"
#include "platform/mdi_frame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

const BiText kTitle{QStringLiteral("其他"), QStringLiteral("Other ")};
const BiText kFrameOther{QStringLiteral("频率范围限制"), QStringLiteral("Adjustable  frequency  range ")};
const BiText kBand{QStringLiteral("频段"), QStringLiteral("Band")};
const BiText kMaxRange{QStringLiteral("最大工作频率范围(MHZ)"), QStringLiteral("Max frequency range (MHz)")};
const BiText kLimitRange{QStringLiteral("限制工作频率范围(MHZ)"), QStringLiteral("Limit frequency range (MHz)")};
const BiText kAllowTx{QStringLiteral("发射允许"), QStringLiteral("Allow transmit")};
const BiText kFrom{QStringLiteral("从"), QStringLiteral("From")};
const BiText kTo{QStringLiteral("到"), QStringLiteral("to")};
const BiText kRead{QStringLiteral("读 取"), QStringLiteral("Read")};
const BiText kWrite{QStringLiteral("写  入"), QStringLiteral("Write")};
const BiText kDefault{QStringLiteral("默 认"), QStringLiteral("Default")};
const BiText kClose{QStringLiteral("关闭"), QStringLiteral("Close")};

// Captions that are Chinese in both languages.
const QString kFrameB0Vhf = QStringLiteral("130 - 179 MHZ ");
const QString kFrameB0Uhf = QStringLiteral("400  -  480 MHZ ");
const QString kFrameSql = QStringLiteral("静噪等级");
const QString kFrame1 = QStringLiteral(" 130 - 179 MHZ");
const QString kFrameSqlUhf = QStringLiteral("400 - 520 MHZ");
const QString kFrameDev = QStringLiteral("调制、音量");
const QString kLevel = QStringLiteral("级别");
const QString kOpenValue = QStringLiteral("打开值");
const QString kPoint = QStringLiteral("频点");
const QString kOffset = QStringLiteral("补偿值");
const QString kLabelF0 = QStringLiteral("VHF0") + QString(21, QLatin1Char(' ')) + QStringLiteral("130 - 179  ");
const QString kLabelF1 = QStringLiteral("UHF0") + QString(21, QLatin1Char(' ')) + QStringLiteral("400 - 520");

// Sizes from the main window: a main window of the screen's size gives the
// design size.
constexpr double kDesignWidth = 7800;
constexpr double kDesignHeight = 7000;

// Places in twips within the window.
struct Place {
    double left, top, width, height;
};
constexpr double kButtonsAboveBottom = 1500;  // the button row's top, from the window's height
constexpr double kBarAboveBottom = 2300;      // ProgressBar1 and Label_tr_count
constexpr double kButtonWidth = 855;
constexpr double kButtonHeight = 495;
constexpr double kReadLeft = 600;
constexpr double kWriteLeft = 2280;
constexpr double kDefaultLeft = 3960;
constexpr double kCloseLeft = 5640;
constexpr double kBarLeft = 600;
constexpr double kBarWidth = 3195;
constexpr double kLabelLeft = 3960;
constexpr double kLabelWidth = 2535;
constexpr double kBarHeight = 255;
constexpr double kTabStripAt = 100;
constexpr double kTabStripWidthDivisor = 1.1;
constexpr double kTabStripHeightDivisor = 1.5;
constexpr double kPageLeft = 300;
constexpr double kPageTop = 600;
constexpr Place kFrameOtherPlace{240, 360, 7215, 1935};
constexpr double kFrameWidthDivisor = 1.2;  // Frame_Frame and Frame_Sql
constexpr double kFrameFrameHeightDivisor = 1.8;
constexpr double kFrameSqlHeightDivisor = 1.7;
constexpr double kFrameDevWidthDivisor = 1.6;
constexpr double kFrameDevHeightDivisor = 1.65;

constexpr int kFullBar = 100;
constexpr int kPointsPerLine = 8;  // the power boxes stand in two lines of eight
constexpr int kSettingsPerColumn = 6;

void Put(QWidget* widget, const Place& place)
{
    SetTwipsGeometry(widget, place.left, place.top, place.width, place.height);
}

// A page lies inside the strip's page area, under the tabs.
void PutPage(QWidget* frame, const KitTabStrip& strip, const Place& place)
{
    SetTwipsPageGeometry(frame, strip, place.left, place.top, place.width, place.height);
}

// The pages are small for what they hold: their layouts keep little room
// between the controls.
constexpr int kSpacing = 2;
constexpr int kMargin = 4;
constexpr double kLimitBoxWidth = 855;

template <class Layout> Layout* Compact(Layout* layout)
{
    layout->setSpacing(kSpacing);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    return layout;
}

QLabel* NewLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A label with its box under it, `perLine` pairs to a line of two grid rows,
// from grid row `firstRow` and grid column `firstCol` on.
void LayPairs(QGridLayout* grid, std::span<QLabel* const> labels, std::span<KitText* const> boxes, int perLine,
              int firstRow, int firstCol)
{
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const int line = static_cast<int>(k) / perLine;
        const int col = firstCol + static_cast<int>(k) % perLine;
        grid->addWidget(labels[k], firstRow + 2 * line, col);
        grid->addWidget(boxes[k], firstRow + 2 * line + 1, col);
        labels[k]->setBuddy(boxes[k]);
    }
}

}  // namespace

frm_Adj_Txp::frm_Adj_Txp()
    : Window(WindowKind::Child),
      TabStrip1(new KitTabStrip(this)),
      Frame_Frame(new QGroupBox(this)),
      Frame_Sql(new QGroupBox(this)),
      Frame1(new QGroupBox(Frame_Sql)),
      Frame_Sql_UHF(new QGroupBox(Frame_Sql)),
      Frame_Dev(new QGroupBox(this)),
      Frame_Dev_1(new QGroupBox(Frame_Dev)),
      Frame2(new QGroupBox(Frame_Dev)),
      Frame_Other(new QGroupBox(this)),
      Command_read(new KitButton(this)),
      Command_Write(new KitButton(this)),
      Command_def(new KitButton(this)),
      Command_close(new KitButton(this)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this))
{
    setObjectName(QStringLiteral("frm_Adj_Txp"));
    for (const AdjPageInfo& page : AdjPages())
        TabStrip1->addTab(page.tabCaption, page.key);
    LayPowerPages();
    LaySquelchPage();
    LaySettingsPage();
    LayLimitsPage();
    // A point box holds a value up to its box's maximum.
    for (const AdjBox box : kAdjBoxes) {
        for (KitText* text : Boxes(box))
            text->setFitText(static_cast<int>(QString::number(AdjBoxMax(box)).size()), QStringLiteral("0123456789"));
    }
    ProgressBar1->setRange(0, kFullBar);
    ConnectHandlers();
}

// Pages 0 and 1: the sixteen VHF points over the sixteen UHF points, each
// band in two lines of eight.
void frm_Adj_Txp::LayPowerPages()
{
    auto* power = Compact(new QVBoxLayout(Frame_Frame));
    for (std::size_t band = 0; band < Frame_B0.size(); ++band) {
        Frame_B0[band] = new QGroupBox(Frame_Frame);
        power->addWidget(Frame_B0[band]);
    }
    for (int k = 0; k < kAdjPoints; ++k) {
        Label1[k] = NewLabel(Frame_B0[0]);
        Text1[k] = new KitText(Frame_B0[0]);
        Label_UHF[k] = NewLabel(Frame_B0[1]);
        Text2[k] = new KitText(Frame_B0[1]);
    }
    LayPairs(Compact(new QGridLayout(Frame_B0[0])), Label1, Text1, kPointsPerLine, 0, 0);
    LayPairs(Compact(new QGridLayout(Frame_B0[1])), Label_UHF, Text2, kPointsPerLine, 0, 0);
}

// Page 2: per group the levels, then the points, each line of labels and of
// boxes headed by its caption; the levels' boxes keep columns of their own,
// so that their wider values do not widen the points'.
void frm_Adj_Txp::LaySquelchPage()
{
    auto* squelch = Compact(new QVBoxLayout(Frame_Sql));
    squelch->addWidget(Frame1);
    squelch->addWidget(Frame_Sql_UHF);
    const auto laySquelch = [](QGroupBox* group, auto& levelLabels, auto& levelBoxes, auto& pointLabels,
                               auto& pointBoxes, std::array<QLabel*, 4> headings) {
        for (std::size_t k = 0; k < levelBoxes.size(); ++k) {
            levelLabels[k] = NewLabel(group);
            levelBoxes[k] = new KitText(group);
        }
        for (std::size_t k = 0; k < pointBoxes.size(); ++k) {
            pointLabels[k] = NewLabel(group);
            pointBoxes[k] = new KitText(group);
        }
        auto* lines = Compact(new QVBoxLayout(group));
        for (int part = 0; part < 2; ++part) {
            auto* grid = Compact(new QGridLayout);
            grid->setContentsMargins(0, 0, 0, 0);
            grid->addWidget(headings[static_cast<std::size_t>(2 * part)], 0, 0);
            grid->addWidget(headings[static_cast<std::size_t>(2 * part + 1)], 1, 0);
            if (part == 0)
                LayPairs(grid, levelLabels, levelBoxes, kAdjSqlLevels, 0, 1);
            else
                LayPairs(grid, pointLabels, pointBoxes, kAdjPoints, 0, 1);
            lines->addLayout(grid);
        }
    };
    Label18 = NewLabel(Frame1);
    Label19 = NewLabel(Frame1);
    Label20 = NewLabel(Frame1);
    Label21 = NewLabel(Frame1);
    Label22 = NewLabel(Frame_Sql_UHF);
    Label23 = NewLabel(Frame_Sql_UHF);
    Label24 = NewLabel(Frame_Sql_UHF);
    Label25 = NewLabel(Frame_Sql_UHF);
    laySquelch(Frame1, Label_Sql_VHF, Text_SQ_VHF, Label_Sq_Offset_Vhf, Text_Sq_Offset_VHF,
               {Label18, Label19, Label20, Label21});
    laySquelch(Frame_Sql_UHF, Label_Sql_UHF, Text_SQ_UHF, Label_Sq_Offset_UHF, Text_Sq_Offset_UHF,
               {Label22, Label23, Label24, Label25});
}

// Page 3: twelve lists in two columns, the signalling deviation apart.
void frm_Adj_Txp::LaySettingsPage()
{
    const auto newList = [](QWidget* parent) { return new KitList(KitList::Style::ChooseOnly, parent); };
    Combo_Voice_Dev = newList(Frame_Dev_1);
    Combo_CT_Dev = newList(Frame_Dev_1);
    Combo_DCS_Dev = newList(Frame_Dev_1);
    Combo_Wide_C = newList(Frame_Dev_1);
    Combo_Wide_F = newList(Frame_Dev_1);
    Combo_Narror_C = newList(Frame_Dev_1);
    Combo_Narror_F = newList(Frame_Dev_1);
    Combo_Beep_C = newList(Frame_Dev_1);
    Combo_Beep_F = newList(Frame_Dev_1);
    Combo_VHF_Drive = newList(Frame_Dev_1);
    Combo_UHF_Drive = newList(Frame_Dev_1);
    Combo_TXP_Temp = newList(Frame_Dev_1);
    Combo_Tone_Dev = newList(Frame2);
    Combo_Setting = {Combo_Voice_Dev, Combo_CT_Dev,   Combo_DCS_Dev, Combo_Wide_C, Combo_Wide_F,
                     Combo_Narror_C,  Combo_Narror_F, Combo_Beep_C,  Combo_Beep_F, Combo_VHF_Drive,
                     Combo_UHF_Drive, Combo_TXP_Temp, Combo_Tone_Dev};
    auto* settings = Compact(new QGridLayout(Frame_Dev_1));
    auto* tone = Compact(new QGridLayout(Frame2));
    for (int c = 0; c < static_cast<int>(Combo_Setting.size()); ++c) {
        KitList* list = Combo_Setting[c];
        QLabel* label = Label_Setting[c] = new QLabel(list->parentWidget());
        label->setBuddy(list);
        QGridLayout* grid = list->parentWidget() == Frame2 ? tone : settings;
        const int row = grid == tone ? 0 : c % kSettingsPerColumn;
        const int col = grid == tone ? 0 : 2 * (c / kSettingsPerColumn);
        grid->addWidget(label, row, col);
        grid->addWidget(list, row, col + 1);
    }
    auto* deviation = Compact(new QVBoxLayout(Frame_Dev));
    deviation->addWidget(Frame_Dev_1);
    deviation->addWidget(Frame2);
}

// Page 4: a heading line, then one line per band.
void frm_Adj_Txp::LayLimitsPage()
{
    Label2 = NewLabel(Frame_Other);
    Label3 = NewLabel(Frame_Other);
    Label4 = NewLabel(Frame_Other);
    Label8 = NewLabel(Frame_Other);
    Label_F0 = new QLabel(Frame_Other);
    Label_F1 = new QLabel(Frame_Other);
    auto* limits = Compact(new QGridLayout(Frame_Other));
    limits->addWidget(Label2, 0, 0);
    limits->addWidget(Label3, 0, 1);
    limits->addWidget(Label4, 0, 2, 1, 4);
    limits->addWidget(Label8, 0, 6);
    for (int b = 0; b < 2; ++b) {
        Label9[b] = NewLabel(Frame_Other);
        Label10[b] = NewLabel(Frame_Other);
        Text_Freq_L[b] = new KitText(Frame_Other);
        Text_Freq_H[b] = new KitText(Frame_Other);
        Check_Tx[b] = new KitCheck(Frame_Other);
        Check_Tx[b]->setEnabled(false);  // shown, and does nothing
        Text_Freq_L[b]->setMaximumWidth(TwipsToPixels(kLimitBoxWidth));
        Text_Freq_H[b]->setMaximumWidth(TwipsToPixels(kLimitBoxWidth));
        Label9[b]->setBuddy(Text_Freq_L[b]);
        Label10[b]->setBuddy(Text_Freq_H[b]);
        limits->addWidget(b == 0 ? Label_F0 : Label_F1, b + 1, 0, 1, 2);
        limits->addWidget(Label9[b], b + 1, 2);
        limits->addWidget(Text_Freq_L[b], b + 1, 3);
        limits->addWidget(Label10[b], b + 1, 4);
        limits->addWidget(Text_Freq_H[b], b + 1, 5);
        limits->addWidget(Check_Tx[b], b + 1, 6, Qt::AlignCenter);
    }
}

void frm_Adj_Txp::ConnectHandlers()
{
    TabStrip1->onClick = [this] { TabStrip1_Click(); };
    for (const AdjBox box : kAdjBoxes) {
        const std::span<KitText* const> boxes = Boxes(box);
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
            boxes[static_cast<std::size_t>(i)]->onChange = [this, box, i] { Point_Change(box, i); };
    }
    for (int c = 0; c < static_cast<int>(Combo_Setting.size()); ++c) {
        Combo_Setting[c]->onClick = [this, c] { Combo_Setting_Click(c); };
        Combo_Setting[c]->onKeyPress = [](int& key) { key = 0; };  // the lists are only chosen from
    }
    for (const AdjLimit limit : kAdjLimits) {
        LimitBox(limit)->onKeyPress = [this, limit](int& key) { Limit_KeyPress(limit, key); };
        LimitBox(limit)->onLostFocus = [this, limit] { Limit_LostFocus(limit); };
        LimitBox(limit)->onChange = [this, limit] { Limit_Change(limit); };
    }
    Command_read->onClick = [this] { Command_read_Click(); };
    Command_Write->onClick = [this] { Command_Write_Click(); };
    Command_def->onClick = [this] { Command_def_Click(); };
    Command_close->onClick = [this] { Command_close_Click(); };
}

bool frm_Adj_Txp::Writing() const
{
    return link_ != nullptr && link_->Writing();
}

bool frm_Adj_Txp::Reading() const
{
    return link_ != nullptr && link_->Reading();
}

std::span<KitText* const> frm_Adj_Txp::Boxes(AdjBox box) const
{
    switch (box) {
    case AdjBox::Text1:
        return Text1;
    case AdjBox::Text2:
        return Text2;
    case AdjBox::Text_SQ_VHF:
        return Text_SQ_VHF;
    case AdjBox::Text_Sq_Offset_VHF:
        return Text_Sq_Offset_VHF;
    case AdjBox::Text_SQ_UHF:
        return Text_SQ_UHF;
    case AdjBox::Text_Sq_Offset_UHF:
        return Text_Sq_Offset_UHF;
    }
    return {};
}

KitText* frm_Adj_Txp::LimitBox(AdjLimit limit) const
{
    const auto band = static_cast<std::size_t>(AdjLimitBand(limit));
    return AdjLimitIsLower(limit) ? Text_Freq_L[band] : Text_Freq_H[band];
}

QGroupBox* frm_Adj_Txp::PageFrame(int page) const
{
    switch (page) {
    case AdjPage::TxpHigh:
    case AdjPage::TxpLow:
        return Frame_Frame;
    case AdjPage::Squelch:
        return Frame_Sql;
    case AdjPage::Settings:
        return Frame_Dev;
    default:
        return Frame_Other;
    }
}

// ---- Load ------------------------------------------------------------------

void frm_Adj_Txp::Form_Load()
{
    // The fixed bounds of each band.
    for (int b : {kAdjVhf, kAdjUhf}) {
        FreqMin[b] = kAdjBandBounds[b].min;
        FreqMax[b] = kAdjBandBounds[b].max;
    }

    // Sized from the main window as a share of the screen, centred in its
    // client area.
    double width = kDesignWidth;
    double height = kDesignHeight;
    if (MdiFrame* main = Windows::Frame()) {
        double x = ScreenWidth() / kDesignWidth;
        double y = ScreenHeight() / kDesignHeight;
        if (x == 0)
            x = 1;
        if (y == 0)
            y = 1;
        width = main->Width() / x;
        height = main->Height() / y;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2, width, height);
    }
    Show();

    // A fresh transfer: timers off, not busy, the bar hidden.
    SetCaptions();
    link_ = &own(std::make_unique<TransferEngine>(AdjTransferParams([this] {
        Adj_FromBlock(RxBlock.row(kAdjReplyRow));
        Adj_Show();
    })));
    link_->onDisplayChanged = [this] { ShowLinkDisplay(); };
    ShowLinkDisplay();

    // Page 4, the band limits, whatever tab the strip shows.
    Page = AdjPage::Limits;
    Adj_InitControls();
    // Placed with their captions and items in: each frame holds what it shows.
    PlaceControls(width, height);
    Frame_Frame->hide();
    Frame_Sql->hide();
    Frame_Dev->hide();
    Frame_Other->show();
    Adj_Show();
}

void frm_Adj_Txp::PlaceControls(double width, double height)
{
    const double buttonTop = height - kButtonsAboveBottom;
    Put(Command_read, {kReadLeft, buttonTop, kButtonWidth, kButtonHeight});
    Put(Command_Write, {kWriteLeft, buttonTop, kButtonWidth, kButtonHeight});
    Put(Command_def, {kDefaultLeft, buttonTop, kButtonWidth, kButtonHeight});
    Put(Command_close, {kCloseLeft, buttonTop, kButtonWidth, kButtonHeight});
    const double barTop = height - kBarAboveBottom;
    Put(ProgressBar1, {kBarLeft, barTop, kBarWidth, kBarHeight});
    Put(Label_tr_count, {kLabelLeft, barTop, kLabelWidth, kBarHeight});

    Put(TabStrip1, {kTabStripAt, kTabStripAt, width / kTabStripWidthDivisor, height / kTabStripHeightDivisor});
    PutPage(Frame_Frame, *TabStrip1,
            {kPageLeft, kPageTop, width / kFrameWidthDivisor, height / kFrameFrameHeightDivisor});
    PutPage(Frame_Sql, *TabStrip1, {kPageLeft, kPageTop, width / kFrameWidthDivisor, height / kFrameSqlHeightDivisor});
    PutPage(Frame_Dev, *TabStrip1,
            {kPageLeft, kPageTop, width / kFrameDevWidthDivisor, height / kFrameDevHeightDivisor});
    PutPage(Frame_Other, *TabStrip1, kFrameOtherPlace);  // its designed place, whatever the window's size
}

void frm_Adj_Txp::SetCaptions()
{
    setWindowTitle(kTitle.text());
    Frame_Other->setTitle(kFrameOther.text());
    Label2->setText(kBand.text());
    Label3->setText(kMaxRange.text());
    Label4->setText(kLimitRange.text());
    Label8->setText(kAllowTx.text());
    for (int b = 0; b < 2; ++b) {
        Label9[b]->setText(kFrom.text());
        Label10[b]->setText(kTo.text());
    }
    Command_read->setCaption(kRead.text());
    Command_Write->setCaption(kWrite.text());
    Command_def->setCaption(kDefault.text());
    Command_close->setCaption(kClose.text());

    Frame_Frame->setTitle(AdjPages()[AdjPage::TxpHigh].frameCaption);
    Frame_B0[0]->setTitle(kFrameB0Vhf);
    Frame_B0[1]->setTitle(kFrameB0Uhf);
    Frame_Sql->setTitle(kFrameSql);
    Frame1->setTitle(kFrame1);
    Frame_Sql_UHF->setTitle(kFrameSqlUhf);
    for (QLabel* level : {Label18, Label22})
        level->setText(kLevel);
    for (QLabel* open : {Label19, Label23})
        open->setText(kOpenValue);
    for (QLabel* point : {Label20, Label24})
        point->setText(kPoint);
    for (QLabel* offset : {Label21, Label25})
        offset->setText(kOffset);
    Frame_Dev->setTitle(kFrameDev);
    for (const AdjSetting& setting : AdjSettings())
        Label_Setting[setting.column]->setText(setting.caption);
    Label_F0->setText(kLabelF0);
    Label_F1->setText(kLabelF1);
}

void frm_Adj_Txp::Adj_InitControls()
{
    // The VHF points at or above the band's top stand out.
    for (int k = 0; k < kAdjPoints; ++k) {
        const int p = AdjVhfPointMhz(k);
        Label1[k]->show();
        if (p >= FreqMax[kAdjVhf]) {
            Text1[k]->show();
            Text1[k]->setBackColor(QPalette::HighlightedText);
        }
        Label1[k]->setText(AdjPointCaption(p));
    }
    // The UHF points (the window carries only the sixteen it uses).
    for (int k = 0; k < kAdjPoints; ++k) {
        Label_UHF[k]->show();
        Label_UHF[k]->setAutoFillBackground(true);
        Label_UHF[k]->setBackgroundRole(QPalette::Button);
        Label_UHF[k]->setText(AdjPointCaption(FreqMin[kAdjUhf] + kAdjUhfPointStepMhz * k));
    }
    // The squelch levels and points.
    for (int k = 0; k < kAdjSqlLevels; ++k) {
        Label_Sql_VHF[k]->setText(QString::number(k));
        Label_Sql_UHF[k]->setText(QString::number(k));
    }
    for (int k = 0; k < kAdjPoints; ++k) {
        Label_Sq_Offset_Vhf[k]->setText(QString::number(AdjVhfPointMhz(k)));
        Label_Sq_Offset_UHF[k]->setText(QString::number(AdjUhfPointMhz(k)));
    }
    // The lists; filling runs nothing.
    for (const int column : kAdjListFillOrder) {
        KitList* list = Combo_Setting[column];
        list->clear();
        list->addItems(AdjListItems(AdjSettings()[column].lastValue));
    }
}

// ---- Display ---------------------------------------------------------------

void frm_Adj_Txp::Adj_Show()
{
    const Painting painting;
    const auto showBoxes = [this](AdjBox box) {
        const std::span<KitText* const> boxes = Boxes(box);
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (const std::optional<AdjCell> cell = AdjBoxCell(box, i, Page))
                boxes[static_cast<std::size_t>(i)]->setText(AdjPointText(AdjData(cell->row, cell->col)));
        }
    };
    switch (Page) {
    case AdjPage::TxpHigh:
    case AdjPage::TxpLow:
        showBoxes(AdjBox::Text1);
        showBoxes(AdjBox::Text2);
        return;
    case AdjPage::Squelch:
    case AdjPage::Settings:
    case AdjPage::Limits:
        break;
    default:
        return;
    }
    // The squelch boxes, also when their page is hidden.
    showBoxes(AdjBox::Text_SQ_VHF);
    showBoxes(AdjBox::Text_Sq_Offset_VHF);
    showBoxes(AdjBox::Text_SQ_UHF);
    showBoxes(AdjBox::Text_Sq_Offset_UHF);
    if (Page == AdjPage::Settings) {
        for (const AdjSetting& setting : AdjSettings()) {
            const int value = AdjData(AdjRow::Settings, setting.column);
            Combo_Setting[setting.column]->setListIndex(AdjListIndexOf(value, setting.lastValue));
        }
    } else if (Page == AdjPage::Limits) {
        // The limit boxes store nothing when their text is set.
        for (const AdjLimit limit : kAdjLimits)
            LimitBox(limit)->setText(AdjLimitText(limit));
    }
}

void frm_Adj_Txp::ShowLinkDisplay()
{
    ::ShowLinkDisplay(*link_, ProgressBar1, Label_tr_count);
}

// ---- Events ----------------------------------------------------------------

void frm_Adj_Txp::focusInEvent(QFocusEvent* event)
{
    Window::focusInEvent(event);
    // Only the window itself gets this: a control of it taking the focus, or
    // the window's activation, paints nothing (it would overwrite a limit
    // typed and not yet checked).
    if (isLoaded() && hasFocus())
        Form_GotFocus();
}

void frm_Adj_Txp::Form_GotFocus()
{
    Adj_Show();
}

void frm_Adj_Txp::TabStrip1_Click()
{
    const std::optional<int> page = AdjPageOfKey(TabStrip1->selectedKey());
    if (!page)
        return;
    const AdjPageInfo& info = AdjPages()[static_cast<std::size_t>(*page)];
    Page = *page;
    setWindowTitle(info.windowCaption);
    if (!info.frameCaption.isEmpty())
        Frame_Frame->setTitle(info.frameCaption);
    QGroupBox* shown = PageFrame(Page);
    shown->show();
    for (QGroupBox* frame : {Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other}) {
        if (frame != shown)
            frame->hide();
    }
    Adj_Show();
}

void frm_Adj_Txp::Point_Change(AdjBox box, int index)
{
    // The painting shows the table's value, in the box's range or not.
    if (Painting::underWay())
        return;
    KitText* text = Boxes(box)[static_cast<std::size_t>(index)];
    const std::optional<AdjPointOutcome> out = Adj_PointEntry(box, index, Page, text->text());
    if (!out || !out->refusal)
        return;
    // The cell holds its default already; the box shows it (its check runs
    // again and stores the same), then the message.
    text->setText(out->resetText);
    text->returnFocusAfterRefusal();
    ShowMessage(*out->refusal);
}

void frm_Adj_Txp::Combo_Setting_Click(int column)
{
    const int index = Combo_Setting[column]->listIndex();
    if (index >= 0)
        AdjData(AdjRow::Settings, column) = static_cast<std::int16_t>(index);
}

void frm_Adj_Txp::Limit_KeyPress(AdjLimit limit, int& key)
{
    if (!AdjLimitKeyAccepted(LimitBox(limit)->text()))
        key = 0;
}

void frm_Adj_Txp::Limit_LostFocus(AdjLimit limit)
{
    KitText* box = LimitBox(limit);
    refusedLimit_.reset();
    // A box being hidden (its page switched away, its window on the way out)
    // is not left by the user: it checks and stores nothing.
    if (!isLoaded() || !box->isVisible())
        return;
    AdjLimitTexts texts;
    for (const AdjLimit each : kAdjLimits)
        texts[static_cast<std::size_t>(each)] = LimitBox(each)->text();
    const auto band = static_cast<std::size_t>(AdjLimitBand(limit));
    const std::optional<AdjLimitRefusal> refusal =
        Adj_LimitLeave(limit, texts, {FreqMin[band], FreqMax[band]}, link_ != nullptr && link_->busy());
    if (!refusal)
        return;
    box->setText(refusal->resetText);
    refusedLimit_ = limit;
    box->returnFocusAfterRefusal();
    ShowMessage(refusal->message);
}

void frm_Adj_Txp::Limit_Change(AdjLimit limit)
{
    // Typed again, the box holds a new entry: its refusal is over, and the
    // next press that takes the focus from it checks it.
    if (refusedLimit_ == limit)
        refusedLimit_.reset();
}

bool frm_Adj_Txp::RefusedLimitHasFocus() const
{
    return refusedLimit_ && KitFocus::Current() == LimitBox(*refusedLimit_);
}

// ---- Buttons ---------------------------------------------------------------

void frm_Adj_Txp::Command_read_Click()
{
    link_->startRead();
}

void frm_Adj_Txp::Command_Write_Click()
{
    if (link_->refuseIfBusy())
        return;
    // A limit typed into a box is checked before row 9 goes out: the press
    // took the focus from the box already, a click from code takes it now.
    // A refused box has the focus back, and the write stops.
    if (!RefusedLimitHasFocus())
        Command_Write->setFocus();
    if (RefusedLimitHasFocus())
        return;
    if (const std::optional<Message> refusal = AdjWriteRefusal()) {
        ShowMessage(*refusal);
        return;
    }
    link_->startWrite();
}

void frm_Adj_Txp::Command_def_Click()
{
    if (link_->refuseIfBusy())
        return;
    link_->setProgressVisible(false);
    link_->setProgressValue(0);
    link_->setLabel(QString());
    Adjust_Defaults(AdjDefault);
    Adj_CopyDefaults();
    Adj_Show();
}

void frm_Adj_Txp::Command_close_Click()
{
    if (!CloseLink(*link_, LinkText::UnloadWhileBusy()))
        return;
    Windows::Unload(this);
}
