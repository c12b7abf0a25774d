#pragma once
// The name check of every file dialog and the path it forms.

#include <QString>
#include <QStringList>

struct FileNameRule {
    int extensionLength;     // 4 for ".dat", ".adj", ".sig"; 5 for ".menu"
    QStringList extensions;  // the accepted extensions, compared exactly
};

enum class FileNameVerdict {
    Accepted,
    BadCharacter,  // "*", "$", "\", "/" or "#" somewhere in the name
    BadExtension,  // the last characters are none of the accepted extensions
};

struct FileNameCheck {
    FileNameVerdict verdict;
    QString name;  // the name without leading and trailing blanks
};

// The check of the dialogs' Confirm: blanks around the name are dropped; a
// forbidden character fails first; then the last extensionLength characters,
// trimmed, must equal one of the extensions exactly (".Dat" fails where
// ".dat" and ".DAT" pass). A name shorter than the extension fails.
FileNameCheck CheckFileName(const QString& boxText, const FileNameRule& rule);

// The directory and the name joined by one "/", whether or not the
// directory already ends in a separator.
QString JoinFilePath(const QString& directory, const QString& name);
