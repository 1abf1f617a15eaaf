// MessageSink.h: the one way a message reaches the user. The core decides
// which message to show; a window layer shows it as a modal box, tests record
// it, and the command-line tool prints it.
#pragma once

#include <string>

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageReply { Ok, Yes, No, Cancel };

struct Message {
    int number = 0;  // string-table number of the text
    std::string text;
    MessageIcon icon = MessageIcon::None;
    // A box owned by a dialog carries no caption of the program's own; an
    // application box (owner null) carries the application's title.
    std::string caption;
    const void* owner = nullptr;  // the dialog that owns the box, if any
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageReply show(const Message& message) = 0;
};

// An application box: string `number`, the application's title as caption.
Message applicationMessage(int number, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

// A box owned by `owner`, with the caption the caller names (often none).
Message dialogMessage(const void* owner, int number, MessageIcon icon, std::string caption = {},
                      MessageButtons buttons = MessageButtons::Ok);
