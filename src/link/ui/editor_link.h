#pragma once
// What every editor window does the same way with its own transfer: its bar
// and label show what the engine reports, its Close button refuses while
// the transfer runs, and its unload ends the transfer with a warning.
// "Runs" is TransferEngine::busy(): a write waiting for its retry counts.

class QLabel;
class QProgressBar;
class TransferEngine;
struct Message;

// ProgressBar1 and Label_tr_count show what the transfer reports.
void ShowLinkDisplay(const TransferEngine& link, QProgressBar* bar, QLabel* label);

// Command_close_Click: while the transfer runs, the window's refusal and
// false (the window stays); otherwise the port is closed and true: the
// window goes.
bool CloseLink(TransferEngine& link, const Message& refusal);

// Form_Unload, which cannot cancel: a running transfer ends with the window,
// stopped before the warning so that nothing of it runs while the box is
// open; otherwise the port is closed. Nothing when the window's load made no
// transfer.
void UnloadLink(TransferEngine* link);
