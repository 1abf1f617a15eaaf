// MessageBoxSink.h: shows the core's messages as modal message boxes.
#pragma once

#include "core/MessageSink.h"

class QWidget;

class MessageBoxSink : public MessageSink {
public:
    // Application boxes (no owner) are parented to `applicationWindow`.
    explicit MessageBoxSink(QWidget* applicationWindow = nullptr) : applicationWindow_(applicationWindow) {}
    void setApplicationWindow(QWidget* window) { applicationWindow_ = window; }

    MessageReply show(const Message& message) override;

private:
    QWidget* applicationWindow_;
};
