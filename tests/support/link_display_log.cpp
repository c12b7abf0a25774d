#include "support/link_display_log.h"

#include "link/transfer_engine.h"

#include <QLabel>
#include <QProgressBar>

LinkDisplayLog::LinkDisplayLog(TransferEngine& engine, const QProgressBar* bar, const QLabel* label)
{
    lastLabel_ = label->text();
    const auto shown = engine.onDisplayChanged;
    engine.onDisplayChanged = [this, shown, bar, label] {
        if (shown)
            shown();
        if (label->text() != lastLabel_)
            entries_ << QStringLiteral("%1 %2").arg(bar->value()).arg(label->text());
        lastLabel_ = label->text();
    };
}
