// A box that checks or stores its text when the focus leaves it, left
// showing what the image (or the alignment table) holds, refuses nothing and
// stores nothing, whatever that value is: a read may bring values no typing
// could, and a mere pass through the box rewrote or refused them. Typing
// still goes through the box's check and store. One table over every window
// with such a box, through the application as it starts, each window reading
// its area from the radio simulator in process, on virtual time.

#include "alignment/ui/frm_adj_txp.h"
#include "app/mdimain.h"
#include "core/memory_image.h"
#include "options/ui/frm_option.h"
#include "options/ui/vfo_frame.h"
#include "platform/kit_button.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/image_bytes.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <map>

namespace {

constexpr qint64 kLongEnough = 60000;
constexpr int kDecodePage = 2;

enum class Box {
    ToneA,
    ToneB,
    ToneC,
    ToneD,
    VfoA,
    VfoB,
    Ani,
    PonUpper,
    PonLower,
    DtmfEncode1,
    DtmfInspection,
    AdjVhfLow,
    AdjVhfHigh,
    AdjUhfLow,
    AdjUhfHigh,
};

// Where a box's bytes lie: cells of an image row, or of the alignment
// table's limit row, whose radio bytes are at AdjLimitsAddr.
struct Field {
    int row;
    QList<int> cols;
    bool adj = false;
};

bool IsAdj(Box box)
{
    return box >= Box::AdjVhfLow;
}

bool IsTone(Box box)
{
    return box <= Box::ToneD;
}

bool IsDtmf(Box box)
{
    return box == Box::DtmfEncode1 || box == Box::DtmfInspection;
}

Field FieldOf(Box box)
{
    if (IsTone(box)) {
        // Tone t of decode entry 1: its word, then its period word.
        const int t = static_cast<int>(box) - static_cast<int>(Box::ToneA);
        return {752, {2 * t, 2 * t + 1, 8 + 2 * t, 9 + 2 * t}};
    }
    const auto run = [](int first, int count) {
        QList<int> cols;
        for (int c = first; c < first + count; ++c)
            cols << c;
        return cols;
    };
    switch (box) {
    case Box::VfoA:
        return {240, run(0, 8)};
    case Box::VfoB:
        return {242, run(0, 8)};
    case Box::Ani:
        return {237, run(0, 16)};
    case Box::PonUpper:
        return {236, run(0, 6)};
    case Box::PonLower:
        return {236, run(6, 6)};
    case Box::DtmfEncode1:
        return {656, run(0, 16)};
    case Box::DtmfInspection:
        return {672, run(0, 16)};
    default:
        return {AdjLimitRow, run(0, 12), true};
    }
}

// The field's bytes as they stand.
QString FieldHex(Box box)
{
    const Field field = FieldOf(box);
    QStringList bytes;
    for (int c : field.cols) {
        const int value = field.adj ? AdjData(field.row, c) : Edata(field.row, c);
        bytes << QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
    return bytes.join(QLatin1Char(' '));
}

// "FF" repeated.
QString Erased(int count)
{
    QStringList bytes;
    for (int i = 0; i < count; ++i)
        bytes << QStringLiteral("FF");
    return bytes.join(QLatin1Char(' '));
}

}  // namespace

Q_DECLARE_METATYPE(Box)

class TestBoxLeftAsShown : public QObject, private SimAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void box_left_as_it_shows_stores_and_refuses_nothing_data();
    void box_left_as_it_shows_stores_and_refuses_nothing();

private:
    // Puts the bytes into the radio where the box's field lies, opens the
    // box's window from the menu, lets it read its area and shows the box.
    KitText* readIntoBox(Box box, const QString& radioHex);
    // What the user clicks to leave the box: another control of its window.
    KitText* elsewhereInWindow(Box box) const;
};

void TestBoxLeftAsShown::init()
{
    QVERIFY(startApp());
    KitDriver::Activate(main_);
}

void TestBoxLeftAsShown::cleanup()
{
    stopApp();
}

