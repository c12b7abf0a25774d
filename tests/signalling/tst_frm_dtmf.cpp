// The DTMF window's painting and editing, through the kit's real event
// paths: what the load shows of an area (it stores nothing), typing,
// deleting and pasting in the code boxes, the rights, inhibit and control
// boxes, and the six lists.

#include "core/dtmf_defaults.h"
#include "core/memory_image.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/dtmf_shown.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace Dtmf;

namespace {

constexpr int kFirstRow = 656;
constexpr int kLastRow = 687;
constexpr int kSpeedRow = 671;
constexpr int kCtrlRow = 687;
const QString kErasedRow = QStringLiteral("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");

QLineEdit* EditOf(KitText* box)
{
    return box->findChild<QLineEdit*>();
}

// Gives the box the focus as a click does.
void ClickInto(KitText* box)
{
    QTest::mouseClick(EditOf(box), Qt::LeftButton);
}

// "row=hex" entries into the image.
void PutRows(MemoryImage& image, const QStringList& rows)
{
    for (const QString& entry : rows) {
        const QStringList parts = entry.split(QLatin1Char('='));
        SetRow(image, parts.at(0).toInt(), parts.at(1).toLatin1().constData());
    }
}

// The area's rows that differ between two images, as "row: before -> after".
QStringList ChangedRows(const MemoryImage& before, const MemoryImage& after)
{
    QStringList changed;
    for (int row = 0; row < kImageRows; ++row) {
        if (RowHex(before, row) != RowHex(after, row))
            changed << QStringLiteral("%1: %2 -> %3")
                           .arg(row)
                           .arg(QString::fromLatin1(RowHex(before, row)), QString::fromLatin1(RowHex(after, row)));
    }
    return changed;
}

}  // namespace

class TestFrmDtmf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void painting_at_load_data();
    void painting_at_load();
    void defaults_stay_through_activations_and_leaving_a_box();

    void typing_data();
    void typing();
    void full_box_refuses_every_typed_key();
    void delete_rewrites_the_row_at_once();
    void pasting_data();
    void pasting();

    void rights_and_inhibit_boxes_data();
    void rights_and_inhibit_boxes();
    void control_by_id_disables_and_keeps_the_ids();
    void list_choices_data();
    void list_choices();
    void lists_refuse_typed_keys();
    void reopening_fills_each_list_once();

private:
    void load();
    // Moves the focus from the box to another code box.
    void leave(KitText* box) { ClickInto(box == window_->Text_KJ ? window_->Text_YB : window_->Text_KJ); }
    KitText* codeBox(const QString& name) const;
    KitCheck* checkBox(const QString& name) const;

    std::unique_ptr<MessageRecorder> recorder_;
    TestFrame* frame_ = nullptr;
    frm_dtmf* window_ = nullptr;
};

void TestFrmDtmf::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    LangChinese = 0;
    Edata.fill(kErased);
    Dtmf_Defaults();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
}

void TestFrmDtmf::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

void TestFrmDtmf::load()
{
    window_ = Windows::Load<frm_dtmf>();
    QVERIFY(window_ != nullptr);
}

KitText* TestFrmDtmf::codeBox(const QString& name) const
{
    if (name.startsWith(QLatin1String("Text_tx_Encode(")))
        return window_->Text_tx_Encode.at(name.mid(15).chopped(1).toInt());
    const std::map<QString, KitText*> boxes{
        {"Text_XC", window_->Text_XC},   {"Text_JT", window_->Text_JT},   {"Text_BJ", window_->Text_BJ},
        {"Text_YY", window_->Text_YY},   {"Text_YB", window_->Text_YB},   {"Text_KJ", window_->Text_KJ},
        {"Text_MID", window_->Text_MID}, {"Text_SID", window_->Text_SID},
    };
    return boxes.at(name);
}

