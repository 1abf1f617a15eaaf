// The replay adapter's thread contract: the receive thread takes frames while
// the window thread sends and reads the counts, as in a capture.
#include "document/ReplayAdapter.h"

#include "driver/BackendSelector.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

TEST(ReplayThreads, ReceiveWhileAnotherThreadSendsAndCounts) {
    constexpr int kFrames = 2000;
    TempDir dir;
    const std::string path = dir.file("many.log");
    std::string log;
    for (int i = 0; i < kFrames; ++i)
        log += "(1700000000." + std::to_string(100000 + i) + ") can0 123#" + (i % 2 ? "11" : "") + "\n";
    TempDir::write(path, log);
    auto made = ReplayAdapter::make(vorelin::driver::BackendSelector("replay:" + path + ",speed=0"));
    ASSERT_TRUE(made.hasValue()) << made.error().text;
    ReplayAdapter& adapter = **made;
    ASSERT_TRUE(adapter.open() && adapter.start());

    int received = 0;
    std::thread receiver([&] {
        FrameRecord chunk[18];
        int count = 0;
        while (received < kFrames && adapter.receive(chunk, 18, count))
            received += count;
    });
    uint64_t lastReceived = 0;
    bool countsGrew = true;
    for (int i = 0; i < 200; ++i) {
        EXPECT_TRUE(adapter.sendSingle(dataFrame(0x200, {uint8_t(i)})));
        const uint64_t now = adapter.stats().framesReceived;
        countsGrew = countsGrew && now >= lastReceived;
        lastReceived = now;
    }
    receiver.join();
    EXPECT_TRUE(countsGrew);
    EXPECT_EQ(received, kFrames);
    EXPECT_EQ(adapter.stats().framesReceived, uint64_t(kFrames));
    EXPECT_EQ(adapter.transmitted().total, 200u);
}
