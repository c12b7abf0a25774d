#pragma once
// An edit typed into an editor window's encode grid and not yet left, and
// the four ways to send or save the image meanwhile: the window's own Write
// and Save, the whole-image Write and File > Save As. Each takes the edit as
// typed: the radio or the saved file holds what the editor shows. For the
// tests of the two-tone and five-tone windows, whose encode grids are
// edited in place (Text_Encode over MSF_Encode) and whose buttons are named
// alike; the application as it starts, against the radio simulator in
// process (SimAppFixture).

#include "platform/kit_grid.h"
#include "platform/kit_text.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/sim_app_fixture.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QtTest>
#include <initializer_list>

class KitButton;

// The ways to send the image to the radio, and to save it.
enum class Send { WindowWrite, WindowSave, WholeImageWrite, FileSaveAs };
Q_DECLARE_METATYPE(Send)

// What is typed into which cell, and the record it makes.
struct TypedEdit {
    const char* name;
    int row;  // the encode grid's cell
    int col;
    QString text;
    int imageRow;       // the record the cell stands for
    QByteArray record;  // that record with the edit in, as RowHex shows it
};
Q_DECLARE_METATYPE(TypedEdit)

class SendTypedFixture : protected SimAppFixture {
protected:
    // The columns "send" and "typed": each way to send or save, with each
    // edit.
    static void addSendRows(std::initializer_list<TypedEdit> edits);
    // The columns "send" and "portError": the window's Write and the
    // whole-image Write, with the message each gives for a port that does
    // not open.
    static void addPortErrorRows();

    // Opens the editor over the edit's cell and types its text in place of
    // the cell's.
    template <class W> void type(W& window, const TypedEdit& typed)
    {
        KitDriver::ClickCell(window.MSF_Encode, typed.row, typed.col);
        QVERIFY(window.Text_Encode->isVisible());
        window.Text_Encode->setText(QString());
        KitDriver::TypeText(window.Text_Encode, typed.text);
    }
    // Sends or saves the image the way send says, the edit still open: the
    // radio or the file holds the record, and so does the image; the only
    // message is the transfer's or the save's.
    template <class W> void sendTyped(W& window, Send send, const TypedEdit& typed)
    {
        sendTyped(ButtonsOf(window), send, typed);
    }
    // The same Write with the cable pulled: the port's message, nothing
    // sent, and the image holds the edit as typed.
    template <class W> void writeTypedWithoutAPort(W& window, Send send, const QString& portError, const TypedEdit& typed)
    {
        writeTypedWithoutAPort(ButtonsOf(window), send, portError, typed);
    }

private:
    // What of the window sends or saves the image.
    struct Buttons {
        KitButton* write;
        KitButton* save;
        const TransferEngine* link;
    };
    template <class W> static Buttons ButtonsOf(W& window)
    {
        return {window.Command_Write, window.Command_save, &window.link()};
    }

    void sendTyped(const Buttons& window, Send send, const TypedEdit& typed);
    void writeTypedWithoutAPort(const Buttons& window, Send send, const QString& portError, const TypedEdit& typed);
    // Presses the button that sends the image; returns what is sending it.
    const TransferEngine* pressWrite(const Buttons& window, Send send);
    // Opens the save dialog the way send says and saves into the test's file.
    void save(const Buttons& window, Send send);
    QByteArray savedRecord(int imageRow) const;
    QString savedPath() const { return dir_->filePath(QStringLiteral("typed.dat")); }
};
