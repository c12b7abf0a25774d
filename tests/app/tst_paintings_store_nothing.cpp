// A window that paints its controls from the image (the alignment window
// from its table) stores nothing: loaded over any contents, turned to each
// of its pages, activated again and left open while a whole-image read
// brings the same contents from the radio, it leaves the image byte for
// byte as it was, shows no message, and none of its lists shows an item
// the image does not hold. One table over every window and several images:
// all 0xFF, all 0x00, random bytes, and values no list or box holds as they
// stand. The application as it starts, against the radio simulator in
// process, on virtual time.

#include "alignment/ui/frm_adj_txp.h"
#include "app/mdimain.h"
#include "channels/chann_rec.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_read.h"
#include "options/ui/vfo_frame.h"
#include "platform/kit_button.h"
#include "platform/kit_list.h"
#include "support/editor_windows.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QtTest>
#include <functional>
#include <optional>
#include <set>

namespace {

constexpr qint64 kLongEnough = 600000;
const QString kReadDone = QStringLiteral("Complete reading data from the transceiver.");

// The windows that paint: the six editors over the image, the alignment
// window over its table.
struct Painter {
    std::optional<EditorWindow> editor;  // none: the alignment window
};

enum class Contents { Erased, Zeros, Random, OddValues };

struct ImageCase {
    Contents contents;
    quint32 seed = 0;  // Random
};

// Values no list item and no box shows as they stand, in every area.
void PutOddValues(MemoryImage& image, AdjTable& table)
{
    // Options: a time-out past its list, a priority channel past the 200.
    image(224, 5) = 0xFF;
    image(225, 2) = 250;
    // The power-on message off centre, a blank and a code without a
    // character inside; an ANI and a PTT-ID code with holes.
    SetRow(image, 236, "41 42 20 20 20 20 41 20 0B 42 20 20");
    SetRow(image, 237, "01 FF 02 20 03");
    SetRow(image, 238, "FF 05");
    // VFO A: 145.50000 MHz with an offset of 137 kHz (no 50 kHz step), its
    // receive tone erased, its transmit tone 81.0 Hz (no item), a signal code
    // and a step past their lists.
    SetRow(image, 240, "01 04 05 05 00 00 00 00 00 00 00 01 03 07 00 00");
    SetRow(image, 241, "FF FF 2A 03 FF 00 00 00 00 00 00 07");
    // VFO B: 99.50000 MHz, outside the UHF band its byte 0 shows; a DCS
    // number past the list.
    SetRow(image, 242, "00 09 09 05 00 00 00 00 00 01 00 06 05 00 00 00");
    SetRow(image, 243, "EE 00 FF 00 00 00 00 00 00 00 00 00");
    // DTMF: an encode code with a hole, speeds past the list, the control
    // row erased but for a separator digit that is no item of its list.
    SetRow(image, 656, "01 FF 02");
    SetRow(image, 671, "FF C8");
    SetRow(image, 687, "FF FF FF FF FF 05 FF FF");
    // Two-tone: the first duration erased, the second past its list, the
    // reset time erased.
    SetRow(image, 735, "FF 96 05");
    SetRow(image, 767, "FF");
    // Five-tone: delays, standard and reset time past their lists.
    SetRow(image, 607, "FF 65 C8 FF FF FF FF FF 0F FF FF FF");
    // Alignment: a power past its box, a negative squelch value, settings
    // past their lists.
    table(0, 0) = 300;
    table(4, 3) = -5;
    table(8, 0) = 200;
    table(8, 12) = -1;
}

// Every byte of the image, then every cell of the table, from value().
void FillEach(MemoryImage& image, AdjTable& table, const std::function<int()>& value)
{
    for (int r = 0; r < kImageRows; ++r)
        for (int k = 0; k < kRowBytes; ++k)
            image(r, k) = static_cast<std::int16_t>(value());
    for (int r = 0; r < kAdjRows; ++r)
        for (int k = 0; k < kAdjCols; ++k)
            table(r, k) = static_cast<std::int16_t>(value());
}

void Fill(const ImageCase& c, MemoryImage& image, AdjTable& table)
{
    switch (c.contents) {
    case Contents::Erased:
        FillEach(image, table, [] { return 0xFF; });
        return;
    case Contents::Zeros:
        FillEach(image, table, [] { return 0x00; });
        return;
    case Contents::Random: {
        QRandomGenerator random(c.seed);
        FillEach(image, table, [&random] { return static_cast<int>(random.bounded(256)); });
        return;
    }
    case Contents::OddValues:
        // The start-up contents, with the odd values put in.
        image = Edata;
        table = AdjData;
        PutOddValues(image, table);
        return;
    }
}

QString PainterName(const Painter& p)
{
    if (!p.editor)
        return QStringLiteral("alignment");
    static const char* const names[] = {"channel", "FM", "options", "DTMF", "two-tone", "five-tone"};
    return QString::fromLatin1(names[static_cast<int>(*p.editor)]);
}

QString ContentsName(const ImageCase& c)
{
    switch (c.contents) {
    case Contents::Erased:
        return QStringLiteral("all FF");
    case Contents::Zeros:
        return QStringLiteral("all 00");
    case Contents::Random:
        return QStringLiteral("random %1").arg(c.seed);
    case Contents::OddValues:
        break;
    }
    return QStringLiteral("odd values");
}

Window* LoadPainter(const Painter& p)
{
    if (!p.editor)
        return Windows::Load<frm_Adj_Txp>();
    return LoadEditor(*p.editor);
}

// The rows a painting may change: none, but for the records of an empty
// channel, which the channel window (the start-up opens it) erases as it
// paints, a matter of its own.
std::set<int> RowsLeftOut(const MemoryImage& image)
{
    std::set<int> rows;
    for (int r = 1; r <= ChannCount + 1; ++r) {
        if (image(ChannRecRow(r), ChannRec::RxFreq) == kErased) {
            rows.insert(ChannRecRow(r));
            rows.insert(ChannNameRow(r));
        }
    }
    return rows;
}

// The rows and cells that differ from what was loaded.
QStringList Changed(const MemoryImage& expected, const AdjTable& expectedTable, const std::set<int>& leftOut)
{
    QStringList changed;
    for (int r = 0; r < kImageRows; ++r) {
        if (!leftOut.contains(r) && Edata.row(r) != expected.row(r))
            changed << QStringLiteral("row %1: %2, not %3").arg(r).arg(RowHex(Edata, r), RowHex(expected, r));
    }
    for (int r = 0; r < kAdjRows; ++r) {
        for (int k = 0; k < kAdjCols; ++k) {
            if (AdjData(r, k) != expectedTable(r, k))
                changed << QStringLiteral("table (%1, %2): %3, not %4")
                               .arg(r)
                               .arg(k)
                               .arg(AdjData(r, k))
                               .arg(expectedTable(r, k));
        }
    }
    return changed;
}

// A list whose choice does more than store its item: a band choice also
// moves the VFO's frequency into the band.
bool ChoiceDoesMore(const KitList* list)
{
    const auto* frame = dynamic_cast<const VfoFrame*>(list->parentWidget());
    return frame != nullptr && list == frame->Combo_Band;
}

// The lists of the window that show an item the image does not hold: the Qt
// box shows another value than the list says, or choosing the item it shows
// would change the image.
QStringList ListsNotAsHeld(const Window* window)
{
    QStringList wrong;
    // The kit's controls are no QObject classes of their own: they are found
    // among the widgets.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* list = dynamic_cast<KitList*>(widget);
        if (list == nullptr || list->isCellEditor())
            continue;
        const auto* combo = list->findChild<QComboBox*>();
        const QString name = list->objectName().isEmpty() ? QStringLiteral("a list") : list->objectName();
        const QString shown = list->style() == KitList::Style::ChooseOnly && combo->currentIndex() < 0
                                  ? combo->placeholderText()
                                  : combo->currentText();
        if (combo->currentIndex() != list->listIndex() || shown != list->text()) {
            wrong << QStringLiteral("%1 shows item %2 \"%3\", not %4 \"%5\"")
                         .arg(name)
                         .arg(combo->currentIndex())
                         .arg(shown)
                         .arg(list->listIndex())
                         .arg(list->text());
            continue;
        }
        if (list->listIndex() < 0 || ChoiceDoesMore(list))
            continue;
        const MemoryImage image = Edata;
        const AdjTable table = AdjData;
        RaiseEvent(list->onClick);
        if (Edata != image || AdjData != table)
            wrong << QStringLiteral("%1 shows \"%2\", which the image does not hold").arg(name, list->text());
        Edata = image;
        AdjData = table;
    }
    return wrong;
}

}  // namespace

