// An empty channel (0xFF in byte 0 of its record) may hold other bytes
// behind that 0xFF: an old channel's, as a radio or a ".dat" file gives
// them. The channel grid shows such a channel as an empty row, and neither
// a painting of the grid nor Enter through the row's cells stores a byte:
// the image keeps them whatever paints the rows. The edits that start, delete or erase a channel give the same
// records over such a row as over an erased one. The application as it
// starts, against the radio simulator in process, on virtual time.

#include "app/mdimain.h"
#include "channels/ui/frm_chann.h"
#include "core/dat_file.h"
#include "core/tone_list.h"
#include "core/ui/form_open_chann.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_read.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <vector>

namespace {

constexpr qint64 kLongEnough = 600000;
const QString kReadDone = QStringLiteral("Complete reading data from the transceiver.");
const QString kLoaded = QStringLiteral("Succeed fold the parameter from file.");

// Channels emptied by their first byte alone, and the record after the
// last channel, which the window's load shows too.
struct Leftover {
    int channel;
    const char* main;
    const char* name;
};

const Leftover kLeftovers[] = {
    {4, "FF 25 61 13 00 00 89 08 75 03 75 03 01 02 03 04", "41 42 43 FF FF FF 01 02 03 04 05 06 07 08 09 0A"},
    {5, "FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
    {6, "FF FF FF FF 00 00 50 14 E8 03 D2 00 0E 21 11 4F", "FF 4F 4C 44 FF FF FF FF FF FF FF FF FF FF FF FF"},
    {199, "FF 12 50 14 50 12 50 14 00 00 00 00 00 00 00 04", "5A 39 58 38 57 37 FF FF FF FF FF FF FF FF FF FF"},
    {200, "FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F", "41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00"},
};

// A channel the user starts beside them.
constexpr int kChannel = 1;

// The two rows the edits act on: one erased, one with the first leftovers.
constexpr int kErasedChannel = 10;
constexpr int kLeftoverChannel = 12;

void PutRow(RadioSimulator& radio, int row, const char* hexBytes)
{
    MemoryImage scratch;
    SetRow(scratch, 0, hexBytes);
    for (int c = 0; c < kRowBytes; ++c)
        radio.memory[row * kRowBytes + c] = static_cast<char>(scratch(0, c));
}

}  // namespace

class TestChannLeftoverBytes : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();
    void cleanup();

    void no_painting_stores_an_empty_channels_bytes_data();
    void no_painting_stores_an_empty_channels_bytes();
    void edits_over_leftover_bytes_give_the_records_of_an_erased_row_data();
    void edits_over_leftover_bytes_give_the_records_of_an_erased_row();

private:
    frm_chann* window() const { return Windows::Find<frm_chann>(); }
    void click(int row, int col) { KitDriver::ClickCell(window()->MSF_Chann, row, col); }
    void type(const QString& text) { KitDriver::TypeText(window()->Text_Edit, text); }
    QString cell(int row, int col) const { return window()->MSF_Chann->textMatrix(row, col); }
    void runRead(const TransferEngine& link);
    // The image rows of the leftovers that no longer hold them, and the
    // cells of their grid rows that are not blank.
    QStringList storedOverLeftovers() const;
    QStringList shownOfLeftovers() const;
};

void TestChannLeftoverBytes::init()
{
    QVERIFY(startApp());
    QVERIFY(KitDriver::ShowActive(main_));
    QVERIFY(window() != nullptr);
    // The image and the radio alike, so that a read brings the same bytes.
    for (const Leftover& l : kLeftovers) {
        for (const auto& [row, bytes] :
             {std::pair{ChannRecRow(l.channel + 1), l.main}, std::pair{ChannNameRow(l.channel + 1), l.name}}) {
            SetRow(Edata, row, bytes);
            PutRow(*radio_, row, bytes);
        }
    }
    SetRow(Edata, ChannRecRow(kLeftoverChannel + 1), kLeftovers[0].main);
    SetRow(Edata, ChannNameRow(kLeftoverChannel + 1), kLeftovers[0].name);
}

void TestChannLeftoverBytes::cleanup()
{
    stopApp();
}

void TestChannLeftoverBytes::runRead(const TransferEngine& link)
{
    QVERIFY(clock_->advanceUntil([&] { return !link.busy() && !ports_->isOpen(kAppPort); }, kLongEnough));
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
}

