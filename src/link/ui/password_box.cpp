#include "link/ui/password_box.h"

#include "link/password_entry.h"
#include "platform/kit_text.h"

namespace {
constexpr QChar kPasswordChar = QLatin1Char('*');
}

void SetUpPasswordBox(KitText& box, std::function<void(const QString&)> changed)
{
    box.setPasswordChar(kPasswordChar);
    box.setFitText(kPasswordLength, QString(kPasswordChar));
    box.onChange = [&box, changed = std::move(changed)] {
        const QString kept = PasswordBoxText(box.text());
        if (kept != box.text()) {
            box.setText(kept);  // runs this handler again with the kept text
            return;
        }
        if (changed)
            changed(kept);
    };
}
