#include "core/status_panels.h"

StatusPanels StatusBar1;

void StatusPanels::setText(int panel, const QString& text)
{
    if (panel < 1 || panel > kStatusPanels)
        return;
    texts_[panel - 1] = text;
    if (onChanged)
        onChanged(panel, text);
}

void StatusPanels::clear()
{
    for (int panel = 1; panel <= kStatusPanels; ++panel)
        setText(panel, QString());
}