QStringList TestChannLeftoverBytes::storedOverLeftovers() const
{
    QStringList stored;
    for (const Leftover& l : kLeftovers) {
        if (RowHex(Edata, ChannRecRow(l.channel + 1)) != QByteArray(l.main))
            stored << QStringLiteral("channel %1: %2").arg(l.channel).arg(RowHex(Edata, ChannRecRow(l.channel + 1)));
        if (RowHex(Edata, ChannNameRow(l.channel + 1)) != QByteArray(l.name))
            stored << QStringLiteral("name %1: %2").arg(l.channel).arg(RowHex(Edata, ChannNameRow(l.channel + 1)));
    }
    return stored;
}

QStringList TestChannLeftoverBytes::shownOfLeftovers() const
{
    QStringList shown;
    for (const Leftover& l : kLeftovers) {
        if (l.channel >= ChannCount)
            continue;  // the grid ends at the last channel
        // Not the name cell: after the window's own read it shows the
        // received name, by the read's own rule.
        for (int col = ChannCol::Band; col <= ChannCol::Scrambler; ++col) {
            if (!cell(l.channel + 1, col).isEmpty())
                shown << QStringLiteral("channel %1 column %2: \"%3\"")
                             .arg(l.channel)
                             .arg(col)
                             .arg(cell(l.channel + 1, col));
        }
    }
    return shown;
}

void TestChannLeftoverBytes::no_painting_stores_an_empty_channels_bytes_data()
{
    QTest::addColumn<std::function<void(TestChannLeftoverBytes&)>>("paint");
    using T = TestChannLeftoverBytes;
    QTest::newRow("the window's load") << std::function([](T& t) {
        Windows::Unload(t.window());
        t.main_->chann_edit->trigger();
    });
    QTest::newRow("its activation") << std::function([](T& t) {
        t.main_->sys_edit->trigger();
        Windows::BringForward(t.window());
        QCOMPARE(t.main_->activeChild(), t.window());
    });
    QTest::newRow("its own read") << std::function([](T& t) {
        t.window()->Command_read->click();
        t.runRead(t.window()->link());
    });
    QTest::newRow("a whole-image read") << std::function([](T& t) {
        t.main_->Prog_read->trigger();
        auto* dialog = Windows::Find<Form_Comm_Read>();
        dialog->Command_read->click();
        t.runRead(dialog->transfer());
    });
    QTest::newRow("a \".dat\" file opened") << std::function([](T& t) {
        QFile out(t.dir_->filePath(QStringLiteral("radio.dat")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(DatFileText(Edata));
        out.close();
        t.main_->File_Open->trigger();
        auto* dialog = Windows::Find<Form_open_chann>();
        dialog->Text1->setText(QStringLiteral("radio.dat"));
        dialog->Command_enter->click();
        QCOMPARE(t.recorder_->takeTexts(), QStringList{kLoaded});
    });
    QTest::newRow("a tone chosen in another row") << std::function([](T& t) {
        t.click(kChannel + 1, ChannCol::RxFreq);
        t.type(QStringLiteral("145"));
        t.click(kChannel + 1, ChannCol::RxTone);
        KitDriver::ChooseItem(t.window()->Combo_edit, 9);
        t.click(kChannel + 1, ChannCol::Number);
        QCOMPARE(t.cell(kChannel + 1, ChannCol::RxTone), QStringLiteral("88.5"));
    });
    QTest::newRow("Enter through an empty row's RX cell") << std::function([](T& t) {
        const int row = kLeftovers[0].channel + 1;
        t.click(row, ChannCol::RxFreq);
        KitDriver::PressKey(t.window()->Text_Edit, Qt::Key_Return);
        t.click(row, ChannCol::Number);
        QCOMPARE(t.recorder_->count(), 0);
    });
    QTest::newRow("an RX frequency typed into another row") << std::function([](T& t) {
        t.click(kChannel + 1, ChannCol::RxFreq);
        t.type(QStringLiteral("145"));
        t.click(kChannel + 1, ChannCol::Number);
        QCOMPARE(t.cell(kChannel + 1, ChannCol::Band), QStringLiteral("VHF/UHF "));
    });
}

void TestChannLeftoverBytes::no_painting_stores_an_empty_channels_bytes()
{
    QFETCH(std::function<void(TestChannLeftoverBytes&)>, paint);
    paint(*this);
    QVERIFY(window() != nullptr);
    const QStringList stored = storedOverLeftovers();
    QVERIFY2(stored.isEmpty(), qPrintable(stored.join(QStringLiteral("; "))));
    const QStringList shown = shownOfLeftovers();
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(QStringLiteral("; "))));
}

