#pragma once
// Records every message box instead of showing it. A test takes the messages
// it expects; verifyAllTaken() (called from the test's cleanup) fails the test
// for any box it did not expect, so no test ever waits on a dialog.

#include "core/prompt.h"

#include <QList>
#include <QStringList>
#include <functional>

struct ShownMessage {
    Message message;
    QString text;  // the text in the language of the moment it was shown
    QString title;
};

class MessageRecorder final : public MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void show(const Message& message) override;

    int count() const { return static_cast<int>(shown_.size()); }
    // Removes and returns the shown texts, oldest first.
    QStringList takeTexts();
    // Removes and returns the messages, oldest first.
    QList<ShownMessage> takeAll();
    // Removes the oldest message and returns its text (empty when none).
    QString takeFirstText();
    // True when no message waits to be taken; otherwise lists them with qWarning.
    bool verifyAllTaken();

    // Runs while a box is "open" (inside show), as the event loop would.
    std::function<void(const ShownMessage&)> onShow;

private:
    QList<ShownMessage> shown_;
    MessageSink* previous_ = nullptr;
};