KitText* TestBoxLeftAsShown::readIntoBox(Box box, const QString& radioHex)
{
    const Field field = FieldOf(box);
    const Bytes bytes = HexBytes(radioHex);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int col = field.cols[i];
        const int address = field.adj ? AdjLimitsAddr + col : field.row * kRowBytes + col;
        radio_->memory[address] = static_cast<char>(bytes[i]);
    }

    KitButton* read = nullptr;
    KitText* shown = nullptr;
    if (IsTone(box)) {
        main_->Sig_2tone->trigger();
        auto* twoTone = Windows::Find<frm_2tone>();
        read = twoTone->Command_read;
        const std::array<KitText*, 4> tones{twoTone->Text_A, twoTone->Text_B, twoTone->Text_C, twoTone->Text_D};
        shown = tones[static_cast<std::size_t>(static_cast<int>(box) - static_cast<int>(Box::ToneA))];
    } else if (IsAdj(box)) {
        main_->frm_adj->trigger();
        auto* adj = Windows::Find<frm_Adj_Txp>();
        read = adj->Command_read;
        const std::array<KitText*, 4> limits{adj->Text_Freq_L[0], adj->Text_Freq_H[0], adj->Text_Freq_L[1],
                                             adj->Text_Freq_H[1]};
        shown = limits[static_cast<std::size_t>(static_cast<int>(box) - static_cast<int>(Box::AdjVhfLow))];
    } else if (IsDtmf(box)) {
        main_->Sig_dtmf->trigger();
        auto* dtmf = Windows::Find<frm_dtmf>();
        read = dtmf->Command_read;
        shown = box == Box::DtmfEncode1 ? dtmf->Text_tx_Encode[0] : dtmf->Text_XC;
    } else {
        main_->sys_edit->trigger();
        auto* options = Windows::Find<frm_option>();
        read = options->Command_read;
        const std::map<Box, KitText*> boxes{{Box::VfoA, options->Frame_A->Text_Freq},
                                            {Box::VfoB, options->Frame_B->Text_Freq},
                                            {Box::Ani, options->Text_ANI},
                                            {Box::PonUpper, options->Text_PON_MSG_U},
                                            {Box::PonLower, options->Text_PON_MSG_D}};
        shown = boxes.at(box);
    }
    KitDriver::ClickButton(read);
    if (!clock_->advanceUntil([this] { return recorder_->count() > 0; }, kLongEnough))
        return nullptr;
    if (recorder_->takeTexts() != QStringList{"Complete reading the data from transceiver."})
        return nullptr;
    if (IsTone(box))
        KitDriver::ClickTab(Windows::Find<frm_2tone>()->TabStrip1, kDecodePage);
    return shown;
}

KitText* TestBoxLeftAsShown::elsewhereInWindow(Box box) const
{
    if (IsTone(box))
        return Windows::Find<frm_2tone>()->Text_PassWord;
    if (IsAdj(box)) {
        // The alignment window has no password box: the limit box across.
        auto* adj = Windows::Find<frm_Adj_Txp>();
        return box == Box::AdjUhfHigh ? adj->Text_Freq_L[0] : adj->Text_Freq_H[1];
    }
    if (IsDtmf(box))
        return Windows::Find<frm_dtmf>()->Text_PassWord;
    return Windows::Find<frm_option>()->Text_PassWord;
}

