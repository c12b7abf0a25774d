#include "support/send_typed.h"

#include "app/mdimain.h"
#include "core/dat_file.h"
#include "core/memory_image.h"
#include "core/ui/form_save_chann.h"
#include "link/transfer_engine.h"
#include "link/ui/form_comm_write.h"
#include "platform/kit_button.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kWindowWriteDone = QStringLiteral("Complete Written Signal parameters to the transceiver.");
const QString kWholeWriteDone = QStringLiteral("Complete Written the data to transceiver.");
const QString kSaved = QStringLiteral("Complete storing  parameter.");

}  // namespace

void SendTypedFixture::addSendRows(std::initializer_list<TypedEdit> edits)
{
    QTest::addColumn<Send>("send");
    QTest::addColumn<TypedEdit>("typed");
    const std::pair<const char*, Send> sends[]{
        {"window's Write", Send::WindowWrite},
        {"window's Save", Send::WindowSave},
        {"whole-image Write", Send::WholeImageWrite},
        {"File > Save As", Send::FileSaveAs},
    };
    for (const auto& [sendName, send] : sends) {
        for (const TypedEdit& typed : edits)
            QTest::addRow("%s, %s", sendName, typed.name) << send << typed;
    }
}

void SendTypedFixture::addPortErrorRows()
{
    QTest::addColumn<Send>("send");
    QTest::addColumn<QString>("portError");
    QTest::newRow("window's Write") << Send::WindowWrite << "Communication Port Open Error ！";
    QTest::newRow("whole-image Write") << Send::WholeImageWrite
                                       << "Communication port is error, please setting right communication port . ！";
}

QByteArray SendTypedFixture::savedRecord(int imageRow) const
{
    MemoryImage saved;
    return LoadDatFile(savedPath(), saved).ok() ? RowHex(saved, imageRow) : QByteArray();
}

const TransferEngine* SendTypedFixture::pressWrite(const Buttons& window, Send send)
{
    if (send == Send::WindowWrite) {
        KitDriver::ClickButton(window.write);
        return window.link;
    }
    return pressWholeImageWrite();
}

void SendTypedFixture::save(const Buttons& window, Send send)
{
    if (send == Send::WindowSave)
        KitDriver::ClickButton(window.save);
    else
        main_->File_saveas->trigger();
    auto* dialog = Windows::Find<Form_save_chann>();
    QVERIFY(dialog != nullptr);
    dialog->Text1->setText(QFileInfo(savedPath()).fileName());
    dialog->Command_enter->click();
}

void SendTypedFixture::sendTyped(const Buttons& window, Send send, const TypedEdit& typed)
{
    switch (send) {
    case Send::WindowWrite:
    case Send::WholeImageWrite: {
        const TransferEngine* link = pressWrite(window, send);
        // The write dialog keeps the activation.
        if (send == Send::WholeImageWrite)
            QCOMPARE(main_->activeChild(), Windows::Find<Form_Comm_Write>());
        QVERIFY(runTransfer(link));
        QCOMPARE(recorder_->takeTexts(), QStringList{send == Send::WindowWrite ? kWindowWriteDone : kWholeWriteDone});
        QCOMPARE(radio_->memoryRange(kRowBytes * typed.imageRow, kRowBytes).toHex(' ').toUpper(), typed.record);
        break;
    }
    case Send::WindowSave:
    case Send::FileSaveAs:
        save(window, send);
        QCOMPARE(recorder_->takeTexts(), QStringList{kSaved});
        QCOMPARE(savedRecord(typed.imageRow), typed.record);
        break;
    }
    QCOMPARE(RowHex(Edata, typed.imageRow), typed.record);
}

void SendTypedFixture::writeTypedWithoutAPort(const Buttons& window, Send send, const QString& portError,
                                              const TypedEdit& typed)
{
    ports_->pullCable(kAppPort);
    MemoryImage expected = Edata;
    SetRow(expected, typed.imageRow, typed.record.constData());
    const TransferEngine* link = pressWrite(window, send);
    QCOMPARE(recorder_->takeTexts(), QStringList{portError});
    QVERIFY(!link->busy());
    QVERIFY(radio_->heard.isEmpty());
    QVERIFY(Edata == expected);
}
