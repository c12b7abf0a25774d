#pragma once
// The application's message sink: every message of the system as a modal
// box with an OK button only, its own icon and title, its text in the
// language LangChinese selects at the moment it is shown.

#include "core/prompt.h"

class MessageBoxSink final : public MessageSink {
public:
    void show(const Message& message) override;
};
