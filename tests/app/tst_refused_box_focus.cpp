// A box that refuses what it holds when the focus leaves it leaves the user
// free: one user action shows at most one refusal, the focus comes back
// only within the box's own window and only to a box that is shown, and no
// handler runs without end. One table over every window with such a box,
// through the application as it starts, against the radio simulator in
// process, on virtual time. The message recorder does not block as a
// message box does, so a round of refusals without end would overflow the
// stack here.

#include "alignment/ui/frm_adj_txp.h"
#include "app/mdimain.h"
#include "channels/ui/frm_chann.h"
#include "core/memory_image.h"
#include "options/ui/frm_option.h"
#include "options/ui/vfo_frame.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr qint64 kLongEnough = 60000;

// The boxes that check what they hold when the focus leaves them.
enum class Box { AdjVhfLow, AdjVhfHigh, AdjUhfLow, AdjUhfHigh, VfoA, VfoB, Ani, TwoToneTone };
// How the user leaves the box.
enum class Leave {
    TabClick,                // a tab of the box's own window, which hides the box's page
    ClickIntoAnotherWindow,  // the channel window, open since the start
    MenuOpensAnotherWindow,  // the DTMF window, opened by its menu item
};

// Band limits a read can bring into row 9 (VHF low, VHF high, UHF low, UHF
// high, three digits each) that put boxes out of line for good.
const QByteArray kErasedLimits = QByteArray(12, '\xFF');                              // every box " 28305"
const QByteArray kVhfHighBelow130 = QByteArray::fromHex("010306010205040000040800");  // 136 to 125
const QByteArray kOtherBandRow = QByteArray::fromHex("000606000809020400020500");     // 66 to 89, 240 to 250

bool IsAdj(Box box)
{
    return box <= Box::AdjUhfHigh;
}

// Row 9, columns 0..11, as bytes.
QByteArray AdjRowBytes()
{
    QByteArray bytes;
    for (int c = 0; c < 12; ++c)
        bytes += static_cast<char>(AdjData(AdjLimitRow, c));
    return bytes;
}

}  // namespace

Q_DECLARE_METATYPE(Box)
Q_DECLARE_METATYPE(Leave)

class TestRefusedBoxFocus : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void refusal_leaves_the_user_free_to_go_data();
    void refusal_leaves_the_user_free_to_go();

private:
    // Opens the box's window as the user does and returns the box.
    KitText* openBox(Box box, const QByteArray& radioLimits);
    // The box's window, its Close button and its tab strip (none without).
    Window* windowOf(Box box) const;
    KitButton* closeOf(Box box) const;
    KitTabStrip* tabsOf(Box box) const;
};

void TestRefusedBoxFocus::init()
{
    QVERIFY(startApp());
    KitDriver::Activate(main_);
}

void TestRefusedBoxFocus::cleanup()
{
    stopApp();
}

KitText* TestRefusedBoxFocus::openBox(Box box, const QByteArray& radioLimits)
{
    switch (box) {
    case Box::AdjVhfLow:
    case Box::AdjVhfHigh:
    case Box::AdjUhfLow:
    case Box::AdjUhfHigh: {
        radio_->memory.replace(AdjLimitsAddr, radioLimits.size(), radioLimits);
        main_->frm_adj->trigger();
        auto* adj = Windows::Find<frm_Adj_Txp>();
        KitDriver::ClickButton(adj->Command_read);
        if (!clock_->advanceUntil([this] { return recorder_->count() > 0; }, kLongEnough))
            return nullptr;
        if (recorder_->takeTexts() != QStringList{"Complete reading the data from transceiver."})
            return nullptr;
        const std::array<KitText*, 4> limits{adj->Text_Freq_L[0], adj->Text_Freq_H[0], adj->Text_Freq_L[1],
                                             adj->Text_Freq_H[1]};
        return limits[static_cast<std::size_t>(box)];
    }
    case Box::VfoA:
    case Box::VfoB:
    case Box::Ani: {
        main_->sys_edit->trigger();
        auto* options = Windows::Find<frm_option>();
        if (box == Box::Ani)
            return options->Text_ANI;
        return box == Box::VfoA ? options->Frame_A->Text_Freq : options->Frame_B->Text_Freq;
    }
    case Box::TwoToneTone: {
        main_->Sig_2tone->trigger();
        auto* twoTone = Windows::Find<frm_2tone>();
        KitDriver::ClickTab(twoTone->TabStrip1, 2);  // the decode page, with the tone boxes
        return twoTone->Text_A;
    }
    }
    return nullptr;
}

Window* TestRefusedBoxFocus::windowOf(Box box) const
{
    if (IsAdj(box))
        return Windows::Find<frm_Adj_Txp>();
    if (box == Box::TwoToneTone)
        return Windows::Find<frm_2tone>();
    return Windows::Find<frm_option>();
}

KitButton* TestRefusedBoxFocus::closeOf(Box box) const
{
    if (IsAdj(box))
        return Windows::Find<frm_Adj_Txp>()->Command_close;
    if (box == Box::TwoToneTone)
        return Windows::Find<frm_2tone>()->Command_close;
    return Windows::Find<frm_option>()->Command_close;
}

