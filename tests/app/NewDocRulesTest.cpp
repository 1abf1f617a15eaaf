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

class NewDocRules : public ::testing::Test {
protected:
    NewDocOutcome confirm(bool dataList, Protocol protocol) { return confirmNewDocument({dataList, protocol}, host, messages); }
    FakeHost host;
    RecordingMessageSink messages;  // answers No unless told otherwise
};

const char* const kCloseOldDocument = "You should close the old document.\nAre you sure to close the document?";
const char* const kSelectProtocol = "If your selected Data List,\nyou must select protocol.";

}  // namespace

TEST_F(NewDocRules, NothingCheckedStaysSilentlyInTheDialog) {
    EXPECT_EQ(confirm(false, Protocol::can), NewDocOutcome::stayInDialog);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(NewDocRules, DataListWithoutProtocolAsksForOne) {
    EXPECT_EQ(confirm(true, Protocol::none), NewDocOutcome::stayInDialog);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5028);
    EXPECT_EQ(messages.shown()[0].text, kSelectProtocol);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
}

TEST_F(NewDocRules, WithNoListOpenAChoiceOpensOneWithoutAsking) {
    EXPECT_EQ(confirm(true, Protocol::canopen), NewDocOutcome::openDataList);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(NewDocRules, AnsweringNoKeepsTheOpenListAndTheDialog) {
    host.open = true;
    EXPECT_EQ(confirm(true, Protocol::canopen), NewDocOutcome::stayInDialog);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5027);
    EXPECT_EQ(messages.shown()[0].text, kCloseOldDocument);
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(host.closeCalls, 0);
    EXPECT_TRUE(host.open);
}

TEST_F(NewDocRules, AnsweringYesClosesTheListsThenOpensTheNewOneIfTheChoiceIsComplete) {
    host.open = true;
    messages.answerYesNo(MessageReply::Yes);
    EXPECT_EQ(confirm(true, Protocol::deviceNet), NewDocOutcome::openDataList);
    EXPECT_EQ(host.closeCalls, 1);

    host.open = true;
    EXPECT_EQ(confirm(true, Protocol::none), NewDocOutcome::stayInDialog);
    EXPECT_EQ(host.closeCalls, 2) << "Yes closes the list even when the choice is incomplete";
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(messages.shown()[2].number, 5028);
}
