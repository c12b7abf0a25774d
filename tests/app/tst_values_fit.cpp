// Every value fits its control: the application as it starts on a 1280 x 800
// screen, with a radio whose every area holds its widest values, walked
// through every window its menus open, in English and in Chinese. The text
// of every text box, every item of every list (the one it shows and every
// one it drops down) and every heading and cell of every grid is no wider,
// by the control's own font, than the room the control gives it; so is
// every caption: of a label, a button, a check box, a radio button, a
// frame's title and a tab. A grid's columns fit its width, a grid sized for
// all its rows shows them, every control lies inside its window, a frame
// laid over a tab strip inside the strip's page, and every window on the
// screen.

#include "alignment/adj_table.h"
#include "app/mdimain.h"
#include "channels/chann_edit.h"
#include "channels/chann_entry.h"
#include "channels/fm_page.h"
#include "channels/ui/frm_fm.h"
#include "core/char_codes.h"
#include "core/language.h"
#include "core/memory_image.h"
#include "core/open_cell.h"
#include "options/opt_codes.h"
#include "platform/geometry.h"
#include "platform/kit_grid.h"
#include "platform/kit_tab_strip.h"
#include "signalling/dtmf_area.h"
#include "signalling/five_tone_area.h"
#include "signalling/two_tone_area.h"
#include "signalling/two_tone_edit.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_5tone.h"
#include "support/cell_table.h"
#include "support/kit_driver.h"
#include "support/menu_windows.h"
#include "support/sim_app_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <cmath>

namespace {

// ---- A full radio ----------------------------------------------------------

const QString kDigits = QStringLiteral("0123456789");
const QString kNameChars = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kHexChars = QStringLiteral("0123456789ABCDEF");

double Width(const QString& text)
{
    return QFontMetricsF(QApplication::font()).horizontalAdvance(text);
}

// `count` times the widest of `chars`, in the application's font.
QString Widest(int count, const QString& chars)
{
    QChar widest = chars.front();
    for (const QChar ch : chars) {
        if (Width(ch) > Width(widest))
            widest = ch;
    }
    return QString(count, widest);
}

int WidestItem(const QStringList& items)
{
    int widest = 0;
    for (int i = 1; i < items.size(); ++i) {
        if (Width(items[i]) > Width(items[widest]))
            widest = i;
    }
    return widest;
}

// The widest values of every area, in the language LangChinese selects, as
// the editors' own stores write them: every channel and every FM preset
// used, full names and codes, the longest list items and tone texts.
void FillFullRadio()
{
    CellTable cells;
    const QString channelName = Widest(ChannNameRec::NameLength, kNameChars);
    for (int r = 1; r <= kChannels; ++r) {
        QVERIFY(!Chann_RxCommit(cells, r, QStringLiteral("448.88750"), CellEntry::Typed).message);
        for (int col = ChannCol::RxTone; col <= ChannCol::Scrambler; ++col) {
            if (col != ChannCol::TxTone)
                Chann_StoreChoice(cells, r, col, WidestItem(ChannColumnItems(col)));
        }
        QVERIFY(!Chann_NameCommit(cells, r, channelName, CellEntry::Typed).message);
    }
    for (int r = 1; r <= kFmPresets; ++r)
        QVERIFY(FM_Save_Row(r, QStringLiteral("107.99990"), Widest(kFmNameMax, kNameChars)));

    for (PonLine line : {PonLine::Upper, PonLine::Lower})
        PonMsg_Store(line, Widest(kPonMsgLineLength, MsgChars()));
    const QString code = Widest(Dtmf::kCodeDigits, DtmfDigitChars());
    for (int row : {kAniRow, kPttIdBeginRow, kPttIdEndRow})
        DtmfCode_Store(row, code);

    for (int i = 0; i < Dtmf::kEncodeCodes; ++i)
        Dtmf::StoreCode(code, Dtmf::EncodeRow(Dtmf::EncBaseHi, i));
    for (Dtmf::Code which : {Dtmf::Code::Inspection, Dtmf::Code::Monitor, Dtmf::Code::Alarm, Dtmf::Code::Stun,
                             Dtmf::Code::Kill, Dtmf::Code::Revive, Dtmf::Code::MasterId, Dtmf::Code::ViceId})
        Dtmf::StoreCode(code, Dtmf::CodeRow(Dtmf::CodeBaseHi, which));

    const QString tone = Widest(4, kDigits).replace(0, 1, QLatin1Char('2'));  // within 300..3000 Hz
    for (int r = 1; r <= kTwoToneEntries; ++r) {
        for (int c = 1; c <= 2; ++c)
            QVERIFY(!TwoTone_EncodeCommit(r, c, tone, CellEntry::Typed));
        for (int c = 1; c <= 3 * kTwoToneDecoders; ++c)
            TwoTone_StoreDecodeChoice(r, c, WidestItem(TwoToneDecItems(c)), CellEntry::Typed);
        for (int t = 0; t < kTwoToneTones; ++t)
            QVERIFY(!TwoTone_ToneCommit(r - 1, t, tone));
    }

    for (int r = 1; r <= kFiveToneStandards; ++r) {
        for (int c = 1; c <= 3; ++c)
            FiveTone_StoreStdChoice(r, c, WidestItem(FiveToneStdColumnItems(c)));
    }
    for (int r = 1; r <= kFiveToneCodes; ++r) {
        for (int c = 1; c <= 3; ++c)
            FiveTone_StoreFrame(r, c, Widest(kFiveToneFrameDigits, kHexChars));
        FiveTone_StoreEncStd(r, WidestItem(FiveToneStdNames()));
    }

    for (AdjBox box : kAdjBoxes) {
        for (int page = 0; page < 3; ++page) {
            for (int index = 0; index < AdjBoxCount(box); ++index) {
                if (const std::optional<AdjCell> cell = AdjBoxCell(box, index, page))
                    AdjData(cell->row, cell->col) = static_cast<std::int16_t>(AdjBoxMax(box));
            }
        }
    }
}

// ---- The room a control gives its text -------------------------------------

// A line edit keeps two pixels free on either side of its text, and shows
// the text unscrolled while its width and one pixel more fit (Qt's own
// drawing).
constexpr int kLineEditMargin = 2;

int TextWidth(const QWidget* control, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(control->font()).horizontalAdvance(text)));
}