KitCheck* TestFrmDtmf::checkBox(const QString& name) const
{
    if (name.startsWith(QLatin1String("Check_M(")))
        return window_->Check_M.at(name.mid(8, 1).toInt());
    if (name.startsWith(QLatin1String("Check_S(")))
        return window_->Check_S.at(name.mid(8, 1).toInt());
    const std::map<QString, KitCheck*> boxes{
        {"Check_RX", window_->Check_RX}, {"Check_Tx", window_->Check_Tx}, {"Check_Ctrl_En", window_->Check_Ctrl_En}};
    return boxes.at(name);
}

// ---- Painting --------------------------------------------------------------

void TestFrmDtmf::painting_at_load_data()
{
    // The area as the defaults leave it, changed by "row=hex" (or erased
    // first), and what the window shows. The painting stores nothing.
    QTest::addColumn<bool>("erased");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("shown");
    const QStringList none;

    QTest::newRow("defaults") << false << none
                              << QStringList{"Text_tx_Encode(0)=20202",
                                             "Text_tx_Encode(1)=",
                                             "Text_tx_Encode(14)=30303",
                                             "Text_XC=202",
                                             "Text_JT=303",
                                             "Text_BJ=119",
                                             "Text_YY=505",
                                             "Text_YB=666",
                                             "Text_KJ=777",
                                             "Text_MID=60606",
                                             "Text_SID=70707",
                                             "Combo_Enc_ys1=80",
                                             "Combo_Enc_ys2=80",
                                             "Check_Ctrl_En=1",
                                             "Check_M(0)=1",
                                             "Check_M(1)=1",
                                             "Check_M(2)=1",
                                             "Check_M(3)=1",
                                             "Check_M(4)=1",
                                             "Check_S(0)=1",
                                             "Check_S(1)=1",
                                             "Check_S(2)=0",
                                             "Check_S(3)=0",
                                             "Check_S(4)=0",
                                             "Check_RX=0",
                                             "Check_Tx=0",
                                             "Combo_Dec_qh=*",
                                             "Combo_Dec_qh.ListIndex=-1",
                                             "Combo_Dec_Space_Code=#",
                                             "Combo_Dec_Proc_Ys=500",
                                             "Combo_Dec_Res_Time=8000",
                                             "Text_MID.Enabled=1",
                                             "ProgressBar1.Visible=0",
                                             "Label_tr_count="};
    QTest::newRow("erased area") << true << none << QStringList{"Text_tx_Encode(0)=",
                                                                "Text_BJ=",
                                                                "Text_SID=",
                                                                "Combo_Enc_ys1=",
                                                                "Combo_Enc_ys1.ListIndex=-1",
                                                                "Combo_Enc_ys2=",
                                                                "Combo_Dec_Proc_Ys=",
                                                                "Combo_Dec_Res_Time=",
                                                                "Combo_Dec_qh=",
                                                                "Combo_Dec_Space_Code=",
                                                                "Check_Ctrl_En=1",
                                                                "Check_M(0)=1",
                                                                "Check_M(4)=1",
                                                                "Check_S(0)=1",
                                                                "Check_S(4)=1",
                                                                "Check_RX=1",
                                                                "Check_Tx=1",
                                                                "Text_MID.Enabled=1",
                                                                "Check_S(4).Enabled=1"};
    QTest::newRow("sixteen 0x00 are sixteen D")
        << false << QStringList{"660=00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"}
        << QStringList{"Text_tx_Encode(4)=DDDDDDDDDDDDDDDD"};
    QTest::newRow("a gap shows closed up and stays")
        << false << QStringList{"657=01 FF 02"} << QStringList{"Text_tx_Encode(1)=12"};
    QTest::newRow("a byte 16..255 shows nothing, never a character past the table")
        << false << QStringList{"672=01 10 02"} << QStringList{"Text_XC=12"};
    // Filling the list selects nothing: a selection would store its digit.
    QTest::newRow("group digit 10 shows 0, no item, and stays")
        << false << QStringList{"687=01 1F 03 00 0A 0C 04 4F"}
        << QStringList{"Combo_Dec_qh=0", "Combo_Dec_qh.ListIndex=-1", "Combo_Dec_Space_Code=#"};
    QTest::newRow("separator 0x20 shows nothing and stays")
        << false << QStringList{"687=01 1F 03 00 0B 20 04 4F"}
        << QStringList{"Combo_Dec_Space_Code=", "Combo_Dec_Space_Code.ListIndex=-1", "Combo_Dec_qh=*"};
    QTest::newRow("high bits of the rights and inhibit bytes survive")
        << false << QStringList{"687=01 E5 E0 FD 0B 0C 04 4F"}
        << QStringList{"Check_M(0)=1", "Check_M(1)=0", "Check_M(2)=1", "Check_M(3)=0",
                       "Check_M(4)=0", "Check_S(0)=0", "Check_RX=1",   "Check_Tx=0"};
    QTest::newRow("control by ID off: rights shown, disabled")
        << false << QStringList{"687=00 1F 03 00 0B 0C 04 4F"}
        << QStringList{"Check_Ctrl_En=0", "Check_M(0)=1",       "Check_M(0).Enabled=0", "Check_S(4).Enabled=0",
                       "Text_MID=60606",  "Text_MID.Enabled=0", "Text_SID.Enabled=0"};
    QTest::newRow("an index past its list shows no item and stays")
        << false << QStringList{"671=C4 FF 5A 5A", "687=01 1F 03 00 0B 0C 28 50 5A"}
        << QStringList{"Combo_Enc_ys1=", "Combo_Enc_ys2=", "Combo_Dec_Proc_Ys=", "Combo_Dec_Res_Time=",
                       "Combo_Dec_Res_Time.ListIndex=-1"};
    QTest::newRow("the last items") << false << QStringList{"671=C3 C3", "687=01 1F 03 00 0B 0C 27 4F"}
                                    << QStringList{"Combo_Enc_ys1=2000", "Combo_Enc_ys2=2000", "Combo_Dec_Proc_Ys=4000",
                                                   "Combo_Dec_Res_Time=8000"};
}

