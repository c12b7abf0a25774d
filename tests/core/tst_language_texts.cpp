#include "core/language.h"
#include "core/language_texts.h"

#include <QtTest>

namespace {

QStringList AllTexts()
{
    QStringList texts;
    for (const QString& t : AboutTexts)
        texts << t;
    for (const QString& t : TwoToneResp)
        texts << t;
    for (const QString& t : DecodeFuncNames)
        texts << t;
    return texts;
}

QStringList FormsOf(bool chinese)
{
    QStringList texts;
    auto add = [&](const auto& table) {
        for (const BiText& t : table)
            texts << (chinese ? t.chn : t.eng);
    };
    add(kAboutTexts);
    add(kTwoToneResp);
    add(kDecodeFuncNames);
    return texts;
}

}  // namespace

class TestLanguageTexts : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void englishTexts();
    void chineseTexts();
    void englishAfterChineseLeavesNoChineseText();
};

void TestLanguageTexts::cleanup()
{
    LangChinese = 0;
}

void TestLanguageTexts::englishTexts()
{
    LangChinese = 0;
    SetLanguageTexts();
    QCOMPARE(TwoToneResp[3], QStringLiteral("3.Alert+Transpond"));
    QCOMPARE(DecodeFuncNames[4], QStringLiteral("4.Inspection "));
    QCOMPARE(AboutTexts[4], QStringLiteral("Confirm"));
    QCOMPARE(AboutTexts[5], QStringLiteral("System Information(&S)..."));
    QCOMPARE(AllTexts().size(), 19);
    for (const QString& text : AllTexts())
        QVERIFY(!text.isEmpty());
}

void TestLanguageTexts::chineseTexts()
{
    LangChinese = -1;
    SetLanguageTexts();
    QCOMPARE(TwoToneResp[3], QStringLiteral("3.提醒并回"));
    QCOMPARE(DecodeFuncNames[8], QStringLiteral("8.开机"));
    QCOMPARE(AboutTexts[5], QStringLiteral("系统信息(&S)..."));
    QCOMPARE(AllTexts(), FormsOf(true));
}

void TestLanguageTexts::englishAfterChineseLeavesNoChineseText()
{
    LangChinese = -1;
    SetLanguageTexts();
    LangChinese = 0;
    SetLanguageTexts();
    QCOMPARE(AllTexts(), FormsOf(false));
}

QTEST_GUILESS_MAIN(TestLanguageTexts)
#include "tst_language_texts.moc"
