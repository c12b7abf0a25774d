#include "core/numbers.h"
#include "core/tone_list.h"

#include <QtTest>

class TestToneList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void hasExactly261Entries();
    void storedForms_data();
    void storedForms();
    void inversedCodesMirrorNormalOnes();
    void indexToWord_data();
    void indexToWord();
    void wordText_data();
    void wordText();
    void everyListedWordMapsBack();
    void modelIdent();
    void secondCallGivesTheSameContent();
};

void TestToneList::hasExactly261Entries()
{
    QCOMPARE(ToneList.size(), kToneCount);
}

void TestToneList::storedForms_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::newRow("OFF") << 0 << "   OFF      ";
    QTest::newRow("first CTCSS") << 1 << "   67.0    ";
    QTest::newRow("last three-blank CTCSS") << 9 << "   88.5    ";
    QTest::newRow("first two-blank CTCSS") << 10 << "  91.5    ";
    QTest::newRow("last four-blank-after") << 12 << "  97.4    ";
    QTest::newRow("first five-character tone") << 13 << "  100.0   ";
    QTest::newRow("165.5") << 29 << "  165.5   ";
    QTest::newRow("last CTCSS") << 50 << "  254.1   ";
    QTest::newRow("first DCS") << 51 << "  D023N   ";
    QTest::newRow("last two-blank DCS") << 99 << "  D266N   ";
    QTest::newRow("first one-blank DCS") << 100 << " D271N   ";
    QTest::newRow("last normal DCS") << 155 << " D754N   ";
    QTest::newRow("first inverted DCS") << 156 << " D023I   ";
    QTest::newRow("last entry") << 260 << " D754I   ";
}

void TestToneList::storedForms()
{
    QFETCH(int, index);
    QFETCH(QString, stored);
    QCOMPARE(ToneList.at(index), stored);
}

void TestToneList::inversedCodesMirrorNormalOnes()
{
    for (int k = 1; k <= 105; ++k) {
        QString normal = TrimBlanks(ToneList.at(50 + k));
        normal.chop(1);
        QCOMPARE(TrimBlanks(ToneList.at(155 + k)), normal + QLatin1Char('I'));
    }
}

void TestToneList::indexToWord_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("OFF") << 0 << 0x00 << 0x00;
    QTest::newRow("67.0") << 1 << 0x9E << 0x02;
    QTest::newRow("165.5") << 29 << 0x77 << 0x06;
    QTest::newRow("D023N") << 51 << 0x01 << 0x00;
    QTest::newRow("D754N") << 155 << 0x69 << 0x00;
    QTest::newRow("D754I") << 260 << 0xD2 << 0x00;
}

void TestToneList::indexToWord()
{
    QFETCH(int, index);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QCOMPARE(ToneIndexToWord(index), (ToneWord{lo, hi}));
}

void TestToneList::wordText_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<bool>("singleFf");
    QTest::addColumn<QString>("text");
    QTest::newRow("00 00 is off") << 0x00 << 0x00 << false << "OFF";
    QTest::newRow("FF FF is off") << 0xFF << 0xFF << false << "OFF";
    QTest::newRow("one FF byte is a tone for the channel editor") << 0xFF << 0x00 << false << "";
    QTest::newRow("one FF byte is off for the options editor") << 0xFF << 0x00 << true << "OFF";
    QTest::newRow("D2 00 is the last DCS") << 0xD2 << 0x00 << false << "D754I";
    QTest::newRow("88.5") << 0x75 << 0x03 << false << "88.5";
    QTest::newRow("100.0 gets its .0") << 0xE8 << 0x03 << false << "100.0";
    QTest::newRow("an unlisted tone shows its value") << 0x2A << 0x03 << false << "81.0";
    QTest::newRow("high byte 1 is CTCSS 25.6, not off") << 0x00 << 0x01 << false << "25.6";
    QTest::newRow("DCS number above 210 has no text") << 211 << 0x00 << false << "";
    QTest::newRow("high byte 0x80 has no text") << 0x00 << 0x80 << false << "";
}

void TestToneList::wordText()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(bool, singleFf);
    QFETCH(QString, text);
    QCOMPARE(ToneWordText(ToneWord{lo, hi}, singleFf), text);
}

void TestToneList::everyListedWordMapsBack()
{
    for (int i = 0; i < kToneCount; ++i) {
        const ToneWord word = ToneIndexToWord(i);
        QCOMPARE(ToneWordToIndex(word), i);
        QCOMPARE(ToneWordText(word), TrimBlanks(ToneList.at(i)));
        if (i >= kFirstCtcss && i <= kLastCtcss) {
            // The word is the trimmed text read as a number, times ten.
            QCOMPARE(word.hi * 256 + word.lo, static_cast<int>(RoundHalfEven(NumericValue(ToneList.at(i)) * 10)));
            QVERIFY(word.hi >= 2 && word.hi <= 9);
        }
    }
    QCOMPARE(ToneWordToIndex(ToneWord{0x2A, 0x03}), -1);
}

void TestToneList::modelIdent()
{
    QCOMPARE(ModelIdent[0], std::uint8_t('V'));
    QCOMPARE(ModelIdent[1], std::uint8_t('D'));
    QCOMPARE(ModelIdent[2], std::uint8_t('S'));
    QCOMPARE(ModelIdent[3], std::uint8_t('Q'));
    for (int i = 4; i < 10; ++i)
        QCOMPARE(ModelIdent[i], std::uint8_t(0));
}

void TestToneList::secondCallGivesTheSameContent()
{
    const QStringList first = ToneList;
    InitToneTables();
    QCOMPARE(ToneList, first);
}

QTEST_APPLESS_MAIN(TestToneList)
#include "tst_tone_list.moc"
