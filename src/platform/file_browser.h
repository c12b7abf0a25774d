#pragma once
// The drive, directory and file lists of the file dialogs, over Qt widgets.
//
// Drives are the mount roots, "/" first. The lists start at the process's
// current directory and never change it. As with every control of the
// system, a value set by code runs the control's change handler at once;
// setting the value it already shows runs nothing. The directory and file
// lists have no label: their accessible name is their current entry.

#include <QComboBox>
#include <QListWidget>
#include <functional>

// Drive1: the mount roots.
class DriveList : public QComboBox {
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const { return currentText(); }
    // Chooses the drive holding path (the longest mount root it begins with).
    void setDriveOf(const QString& path);

    // The mount roots, "/" first, then the others in order.
    static QStringList mountRoots();

    // The width that shows every mount root whole (kit_fit.h).
    int fitWidth() const;

    std::function<void()> onChange;  // Drive1_Change
};

// Dir1: the directory path, its parents and its subdirectories. Activating
// an entry (double click or Enter) makes it the path.
class DirList : public QListWidget {
public:
    explicit DirList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);

    std::function<void()> onChange;  // Dir1_Change

private:
    void fill();
    QString path_;
};

// File1: the files of a directory that match the pattern, without regard to
// case, so that "X.DAT" shows under "*.dat". A click on a file tells its
// bare name, and so does choosing a file with the keyboard.
class FileList : public QListWidget {
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    QStringList fileNames() const;

    std::function<void(const QString& name)> onClick;  // File1_Click

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();
    QString path_;
    QString pattern_;
    bool inKeyPress_ = false;  // a key is being handled
};
