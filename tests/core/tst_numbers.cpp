#include "core/numbers.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void numericText_data();
    void numericText();
    void leadingDigitsValue_data();
    void leadingDigitsValue();
    void roundHalfEven_data();
    void roundHalfEven();
    void shortestText_data();
    void shortestText();
    void signedText();
    void trimBlanks();
    void stepTexts();
};

void TestNumbers::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "145.0125" << 145.0125;
    QTest::newRow("blanks anywhere are ignored") << " 1 4 5 .5 " << 145.5;
    QTest::newRow("stops at the first other character") << "12a3" << 12.0;
    QTest::newRow("a second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("sign") << "-7.5" << -7.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("trailing point") << "145." << 145.0;
    QTest::newRow("empty is zero") << "" << 0.0;
    QTest::newRow("no number at the start is zero") << "abc" << 0.0;
    QTest::newRow("a lone sign is zero") << "-" << 0.0;
    QTest::newRow("a lone point is zero") << "." << 0.0;
    QTest::newRow("no exponent") << "1e3" << 1.0;
    QTest::newRow("comma is not a point") << "1,5" << 1.0;
    // A number too large for a double read as 0, which a range check passes.
    QTest::newRow("too large is not zero") << QString(400, QLatin1Char('9')) << qInf();
    QTest::newRow("too large negative is not zero") << QLatin1Char('-') + QString(400, QLatin1Char('9')) << -qInf();
    QTest::newRow("too small is zero") << QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QLatin1Char('1')
                                       << 0.0;
}

void TestNumbers::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericValue(text), value);
}

void TestNumbers::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::newRow("blanks left out") << " 1 07.9 x"
                                     << "107.9";
    QTest::newRow("sign kept") << "+98.5"
                               << "+98.5";
    QTest::newRow("a second point ends it") << "98..5"
                                            << "98.";
    QTest::newRow("more digits than a double holds") << "86.99999999999999999"
                                                     << "86.99999999999999999";
    QTest::newRow("no number") << "abc"
                               << "";
    QTest::newRow("a lone sign") << "-"
                                 << "";
}

void TestNumbers::numericText()
{
    QFETCH(QString, text);
    QFETCH(QString, number);
    QCOMPARE(NumericText(text), number);
}

void TestNumbers::leadingDigitsValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "1500.5" << 1500.5;
    QTest::newRow("a second point ends the run") << "12.5.3" << 12.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("a lone point is zero") << "." << 0.0;
    QTest::newRow("empty is zero") << "" << 0.0;
    QTest::newRow("a sign is no digit") << "+1500" << 0.0;
    QTest::newRow("a leading blank is no digit") << " 1600" << 0.0;
    QTest::newRow("a blank ends the run") << "1 7 00" << 1.0;
    QTest::newRow("too large is not zero") << QString(400, QLatin1Char('9')) << qInf();
}

void TestNumbers::leadingDigitsValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingDigitsValue(text), value);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half down to even") << 2.5 << 2.0;
    QTest::newRow("half up to even") << 3.5 << 4.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << 2.5001 << 3.0;
    QTest::newRow("negative half") << -2.5 << -2.0;
    QTest::newRow("tone word 88.5 x 10") << 885.0 << 885.0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(RoundHalfEven(x), rounded);
}

void TestNumbers::shortestText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 145.0 << "145";
    QTest::newRow("fraction") << 145.0025 << "145.0025";
    QTest::newRow("below one") << 0.5 << "0.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("fifteen digits hide binary noise") << (0.1 + 0.2) << "0.3";
    QTest::newRow("negative") << -12.25 << "-12.25";
}

void TestNumbers::shortestText()
{
    QFETCH(double, x);
    QFETCH(QString, text);
    QCOMPARE(ShortestText(x), text);
}

void TestNumbers::signedText()
{
    QCOMPARE(SignedText(136), QStringLiteral(" 136"));
    QCOMPARE(SignedText(0), QStringLiteral(" 0"));
    QCOMPARE(SignedText(-5), QStringLiteral("-5"));
}

void TestNumbers::trimBlanks()
{
    QCOMPARE(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(TrimBlanks(QStringLiteral("   ")), QString());
    QCOMPARE(TrimBlanks(QStringLiteral("\tx\t")), QStringLiteral("\tx\t"));
}

void TestNumbers::stepTexts()
{
    QCOMPARE(StepTexts(50, 10, 3), (QStringList{"50", "60", "70"}));
    QCOMPARE(StepTexts(0, 10, 2), (QStringList{"0", "10"}));
    QCOMPARE(StepTexts(100, 100, 80).last(), QStringLiteral("8000"));
    QCOMPARE(StepTexts(1, 1, 0), QStringList());
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