int LineEditRoom(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - 1;
}

// A list's field draws its text one pixel inside the field.
int ComboRoom(const QComboBox* box)
{
    if (box->isEditable())
        return LineEditRoom(box->lineEdit());
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.frame = box->hasFrame();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return field.width() - 2;
}

class FitWalk {
public:
    QStringList faults;

    void visit(QWidget* window, const QString& where)
    {
        // What the user sees: the layouts have taken in the captions set
        // since they last ran.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const QString here =
                QStringLiteral("%1/%2(%3)").arg(where, widget->metaObject()->className(), Name(widget));
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                checkText(edit, edit->displayText(), LineEditRoom(edit), here);
            else if (auto* box = qobject_cast<QComboBox*>(widget))
                checkList(box, here);
            else if (auto* table = qobject_cast<QTableWidget*>(widget))
                checkGrid(table, here);
            else if (auto* label = qobject_cast<QLabel*>(widget)) {
                // A status bar's panels are shares of the screen, a little
                // wider than the window: what shows of a label holds it.
                checkLabel(window, label, here);
                continue;
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && HasCaption(button))
                checkButton(button, here);
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                checkFrame(window, group, here);
            else if (auto* tabs = qobject_cast<QTabBar*>(widget))
                checkTabs(tabs, here);
            else
                continue;
            const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
            if (!window->rect().contains(inWindow))
                faults << QStringLiteral("%1: lies at %2, outside its window (%3)")
                              .arg(here, At(inWindow), At(window->rect()));
        }
    }