void TestChannLeftoverBytes::edits_over_leftover_bytes_give_the_records_of_an_erased_row_data()
{
    // What the user does in grid row r; a whole-table button acts once.
    QTest::addColumn<std::function<void(TestChannLeftoverBytes&, int)>>("edit");
    QTest::addColumn<bool>("wholeTable");
    using T = TestChannLeftoverBytes;
    using Step = std::function<void(T&, int)>;
    // The steps, each ended by a click on the row's number cell.
    const auto edit = [](std::vector<Step> steps) {
        return Step([steps](T& t, int r) {
            for (const Step& step : steps)
                step(t, r);
            t.click(r, ChannCol::Number);
        });
    };
    const auto typed = [](int col, const QString& text, bool byEnter = false) {
        return Step([=](T& t, int r) {
            t.click(r, col);
            t.type(text);
            if (byEnter)
                KitDriver::PressKey(t.window()->Text_Edit, Qt::Key_Return);
        });
    };
    const auto rubbedOut = [](int col) {
        return Step([col](T& t, int r) {
            t.click(r, col);
            t.type(QStringLiteral("1"));
            KitDriver::PressKey(t.window()->Text_Edit, Qt::Key_Backspace);
        });
    };
    const auto chosen = [](int col, int item) {
        return Step([=](T& t, int r) {
            t.click(r, col);
            KitDriver::ChooseItem(t.window()->Combo_edit, item);
        });
    };
    const Step toneTyped = [](T& t, int r) {
        t.click(r, ChannCol::RxTone);
        KitDriver::TypeText(t.window()->Combo_edit, QStringLiteral("77.5"));
    };
    const Step band = chosen(ChannCol::Band, 0);
    QTest::newRow("RX typed, the cell left") << edit({typed(ChannCol::RxFreq, QStringLiteral("145"))}) << false;
    QTest::newRow("RX typed, Enter") << edit({typed(ChannCol::RxFreq, QStringLiteral("145.5"), true)}) << false;
    QTest::newRow("RX out of range, the cell left") << edit({typed(ChannCol::RxFreq, QStringLiteral("999"))}) << false;
    QTest::newRow("RX out of range, Enter") << edit({typed(ChannCol::RxFreq, QStringLiteral("999"), true)}) << false;
    QTest::newRow("RX typed and rubbed out") << edit({rubbedOut(ChannCol::RxFreq)}) << false;
    QTest::newRow("the band chosen") << edit({band}) << false;
    QTest::newRow("the band, then an RX tone chosen") << edit({band, chosen(ChannCol::RxTone, 9)}) << false;
    QTest::newRow("the band, then a tone typed") << edit({band, toneTyped}) << false;
    QTest::newRow("the band, then the power chosen") << edit({band, chosen(ChannCol::Power, 1)}) << false;
    QTest::newRow("the band, then TX typed and rubbed out") << edit({band, rubbedOut(ChannCol::TxFreq)}) << false;
    QTest::newRow("Default") << std::function([](T& t, int) { t.window()->Command_def->click(); }) << true;
    QTest::newRow("Clear") << std::function([](T& t, int) { t.window()->Command_Clear->click(); }) << true;
}

void TestChannLeftoverBytes::edits_over_leftover_bytes_give_the_records_of_an_erased_row()
{
    QFETCH(std::function<void(TestChannLeftoverBytes&, int)>, edit);
    QFETCH(bool, wholeTable);
    const int erased = kErasedChannel + 1;
    const int leftover = kLeftoverChannel + 1;
    window()->RedrawRows();
    QCOMPARE(window()->MSF_Chann->row(), ChannCount);

    edit(*this, erased);
    const QStringList erasedMessages = recorder_->takeTexts();
    if (!wholeTable)
        edit(*this, leftover);
    QCOMPARE(recorder_->takeTexts(), wholeTable ? QStringList() : erasedMessages);

    QCOMPARE(RowHex(Edata, ChannRecRow(leftover)), RowHex(Edata, ChannRecRow(erased)));
    QCOMPARE(RowHex(Edata, ChannNameRow(leftover)), RowHex(Edata, ChannNameRow(erased)));
    for (int col = ChannCol::Band; col <= ChannCol::Name; ++col)
        QCOMPARE(cell(leftover, col), cell(erased, col));
    // The row after the grid was not the edit's.
    QCOMPARE(RowHex(Edata, ChannRecRow(ChannCount + 1)), QByteArray(kLeftovers[4].main));
}

QTEST_MAIN(TestChannLeftoverBytes)
#include "tst_chann_leftover_bytes.moc"
