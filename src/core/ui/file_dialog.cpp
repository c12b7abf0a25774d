#include "core/ui/file_dialog.h"

#include "core/file_handover.h"
#include "platform/file_browser.h"
#include "platform/geometry.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

// The dialog's client area and its controls, in twips.
constexpr double kClientWidth = 6195;
constexpr double kClientHeight = 5145;

struct Place {
    double left, top, width, height;
};
constexpr Place kLabelDrive{240, 240, 975, 255};
constexpr Place kDrive1{1320, 240, 1695, 300};
constexpr Place kDir1{240, 720, 5775, 1770};
constexpr Place kFile1{240, 2520, 5775, 1650};
constexpr Place kLabelName{240, 4560, 1095, 255};
constexpr Place kText1{1440, 4560, 1695, 270};
constexpr Place kCommandEnter{3480, 4440, 975, 495};
constexpr Place kCommandClose{4920, 4440, 975, 495};

const BiText kLabelDriveText{QStringLiteral("驱动器："), QStringLiteral("Drive:")};
const BiText kConfirm{QStringLiteral("确  定"), QStringLiteral("Confirm")};
const BiText kCancel{QStringLiteral("取  消"), QStringLiteral("Cancel")};
const BiText kDirListDescription{QStringLiteral("文件夹"), QStringLiteral("Folders")};
const BiText kFileListDescription{QStringLiteral("文件"), QStringLiteral("Files")};

void Put(QWidget* widget, const Place& place)
{
    SetTwipsGeometry(widget, place.left, place.top, place.width, place.height);
}

}  // namespace

FileDialog::FileDialog(WindowKind kind, FileDialogSetup setup)
    : Window(kind),
      Label_drive(new QLabel(this)),
      Drive1(new DriveList(this)),
      Dir1(new DirList(this)),
      File1(new FileList(this)),
      Label_name(new QLabel(this)),
      Text1(new QLineEdit(this)),
      Command_enter(new QPushButton(this)),
      Command_close(new QPushButton(this)),
      setup_(std::move(setup))
{
    // Kept at its design size: no maximise or minimise.
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    if (kind == WindowKind::TopLevel)
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    // The drive list widens to show its longest mount root, as far as the
    // dialog's right margin.
    Drive1->setMinimumWidth(qMin(Drive1->fitWidth(), TwipsToPixels(kClientWidth - kDrive1.left - kLabelDrive.left)));
    Put(Label_drive, kLabelDrive);
    Put(Drive1, kDrive1);
    Put(Dir1, kDir1);
    Put(File1, kFile1);
    Put(Label_name, kLabelName);
    Put(Text1, kText1);
    Put(Command_enter, kCommandEnter);
    Put(Command_close, kCommandClose);
    Label_drive->setBuddy(Drive1);
    Label_name->setBuddy(Text1);

    setTabOrder(Dir1, File1);
    setTabOrder(File1, Drive1);
    setTabOrder(Drive1, Text1);
    setTabOrder(Text1, Command_enter);
    setTabOrder(Command_enter, Command_close);

    File1->setPattern(setup_.pattern);
    Text1->setText(setup_.pattern);

    // The lists start at the process's current directory; handlers are
    // attached afterwards, so starting there runs none of them.
    const QString current = QDir::currentPath();
    Drive1->setDriveOf(current);
    Dir1->setPath(current);
    File1->setPath(Dir1->path());

    Drive1->onChange = [this] { Drive1_Change(); };
    Dir1->onChange = [this] { Dir1_Change(); };
    File1->onClick = [this](const QString& name) { File1_Click(name); };
    connect(Command_enter, &QPushButton::clicked, this, [this] { Command_enter_Click(); });
    connect(Command_close, &QPushButton::clicked, this, [this] { Command_close_Click(); });
}

void FileDialog::Form_Load()
{
    setWindowTitle(setup_.texts.caption.text());
    Label_drive->setText(kLabelDriveText.text());
    Label_name->setText(setup_.texts.labelName.text());
    Command_enter->setText(kConfirm.text());
    Command_close->setText(kCancel.text());
    // The two lists have no label: a screen reader names them after the
    // entry they show as chosen and says what they are from these.
    Dir1->setAccessibleDescription(kDirListDescription.text());
    File1->setAccessibleDescription(kFileListDescription.text());

    if (kind() == WindowKind::TopLevel) {
        // A separate window, centred on the screen.
        const QRect screen = ScreenAvailablePixels();
        move(screen.center() - rect().center());
    } else if (auto* frame = qobject_cast<QMdiSubWindow*>(frameWidget())) {
        frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint);
        frame->adjustSize();
    }
    Show();
}

void FileDialog::Drive1_Change()
{
    Dir1->setPath(Drive1->drive());
    File1->setPath(Dir1->path());
}

void FileDialog::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void FileDialog::File1_Click(const QString& name)
{
    Text1->setText(name);
}

void FileDialog::Command_enter_Click()
{
    const FileNameCheck check = CheckFileName(Text1->text(), setup_.rule);
    switch (check.verdict) {
    case FileNameVerdict::BadCharacter:
        Prompt(setup_.texts.badCharacter);
        return;
    case FileNameVerdict::BadExtension:
        Prompt(setup_.texts.badExtension);
        return;
    case FileNameVerdict::Accepted:
        break;
    }
    const QString path = JoinFilePath(Dir1->path(), check.name);
    FileName = path;
    accept(path);
}

void FileDialog::Command_close_Click()
{
    Windows::Unload(this);
}

void FileDialog::Prompt(const BiText& text)
{
    ShowMessage({text, FileDialogTitle(), MessageIcon::Exclamation});
}
