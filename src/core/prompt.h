#pragma once
// Message boxes. Every message of the system goes through ShowMessage, which
// hands it to the one installed sink: the application installs the sink that
// shows a modal box, tests install one that records and checks the messages.
//
// A box is modal and Qt runs other events while it is open, so every caller
// finishes its state changes before it shows one.

#include "core/language.h"

enum class MessageIcon { Exclamation, Information, None };

struct Message {
    BiText text;
    BiText title;
    MessageIcon icon = MessageIcon::Exclamation;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the message (OK only) and returns when it has been dismissed.
    virtual void show(const Message& message) = 0;
};

// Shows one message through the installed sink. With no sink installed the
// message goes to stderr, so that nothing ever waits on a box nobody sees.
void ShowMessage(const Message& message);

// True while a box shown by ShowMessage is open (a window's timer that
// would close the window waits until it has been dismissed).
bool MessageBoxOpen();

// How many messages ShowMessage has shown so far. A box is modal: a control
// that must know whether one of its handlers showed one (and so ran the
// event loop inside it) compares the count before and after the handler.
int ShownMessageCount();

// Installs the sink used by ShowMessage (nullptr removes it); returns the one
// it replaces.
MessageSink* InstallMessageSink(MessageSink* sink);

// The two titles of the system's messages; each message names its own.
namespace Titles {
inline const BiText OperatePromptUpper{QStringLiteral("操作提示"), QStringLiteral("Operate Prompt")};
inline const BiText OperatePromptLower{QStringLiteral("操作提示"), QStringLiteral("Operate prompt")};
}  // namespace Titles
