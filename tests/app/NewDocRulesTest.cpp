#include "app/NewDocRules.h"

#include "core/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace {

class FakeHost : public NewDocHost {
public:
    bool isDataListOpen() const override { return open; }
    void closeDataListDocuments() override {
        ++closeCalls;
        open = false;
    }
    bool open = false;
    int closeCalls = 0;
};

const char* const kCloseOldDocument = "You should close the old document.\nAre you sure to close the document?";
const char* const kSelectProtocol = "If your selected Data List,\nyou must select protocol.";

}  // namespace

TEST(NewDocRules, ProtocolChoicesFollowTheDataListBox) {
    EXPECT_FALSE(areProtocolChoicesEnabled(false));
    EXPECT_TRUE(areProtocolChoicesEnabled(true));
}

TEST(NewDocRules, NothingCheckedStaysSilentlyInTheDialog) {
    FakeHost host;
    RecordingMessageSink messages;
    EXPECT_EQ(confirmNewDocument({false, Protocol::can}, host, messages), NewDocOutcome::stayInDialog);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(NewDocRules, DataListWithoutProtocolAsksForOne) {
    FakeHost host;
    RecordingMessageSink messages;
    EXPECT_EQ(confirmNewDocument({true, Protocol::none}, host, messages), NewDocOutcome::stayInDialog);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5028);
    EXPECT_EQ(messages.shown()[0].text, kSelectProtocol);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
}

TEST(NewDocRules, WithNoListOpenAChoiceOpensOneWithoutAsking) {
    FakeHost host;
    RecordingMessageSink messages;
    EXPECT_EQ(confirmNewDocument({true, Protocol::canopen}, host, messages), NewDocOutcome::openDataList);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(NewDocRules, AnsweringNoKeepsTheOpenListAndTheDialog) {
    FakeHost host;
    host.open = true;
    RecordingMessageSink messages;  // answers No
    EXPECT_EQ(confirmNewDocument({true, Protocol::canopen}, host, messages), NewDocOutcome::stayInDialog);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5027);
    EXPECT_EQ(messages.shown()[0].text, kCloseOldDocument);
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(host.closeCalls, 0);
    EXPECT_TRUE(host.open);
}

TEST(NewDocRules, AnsweringYesClosesTheListsThenOpensTheNewOne) {
    FakeHost host;
    host.open = true;
    RecordingMessageSink messages;
    messages.answerYesNo(MessageReply::Yes);
    EXPECT_EQ(confirmNewDocument({true, Protocol::deviceNet}, host, messages), NewDocOutcome::openDataList);
    EXPECT_EQ(host.closeCalls, 1);
}

TEST(NewDocRules, YesClosesTheListEvenWhenTheChoiceIsIncomplete) {
    FakeHost host;
    host.open = true;
    RecordingMessageSink messages;
    messages.answerYesNo(MessageReply::Yes);
    EXPECT_EQ(confirmNewDocument({true, Protocol::none}, host, messages), NewDocOutcome::stayInDialog);
    EXPECT_EQ(host.closeCalls, 1);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].number, 5028);
}
