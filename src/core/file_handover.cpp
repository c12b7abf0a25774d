#include "core/file_handover.h"

QString FileName;
int FileOpenPending = 0;
int FileSavePending = 0;
int SigOpenPending = 0;
int SigSavePending = 0;
int MenuOpenPending = 0;
int MenuSavePending = 0;