private:
    static QString At(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    // The control a Qt widget belongs to: its own name, else its parent's.
    static QString Name(const QWidget* widget)
    {
        for (const QWidget* up = widget; up != nullptr; up = up->parentWidget()) {
            if (!up->objectName().isEmpty() && !up->objectName().startsWith(QLatin1String("qt_")))
                return up->objectName();
        }
        return QString();
    }

    void checkText(const QWidget* control, const QString& text, int room, const QString& here)
    {
        const int width = TextWidth(control, text);
        if (width > room)
            faults << QStringLiteral("%1: \"%2\" takes %3 px, the control gives it %4")
                          .arg(here, text)
                          .arg(width)
                          .arg(room);
    }

    // A caption of one or more lines (wrapped at the room's width with
    // TextWordWrap), whole in width and in height.
    void checkCaption(const QWidget* control, const QString& text, const QRect& room, const QString& here,
                      int flags = Qt::TextShowMnemonic)
    {
        if (text.isEmpty())
            return;
        const QSize needed =
            QFontMetrics(control->font()).boundingRect(QRect(0, 0, room.width(), 0), flags, text).size();
        if (needed.width() > room.width() || needed.height() > room.height())
            faults << QStringLiteral("%1: \"%2\" takes %3x%4 px, the control gives it %5x%6")
                          .arg(here, text)
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
    }

    // Buttons that show a text: push buttons, check boxes and radio buttons
    // (a tool button shows a picture).
    static bool HasCaption(const QAbstractButton* button)
    {
        return qobject_cast<const QPushButton*>(button) != nullptr || qobject_cast<const QCheckBox*>(button) != nullptr
               || qobject_cast<const QRadioButton*>(button) != nullptr;
    }

    void checkLabel(const QWidget* window, const QLabel* label, const QString& here)
    {
        // What shows of the label: its parents, up to the window, cut it.
        QRect shown = label->rect();
        for (const QWidget* up = label->parentWidget(); up != nullptr && up != window->parentWidget();
             up = up->parentWidget())
            shown &= up->rect().translated(-label->mapTo(up, QPoint(0, 0)));
        const int m = label->margin();
        checkCaption(label, label->text(), label->contentsRect().adjusted(m, m, -m, -m).intersected(shown), here,
                     Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0));
    }

    void checkButton(const QAbstractButton* button, const QString& here)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.rect = button->rect();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox*>(button) != nullptr)
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton*>(button) != nullptr)
            contents = QStyle::SE_RadioButtonContents;
        checkCaption(button, button->text(), button->style()->subElementRect(contents, &option, button), here);
    }

    // A frame's title lies inside the frame; a frame laid over a tab strip
    // lies inside the strip's page, below its tabs.
    void checkFrame(const QWidget* window, const QGroupBox* group, const QString& here)
    {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.lineWidth = 1;
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame;
        if (!group->title().isEmpty())
            option.subControls |= QStyle::SC_GroupBoxLabel;
        if (group->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        // The style draws the title in its label's place, cut to it: the
        // place lies inside the frame and holds the title's glyphs.
        const QRect title =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const int glyphs = QFontMetrics(group->font()).boundingRect(group->title()).width();
        if (!group->title().isEmpty() && (!group->rect().contains(title) || glyphs > title.width()))
            faults << QStringLiteral("%1: its title \"%2\" takes %3 px at %4..%5, the frame is %6 px wide")
                          .arg(here, group->title())
                          .arg(glyphs)
                          .arg(title.left())
                          .arg(title.right())
                          .arg(group->width());

        const QRect frame(group->mapTo(window, QPoint(0, 0)), group->size());
        for (const QObject* sibling : group->parentWidget()->children()) {
            const auto* strip = dynamic_cast<const KitTabStrip*>(sibling);
            if (strip == nullptr || !strip->isVisible() || !strip->geometry().intersects(group->geometry()))
                continue;
            // The page: the panel under the tabs.
            const auto* page = strip->findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
            const QRect pageRect(page->mapTo(window, QPoint(0, 0)), page->size());
            if (!pageRect.contains(frame))
                faults << QStringLiteral("%1: lies at %2, outside its tab strip's page (%3)")
                              .arg(here, At(frame), At(pageRect));
        }
    }

    // Every tab shows its caption whole, inside the strip (no tab scrolled
    // away or cut).
    void checkTabs(const QTabBar* bar, const QString& here)
    {
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            const QString where = here + QStringLiteral(" tab %1").arg(i + 1);
            if (!bar->rect().contains(tab))
                faults << QStringLiteral("%1: lies at %2, outside its strip (%3)").arg(where, At(tab), At(bar->rect()));
            checkCaption(bar, bar->tabText(i), tab.adjusted(space / 2, 0, -(space - space / 2), 0), where);
        }
    }

    void checkList(QComboBox* box, const QString& here)
    {
        const int room = ComboRoom(box);
        const QString shown =
            box->currentIndex() < 0 && !box->isEditable() ? box->placeholderText() : box->currentText();
        checkText(box, shown, room, here + QStringLiteral(" shown"));
        for (int i = 0; i < box->count(); ++i)
            checkText(box, box->itemText(i), room, here + QStringLiteral(" item %1").arg(i));
        // Dropped down, every item has at least the room the closed list's
        // frame and arrow leave it.
        box->showPopup();
        const int dropped = box->view()->viewport()->width() - (box->width() - room);
        for (int i = 0; i < box->count(); ++i)
            checkText(box, box->itemText(i), dropped, here + QStringLiteral(" dropped down, item %1").arg(i));
        box->hidePopup();
    }

    void checkGrid(QTableWidget* table, const QString& here)
    {
        const QHeaderView* header = table->horizontalHeader();
        const int headerMargin = table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        // A cell draws its text inside a margin on either side, left of the grid line.
        const int cellMargin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
        const int gridLine = table->showGrid() ? 1 : 0;
        int columns = 0;
        for (int c = 0; c < table->columnCount(); ++c) {
            columns += table->columnWidth(c);
            const QString heading = table->horizontalHeaderItem(c)->text();
            checkText(header, heading, header->sectionSize(c) - 2 * headerMargin,
                      here + QStringLiteral(" heading %1").arg(c));
            const int room = table->columnWidth(c) - gridLine - 2 * cellMargin;
            for (int r = 0; r < table->rowCount(); ++r) {
                if (const QTableWidgetItem* item = table->item(r, c))
                    checkText(table, item->text(), room, here + QStringLiteral(" cell %1,%2").arg(r + 1).arg(c));
            }
        }
        if (columns > table->viewport()->width())
            faults << QStringLiteral("%1: its columns take %2 px, the grid shows %3")
                          .arg(here)
                          .arg(columns)
                          .arg(table->viewport()->width());
    }
};

