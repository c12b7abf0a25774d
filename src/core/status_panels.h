#pragma once
// The texts of the main window's 11 status panels (1..11). The link writes
// the radio's identity into them without knowing the window; the main window
// shows whatever they hold.

#include <QString>
#include <array>
#include <functional>

inline constexpr int kStatusPanels = 11;

class StatusPanels {
public:
    QString text(int panel) const { return texts_[panel - 1]; }
    void setText(int panel, const QString& text);
    void clear();

    // Runs after a panel's text changed: (panel, new text).
    std::function<void(int, const QString&)> onChanged;

private:
    std::array<QString, kStatusPanels> texts_;
};

// The one status bar of the process.
extern StatusPanels StatusBar1;
