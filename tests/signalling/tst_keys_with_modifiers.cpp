// Keys held with Alt, Ctrl or AltGr in the DTMF code boxes and the two-tone
// entries: every key that would type or delete goes through the box's key
// filter, so the box and the image change only as the filter allows; a paste
// from the box's own menu reaches the commit's rules.

#include "core/char_codes.h"
#include "core/dtmf_defaults.h"
#include "core/language_texts.h"
#include "core/two_tone_defaults.h"
#include "signalling/ui/frm_2tone.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int kCodeRow = 659;  // Text_tx_Encode(3)
const QString kRange = QStringLiteral("Frequency range 300Hz to 3000Hz");

enum class Box { DtmfCode, TwoToneTone, TwoToneEncode };
// Where the key goes: after the text, before it, over all of it selected.
enum class Cursor { End, Start, All };

// The row a DTMF code box's text is stored as.
QByteArray CodeRowHex(const QString& text)
{
    MemoryImage image;
    for (int c = 0; c < kRowBytes; ++c)
        image(0, c) = c < text.size() ? DtmfCharToCode(QString(text.at(c))) : kErased;
    return RowHex(image, 0);
}

}  // namespace

Q_DECLARE_METATYPE(Box)
Q_DECLARE_METATYPE(Cursor)

class TestKeysWithModifiers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void keys_change_the_box_only_as_its_filter_allows_data();
    void keys_change_the_box_only_as_its_filter_allows();
    void tone_pasted_from_the_menu_without_a_leading_digit_gives_the_range_message_data();
    void tone_pasted_from_the_menu_without_a_leading_digit_gives_the_range_message();

private:
    // The box, loaded and holding `text` with the focus and the cursor at
    // its end; its last character typed (something to undo).
    KitText* prepare(Box box, const QString& text);

    std::unique_ptr<MessageRecorder> recorder_;
};

void TestKeysWithModifiers::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    LangChinese = 0;
    SetLanguageTexts();
    Edata.fill(kErased);
    Dtmf_Defaults();
    TwoTone_Defaults();
    QVERIFY(KitDriver::ShowActive(Windows::Load<TestFrame>()));
}

void TestKeysWithModifiers::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

KitText* TestKeysWithModifiers::prepare(Box box, const QString& text)
{
    KitText* edit = nullptr;
    if (box == Box::DtmfCode) {
        edit = Windows::Load<frm_dtmf>()->Text_tx_Encode[3];
        QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton);
    } else {
        frm_2tone* window = Windows::Load<frm_2tone>();
        if (box == Box::TwoToneEncode) {
            KitDriver::ClickCell(window->MSF_Encode, 6, 1);
            edit = window->Text_Encode;
        } else {
            KitDriver::ClickTab(window->TabStrip1, 2);
            edit = window->Text_A;
            edit->setFocus();
        }
    }
    edit->setText(text.chopped(1));
    KitDriver::PressKey(edit, Qt::Key_End);
    KitDriver::TypeText(edit, text.right(1));
    return edit;
}