Q_DECLARE_METATYPE(Painter)
Q_DECLARE_METATYPE(ImageCase)

class TestPaintingsStoreNothing : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void painting_stores_nothing_and_shows_what_the_image_holds_data();
    void painting_stores_nothing_and_shows_what_the_image_holds();

private:
    // The image, the table and the lists after a painting; the step names
    // the painting.
    void checkUnchanged(const char* step, const Window* window, const std::set<int>& leftOut);

    MemoryImage expected_;
    AdjTable expectedTable_;
};

void TestPaintingsStoreNothing::init()
{
    QVERIFY(startApp());
    QVERIFY(KitDriver::ShowActive(main_));
}

void TestPaintingsStoreNothing::cleanup()
{
    stopApp();
}

void TestPaintingsStoreNothing::painting_stores_nothing_and_shows_what_the_image_holds_data()
{
    QTest::addColumn<Painter>("painter");
    QTest::addColumn<ImageCase>("contents");
    std::vector<Painter> painters;
    for (EditorWindow editor : kEditorWindows)
        painters.push_back({editor});
    painters.push_back({std::nullopt});
    const ImageCase cases[] = {{Contents::Erased},    {Contents::Zeros},     {Contents::Random, 1},
                               {Contents::Random, 2}, {Contents::Random, 3}, {Contents::OddValues}};
    for (const Painter& p : painters) {
        for (const ImageCase& c : cases) {
            const QString row = PainterName(p) + QStringLiteral(" over ") + ContentsName(c);
            QTest::newRow(qPrintable(row)) << p << c;
        }
    }
}