void TestBoxLeftAsShown::box_left_as_it_shows_stores_and_refuses_nothing_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("radio");  // the field's bytes in the radio
    QTest::addColumn<QString>("typed");  // null: the box is left as it shows
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("field");  // the field's bytes once the box is left

    // Two-tone tone boxes, decode entry 1 (row 752): the tone's word, then
    // its period word. A tone box shows any word but 00 00 and FF FF.
    QTest::newRow("tone A of 8000 Hz, shown 8000.0")
        << Box::ToneA << "40 1F 20 01" << QString() << 0 << "40 1F 20 01";
    QTest::newRow("tone B of 00 00 with a period word, shown blank")
        << Box::ToneB << "00 00 12 34" << QString() << 0 << "00 00 12 34";
    QTest::newRow("tone C erased with a zero period word, shown blank")
        << Box::ToneC << "FF FF 00 00" << QString() << 0 << "FF FF 00 00";
    QTest::newRow("tone D of 256 Hz, shown 256.0") << Box::ToneD << "00 01 00 24" << QString() << 0 << "00 01 00 24";
    QTest::newRow("tone A of 8000 Hz, 1500 typed") << Box::ToneA << "40 1F 20 01" << "1500" << 0 << "DC 05 00 06";
    QTest::newRow("tone A of 8000 Hz, 5 typed is refused")
        << Box::ToneA << "40 1F 20 01" << "5" << 1 << "FF FF FF FF";
    QTest::newRow("tone A of 8000 Hz, emptied") << Box::ToneA << "40 1F 20 01" << "" << 0 << "FF FF FF FF";

    // VFO frequency boxes: the radio reports VHF 136..174 and UHF 400..470.
    QTest::newRow("VFO A above its band, shown 180.00000")
        << Box::VfoA << "01 08 00 00 00 00 00 00" << QString() << 0 << "01 08 00 00 00 00 00 00";
    QTest::newRow("VFO A off the 250 Hz steps, shown 145.01370")
        << Box::VfoA << "01 04 05 00 01 03 07 00" << QString() << 0 << "01 04 05 00 01 03 07 00";
    QTest::newRow("VFO A with a byte of no digit, shown 145.0250")
        << Box::VfoA << "01 04 05 00 02 05 00 0A" << QString() << 0 << "01 04 05 00 02 05 00 0A";
    QTest::newRow("VFO B above its band, shown 480.00000")
        << Box::VfoB << "04 08 00 00 00 00 00 00" << QString() << 0 << "04 08 00 00 00 00 00 00";
    QTest::newRow("VFO B below its band, shown 380.00000")
        << Box::VfoB << "03 08 00 00 00 00 00 00" << QString() << 0 << "03 08 00 00 00 00 00 00";
    QTest::newRow("VFO A above its band, 145.0125 typed")
        << Box::VfoA << "01 08 00 00 00 00 00 00" << "145.0125" << 0 << "01 04 05 00 01 02 05 00";
    QTest::newRow("VFO A above its band, 100 typed is refused")
        << Box::VfoA << "01 08 00 00 00 00 00 00" << "100" << 1 << "01 03 06 00 02 05 00 00";
    QTest::newRow("VFO B off the steps, 450.0137 typed")
        << Box::VfoB << "04 05 00 00 01 03 07 00" << "450.0137" << 0 << "04 05 00 00 01 03 05 00";

    // The ANI box stores at every change and checks when it is left.
    const QString aniErased = Erased(16);
    QTest::newRow("ANI of two digits") << Box::Ani << "01 02 " + Erased(14) << QString() << 0 << "01 02 " + Erased(14);
    QTest::newRow("ANI erased") << Box::Ani << aniErased << QString() << 0 << aniErased;
    QTest::newRow("ANI beginning with a star") << Box::Ani << "0B 02 03 " + Erased(13) << QString() << 0
                                               << "0B 02 03 " + Erased(13);
    QTest::newRow("ANI of six digits") << Box::Ani << "01 02 03 04 05 06 " + Erased(10) << QString() << 0
                                       << "01 02 03 04 05 06 " + Erased(10);
    QTest::newRow("ANI erased, 123 typed") << Box::Ani << aniErased << "123" << 0 << "01 02 03 " + Erased(13);
    QTest::newRow("ANI erased, 1 typed is refused") << Box::Ani << aniErased << "1" << 1 << "01 " + Erased(15);
    QTest::newRow("ANI of two digits, *23 typed is refused")
        << Box::Ani << "01 02 " + Erased(14) << "*23" << 1 << "0B 02 03 " + Erased(13);

    // The power-on message boxes store at every change; leaving one closes
    // up and centres what was typed. A line the box shows as it was read
    // stays as the radio holds it, centred or not.
    QTest::newRow("message line 1 left aligned")
        << Box::PonUpper << "41 42 20 20 20 20" << QString() << 0 << "41 42 20 20 20 20";
    QTest::newRow("message line 2 with a code of no character")
        << Box::PonLower << "51 0B 56 20 20 20" << QString() << 0 << "51 0B 56 20 20 20";
    QTest::newRow("message line 1, xyz typed") << Box::PonUpper << "41 42 20 20 20 20" << "xyz" << 0
                                               << "20 58 59 5A 20 20";
    QTest::newRow("message line 2, a b typed") << Box::PonLower << "51 0B 56 20 20 20" << "a b" << 0
                                               << "20 20 41 42 20 20";

    // DTMF code boxes store at every change; leaving one closes up what was
    // typed. A code the box shows as it was read stays as the radio holds it.
    QTest::newRow("DTMF encode code 1 with a hole")
        << Box::DtmfEncode1 << "01 FF 02 0D " + Erased(12) << QString() << 0 << "01 FF 02 0D " + Erased(12);
    QTest::newRow("DTMF inspection code erased") << Box::DtmfInspection << Erased(16) << QString() << 0 << Erased(16);
    QTest::newRow("DTMF encode code 1, 1a# typed")
        << Box::DtmfEncode1 << Erased(16) << "1a#" << 0 << "01 0D 0C " + Erased(13);

    // Alignment limit boxes, row 9 columns 0..11: three digits a limit.
    const QString adjErased = Erased(12);
    const QString vhfHighBelow130 = QStringLiteral("01 03 06 01 02 05 04 00 00 04 08 00");
    const QString otherBandRow = QStringLiteral("00 06 06 00 08 09 02 04 00 02 05 00");
    QTest::newRow("alignment erased, VHF lower") << Box::AdjVhfLow << adjErased << QString() << 0 << adjErased;
    QTest::newRow("alignment erased, UHF upper") << Box::AdjUhfHigh << adjErased << QString() << 0 << adjErased;
    QTest::newRow("alignment VHF upper below 130, VHF upper")
        << Box::AdjVhfHigh << vhfHighBelow130 << QString() << 0 << vhfHighBelow130;
    QTest::newRow("alignment of another band row, UHF lower")
        << Box::AdjUhfLow << otherBandRow << QString() << 0 << otherBandRow;
    QTest::newRow("alignment erased, 140 typed in VHF lower")
        << Box::AdjVhfLow << adjErased << "140" << 0 << "01 04 00 " + Erased(9);
    QTest::newRow("alignment erased, 125 typed in VHF lower is refused")
        << Box::AdjVhfLow << adjErased << "125" << 1 << adjErased;
}

