#include "support/message_recorder.h"

#include <QDebug>

MessageRecorder::MessageRecorder()
{
    previous_ = InstallMessageSink(this);
}

MessageRecorder::~MessageRecorder()
{
    InstallMessageSink(previous_);
}

void MessageRecorder::show(const Message& message)
{
    ShownMessage shown{message, message.text.text(), message.title.text()};
    shown_.append(shown);
    if (onShow)
        onShow(shown);
}

QStringList MessageRecorder::takeTexts()
{
    QStringList texts;
    for (const ShownMessage& shown : shown_)
        texts << shown.text;
    shown_.clear();
    return texts;
}

QList<ShownMessage> MessageRecorder::takeAll()
{
    QList<ShownMessage> all = shown_;
    shown_.clear();
    return all;
}

QString MessageRecorder::takeFirstText()
{
    if (shown_.isEmpty())
        return {};
    return shown_.takeFirst().text;
}

bool MessageRecorder::verifyAllTaken()
{
    for (const ShownMessage& shown : shown_)
        qWarning().noquote() << "unexpected message box:" << shown.title << "|" << shown.text;
    const bool none = shown_.isEmpty();
    shown_.clear();
    return none;
}
