#include "core/prompt.h"

#include <cstdio>

namespace {
MessageSink* installedSink = nullptr;
int openBoxes = 0;
int shownCount = 0;
}  // namespace

void ShowMessage(const Message& message)
{
    ++shownCount;
    if (installedSink != nullptr) {
        ++openBoxes;
        installedSink->show(message);
        --openBoxes;
        return;
    }
    std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(message.title.text()), qUtf8Printable(message.text.text()));
}

bool MessageBoxOpen()
{
    return openBoxes > 0;
}

int ShownMessageCount()
{
    return shownCount;
}

MessageSink* InstallMessageSink(MessageSink* sink)
{
    MessageSink* previous = installedSink;
    installedSink = sink;
    return previous;
}