void TestBoxLeftAsShown::box_left_as_it_shows_stores_and_refuses_nothing()
{
    QFETCH(Box, box);
    QFETCH(QString, radio);
    QFETCH(QString, typed);
    QFETCH(int, messages);
    QFETCH(QString, field);

    KitText* entered = readIntoBox(box, radio);
    QVERIFY(entered != nullptr);
    const QString shown = entered->text();
    const MemoryImage image = Edata;
    const AdjTable table = AdjData;

    auto* input = entered->findChild<QLineEdit*>();
    QTest::mouseClick(input, Qt::LeftButton);
    QVERIFY(input->hasFocus());
    if (!typed.isNull()) {
        entered->setText(QString());
        KitDriver::TypeText(entered, typed);
    }
    auto* elsewhere = elsewhereInWindow(box)->findChild<QLineEdit*>();
    QTest::mouseClick(elsewhere, Qt::LeftButton);

    QCOMPARE(recorder_->takeAll().size(), messages);
    QCOMPARE(FieldHex(box), field);
    if (typed.isNull()) {
        // Nothing was typed: not a byte of the image or the table changed,
        // the box shows what it showed, and the user is where they clicked.
        QVERIFY(Edata == image);
        QVERIFY(AdjData == table);
        QCOMPARE(entered->text(), shown);
        QVERIFY(elsewhere->hasFocus());
    }
}

QTEST_MAIN(TestBoxLeftAsShown)
#include "tst_box_left_as_shown.moc"
