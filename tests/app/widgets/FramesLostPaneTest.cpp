// The status bar's message pane tells how many frames the adapter dropped
// while the capture on screen ran, in words a screen reader reads. (That the
// pane also announces each change cannot be seen here: without a screen
// reader attached Qt drops the events before any handler.)
#include "MainFrameFixture.h"

#include "support/ScriptedBackend.h"

#include <QAccessible>
#include <QLabel>

#include <atomic>

namespace {

// An adapter that reports as many dropped frames as the test says.
class DroppingBackend : public ScriptedBackend {
public:
    vorelin::driver::AdapterStats stats() override {
        vorelin::driver::AdapterStats stats;
        stats.framesDropped = dropped.load();
        return stats;
    }
    std::atomic<uint64_t> dropped{0};
};

class FramesLostPane : public MainFrameFixture {
protected:
    void SetUp() override {
        MainFrameFixture::SetUp();
        vorelin::driver::installBackend(adapter);
        runNew(QStringLiteral("can"));
        runSetup();
        ASSERT_TRUE(state.device.configured);
    }

    QString heard() const {
        return QAccessible::queryAccessibleInterface(frame->findChild<QLabel*>(QStringLiteral("messagePane")))
            ->text(QAccessible::Name);
    }
    void run(int command) {
        action(command)->trigger();
        frame->updateCommandStates();
    }

    std::shared_ptr<DroppingBackend> adapter = std::make_shared<DroppingBackend>();
};

}  // namespace

TEST_F(FramesLostPane, CountsTheDropsWhileCapturingUntilClearAll) {
    adapter->dropped = 40;
    run(command::kCapture);
    ASSERT_TRUE(state.capture.capturing);
    frame->tick();
    EXPECT_EQ(heard(), "Ready") << "drops before Capture are not the capture's";

    adapter->dropped = 41;
    frame->tick();
    EXPECT_EQ(heard(), "1 frame lost");
    adapter->dropped = 40 + 1658;
    frame->tick();
    EXPECT_EQ(heard(), "1,658 frames lost");

    adapter->dropped = 40 + 1700;
    run(command::kStop);
    EXPECT_EQ(heard(), "1,700 frames lost") << "Stop takes the drops since the last tick";
    adapter->dropped = 9000;
    frame->tick();
    EXPECT_EQ(heard(), "1,700 frames lost") << "nothing is lost while stopped";

    run(command::kCapture);
    adapter->dropped = 9005;
    frame->tick();
    EXPECT_EQ(heard(), "1,705 frames lost") << "Capture again carries on the same capture";

    run(command::kClearAll);
    EXPECT_EQ(heard(), "Ready");
    adapter->dropped = 9006;
    frame->tick();
    EXPECT_EQ(heard(), "1 frame lost");
}
