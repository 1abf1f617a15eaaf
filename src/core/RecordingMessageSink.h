// RecordingMessageSink.h: a MessageSink that keeps every message instead of
// showing it, so tests can see what the user would have been told. A box
// with Yes and No is answered No, the choice that changes nothing, unless the
// test chooses otherwise.
#pragma once

#include "core/MessageSink.h"

#include <vector>

class RecordingMessageSink : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        shown_.push_back(message);
        return message.buttons == MessageButtons::YesNo ? yesNoReply_ : MessageReply::Ok;
    }

    void answerYesNo(MessageReply reply) { yesNoReply_ = reply; }

    const std::vector<Message>& shown() const { return shown_; }

private:
    std::vector<Message> shown_;
    MessageReply yesNoReply_ = MessageReply::No;
};
