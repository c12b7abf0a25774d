#pragma once
// The hand-over between a file dialog and the editor that owns the file
// type: the dialog leaves the name and sets a pending flag (-1); the
// editor's timer sees the flag, clears it (0) and does the file work.

#include <QString>

// The file named by the last confirmed file dialog (its full path).
extern QString FileName;

extern int FileOpenPending;  // ".adj" load for the alignment editor
extern int FileSavePending;  // ".adj" save for the alignment editor
extern int SigOpenPending;   // ".sig" load for the five-tone editor
extern int SigSavePending;   // ".sig" save for the five-tone editor
// The ".menu" dialogs' own flags. No editor reads an options file, so
// nothing reads them (they must not be taken for a ".sig" hand-over).
extern int MenuOpenPending;
extern int MenuSavePending;

inline constexpr int kHandOverPending = -1;
