// RecordingMessageSink.h: a MessageSink that keeps every message instead of
// showing it, so tests can see what the user would have been told. A box
// with Yes and No is answered No, and one with Cancel too is cancelled: the
// choices that change nothing, unless the test chooses otherwise.
#pragma once

#include "core/MessageSink.h"

#include <vector>

class RecordingMessageSink : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        shown_.push_back(message);
        switch (message.buttons) {
        case MessageButtons::YesNo:
            return yesNoReply_;
        case MessageButtons::YesNoCancel:
            return yesNoCancelReply_;
        case MessageButtons::Ok:
            break;
        }
        return MessageReply::Ok;
    }

    void answerYesNo(MessageReply reply) { yesNoReply_ = reply; }
    void answerYesNoCancel(MessageReply reply) { yesNoCancelReply_ = reply; }

    const std::vector<Message>& shown() const { return shown_; }

private:
    std::vector<Message> shown_;
    MessageReply yesNoReply_ = MessageReply::No;
    MessageReply yesNoCancelReply_ = MessageReply::Cancel;
};