void TestPaintingsStoreNothing::painting_stores_nothing_and_shows_what_the_image_holds()
{
    QFETCH(Painter, painter);
    QFETCH(ImageCase, contents);
    Fill(contents, expected_, expectedTable_);
    // The radio holds the same contents as the image the window is loaded over.
    for (int r = Area::WholeRead.firstRow(); r <= Area::WholeRead.lastRow(); ++r)
        for (int k = 0; k < kRowBytes; ++k)
            radio_->memory[r * kRowBytes + k] = static_cast<char>(expected_(r, k));
    Edata = expected_;
    AdjData = expectedTable_;
    const std::set<int> leftOut = RowsLeftOut(expected_);

    Window* window = LoadPainter(painter);
    QVERIFY(window != nullptr);
    checkUnchanged("the load", window, leftOut);
    if (QTest::currentTestFailed())
        return;
    KitDriver::TurnEveryPage(window, [&](int) {
        if (!QTest::currentTestFailed())
            checkUnchanged("a page turned to", window, leftOut);
    });
    if (QTest::currentTestFailed())
        return;

    // The whole-image read, with the user back in the window while it runs.
    main_->Prog_read->trigger();
    auto* dialog = Windows::Find<Form_Comm_Read>();
    QVERIFY(dialog != nullptr);
    dialog->Command_read->click();
    Windows::BringForward(window);
    window->setFocus();
    checkUnchanged("the activation", window, leftOut);
    if (QTest::currentTestFailed())
        return;
    const TransferEngine& read = dialog->transfer();
    QVERIFY(clock_->advanceUntil([&] { return !read.busy() && !ports_->isOpen(kAppPort); }, kLongEnough));
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
    checkUnchanged("the read", window, leftOut);
}

void TestPaintingsStoreNothing::checkUnchanged(const char* step, const Window* window, const std::set<int>& leftOut)
{
    const QStringList changed = Changed(expected_, expectedTable_, leftOut);
    QVERIFY2(changed.isEmpty(),
             qPrintable(QStringLiteral("after %1: %2").arg(step, changed.join(QStringLiteral("; ")))));
    QCOMPARE(recorder_->takeTexts(), QStringList());
    const QStringList lists = ListsNotAsHeld(window);
    QVERIFY2(lists.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(step, lists.join(QStringLiteral("; ")))));
}

QTEST_MAIN(TestPaintingsStoreNothing)
#include "tst_paintings_store_nothing.moc"