void TestFrmDtmf::painting_at_load()
{
    QFETCH(bool, erased);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, shown);
    if (erased)
        Edata.fillRows(kFirstRow, kLastRow, kErased);
    PutRows(Edata, rows);
    const MemoryImage expected = Edata;

    load();
    QCOMPARE(Mismatches(ShownBy(*window_), shown), QStringList());
    QCOMPARE(ChangedRows(expected, Edata), QStringList());
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmDtmf::defaults_stay_through_activations_and_leaving_a_box()
{
    const MemoryImage before = Edata;
    load();
    auto* sub = qobject_cast<QMdiSubWindow*>(window_->frameWidget());
    for (int i = 0; i < 3; ++i) {
        Windows::Load<OtherChild>();
        frame_->mdiArea()->setActiveSubWindow(sub);
        QCOMPARE(frame_->activeChild(), window_);
        Windows::Unload<OtherChild>();
    }
    ClickInto(window_->Text_tx_Encode[0]);
    ClickInto(window_->Text_MID);
    ClickInto(window_->Text_SID);
    QCOMPARE(ChangedRows(before, Edata), QStringList());
    QCOMPARE(window_->Text_tx_Encode[0]->text(), QStringLiteral("20202"));
}

// ---- Code boxes ------------------------------------------------------------