// The grids whose window sizes them for all their rows.
struct FullGrid {
    const char* name;
    std::function<void(MDImain&)> open;
    std::function<KitGrid*()> grid;
    int tab;  // the page of the window's tab strip that shows it (0: none)
};

const FullGrid kFullGrids[] = {
    {"FM presets", [](MDImain& main) { main.fm_chann_edit->trigger(); },
     [] { return Windows::Find<frm_FM>()->MSF_Chann; }, 0},
    {"two-tone encode", [](MDImain& main) { main.Sig_2tone->trigger(); },
     [] { return Windows::Find<frm_2tone>()->MSF_Encode; }, 1},
    {"two-tone decode", [](MDImain& main) { main.Sig_2tone->trigger(); },
     [] { return Windows::Find<frm_2tone>()->MSF_Decode; }, 2},
    {"five-tone standards", [](MDImain& main) { main.Sig_5tone->trigger(); },
     [] { return Windows::Find<frm_5tone>()->MSF_Chann; }, 1},
    {"five-tone encode", [](MDImain& main) { main.Sig_5tone->trigger(); },
     [] { return Windows::Find<frm_5tone>()->MSF_Encode; }, 2},
};

}  // namespace

class TestValuesFit : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void every_value_fits_its_control_data();
    void every_value_fits_its_control();
    void grids_sized_for_all_their_rows_show_them_data();
    void grids_sized_for_all_their_rows_show_them();
};

