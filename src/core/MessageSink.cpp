#include "core/MessageSink.h"

#include "core/StringTable.h"

Message applicationMessage(int number, MessageIcon icon, MessageButtons buttons) {
    return Message{number, std::string(strings::text(number)), icon,
                   std::string(strings::text(strings::kAppTitle)), nullptr, buttons};
}

Message dialogMessage(const void* owner, int number, MessageIcon icon, std::string caption,
                      MessageButtons buttons) {
    return Message{number, std::string(strings::text(number)), icon, std::move(caption), owner, buttons};
}
