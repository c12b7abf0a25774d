#include "core/char_codes.h"
#include "core/latin1.h"

#include <QtTest>

class TestCharCodes : public QObject {
    Q_OBJECT
private slots:
    void dtmfCharToCode_data();
    void dtmfCharToCode();
    void dtmfCodeToChar_data();
    void dtmfCodeToChar();
    void dtmfRowsReadBack();
    void hexCharToCode_data();
    void hexCharToCode();
    void msgCodes_data();
    void msgCodes();
    void msgCodeToChar();
    void fiveToneStandards();
    void latin1();
};

void TestCharCodes::dtmfCharToCode_data()
{
    QTest::addColumn<QString>("ch");
    QTest::addColumn<int>("code");
    QTest::newRow("0 is 10") << "0" << 10;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("D is 0") << "D" << 0;
    QTest::newRow("d is 0") << "d" << 0;
    QTest::newRow("*") << "*" << 11;
    QTest::newRow("#") << "#" << 12;
    QTest::newRow("A") << "A" << 13;
    QTest::newRow("c") << "c" << 15;
    QTest::newRow("E has none") << "E" << 255;
    QTest::newRow("e has none") << "e" << 255;
    QTest::newRow("empty has none") << "" << 255;
    QTest::newRow("two characters have none") << "12" << 255;
}

void TestCharCodes::dtmfCharToCode()
{
    QFETCH(QString, ch);
    QFETCH(int, code);
    QCOMPARE(DtmfCharToCode(ch), code);
}

void TestCharCodes::dtmfCodeToChar_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("ch");
    QTest::newRow("10 is 0") << 10 << "0";
    QTest::newRow("0 is D") << 0 << "D";
    QTest::newRow("15 is C") << 15 << "C";
    QTest::newRow("16 is nothing") << 16 << "";
    QTest::newRow("255 is nothing") << 255 << "";
    QTest::newRow("negative is nothing") << -1 << "";
}

void TestCharCodes::dtmfCodeToChar()
{
    QFETCH(int, code);
    QFETCH(QString, ch);
    QCOMPARE(DtmfCodeToChar(code), ch);
}

void TestCharCodes::dtmfRowsReadBack()
{
    auto read = [](QList<int> row) {
        QString text;
        for (int code : row)
            text += DtmfCodeToChar(code);
        return text;
    };
    QCOMPARE(read({2, 0, 2, 0, 2, 0xFF, 0xFF}), QStringLiteral("2D2D2"));
    QCOMPARE(read({2, 10, 2, 10, 2, 0xFF}), QStringLiteral("20202"));
}

void TestCharCodes::hexCharToCode_data()
{
    QTest::addColumn<QString>("ch");
    QTest::addColumn<int>("code");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("F") << "F" << 15;
    QTest::newRow("f") << "f" << 15;
    QTest::newRow("a") << "a" << 10;
    QTest::newRow("G") << "G" << 255;
    QTest::newRow("empty") << "" << 255;
}

void TestCharCodes::hexCharToCode()
{
    QFETCH(QString, ch);
    QFETCH(int, code);
    QCOMPARE(HexCharToCode(ch), code);
}

void TestCharCodes::msgCodes_data()
{
    QTest::addColumn<QString>("ch");
    QTest::addColumn<int>("code");
    QTest::newRow("digit") << "7" << 55;
    QTest::newRow("upper") << "W" << 87;
    QTest::newRow("lower is stored upper") << "w" << 87;
    QTest::newRow("plus") << "+" << 43;
    QTest::newRow("minus") << "-" << 45;
    QTest::newRow("blank") << " " << 32;
    QTest::newRow("question mark") << "?" << 11;
    QTest::newRow("empty") << "" << 11;
    QTest::newRow("non-Latin") << QString::fromUtf8("中") << 11;
}

void TestCharCodes::msgCodes()
{
    QFETCH(QString, ch);
    QFETCH(int, code);
    QCOMPARE(MsgCharToCode(ch), code);
}

void TestCharCodes::msgCodeToChar()
{
    QCOMPARE(CodeToMsgChar(32), QStringLiteral(" "));
    QCOMPARE(CodeToMsgChar(65), QStringLiteral("A"));
    QCOMPARE(CodeToMsgChar(11), QString());
    QCOMPARE(CodeToMsgChar(97), QString());
    QCOMPARE(CodeToMsgChar(0xFF), QString());
    QCOMPARE(CodeToMsgChar(-1), QString());
    QCOMPARE(CodeToMsgChar(0x10041), QString());
}

void TestCharCodes::fiveToneStandards()
{
    QString name = QStringLiteral(" EEA ");
    QCOMPARE(FiveToneStdIndex(name), 9);
    QCOMPARE(name, QStringLiteral("EEA"));
    QString lower = QStringLiteral("eea");
    QCOMPARE(FiveToneStdIndex(lower), 255);
    QCOMPARE(FiveToneStdName(8), QStringLiteral("PDZVEI"));
    QCOMPARE(FiveToneStdName(15), QString());
    QCOMPARE(FiveToneStdName(-1), QString());
    for (int i = 0; i < kFiveToneStandards; ++i) {
        QString n = FiveToneStdName(i);
        QCOMPARE(FiveToneStdIndex(n), i);
    }
}

void TestCharCodes::latin1()
{
    QCOMPARE(ByteToChar(0x41), QStringLiteral("A"));
    QCOMPARE(ByteToChar(0xE9), QString(QChar(0xE9)));
    QCOMPARE(CharToByte(QChar(0xE9)), 0xE9);
    QCOMPARE(CharToByte(QChar(0x4E2D)), -1);
}

QTEST_APPLESS_MAIN(TestCharCodes)
#include "tst_char_codes.moc"
