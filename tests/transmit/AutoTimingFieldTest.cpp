#include "transmit/AutoTimingField.h"

#include "core/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(AutoTimingField, AcceptsUpTo255AndRefusesTheRest) {
    struct Row {
        const char* text;
        TimingFieldAction action;
        uint32_t value;  // the document's value afterwards, from 99
    };
    const Row rows[] = {
        {"", TimingFieldAction::none, 99},
        {"0", TimingFieldAction::none, 0},
        {"30", TimingFieldAction::none, 30},
        {"007", TimingFieldAction::none, 7},
        {"255", TimingFieldAction::none, 255},
        {"256", TimingFieldAction::removeLastCharacter, 99},
        {"4294967296", TimingFieldAction::removeLastCharacter, 99},  // 2^32: must not wrap to 0
        {"1a", TimingFieldAction::removeLastCharacter, 99},
    };
    const int dialog = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        uint32_t value = 99;
        RecordingMessageSink messages;
        EXPECT_EQ(checkTimingField(row.text, value, messages, &dialog), row.action);
        EXPECT_EQ(value, row.value);
        if (row.action == TimingFieldAction::none) {
            EXPECT_TRUE(messages.shown().empty());
            continue;
        }
        ASSERT_EQ(messages.shown().size(), 1u);
        const Message& message = messages.shown()[0];
        EXPECT_EQ(std::tie(message.number, message.text, message.icon, message.owner, message.caption),
                  std::make_tuple(5024, std::string("The value must between 0 to 255."), MessageIcon::None,
                                  static_cast<const void*>(&dialog), std::string()));
    }
}

}  // namespace
