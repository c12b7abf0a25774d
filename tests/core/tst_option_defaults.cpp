#include "core/char_codes.h"
#include "core/option_defaults.h"

#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0xA5;
constexpr int kOptRow = 224;

int OptByte(const MemoryImage& image, int offset)
{
    return image(kOptRow + offset / kRowBytes, offset % kRowBytes);
}

// Offsets whose value Option_Defaults takes from OptData as it stands.
bool NotNamed(int offset)
{
    if (offset == 4 || offset == 16 || offset == 17 || offset == 18 || offset == 28 || offset == 41)
        return true;
    return offset >= 49 && offset <= 191 && offset != 129 && offset != 132 && offset != 133;
}

QString DtmfText(const MemoryImage& image, int offset)
{
    QString text;
    for (int i = 0; i < kOptCodeBytes; ++i)
        text += DtmfCodeToChar(OptByte(image, offset + i));
    return text;
}

QString MsgText(const MemoryImage& image, int offset)
{
    QString text;
    for (int i = 0; i < kPonMsgLineLength; ++i)
        text += CodeToMsgChar(OptByte(image, offset + i));
    return text;
}

}  // namespace

class TestOptionDefaults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void settings_data();
    void settings();
    void bytesNoDefaultNamesAreZeroWithAFreshMirror();
    void defaultKeepsWhatTheEditorLastLoadedIntoTheMirror();
    void codesAndMessage();
    void vfoRecords();
    void touchesOnlyRows224To243();
};

void TestOptionDefaults::init()
{
    OptData.fill(0);
}

void TestOptionDefaults::settings_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::newRow("TDR on") << OptIdx_Tdr << 1;
    QTest::newRow("0x0E01 without a control") << 1 << 2;
    QTest::newRow("squelch level 5") << OptIdx_Sql_le << 5;
    QTest::newRow("time-out 90 s") << OptIdx_tot << 5;
    QTest::newRow("TOT pre-alert 10 s") << OptIdx_Toa << 10;
    QTest::newRow("DTMF side tone both") << OptIdx_Dtmfst << 3;
    QTest::newRow("PTT delay 10") << OptIdx_Ptt_lt << 10;
    QTest::newRow("alarm transpond") << OptIdx_Emc_Tp << 1;
    QTest::newRow("alarm channel 199") << OptIdx_Emc_Ch << 199;
    QTest::newRow("B display channel") << OptIdx_MDF_B << 1;
    QTest::newRow("power-on BATT") << OptIdx_PonMsg << 2;
    QTest::newRow("wait light purple") << OptIdx_wt_led << 3;
    QTest::newRow("TX light orange") << OptIdx_tx_led << 2;
    QTest::newRow("TDR return 10") << OptIdx_TDR_AB << 10;
    QTest::newRow("repeater tail clear 5") << OptIdx_RP_STE << 5;
    QTest::newRow("0x0E30 without a control") << 48 << 0;
    QTest::newRow("0x0E81") << 129 << 1;
    QTest::newRow("0x0E84") << 132 << 31;
    QTest::newRow("0x0E85") << 133 << 1;
    QTest::newRow("0x0ECC after the message") << 204 << 0xFF;
}

void TestOptionDefaults::settings()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    MemoryImage image;
    Option_Defaults(image);
    QCOMPARE(OptByte(image, offset), value);
    QCOMPARE(OptData[offset], value);
}

void TestOptionDefaults::bytesNoDefaultNamesAreZeroWithAFreshMirror()
{
    MemoryImage image;
    Option_Defaults(image);
    for (int offset = 0; offset < 192; ++offset) {
        if (NotNamed(offset))
            QVERIFY2(OptByte(image, offset) == 0, qPrintable(QString::number(offset)));
    }
}

void TestOptionDefaults::defaultKeepsWhatTheEditorLastLoadedIntoTheMirror()
{
    MemoryImage image;
    for (int i = 0; i < kOptDataSize; ++i)
        OptData[i] = 0x33;
    Option_Defaults(image);
    for (int offset = 0; offset < 192; ++offset) {
        if (NotNamed(offset)) {
            QCOMPARE(OptData[offset], 0x33);
            QCOMPARE(OptByte(image, offset), 0x33);
        } else {
            QVERIFY2(OptByte(image, offset) != 0x33, qPrintable(QString::number(offset)));
        }
    }
    // 192..255 are always rewritten; 256..512 are never used.
    QCOMPARE(OptByte(image, 250), 0xFF);
    for (int i = kOptMirrorBytes; i < kOptDataSize; ++i)
        QCOMPARE(OptData[i], 0x33);
}

void TestOptionDefaults::codesAndMessage()
{
    MemoryImage image;
    Option_Defaults(image);
    QCOMPARE(MsgText(image, OptIdx_PON_MSG), QStringLiteral("WELCOM"));
    QCOMPARE(MsgText(image, OptIdx_PON_MSG + kPonMsgLineLength), QStringLiteral("QV6417"));
    // Code 0 is the DTMF digit D, the digit 0 is code 10.
    QCOMPARE(DtmfText(image, OptIdx_Ani), QStringLiteral("8D8D8"));
    QCOMPARE(DtmfText(image, OptIdx_PttId_Begin), QStringLiteral("12345"));
    QCOMPARE(DtmfText(image, OptIdx_PttId_End), QStringLiteral("98765"));
    QCOMPARE(RowBytes(image, 237, 5, 11), Repeated(0xFF, 11));
}

void TestOptionDefaults::vfoRecords()
{
    MemoryImage image = FilledImage(kSentinel);
    Option_Defaults(image);
    auto digits = [&](int row, int first, int count) {
        QString text;
        for (int c = first; c < first + count; ++c)
            text += QString::number(image(row, c));
        return text;
    };
    QCOMPARE(digits(kVfoFreqRowA, 0, 8), QStringLiteral("13602500"));
    QCOMPARE(digits(kVfoFreqRowA, 8, 6), QStringLiteral("010655"));  // 10.655 MHz offset
    QCOMPARE(digits(kVfoFreqRowB, 0, 8), QStringLiteral("47062500"));
    QCOMPARE(digits(kVfoFreqRowB, 8, 6), QStringLiteral("001625"));  // 1.625 MHz offset
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 14, 2), (Bytes{0, 0}));
    QCOMPARE(RowBytes(image, kVfoParamRowA, 0, 12), Repeated(0, 12));
    QCOMPARE(RowBytes(image, kVfoParamRowB, 0, 12), (Bytes{0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(RowBytes(image, kVfoParamRowA, 12, 4), Repeated(kSentinel, 4));
    QCOMPARE(RowBytes(image, kVfoParamRowB, 12, 4), Repeated(kSentinel, 4));
}

void TestOptionDefaults::touchesOnlyRows224To243()
{
    MemoryImage image = FilledImage(kSentinel);
    Option_Defaults(image);
    QVERIFY(RowsHold(image, 0, 223, kSentinel));
    QVERIFY(RowsHold(image, 244, kImageRows - 1, kSentinel));
}

QTEST_GUILESS_MAIN(TestOptionDefaults)
#include "tst_option_defaults.moc"
