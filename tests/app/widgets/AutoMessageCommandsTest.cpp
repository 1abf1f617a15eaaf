// Functions > Auto Message through the main window: Configure downloads,
// Start and Stop take turns, and Device Setup makes a download count as lost.
#include "MainFrameFixture.h"

#include "transmit/widgets/CAutoMessageDlg.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> numbersShown(const RecordingMessageSink& messages) {
    std::vector<int> numbers;
    for (const Message& message : messages.shown())
        numbers.push_back(message.number);
    return numbers;
}

class AutoMessageCommandsTest : public MainFrameFixture {
protected:
    // Configure: one item added, then Download.
    void configureOneItem() {
        whenDialogOpens<CAutoMessageDlg>([](CAutoMessageDlg* dialog) {
            clickButton(dialog, QStringLiteral("Add"));
            clickButton(dialog, QStringLiteral("Download"));
            rejectIfStillOpen(dialog);
        });
        action(command::kAutoConfigure)->trigger();
        frame->updateCommandStates();
    }

    bool enabled(int command) const { return action(command)->isEnabled(); }
};

}  // namespace

TEST_F(AutoMessageCommandsTest, DownloadThenStartAndStopTakeTurnsUntilDeviceSetup) {
    EXPECT_FALSE(enabled(command::kAutoConfigure)) << "no document";
    runNew(QStringLiteral("can"));
    frame->updateCommandStates();
    EXPECT_TRUE(enabled(command::kAutoConfigure));
    EXPECT_TRUE(enabled(command::kAutoStart));
    EXPECT_FALSE(enabled(command::kAutoStop));

    action(command::kAutoStart)->trigger();
    EXPECT_EQ(numbersShown(messages), std::vector<int>{5003}) << "nothing downloaded";

    configureOneItem();
    EXPECT_TRUE(state.autoDataLoaded);
    action(command::kAutoStart)->trigger();
    frame->updateCommandStates();
    EXPECT_FALSE(enabled(command::kAutoStart));
    EXPECT_TRUE(enabled(command::kAutoStop));
    EXPECT_TRUE(enabled(command::kAutoConfigure)) << "also while the adapter sends";

    action(command::kAutoStop)->trigger();
    frame->updateCommandStates();
    EXPECT_TRUE(enabled(command::kAutoStart));
    EXPECT_FALSE(enabled(command::kAutoStop));

    runSetup();
    EXPECT_FALSE(state.autoDataLoaded);
    action(command::kAutoStart)->trigger();
    EXPECT_EQ(numbersShown(messages), (std::vector<int>{5003, 5003})) << "the download counts as lost";
}
