// RecordingMessageSink.h: a MessageSink that keeps every message instead of
// showing it, answering with prepared replies, so tests can see what the user
// would have been told.
#pragma once

#include "core/MessageSink.h"

#include <deque>
#include <vector>

class RecordingMessageSink : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        shown_.push_back(message);
        if (replies_.empty())
            return message.buttons == MessageButtons::YesNo ? MessageReply::No : MessageReply::Ok;
        MessageReply reply = replies_.front();
        replies_.pop_front();
        return reply;
    }

    // Replies for the next boxes, in order; without one a box answers OK or No.
    void queueReply(MessageReply reply) { replies_.push_back(reply); }

    const std::vector<Message>& shown() const { return shown_; }
    void forget() { shown_.clear(); }

private:
    std::vector<Message> shown_;
    std::deque<MessageReply> replies_;
};
