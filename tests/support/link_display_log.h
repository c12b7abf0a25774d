#pragma once
// Records what a window's progress display shows during its transfers: one
// entry "<bar> <label>" for every new label (the engine sets the bar before
// the label, so each entry holds the bar that goes with its label).

#include <QStringList>

class QLabel;
class QProgressBar;
class TransferEngine;

class LinkDisplayLog {
public:
    // Hooks in after the window's own display handler; the log must live as
    // long as the engine reports.
    LinkDisplayLog(TransferEngine& engine, const QProgressBar* bar, const QLabel* label);
    LinkDisplayLog(const LinkDisplayLog&) = delete;
    LinkDisplayLog& operator=(const LinkDisplayLog&) = delete;

    QStringList entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    QStringList entries_;
    QString lastLabel_;
};
