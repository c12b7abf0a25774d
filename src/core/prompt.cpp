#include "core/prompt.h"

#include <cstdio>

namespace {
MessageSink* installedSink = nullptr;
}

void ShowMessage(const Message& message)
{
    if (installedSink != nullptr) {
        installedSink->show(message);
        return;
    }
    std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(message.title.text()), qUtf8Printable(message.text.text()));
}

MessageSink* InstallMessageSink(MessageSink* sink)
{
    MessageSink* previous = installedSink;
    installedSink = sink;
    return previous;
}
