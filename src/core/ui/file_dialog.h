#pragma once
// The frame every file dialog shares: the drive, directory and file lists,
// the name box, Confirm and Cancel, the name check and the path it forms.
// Each dialog gives its pattern, extensions, texts and what it does with an
// accepted path.

#include "core/file_name_check.h"
#include "core/prompt.h"
#include "platform/window.h"

class DirList;
class DriveList;
class FileList;
class QLabel;
class QLineEdit;
class QPushButton;

struct FileDialogTexts {
    BiText caption;
    BiText labelName;     // "Open File:" or "Save File:"
    BiText badCharacter;  // message of a forbidden character in the name
    BiText badExtension;  // message of a wrong extension
};

struct FileDialogSetup {
    QString pattern;  // "*.dat": the file list's filter and the box's initial text
    FileNameRule rule;
    FileDialogTexts texts;
};

class FileDialog : public Window {
public:
    FileDialog(WindowKind kind, FileDialogSetup setup);

    QLabel* const Label_drive;
    DriveList* const Drive1;
    DirList* const Dir1;
    FileList* const File1;
    QLabel* const Label_name;
    QLineEdit* const Text1;
    QPushButton* const Command_enter;
    QPushButton* const Command_close;

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click(const QString& name);
    void Command_enter_Click();
    void Command_close_Click();

protected:
    void Form_Load() override;
    // Does the dialog's work with an accepted name (path: the directory shown
    // and the name, joined). FileName is already set.
    virtual void accept(const QString& path) = 0;
    // Shows a message with the dialog's title ("Operate prompt").
    static void Prompt(const BiText& text);

private:
    FileDialogSetup setup_;
};

// The messages of every file dialog use this title.
inline const BiText& FileDialogTitle()
{
    return Titles::OperatePromptLower;
}
