#pragma once
// What the two-tone and five-tone windows' own transfers do alike, for the
// tests of either window: the radio simulator in process on virtual time
// (SimLinkFixture), one table of cases per rule, and the check of that rule
// on the window the test has loaded. Both windows name their buttons,
// password box, progress display and transfer alike, so a check takes the
// window as its own class.
//
// - A transfer that fails (a silent radio, refused write frames, replies not
//   taken, a refused password) ends idle and leaves the image as it was.
// - Every button refuses while a transfer runs, an edit left open in the
//   encode grid as it is.
// - The close box ends a transfer with the window and frees the port.

#include "core/memory_image.h"
#include "core/prompt.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/transfer_engine.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_text.h"
#include "platform/window.h"
#include "support/sim_link_fixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>
#include <functional>
#include <map>

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ReplyKind)

class ToneWindowLink : protected SimLinkFixture {
protected:
    static constexpr int kPort = 3;
    static constexpr qint64 kLongEnough = 600000;

    // The columns "fault", "kind", "write", "refusePassword", "message",
    // "title", "linkOpens" and "label", a row per way the window's transfer
    // fails: the radio misbehaves for four tries (the first and its three
    // retries), or refuses the password.
    static void addFailedTransferRows();
    // The failed transfer of the row: its message, the window idle with its
    // port closed, the image (and after a read the radio) as it was, no
    // retry later; then a read completes and brings the radio's area.
    template <class W> void checkFailedTransfer(W& window, AreaSpan area);

    // The columns "button", "chinese", "message" and "title": each of the
    // six buttons, and two in Chinese.
    static void addBusyButtonRows();
    // While a read runs, with an edit that openEdit leaves open in the
    // encode grid: the row's button shows the busy message and does nothing,
    // and the read goes on to its end.
    template <class W> void checkButtonWhileATransferRuns(W& window, const std::function<void()>& openEdit);

    // The close box during a read: the window goes without a message, its
    // transfer with it, and the port is free for the next load's read.
    // window is then the window loaded again.
    template <class W> void checkCloseBoxDuringATransfer(W*& window);

    template <class W> bool runToEnd(W& window) { return SimLinkFixture::runToEnd(window.link(), kLongEnough); }
    // Starts the window's read and lets a few blocks arrive.
    template <class W> void readUnderWay(W& window);

    // The message of a completed read.
    static const QString kReadDone;
};

template <class W> void ToneWindowLink::readUnderWay(W& window)
{
    window.Command_read->click();
    QVERIFY(clock_->advanceUntil([this] { return radio_->answered(ReplyKind::Block) >= 4; }, kLongEnough));
    QVERIFY(window.Reading());
}

template <class W> void ToneWindowLink::checkFailedTransfer(W& window, AreaSpan area)
{
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(bool, write);
    QFETCH(bool, refusePassword);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, linkOpens);
    QFETCH(QString, label);
    if (refusePassword)
        radio_->setPasswords("111111", "");
    else
        radio_->addFault(fault, kind, 0, 4, 1);
    const MemoryImage before = Edata;
    const QByteArray radioBefore = radio_->memory;
    (write ? window.Command_Write : window.Command_read)->click();
    QVERIFY(runToEnd(window));
    QCOMPARE(ends_, QList<TransferEnd>{refusePassword ? TransferEnd::PasswordRefused : TransferEnd::Failed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, title);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    QVERIFY(Edata == before);
    if (!write)
        QCOMPARE(radio_->memory, radioBefore);
    QVERIFY(!window.Reading() && !window.Writing());
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(window.Label_tr_count->text(), label);
    if (!refusePassword)
        QCOMPARE(window.ProgressBar1->value(), 0);
    // No retry runs later, and no message.
    clock_->advance(20000);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    QCOMPARE(recorder_->count(), 0);

    // Read works again.
    radio_->setPasswords("583920", "");
    ends_.clear();
    window.Command_read->click();
    QVERIFY(runToEnd(window));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
    for (int a = area.address; a < area.address + kRowBytes * area.rows; ++a)
        QCOMPARE(static_cast<int>(Edata(a / kRowBytes, a % kRowBytes)), radio_->memoryByte(a));
}

template <class W>
void ToneWindowLink::checkButtonWhileATransferRuns(W& window, const std::function<void()>& openEdit)
{
    QFETCH(QString, button);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    QFETCH(QString, title);
    readUnderWay(window);
    openEdit();
    QVERIFY(window.Text_Encode->isVisible());
    const MemoryImage before = Edata;
    const QString firstCode = window.MSF_Encode->textMatrix(1, 1);
    const std::map<QString, KitButton*> buttons{
        {"Read", window.Command_read}, {"Write", window.Command_Write}, {"Default", window.Command_def},
        {"Open", window.Command_open}, {"Save", window.Command_save},   {"Close", window.Command_close},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, title);
    QVERIFY(Edata == before);
    QCOMPARE(window.MSF_Encode->textMatrix(1, 1), firstCode);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(Windows::Find<W>(), &window);
    QVERIFY(window.Text_Encode->isVisible());
    // The transfer goes on to its end.
    QVERIFY(runToEnd(window));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
}

template <class W> void ToneWindowLink::checkCloseBoxDuringATransfer(W*& window)
{
    readUnderWay(*window);
    QVERIFY(ports_->isOpen(kPort));
    const MemoryImage before = Edata;
    const int heard = static_cast<int>(radio_->heard.size());
    window->frameWidget()->close();
    window = nullptr;
    QCOMPARE(Windows::Find<W>(), nullptr);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(!ports_->isOpen(kPort));
    // Nothing of the transfer runs on.
    clock_->advance(20000);
    QCOMPARE(radio_->heard.size(), heard);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(Edata == before);
    // The port is free for the next transfer.
    window = Windows::Load<W>();
    window->Command_read->click();
    QVERIFY(runToEnd(*window));
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
}