void TestKeysWithModifiers::keys_change_the_box_only_as_its_filter_allows_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<Cursor>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    const int alt = Qt::AltModifier;
    const int ctrl = Qt::ControlModifier;
    const int altGr = Qt::ControlModifier | Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    const QString full = QStringLiteral("1234567890123456");
    // The clipboard holds "+1500".
    // A character typed into a full box pushed its last digit out.
    QTest::newRow("DTMF: Alt+9 in a full box")
        << Box::DtmfCode << full << Cursor::Start << int(Qt::Key_9) << alt << full;
    QTest::newRow("DTMF: AltGr+# in a full box")
        << Box::DtmfCode << full << Cursor::Start << int(Qt::Key_NumberSign) << altGr << full;
    QTest::newRow("DTMF: AltGr+# as a group switch in a full box")
        << Box::DtmfCode << full << Cursor::Start << int(Qt::Key_NumberSign) << int(Qt::GroupSwitchModifier) << full;
    QTest::newRow("DTMF: Ctrl+Backspace")
        << Box::DtmfCode << full << Cursor::End << int(Qt::Key_Backspace) << ctrl << full;
    QTest::newRow("DTMF: Ctrl+X") << Box::DtmfCode << full << Cursor::All << int(Qt::Key_X) << ctrl << full;
    QTest::newRow("DTMF: Ctrl+V") << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_V) << ctrl << "123";
    QTest::newRow("DTMF: Shift+Insert") << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_Insert) << shift
                                        << "123";
    QTest::newRow("DTMF: Ctrl+Z") << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_Z) << ctrl << "123";
    QTest::newRow("DTMF: Alt+9 with room") << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_9) << alt << "1239";
    QTest::newRow("DTMF: AltGr+# with room")
        << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_NumberSign) << altGr << "123#";
    QTest::newRow("DTMF: Alt+x") << Box::DtmfCode << "123" << Cursor::End << int(Qt::Key_X) << alt << "123";
    QTest::newRow("tone box: Alt+7 in a full box")
        << Box::TwoToneTone << "1234.56" << Cursor::End << int(Qt::Key_7) << alt << "1234.56";
    QTest::newRow("tone box: Alt+5 with room")
        << Box::TwoToneTone << "12" << Cursor::End << int(Qt::Key_5) << alt << "125";
    QTest::newRow("tone box: AltGr++") << Box::TwoToneTone << "12" << Cursor::End << int(Qt::Key_Plus) << altGr << "12";
    QTest::newRow("tone box: Ctrl+Backspace")
        << Box::TwoToneTone << "1234" << Cursor::End << int(Qt::Key_Backspace) << ctrl << "1234";
    QTest::newRow("tone box: Ctrl+V") << Box::TwoToneTone << "12" << Cursor::End << int(Qt::Key_V) << ctrl << "12";
    QTest::newRow("tone box: Ctrl+Z") << Box::TwoToneTone << "12" << Cursor::End << int(Qt::Key_Z) << ctrl << "12";
    QTest::newRow("encode: Alt+5") << Box::TwoToneEncode << "1500" << Cursor::End << int(Qt::Key_5) << alt << "15005";
    QTest::newRow("encode: Alt+-") << Box::TwoToneEncode << "1500" << Cursor::End << int(Qt::Key_Minus) << alt
                                   << "1500";
    QTest::newRow("encode: Ctrl+Backspace")
        << Box::TwoToneEncode << "1500" << Cursor::End << int(Qt::Key_Backspace) << ctrl << "1500";
    QTest::newRow("encode: Ctrl+X") << Box::TwoToneEncode << "1500" << Cursor::All << int(Qt::Key_X) << ctrl << "1500";
    QTest::newRow("encode: Shift+Insert")
        << Box::TwoToneEncode << "1500" << Cursor::End << int(Qt::Key_Insert) << shift << "1500";
}

void TestKeysWithModifiers::keys_change_the_box_only_as_its_filter_allows()
{
    QFETCH(Box, box);
    QFETCH(QString, before);
    QFETCH(Cursor, cursor);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QGuiApplication::clipboard()->setText(QStringLiteral("+1500"));
    KitText* edit = prepare(box, before);
    QCOMPARE(edit->text(), before);
    if (cursor == Cursor::Start)
        KitDriver::PressKey(edit, Qt::Key_Home);
    else if (cursor == Cursor::All)
        edit->findChild<QLineEdit*>()->selectAll();
    const MemoryImage image = Edata;
    KitDriver::PressKey(edit, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit->text(), after);
    if (box == Box::DtmfCode) {
        // The code row follows the box.
        QCOMPARE(RowHex(Edata, kCodeRow), CodeRowHex(after));
        Edata.row(kCodeRow) = image.row(kCodeRow);
    }
    // The two-tone entries store when they are left.
    QVERIFY(Edata == image);
}

void TestKeysWithModifiers::tone_pasted_from_the_menu_without_a_leading_digit_gives_the_range_message_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("a sign") << "+1500";
    QTest::newRow("a leading blank") << " 1600";
    QTest::newRow("blanks between the digits") << "1 7 00";
}

void TestKeysWithModifiers::tone_pasted_from_the_menu_without_a_leading_digit_gives_the_range_message()
{
    QFETCH(QString, pasted);
    frm_2tone* window = Windows::Load<frm_2tone>();
    KitDriver::ClickTab(window->TabStrip1, 2);
    window->Text_A->setFocus();
    window->Text_A->setText(QString());
    KitDriver::PasteFromMenu(window->Text_A, pasted);
    QCOMPARE(window->Text_A->text(), pasted);
    KitDriver::ClickHeader(window->MSF_Decode, 0);  // leaves the box
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
    QCOMPARE(window->Text_A->text(), QString());
    QCOMPARE(RowHex(Edata, 752).left(5), QByteArray("FF FF"));
    QCOMPARE(RowHex(Edata, 752).mid(24, 5), QByteArray("FF FF"));
}

QTEST_MAIN(TestKeysWithModifiers)
#include "tst_keys_with_modifiers.moc"