void TestValuesFit::init()
{
    QVERIFY(startApp());
    QCOMPARE(ScreenPixels(), QSize(1280, 800));
    // What the file dialogs show: one folder, one image file.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("images")));
    QFile image(dir_->filePath(QStringLiteral("radio.dat")));
    QVERIFY(image.open(QIODevice::WriteOnly));
}

void TestValuesFit::cleanup()
{
    LangChinese = 0;
    recorder_->takeAll();  // the about box may have found no system information
    stopApp();
}

void TestValuesFit::every_value_fits_its_control_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("chinese");
    for (int chinese : {0, 1}) {
        for (int i = 0; i < static_cast<int>(MenuWindows().size()); ++i) {
            const QString name = QString::fromLatin1(MenuWindows()[static_cast<std::size_t>(i)].name);
            QTest::newRow(qPrintable(name + (chinese != 0 ? QStringLiteral(", Chinese") : QStringLiteral(", English"))))
                << i << chinese;
        }
    }
}

void TestValuesFit::every_value_fits_its_control()
{
    QFETCH(int, index);
    QFETCH(int, chinese);
    const MenuWindow& shown = MenuWindows()[static_cast<std::size_t>(index)];
    LangChinese = chinese;
    FillFullRadio();
    shown.open(*main_);
    Window* window = shown.find();
    QVERIFY(window != nullptr);

    FitWalk walk;
    const QString where = QString::fromLatin1(shown.name);
    walk.visit(window, where);
    KitDriver::TurnEveryPage(window,
                             [&](int tab) { walk.visit(window, QStringLiteral("%1, tab %2").arg(where).arg(tab)); });
    for (const QString& fault : walk.faults)
        qWarning().noquote() << fault;
    QVERIFY2(walk.faults.isEmpty(), "values wider than their controls (listed above)");

    // The window lies on the screen; a child window inside the main window.
    const QWidget* frame = window->frameWidget();
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(frame)) {
        const QRect area(QPoint(0, 0), main_->mdiArea()->viewport()->size());
        QVERIFY2(area.contains(sub->geometry()), qPrintable(shown.name));
    } else {
        QVERIFY2(QRect(QPoint(0, 0), ScreenPixels()).contains(frame->frameGeometry()), qPrintable(shown.name));
    }
}

void TestValuesFit::grids_sized_for_all_their_rows_show_them_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kFullGrids)); ++i)
        QTest::newRow(kFullGrids[i].name) << i;
}

void TestValuesFit::grids_sized_for_all_their_rows_show_them()
{
    QFETCH(int, index);
    const FullGrid& shown = kFullGrids[index];
    FillFullRadio();
    shown.open(*main_);
    KitGrid* grid = shown.grid();
    if (shown.tab > 0) {
        QWidget* window = grid;
        while (dynamic_cast<Window*>(window) == nullptr)
            window = window->parentWidget();
        KitTabStrip* strip = nullptr;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (strip == nullptr)
                strip = dynamic_cast<KitTabStrip*>(child);
        }
        QVERIFY(strip != nullptr);
        KitDriver::ClickTab(strip, shown.tab);
    }
    const auto* table = grid->findChild<QTableWidget*>();
    QVERIFY(table != nullptr);
    QVERIFY(table->isVisible());
    const QRect last = table->visualRect(table->model()->index(table->rowCount() - 1, 0));
    QVERIFY2(last.bottom() < table->viewport()->height(),
             qPrintable(QStringLiteral("the last row ends at %1, the grid shows %2")
                            .arg(last.bottom())
                            .arg(table->viewport()->height())));
    QCOMPARE(table->verticalScrollBar()->maximum(), 0);
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(TestValuesFit)
#include "tst_values_fit.moc"
