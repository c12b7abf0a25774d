#pragma once
// The main window's status bar: text panels side by side, each as wide as it
// was made at start-up, whatever the window's width later.

#include "core/status_panels.h"

#include <QWidget>
#include <array>

class QLabel;

class StatusBar : public QWidget {
public:
    explicit StatusBar(QWidget* parent = nullptr);
    ~StatusBar() override;

    // Fixes the widths of panels 1..11 in twips.
    void setPanelWidths(const std::array<double, kStatusPanels>& twips);
    // The width of panel 1..11 in twips, as set.
    double panelWidth(int panel) const { return widths_[panel - 1]; }

    QLabel* panel(int panel) const { return labels_[panel - 1]; }
    QString panelText(int panel) const;

    // Shows the texts of `panels` and follows every change of them until
    // unbind() or the end of the bar.
    void bind(StatusPanels& panels);
    void unbind();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    // Shows a text in panel 1..11 (which screen readers read as its name).
    void showPanel(int panel, const QString& text);

    std::array<QLabel*, kStatusPanels> labels_{};
    std::array<double, kStatusPanels> widths_{};
    StatusPanels* bound_ = nullptr;
};