void TestFrmDtmf::typing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("typedHex");  // the row right after the typing
    QTest::addColumn<QString>("left");      // the box's text after leaving it
    QTest::addColumn<QString>("leftHex");
    const QString abc = QStringLiteral("01 02 0D 0C FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("1 2 a # into an empty encode box") << "Text_tx_Encode(1)" << 657 << "12a#" << abc << "12A#" << abc;
    QTest::newRow("0 is stored as 10") << "Text_tx_Encode(2)" << 658 << "0"
                                       << "0A FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"
                                       << "0"
                                       << "0A FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("D and d are 0") << "Text_tx_Encode(3)" << 659 << "Dd"
                                   << "00 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF"
                                   << "DD"
                                   << "00 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("other characters are dropped") << "Text_tx_Encode(4)" << 660 << "1e x-2"
                                                  << "01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF"
                                                  << "12"
                                                  << "01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("appended to the alarm code") << "Text_BJ" << 674 << "*"
                                                << "01 01 09 0B FF FF FF FF FF FF FF FF FF FF FF FF"
                                                << "119*"
                                                << "01 01 09 0B FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("appended to the vice ID") << "Text_SID" << 686 << "b"
                                             << "07 0A 07 0A 07 0E FF FF FF FF FF FF FF FF FF FF"
                                             << "70707B"
                                             << "07 0A 07 0A 07 0E FF FF FF FF FF FF FF FF FF FF";
}

void TestFrmDtmf::typing()
{
    QFETCH(QString, box);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, typedHex);
    QFETCH(QString, left);
    QFETCH(QString, leftHex);
    load();
    KitText* text = codeBox(box);
    ClickInto(text);
    QTest::keyClick(EditOf(text), Qt::Key_End);
    KitDriver::TypeText(text, typed);
    QCOMPARE(QString::fromLatin1(RowHex(Edata, row)), typedHex);
    leave(text);
    QCOMPARE(text->text(), left);
    QCOMPARE(QString::fromLatin1(RowHex(Edata, row)), leftHex);
}

void TestFrmDtmf::full_box_refuses_every_typed_key()
{
    SetRow(Edata, 660, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    SetRow(Edata, 661, "01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06");
    load();
    const MemoryImage before = Edata;
    for (int i : {4, 5}) {
        KitText* box = window_->Text_tx_Encode[i];
        const QString full = box->text();
        QCOMPARE(full.size(), 16);
        ClickInto(box);
        KitDriver::TypeText(box, QStringLiteral("5"));
        KitDriver::PressKey(box, Qt::Key_Return);
        KitDriver::PressKey(box, Qt::Key_Backspace);
        QTest::keyClick(EditOf(box), Qt::Key_A, Qt::ControlModifier);  // a digit typed over a selection
        KitDriver::TypeText(box, QStringLiteral("7"));
        QCOMPARE(box->text(), full);
    }
    QCOMPARE(ChangedRows(before, Edata), QStringList());
    QCOMPARE(window_->Text_tx_Encode[4]->text(), QStringLiteral("DDDDDDDDDDDDDDDD"));
}

void TestFrmDtmf::delete_rewrites_the_row_at_once()
{
    load();
    KitText* box = window_->Text_tx_Encode[0];  // 20202
    ClickInto(box);
    QTest::keyClick(EditOf(box), Qt::Key_Home);
    KitDriver::PressKey(box, Qt::Key_Backspace);  // never deletes
    QCOMPARE(box->text(), QStringLiteral("20202"));
    KitDriver::PressKey(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("0202"));
    QCOMPARE(RowHex(Edata, 656), QByteArray("0A 02 0A 02 FF FF FF FF FF FF FF FF FF FF FF FF"));
    for (int i = 0; i < 4; ++i)
        KitDriver::PressKey(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString());
    QCOMPARE(QString::fromLatin1(RowHex(Edata, 656)), kErasedRow);
}

void TestFrmDtmf::pasting_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");  // right after the paste
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("leftHex");
    QTest::newRow("1x2 keeps its gap until the box is left") << "1x2"
                                                             << "1x2"
                                                             << "01 FF 02 FF FF FF FF FF FF FF FF FF FF FF FF FF"
                                                             << "12"
                                                             << "01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("20 digits keep their first 16") << "12345678901234567890"
                                                   << "1234567890123456"
                                                   << "01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06"
                                                   << "1234567890123456"
                                                   << "01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06";
}

