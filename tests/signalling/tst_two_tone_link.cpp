// The two-tone editor's transfer parameters and texts, without a window.

#include "signalling/signal_texts.h"
#include "signalling/two_tone_link.h"

#include <QtTest>

class TestTwoToneLink : public QObject {
    Q_OBJECT
private slots:
    void range_counts_and_retries();
    void texts_in_both_languages();
};

void TestTwoToneLink::range_counts_and_retries()
{
    int shown = 0;
    const TransferParams p = TwoToneTransferParams([&] { ++shown; });
    QCOMPARE(p.readStart, 0x2D00);
    QCOMPARE(p.writeStart, 0x2D00);
    QCOMPARE(p.readBlocks, 12);
    QCOMPARE(p.writeFrames, 48);
    QCOMPARE(p.firstReplyRow, 2);
    QCOMPARE(p.kept.size(), std::size_t(1));
    QCOMPARE(p.kept[0].firstStoreRow, 2);
    QCOMPARE(p.kept[0].blocks, 12);
    QCOMPARE(p.kept[0].firstImageRow, 720);
    QVERIFY(!p.kept[0].secondRange);
    QCOMPARE(p.readRetries, 3);
    QCOMPARE(p.writeRetries, 3);
    QCOMPARE(p.retryDelayMs, 3000);
    QCOMPARE(p.writeLabelOffset, -1);
    QCOMPARE(p.readLabelOffset, 0);
    QVERIFY(p.passwordStage && p.ackPasswordAlone && p.readDoneFillsBar && p.readDoneLabelFirst);
    QCOMPARE(p.portError, PortErrorVariant::Short);
    QCOMPARE(p.failure, FailureReport::MessageBarLabel);
    p.afterRead();
    QCOMPARE(shown, 1);
}

void TestTwoToneLink::texts_in_both_languages()
{
    const TransferParams p = TwoToneTransferParams();
    QCOMPARE(p.readDoneLabel, (BiText{"信令参数读出正常 ！", "Read Signal parameters in gear. "}));
    QCOMPARE(p.readDoneMessage.text,
             (BiText{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."}));
    QCOMPARE(p.writeDoneMessage.text,
             (BiText{"向对讲机写入信令参数完毕 ！", "Complete Written Signal parameters to the transceiver."}));
    QCOMPARE(p.writeDoneLabel, (BiText{"信令参数写入完毕 ！", "Complete Written Signal parameters "}));
    for (const Message& m : {p.readDoneMessage, p.writeDoneMessage})
        QCOMPARE(m.title, (BiText{"操作提示", "Operate Prompt"}));
    QCOMPARE(PortErrorMessage(p.portError).text.eng, QStringLiteral("Communication Port Open Error ！"));
}

QTEST_APPLESS_MAIN(TestTwoToneLink)
#include "tst_two_tone_link.moc"