KitTabStrip* TestRefusedBoxFocus::tabsOf(Box box) const
{
    if (IsAdj(box))
        return Windows::Find<frm_Adj_Txp>()->TabStrip1;
    if (box == Box::TwoToneTone)
        return Windows::Find<frm_2tone>()->TabStrip1;
    return nullptr;
}

void TestRefusedBoxFocus::refusal_leaves_the_user_free_to_go_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QByteArray>("radioLimits");  // what Read brings into the alignment window
    QTest::addColumn<QString>("typed");           // null: the box is left as it shows
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<int>("messages");

    const std::array<std::pair<Box, const char*>, 4> limits{{{Box::AdjVhfLow, "VHF lower"},
                                                             {Box::AdjVhfHigh, "VHF upper"},
                                                             {Box::AdjUhfLow, "UHF lower"},
                                                             {Box::AdjUhfHigh, "UHF upper"}}};
    const std::array<std::pair<Leave, const char*>, 3> leaves{{{Leave::TabClick, "a tab"},
                                                               {Leave::ClickIntoAnotherWindow, "another window"},
                                                               {Leave::MenuOpensAnotherWindow, "the menu"}}};
    const std::array<std::pair<QByteArray, const char*>, 3> reads{{{kErasedLimits, "erased block"},
                                                                   {kVhfHighBelow130, "VHF upper below 130"},
                                                                   {kOtherBandRow, "another band-table row"}}};
    // The alignment's limit boxes as a read left them: nothing typed, nothing to refuse.
    for (const auto& [read, readName] : reads) {
        for (const auto& [box, boxName] : limits) {
            for (const auto& [leave, leaveName] : leaves)
                QTest::addRow("%s, %s left for %s", readName, boxName, leaveName)
                    << box << read << QString() << leave << 0;
        }
    }
    // A value typed into them that no limit can be after an erased read.
    for (const auto& [box, boxName] : limits) {
        for (const auto& [leave, leaveName] : leaves)
            QTest::addRow("erased block, 125 typed in %s, left for %s", boxName, leaveName)
                << box << kErasedLimits << QStringLiteral("125") << leave << 1;
    }
    // The other windows' boxes with a value they refuse.
    for (const auto& [leave, leaveName] : leaves) {
        if (leave != Leave::TabClick) {
            QTest::addRow("VFO A below its band, left for %s", leaveName)
                << Box::VfoA << QByteArray() << QStringLiteral("100") << leave << 1;
            QTest::addRow("VFO B below its band, left for %s", leaveName)
                << Box::VfoB << QByteArray() << QStringLiteral("100") << leave << 1;
            QTest::addRow("ANI of two digits, left for %s", leaveName)
                << Box::Ani << QByteArray() << QStringLiteral("12") << leave << 1;
        }
        QTest::addRow("two-tone tone below 300 Hz, left for %s", leaveName)
            << Box::TwoToneTone << QByteArray() << QStringLiteral("5") << leave << 1;
    }
}

void TestRefusedBoxFocus::refusal_leaves_the_user_free_to_go()
{
    QFETCH(Box, box);
    QFETCH(QByteArray, radioLimits);
    QFETCH(QString, typed);
    QFETCH(Leave, leave);
    QFETCH(int, messages);

    KitText* refusing = openBox(box, radioLimits);
    QVERIFY(refusing != nullptr);
    auto* input = refusing->findChild<QLineEdit*>();
    QTest::mouseClick(input, Qt::LeftButton);
    QVERIFY(input->hasFocus());
    if (!typed.isNull()) {
        refusing->setText(QString());
        KitDriver::TypeText(refusing, typed);
    }
    recorder_->takeAll();

    Window* goneTo = nullptr;
    switch (leave) {
    case Leave::TabClick:
        KitDriver::ClickTab(tabsOf(box), 1);
        break;
    case Leave::ClickIntoAnotherWindow: {
        auto* channels = Windows::Find<frm_chann>();
        QTest::mouseClick(channels->Text_PassWord->findChild<QLineEdit*>(), Qt::LeftButton);
        goneTo = channels;
        break;
    }
    case Leave::MenuOpensAnotherWindow:
        main_->Sig_dtmf->trigger();
        goneTo = Windows::Find<frm_dtmf>();
        break;
    }
    QCOMPARE(recorder_->takeAll().size(), messages);
    // Row 9 holds what the read brought: nothing the user did not type and
    // see pass reached it.
    if (IsAdj(box))
        QCOMPARE(AdjRowBytes(), radioLimits);

    // The user went where they went, and the box let them.
    QVERIFY(!input->hasFocus());
    if (goneTo != nullptr) {
        QCOMPARE(main_->activeChild(), goneTo);
        QVERIFY(goneTo->isAncestorOf(QApplication::focusWidget()));
    } else {
        QCOMPARE(tabsOf(box)->selectedIndex(), 1);
        QVERIFY(!refusing->isVisible());
        if (box == Box::TwoToneTone)
            QVERIFY(Windows::Find<frm_2tone>()->Frame_Encode->isVisible());
        else
            QCOMPARE(Windows::Find<frm_Adj_Txp>()->Page, 0);
    }

    // The application answers, and the window closes at the first click.
    clock_->advance(1000);
    KitDriver::ClickButton(closeOf(box));
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(windowOf(box), nullptr);
}

QTEST_MAIN(TestRefusedBoxFocus)
#include "tst_refused_box_focus.moc"