void TestFrmDtmf::pasting()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QString, hex);
    QFETCH(QString, left);
    QFETCH(QString, leftHex);
    load();
    KitText* box = window_->Text_tx_Encode[6];
    ClickInto(box);
    KitDriver::PasteFromMenu(box, pasted);
    QCOMPARE(box->text(), shown);
    QCOMPARE(QString::fromLatin1(RowHex(Edata, 662)), hex);
    leave(box);
    QCOMPARE(box->text(), left);
    QCOMPARE(QString::fromLatin1(RowHex(Edata, 662)), leftHex);
}

// ---- Check boxes and lists -------------------------------------------------

void TestFrmDtmf::rights_and_inhibit_boxes_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("before");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("after");  // the byte after each click
    QTest::newRow("master rights 31: stun cleared, ticked")
        << int(Ctrl::MasterRights) << 31 << QStringList{"Check_M(2)", "Check_M(2)"} << QList<int>{27, 31};
    QTest::newRow("master rights 0xFF: inspection cleared")
        << int(Ctrl::MasterRights) << 0xFF << QStringList{"Check_M(0)"} << QList<int>{0xFE};
    QTest::newRow("vice rights 3: revive ticked, monitor cleared")
        << int(Ctrl::ViceRights) << 3 << QStringList{"Check_S(4)", "Check_S(1)"} << QList<int>{19, 17};
    QTest::newRow("inhibit 0: RX, TX ticked, RX cleared")
        << int(Ctrl::InhibitBits) << 0 << QStringList{"Check_RX", "Check_Tx", "Check_RX"} << QList<int>{1, 3, 2};
    QTest::newRow("inhibit 0xFC keeps bits 2..7")
        << int(Ctrl::InhibitBits) << 0xFC << QStringList{"Check_Tx", "Check_Tx"} << QList<int>{0xFE, 0xFC};
}

void TestFrmDtmf::rights_and_inhibit_boxes()
{
    QFETCH(int, col);
    QFETCH(int, before);
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, after);
    Edata(kCtrlRow, col) = static_cast<std::int16_t>(before);
    load();
    const MemoryImage loaded = Edata;
    for (int i = 0; i < clicks.size(); ++i) {
        KitDriver::ClickCheck(checkBox(clicks.at(i)));
        QCOMPARE(int(Edata(kCtrlRow, col)), after.at(i));
    }
    MemoryImage expected = loaded;
    expected(kCtrlRow, col) = static_cast<std::int16_t>(after.last());
    QCOMPARE(ChangedRows(expected, Edata), QStringList());
}

void TestFrmDtmf::control_by_id_disables_and_keeps_the_ids()
{
    load();
    const MemoryImage before = Edata;
    KitDriver::ClickCheck(window_->Check_Ctrl_En);
    QCOMPARE(int(Edata(kCtrlRow, Ctrl::CtrlById)), 0);
    const QStringList disabled{"Text_MID.Enabled=0",   "Text_SID.Enabled=0",   "Check_M(0).Enabled=0",
                               "Check_M(4).Enabled=0", "Check_S(0).Enabled=0", "Check_S(4).Enabled=0"};
    QCOMPARE(Mismatches(ShownBy(*window_), disabled), QStringList());
    QVERIFY(window_->Text_XC->isEnabled());
    QVERIFY(window_->Check_RX->isEnabled());
    // A disabled rights box takes no click.
    KitDriver::ClickCheck(window_->Check_M[0]);
    MemoryImage expected = before;
    expected(kCtrlRow, Ctrl::CtrlById) = 0;
    QCOMPARE(ChangedRows(expected, Edata), QStringList());

    KitDriver::ClickCheck(window_->Check_Ctrl_En);
    QCOMPARE(int(Edata(kCtrlRow, Ctrl::CtrlById)), 1);
    const QStringList enabled{"Text_MID.Enabled=1",   "Text_SID.Enabled=1",   "Check_M(0).Enabled=1",
                              "Check_M(4).Enabled=1", "Check_S(0).Enabled=1", "Check_S(4).Enabled=1",
                              "Text_MID=60606",       "Check_M(3)=1"};
    QCOMPARE(Mismatches(ShownBy(*window_), enabled), QStringList());
    QCOMPARE(ChangedRows(before, Edata), QStringList());
}

void TestFrmDtmf::list_choices_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("stored");
    QTest::newRow("on time 2000") << "Combo_Enc_ys1" << 195 << kSpeedRow << 0 << 195;
    QTest::newRow("off time 50") << "Combo_Enc_ys2" << 0 << kSpeedRow << 1 << 0;
    QTest::newRow("reset time 100") << "Combo_Dec_Res_Time" << 0 << kCtrlRow << 7 << 0;
    QTest::newRow("decode-end delay 4000") << "Combo_Dec_Proc_Ys" << 39 << kCtrlRow << 6 << 39;
    QTest::newRow("space code D") << "Combo_Dec_Space_Code" << 5 << kCtrlRow << 5 << 0;
    QTest::newRow("group code A") << "Combo_Dec_qh" << 2 << kCtrlRow << 4 << 13;
}

void TestFrmDtmf::list_choices()
{
    QFETCH(QString, list);
    QFETCH(int, item);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, stored);
    load();
    const std::map<QString, KitList*> lists{
        {"Combo_Enc_ys1", window_->Combo_Enc_ys1},         {"Combo_Enc_ys2", window_->Combo_Enc_ys2},
        {"Combo_Dec_qh", window_->Combo_Dec_qh},           {"Combo_Dec_Space_Code", window_->Combo_Dec_Space_Code},
        {"Combo_Dec_Proc_Ys", window_->Combo_Dec_Proc_Ys}, {"Combo_Dec_Res_Time", window_->Combo_Dec_Res_Time},
    };
    MemoryImage expected = Edata;
    expected(row, col) = static_cast<std::int16_t>(stored);
    KitDriver::ChooseItem(lists.at(list), item);
    QCOMPARE(ChangedRows(expected, Edata), QStringList());
    QCOMPARE(lists.at(list)->listIndex(), item);
}

void TestFrmDtmf::lists_refuse_typed_keys()
{
    SetRow(Edata, kCtrlRow, "01 1F 03 00 0A 20 04 4F");  // digits "0" and none, no item of their lists
    load();
    const MemoryImage before = Edata;
    const DtmfShown shown = ShownBy(*window_);
    for (KitList* list : {window_->Combo_Enc_ys1, window_->Combo_Enc_ys2, window_->Combo_Dec_qh,
                          window_->Combo_Dec_Space_Code, window_->Combo_Dec_Proc_Ys, window_->Combo_Dec_Res_Time}) {
        list->setFocus();
        KitDriver::TypeText(list, QStringLiteral("1#D*"));
        KitDriver::PressKey(list, Qt::Key_Return);
    }
    QCOMPARE(ShownBy(*window_), shown);
    QCOMPARE(ChangedRows(before, Edata), QStringList());
}

void TestFrmDtmf::reopening_fills_each_list_once()
{
    for (int load = 0; load < 2; ++load) {
        this->load();
        QCOMPARE(window_->Combo_Enc_ys1->listCount(), 196);
        QCOMPARE(window_->Combo_Enc_ys2->listCount(), 196);
        QCOMPARE(window_->Combo_Dec_qh->items(), (QStringList{"*", "#", "A", "B", "C", "D"}));
        QCOMPARE(window_->Combo_Dec_Space_Code->listCount(), 6);
        QCOMPARE(window_->Combo_Dec_Proc_Ys->listCount(), 40);
        QCOMPARE(window_->Combo_Dec_Res_Time->listCount(), 80);
        QCOMPARE(window_->Combo_Enc_ys2->list(195), QStringLiteral("2000"));
        QCOMPARE(window_->Combo_Dec_Res_Time->list(79), QStringLiteral("8000"));
        for (int i = 0; i < kEncodeCodes; ++i)
            QCOMPARE(window_->Label_xh[i]->text(), QString::number(i + 1));
        Windows::Unload(window_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(TestFrmDtmf)
#include "tst_frm_dtmf.moc"
